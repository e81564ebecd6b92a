// The commands of sprilo-cli, callable in-process for tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit codes.
constexpr int CliOk = 0;
constexpr int CliUnbrauchbar = 1;
constexpr int CliNichtGeoeffnet = 2;
constexpr int CliNichtsGefunden = 3;
constexpr int CliAufruffehler = 64;

// argumente without the program name.
int CliAusfuehren(const std::vector<std::string> &argumente, std::ostream &aus, std::ostream &fehler);
