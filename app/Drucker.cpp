#include "Drucker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QPrinter *drucker = nullptr;

// The printer engine must go before the application it belongs to, not at
// the end of the process.
void DruckerFreigeben()
{
    delete drucker;
    drucker = nullptr;
}

} // namespace

QPrinter &Drucker()
{
    if (!drucker) {
        // Reports are laid out in printer pixels, so use the printer's own
        // resolution rather than the screen's.
        drucker = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(DruckerFreigeben);
    }
    return *drucker;
}

bool DruckerEinrichten(QWidget *eltern)
{
    QPrintDialog dialog(&Drucker(), eltern);
    dialog.setWindowTitle(u"Druckereinrichtung"_s);
    // Only the choice of printer and paper: page ranges and copies belong
    // to the print dialog of each report.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only sets the printer up; its confirm button must not
    // promise printing.
    for (QDialogButtonBox *knoepfe : dialog.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = knoepfe->button(QDialogButtonBox::Ok))
            ok->setText(u"OK"_s);
    return dialog.exec() == QDialog::Accepted;
}
