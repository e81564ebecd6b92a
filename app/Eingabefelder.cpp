#include "Eingabefelder.h"

#include "Cp1252.h"
#include "Feldpruefung.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {

class TGanzerTextWaehler : public QObject {
public:
    TGanzerTextWaehler(QWidget *feld, QLineEdit *edit)
        : QObject(feld)
        , m_edit(edit)
    {
        feld->installEventFilter(this);
        if (edit != feld)
            edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::FocusIn || !m_edit || m_edit->hasSelectedText())
            return false;
        switch (static_cast<QFocusEvent *>(ereignis)->reason()) {
        case Qt::ActiveWindowFocusReason:
            return false;
        case Qt::MouseFocusReason:
            // After the press that gave the focus, which would undo it.
            QTimer::singleShot(0, m_edit, [edit = m_edit] {
                if (edit && edit->hasFocus() && !edit->hasSelectedText())
                    edit->selectAll();
            });
            return false;
        default:
            m_edit->selectAll();
            return false;
        }
    }

private:
    QPointer<QLineEdit> m_edit;
};

QString Speicherbar(const QString &text, std::string *abgelehnt = nullptr)
{
    return QString::fromStdString(NurSpeicherbar(text.toStdString(), abgelehnt));
}

} // namespace

void GanzenTextBeimBetretenWaehlen(QLineEdit *edit)
{
    new TGanzerTextWaehler(edit, edit);
}

void GanzenTextBeimBetretenWaehlen(QComboBox *feld)
{
    new TGanzerTextWaehler(feld, feld->lineEdit());
}

void NurSpeicherbareZeichen(QLineEdit *edit, std::function<void(const QString &hinweis)> melden,
                            std::function<QString(const QString &)> umformen)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, melden, umformen](const QString &text) {
        std::string abgelehnt;
        QString bleibt = Speicherbar(text, &abgelehnt);
        if (umformen)
            bleibt = umformen(bleibt);
        if (bleibt != text) {
            // The cursor moves back by what was taken out before it.
            const int position = edit->cursorPosition();
            const int davor = position - static_cast<int>(Speicherbar(text.left(position)).size());
            edit->setText(bleibt);
            edit->setCursorPosition(position - davor);
        }
        if (!abgelehnt.empty() && melden)
            melden(QString::fromStdString(AbgelehnteZeichenText(abgelehnt)));
    });
}
