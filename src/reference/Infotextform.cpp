#include "reference/Infotextform.h"

#include "reference/Bedienelemente.h"
#include "reference/DBHinweis.h"
#include "reference/Zwischenablage.h"
#include "shell/Datenbank.h"
#include "shell/Hauptform.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

Infotextform::Infotextform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Infotextform"), QStringLiteral("Information"))
{
    m_info = Bedienelemente::textfeld(this, QStringLiteral("Info"));
    m_panel = new QWidget(this);
    auto *l = new QHBoxLayout(m_panel);
    l->setContentsMargins(8, 6, 8, 6);
    auto *kopieren = Bedienelemente::knopf(m_panel, QStringLiteral("Kopieren_Knopf"), -1, QStringLiteral("Kopieren"),
                                           QStringLiteral("markierten Text in Zwischenablage kopieren zur evtl. "
                                                          "Weiterverarbeitung"));
    auto *ende = Bedienelemente::knopf(m_panel, QStringLiteral("Ende_Knopf"), -1, QStringLiteral("zurück"),
                                       QStringLiteral("zurück zur Absprungstelle"));
    l->addStretch(1);
    l->addWidget(kopieren);
    l->addWidget(ende);
    connect(kopieren, &QPushButton::clicked, this, &Infotextform::kopieren);
    Bedienelemente::endeUndEsc(this, ende);

    DBHinweis::zeigen();
    Datenbank db;
    db.oeffnen(hauptform.programmverzeichnis() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen);
    if (!m_bestand.laden(db, QStringLiteral("select * from Anmerkungen")))
        m_bestand.leeren();
    DBHinweis::verbergen();
    Bedienelemente::textSetzen(m_info, m_bestand.text(QStringLiteral("Info")));
    resize(sizeHint());
}

Infotextform *Infotextform::zeigen(Hauptform &hauptform, const QString &nummer, const QString &titel)
{
    auto *w = qobject_cast<Infotextform *>(hauptform.oeffnen(QStringLiteral("Infotextform")));
    if (!w)
        return nullptr;
    w->anmerkungZeigen(nummer);
    w->setWindowTitle(titel);
    w->setFocus();
    return w;
}

bool Infotextform::anmerkungZeigen(const QString &nummer)
{
    if (!m_bestand.springeZu(QStringLiteral("Nummer"), nummer))
        return false;
    Bedienelemente::textSetzen(m_info, m_bestand.text(QStringLiteral("Info")));
    return true;
}

void Infotextform::kopieren()
{
    Zwischenablage::kopieren(m_info);
}

void Infotextform::resizeEvent(QResizeEvent *event)
{
    Maske::resizeEvent(event);
    const int h = height();
    const int panelOben = h - Hauptform::twipsZuPixel(800, false);
    m_info->setGeometry(6, 4, width() - 12, qMax(0, h - Hauptform::twipsZuPixel(900, false) - 4));
    m_panel->setGeometry(0, panelOben, width(), h - panelOben);
}
