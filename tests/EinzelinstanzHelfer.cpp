// A tiny program for the single-instance test: it runs the check as Sprilo
// does at start-up, with the file Sprilo would take from the same
// arguments, and prints the outcome ("Erste", "Zweite", "Unbekannt").
//   EinzelinstanzHelfer erste [ARGUMENTE]   stays while it is the first
//       one, prints "aktiviert" for every second start and "laden PFAD"
//       for a file it was handed, and ends on input ("ende"), closed stdin
//       or after 30 s.
//   EinzelinstanzHelfer zweite [ARGUMENTE]  checks once and ends.
// ARGUMENTE are Sprilo's own, Qt's options such as "-platform offscreen"
// included.
#include "Einzelinstanz.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStringList argumente = QCoreApplication::arguments();
    const QString art = argumente.value(1);
    argumente.removeAt(1);
    using TErgebnis = TEinzelinstanz::TErgebnis;
    TEinzelinstanz instanz;
    const TErgebnis ergebnis = instanz.Pruefen(StartDatei(argumente));
    std::puts(ergebnis == TErgebnis::Erste ? "Erste" : ergebnis == TErgebnis::Zweite ? "Zweite" : "Unbekannt");
    std::fflush(stdout);
    if (art != u"erste"_s || ergebnis != TErgebnis::Erste)
        return 0;

    QObject::connect(&instanz, &TEinzelinstanz::Aktivieren, [] {
        std::puts("aktiviert");
        std::fflush(stdout);
    });
    QObject::connect(&instanz, &TEinzelinstanz::Oeffnen, [](const QString &datei) {
        std::puts(("laden " + datei.toUtf8()).constData());
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
