// A tiny program for the single-instance test: it runs the check as Sprilo
// does at start-up and prints the outcome ("Erste", "Zweite", "Unbekannt").
//   EinzelinstanzHelfer erste   stays while it is the first one, prints
//                               "aktiviert" for every second start and ends
//                               on input ("ende"), closed stdin or after 30 s.
//   EinzelinstanzHelfer zweite  checks once and ends.
#include "Einzelinstanz.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    using TErgebnis = TEinzelinstanz::TErgebnis;
    TEinzelinstanz instanz;
    const TErgebnis ergebnis = instanz.Pruefen();
    std::puts(ergebnis == TErgebnis::Erste ? "Erste" : ergebnis == TErgebnis::Zweite ? "Zweite" : "Unbekannt");
    std::fflush(stdout);
    if (argc < 2 || std::strcmp(argv[1], "erste") != 0 || ergebnis != TErgebnis::Erste)
        return 0;

    QObject::connect(&instanz, &TEinzelinstanz::Aktivieren, [] {
        std::puts("aktiviert");
        std::fflush(stdout);
    });
    QSocketNotifier stdinMelder(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinMelder, &QSocketNotifier::activated, &app, [&] {
        stdinMelder.setEnabled(false);
        QCoreApplication::quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
