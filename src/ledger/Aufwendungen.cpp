#include "ledger/Aufwendungen.h"

#include "ledger/Bescheidaktionen.h"
#include "ledger/Rechnungsliste.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "ledger/Aerzteliste.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/AufwendungenEingabe.h"
#include "ledger/AufwendungenListe.h"
#include "ledger/Aufwendungsbausteine.h"
#include "ledger/Belegablage.h"
#include "ledger/Kostenarten.h"
#include "ledger/LadenForm.h"
#include "ledger/LbvPruefung.h"
#include "ledger/Numerierenform.h"
#include "ledger/Summen.h"
#include "shell/Datumsauswahl.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/Verzeichnisse.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QThread>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Aufwendungsbausteine;

Aufwendungen::Aufwendungen(Hauptform &hauptform, QWidget *parent)
    : Maske(hauptform, QStringLiteral("Aufwendungen"), titelOhnePflege(), parent)
{
    aufbauen();
    laden();
}

Aufwendungen::~Aufwendungen()
{
    m_abbrechen = true;
    if (m_leser)
        m_leser->wait();
}

void Aufwendungen::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto *leiste = new QMenuBar(this);
    layout->setMenuBar(leiste);

    m_liste = new AufwendungenListe(this);
    connect(m_liste, &AufwendungenListe::bearbeiten, this, [this](bool perTaste) {
        Bearbeiten_Knopf_Click();
        if (perTaste)
            m_eingabe->belegFokussieren();
    });
    connect(m_liste, &AufwendungenListe::bildZeigen, this, &Aufwendungen::belegZeigen);
    connect(m_liste, &AufwendungenListe::loeschen, this, &Aufwendungen::Loeschen_Knopf_Click);
    setAcceptDrops(true);
    layout->addWidget(m_liste, 1);

    m_infozeile = new QLabel(QStringLiteral("Keine Aufwendungen eingegeben !"), this);
    m_infozeile->setObjectName(QStringLiteral("Infozeile"));
    m_infozeile->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_infozeile);
    m_erwartetSumme = new QLabel(this);
    m_erwartetSumme->setObjectName(QStringLiteral("ErwartetSumme"));
    // A long sum line never widens the window.
    m_erwartetSumme->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_erwartetSumme);

    // Panel1: the entry fields of one receipt.
    m_eingabe = new AufwendungenEingabe(m_hauptform, this);
    connect(m_eingabe, &AufwendungenEingabe::aerztelisteBearbeiten, this, &Aufwendungen::Arztedit_Knopf_Click);

    // Panel4: the application header, in the same place as Panel1.
    kopfAufbauen();

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
                      {"Felder_Löschen_Knopf", "Felder löschen", &Aufwendungen::Felder_Loeschen_Knopf_Click},
                      {"Einlesen_Knopf", "Beleg einlesen…", &Aufwendungen::Einlesen_Knopf_Click},
                      {"Anzeigen_Knopf", "Beleg anzeigen", &Aufwendungen::Anzeigen_Knopf_Click}};
    int n = 0;
    for (const Op &op : ops) {
        auto *b = knopf(QString::fromUtf8(op.name), QString::fromUtf8(op.text), m_panel2);
        connect(b, &QPushButton::clicked, this, op.slot);
        p2->addWidget(b, n / 2, n % 2);
        ++n;
    }

    auto *mitte = new QHBoxLayout;
    mitte->setSpacing(4);
    mitte->addWidget(m_eingabe, 1);
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
    m_lesefortschritt = new QProgressBar(m_panel3);
    m_lesefortschritt->setObjectName(QStringLiteral("Lesefortschritt"));
    m_lesefortschritt->setToolTip(QStringLiteral("Beleg wird gelesen"));
    m_leseAbbrechen = knopf(QStringLiteral("Lesen_Abbrechen_Knopf"), QStringLiteral("Abbrechen"), m_panel3);
    m_leseAbbrechen->setToolTip(QStringLiteral("das Einlesen der Belege abbrechen"));
    connect(m_leseAbbrechen, &QPushButton::clicked, this, &Aufwendungen::Lesen_Abbrechen_Knopf_Click);
    p3->addWidget(m_lesefortschritt, 1);
    p3->addWidget(m_leseAbbrechen);
    m_lesefortschritt->hide();
    m_leseAbbrechen->hide();
    layout->addWidget(m_panel3);

    menueAufbauen(leiste);

    if (QCheckBox *tarvik = m_hauptform.kasten(QStringLiteral("Tarvik")))
        connect(tarvik, &QCheckBox::toggled, m_menueExport, &QAction::setVisible);

    speichernFreigeben(false);
    resize(860, 560);
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
        m_eingabe->euroSetzen(true);
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
                m_eingabe->belegFokussieren();
            else
                m_liste->setFocus();
        },
        Qt::QueuedConnection);
}

// --- cost types and care mode ---

void Aufwendungen::Kostenart()
{
    m_eingabe->kostenartenSetzen(Kostenarten::istLbv(m_hauptform.antragText()) ? Kostenarten::lbv()
                                                                               : Kostenarten::allgemein());
}

void Aufwendungen::pflegeGeaendert(bool an)
{
    m_liste->artAusblenden(an);
    m_eingabe->pflegeSetzen(an);
    setWindowTitle(an ? titelPflege() : titelOhnePflege());
}

// --- the entry fields and the list ---

void Aufwendungen::Felder_loeschen()
{
    m_eingabe->felderLoeschen(m_pflegeantrag->isChecked());
}

void Aufwendungen::Felder_Loeschen_Knopf_Click()
{
    m_eingabe->alleLoeschen(m_pflegeantrag->isChecked());
}

int Aufwendungen::aktuelleZeile() const
{
    const int p = m_liste->aktuelleZeile();
    return m_tabelle.gueltig(p) ? p : 0;
}

void Aufwendungen::setzeAktuelleZeile(int p)
{
    if (m_tabelle.gueltig(p))
        m_liste->setzeAktuelleZeile(p);
}

void Aufwendungen::Hinzufuegen_Knopf_Click()
{
    if (!m_eingabe->pruefen())
        return;
    schrittMerken(QStringLiteral("Hinzufügen"));
    m_tabelle.hinzufuegen(m_eingabe->eintrag());
    einlesen();
    Felder_loeschen();
    m_eingabe->belegFokussieren();
    antragsdatumHinweis();
}

bool Aufwendungen::positionHinzufuegen(const Rechnungsposition &r)
{
    if (!AufwendungenEingabe::pruefen(this, r))
        return false;
    schrittMerken(QStringLiteral("Hinzufügen"));
    m_tabelle.hinzufuegen(r);
    einlesen();
    antragsdatumHinweis();
    return true;
}

void Aufwendungen::antragsdatumHinweis()
{
    // Once per application, not after each of its receipts.
    const QString k = Antragsdatenbank::kennung(m_antragsdatum->text(), m_unternummer->text());
    if (GermanDate::isDate(m_antragsdatum->text()) || m_hinweisKennung == k)
        return;
    m_hinweisKennung = k;
    Dialoge::meldung(this, QMessageBox::Information, QStringLiteral("Wichtiger Hinweis!"),
                     QStringLiteral("Sie haben noch kein Antragsdatum eingegeben!\r"
                                    "Bitte 'Antragsinfo' drücken und Datum eingeben.\r\r"
                                    "Ansonsten ist das Speichern des Antrages nicht möglich!"),
                     QMessageBox::Ok);
}

void Aufwendungen::Einfuegen_Knopf_Click()
{
    if (!m_eingabe->pruefen())
        return;
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    schrittMerken(QStringLiteral("Einfügen"));
    m_tabelle.einfuegen(p, m_eingabe->eintrag());
    einlesen();
    setzeAktuelleZeile(p);
    Felder_loeschen();
}

void Aufwendungen::Bearbeiten_Knopf_Click()
{
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    m_eingabe->zeigen(m_tabelle.slot(p));
}

void Aufwendungen::Aendern_Knopf_Click()
{
    if (!m_eingabe->pruefen())
        return;
    const int p = aktuelleZeile();
    if (p == 0)
        return;
    schrittMerken(QStringLiteral("Ändern"));
    m_tabelle.aendern(p, m_eingabe->eintrag());
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
    schrittMerken(QStringLiteral("Löschen"));
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
    // The expected refund per receipt, with the fee check's reduction of a read invoice.
    Bescheidaktionen::Erwartung erwartung = Bescheidaktionen::erwartung(m_hauptform, m_tabelle.alle());
    m_erwartetSumme->setText(Bescheidaktionen::summentext(erwartung));
    m_erwartetSumme->setVisible(!m_erwartetSumme->text().isEmpty()); // no empty line above the entry fields
    static_cast<Rechnungsliste *>(m_liste->model())
        ->setErwartung(std::move(erwartung.eingaben), std::move(erwartung.ergebnisse));
    m_liste->setZeilen(std::move(zeilen), m_tabelle.alle());
    m_liste->artAusblenden(m_pflegeantrag->isChecked());
    m_infozeile->setText(s.infozeile());
    m_menueRueckgaengig->setEnabled(!m_verlauf.leer());
    m_menueRueckgaengig->setText(m_verlauf.leer() ? QStringLiteral("&Rückgängig")
                                                  : QStringLiteral("&Rückgängig: ") + m_verlauf.naechster());
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
    m_eingabe->rechnen();
}

// --- header, storing and loading ---


void Aufwendungen::speichernFreigeben(bool an)
{
    m_speichernKnopf->setEnabled(an);
    if (m_menueSpeichern)
        m_menueSpeichern->setEnabled(an);
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
    if (ok) {
        standMerken();
        // Pictures no stored application and no receipt here uses go.
        QSet<QString> hier;
        for (const Rechnungsposition &r : m_tabelle.alle())
            hier.insert(r.belegdatei);
        hier.unite(m_verlauf.belegdateien()); // Strg+Z may bring them back
        Belegablage::aufraeumen(m_hauptform.datenverzeichnis(), pfad, hier);
        m_hauptform.meldeGespeichert(QFileInfo(pfad).absoluteFilePath());
    }
    else
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Der Antrag konnte nicht gespeichert werden.\n"
                                        "Der bisher gespeicherte Stand ist unverändert.\n\nDatei: %1\nGrund: %2")
                             .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), fehler));
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
    antragGewechselt();
    speichernFreigeben(false);
    einlesen();
    for (QLineEdit *e : {m_bemerkungen, m_antragsdatum, m_eingereichtam, m_zurueckerhalten, m_unternummer,
                         m_abschlagDatum, m_abschlagHoehe})
        e->clear();
    standMerken();
}

void Aufwendungen::standMerken()
{
    m_gemerkterKopf = kopf();
    m_gemerktePositionen = m_tabelle.alle();
}

bool Aufwendungen::ungespeichert() const
{
    return !m_tabelle.istLeer() && (m_tabelle.alle() != m_gemerktePositionen || kopf() != m_gemerkterKopf);
}

void Aufwendungen::antragOeffnen(const QString &k)
{
    const QString offen = Antragsdatenbank::kennung(m_antragsdatum->text(), m_unternummer->text());
    if (k.isEmpty() || (k == offen && !m_tabelle.istLeer()))
        return;
    if (ungespeichert()) {
        const auto antwort = Dialoge::meldung(
            this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
            QStringLiteral("Die Belege des Antrags %1 sind noch nicht gespeichert.\n"
                           "Vor dem Laden des Antrags %2 speichern?")
                .arg(offen, k),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (antwort != QMessageBox::Save && antwort != QMessageBox::Discard)
            return;
        if (antwort == QMessageBox::Save && !antragSpeichern())
            return;
    }
    antragLaden(k, false);
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
    if (geladen.kopf) {
        setzeKopf(*geladen.kopf);
    } else if (!hinzuladen && !geladen.positionen.isEmpty()) {
        // Receipts stored without a header row stay under their own key.
        Antragskopf eigener;
        const QString datum = k.section(u'/', 0, 0);
        eigener.Antragsdatum = datum == QLatin1String("ohne") ? QString() : datum;
        eigener.Unternummer = k.section(u'/', 1);
        eigener.AEuro = m_aEuro->isChecked();
        setzeKopf(eigener);
    }
    antragGewechselt();
    if (!geladen.positionen.isEmpty()) {
        if (!hinzuladen)
            m_tabelle.leeren();
        m_tabelle.reservieren(m_tabelle.anzahl() + int(geladen.positionen.size()));
        for (const Rechnungsposition &r : geladen.positionen)
            m_tabelle.hinzufuegen(r);
    }
    einlesen();
    if (!hinzuladen && !geladen.positionen.isEmpty())
        standMerken();
    m_hauptform.antragGeoeffnet(k);
}

void Aufwendungen::Antragsinfo_Knopf_Click()
{
    m_eingabe->setVisible(!m_eingabe->isVisible());
    m_panel4->setVisible(!m_eingabe->isVisible());
}

void Aufwendungen::Aerzte_einlesen()
{
    const auto zeilen = Aerzteliste::lesen(aerztepfad());
    if (!zeilen)
        return;
    m_eingabe->aerzteSetzen(*zeilen);
}

void Aufwendungen::Arztedit_Knopf_Click()
{
    m_hauptform.oeffnen(QStringLiteral("Aerzteform"));
}

// --- keyboard path and field formatting of the header ---

void Aufwendungen::verlassen(QWidget *feld)
{
    if (feld == m_antragsdatum || feld == m_eingereichtam || feld == m_zurueckerhalten || feld == m_abschlagDatum) {
        auto *e = static_cast<QLineEdit *>(feld);
        e->setText(GermanDate::normalized(e->text()));
    }
}

bool Aufwendungen::eventFilter(QObject *objekt, QEvent *ereignis)
{
    auto *w = qobject_cast<QWidget *>(objekt);
    if (!w)
        return Maske::eventFilter(objekt, ereignis);
    if (AufwendungenEingabe::rueckgaengigDemFenster(w, ereignis))
        return true;
    if (ereignis->type() == QEvent::FocusIn) {
        AufwendungenEingabe::markierenBeimBetreten(this, w, w == m_bemerkungen ? 100 : 15);
    } else if (ereignis->type() == QEvent::FocusOut) {
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason)
            verlassen(w);
    }
    return Maske::eventFilter(objekt, ereignis);
}
