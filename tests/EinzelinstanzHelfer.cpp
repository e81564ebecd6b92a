// A tiny program for the single-instance test: it runs the check as Sprilo
// does at start-up and reports the outcome on stdout.
//   EinzelinstanzHelfer erste   stays running while it is the first one and
//                               prints "aktiviert" for every second start;
//                               ends on "ende" from stdin or after 30 s.
//   EinzelinstanzHelfer zweite  checks once and ends.
#include "Einzelinstanz.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void Ausgeben(const char *zeile)
{
    std::fputs(zeile, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

const char *ErgebnisText(TEinzelinstanz::TErgebnis ergebnis)
{
    switch (ergebnis) {
    case TEinzelinstanz::TErgebnis::Erste:
        return "Erste";
    case TEinzelinstanz::TErgebnis::Zweite:
        return "Zweite";
    case TEinzelinstanz::TErgebnis::Unbekannt:
        break;
    }
    return "Unbekannt";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool bleiben = argc > 1 && std::strcmp(argv[1], "erste") == 0;

    TEinzelinstanz instanz;
    const TEinzelinstanz::TErgebnis ergebnis = instanz.Pruefen();
    Ausgeben(ErgebnisText(ergebnis));
    if (!bleiben || ergebnis != TEinzelinstanz::TErgebnis::Erste)
        return 0;

    QObject::connect(&instanz, &TEinzelinstanz::Aktivieren, [] { Ausgeben("aktiviert"); });

    // Ends on "ende" or when stdin closes.
    QByteArray eingabe;
    QSocketNotifier stdinMelder(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinMelder, &QSocketNotifier::activated, [&] {
        char puffer[256];
        const ssize_t n = ::read(STDIN_FILENO, puffer, sizeof puffer);
        if (n <= 0) {
            stdinMelder.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        eingabe.append(puffer, n);
        if (eingabe.contains("ende"))
            QCoreApplication::quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
