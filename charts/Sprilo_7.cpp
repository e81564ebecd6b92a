#include "Sprilo_7.h"

#include <QPointer>

TForm7::TForm7(QWidget *parent)
    : QDialog(parent)
{
}

TForm7::~TForm7() = default;

void TForm7::LiterpreisZeigen() {}
void TForm7::ReichweiteZeigen() {}

TForm7 *Form7Holen(QWidget *hauptfenster)
{
    static QPointer<TForm7> form7;
    if (!form7) {
        form7 = new TForm7;
        if (hauptfenster)
            QObject::connect(hauptfenster, &QObject::destroyed, form7, [f = form7.data()] { delete f; });
    }
    if (hauptfenster)
        form7->m_hauptfenster = hauptfenster;
    return form7;
}
