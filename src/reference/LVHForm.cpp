#include "reference/LVHForm.h"

#include "reference/Bedienelemente.h"
#include "reference/DBHinweis.h"
#include "reference/Heilbehandlungsbereiche.h"
#include "reference/Infotextform.h"
#include "reference/Sanduhr.h"
#include "shell/Datenbank.h"
#include "shell/Hauptform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

LVHForm::LVHForm(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("LVHForm"), QStringLiteral("Leistungsverzeichnis für Heilbehandlungen"))
{
    m_bereich = new QComboBox(this);
    m_bereich->setObjectName(QStringLiteral("Bereich"));
    m_bereich->addItems(Heilbehandlungsbereiche::alle());
    m_suchNummer = new QLineEdit(this);
    m_suchNummer->setObjectName(QStringLiteral("SuchNummer"));
    m_suchNummer->setToolTip(QStringLiteral("Nummer eingeben, mit ENTER springt die Anzeige zu dieser Nummer"));
    m_suchNummer->installEventFilter(this);
    m_betrag = new QLineEdit(this);
    m_betrag->setObjectName(QStringLiteral("Betrag"));
    m_betrag->setReadOnly(true);
    m_betrag->setAlignment(Qt::AlignRight);
    m_betrag->setToolTip(QStringLiteral("Betrag in der angezeigten  Gebührenziffer"));
    auto *waehrung = new QGroupBox(this);
    auto *wl = new QHBoxLayout(waehrung);
    wl->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(i == 0 ? QStringLiteral("DM") : QStringLiteral("Euro"), waehrung);
        r->setObjectName(QStringLiteral("Währung"));
        r->setProperty("index", i);
        wl->addWidget(r);
        m_waehrung.append(r);
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                betragZeigen();
        });
    }
    m_waehrung.at(1)->setChecked(true);
    m_volltext = new QLineEdit(this);
    m_volltext->setObjectName(QStringLiteral("Volltext"));
    m_volltext->setToolTip(QStringLiteral("Texteingabe z.B. \"Massage\"; die Knöpfe daneben suchen rückwärts "
                                          "und vorwärts"));
    m_information = Bedienelemente::textfeld(this, QStringLiteral("Information"));

    auto *dsnZurueck = Bedienelemente::knopf(this, QStringLiteral("DSN"), 0, QStringLiteral("<"),
                                             QStringLiteral("Um eine Nummer rückwärts blättern"));
    auto *dsnVor = Bedienelemente::knopf(this, QStringLiteral("DSN"), 1, QStringLiteral(">"),
                                         QStringLiteral("Um eine Nummer vorwärts blättern"));
    auto *vtsZurueck = Bedienelemente::knopf(this, QStringLiteral("VTS_Knopf"), 0, QStringLiteral("<"),
                                             QStringLiteral("Volltextsuche rückwärts"));
    auto *vtsVor = Bedienelemente::knopf(this, QStringLiteral("VTS_Knopf"), 1, QStringLiteral(">"),
                                         QStringLiteral("Volltextsuche vorwärts"));
    for (QPushButton *k : {dsnZurueck, dsnVor, vtsZurueck, vtsVor})
        k->setFixedWidth(36);

    auto *oben = new QGridLayout;
    auto *bereichLabel = new QLabel(QStringLiteral("&Bereich"), this);
    bereichLabel->setBuddy(m_bereich);
    auto *nummerLabel = new QLabel(QStringLiteral("&Nummer"), this);
    nummerLabel->setBuddy(m_suchNummer);
    auto *betragLabel = new QLabel(QStringLiteral("Höchstbetrag"), this);
    auto *volltextLabel = new QLabel(QStringLiteral("&Volltextsuche"), this);
    volltextLabel->setBuddy(m_volltext);
    oben->addWidget(bereichLabel, 0, 0);
    oben->addWidget(m_bereich, 0, 1, 1, 5);
    oben->addWidget(nummerLabel, 1, 0);
    oben->addWidget(m_suchNummer, 1, 1);
    oben->addWidget(dsnZurueck, 1, 2);
    oben->addWidget(dsnVor, 1, 3);
    oben->addWidget(betragLabel, 1, 4, Qt::AlignRight);
    auto *betragZeile = new QHBoxLayout;
    betragZeile->addWidget(m_betrag, 1);
    betragZeile->addWidget(waehrung);
    oben->addLayout(betragZeile, 1, 5);
    oben->addWidget(volltextLabel, 2, 0);
    auto *sucheZeile = new QHBoxLayout;
    sucheZeile->addWidget(m_volltext, 1);
    sucheZeile->addWidget(vtsZurueck);
    sucheZeile->addWidget(vtsVor);
    oben->addLayout(sucheZeile, 2, 1, 1, 5);
    oben->setColumnStretch(1, 1);
    oben->setColumnStretch(5, 1);

    auto *hinweis = new QLabel(QStringLiteral("Höchstbeträge der Beihilfe des Bundes (BBhV, Anlage 9); die Liste "
                                              "des Landes NRW lag nicht vor, ihre Beträge können abweichen."),
                               this);
    hinweis->setObjectName(QStringLiteral("Quellenhinweis"));
    hinweis->setWordWrap(true);

    auto *knoepfe = new QHBoxLayout;
    const QStringList hinweise = {QStringLiteral("Einführung"), QStringLiteral("Erweiterte ambulate Physiotherapie"),
                                  QStringLiteral("Hinweis")};
    for (int i = 1; i <= 3; ++i) {
        auto *k = Bedienelemente::knopf(this, QStringLiteral("Hinweis_Knopf"), i, hinweise.at(i - 1),
                                        QStringLiteral("direkte Verzweigung"));
        knoepfe->addWidget(k);
        connect(k, &QPushButton::clicked, this, [this, i] { hinweisZeigen(i); });
    }
    knoepfe->addStretch(1);

    auto *l = new QVBoxLayout(this);
    l->addLayout(oben);
    l->addWidget(m_information, 1);
    l->addWidget(hinweis);
    l->addLayout(knoepfe);

    connect(dsnZurueck, &QPushButton::clicked, this, [this] { blaettern(false); });
    connect(dsnVor, &QPushButton::clicked, this, [this] { blaettern(true); });
    connect(vtsZurueck, &QPushButton::clicked, this, [this] { volltextSuchen(false); });
    connect(vtsVor, &QPushButton::clicked, this, [this] { volltextSuchen(true); });
    connect(m_volltext, &QLineEdit::returnPressed, this, [this] { volltextSuchen(true); });

    DBHinweis::zeigen();
    Datenbank db;
    db.oeffnen(hauptform.programmverzeichnis() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen);
    if (!m_bestand.laden(db, QStringLiteral("select * from Heilbehandlungen order by Nummer2"), {},
                         {QStringLiteral("Information")}))
        m_bestand.leeren();
    DBHinweis::verbergen();
    anzeigen();
}

void LVHForm::anzeigen()
{
    m_suchNummer->setText(m_bestand.text(QStringLiteral("Nummer")));
    m_bereich->setCurrentIndex(Heilbehandlungsbereiche::position(m_bestand.wert(QStringLiteral("Bereich"))));
    Bedienelemente::textSetzen(m_information, m_bestand.text(QStringLiteral("Information")));
    betragZeigen();
}

void LVHForm::betragZeigen()
{
    const bool dm = m_waehrung.at(0)->isChecked();
    m_betrag->setText(Heilbehandlungsbereiche::betrag(
        m_bestand.wert(dm ? QStringLiteral("BetragDM") : QStringLiteral("BetragEuro"))));
}

void LVHForm::blaettern(bool vorwaerts)
{
    if (m_bestand.blaettern(vorwaerts))
        anzeigen();
}

void LVHForm::nummerSuchen()
{
    if (m_bestand.springeZu(QStringLiteral("Nummer"), m_suchNummer->text()))
        anzeigen();
    m_suchNummer->setSelection(0, 8);
}

void LVHForm::volltextSuchen(bool vorwaerts)
{
    Sanduhr sanduhr;
    if (m_bestand.suchen(m_volltext->text(), vorwaerts))
        anzeigen();
}

void LVHForm::hinweisZeigen(int nummer)
{
    Infotextform::zeigen(m_hauptform, QStringLiteral("LV") + QString::number(nummer),
                         QStringLiteral("Leistungsverzeichnis der Heilbehandlungen"));
}

bool LVHForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_suchNummer && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            nummerSuchen();
            return true;
        }
    }
    return Maske::eventFilter(objekt, ereignis);
}
