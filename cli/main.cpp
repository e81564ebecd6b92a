#include "Befehle.h"


#include <iostream>

int main(int argc, char **argv)
{
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const int ergebnis = CliAusfuehren(argumente, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? ergebnis : CliNichtGeoeffnet;
}
