#include "ledger/Aufwendungen.h"

#include "ledger/Aerzteliste.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Kostenarten.h"
#include "ledger/LadenForm.h"
#include "ledger/LbvPruefung.h"
#include "ledger/Numerierenform.h"
#include "ledger/Rechnungsliste.h"
#include "ledger/Summen.h"
#include "ledger/TarvikExport.h"
#include "ledger/Version2Import.h"
#include "shell/Dialoge.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"
#include "base/TextFile.h"
#include "shell/Verzeichnisse.h"
#include "shell/ZweispaltenCombo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QLineEdit *textfeld(const QString &name, QWidget *eltern, int breite = 0)
{
    auto *e = new QLineEdit(eltern);
    e->setObjectName(name);
    if (breite > 0)
        e->setMinimumWidth(breite);
    return e;
}

QLabel *beschriftung(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return l;
}

QPushButton *knopf(const QString &name, const QString &text, QWidget *eltern)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void leeren(QComboBox *c)
{
    c->setCurrentIndex(-1);
    c->setEditText(QString());
}
} // namespace

Aufwendungen::Aufwendungen(Hauptform &hauptform, QWidget *parent)
    : Maske(hauptform, QStringLiteral("Aufwendungen"), titelOhnePflege(), parent)
{
    aufbauen();
    laden();
}

Aufwendungen::~Aufwendungen() = default;

void Aufwendungen::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto *leiste = new QMenuBar(this);
    layout->setMenuBar(leiste);

    m_modell = new Rechnungsliste(this);
    m_liste = new QTableView(this);
    m_liste->setObjectName(QStringLiteral("Liste"));
    m_liste->setModel(m_modell);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->verticalHeader()->setDefaultSectionSize(m_liste->fontMetrics().height() + 6);
    m_liste->horizontalHeader()->setStretchLastSection(true);
    const int spalten[] = {55, 85, 45, 60, 90, 110, 40};
    for (int i = 0; i < 7; ++i)
        m_liste->setColumnWidth(i, spalten[i]);
    m_liste->installEventFilter(this);
    connect(m_liste, &QTableView::doubleClicked, this, &Aufwendungen::Bearbeiten_Knopf_Click);
    layout->addWidget(m_liste, 1);

    m_infozeile = new QLabel(QStringLiteral("Keine Aufwendungen eingegeben !"), this);
    m_infozeile->setObjectName(QStringLiteral("Infozeile"));
    m_infozeile->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_infozeile);

    // Panel1: the entry fields of one receipt.
    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameShape(QFrame::StyledPanel);
    auto *g = new QGridLayout(m_panel1);
    g->setContentsMargins(6, 4, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(2);
    m_beleg = textfeld(QStringLiteral("Beleg"), m_panel1, 50);
    m_beleg->setValidator(new QIntValidator(-32768, 32767, m_beleg));
    m_datum = textfeld(QStringLiteral("Datum"), m_panel1, 85);
    m_empfaenger = new QComboBox(m_panel1);
    m_empfaenger->setObjectName(QStringLiteral("Empfänger"));
    m_empfaenger->setEditable(true);
    m_empfaenger->setInsertPolicy(QComboBox::NoInsert);
    m_empfaenger->addItems({QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("K1"), QStringLiteral("K2"),
                            QStringLiteral("K3"), QStringLiteral("K4"), QStringLiteral("K5")});
    m_empfaenger->setMinimumWidth(60);
    leeren(m_empfaenger);
    m_artListe = new ZweispaltenCombo(QStringLiteral("Art"), QStringLiteral("Bezeichnung"), m_panel1);
    m_artListe->setObjectName(QStringLiteral("ArtListe"));
    m_artListe->setMinimumWidth(95);
    m_artLabel = beschriftung(QStringLiteral("Art"), m_panel1);
    m_artLabel->setObjectName(QStringLiteral("ArtLabel"));
    m_rechnungsnummer = textfeld(QStringLiteral("Rechnungsnummer"), m_panel1, 100);
    m_faelligam = textfeld(QStringLiteral("fälligam"), m_panel1, 85);
    m_bezahltam = textfeld(QStringLiteral("bezahltam"), m_panel1, 85);
    m_rechnung = textfeld(QStringLiteral("Rechnung"), m_panel1, 85);
    m_versicherung = textfeld(QStringLiteral("Versicherung"), m_panel1, 85);
    m_erstattung = textfeld(QStringLiteral("Erstattung"), m_panel1, 85);
    m_erstattungV = textfeld(QStringLiteral("ErstattungV"), m_panel1, 85);
    for (QLineEdit *e : {m_rechnung, m_versicherung, m_erstattung, m_erstattungV})
        e->setAlignment(Qt::AlignRight);
    m_euro = new QCheckBox(QStringLiteral("Euro"), m_panel1);
    m_euro->setObjectName(QStringLiteral("Euro"));
    m_arzt = new QComboBox(m_panel1);
    m_arzt->setObjectName(QStringLiteral("Arzt"));
    m_arzt->setEditable(true);
    m_arzt->setInsertPolicy(QComboBox::NoInsert);
    m_arzt->setMinimumWidth(160);
    auto *rechnen = knopf(QStringLiteral("Rechnen_Knopf"), QStringLiteral("Berechnen"), m_panel1);
    rechnen->setToolTip(QStringLiteral("Versicherung berechnen"));
    auto *arztedit = knopf(QStringLiteral("Arztedit_Knopf"), QStringLiteral("Ärzteliste bearbeiten"), m_panel1);

    g->addWidget(beschriftung(QStringLiteral("Beleg"), m_panel1), 0, 0);
    g->addWidget(beschriftung(QStringLiteral("Datum"), m_panel1), 0, 1);
    g->addWidget(beschriftung(QStringLiteral("Empfänger"), m_panel1), 0, 2);
    g->addWidget(m_artLabel, 0, 3);
    g->addWidget(beschriftung(QStringLiteral("Rechnungsnummer"), m_panel1), 0, 4);
    g->addWidget(beschriftung(QStringLiteral("fällig am"), m_panel1), 0, 5);
    g->addWidget(beschriftung(QStringLiteral("bezahlt am"), m_panel1), 0, 6);
    g->addWidget(m_beleg, 1, 0);
    g->addWidget(m_datum, 1, 1);
    g->addWidget(m_empfaenger, 1, 2);
    g->addWidget(m_artListe, 1, 3);
    g->addWidget(m_rechnungsnummer, 1, 4);
    g->addWidget(m_faelligam, 1, 5);
    g->addWidget(m_bezahltam, 1, 6);
    g->addWidget(beschriftung(QStringLiteral("Rechnung"), m_panel1), 2, 0, 1, 2);
    g->addWidget(beschriftung(QStringLiteral("Versicherung"), m_panel1), 2, 2, 1, 2);
    g->addWidget(beschriftung(QStringLiteral("Erstattung"), m_panel1), 2, 4);
    g->addWidget(beschriftung(QStringLiteral("Erstattung Vers."), m_panel1), 2, 5);
    g->addWidget(beschriftung(QStringLiteral("Arzt"), m_panel1), 2, 6);
    auto *betraege1 = new QHBoxLayout;
    betraege1->addWidget(m_rechnung);
    betraege1->addWidget(m_euro);
    g->addLayout(betraege1, 3, 0, 1, 2);
    auto *betraege2 = new QHBoxLayout;
    betraege2->addWidget(m_versicherung);
    betraege2->addWidget(rechnen);
    g->addLayout(betraege2, 3, 2, 1, 2);
    g->addWidget(m_erstattung, 3, 4);
    g->addWidget(m_erstattungV, 3, 5);
    g->addWidget(m_arzt, 3, 6);
    g->addWidget(arztedit, 4, 6);
    g->setColumnStretch(6, 1);

    // Panel4: the application header, in the same place as Panel1.
    m_panel4 = new QFrame(this);
    m_panel4->setObjectName(QStringLiteral("Panel4"));
    m_panel4->setFrameShape(QFrame::StyledPanel);
    auto *k = new QGridLayout(m_panel4);
    k->setContentsMargins(6, 4, 6, 6);
    k->setHorizontalSpacing(6);
    k->setVerticalSpacing(3);
    m_antragsdatum = textfeld(QStringLiteral("Antragsdatum"), m_panel4, 85);
    m_unternummer = textfeld(QStringLiteral("Unternummer"), m_panel4, 30);
    m_unternummer->setMaximumWidth(40);
    m_unternummer->setToolTip(QStringLiteral("Unternummer"));
    m_eingereichtam = textfeld(QStringLiteral("eingereichtam"), m_panel4, 85);
    m_zurueckerhalten = textfeld(QStringLiteral("zurückerhalten"), m_panel4, 85);
    m_bemerkungen = textfeld(QStringLiteral("Bemerkungen"), m_panel4, 200);
    m_abschlagDatum = textfeld(QStringLiteral("AbschlagDatum"), m_panel4, 85);
    m_abschlagHoehe = textfeld(QStringLiteral("AbschlagHöhe"), m_panel4, 85);
    m_abschlagHoehe->setAlignment(Qt::AlignRight);
    m_aEuro = new QCheckBox(QStringLiteral("Euro"), m_panel4);
    m_aEuro->setObjectName(QStringLiteral("AEuro"));
    m_pflegeantrag = new QCheckBox(QStringLiteral("dieser Antrag ist ein Antrag für dauernde Pflege"), m_panel4);
    m_pflegeantrag->setObjectName(QStringLiteral("Pflegeantrag"));
    auto *datumzeile = new QHBoxLayout;
    datumzeile->addWidget(m_antragsdatum);
    datumzeile->addWidget(new QLabel(QStringLiteral("/"), m_panel4));
    datumzeile->addWidget(m_unternummer);
    datumzeile->addStretch(1);
    k->addWidget(new QLabel(QStringLiteral("Antragsdatum"), m_panel4), 0, 0);
    k->addLayout(datumzeile, 0, 1);
    k->addWidget(new QLabel(QStringLiteral("eingereicht am"), m_panel4), 0, 2);
    k->addWidget(m_eingereichtam, 0, 3);
    k->addWidget(new QLabel(QStringLiteral("zurückerhalten am"), m_panel4), 0, 4);
    k->addWidget(m_zurueckerhalten, 0, 5);
    k->addWidget(new QLabel(QStringLiteral("Bemerkungen"), m_panel4), 1, 0);
    k->addWidget(m_bemerkungen, 1, 1, 1, 5);
    k->addWidget(new QLabel(QStringLiteral("Es ist ein Abschlag gewährt worden :"), m_panel4), 2, 0, 1, 2);
    k->addWidget(new QLabel(QStringLiteral("durch Bescheid vom"), m_panel4), 2, 2);
    k->addWidget(m_abschlagDatum, 2, 3);
    k->addWidget(new QLabel(QStringLiteral("in Höhe von"), m_panel4), 2, 4);
    k->addWidget(m_abschlagHoehe, 2, 5);
    auto *waehrung = new QHBoxLayout;
    waehrung->addWidget(new QLabel(QStringLiteral("Antragswährung"), m_panel4));
    waehrung->addSpacing(6);
    waehrung->addWidget(m_aEuro);
    waehrung->addSpacing(20);
    waehrung->addWidget(m_pflegeantrag);
    waehrung->addStretch(1);
    k->addLayout(waehrung, 3, 0, 1, 6);
    k->setColumnStretch(5, 1);
    m_panel4->hide();

    // Panel2: the operations on the receipt table.
    m_panel2 = new QFrame(this);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setFrameShape(QFrame::StyledPanel);
    auto *p2 = new QGridLayout(m_panel2);
    p2->setContentsMargins(4, 4, 4, 4);
    p2->setSpacing(3);
    struct Op
    {
        const char *name;
        const char *text;
        void (Aufwendungen::*slot)();
    };
    const Op ops[] = {{"Hinzufügen_Knopf", "Hinzufügen", &Aufwendungen::Hinzufuegen_Knopf_Click},
                      {"Einfügen_Knopf", "Einfügen", &Aufwendungen::Einfuegen_Knopf_Click},
                      {"Bearbeiten_Knopf", "Bearbeiten", &Aufwendungen::Bearbeiten_Knopf_Click},
                      {"Ändern_Knopf", "Ändern", &Aufwendungen::Aendern_Knopf_Click},
                      {"Löschen_Knopf", "Löschen", &Aufwendungen::Loeschen_Knopf_Click},
                      {"Felder_Löschen_Knopf", "Felder löschen", &Aufwendungen::Felder_Loeschen_Knopf_Click}};
    int n = 0;
    for (const Op &op : ops) {
        auto *b = knopf(QString::fromUtf8(op.name), QString::fromUtf8(op.text), m_panel2);
        connect(b, &QPushButton::clicked, this, op.slot);
        p2->addWidget(b, n / 2, n % 2);
        ++n;
    }

    auto *mitte = new QHBoxLayout;
    mitte->setSpacing(4);
    mitte->addWidget(m_panel1, 1);
    mitte->addWidget(m_panel4, 1);
    mitte->addWidget(m_panel2, 0);
    layout->addLayout(mitte);

    // Panel3: the application as a whole.
    m_panel3 = new QFrame(this);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFrameShape(QFrame::StyledPanel);
    auto *p3 = new QHBoxLayout(m_panel3);
    p3->setContentsMargins(4, 4, 4, 4);
    const Op antrag[] = {{"Neu_Knopf", "Neuer Antrag", &Aufwendungen::Neu_Knopf_Click},
                         {"Antragsinfo_Knopf", "Antragsinfo", &Aufwendungen::Antragsinfo_Knopf_Click},
                         {"Sortieren_Knopf", "Sortieren", &Aufwendungen::Sortieren_Knopf_Click},
                         {"Numerieren_Knopf", "Numerieren", &Aufwendungen::Numerieren_Knopf_Click},
                         {"Drucken_Knopf", "Drucken", &Aufwendungen::Drucken_Knopf_Click},
                         {"Speichern_Knopf", "Speichern", &Aufwendungen::Speichern_Knopf_Click},
                         {"Laden_Knopf", "Laden", &Aufwendungen::Laden_Knopf_Click}};
    for (const Op &op : antrag) {
        auto *b = knopf(QString::fromUtf8(op.name), QString::fromUtf8(op.text), m_panel3);
        connect(b, &QPushButton::clicked, this, op.slot);
        p3->addWidget(b);
        if (b->objectName() == QLatin1String("Speichern_Knopf"))
            m_speichernKnopf = b;
    }
    layout->addWidget(m_panel3);

    connect(rechnen, &QPushButton::clicked, this, &Aufwendungen::Rechnen_Knopf_Click);
    connect(arztedit, &QPushButton::clicked, this, &Aufwendungen::Arztedit_Knopf_Click);

    menueAufbauen(leiste);

    // Header rules.
    connect(m_antragsdatum, &QLineEdit::textChanged, this, &Aufwendungen::antragsdatumGeaendert);
    connect(m_abschlagDatum, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (QLineEdit *f = m_hauptform.feld(QStringLiteral("Bescheidvom")))
            f->setText(t);
    });
    connect(m_abschlagHoehe, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (QLineEdit *f = m_hauptform.feld(QStringLiteral("BescheidHöhe")))
            f->setText(t);
    });
    connect(m_aEuro, &QCheckBox::toggled, this, &Aufwendungen::einlesen);
    connect(m_pflegeantrag, &QCheckBox::toggled, this, &Aufwendungen::pflegeGeaendert);
    if (QCheckBox *tarvik = m_hauptform.kasten(QStringLiteral("Tarvik")))
        connect(tarvik, &QCheckBox::toggled, m_menueExport, &QAction::setVisible);

    for (QWidget *w : std::initializer_list<QWidget *>{
             m_beleg, m_datum, m_empfaenger, m_artListe, m_rechnung, m_versicherung, m_erstattung, m_erstattungV,
             m_rechnungsnummer, m_faelligam, m_bezahltam, m_arzt, m_antragsdatum, m_unternummer, m_eingereichtam,
             m_zurueckerhalten, m_bemerkungen, m_abschlagDatum, m_abschlagHoehe})
        w->installEventFilter(this);

    speichernFreigeben(false);
    resize(860, 560);
}

void Aufwendungen::menueAufbauen(QMenuBar *leiste)
{
    Hauptform &h = m_hauptform;
    QMenu *programm = leiste->addMenu(QStringLiteral("&Programm"));
    const QPair<const char *, std::function<void()>> eintraege[] = {
        {"&Persönliche Daten", [&h] { h.Daten_Knopf_Click(); }},
        {"Daten der &Kinder", [&h] { h.Kinder_Knopf_Click(); }},
        {"&Versicherungen", [&h] { h.Versicherungen_Knopf_Click(); }},
        {"&Anschriften", [&h] { h.Anschriften_Knopf_Click(); }},
        {"Antrags&rückseite", [&h] { h.Rueckseite_Knopf_Click(); }},
        {"A&ufwendungen", [&h] { h.Aufwendungen_Knopf_Click(); }},
        {"Daten &speichern", [&h] { h.SpeichernKnopf_Click(); }},
        {"Daten &drucken", [&h] { h.Drucken_Knopf_Click(); }},
        {"Beihilfeninfos", [&h] { h.Beihilfeninfo_Knopf_Click(); }},
        {"&Weitere Anträge", [&h] { h.Antraege_Knopf_Click(); }},
    };
    int index = 0;
    for (const auto &e : eintraege) {
        QAction *a = programm->addAction(QString::fromUtf8(e.first));
        a->setObjectName(QStringLiteral("Menü"));
        a->setProperty("index", index++);
        connect(a, &QAction::triggered, this, e.second);
    }
    QAction *pkv = programm->addAction(QStringLiteral("&private Krankenversicherung"));
    pkv->setObjectName(QStringLiteral("MenüPrivateKV"));
    connect(pkv, &QAction::triggered, this, [&h] { h.PrivateKV_Knopf_Click(); });
    programm->addSeparator();
    QAction *ende = programm->addAction(QStringLiteral("&Beenden"));
    ende->setObjectName(QStringLiteral("MenüEnde"));
    connect(ende, &QAction::triggered, this, [&h] { h.Ende_Knopf_Click(); });

    auto eintrag = [this](QMenu *menue, const QString &name, const QString &text, auto slot) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *antrag = leiste->addMenu(QStringLiteral("&Antrag"));
    eintrag(antrag, QStringLiteral("MenüAntragLaden"), QStringLiteral("&Laden"), &Aufwendungen::Laden_Knopf_Click);
    m_menueSpeichern = eintrag(antrag, QStringLiteral("MenüAntragSpeichern"), QStringLiteral("&Speichern"), [this] {
        if (m_speichernKnopf->isEnabled())
            Speichern_Knopf_Click();
    });
    eintrag(antrag, QStringLiteral("MenüAntragNeu"), QStringLiteral("&Neu"), &Aufwendungen::Neu_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragDrucken"), QStringLiteral("&Drucken"),
            &Aufwendungen::Drucken_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragSortieren"), QStringLiteral("S&ortieren"),
            &Aufwendungen::Sortieren_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragNumerieren"), QStringLiteral("N&umerieren"),
            &Aufwendungen::Numerieren_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragsinfo"), QStringLiteral("Antrags&info"),
            &Aufwendungen::Antragsinfo_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragÜbersicht"), QStringLiteral("Ü&bersicht aller Anträge"),
            [this] { m_hauptform.oeffnen(QStringLiteral("Antragsuebersicht")); });
    antrag->addSeparator();
    eintrag(antrag, QStringLiteral("MenüImport"), QStringLiteral("Import Velmora V 2.xx"), &Aufwendungen::Import_Click);
    m_menueExport = eintrag(antrag, QStringLiteral("MenüExportTarvik"), QStringLiteral("E&xport Tarvik"),
                            &Aufwendungen::Export_Click);
    const QCheckBox *tarvik = m_hauptform.kasten(QStringLiteral("Tarvik"));
    m_menueExport->setVisible(tarvik && tarvik->isChecked());

    QMenu *positionen = leiste->addMenu(QStringLiteral("&Rechnungspositionen"));
    eintrag(positionen, QStringLiteral("MenüHinzufügen"), QStringLiteral("&Hinzufügen"),
            &Aufwendungen::Hinzufuegen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüEinfügen"), QStringLiteral("&Einfügen"),
            &Aufwendungen::Einfuegen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüBearbeiten"), QStringLiteral("&Bearbeiten"),
            &Aufwendungen::Bearbeiten_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüÄndern"), QStringLiteral("Ä&ndern"), &Aufwendungen::Aendern_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüLöschen"), QStringLiteral("&Löschen"),
            &Aufwendungen::Loeschen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüFelderLöschen"), QStringLiteral("&Felder löschen"),
            &Aufwendungen::Felder_Loeschen_Knopf_Click);
    positionen->addSeparator();
    eintrag(positionen, QStringLiteral("MenüRechnungsliste"), QStringLiteral("&Rechnungsliste"),
            [this] { m_liste->setFocus(); });
    eintrag(positionen, QStringLiteral("MenüVersicherungBerechnen"), QStringLiteral("&Versicherung berechnen"),
            &Aufwendungen::Rechnen_Knopf_Click);
}

QString Aufwendungen::datenbankpfad() const
{
    return m_hauptform.datenverzeichnis() + Antragsdatenbank::Dateiname;
}

QString Aufwendungen::aerztepfad() const
{
    return m_hauptform.datenverzeichnis() + Aerzteliste::Dateiname;
}

void Aufwendungen::laden()
{
    m_hauptform.setAktiv(7);
    Aerzte_einlesen();
    Antragsdatenbank::DB_Struktur(datenbankpfad());
    if (QDate::currentDate().year() > 2001) {
        m_euro->setChecked(true);
        m_aEuro->setChecked(true);
    }
}

void Aufwendungen::aktivieren()
{
    if (QPushButton *s = m_hauptform.SpeichernKnopf())
        s->setEnabled(false);
    Kostenart();
    const QCheckBox *tarvik = m_hauptform.kasten(QStringLiteral("Tarvik"));
    m_menueExport->setVisible(tarvik && tarvik->isChecked());
    // After the main window has given the screen itself the focus.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_tabelle.istLeer())
                m_beleg->setFocus();
            else
                m_liste->setFocus();
        },
        Qt::QueuedConnection);
}

// --- cost types and care mode ---

void Aufwendungen::Kostenart()
{
    const QString text = m_artListe->currentText();
    m_artListe->blockSignals(true);
    m_artListe->leeren();
    for (const QString &e : Kostenarten::allgemein())
        m_artListe->eintragHinzufuegen(e);
    if (Kostenarten::istLbv(m_hauptform.antragText())) {
        m_artListe->leeren();
        for (const QString &e : Kostenarten::lbv())
            m_artListe->eintragHinzufuegen(e);
    }
    m_artListe->setCurrentIndex(-1);
    m_artListe->setEditText(text);
    m_artListe->blockSignals(false);
}

void Aufwendungen::pflegeGeaendert(bool an)
{
    m_liste->setColumnHidden(Rechnungsliste::Art, an);
    m_artListe->setVisible(!an);
    m_artLabel->setText(an ? QStringLiteral("Pflege") : QStringLiteral("Art"));
    m_artListe->setCurrentIndex(-1);
    m_artListe->setEditText(an ? QStringLiteral("Pflege") : QString());
    setWindowTitle(an ? titelPflege() : titelOhnePflege());
}

// --- the entry fields ---

void Aufwendungen::Felder_loeschen()
{
    for (QLineEdit *e : {m_beleg, m_datum, m_rechnung, m_versicherung, m_erstattung, m_erstattungV, m_bezahltam,
                         m_faelligam, m_rechnungsnummer})
        e->clear();
    leeren(m_artListe);
    leeren(m_arzt);
    if (m_pflegeantrag->isChecked())
        m_artListe->setEditText(QStringLiteral("Pflege"));
}

void Aufwendungen::Felder_Loeschen_Knopf_Click()
{
    Felder_loeschen();
    leeren(m_empfaenger);
    leeren(m_artListe);
    if (m_pflegeantrag->isChecked())
        m_artListe->setEditText(QStringLiteral("Pflege"));
}

bool Aufwendungen::pruefen()
{
    const char *fehler = nullptr;
    if (!GermanDate::isDate(m_datum->text()))
        fehler = "Datum ist ungültig!";
    else if (m_empfaenger->currentText().isEmpty())
        fehler = "Empfänger muss angegeben werden!";
    else if (m_artListe->currentText().isEmpty())
        fehler = "Art der Leistung muss angegeben werden!";
    if (!fehler)
        return true;
    Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Eingabefehler!"), QString::fromUtf8(fehler),
                     QMessageBox::Ok);
    return false;
}

Rechnungsposition Aufwendungen::eintrag() const
{
    Rechnungsposition r;
    bool ok = false;
    const int beleg = m_beleg->text().trimmed().toInt(&ok);
    r.Beleg = ok && beleg >= -32768 && beleg <= 32767 ? qint16(beleg) : qint16(0);
    r.Datum = m_datum->text();
    r.Empfaenger = m_empfaenger->currentText();
    r.Art = m_artListe->currentText();
    r.Rechnung = GermanMoney::value(m_rechnung->text());
    r.Versicherung = GermanMoney::value(m_versicherung->text());
    r.Erstattung = GermanMoney::value(m_erstattung->text());
    r.ErstattungV = GermanMoney::value(m_erstattungV->text());
    r.euro = m_euro->isChecked();
    r.bezahltam = m_bezahltam->text();
    r.faelligam = m_faelligam->text();
    r.Arzt = m_arzt->currentText();
    r.Rechnungsnummer = m_rechnungsnummer->text();
    return r;
}

int Aufwendungen::aktuelleZeile() const
{
    const QModelIndex i = m_liste->currentIndex();
    if (!i.isValid() || !m_tabelle.gueltig(i.row() + 1))
        return 0;
    return i.row() + 1;
}

void Aufwendungen::setzeAktuelleZeile(int p)
{
    if (!m_tabelle.gueltig(p))
        return;
    const QModelIndex i = m_modell->index(p - 1, 0);
    m_liste->setCurrentIndex(i);
    m_liste->scrollTo(i);
}

void Aufwendungen::Hinzufuegen_Knopf_Click()
{
    if (!pruefen())
        return;
    m_tabelle.hinzufuegen(eintrag());
    einlesen();
    Felder_loeschen();
    m_beleg->setFocus();
    if (!GermanDate::isDate(m_antragsdatum->text()))
        Dialoge::meldung(this, QMessageBox::Information, QStringLiteral("Wichtiger Hinweis!"),
                         QStringLiteral("Sie haben noch kein Antragsdatum eingegeben!\r"
                                        "Bitte 'Antragsinfo' drücken und Datum eingeben.\r\r"
                                        "Ansonsten ist das Speichern des Antrages nicht möglich!"),
                         QMessageBox::Ok);
}

void Aufwendungen::Einfuegen_Knopf_Click()
{
    if (!pruefen())
        return;
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    m_tabelle.einfuegen(p, eintrag());
    einlesen();
    setzeAktuelleZeile(p);
    Felder_loeschen();
}

void Aufwendungen::Bearbeiten_Knopf_Click()
{
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    const Rechnungsposition &r = m_tabelle.slot(p);
    m_beleg->setText(QString::number(r.Beleg));
    m_datum->setText(r.Datum.getrimmt());
    m_artListe->setCurrentIndex(-1);
    m_artListe->setEditText(r.Art.getrimmt());
    m_empfaenger->setCurrentIndex(-1);
    m_empfaenger->setEditText(r.Empfaenger.getrimmt());
    m_arzt->setCurrentIndex(-1);
    m_arzt->setEditText(r.Arzt.getrimmt());
    m_rechnungsnummer->setText(r.Rechnungsnummer.getrimmt());
    m_bezahltam->setText(r.bezahltam.getrimmt());
    m_faelligam->setText(r.faelligam.getrimmt());
    m_rechnung->setText(GermanMoney::format(r.Rechnung));
    m_versicherung->setText(GermanMoney::format(r.Versicherung));
    m_erstattung->setText(GermanMoney::format(r.Erstattung));
    m_erstattungV->setText(GermanMoney::format(r.ErstattungV));
    m_euro->setChecked(r.euro);
}

void Aufwendungen::Aendern_Knopf_Click()
{
    if (!pruefen())
        return;
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    m_tabelle.aendern(p, eintrag());
    einlesen();
    setzeAktuelleZeile(p);
    Felder_loeschen();
}

void Aufwendungen::Loeschen_Knopf_Click()
{
    const auto antwort = Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                                          QStringLiteral("Rechnungsposition wirklich löschen?"),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort != QMessageBox::Yes || m_tabelle.istLeer())
        return;
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    m_tabelle.loeschen(p);
    einlesen();
    setzeAktuelleZeile(qMin(p, m_tabelle.anzahl()));
}

// --- totals ---

void Aufwendungen::einlesen()
{
    const int zeile = aktuelleZeile();
    const Summen s = Summen::einlesen(m_tabelle, m_aEuro->isChecked());
    for (const auto &f : s.felder())
        if (QLineEdit *e = m_hauptform.feld(f.first))
            e->setText(f.second);
    QVector<QStringList> zeilen;
    zeilen.reserve(m_tabelle.anzahl());
    for (const Rechnungsposition &r : m_tabelle.alle())
        zeilen.append(Summen::listenzeile(r));
    m_modell->setZeilen(std::move(zeilen));
    m_liste->setColumnHidden(Rechnungsliste::Art, m_pflegeantrag->isChecked());
    m_infozeile->setText(s.infozeile());
    if (m_tabelle.istLeer()) {
        speichernFreigeben(false);
        return;
    }
    speichernFreigeben(GermanDate::isDate(m_antragsdatum->text()));
    if (zeile > 0)
        setzeAktuelleZeile(qMin(zeile, m_tabelle.anzahl()));
    LBV_Check();
}

void Aufwendungen::LBV_Check()
{
    const QString bericht = LbvPruefung::bericht(m_tabelle, m_hauptform.antragText());
    if (!bericht.isEmpty())
        Dialoge::meldung(this, QMessageBox::Warning, QString(), LbvPruefung::meldung(bericht), QMessageBox::Ok);
}

void Aufwendungen::Rechnen_Knopf_Click()
{
    const QString empfaenger = m_empfaenger->currentText();
    if (empfaenger.isEmpty())
        return;
    const QChar c = empfaenger.at(0);
    const int person = c == u'A' ? 0 : c == u'E' ? 1 : c == u'K' ? 2 : -1;
    auto satz = [&](const QString &feld) {
        if (person < 0)
            return 0.0;
        const QLineEdit *e = m_hauptform.feld(feld, person);
        return e ? GermanMoney::value(e->text()) / 100.0 : 0.0;
    };
    const double rechnung = GermanMoney::value(m_rechnung->text());
    m_erstattung->setText(GermanMoney::format(satz(QStringLiteral("Bemessungssatz")) * rechnung));
    m_versicherung->setText(GermanMoney::format(satz(QStringLiteral("Krankenkasse")) * rechnung));
}

// --- header, storing and loading ---

void Aufwendungen::speichernFreigeben(bool an)
{
    m_speichernKnopf->setEnabled(an);
    if (m_menueSpeichern)
        m_menueSpeichern->setEnabled(an);
}

void Aufwendungen::antragsdatumGeaendert(const QString &text)
{
    if (QLineEdit *f = m_hauptform.feld(QStringLiteral("Datum")))
        f->setText(text);
    speichernFreigeben(GermanDate::isDate(text));
}

Antragskopf Aufwendungen::kopf() const
{
    Antragskopf k;
    k.Antragsdatum = m_antragsdatum->text();
    k.Unternummer = m_unternummer->text();
    k.Bemerkungen = m_bemerkungen->text();
    k.eingereichtam = m_eingereichtam->text();
    k.zurueckerhalten = m_zurueckerhalten->text();
    k.AbschlagDatum = m_abschlagDatum->text();
    k.AbschlagHoehe = m_abschlagHoehe->text();
    k.AEuro = m_aEuro->isChecked();
    k.Pflegeantrag = m_pflegeantrag->isChecked();
    return k;
}

void Aufwendungen::setzeKopf(const Antragskopf &k)
{
    m_antragsdatum->setText(k.Antragsdatum);
    m_unternummer->setText(k.Unternummer);
    m_bemerkungen->setText(k.Bemerkungen);
    m_eingereichtam->setText(k.eingereichtam);
    m_zurueckerhalten->setText(k.zurueckerhalten);
    m_abschlagDatum->setText(k.AbschlagDatum);
    m_abschlagHoehe->setText(k.AbschlagHoehe);
    m_pflegeantrag->setChecked(k.Pflegeantrag);
    m_aEuro->setChecked(k.AEuro);
}

void Aufwendungen::Speichern_Knopf_Click()
{
    antragSpeichern();
}

bool Aufwendungen::antragSpeichern()
{
    if (m_tabelle.istLeer())
        return true;
    if (m_antragsdatum->text().isEmpty())
        m_bemerkungen->setText(QStringLiteral("ohne Antragsdatum"));
    const QString k = Antragsdatenbank::kennung(m_antragsdatum->text(), m_unternummer->text());
    const QString pfad = datenbankpfad();
    QString fehler;
    // A data directory without its database (deleted, or a new directory)
    // gets one from the template; receipts are never dropped silently.
    bool ok = Verzeichnisse::antragsdatenbankBereitstellen(m_hauptform.datenverzeichnis(),
                                                           m_hauptform.programmverzeichnis(), &fehler);
    if (ok) {
        Antragsdatenbank::DB_Struktur(pfad);
        ok = Antragsdatenbank::speichern(pfad, k, kopf(), m_tabelle, &fehler);
    }
    if (!ok)
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Der Antrag konnte nicht gespeichert werden.\n"
                                        "Der bisher gespeicherte Stand ist unverändert.\n\nDatei: %1\nGrund: %2")
                             .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), fehler));
    else
        m_hauptform.meldeGespeichert(QFileInfo(pfad).absoluteFilePath());
    return ok;
}

void Aufwendungen::Neu_Knopf_Click()
{
    if (m_tabelle.istLeer())
        return;
    const auto antwort =
        Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                         QStringLiteral("Neuen Antrag beginnen und vorhandene Positionen löschen ?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    m_tabelle.leeren();
    speichernFreigeben(false);
    einlesen();
    for (QLineEdit *e : {m_bemerkungen, m_antragsdatum, m_eingereichtam, m_zurueckerhalten, m_unternummer,
                         m_abschlagDatum, m_abschlagHoehe})
        e->clear();
}

void Aufwendungen::Laden_Knopf_Click()
{
    if (!m_ladenForm)
        m_ladenForm = new LadenForm(datenbankpfad(), this);
    Dialoge::ausfuehren(m_ladenForm);
    if (m_ladenForm->was() == QLatin1String("1"))
        return;
    antragLaden(m_ladenForm->kennung(), m_ladenForm->hinzuladen());
}

void Aufwendungen::antragLaden(const QString &k, bool hinzuladen)
{
    if (k.isEmpty())
        return;
    Antragsdatenbank::Geladen geladen;
    if (!Antragsdatenbank::laden(datenbankpfad(), k, &geladen))
        return;
    if (geladen.kopf)
        setzeKopf(*geladen.kopf);
    if (!geladen.positionen.isEmpty()) {
        if (!hinzuladen)
            m_tabelle.leeren();
        m_tabelle.reservieren(m_tabelle.anzahl() + int(geladen.positionen.size()));
        for (const Rechnungsposition &r : geladen.positionen)
            m_tabelle.hinzufuegen(r);
    }
    einlesen();
    m_hauptform.antragGeoeffnet(k);
}

void Aufwendungen::Antragsinfo_Knopf_Click()
{
    m_panel1->setVisible(!m_panel1->isVisible());
    m_panel4->setVisible(!m_panel1->isVisible());
}

// --- sorting, numbering, doctors list ---

void Aufwendungen::Sortieren_Knopf_Click()
{
    if (m_tabelle.anzahl() <= 1)
        return;
    m_tabelle.sortieren();
    einlesen();
}

void Aufwendungen::Numerieren_Knopf_Click()
{
    if (m_tabelle.istLeer())
        return;
    if (!m_numerierenform)
        m_numerierenform = new Numerierenform(this);
    Dialoge::ausfuehren(m_numerierenform);
    if (m_numerierenform->was() == QLatin1String("1"))
        return;
    bool ok = false;
    qint64 start = m_numerierenform->nummer().trimmed().toLongLong(&ok);
    if (!ok)
        start = 0;
    QString fehler;
    if (!m_tabelle.numerieren(start, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Eingabefehler!"), fehler, QMessageBox::Ok);
        return;
    }
    einlesen();
}

void Aufwendungen::Aerzte_einlesen()
{
    const auto zeilen = Aerzteliste::lesen(aerztepfad());
    if (!zeilen)
        return;
    const QString text = m_arzt->currentText();
    m_arzt->clear();
    m_arzt->addItems(*zeilen);
    m_arzt->setCurrentIndex(-1);
    m_arzt->setEditText(text);
}

void Aufwendungen::Arztedit_Knopf_Click()
{
    m_hauptform.oeffnen(QStringLiteral("Aerzteform"));
}

void Aufwendungen::Drucken_Knopf_Click()
{
    m_hauptform.Felder_einlesen();
    m_hauptform.aktionAusfuehren(QStringLiteral("Druckfunktion"));
}

// --- exchange files ---

void Aufwendungen::Export_Click()
{
    if (m_tabelle.istLeer())
        return;
    const QString pfad = Dialoge::dateiSpeichern(this, QStringLiteral("Export Tarvik"));
    if (pfad.isEmpty())
        return;
    m_hauptform.Felder_einlesen();
    const Feldtabelle &felder = m_hauptform.feldtabelle();
    auto wert = [&felder](const char *tag) {
        const int i = felder.finde(QString::fromUtf8(tag));
        return i >= 0 ? felder.zeile(i).wert : QString();
    };
    TarvikExport::Kopf k;
    if (const QLineEdit *e = m_hauptform.feld(QStringLiteral("Personalnummer")))
        k.Personalnummer = e->text();
    k.Name = wert("1Nachname");
    k.Vorname = wert("1Vorname");
    k.Geburtsdatum = wert("1Geburtsdatum");
    k.Antragsdatum = m_antragsdatum->text();
    k.AbschlagDatum = m_abschlagDatum->text();
    k.AbschlagHoehe = m_abschlagHoehe->text();
    QString fehler;
    if (!TarvikExport::schreiben(pfad, k, m_tabelle, &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Exportdatei konnte nicht geschrieben werden.\n\n%1").arg(fehler));
}

void Aufwendungen::Import_Click()
{
    const QString pfad = Dialoge::dateiOeffnen(this, QStringLiteral("Import Velmora V 2.xx"));
    if (pfad.isEmpty())
        return;
    QString text;
    QString fehler;
    if (!TextFile::read(pfad, &text, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Datei konnte nicht gelesen werden.\n\n%1").arg(fehler));
        return;
    }
    const Version2Import::Inhalt inhalt = Version2Import::lesen(text);
    if (!inhalt.hatDatum)
        return;
    m_antragsdatum->setText(GermanDate::isDate(inhalt.antragsdatum) ? GermanDate::normalized(inhalt.antragsdatum)
                                                                   : inhalt.antragsdatum);
    m_euro->setChecked(false);
    for (const QStringList &gruppe : inhalt.gruppen) {
        Version2Import::Eintrag e;
        e.Empfaenger = m_empfaenger->currentText();
        e.Beleg = m_beleg->text();
        e.Datum = m_datum->text();
        e.Art = m_artListe->currentText();
        e.Rechnung = m_rechnung->text();
        e.Versicherung = m_versicherung->text();
        e.Arzt = m_arzt->currentText();
        for (int i = 0; i < gruppe.size(); ++i)
            Version2Import::anwenden(e, i, gruppe.at(i));
        m_empfaenger->setEditText(e.Empfaenger);
        m_beleg->setText(e.Beleg);
        m_datum->setText(e.Datum);
        m_artListe->setEditText(e.Art);
        m_rechnung->setText(e.Rechnung);
        m_versicherung->setText(e.Versicherung);
        m_arzt->setEditText(e.Arzt);
        if (gruppe.size() == Version2Import::GruppenGroesse)
            Hinzufuegen_Knopf_Click();
    }
}

// --- keyboard path and field formatting ---

void Aufwendungen::verlassen(QWidget *feld)
{
    auto datum = [](QLineEdit *e) { e->setText(GermanDate::normalized(e->text())); };
    auto betrag = [](QLineEdit *e) {
        if (const auto v = GermanMoney::parse(e->text()))
            e->setText(GermanMoney::format(*v));
    };
    if (feld == m_datum || feld == m_bezahltam || feld == m_antragsdatum || feld == m_eingereichtam
        || feld == m_zurueckerhalten || feld == m_abschlagDatum) {
        datum(static_cast<QLineEdit *>(feld));
    } else if (feld == m_versicherung || feld == m_erstattung || feld == m_erstattungV) {
        betrag(static_cast<QLineEdit *>(feld));
    } else if (feld == m_rechnung) {
        betrag(m_rechnung);
        if (m_versicherung->text().isEmpty()) {
            Rechnen_Knopf_Click();
            // After the focus change in progress has finished.
            QMetaObject::invokeMethod(this, [this] { m_versicherung->setFocus(); }, Qt::QueuedConnection);
        }
    }
}

bool Aufwendungen::eventFilter(QObject *objekt, QEvent *ereignis)
{
    auto *w = qobject_cast<QWidget *>(objekt);
    if (!w)
        return Maske::eventFilter(objekt, ereignis);
    if (w == m_liste) {
        if (ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent *>(ereignis)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                Bearbeiten_Knopf_Click();
                m_beleg->setFocus();
                return true;
            }
        }
        return Maske::eventFilter(objekt, ereignis);
    }
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste != Qt::Key_Return && taste != Qt::Key_Enter)
            break;
        const QHash<QWidget *, QWidget *> weiter = {
            {m_beleg, m_datum},           {m_datum, m_empfaenger},         {m_empfaenger, m_artListe},
            {m_rechnungsnummer, m_rechnung}, {m_rechnung, m_versicherung}, {m_versicherung, m_erstattung},
            {m_erstattung, m_erstattungV}, {m_erstattungV, m_arzt},       {m_arzt, m_faelligam},
            {m_faelligam, m_bezahltam},   {m_bezahltam, m_beleg}};
        if (QWidget *ziel = weiter.value(w)) {
            ziel->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        const int laenge = (w == m_arzt || w == m_bemerkungen) ? 100 : 15;
        QLineEdit *e = qobject_cast<QLineEdit *>(w);
        if (auto *c = qobject_cast<QComboBox *>(w))
            e = c->lineEdit();
        if (e) {
            QPointer<QLineEdit> ziel(e);
            QMetaObject::invokeMethod(
                this,
                [ziel, laenge] {
                    if (ziel && ziel->hasFocus())
                        ziel->setSelection(0, qMin(laenge, int(ziel->text().size())));
                },
                Qt::QueuedConnection);
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason)
            verlassen(w);
        break;
    }
    default:
        break;
    }
    return Maske::eventFilter(objekt, ereignis);
}
