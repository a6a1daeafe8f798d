#include "forms/Antraegeform.h"

#include "shell/Hauptform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Antraegeform::Antraegeform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Anträgeform"), QStringLiteral("Weitere Anträge"))
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(12, 12, 12, 12);
    l->setSpacing(8);
    const struct
    {
        const char *text;
        const char *tipp;
    } knoepfe[] = {
        {"Unfallbericht", ""},
        {"Antrag auf Abschlagszahlung",
         "Anklicken, wenn Antrag auf Abschlagszahlung gestellt wird. Hier notwendige Eingaben tätigen."},
        {"&Antrag auf Gewährung eines Vorschusses",
         "Anklicken, wenn Antrag auf Gewährung eines Vorschusses gestellt wird. Hier die vorgesehenen Eingaben tätigen"},
    };
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(knoepfe[i].text), this);
        b->setObjectName(QStringLiteral("Wahl_Knopf"));
        b->setProperty("index", i);
        b->setToolTip(QString::fromUtf8(knoepfe[i].tipp));
        b->setMinimumHeight(36);
        connect(b, &QPushButton::clicked, this, [this, i] { Wahl_Knopf_Click(i); });
        l->addWidget(b);
    }
    l->addStretch(1);
}

void Antraegeform::Wahl_Knopf_Click(int index)
{
    static const char *const masken[] = {"UnfallberichtsForm", "AbschlagszahlungsForm", "Vorschussform"};
    static const char *const codes[] = {"UB", "AB", "VS"};
    if (index < 0 || index > 2)
        return;
    m_hauptform.oeffnen(QString::fromUtf8(masken[index]));
    if (QLineEdit *bereich2 = m_hauptform.feld(QStringLiteral("Bereich2")))
        bereich2->setText(QString::fromUtf8(codes[index]));
}
