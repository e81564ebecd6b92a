// Small habits shared by the text fields of several windows: the whole
// text selected when a field is entered, and only characters that the data
// and configuration files can hold.
#pragma once

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// ---- whole text on entering -------------------------------------------------

// Selects the whole text of edit whenever feld gets the focus, unless part
// of it is selected already, so that typing replaces it. The focus coming
// back with the window (after a message box) keeps what was there.
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

inline void GanzenTextBeimBetretenWaehlen(QLineEdit *edit)
{
    new TGanzerTextWaehler(edit, edit);
}

inline void GanzenTextBeimBetretenWaehlen(QComboBox *feld)
{
    new TGanzerTextWaehler(feld, feld->lineEdit());
}

// ---- characters the files can hold --------------------------------------------

// Whether code page 1252, the character set of the files, holds c as a
// printable character: Latin-1 without its control characters, and the 27
// characters the code page puts in 0x80..0x9F.
inline bool Cp1252Speicherbar(char16_t c)
{
    if (c >= 0x20 && c < 0x7F)
        return true;
    if (c >= 0xA0 && c <= 0xFF)
        return true;
    constexpr char16_t zusatz[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                   0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                   0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    for (char16_t z : zusatz)
        if (c == z)
            return true;
    return false;
}

// text without the characters the files cannot hold; those go to abgelehnt.
inline QString NurSpeicherbar(const QString &text, QString *abgelehnt = nullptr)
{
    QString bleibt;
    bleibt.reserve(text.size());
    for (const QChar c : text) {
        if (Cp1252Speicherbar(c.unicode()))
            bleibt += c;
        else if (abgelehnt)
            *abgelehnt += c;
    }
    return bleibt;
}

// What the user is told about characters that were refused: each one named
// once, control characters together.
inline QString AbgelehnteZeichenText(const QString &abgelehnt)
{
    QStringList zeichen;
    bool steuerzeichen = false;
    for (qsizetype i = 0; i < abgelehnt.size(); ++i) {
        QString z(abgelehnt[i]);
        if (abgelehnt[i].isHighSurrogate() && i + 1 < abgelehnt.size())
            z += abgelehnt[++i];
        if (!z[0].isPrint() && !z[0].isSurrogate())
            steuerzeichen = true;
        else if (!zeichen.contains(u'\'' + z + u'\''))
            zeichen << u'\'' + z + u'\'';
    }
    if (zeichen.isEmpty())
        return QStringLiteral(u"Steuerzeichen können nicht gespeichert werden und wurden weggelassen.");
    if (steuerzeichen)
        zeichen << QStringLiteral(u"Steuerzeichen");
    if (zeichen.size() == 1)
        return QStringLiteral(u"Das Zeichen ") + zeichen.first()
               + QStringLiteral(u" kann nicht gespeichert werden und wurde weggelassen.");
    const QString letztes = zeichen.takeLast();
    return QStringLiteral(u"Die Zeichen ") + zeichen.join(QStringLiteral(u", ")) + QStringLiteral(u" und ")
           + letztes + QStringLiteral(u" können nicht gespeichert werden und wurden weggelassen.");
}

// Takes out again what the user typed or pasted into edit and the files
// cannot hold, keeping the cursor where it was; melden hears of each edit
// that lost characters, once, with the characters lost. Text the program
// puts in is not touched.
inline void NurSpeicherbareZeichen(QLineEdit *edit, std::function<void(const QString &abgelehnt)> melden)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, melden](const QString &text) {
        QString abgelehnt;
        const QString bleibt = NurSpeicherbar(text, &abgelehnt);
        if (abgelehnt.isEmpty())
            return;
        const int position = edit->cursorPosition();
        const int davor = position - static_cast<int>(NurSpeicherbar(text.left(position)).size());
        edit->setText(bleibt);
        edit->setCursorPosition(position - davor);
        if (melden)
            melden(abgelehnt);
    });
}
