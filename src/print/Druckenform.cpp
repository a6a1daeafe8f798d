#include "print/Druckenform.h"

#include "print/Antragsseiten.h"
#include "print/Druckerwahl.h"
#include "print/Druckvorschau.h"
#include "print/Fortschrittsbalken.h"
#include "print/Seitenflaeche.h"
#include "shell/Datumsauswahl.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kGelb = "background-color: #FFFFC0;";

struct Knopftext
{
    const char *text;
    const char *tipp;
};
const Knopftext kKnoepfe[8] = {
    {"Vorderseite drucken", "Aufwendungen ohne dauernde Pflege / Drucken der Vorderseite"},
    {"Rückseite drucken", "Aufwendungen ohne dauernde Pflege / Drucken der Rückseite"},
    {"Vorderseite komplett drucken (Erstantrag)",
     "Aufwendungen ohne dauernde Pflege / Drucken der Vorderseite (bei Änderungen oder bei Erstantrag)"},
    {"Rückseite komplett drucken (Erstantrag)",
     "Aufwendungen ohne dauernde Pflege / Drucken der Rückseite (bei Änderungen oder bei Erstantrag)"},
    {"Vorderseite drucken", "Aufwendungen für dauernde Pflege / Drucken der Vorderseite"},
    {"Rückseite drucken", "Aufwendungen für dauernde Pflege / Drucken der Rückseite"},
    {"Vorderseite komplett drucken (Erstantrag)",
     "Aufwendungen für dauernde Pflege / Drucken der Vorderseite (bei Änderungen oder bei Erstantrag)"},
    {"Rückseite komplett drucken (Erstantrag)",
     "Aufwendungen für dauernde Pflege / Drucken der Rückseite (bei Änderungen oder bei Erstantrag"},
};

QLabel *beschriftung(const QString &text, QWidget *buddy, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setBuddy(buddy);
    return l;
}
} // namespace

Druckenform::Druckenform(Hauptform &hauptform, Druckerwahl &druckerwahl, QWidget *parent)
    : Maske(hauptform, QStringLiteral("Druckenform"), QStringLiteral("Drucken"), parent)
    , m_druckerwahl(druckerwahl)
{
    aufbauen();
}

void Druckenform::aufbauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setSpacing(8);

    auto *label1 = new QLabel(QStringLiteral("Bitte drucken Sie den Antrag auf Gewährung einer Beihilfe immer auf ein "
                                             "Blatt (Vorder- und Rückseite) !"),
                              this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    QFont fett = label1->font();
    fett.setBold(true);
    label1->setFont(fett);
    spalte->addWidget(label1);

    auto *knopfgitter = new QGridLayout;
    knopfgitter->setHorizontalSpacing(12);
    auto *label4 = new QLabel(QStringLiteral("Aufwendungen ohne dauernde Pflege"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    auto *label5 = new QLabel(QStringLiteral("Aufwendungen für dauernde Pflege"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setStyleSheet(QStringLiteral("color: #000080;"));
    knopfgitter->addWidget(label4, 0, 0);
    knopfgitter->addWidget(label5, 0, 1);
    for (int i = 0; i < 8; ++i) {
        auto *k = new QPushButton(QString::fromUtf8(kKnoepfe[i].text), this);
        k->setObjectName(QStringLiteral("Drucken_Knopf"));
        k->setProperty("index", i);
        k->setToolTip(QString::fromUtf8(kKnoepfe[i].tipp));
        k->setMinimumHeight(30);
        knopfgitter->addWidget(k, 1 + i % 4, i / 4);
        connect(k, &QPushButton::clicked, this, [this, i] { Drucken_Knopf_Click(i); });
        m_knoepfe.append(k);
    }
    spalte->addLayout(knopfgitter);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setTextVisible(false);
    QSizePolicy sp = m_progress->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(sp);
    m_progress->hide();
    spalte->addWidget(m_progress);

    auto *felder = new QGridLayout;
    felder->setColumnStretch(3, 1);
    m_datum = new QLineEdit(this);
    m_datum->setObjectName(QStringLiteral("Datum"));
    m_datum->setToolTip(QStringLiteral("Datumseingabe (TT.MM.JJJJ), bei Drücken des \"Heute\"-Knopfes wird automatisch "
                                       "das Systemdatum übernommen"));
    auto *heute = new QPushButton(QStringLiteral("&Heute"), this);
    heute->setObjectName(QStringLiteral("Heute_Knopf"));
    heute->setToolTip(QStringLiteral("<--- Bei Drücken dieses Knopfes wird das \"Systemdatum\" ins Feld \"Datum\" "
                                     "übernommen"));
    felder->addWidget(beschriftung(QStringLiteral("&Datum"), m_datum, this), 0, 0);
    felder->addWidget(m_datum, 0, 1);
    felder->addWidget(heute, 0, 2, Qt::AlignLeft);

    m_gueltigkeit = new QLineEdit(this);
    m_gueltigkeit->setObjectName(QStringLiteral("Gültigkeit"));
    m_gueltigkeit->setToolTip(QStringLiteral("Datum (TT.MM.JJJJ), ab dem Änderungen (z.B. Wohnort, Str., Bank, Konto, "
                                             "usw.) gültig sein sollen  "));
    felder->addWidget(beschriftung(QStringLiteral("Änderungen gültig ab"), m_gueltigkeit, this), 1, 0);
    felder->addWidget(m_gueltigkeit, 1, 1);
    Datumsauswahl::anbringen(m_datum);
    Datumsauswahl::anbringen(m_gueltigkeit);

    m_erstantrag = new QCheckBox(QStringLiteral("Erstantrag"), this);
    m_erstantrag->setObjectName(QStringLiteral("Erstantrag"));
    m_erstantrag->setToolTip(
        QStringLiteral("bitte ankreuzen, wenn von Beihilfestelle danach gefragt wird (z.B. BR Düsseldorf)"));
    felder->addWidget(m_erstantrag, 2, 0, 1, 4);

    m_aenderungen = new QCheckBox(QStringLiteral("in den Bereichen 3 - 5 haben sich Änderungen ergeben"), this);
    m_aenderungen->setObjectName(QStringLiteral("Änderungen"));
    m_aenderungen->setToolTip(QStringLiteral("bitte ankreuzen, wenn sich in den Bereichen 3 - 5 (Bankverbindung, Kinder "
                                             "oder Versicherungen) Änderungen gegenüber dem letzten Antrag ergeben "
                                             "haben"));
    felder->addWidget(m_aenderungen, 3, 0, 1, 4);

    m_offset = new QLineEdit(this);
    m_offset->setObjectName(QStringLiteral("Offset"));
    m_offset->setToolTip(QStringLiteral("hier kann die vertikale Druckposition verändert werden (falls der Antrag bei "
                                        "älteren Drucken nicht richtig gedruckt wird - Werte im mm)"));
    felder->addWidget(beschriftung(QStringLiteral("Offset"), m_offset, this), 4, 0);
    felder->addWidget(m_offset, 4, 1);

    m_vorschau = new QCheckBox(QStringLiteral("auf den Bildschirm drucken"), this);
    m_vorschau->setObjectName(QStringLiteral("Vorschau"));
    m_vorschau->setToolTip(QStringLiteral("bitte ankreuzen wenn Sie den Ausdruck auf dem Bildschirm angezeigt haben wollen"));
    felder->addWidget(m_vorschau, 5, 0, 1, 4);

    m_euroformular = new QCheckBox(QStringLiteral("Euroformular benutzen"), this);
    m_euroformular->setObjectName(QStringLiteral("Euroformular"));
    felder->addWidget(m_euroformular, 6, 0, 1, 4);

    m_druckerliste = new QComboBox(this);
    m_druckerliste->setObjectName(QStringLiteral("Druckerliste"));
    m_druckerliste->setEditable(true);
    m_druckerliste->setInsertPolicy(QComboBox::NoInsert);
    m_druckerliste->setToolTip(QStringLiteral("hier können Sie den Drucker auswählen"));
    m_druckerliste->setMinimumContentsLength(28);
    felder->addWidget(beschriftung(QStringLiteral("Drucker"), m_druckerliste, this), 7, 0);
    felder->addWidget(m_druckerliste, 7, 1, 1, 3);
    spalte->addLayout(felder);
    spalte->addStretch(1);

    for (QWidget *w : {static_cast<QWidget *>(m_datum), static_cast<QWidget *>(m_gueltigkeit),
                       static_cast<QWidget *>(m_offset), static_cast<QWidget *>(m_druckerliste)})
        w->setStyleSheet(QString::fromLatin1(kGelb));

    // Hidden switches of the printing run.
    m_bereich = new QLineEdit(this);
    m_bereich->setObjectName(QStringLiteral("Bereich"));
    m_bereich->hide();
    m_querformat = new QCheckBox(this);
    m_querformat->setObjectName(QStringLiteral("Querformat"));
    m_querformat->hide();
    m_komplett = new QLabel(this);
    m_komplett->setObjectName(QStringLiteral("komplett"));
    m_komplett->hide();

    Hauptform &h = m_hauptform;
    connect(m_datum, &QLineEdit::textChanged, this, [&h](const QString &t) {
        if (QLineEdit *e = h.feld(QStringLiteral("Datum")))
            e->setText(t);
    });
    connect(heute, &QPushButton::clicked, this, &Druckenform::Heute_Knopf_Click);
    connect(m_gueltigkeit, &QLineEdit::textChanged, this, [&h](const QString &t) {
        if (QLineEdit *e = h.feld(QStringLiteral("Gültigkeit")))
            e->setText(t);
        if (QCheckBox *c = h.kasten(QStringLiteral("Datenänderung"))) {
            c->setChecked(false);
            if (!t.trimmed().isEmpty())
                c->setChecked(true);
        }
    });
    connect(m_aenderungen, &QCheckBox::toggled, this, [&h](bool an) {
        if (QCheckBox *c = h.kasten(QStringLiteral("Datenänderung2")))
            c->setChecked(an);
    });
    connect(m_erstantrag, &QCheckBox::toggled, this, [this, &h](bool an) {
        if (QCheckBox *c = h.kasten(QStringLiteral("Erstantrag")))
            c->setChecked(an);
        for (int i : {0, 1, 4, 5})
            m_knoepfe[i]->setEnabled(!an);
    });
    connect(m_offset, &QLineEdit::textChanged, this, [&h](const QString &t) {
        if (QLineEdit *e = h.feld(QStringLiteral("Offset")))
            e->setText(t);
    });
    connect(m_euroformular, &QCheckBox::toggled, this, [&h](bool an) {
        if (QCheckBox *c = h.kasten(QStringLiteral("Euroformular")))
            c->setChecked(an);
    });
    // Typing and choosing both change the text.
    connect(m_druckerliste, &QComboBox::editTextChanged, this, [&h](const QString &t) {
        if (QLineEdit *e = h.feld(QStringLiteral("Druckername")))
            e->setText(t);
    });
}

void Druckenform::aktivieren()
{
    Hauptform &h = m_hauptform;
    if (QLineEdit *e = h.feld(QStringLiteral("Offset")))
        m_offset->setText(e->text());
    if (QLineEdit *e = h.feld(QStringLiteral("Datum")))
        m_datum->setText(e->text());
    if (QCheckBox *c = h.kasten(QStringLiteral("Euroformular")))
        m_euroformular->setChecked(c->isChecked());
    const QString name = h.feld(QStringLiteral("Druckername")) ? h.feld(QStringLiteral("Druckername"))->text() : QString();
    // Filling the list must not pass its first entry on as a choice.
    m_druckerliste->blockSignals(true);
    m_druckerliste->clear();
    m_druckerliste->addItems(Druckerwahl::Printers());
    m_druckerliste->setCurrentIndex(int(m_druckerliste->findText(name, Qt::MatchExactly)));
    m_druckerliste->setEditText(name);
    m_druckerliste->blockSignals(false);
}

void Druckenform::Heute_Knopf_Click()
{
    m_datum->setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

Druckauftrag Druckenform::auftragAnlegen()
{
    Druckauftrag a;
    a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Antrag);
    a.datenbank = m_hauptform.druckdatenbank();
    a.layout = m_bereich->text();
    a.euro = m_euroformular->isChecked();
    a.querformat = m_querformat->isChecked();
    a.komplett = m_komplett->text() == QLatin1String("1");
    if (QLineEdit *e = m_hauptform.feld(QStringLiteral("Offset")))
        a.offset = e->text();
    a.felder = &m_hauptform.feldtabelle();
    return a;
}

bool Druckenform::Drucken_Knopf_Click(int index)
{
    if (index < 0 || index >= 8)
        return false;
    m_komplett->clear();
    m_bereich->clear();
    if (QCheckBox *c = m_hauptform.kasten(QStringLiteral("Erstantrag")))
        c->setChecked(m_erstantrag->isChecked());
    const Antragsseiten::Seite &seite = Antragsseiten::seiten()[index];
    m_bereich->setText(m_hauptform.katalog().Druckbereiche[seite.druckbereich]);
    if (seite.komplett)
        m_komplett->setText(QStringLiteral("1"));
    if (!m_bereich->text().isEmpty()) {
        bool quer = m_querformat->isChecked();
        m_bereich->setText(Antragsseiten::layoutname(m_bereich->text(), &quer));
        m_querformat->setChecked(quer);
    }
    m_hauptform.Felder_einlesen();
    Druckauftrag a = auftragAnlegen();
    if (m_vorschau->isChecked())
        return vorschauZeigen(a);
    return Antrag_drucken(a);
}

bool Druckenform::vorschauZeigen(Druckauftrag auftrag)
{
    Druckvorschau vorschau(window());
    vorschau.Bereich()->setText(m_bereich->text());
    vorschau.setQuerformat(auftrag.querformat);
    const Druckergebnis e = vorschau.drucken(auftrag);
    if (!e.ok) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Antrag drucken..."), e.fehler);
        return false;
    }
    if (Dialoge::ausfuehren(&vorschau) != Druckvorschau::Drucken)
        return true;
    // "Drucken" in the preview: the same page on the chosen printer.
    return Antrag_drucken(auftrag);
}

bool Druckenform::Antrag_drucken(Druckauftrag auftrag)
{
    QString fehler;
    const std::optional<Layout> layout = Layoutinterpreter::vorlage(auftrag, &fehler);
    if (!layout) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Antrag drucken..."), fehler);
        return false;
    }
    const QString vorschlag = m_hauptform.datenverzeichnis() + auftrag.layout + QStringLiteral(".pdf");
    std::unique_ptr<Seitenflaeche> flaeche = m_druckerwahl.auftrag(this, auftrag.layout, vorschlag);
    if (!flaeche)
        return false; // no file chosen
    Fortschrittsbalken balken(m_progress, Fortschrittsbalken::Sichtbarkeit::Lauf);
    auftrag.fortschritt = &balken;
    const Druckergebnis e = Layoutinterpreter::zeichnen(auftrag, *layout, *flaeche);
    m_druckerwahl.auftragBeendet(*flaeche);
    if (!e.ok) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Antrag drucken..."), e.fehler);
        return false;
    }
    return true;
}
