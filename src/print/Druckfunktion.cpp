#include "print/Druckfunktion.h"

#include "ledger/Aufwendungen.h"
#include "print/Antragsseiten.h"
#include "print/Aufwendungsbelege.h"
#include "print/Aufwendungsseiten.h"
#include "print/Druckerwahl.h"
#include "print/Druckvorschau.h"
#include "print/Fortschrittsbalken.h"
#include "print/Seitenflaeche.h"
#include "shell/Dialoge.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"
#include "shell/HilfeFenster.h"
#include "ledger/Belegzugang.h"
#include "print/Einreichungspaket.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QApplication>
#include <QDir>
#include <QVBoxLayout>
#include <optional>

namespace {
const QString kTitel = QStringLiteral("Antrag drucken...");

const Rechnungspositionen &keineBelege()
{
    static const Rechnungspositionen leer;
    return leer;
}
} // namespace

Druckfunktion::Druckfunktion(Hauptform &hauptform, Druckerwahl *druckerwahl, QWidget *parent)
    : QDialog(parent)
    , m_hauptform(hauptform)
    , m_druckerwahl(druckerwahl)
{
    setObjectName(QStringLiteral("Druckfunktion"));
    setWindowTitle(QStringLiteral(" Drucken"));
    aufbauen();
}

void Druckfunktion::aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setSpacing(6);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setMaximumHeight(12);
    spalte->addWidget(m_progress);

    m_belege = new QComboBox(this);
    m_belege->setObjectName(QStringLiteral("Belege"));
    m_belege->setEditable(false);
    m_belege->setStyleSheet(QStringLiteral("QComboBox { background-color: #FFFFC0; }"));
    m_belege->setToolTip(QStringLiteral("Sie haben mehr Aufwendungen erfasst als auf ein Blatt passen. Wählen Sie hier "
                                        "welche Aufwendungen gedruckt werden sollen."));
    spalte->addWidget(m_belege);

    for (int i = 0; i < 5; ++i) {
        auto *k = new QPushButton(this);
        k->setObjectName(QStringLiteral("Drucken_Knopf"));
        k->setProperty("index", i);
        k->setMinimumHeight(30);
        k->setAutoDefault(false);
        if (i == 4) {
            k->setText(QStringLiteral(" Aufstellung für die Versicherung"));
            k->setToolTip(QStringLiteral("druckt für jede Person eine Auflistung für die Versicherung - Achtung: bitte "
                                         "Felder unter private Krankenversicherung ausfüllen!"));
            spalte->addSpacing(6);
        }
        spalte->addWidget(k);
        connect(k, &QPushButton::clicked, this, [this, i] { Drucken_Knopf_Click(i); });
        m_knoepfe.append(k);
    }

    m_paket = new QPushButton(QStringLiteral("Als PDF zum Einreichen…"), this);
    m_paket->setObjectName(QStringLiteral("Paket_Knopf"));
    m_paket->setToolTip(QStringLiteral("legt Vorderseite, Rückseite, die Aufstellungen und die Bilder aller Belege in "
                                       "eine PDF-Datei zum Ausdrucken oder Hochladen"));
    m_paket->setMinimumHeight(30);
    m_paket->setAutoDefault(false);
    connect(m_paket, &QPushButton::clicked, this, &Druckfunktion::Paket_Knopf_Click);
    spalte->addSpacing(6);
    spalte->addWidget(m_paket);

    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Abbrechen_Knopf"));
    abbrechen->setToolTip(QStringLiteral("diese Dialogbox verlassen"));
    abbrechen->setMinimumHeight(30);
    abbrechen->setAutoDefault(false);
    connect(abbrechen, &QPushButton::clicked, this, &Druckfunktion::Abbrechen_Knopf_Click);
    spalte->addSpacing(6);
    spalte->addWidget(abbrechen);

    auto *schalter = new QHBoxLayout;
    m_bildschirm = new QCheckBox(QStringLiteral("auf den Bildschirm drucken"), this);
    m_bildschirm->setObjectName(QStringLiteral("Bildschirm"));
    m_nurInhalte = new QCheckBox(QStringLiteral("nur Inhalte drucken"), this);
    m_nurInhalte->setObjectName(QStringLiteral("nurInhalte"));
    schalter->addWidget(m_bildschirm);
    schalter->addStretch(1);
    schalter->addWidget(m_nurInhalte);
    spalte->addLayout(schalter);

    // Hidden switches of the printing run.
    m_bereich = new QLineEdit(QStringLiteral("ZA"), this);
    m_bereich->setObjectName(QStringLiteral("Bereich"));
    m_bereich->hide();
    m_querformat = new QCheckBox(this);
    m_querformat->setObjectName(QStringLiteral("Querformat"));
    m_querformat->hide();
    m_pkvp = new QLabel(this);
    m_pkvp->setObjectName(QStringLiteral("pKVP"));
    m_pkvp->hide();

    // The rest of the program waits while the dialog is open: F1 here
    // opens the guide at the expense pages.
    auto *hilfe = new QShortcut(QKeySequence::HelpContents, this);
    connect(hilfe, &QShortcut::activated, this, [this] { HilfeFenster::zeigen(this, objectName()); });

    setMinimumWidth(400);
    setSizeGripEnabled(false);
}

Aufwendungen *Druckfunktion::ledger() const
{
    return qobject_cast<Aufwendungen *>(m_hauptform.maske(QStringLiteral("Aufwendungen")));
}

const Rechnungspositionen &Druckfunktion::tabelle() const
{
    const Aufwendungen *a = ledger();
    return a ? a->rechnungspositionen() : keineBelege();
}

bool Druckfunktion::antragInEuro() const
{
    const Aufwendungen *a = ledger();
    const QCheckBox *c = a ? a->findChild<QCheckBox *>(QStringLiteral("AEuro")) : nullptr;
    return c && c->isChecked();
}

bool Druckfunktion::pflegeantrag() const
{
    const Aufwendungen *a = ledger();
    const QCheckBox *c = a ? a->findChild<QCheckBox *>(QStringLiteral("Pflegeantrag")) : nullptr;
    return c && c->isChecked();
}

void Druckfunktion::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    aktivieren();
}

void Druckfunktion::zentrieren()
{
    adjustSize();
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

void Druckfunktion::aktivieren()
{
    const Katalogeintrag &k = m_hauptform.katalog();
    const int proSeite = Aufwendungsseiten::proSeite(k);
    const int anzahl = tabelle().anzahl();
    m_belege->setEnabled(proSeite < anzahl);
    // Without receipts no block of an earlier application stays offered.
    m_belege->clear();
    m_belege->addItems(Aufwendungsseiten::bloecke(anzahl, proSeite));
    if (m_belege->count() > 0)
        m_belege->setCurrentIndex(0);
    const bool pflege = pflegeantrag();
    for (int i = 0; i < 4; ++i) {
        const Aufwendungsseiten::Knopf kn = Aufwendungsseiten::knopf(k, i, pflege);
        m_knoepfe[i]->setText(kn.text);
        m_knoepfe[i]->setEnabled(kn.aktiv);
    }
    zentrieren();
}

QString Druckfunktion::Aufwendungswert(const QString &name, int nummer) const
{
    Aufwendungsbelege b(tabelle(), antragInEuro());
    b.setPerson(m_pkvp->text());
    return b.Aufwendungswert(name, nummer);
}

void Druckfunktion::Abbrechen_Knopf_Click()
{
    reject();
}

bool Druckfunktion::Drucken_Knopf_Click(int index)
{
    if (index < 0 || index > 4)
        return false;
    if (index < 4) {
        m_bereich->setText(m_hauptform.katalog().Druckbereiche[Aufwendungsseiten::druckbereich(index, pflegeantrag())]);
        // A person of an earlier insurance list does not filter these pages.
        m_pkvp->clear();
        if (!m_bereich->text().isEmpty()) {
            bool quer = m_querformat->isChecked();
            m_bereich->setText(Antragsseiten::layoutname(m_bereich->text(), &quer));
            m_querformat->setChecked(quer);
        }
        return seiteAusgeben();
    }
    // On the screen, all pages of all persons go into one preview window.
    if (m_bildschirm->isChecked() && !m_sammelvorschau) {
        Druckvorschau vorschau(this);
        m_sammelvorschau = &vorschau;
        m_gesammelt = 0;
        const bool ok = Drucken_Knopf_Click(4);
        m_sammelvorschau = nullptr;
        if (!ok || m_gesammelt == 0)
            return ok;
        vorschau.zeigeSeite(0);
        if (Dialoge::ausfuehren(&vorschau) != Druckvorschau::Drucken)
            return true;
        // "Drucken" in the preview: the same lists on the chosen printer.
        m_bildschirm->setChecked(false);
        const bool gedruckt = Drucken_Knopf_Click(4);
        m_bildschirm->setChecked(true);
        return gedruckt;
    }
    // One list per person who has receipts, in the fixed order; a long list
    // goes on over further pages, the total on the last.
    const QVector<Aufwendungsseiten::Person> personen = Aufwendungsseiten::personensummen(tabelle(), antragInEuro());
    for (const Aufwendungsseiten::Person &p : personen) {
        m_pkvp->setText(p.code);
        m_bereich->setText(Aufwendungsseiten::Versicherungslayout);
        m_querformat->setChecked(false);
        QLineEdit *summe = m_hauptform.feld(QStringLiteral("Versicherungspersonensumme"));
        if (summe)
            summe->setText(GermanMoney::format(p.summe));
        const QVector<Aufwendungsseiten::Bereich> seiten = Aufwendungsseiten::versicherungsseiten(tabelle(), p.code);
        for (qsizetype i = 0; i < seiten.size(); ++i) {
            if (summe)
                summe->setText(Aufwendungsseiten::versicherungssumme(p, i + 1 == seiten.size()));
            // Each page its own file name: "ZAARV-A", "ZAARV-A-2", ...
            m_dateizusatz = i > 0 ? QStringLiteral("-%1").arg(i + 1) : QString();
            const bool ok = seiteAusgeben(seiten.at(i));
            m_dateizusatz.clear();
            if (!ok)
                return false;
        }
    }
    return true;
}

bool Druckfunktion::seiteAusgeben(std::optional<Aufwendungsseiten::Bereich> vorgegeben)
{
    if (Aufwendungen *a = ledger())
        a->einlesen();
    const Rechnungspositionen &t = tabelle();
    const int anzahl = t.anzahl();
    const int block = m_belege->count() > 0 ? m_belege->currentIndex() : -1;
    const Aufwendungsseiten::Bereich bereich = vorgegeben.value_or(
        Aufwendungsseiten::bereich(block, anzahl, Aufwendungsseiten::proSeite(m_hauptform.katalog()),
                                   m_hauptform.antragText(), m_bereich->text()));
    // The grand totals only on the page that ends with the last receipt;
    // afterwards the main window has them again.
    QList<QPair<QLineEdit *, QString>> geleert;
    if (!vorgegeben && Aufwendungsseiten::summenLeeren(bereich, anzahl)) {
        for (const char *n : {"SummeRechnungsbetrag", "SummeVersicherungsbetrag"})
            if (QLineEdit *e = m_hauptform.feld(QString::fromLatin1(n))) {
                geleert.append({e, e->text()});
                e->clear();
            }
    }
    m_hauptform.Felder_einlesen();

    Aufwendungsbelege belege(t, antragInEuro());
    belege.setBereich(bereich.von, bereich.bis);
    belege.setPerson(m_pkvp->text());
    Druckauftrag a;
    a.variante = Druckvariante::fuer(m_bildschirm->isChecked() ? Druckvariante::Aufrufer::AufwendungenVorschau
                                                               : Druckvariante::Aufrufer::Aufwendungen);
    a.datenbank = m_hauptform.druckdatenbank();
    a.layout = m_bereich->text();
    a.euro = antragInEuro();
    a.querformat = m_querformat->isChecked();
    a.nurInhalte = m_nurInhalte->isChecked();
    if (QLineEdit *e = m_hauptform.feld(QStringLiteral("Offset")))
        a.offset = e->text();
    a.pKVP = m_pkvp->text();
    a.felder = &m_hauptform.feldtabelle();
    a.belege = &belege;
    const bool ok = m_bildschirm->isChecked() ? Vorschau(a) : drucken(a);
    for (const auto &g : geleert)
        g.first->setText(g.second);
    return ok;
}

bool Druckfunktion::Vorschau(const Druckauftrag &auftrag)
{
    std::optional<Druckvorschau> eigene;
    Druckvorschau *vorschau = m_sammelvorschau;
    if (vorschau) {
        if (m_gesammelt++ > 0)
            vorschau->neueSeite();
    } else {
        vorschau = &eigene.emplace(this);
    }
    vorschau->Bereich()->setText(auftrag.layout);
    vorschau->setQuerformat(auftrag.querformat);
    Fortschrittsbalken balken(m_progress, Fortschrittsbalken::Sichtbarkeit::Immer);
    Druckauftrag a = auftrag;
    a.fortschritt = &balken;
    const Druckergebnis e = Layoutinterpreter::drucken(a, vorschau->bildflaeche());
    vorschau->bildAktualisieren();
    if (!e.ok) {
        Dialoge::meldung(this, QMessageBox::Warning, kTitel, e.fehler);
        return false;
    }
    if (!eigene)
        return true; // shown when all pages are drawn
    if (Dialoge::ausfuehren(vorschau) != Druckvorschau::Drucken)
        return true;
    // "Drucken" in the preview: the same page on the chosen printer.
    Druckauftrag aufDrucker = auftrag;
    aufDrucker.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
    return drucken(aufDrucker);
}

bool Druckfunktion::drucken(Druckauftrag auftrag)
{
    QString fehler;
    const std::optional<Layout> layout = Layoutinterpreter::vorlage(auftrag, &fehler);
    if (!layout) {
        Dialoge::meldung(this, QMessageBox::Warning, kTitel, fehler);
        return false;
    }
    if (!m_druckerwahl)
        return false;
    QString name = auftrag.layout;
    if (!auftrag.pKVP.isEmpty())
        name += u'-' + auftrag.pKVP + m_dateizusatz;
    const QString vorschlag = m_hauptform.datenverzeichnis() + name + QStringLiteral(".pdf");
    std::unique_ptr<Seitenflaeche> flaeche = m_druckerwahl->auftrag(this, name, vorschlag);
    if (!flaeche)
        return false; // no file chosen
    Fortschrittsbalken balken(m_progress, Fortschrittsbalken::Sichtbarkeit::Immer);
    auftrag.fortschritt = &balken;
    const Druckergebnis e = Layoutinterpreter::zeichnen(auftrag, *layout, *flaeche);
    m_druckerwahl->auftragBeendet(*flaeche);
    if (!e.ok) {
        Dialoge::meldung(this, QMessageBox::Critical, kTitel, e.fehler);
        return false;
    }
    return true;
}

QString Druckfunktion::paketvorschlag()
{
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(dokumente);
    return QDir(dokumente).filePath(Einreichungspaket::dateiname(QDate::currentDate()));
}

bool Druckfunktion::Paket_Knopf_Click()
{
    if (Aufwendungen *a = ledger())
        a->einlesen();
    m_hauptform.Felder_einlesen();
    QString datei = Dialoge::dateiSpeichern(this, QStringLiteral("Als PDF zum Einreichen"), paketvorschlag());
    if (datei.isEmpty())
        return false;
    if (QFileInfo(datei).suffix().isEmpty())
        datei += QStringLiteral(".pdf");

    const Feldtabelle &felder = m_hauptform.feldtabelle();
    Einreichungspaket::Auftrag a;
    a.datenbank = m_hauptform.druckdatenbank();
    a.eintrag = m_hauptform.katalog();
    a.formularart = m_hauptform.antragText();
    a.pflege = pflegeantrag();
    a.antragInEuro = antragInEuro();
    a.euroformular = felder.Feldwert(QStringLiteral("Euroformularbenutzen")) == std::optional(QStringLiteral("1"));
    a.felder = &felder;
    a.belege = &tabelle();
    a.datenverzeichnis = m_hauptform.datenverzeichnis();
    a.bilder = &Belegzugang::seiten;
    // The pictures are read on all cores; the bar moves receipt by receipt.
    a.fortschritt = [this](int fertig, int alle) {
        m_progress->setRange(0, alle);
        m_progress->setValue(fertig);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Einreichungspaket::Ergebnis e = Einreichungspaket::schreiben(a, datei);
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    if (!e.ok) {
        Dialoge::meldung(this, QMessageBox::Critical, kTitel, e.fehler);
        return false;
    }
    m_hauptform.meldeGespeichert(datei);
    if (!e.fehlend.isEmpty())
        Dialoge::meldung(this, QMessageBox::Information, kTitel,
                         QStringLiteral("Die PDF-Datei ist geschrieben, doch diese Bilder fehlen darin; die letzte "
                                        "Seite nennt die Belege:\n\n%1")
                             .arg(e.fehlend.join(u'\n')));
    return true;
}
