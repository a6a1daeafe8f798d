#include "shell/Hauptform.h"

#include "shell/Fensterplatz.h"
#include "shell/Registry.h"
#include "shell/SideBar.h"
#include "shell/ZweispaltenCombo.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QVBoxLayout>

// Navigation: the side bar, the navigation entries, the three styles, the
// help and the menu of the last applications.

namespace {
const QString kSchluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
// The applications last loaded, newest first, separated by ";".
const QString kZuletzt = QStringLiteral("ZuletztGeoeffnet");
constexpr int kZuletztAnzahl = 5;
} // namespace

SideBar *Hauptform::sideBar()
{
    // Built on first use: the classic style, the default, does not show it.
    if (m_sideBar)
        return m_sideBar;
    m_sideBar = new SideBar(m_panel);
    m_sideBar->hide();
    using E = QList<QPair<QString, QString>>;
    m_sideBar->gruppeHinzufuegen(QStringLiteral("Velmora"),
                                 E{{QStringLiteral("Velmora Programminfo"), QStringLiteral("Velmora")},
                                   {QStringLiteral("Zusammenstellung der Aufwendungen"), QStringLiteral("Aufwendungen")},
                                   {QStringLiteral("Drucken des Antrags"), QStringLiteral("Drucken")},
                                   {QStringLiteral("Programm Beenden"), QStringLiteral("Programmende")}});
    m_sideBar->gruppeHinzufuegen(QStringLiteral("Hauptdaten"),
                                 E{{QStringLiteral("Persönliche  Daten"), QStringLiteral("PDaten")},
                                   {QStringLiteral("Daten der Kinder"), QStringLiteral("Kinder")},
                                   {QStringLiteral("Versicherungen"), QStringLiteral("DatenVersicherung")},
                                   {QStringLiteral("Anschriften"), QStringLiteral("Anschriften")},
                                   {QStringLiteral("Rückseite des Antrags"), QStringLiteral("Rückseite")},
                                   {QStringLiteral("Daten speichern"), QStringLiteral("DatenSpeichern")}});
    m_sideBar->gruppeHinzufuegen(QStringLiteral("Versicherungen"),
                                 E{{QStringLiteral("Versicherungen"), QStringLiteral("DatenVersicherung")},
                                   {QStringLiteral("Pflegeversicherung"), QStringLiteral("Pflegeversicherung")},
                                   {QStringLiteral("Angaben zur Dauernden Pflege"), QStringLiteral("DauerndePflege")},
                                   {QStringLiteral("Private Kranken- versicherung"), QStringLiteral("PrivateKV")},
                                   {QStringLiteral("Daten speichern"), QStringLiteral("DatenSpeichern")}});
    m_sideBar->gruppeHinzufuegen(QStringLiteral("Pflege"),
                                 E{{QStringLiteral("Pflegeversicherung"), QStringLiteral("Pflegeversicherung")},
                                   {QStringLiteral("Angaben zur Dauernden Pflege"), QStringLiteral("DauerndePflege")},
                                   {QStringLiteral("Daten speichern"), QStringLiteral("DatenSpeichern")}});
    m_sideBar->gruppeHinzufuegen(
        QStringLiteral("Beihilfeninfos"),
        E{{QStringLiteral("Gebührenordnung für Ärzte"), QStringLiteral("GOÄ")},
          {QStringLiteral("Gebührenordnung für Zahnärzte"), QStringLiteral("GOZ")},
          {QStringLiteral("Gebührenver- zeichnis für Heilpraktiker"), QStringLiteral("Heilpraktiker")},
          {QStringLiteral("Verwaltungs- verordnung (VV)"), QStringLiteral("Verwaltungsverordnung")},
          {QStringLiteral("Beihilfenverordnung NRW ( BVO-NRW)"), QStringLiteral("Beihilfenverordnung")},
          {QStringLiteral("Hinweise zum ärztlichen Gebührenrecht"), QStringLiteral("Hinweise1")},
          {QStringLiteral("Hinweise zum zahnärztlichen Gebührenrecht"), QStringLiteral("Hinweise2")},
          {QStringLiteral("Richtlinien für die Gewährung von Vorschüssen"), QStringLiteral("Vorschüsse")},
          {QStringLiteral("Leistungsver- zeichnis der Heilbehandlungen"), QStringLiteral("Heilbehandlungen")},
          {QStringLiteral("Verzeichnis der Kurorte"), QStringLiteral("Kurorte")}});
    m_sideBar->gruppeHinzufuegen(QStringLiteral("sonstiges"),
                                 E{{QStringLiteral("Antrag auf Gewährung eines Vorschusses"), QStringLiteral("AntragVorschuss")},
                                   {QStringLiteral("Antrag auf Abschlagszahlung"), QStringLiteral("AntragAbschlagzahlung")},
                                   {QStringLiteral("Persönliche Adressen"), QStringLiteral("PersönlicheAdressen")}});
    // Right below the form-kind selector.
    m_panelLayout->insertWidget(m_panelLayout->indexOf(m_antrag) + 1, m_sideBar, 1);
    connect(m_sideBar, &SideBar::eintragGewaehlt, this, [this](const QString &name) {
        m_zusatzpanel->hide();
        aktionAusfuehren(name);
    });

    return m_sideBar;
}

void Hauptform::aktionAusfuehren(const QString &name)
{
    static const QHash<QString, void (Hauptform::*)()> eigene = {
        {QStringLiteral("PDaten"), &Hauptform::Daten_Knopf_Click},
        {QStringLiteral("Kinder"), &Hauptform::Kinder_Knopf_Click},
        {QStringLiteral("DatenVersicherung"), &Hauptform::Versicherungen_Knopf_Click},
        {QStringLiteral("Anschriften"), &Hauptform::Anschriften_Knopf_Click},
        {QStringLiteral("Rückseite"), &Hauptform::Rueckseite_Knopf_Click},
        {QStringLiteral("Aufwendungen"), &Hauptform::Aufwendungen_Knopf_Click},
        {QStringLiteral("Drucken"), &Hauptform::Drucken_Knopf_Click},
        {QStringLiteral("PrivateKV"), &Hauptform::PrivateKV_Knopf_Click},
        {QStringLiteral("Pflegeversicherung"), &Hauptform::Pflegeversicherungsknopf_Click},
        {QStringLiteral("DauerndePflege"), &Hauptform::Pflege_Knopf_Click},
        {QStringLiteral("PersönlicheAdressen"), &Hauptform::Adressbuch_Knopf_Click},
        {QStringLiteral("Velmora"), &Hauptform::Info_Knopf_Click},
    };
    if (name == QLatin1String("DatenSpeichern")) {
        SpeichernKnopf_Click();
        return;
    }
    if (name == QLatin1String("Programmende")) {
        Ende_Knopf_Click();
        return;
    }
    if (const auto it = eigene.constFind(name); it != eigene.constEnd()) {
        (this->**it)();
        return;
    }
    if (const auto it = m_aktionen.constFind(name); it != m_aktionen.constEnd())
        (*it)();
}

void Hauptform::MenueStil_Click(int stil)
{
    for (int n = 1; n <= 3; ++n)
        if (m_stilAktionen[n])
            m_stilAktionen[n]->setChecked(n == stil);
    m_stil = stil;
    stilAnwenden();
}

void Hauptform::stilAnwenden()
{
    switch (m_stil) {
    case 1:
        m_panel->show();
        sideBar()->show();
        m_knopfpanel->hide();
        m_endePanel->hide();
        break;
    case 3:
        m_panel->hide();
        if (m_sideBar)
            m_sideBar->hide();
        m_knopfpanel->show();
        m_endePanel->show();
        break;
    default:
        m_panel->show();
        if (m_sideBar)
            m_sideBar->hide();
        m_knopfpanel->show();
        m_endePanel->show();
        break;
    }
}

// --- help and the last applications ---

void Hauptform::hilfeZeigen(const QString &abschnitt)
{
    if (m_hilfeAnzeigen)
        m_hilfeAnzeigen(this, abschnitt);
}

QStringList Hauptform::zuletztGeoeffnet() const
{
    const QString text = Registry::Wert_lesen(Registry::HKEY_LOCAL_MACHINE, kSchluessel, kZuletzt);
    return text.split(u';', Qt::SkipEmptyParts).mid(0, kZuletztAnzahl);
}

void Hauptform::antragGeoeffnet(const QString &kennung)
{
    if (kennung.isEmpty())
        return;
    const QByteArray text = Fensterplatz::zuletzt(zuletztGeoeffnet(), kennung, kZuletztAnzahl).join(u';').toUtf8();
    const int h = Registry::HKEY_LOCAL_MACHINE;
    Registry::Schluessel_anlegen(h, kSchluessel);
    Registry::Wert_setzen(h, kSchluessel, kZuletzt, Registry::Text, text, int(text.size()));
}

void Hauptform::zuletztMenueFuellen()
{
    m_antragMenue->clear();
    const QStringList liste = zuletztGeoeffnet();
    int index = 0;
    for (const QString &kennung : liste) {
        QAction *a = m_antragMenue->addAction(QStringLiteral("&%1  Antrag %2").arg(index + 1).arg(kennung));
        a->setObjectName(QStringLiteral("MenüZuletzt"));
        a->setProperty("index", index++);
        connect(a, &QAction::triggered, this, [this, kennung] {
            m_zusatzpanel->hide();
            if (m_antragLaden)
                m_antragLaden(kennung);
        });
    }
    if (liste.isEmpty())
        m_antragMenue->addAction(QStringLiteral("(noch kein Antrag geladen)"))->setEnabled(false);
}
