#include "reference/Gesetze.h"

#include "reference/Bedienelemente.h"
#include "reference/Zwischenablage.h"
#include "shell/Datenbank.h"
#include "shell/Hauptform.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

Gesetze::Gesetze(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Gesetze"), QStringLiteral("Gesetze"))
{
    m_ueberschrift = new QLineEdit(this);
    m_ueberschrift->setObjectName(QStringLiteral("Überschrift"));
    m_ueberschrift->setReadOnly(true);
    QFont f = m_ueberschrift->font();
    f.setBold(true);
    m_ueberschrift->setFont(f);
    m_inhalt = Bedienelemente::textfeld(this, QStringLiteral("Inhalt"));

    m_panel = new QWidget(this);
    auto *l = new QHBoxLayout(m_panel);
    l->setContentsMargins(8, 6, 8, 6);
    auto *zurueck = Bedienelemente::knopf(m_panel, QStringLiteral("DB_Knopf"), 0, QStringLiteral("Rückwärts blättern"));
    auto *vor = Bedienelemente::knopf(m_panel, QStringLiteral("DB_Knopf"), 1, QStringLiteral("Vorwärts blättern"));
    auto *kopieren = Bedienelemente::knopf(
        m_panel, QStringLiteral("Kopieren_Knopf"), -1, QStringLiteral("Kopieren"),
        QStringLiteral("markierter Text wird für eine evtl. Weiterverarbeitung in die Zwischenablage kopiert"));
    auto *ende = Bedienelemente::knopf(m_panel, QStringLiteral("Ende_Knopf"), -1, QStringLiteral("zurück"));
    l->addWidget(zurueck);
    l->addWidget(vor);
    l->addStretch(1);
    l->addWidget(kopieren);
    l->addWidget(ende);

    connect(zurueck, &QPushButton::clicked, this, [this] { blaettern(false); });
    connect(vor, &QPushButton::clicked, this, [this] { blaettern(true); });
    connect(kopieren, &QPushButton::clicked, this, &Gesetze::kopieren);
    Bedienelemente::endeUndEsc(this, ende);

    laden(QStringLiteral("select * from Gesetze order by Nummer"), {});
    resize(sizeHint());
}

Gesetze *Gesetze::zeigen(Hauptform &hauptform, int bereich, const QString &titel)
{
    auto *w = qobject_cast<Gesetze *>(hauptform.oeffnen(QStringLiteral("Gesetze")));
    if (!w)
        return nullptr;
    w->setBereich(bereich);
    w->setWindowTitle(titel);
    w->setFocus();
    return w;
}

void Gesetze::setBereich(int bereich)
{
    if (bereich == m_bereich)
        return;
    m_bereich = bereich;
    laden(QStringLiteral("select * from Gesetze where Bereich = ? order by Nummer"), {bereich});
}

void Gesetze::laden(const QString &sql, const QVariantList &werte)
{
    Datenbank db;
    db.oeffnen(m_hauptform.programmverzeichnis() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen);
    if (!m_bestand.laden(db, sql, werte))
        m_bestand.leeren();
    anzeigen();
}

void Gesetze::anzeigen()
{
    m_ueberschrift->setText(m_bestand.text(QStringLiteral("Überschrift")));
    m_ueberschrift->setCursorPosition(0);
    Bedienelemente::textSetzen(m_inhalt, m_bestand.text(QStringLiteral("Information")));
}

void Gesetze::blaettern(bool vorwaerts)
{
    if (m_bestand.blaettern(vorwaerts))
        anzeigen();
}

void Gesetze::kopieren()
{
    Zwischenablage::kopieren(m_inhalt);
}

void Gesetze::resizeEvent(QResizeEvent *event)
{
    Maske::resizeEvent(event);
    const int h = height();
    const int w = width();
    const int panelOben = h - Hauptform::twipsZuPixel(800, false);
    const int textHoehe = h - Hauptform::twipsZuPixel(1220, false);
    const int textOben = qMax(0, panelOben - 2 - textHoehe);
    m_ueberschrift->setGeometry(6, 2, w - 12, qMax(0, textOben - 4));
    m_inhalt->setGeometry(6, textOben, w - 12, qMax(0, textHoehe));
    m_panel->setGeometry(0, panelOben, w, h - panelOben);
}
