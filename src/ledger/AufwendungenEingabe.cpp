#include "ledger/AufwendungenEingabe.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "ledger/Aufwendungsbausteine.h"
#include "shell/Datumsauswahl.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/ZweispaltenCombo.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QIntValidator>
#include <QKeyEvent>
#include <QPointer>

using namespace Aufwendungsbausteine;

AufwendungenEingabe::AufwendungenEingabe(Hauptform &hauptform, QWidget *parent)
    : QFrame(parent), m_hauptform(hauptform)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    auto *g = new QGridLayout(this);
    g->setContentsMargins(6, 4, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(2);
    m_beleg = textfeld(QStringLiteral("Beleg"), this, 50);
    m_beleg->setValidator(new QIntValidator(-32768, 32767, m_beleg));
    m_datum = textfeld(QStringLiteral("Datum"), this, 85);
    m_empfaenger = new QComboBox(this);
    m_empfaenger->setObjectName(QStringLiteral("Empfänger"));
    m_empfaenger->setEditable(true);
    m_empfaenger->setInsertPolicy(QComboBox::NoInsert);
    m_empfaenger->addItems({QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("K1"), QStringLiteral("K2"),
                            QStringLiteral("K3"), QStringLiteral("K4"), QStringLiteral("K5")});
    m_empfaenger->setMinimumWidth(60);
    leeren(m_empfaenger);
    m_artListe = new ZweispaltenCombo(QStringLiteral("Art"), QStringLiteral("Bezeichnung"), this);
    m_artListe->setObjectName(QStringLiteral("ArtListe"));
    m_artListe->setMinimumWidth(95);
    m_artLabel = beschriftung(QStringLiteral("Art"), this);
    m_artLabel->setObjectName(QStringLiteral("ArtLabel"));
    m_rechnungsnummer = textfeld(QStringLiteral("Rechnungsnummer"), this, 100);
    m_faelligam = textfeld(QStringLiteral("fälligam"), this, 85);
    m_bezahltam = textfeld(QStringLiteral("bezahltam"), this, 85);
    for (QLineEdit *e : {m_datum, m_faelligam, m_bezahltam})
        Datumsauswahl::anbringen(e);
    m_rechnung = textfeld(QStringLiteral("Rechnung"), this, 85);
    m_versicherung = textfeld(QStringLiteral("Versicherung"), this, 85);
    m_erstattung = textfeld(QStringLiteral("Erstattung"), this, 85);
    m_erstattungV = textfeld(QStringLiteral("ErstattungV"), this, 85);
    for (QLineEdit *e : {m_rechnung, m_versicherung, m_erstattung, m_erstattungV})
        e->setAlignment(Qt::AlignRight);
    m_euro = new QCheckBox(QStringLiteral("Euro"), this);
    m_euro->setObjectName(QStringLiteral("Euro"));
    m_arzt = new QComboBox(this);
    m_arzt->setObjectName(QStringLiteral("Arzt"));
    m_arzt->setEditable(true);
    m_arzt->setInsertPolicy(QComboBox::NoInsert);
    m_arzt->setMinimumWidth(160);
    auto *rechnenKnopf = knopf(QStringLiteral("Rechnen_Knopf"), QStringLiteral("Berechnen"), this);
    rechnenKnopf->setToolTip(QStringLiteral("Versicherung berechnen"));
    auto *arztedit = knopf(QStringLiteral("Arztedit_Knopf"), QStringLiteral("Ärzteliste bearbeiten"), this);

    // Three lines of fields: the receipt, its amounts, payment and payee;
    // narrow enough to leave the button column beside it in a small window.
    const QPair<QWidget *, QString> zeilen[3][5] = {
        {{m_beleg, QStringLiteral("Beleg")},
         {m_datum, QStringLiteral("Datum")},
         {m_empfaenger, QStringLiteral("Empfänger")},
         {m_artListe, QString()},
         {m_rechnungsnummer, QStringLiteral("Rechnungsnummer")}},
        {{nullptr, QStringLiteral("Rechnung")},
         {m_versicherung, QStringLiteral("Versicherung")},
         {m_erstattung, QStringLiteral("Erstattung")},
         {m_erstattungV, QStringLiteral("Erstattung Vers.")},
         {rechnenKnopf, QString()}},
        {{m_faelligam, QStringLiteral("fällig am")},
         {m_bezahltam, QStringLiteral("bezahlt am")},
         {m_arzt, QStringLiteral("Arzt")},
         {nullptr, QString()},
         {arztedit, QString()}}};
    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 5; ++s) {
            const auto &[feld, text] = zeilen[z][s];
            if (!text.isEmpty())
                g->addWidget(beschriftung(text, this), 2 * z, s);
            if (feld)
                g->addWidget(feld, 2 * z + 1, s, 1, feld == m_arzt ? 2 : 1);
        }
    g->addWidget(m_artLabel, 0, 3);
    auto *betrag = new QHBoxLayout;
    betrag->addWidget(m_rechnung, 1);
    betrag->addWidget(m_euro);
    g->addLayout(betrag, 3, 0);
    g->setColumnStretch(4, 1);
    betraegeErklaeren(m_euro->isChecked());
    connect(m_euro, &QCheckBox::toggled, this, &AufwendungenEingabe::betraegeErklaeren);

    connect(rechnenKnopf, &QPushButton::clicked, this, &AufwendungenEingabe::rechnen);
    connect(arztedit, &QPushButton::clicked, this, &AufwendungenEingabe::aerztelisteBearbeiten);
    for (QWidget *w : std::initializer_list<QWidget *>{m_beleg, m_datum, m_empfaenger, m_artListe, m_rechnung,
                                                       m_versicherung, m_erstattung, m_erstattungV,
                                                       m_rechnungsnummer, m_faelligam, m_bezahltam, m_arzt})
        w->installEventFilter(this);
}

Rechnungsposition AufwendungenEingabe::eintrag() const
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
    r.belegdatei = m_belegdatei;
    r.befunde = m_befunde;
    r.kuerzung = m_kuerzung;
    return r;
}

void AufwendungenEingabe::zeigen(const Rechnungsposition &r)
{
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
    m_belegdatei = r.belegdatei;
    m_befunde = r.befunde;
    m_kuerzung = r.kuerzung;
}

namespace {
bool melden(QWidget *fenster, const QString &datum, const QString &empfaenger, const QString &art)
{
    const char *fehler = nullptr;
    if (!GermanDate::isDate(datum))
        fehler = "Datum ist ungültig!";
    else if (empfaenger.isEmpty())
        fehler = "Empfänger muss angegeben werden!";
    else if (art.isEmpty())
        fehler = "Art der Leistung muss angegeben werden!";
    if (!fehler)
        return true;
    Dialoge::meldung(fenster, QMessageBox::Critical, QStringLiteral("Eingabefehler!"), QString::fromUtf8(fehler),
                     QMessageBox::Ok);
    return false;
}
} // namespace

bool AufwendungenEingabe::pruefen()
{
    return melden(parentWidget(), m_datum->text(), m_empfaenger->currentText(), m_artListe->currentText());
}

bool AufwendungenEingabe::pruefen(QWidget *fenster, const Rechnungsposition &r)
{
    return melden(fenster, r.Datum.getrimmt(), r.Empfaenger.getrimmt(), r.Art.getrimmt());
}

void AufwendungenEingabe::felderLoeschen(bool pflege)
{
    for (QLineEdit *e : {m_beleg, m_datum, m_rechnung, m_versicherung, m_erstattung, m_erstattungV, m_bezahltam,
                         m_faelligam, m_rechnungsnummer})
        e->setText(QString()); // not as typing: Strg+Z then means the receipts
    leeren(m_artListe);
    leeren(m_arzt);
    m_belegdatei.clear();
    m_befunde.clear();
    m_kuerzung = 0;
    if (pflege)
        m_artListe->setEditText(QStringLiteral("Pflege"));
}

void AufwendungenEingabe::alleLoeschen(bool pflege)
{
    felderLoeschen(pflege);
    leeren(m_empfaenger);
}

void AufwendungenEingabe::pflegeSetzen(bool an)
{
    m_artListe->setVisible(!an);
    m_artLabel->setText(an ? QStringLiteral("Pflege") : QStringLiteral("Art"));
    m_artListe->setCurrentIndex(-1);
    m_artListe->setEditText(an ? QStringLiteral("Pflege") : QString());
}

void AufwendungenEingabe::kostenartenSetzen(const QStringList &eintraege)
{
    const QString text = m_artListe->currentText();
    m_artListe->blockSignals(true);
    m_artListe->leeren();
    for (const QString &e : eintraege)
        m_artListe->eintragHinzufuegen(e);
    m_artListe->setCurrentIndex(-1);
    m_artListe->setEditText(text);
    m_artListe->blockSignals(false);
}

void AufwendungenEingabe::aerzteSetzen(const QStringList &zeilen)
{
    const QString text = m_arzt->currentText();
    m_arzt->clear();
    m_arzt->addItems(zeilen);
    m_arzt->setCurrentIndex(-1);
    m_arzt->setEditText(text);
}

void AufwendungenEingabe::betraegeErklaeren(bool euro)
{
    // A receipt's amounts are all of its own currency, chosen with "Euro".
    const QString waehrung = euro ? QStringLiteral("in Euro (in DM, wenn „Euro“ nicht angekreuzt ist)")
                                  : QStringLiteral("in DM (in Euro, wenn „Euro“ angekreuzt ist)");
    m_rechnung->setToolTip(QStringLiteral("Rechnungsbetrag ") + waehrung);
    m_versicherung->setToolTip(QStringLiteral("Anteil der Krankenversicherung an der Rechnung ") + waehrung);
    m_erstattung->setToolTip(QStringLiteral("von der Beihilfe erstatteter Betrag ") + waehrung);
    m_erstattungV->setToolTip(QStringLiteral("von der Krankenversicherung erstatteter Betrag ") + waehrung);
}

void AufwendungenEingabe::euroSetzen(bool an)
{
    m_euro->setChecked(an);
}

void AufwendungenEingabe::belegFokussieren()
{
    m_beleg->setFocus();
}

void AufwendungenEingabe::rechnen()
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

// --- keyboard path and field formatting ---

void AufwendungenEingabe::verlassen(QWidget *feld)
{
    auto betrag = [](QLineEdit *e) {
        if (const auto v = GermanMoney::parse(e->text()))
            e->setText(GermanMoney::format(*v));
    };
    if (feld == m_datum || feld == m_bezahltam) {
        auto *e = static_cast<QLineEdit *>(feld);
        e->setText(GermanDate::normalized(e->text()));
    } else if (feld == m_versicherung || feld == m_erstattung || feld == m_erstattungV) {
        betrag(static_cast<QLineEdit *>(feld));
    } else if (feld == m_rechnung) {
        betrag(m_rechnung);
        if (m_versicherung->text().isEmpty()) {
            rechnen();
            // After the focus change in progress has finished.
            QMetaObject::invokeMethod(this, [this] { m_versicherung->setFocus(); }, Qt::QueuedConnection);
        }
    }
}

void AufwendungenEingabe::markierenBeimBetreten(QObject *kontext, QWidget *w, int laenge)
{
    QLineEdit *e = qobject_cast<QLineEdit *>(w);
    if (auto *c = qobject_cast<QComboBox *>(w))
        e = c->lineEdit();
    if (!e)
        return;
    QPointer<QLineEdit> ziel(e);
    QMetaObject::invokeMethod(
        kontext,
        [ziel, laenge] {
            if (ziel && ziel->hasFocus())
                ziel->setSelection(0, qMin(laenge, int(ziel->text().size())));
        },
        Qt::QueuedConnection);
}

bool AufwendungenEingabe::rueckgaengigDemFenster(QWidget *w, QEvent *ereignis)
{
    auto *e = qobject_cast<QLineEdit *>(w);
    if (auto *c = qobject_cast<QComboBox *>(w))
        e = c->lineEdit();
    return e && ereignis->type() == QEvent::ShortcutOverride
           && static_cast<QKeyEvent *>(ereignis)->matches(QKeySequence::Undo) && !e->isUndoAvailable();
}

bool AufwendungenEingabe::eventFilter(QObject *objekt, QEvent *ereignis)
{
    auto *w = qobject_cast<QWidget *>(objekt);
    if (!w)
        return QFrame::eventFilter(objekt, ereignis);
    switch (ereignis->type()) {
    case QEvent::ShortcutOverride:
        if (rueckgaengigDemFenster(w, ereignis))
            return true;
        break;
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
    case QEvent::FocusIn:
        markierenBeimBetreten(this, w, w == m_arzt ? 100 : 15);
        break;
    case QEvent::FocusOut: {
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason)
            verlassen(w);
        break;
    }
    default:
        break;
    }
    return QFrame::eventFilter(objekt, ereignis);
}
