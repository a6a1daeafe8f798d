#include "reference/BVOForm.h"

#include "reference/Bedienelemente.h"
#include "reference/Sanduhr.h"
#include "reference/Textgruppe.h"
#include "reference/Zwischenablage.h"
#include "shell/Datenbank.h"
#include "shell/Hauptform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

BVOForm::BVOForm(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("BVOForm"), QStringLiteral("BVO NRW"))
{
    m_ueberschrift = new QLabel(this);
    m_ueberschrift->setObjectName(QStringLiteral("Überschrift"));
    m_ueberschrift->setWordWrap(true);
    QFont f = m_ueberschrift->font();
    f.setBold(true);
    m_ueberschrift->setFont(f);
    m_inhalt = Bedienelemente::textfeld(this, QStringLiteral("Inhalt"));

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel"));
    auto *l = new QHBoxLayout(m_panel);
    l->setContentsMargins(8, 6, 8, 6);
    auto *zurueck = Bedienelemente::knopf(m_panel, QStringLiteral("Blättern_Knopf"), 0, QStringLiteral("<"),
                                          QStringLiteral("Rückwärts blättern"));
    auto *vor = Bedienelemente::knopf(m_panel, QStringLiteral("Blättern_Knopf"), 1, QStringLiteral(">"),
                                      QStringLiteral("Vorwärts blättern"));
    auto *label = new QLabel(QStringLiteral("Volltextsuche :"), m_panel);
    m_begriff = new QLineEdit(m_panel);
    m_begriff->setObjectName(QStringLiteral("Begriff"));
    label->setBuddy(m_begriff);
    auto *vsZurueck = Bedienelemente::knopf(m_panel, QStringLiteral("VS_Knopf"), 0, QStringLiteral("<"),
                                            QStringLiteral("Volltextsuche rückwärts"));
    auto *vsVor = Bedienelemente::knopf(m_panel, QStringLiteral("VS_Knopf"), 1, QStringLiteral(">"),
                                        QStringLiteral("Volltextsuche vorwärts"));
    auto *kopieren = Bedienelemente::knopf(m_panel, QStringLiteral("Kopieren_Knopf"), -1, QStringLiteral("Kopieren"),
                                           QStringLiteral("markierten Text (ohne Markierung den ganzen Text) "
                                                          "in die Zwischenablage kopieren"));
    for (QPushButton *k : {zurueck, vor, vsZurueck, vsVor})
        k->setFixedWidth(36);
    l->addWidget(zurueck);
    l->addWidget(vor);
    l->addSpacing(16);
    l->addWidget(label);
    l->addWidget(m_begriff, 1);
    l->addWidget(vsZurueck);
    l->addWidget(vsVor);
    l->addSpacing(16);
    l->addWidget(kopieren);

    connect(zurueck, &QPushButton::clicked, this, [this] { blaettern(false); });
    connect(vor, &QPushButton::clicked, this, [this] { blaettern(true); });
    connect(vsZurueck, &QPushButton::clicked, this, [this] { volltextSuchen(false); });
    connect(vsVor, &QPushButton::clicked, this, [this] { volltextSuchen(true); });
    connect(kopieren, &QPushButton::clicked, this, &BVOForm::kopieren);
    connect(m_begriff, &QLineEdit::returnPressed, this, [this] { volltextSuchen(true); });
    resize(sizeHint());
}

BVOForm *BVOForm::zeigen(Hauptform &hauptform, const QString &code)
{
    const auto gruppe = Textgruppe::zuCode(code);
    auto *w = qobject_cast<BVOForm *>(hauptform.oeffnen(QStringLiteral("BVOForm")));
    if (!w || !gruppe)
        return w;
    w->setWindowTitle(gruppe->titel);
    w->setCode(code);
    w->setFocus();
    return w;
}

void BVOForm::setCode(const QString &code)
{
    if (code == m_code)
        return;
    m_code = code;
    laden();
}

void BVOForm::laden()
{
    Datenbank db;
    db.oeffnen(m_hauptform.programmverzeichnis() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen);
    if (!Textgruppe::laden(db, m_code, m_bestand))
        m_bestand.leeren();
    anzeigen();
}

void BVOForm::anzeigen()
{
    m_ueberschrift->setText(m_bestand.text(QStringLiteral("Überschrift")));
    Bedienelemente::textSetzen(m_inhalt, m_bestand.text(QStringLiteral("Inhalt")));
}

void BVOForm::blaettern(bool vorwaerts)
{
    if (m_bestand.blaettern(vorwaerts))
        anzeigen();
}

void BVOForm::volltextSuchen(bool vorwaerts)
{
    Sanduhr sanduhr;
    if (m_bestand.suchen(m_begriff->text(), vorwaerts))
        anzeigen();
}

void BVOForm::kopieren()
{
    Zwischenablage::kopieren(m_inhalt);
}

void BVOForm::resizeEvent(QResizeEvent *event)
{
    Maske::resizeEvent(event);
    const int h = height();
    const int w = width();
    const int panelOben = h - Hauptform::twipsZuPixel(850, false);
    const int textHoehe = h - Hauptform::twipsZuPixel(1500, false);
    const int textOben = qMax(0, panelOben - 4 - textHoehe);
    m_ueberschrift->setGeometry(8, 2, w - 16, qMax(0, textOben - 4));
    m_inhalt->setGeometry(6, textOben, w - 12, qMax(0, textHoehe));
    m_panel->setGeometry(0, panelOben, w, h - panelOben);
}
