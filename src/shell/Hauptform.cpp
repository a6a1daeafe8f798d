#include "shell/Hauptform.h"

#include "fields/FeldControls.h"
#include "fields/Felddatei.h"
#include "print/Formularkatalog.h"
#include "shell/Dialoge.h"
#include "shell/Infoform.h"
#include "shell/Maske.h"
#include "shell/MaskenAnmeldung.h"
#include "shell/Registry.h"
#include "shell/SideBar.h"
#include "shell/Verzeichnisse.h"
#include "shell/ZweispaltenCombo.h"
#include "multiuser/MultiuserForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString kSchluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");

int zahl(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

// Loaded-screen marker -> screen, in the order the collection walks them.
struct Sammelschritt
{
    int marker;
    const char *maske;
    FeldControls::Faerbung faerbung;
};
const Sammelschritt kSammelfolge[] = {
    {0, "Hauptdaten", FeldControls::Faerbung::Voll},
    {1, "Kinderform", FeldControls::Faerbung::Voll},
    {2, "Versicherungsform", FeldControls::Faerbung::Voll},
    {3, "Anschriftenform", FeldControls::Faerbung::Voll},
    {4, "Rückseiteform", FeldControls::Faerbung::NurNeue},
    {5, "Pflegeversicherungsform", FeldControls::Faerbung::Voll},
    {6, "DauerndePflegeForm", FeldControls::Faerbung::Voll},
    {9, "privateKV", FeldControls::Faerbung::Keine},
};

// Screens whose activation enables the main window's save button.
const char *const kSpeicherMasken[] = {"Hauptdaten",      "Kinderform",      "Versicherungsform",
                                       "Anschriftenform", "Rückseiteform",   "Pflegeversicherungsform",
                                       "DauerndePflegeForm", "privateKV"};
} // namespace

Hauptform::Hauptform(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Hauptform"));
    setWindowTitle(QStringLiteral(" Velmora 2000"));
    m_farbe1 = QApplication::palette().color(QPalette::ButtonText);
    m_farbe2 = QColor(128, 0, 0);
    aufbauen();
    menueAufbauen();
    resize(1100, 760);
    maskeAnmelden(QStringLiteral("Infoform"), [](Hauptform &h) { return new Infoform(h); });
    velmoraMaskenAnmelden(*this);
}

Hauptform::~Hauptform()
{
    // The MDI area activates its remaining windows while it is torn down;
    // that must not reach this half-destroyed window.
    disconnect(m_mdi, nullptr, this, nullptr);
    disconnect(m_antrag, nullptr, this, nullptr);
}

int Hauptform::pixelZuTwips(int px, bool horizontal)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal dpi = s ? (horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return qRound(px * 1440.0 / dpi);
}

int Hauptform::twipsZuPixel(int twips, bool horizontal)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal dpi = s ? (horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return qRound(twips * dpi / 1440.0);
}

void Hauptform::aufbauen()
{
    auto *zentral = new QWidget(this);
    auto *spalte = new QVBoxLayout(zentral);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto *reihe = new QHBoxLayout;
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(0);
    spalte->addLayout(reihe, 1);

    m_panel = new QFrame(zentral);
    m_panel->setObjectName(QStringLiteral("Panel"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->setSpacing(4);

    m_antrag = new ZweispaltenCombo(QStringLiteral("Antrag"), QStringLiteral("Beschreibung"), m_panel);
    m_antrag->setObjectName(QStringLiteral("Antrag"));
    m_antrag->setToolTip(QStringLiteral("Bitte hier Antrag auswählen !"));
    panelLayout->addWidget(m_antrag);
    connect(m_antrag, &QComboBox::currentTextChanged, this, &Hauptform::antragGeaendert);

    m_panelLayout = panelLayout;

    m_knopfpanel = new QFrame(m_panel);
    m_knopfpanel->setObjectName(QStringLiteral("Knopfpanel"));
    auto *knopfLayout = new QVBoxLayout(m_knopfpanel);
    knopfLayout->setContentsMargins(0, 0, 0, 0);
    knopfLayout->setSpacing(3);
    struct Knopf
    {
        const char *name;
        const char *text;
        const char *tipp;
        void (Hauptform::*aktion)();
    };
    const Knopf knoepfe[] = {
        {"Daten_Knopf", "Persönliche Daten", "Maske:  Erfassung Ihrer persönlichen Daten", &Hauptform::Daten_Knopf_Click},
        {"Kinder_Knopf", "Daten der Kinder", "Maske:  Erfassung der Daten Ihrer Kinder", &Hauptform::Kinder_Knopf_Click},
        {"Versicherungen_Knopf", "Versicherungen", "Maske:  Erfassung der Daten zur Versicherung",
         &Hauptform::Versicherungen_Knopf_Click},
        {"Anschriften_Knopf", "Anschriften", "Maske:  Erfassung der Anschriftendaten ", &Hauptform::Anschriften_Knopf_Click},
        {"Rückseite_Knopf", "Antragsrückseite", "Maske:  Antworten zur Antragsrückseite", &Hauptform::Rueckseite_Knopf_Click},
        {"Aufwendungen_Knopf", "Aufwendungen", "Maske:  Erfassung der Daten zu den Aufwendungen",
         &Hauptform::Aufwendungen_Knopf_Click},
        {"SpeichernKnopf", "Daten speichern", "", nullptr},
        {"Drucken_Knopf", "Antrag drucken", "Maske: Anträge drucken", &Hauptform::Drucken_Knopf_Click},
        {"Beihilfeninfo_Knopf", "Beihilfeninfos", "Maske: Beihilfe-Informationen (z.B. Gesetze, Verordnungen, u.s.w.)",
         &Hauptform::Beihilfeninfo_Knopf_Click},
        {"Anträge_Knopf", "Weitere Anträge", "Maske: weitere Anträge (z.B. Abschlagzahlung, u.s.w.)",
         &Hauptform::Antraege_Knopf_Click},
        {"PrivateKV_Knopf", "private Krankenv.", "Maske: Daten der privaten Krankenversicherung",
         &Hauptform::PrivateKV_Knopf_Click},
        {"Pflegeversicherungsknopf", "Pflegeversicherung", "Maske: Daten der Pflegeversicherung",
         &Hauptform::Pflegeversicherungsknopf_Click},
        {"Pflege_Knopf", "dauernde Pflege", "Maske:  Daten der dauernden Pflege", &Hauptform::Pflege_Knopf_Click},
        {"Adressbuch_Knopf", "Adressbuch", "Maske: Persönliches Adressbuch", &Hauptform::Adressbuch_Knopf_Click},
        {"Info_Knopf", "Velmora 2000", "Herstellerinformation", &Hauptform::Info_Knopf_Click},
    };
    for (const Knopf &k : knoepfe) {
        auto *b = new QPushButton(QString::fromUtf8(k.text), m_knopfpanel);
        b->setObjectName(QString::fromUtf8(k.name));
        if (*k.tipp)
            b->setToolTip(QString::fromUtf8(k.tipp));
        knopfLayout->addWidget(b);
        if (k.aktion) {
            const auto aktion = k.aktion;
            connect(b, &QPushButton::clicked, this, [this, aktion] {
                m_zusatzpanel->hide();
                (this->*aktion)();
            });
        } else {
            m_speichernKnopf = b;
            connect(b, &QPushButton::clicked, this, [this] { SpeichernKnopf_Click(); });
        }
    }
    knopfLayout->addStretch(1);
    panelLayout->addWidget(m_knopfpanel, 1);

    m_endePanel = new QFrame(m_panel);
    m_endePanel->setObjectName(QStringLiteral("EndePanel"));
    auto *endeLayout = new QVBoxLayout(m_endePanel);
    endeLayout->setContentsMargins(0, 0, 0, 0);
    auto *ende = new QPushButton(QStringLiteral("Programmende"), m_endePanel);
    ende->setObjectName(QStringLiteral("Ende_Knopf"));
    ende->setToolTip(QStringLiteral("mit diesem Knopf beenden Sie das Programm"));
    connect(ende, &QPushButton::clicked, this, [this] { Ende_Knopf_Click(); });
    endeLayout->addWidget(ende);
    panelLayout->addWidget(m_endePanel);

    m_geteilt = new QWidget(m_panel);
    m_geteilt->setObjectName(QStringLiteral("GeteilteFelder"));
    m_geteilt->hide();

    m_mdi = new QMdiArea(zentral);
    m_mdi->setObjectName(QStringLiteral("MDIArea"));
    m_mdi->setBackground(QColor(128, 128, 128));
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Hauptform::unterfensterAktiviert);

    reihe->addWidget(m_panel);
    reihe->addWidget(m_mdi, 1);

    m_zusatzpanel = new QFrame(zentral);
    m_zusatzpanel->setObjectName(QStringLiteral("Zusatzpanel"));
    m_zusatzpanel->setFrameShape(QFrame::StyledPanel);
    auto *zusatzLayout = new QHBoxLayout(m_zusatzpanel);
    zusatzLayout->setContentsMargins(6, 4, 6, 4);
    const std::pair<const char *, const char *> zusatzKnoepfe[] = {
        {"FNeu_Knopf", "Neu"}, {"FDrucken_Knopf", "Drucken"}, {"FLaden_Knopf", "Laden"}, {"FSpeichern_Knopf", "Speichern"}};
    for (const auto &[name, text] : zusatzKnoepfe) {
        auto *b = new QPushButton(QString::fromUtf8(text), m_zusatzpanel);
        b->setObjectName(QString::fromUtf8(name));
        zusatzLayout->addWidget(b);
    }
    m_progress = new QProgressBar(m_zusatzpanel);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    zusatzLayout->addWidget(m_progress, 1);
    m_fnr = new QLabel(m_zusatzpanel);
    m_fnr->setObjectName(QStringLiteral("FNr"));
    m_fnr->hide();
    zusatzLayout->addStretch(1);
    m_geteiltZusatz = new QWidget(m_zusatzpanel);
    m_geteiltZusatz->setObjectName(QStringLiteral("GeteilteFelderZusatz"));
    m_geteiltZusatz->hide();
    spalte->addWidget(m_zusatzpanel);
    m_zusatzpanel->hide();

    geteilteFelderAufbauen(m_geteilt, m_geteiltZusatz);
    setCentralWidget(zentral);
    // 1600 twips, but wide enough for the navigation bar's longest words
    // ("Zusammenstellung") and the group captions.
    m_panel->setFixedWidth(std::max({twipsZuPixel(1600, true), m_panel->sizeHint().width(),
                                 m_panel->fontMetrics().horizontalAdvance(QStringLiteral("Zusammenstellung der")) + 40}));
}

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
                                   {QStringLiteral("Antrag auf Abschlagzahlung"), QStringLiteral("AntragAbschlagzahlung")},
                                   {QStringLiteral("Persönliche Adressen"), QStringLiteral("PersönlicheAdressen")}});
    // Right below the form-kind selector.
    m_panelLayout->insertWidget(1, m_sideBar, 1);
    connect(m_sideBar, &SideBar::eintragGewaehlt, this, [this](const QString &name) {
        m_zusatzpanel->hide();
        aktionAusfuehren(name);
    });

    return m_sideBar;
}

void Hauptform::geteilteFelderAufbauen(QWidget *panel, QWidget *zusatz)
{
    auto text = [](QWidget *eltern, const QString &name, const QString &tag, int index = -1) {
        auto *e = new QLineEdit(eltern);
        e->setObjectName(name);
        if (!tag.isEmpty())
            FeldControls::setTag(e, tag);
        if (index >= 0)
            FeldControls::setIndex(e, index);
        return e;
    };
    auto box = [](QWidget *eltern, const QString &name, const QString &tag) {
        auto *c = new QCheckBox(eltern);
        c->setObjectName(name);
        FeldControls::setTag(c, tag);
        return c;
    };
    box(panel, QStringLiteral("Tarvik"), QStringLiteral("2Tarvik"));
    text(panel, QStringLiteral("Personalnummer"), QStringLiteral("1Personalnummer2"));
    QCheckBox *istBeamter = box(panel, QStringLiteral("istBeamter"), QStringLiteral("2istBeamter"));
    QCheckBox *keinBeamter = box(panel, QStringLiteral("keinBeamter"), QStringLiteral("2istkeinBeamter"));
    QCheckBox *keinAbschlag = box(panel, QStringLiteral("keinAbschlag"), QStringLiteral("2keinAbschlag"));
    text(panel, QStringLiteral("EndsummeWährung"), QStringLiteral("1EndsummeWährung"));
    box(panel, QStringLiteral("Euroformular"), QStringLiteral("2Euroformularbenutzen"));
    QLineEdit *druckername = text(panel, QStringLiteral("Druckername"), QStringLiteral("1Druckername"));
    text(panel, QStringLiteral("SummeVersicherungsbetragEuro"), QStringLiteral("1EndsummeVersicherungsbetragEuro"));
    text(panel, QStringLiteral("SummeVersicherungsbetragDM"), QStringLiteral("1EndsummeVersicherungsbetragDM"));
    text(panel, QStringLiteral("SummeRechnungsbetragEuro"), QStringLiteral("1EndsummeRechnungsbetragEuro"));
    text(panel, QStringLiteral("SummeRechnungsbetragDM"), QStringLiteral("1EndsummeRechnungsbetragDM"));
    text(panel, QStringLiteral("SummeVersicherungsbetrag"), QStringLiteral("1EndsummeVersicherungsbetrag"));
    text(panel, QStringLiteral("SummeRechnungsbetrag"), QStringLiteral("1EndsummeRechnungsbetrag"));
    text(panel, QStringLiteral("Offset"), QStringLiteral("1Druckoffset"));
    box(panel, QStringLiteral("Datenänderung"), QStringLiteral("2Datenänderung"));
    box(panel, QStringLiteral("Datenänderung2"), QStringLiteral("2Datenänderung2"));
    text(panel, QStringLiteral("Versicherungspersonensumme"), QStringLiteral("1Versicherungspersonensumme"));
    box(panel, QStringLiteral("Erstantrag"), QStringLiteral("2Erstantragstellung"));
    for (const char *n : {"LBVEndsummeAR", "LBVEndsummeAV", "LBVEndsummeER", "LBVEndsummeEV", "LBVEndsummeKR",
                          "LBVEndsummeKV", "LBVSummeAR", "LBVSummeAV", "LBVSummeER", "LBVSummeEV", "LBVSummeKR",
                          "LBVSummeKV"}) {
        const QString name = QString::fromLatin1(n);
        text(panel, name, u'1' + name);
    }
    text(panel, QStringLiteral("Gültigkeit"), QStringLiteral("1Gültigkeit"));
    const char *kk[] = {"1KrankenkassenanteilA", "1KrankenkassenanteilE", "1KrankenkassenanteilK"};
    for (int i = 0; i < 3; ++i)
        text(panel, QStringLiteral("Krankenkasse"), QString::fromLatin1(kk[i]), i);
    text(panel, QStringLiteral("Datum"), QStringLiteral("1AntragstellerDatum"));
    QLineEdit *bescheidHoehe = text(panel, QStringLiteral("BescheidHöhe"), QStringLiteral("1BescheidHöhe"));
    text(panel, QStringLiteral("Bescheidvom"), QStringLiteral("1Bescheidvom"));

    text(zusatz, QStringLiteral("Titel"), QStringLiteral("1TitelAkademisch"));
    const char *bs[] = {"1BemessungssatzA", "1BemessungssatzE", "1BemessungssatzK"};
    for (int i = 0; i < 3; ++i)
        text(zusatz, QStringLiteral("Bemessungssatz"), QString::fromLatin1(bs[i]), i);
    text(zusatz, QStringLiteral("Bereich"), {});
    text(zusatz, QStringLiteral("Bereich2"), {});

    connect(bescheidHoehe, &QLineEdit::textChanged, this,
            [keinAbschlag](const QString &t) { keinAbschlag->setChecked(t.isEmpty()); });
    keinAbschlag->setChecked(true);
    connect(keinBeamter, &QCheckBox::toggled, this, [istBeamter](bool an) { istBeamter->setChecked(!an); });
    connect(druckername, &QLineEdit::textChanged, this, &Hauptform::druckernameGeaendert);
}

void Hauptform::menueAufbauen()
{
    QMenu *programm = menuBar()->addMenu(QStringLiteral("&Programm"));
    programm->setObjectName(QStringLiteral("MenüProgramm"));
    struct Eintrag
    {
        const char *text;
        QKeySequence taste;
        std::function<void()> aktion;
    };
    const Eintrag eintraege[] = {
        {"&Persönliche Daten", QKeySequence(Qt::Key_F2), [this] { Daten_Knopf_Click(); }},
        {"Daten der &Kinder", QKeySequence(Qt::Key_F3), [this] { Kinder_Knopf_Click(); }},
        {"&Versicherungen", QKeySequence(Qt::Key_F4), [this] { Versicherungen_Knopf_Click(); }},
        {"&Anschriften", QKeySequence(Qt::Key_F5), [this] { Anschriften_Knopf_Click(); }},
        {"Antrags&rückseite", QKeySequence(Qt::Key_F6), [this] { Rueckseite_Knopf_Click(); }},
        {"A&ufwendungen", QKeySequence(Qt::Key_F7), [this] { Aufwendungen_Knopf_Click(); }},
        {"Daten &speichern", QKeySequence(Qt::Key_F8), [this] { SpeichernKnopf_Click(); }},
        {"Antrag &drucken", QKeySequence(Qt::Key_F9), [this] { Drucken_Knopf_Click(); }},
        {"Beihilfen&infos", QKeySequence(Qt::Key_F11), [this] { Beihilfeninfo_Knopf_Click(); }},
        {"&Weitere Anträge", QKeySequence(Qt::Key_F12), [this] { Antraege_Knopf_Click(); }},
    };
    int index = 0;
    for (const Eintrag &e : eintraege) {
        QAction *a = programm->addAction(QString::fromUtf8(e.text));
        a->setObjectName(QStringLiteral("Menü"));
        a->setProperty("index", index);
        a->setShortcut(e.taste);
        a->setShortcutContext(Qt::ApplicationShortcut);
        const bool speichern = index == 6;
        const auto aktion = e.aktion;
        connect(a, &QAction::triggered, this, [this, aktion, speichern] {
            if (!speichern)
                m_zusatzpanel->hide();
            aktion();
        });
        addAction(a);
        ++index;
    }
    QAction *pkv = programm->addAction(QStringLiteral("&private Krankenversicherung"));
    pkv->setObjectName(QStringLiteral("MenüPrivateKV"));
    pkv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    pkv->setShortcutContext(Qt::ApplicationShortcut);
    connect(pkv, &QAction::triggered, this, [this] {
        m_zusatzpanel->hide();
        PrivateKV_Knopf_Click();
    });
    QAction *uebersicht = programm->addAction(QStringLiteral("&Übersicht"));
    uebersicht->setObjectName(QStringLiteral("MenüÜbersicht"));
    uebersicht->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    uebersicht->setShortcutContext(Qt::ApplicationShortcut);
    connect(uebersicht, &QAction::triggered, this, [this] { oeffnen(QStringLiteral("Antragsuebersicht")); });
    addAction(uebersicht);
    programm->addSeparator();
    QMenu *style = programm->addMenu(QStringLiteral("&Erscheinungsbild"));
    style->setObjectName(QStringLiteral("MenüStyle"));
    const char *stile[] = {"wie &Outlook", "&klassisch", "ohne &Steuerleiste"};
    for (int n = 1; n <= 3; ++n) {
        QAction *a = style->addAction(QString::fromUtf8(stile[n - 1]));
        a->setObjectName(QStringLiteral("MenüStil"));
        a->setProperty("index", n);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] { MenueStil_Click(n); });
        m_stilAktionen[n] = a;
    }
    QAction *info = programm->addAction(QStringLiteral("&Hersteller-Info"));
    info->setObjectName(QStringLiteral("MenüInfo"));
    info->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    info->setShortcutContext(Qt::ApplicationShortcut);
    connect(info, &QAction::triggered, this, [this] { MenueInfo_Click(); });
    QAction *ende = programm->addAction(QStringLiteral("&Beenden"));
    ende->setObjectName(QStringLiteral("MenüEnde"));
    ende->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    ende->setShortcutContext(Qt::ApplicationShortcut);
    connect(ende, &QAction::triggered, this, [this] { Ende_Knopf_Click(); });
    for (QAction *a : {pkv, info, ende})
        addAction(a);
}

void Hauptform::starten(const QString &befehlszeile)
{
    // 1. The start screen; the panel's width.
    oeffnen(QStringLiteral("Infoform"));
    // 2.-4. Style and placement from the settings.
    const int h = Registry::HKEY_LOCAL_MACHINE;
    int stil = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Stil")));
    const int x = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("XPos")));
    const int y = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("YPos")));
    const int b = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Breite")));
    const int hoehe = zahl(Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Hoehe")));
    if (stil < 1 || stil > 3)
        stil = 2;
    MenueStil_Click(stil);
    if (x != 0 && y != 0 && b != 0 && hoehe != 0) {
        move(twipsZuPixel(x, true), twipsZuPixel(y, false));
        resize(twipsZuPixel(b, true), twipsZuPixel(hoehe, false));
    }
    // 5. Program directory; without "Pfad" the per-user directory, set up
    // with the shipped databases.
    const QString pfad = Registry::Wert_lesen(h, kSchluessel, QStringLiteral("Pfad"));
    m_programmverzeichnis = Verzeichnisse::programmverzeichnis(pfad);
    QString einrichtfehler;
    if (pfad.isEmpty() && !Verzeichnisse::einrichten(m_programmverzeichnis, &einrichtfehler))
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung"),
                         einrichtfehler
                             + QStringLiteral("\n\nFormulare und Nachschlagewerke können fehlen oder veraltet "
                                              "sein. Bitte prüfen Sie die Schreibrechte des Verzeichnisses."));
    // 6. Command line.
    const Verzeichnisse::Befehlszeile bz = Verzeichnisse::befehlszeileAuswerten(befehlszeile, m_programmverzeichnis);
    m_datenverzeichnis = bz.datenverzeichnis;
    if (bz.multiuser) {
        MultiuserForm dialog(m_programmverzeichnis, this);
        const int r = Dialoge::ausfuehren(&dialog);
        if (r == MultiuserForm::Beenden) {
            m_beendet = true;
            Q_EMIT programmEnde();
            return;
        }
        m_datenverzeichnis = Verzeichnisse::mitTrenner(dialog.verzeichnis());
    }
    // The data directory gets its application database before the ledger
    // needs it; when that fails, storing an application says so.
    Verzeichnisse::antragsdatenbankBereitstellen(m_datenverzeichnis, m_programmverzeichnis);
    // 7. The form kinds.
    m_antrag->blockSignals(true);
    m_antrag->leeren();
    m_antrag->setEditText(QString());
    // Read once: the list now, the chosen entry in step 11.
    const QList<QVariantHash> katalog = Formularkatalog::zeilen(druckdatenbank());
    for (const QString &eintrag : Formularkatalog::formularliste(katalog))
        m_antrag->eintragHinzufuegen(eintrag);
    m_antrag->setCurrentIndex(-1);
    m_antrag->setEditText(QString());
    m_antrag->blockSignals(false);
    // 8. The start screen to the front.
    oeffnen(QStringLiteral("Infoform"));
    // 9. The field file.
    Felddatei::Inhalt inhalt;
    m_felder.leeren();
    if (Felddatei::lesen(m_datenverzeichnis + Felddatei::Dateiname, &inhalt)) {
        m_felder = inhalt.tabelle;
        m_antrag->blockSignals(true);
        setAntragText(inhalt.formularart);
        m_antrag->blockSignals(false);
    }
    // 10. The main window's own shared controls.
    FeldControls::anzeigen(eigeneFelder(), m_felder);
    // 11. The catalogue entry.
    Formularkatalog::Formulare_laden(katalog, antragText(), m_katalog);
    // 12. Answers that only count for one run.
    feld(QStringLiteral("Gültigkeit"))->clear();
    kasten(QStringLiteral("Datenänderung"))->setChecked(false);
    kasten(QStringLiteral("Datenänderung2"))->setChecked(false);
    // 13. No form kind yet.
    if (antragText().isEmpty()) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung !"),
                         QStringLiteral("Bitte Antrag (Beihilfestelle) auswählen!"), QMessageBox::Ok);
        m_antrag->setFocus();
    }
    // Hints that need to read files come once the window stands.
    QTimer::singleShot(300, this, [this] { aktionAusfuehren(QStringLiteral("Fristenhinweis")); });
}

QString Hauptform::druckdatenbank() const
{
    return m_programmverzeichnis + Formularkatalog::Dateiname;
}

void Hauptform::Formulare_laden()
{
    Formularkatalog::Formulare_laden(druckdatenbank(), antragText(), m_katalog);
}

QString Hauptform::antragText() const
{
    return m_antrag->currentText();
}

void Hauptform::setAntragText(const QString &text)
{
    const int i = m_antrag->findText(text);
    if (i >= 0)
        m_antrag->setCurrentIndex(i);
    else
        m_antrag->setEditText(text);
}

void Hauptform::antragGeaendert()
{
    const QString name = antragText();
    if (m_aktiv[3] == QLatin1String("1")) {
        if (QWidget *m = maske(QStringLiteral("Anschriftenform")))
            if (QWidget *ofd = m->findChild<QWidget *>(QStringLiteral("OFDFrame")))
                ofd->setVisible(name == QStringLiteral("OFD Düsseldorf"));
    }
    if (m_aktiv[7] == QLatin1String("1")) {
        if (QWidget *m = maske(QStringLiteral("Aufwendungen")))
            QMetaObject::invokeMethod(m, "Kostenart");
    }
    Formulare_laden();
    Q_EMIT formularartGeaendert(name);
}

QList<QWidget *> Hauptform::eigeneFelder() const
{
    QList<QWidget *> alle = FeldControls::tagged(m_geteilt) + FeldControls::tagged(m_geteiltZusatz);
    return alle;
}

QLineEdit *Hauptform::feld(const QString &objectName, int index) const
{
    for (QWidget *root : {m_geteilt, m_geteiltZusatz})
        for (QLineEdit *e : root->findChildren<QLineEdit *>(objectName))
            if (index < 0 || FeldControls::index(e) == index)
                return e;
    return nullptr;
}

QCheckBox *Hauptform::kasten(const QString &objectName, int index) const
{
    for (QWidget *root : {m_geteilt, m_geteiltZusatz})
        for (QCheckBox *c : root->findChildren<QCheckBox *>(objectName))
            if (index < 0 || FeldControls::index(c) == index)
                return c;
    return nullptr;
}

void Hauptform::Felder_anzeigen(QWidget *maske)
{
    FeldControls::anzeigen(FeldControls::tagged(maske), m_felder);
}

void Hauptform::Felder_einlesen()
{
    for (const Sammelschritt &s : kSammelfolge) {
        if (m_aktiv[s.marker] != QLatin1String("1"))
            continue;
        if (QWidget *m = maske(QString::fromUtf8(s.maske)))
            FeldControls::einlesen(FeldControls::tagged(m), m_felder, s.faerbung, m_farbe1, m_farbe2);
    }
    FeldControls::einlesen(eigeneFelder(), m_felder, FeldControls::Faerbung::Voll, m_farbe1, m_farbe2);
    const QString fnr = m_fnr->text();
    const char *seite = fnr == QLatin1String("A")   ? "AbschlagszahlungsForm"
                        : fnr == QLatin1String("U") ? "UnfallberichtsForm"
                        : fnr == QLatin1String("V") ? "Vorschussform"
                                                    : nullptr;
    if (seite)
        if (QWidget *m = maske(QString::fromUtf8(seite)))
            FeldControls::einlesen(FeldControls::tagged(m), m_zusatz);
    for (const auto &z : m_felder.zeilen())
        m_zusatz.setzen(z.name, z.wert);
}

void Hauptform::Feld_markieren(const QString &name, bool markierung)
{
    if (m_felder.markieren(name, markierung))
        Felder_einlesen();
}

bool Hauptform::SpeichernKnopf_Click()
{
    Felder_einlesen();
    const QString pfad = m_datenverzeichnis + Felddatei::Dateiname;
    QString fehler;
    bool ok = Felddatei::schreiben(pfad, antragText(), m_felder, &fehler);
    if (!ok) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Daten konnten nicht gespeichert werden.\n\nDatei: %1\nGrund: %2")
                             .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), fehler));
    }
    if (m_aktiv[9] == QLatin1String("1") && m_memoSpeichern) {
        QString memoFehler;
        if (!m_memoSpeichern(&memoFehler)) {
            ok = false;
            Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                             QStringLiteral("Die Notizen der privaten Krankenversicherung konnten nicht "
                                            "gespeichert werden.\n\n%1")
                                 .arg(memoFehler));
        }
    }
    return ok;
}

QStringList Hauptform::masken() const
{
    QStringList namen = m_fabriken.keys();
    namen.sort();
    return namen;
}

void Hauptform::maskeAnmelden(const QString &name, Fabrik fabrik)
{
    m_fabriken.insert(name, std::move(fabrik));
}

void Hauptform::aktionAnmelden(const QString &name, std::function<void()> aktion)
{
    m_aktionen.insert(name, std::move(aktion));
}

QWidget *Hauptform::maske(const QString &name) const
{
    const auto it = m_fenster.constFind(name);
    if (it == m_fenster.constEnd() || !*it)
        return nullptr;
    return (*it)->widget();
}

QWidget *Hauptform::oeffnen(const QString &name)
{
    m_zusatzpanel->hide();
    QMdiSubWindow *fenster = m_fenster.value(name);
    if (!fenster) {
        const auto it = m_fabriken.constFind(name);
        if (it == m_fabriken.constEnd())
            return nullptr;
        QWidget *w = (*it)(*this);
        if (!w)
            return nullptr;
        // The title bar measures and elides its title anew at every change
        // of size, place or state, a dozen times while a new window is
        // placed, shown and activated. It gets its title once it stands.
        const QString titel = w->windowTitle();
        w->setWindowTitle(QString());
        fenster = m_mdi->addSubWindow(w);
        fenster->setAttribute(Qt::WA_DeleteOnClose, false);
        fenster->setObjectName(name + QStringLiteral("Fenster"));
        m_fenster.insert(name, fenster);
        platzieren(fenster);
        nachVorn(fenster);
        w->setWindowTitle(titel);
    } else {
        nachVorn(fenster);
    }
    fenster->widget()->setFocus();
    // A screen already in front gets no new activation, yet the panel was
    // hidden above: a side application shows it again.
    if (auto *m = qobject_cast<Maske *>(fenster->widget()); m && m->zeigtZusatzpanel())
        m->aktivieren();
    return fenster->widget();
}

void Hauptform::nachVorn(QMdiSubWindow *fenster)
{
    fenster->show();
    fenster->widget()->show();
    m_mdi->setActiveSubWindow(fenster);
    fenster->raise();
}

void Hauptform::platzieren(QMdiSubWindow *fenster)
{
    // A new screen opens at its natural size, but never larger than the
    // visible area, slightly offset from the previous one and fully inside.
    const QSize platz = m_mdi->viewport()->size();
    if (platz.width() < 100 || platz.height() < 100)
        return;
    QSize groesse = fenster->sizeHint().expandedTo(fenster->minimumSizeHint());
    groesse = groesse.boundedTo(platz);
    fenster->resize(groesse);
    const int versatz = 24 * (int(m_fenster.size()) % 6);
    const int x = qMax(0, qMin(versatz, platz.width() - groesse.width()));
    const int y = qMax(0, qMin(versatz, platz.height() - groesse.height()));
    fenster->move(x, y);
}

void Hauptform::unterfensterAktiviert(QMdiSubWindow *fenster)
{
    if (!fenster || !fenster->widget())
        return;
    QWidget *w = fenster->widget();
    const QString name = w->objectName();
    if (name == QLatin1String("Aufwendungen")) {
        m_speichernKnopf->setEnabled(false);
    } else {
        for (const char *n : kSpeicherMasken)
            if (name == QString::fromUtf8(n))
                m_speichernKnopf->setEnabled(true);
    }
    if (auto *m = qobject_cast<Maske *>(w))
        m->aktivieren();
    Q_EMIT maskeAktiviert(w);
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

void Hauptform::Drucken_Knopf_Click()
{
    Felder_einlesen();
    oeffnen(QStringLiteral("Druckenform"));
}

void Hauptform::Info_Knopf_Click()
{
    oeffnen(QStringLiteral("Infoform"));
}

void Hauptform::MenueInfo_Click()
{
    if (const auto it = m_aktionen.constFind(QStringLiteral("Herstellerinfo")); it != m_aktionen.constEnd())
        (*it)();
}

bool Hauptform::Ende_Knopf_Click()
{
    const QString text = QStringLiteral("Velmora beenden...\n\nMöchten Sie die Daten sichern ?\n"
                                        "Nicht gespeicherte Daten gehen verloren!\n\n"
                                        "Ja = Beenden und speichern der Daten\n"
                                        "Nein = Beenden und Daten nicht speichern\n"
                                        "Abbrechen = Programm nicht beenden");
    const auto antwort = Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Programm beenden..."), text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes);
    if (antwort != QMessageBox::Yes && antwort != QMessageBox::No)
        return false;
    if (antwort == QMessageBox::Yes) {
        // A failed save keeps the program open, so nothing typed is lost.
        if (!SpeichernKnopf_Click())
            return false;
        for (const auto &speichern : m_beendenSpeichern)
            if (!speichern())
                return false;
    } else {
        QStringList verloren;
        for (const auto &was : m_beendenVerloren)
            verloren += was();
        if (!verloren.isEmpty()) {
            const QString frage = QStringLiteral("Diese Eingaben sind nicht gespeichert und gehen verloren:\n\n- ")
                                  + verloren.join(QStringLiteral("\n- "))
                                  + QStringLiteral("\n\nTrotzdem beenden, ohne zu speichern?");
            if (Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Bitte bestätigen..."), frage,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
                return false;
        }
    }
    einstellungenSpeichern();
    m_beendet = true;
    Q_EMIT programmEnde();
    return true;
}

QRect Hauptform::platzierungInTwips() const
{
    return QRect(pixelZuTwips(x(), true), pixelZuTwips(y(), false), pixelZuTwips(width(), true),
                 pixelZuTwips(height(), false));
}

void Hauptform::einstellungenSpeichern()
{
    const QRect r = platzierungInTwips();
    const int h = Registry::HKEY_LOCAL_MACHINE;
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("XPos"), r.x());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("YPos"), r.y());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Hoehe"), r.height());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Breite"), r.width());
    Registry::Zahl_schreiben(h, kSchluessel, QStringLiteral("Stil"), m_stil);
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

void Hauptform::closeEvent(QCloseEvent *event)
{
    if (m_beendet) {
        event->accept();
        return;
    }
    Felder_einlesen();
    event->ignore();
    if (Ende_Knopf_Click())
        event->accept();
}

void Hauptform::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}
