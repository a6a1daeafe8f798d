#include "shell/Hauptform.h"

#include "fields/FeldControls.h"
#include "shell/SideBar.h"
#include "shell/ZweispaltenCombo.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

// The building of the main window: the panel with its buttons, the bottom
// panel of the side applications, the hidden shared controls and the menu.

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

    auto *beschriftung = new QLabel(QStringLiteral("Beihilfestelle:"), m_panel);
    beschriftung->setObjectName(QStringLiteral("AntragBeschriftung"));
    panelLayout->addWidget(beschriftung);
    m_antrag = new ZweispaltenCombo(QStringLiteral("Antrag"), QStringLiteral("Beschreibung"), m_panel);
    beschriftung->setBuddy(m_antrag);
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
        {"Anträge_Knopf", "Weitere Anträge", "Maske: weitere Anträge (z.B. Abschlagszahlung, u.s.w.)",
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

    // The window view: overlapping windows instead of tabs.
    style->addSeparator();
    m_ueberlappendAktion = style->addAction(QStringLiteral("Fenster &überlappend"));
    m_ueberlappendAktion->setObjectName(QStringLiteral("MenüÜberlappend"));
    m_ueberlappendAktion->setCheckable(true);
    connect(m_ueberlappendAktion, &QAction::triggered, this, [this](bool an) { fensteransichtWaehlen(an); });

    // The last applications opened in the ledger.
    m_antragMenue = menuBar()->addMenu(QStringLiteral("&Antrag"));
    m_antragMenue->setObjectName(QStringLiteral("MenüAntrag"));
    connect(m_antragMenue, &QMenu::aboutToShow, this, &Hauptform::zuletztMenueFuellen);
    zuletztMenueFuellen();

    QMenu *hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MenüHilfe"));
    QAction *anleitung = hilfe->addAction(QStringLiteral("Anleitung"));
    anleitung->setObjectName(QStringLiteral("MenüAnleitung"));
    anleitung->setShortcut(QKeySequence(Qt::Key_F1));
    anleitung->setShortcutContext(Qt::ApplicationShortcut);
    connect(anleitung, &QAction::triggered, this, [this] {
        const QWidget *m = vorn();
        hilfeZeigen(m && m->objectName() != QLatin1String("Infoform") ? m->objectName() : QString());
    });
    addAction(anleitung);
    QAction *ersteSchritte = hilfe->addAction(QStringLiteral("Erste Schritte"));
    ersteSchritte->setObjectName(QStringLiteral("MenüErsteSchritte"));
    connect(ersteSchritte, &QAction::triggered, this, [this] { hilfeZeigen(QStringLiteral("erste-schritte")); });
    hilfe->addSeparator();
    QAction *ueber = hilfe->addAction(QStringLiteral("Über Velmora"));
    ueber->setObjectName(QStringLiteral("MenüÜber"));
    connect(ueber, &QAction::triggered, this, [this] { MenueInfo_Click(); });
}
