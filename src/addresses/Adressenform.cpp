#include "addresses/Adressenform.h"

#include <QPointer>

#include "addresses/Adressliste.h"
#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPushButton *knopf(const char *name, const char *text, const char *tipp, QWidget *eltern)
{
    auto *b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(tipp));
    b->setAutoDefault(false);
    return b;
}
} // namespace

Adressenform::Adressenform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Adressenform"), QStringLiteral("Adressbuch"))
{
    auto *rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    m_ansichten = new QStackedWidget(this);
    rahmen->addWidget(m_ansichten);
    m_ansichten->addWidget(detailansichtBauen());

    m_liste = new Adressliste(m_bestand, this);
    m_tabelle = new QTableView(this);
    m_tabelle->setObjectName(QStringLiteral("Liste"));
    m_tabelle->setModel(m_liste);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setTabKeyNavigation(false);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabelle->verticalHeader()->setDefaultSectionSize(m_tabelle->fontMetrics().height() + 6);
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    m_tabelle->horizontalHeader()->setSectionsClickable(false);
    m_ansichten->addWidget(m_tabelle);
    // The highlighted row is the current address; a click or Enter goes
    // back to the detail view.
    connect(m_tabelle->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &jetzt) {
                if (jetzt.isValid() && listenansicht())
                    anzeigen(jetzt.row());
            });
    connect(m_tabelle, &QTableView::clicked, this, [this](const QModelIndex &i) { listeGewaehlt(i.row()); });
    connect(m_tabelle, &QTableView::activated, this, [this](const QModelIndex &i) { listeGewaehlt(i.row()); });

    // Nothing typed is lost: leaving for another screen or ending the
    // program writes the shown address.
    connect(&m_hauptform, &Hauptform::maskeAktiviert, this, [this](QWidget *maske) {
        if (maske != this)
            ausstehendeSichern();
    });
    // Ending with saving stays open when the shown address cannot be
    // written; ending without saving still writes it, as leaving it does.
    QPointer<Adressenform> selbst(this);
    m_hauptform.beimBeendenSpeichern([selbst] { return !selbst || selbst->ausstehendeSichern(); });
    connect(&m_hauptform, &Hauptform::programmEnde, this, [this] { ausstehendeSichern(); });

    m_bestand.oeffnen(m_hauptform.programmverzeichnis() + Adressbestand::dateiname());
    m_liste->neuLaden();
    anzeigen(m_bestand.istLeer() ? -1 : 0);
    setFocusProxy(m_anrede);
}

QLineEdit *Adressenform::eingabe(const QString &name, const QString &tipp)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setToolTip(tipp);
    masken::hintergrundSetzen(e, masken::eingabefarbe());
    connect(e, &QLineEdit::textEdited, this, &Adressenform::eingabeBegonnen);
    m_felder.insert(name, e);
    return e;
}

QWidget *Adressenform::detailansichtBauen()
{
    auto *seite = new QWidget(this);
    auto *spalten = new QVBoxLayout(seite);
    spalten->setContentsMargins(8, 8, 8, 8);
    spalten->setSpacing(6);
    auto *oben = new QHBoxLayout;
    spalten->addLayout(oben, 1);

    auto *adresse = new QGroupBox(QStringLiteral("Adresse"), seite);
    adresse->setObjectName(QStringLiteral("AdressRahmen"));
    auto *grid = new QGridLayout(adresse);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int zeile = 0;
    auto beschriftet = [&](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, adresse);
        l->setBuddy(buddy);
        grid->addWidget(l, zeile, 0);
        return l;
    };

    m_anrede = new QComboBox(adresse);
    m_anrede->setObjectName(QStringLiteral("Anrede"));
    m_anrede->setEditable(true);
    m_anrede->setInsertPolicy(QComboBox::NoInsert);
    m_anrede->addItems({QStringLiteral("Herr"), QStringLiteral("Frau")});
    m_anrede->setCurrentIndex(-1);
    m_anrede->setToolTip(QStringLiteral("Anrede (aus Scrollbox, Herrn, Frau)"));
    m_anrede->setMinimumContentsLength(8);
    m_anrede->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    masken::hintergrundSetzen(m_anrede, masken::eingabefarbe());
    connect(m_anrede->lineEdit(), &QLineEdit::textEdited, this, &Adressenform::eingabeBegonnen);
    connect(m_anrede, &QComboBox::activated, this, &Adressenform::eingabeBegonnen);
    QLineEdit *titel = eingabe(QStringLiteral("Titel"), QStringLiteral("Titel: Dr., Prof., Forstrat, usw."));
    beschriftet(QStringLiteral("Anrede"), m_anrede);
    {
        auto *reihe = new QHBoxLayout;
        reihe->addWidget(m_anrede);
        reihe->addSpacing(8);
        auto *l = new QLabel(QStringLiteral("Titel"), adresse);
        l->setBuddy(titel);
        reihe->addWidget(l);
        reihe->addWidget(titel, 1);
        grid->addLayout(reihe, zeile++, 1);
    }
    const struct
    {
        const char *name;
        const char *label;
        const char *tipp;
    } zeilen[] = {
        {"Name1", "Name &1", "Name-1"},
        {"Name2", "Name &2", "Name-2"},
        {"Strasse", "&Strasse", "Straße/Postfach"},
        {"PLZ", "&PLZ/Ort", "Postleitzahl"},
        {"Telefon", "&Telefon", "Telefonnummer"},
        {"Telefax", "Tele&fax", "Telefaxnummer"},
        {"Mobilfunk", "&Mobilfunk", "Mobilfunknummer, D1, D2, e-plus, usw."},
        {"email", "&e-post", "e-post-Adresse (E-Mail), z.B. erika.muster@beispiel.de"},
        {"Anzeige", "&Anzeige", "so wird diese Adresse in der Adressliste angezeigt "},
    };
    for (const auto &z : zeilen) {
        QLineEdit *e = eingabe(QString::fromUtf8(z.name), QString::fromUtf8(z.tipp));
        beschriftet(QString::fromUtf8(z.label), e);
        if (e->objectName() == QLatin1String("PLZ")) {
            e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
            auto *reihe = new QHBoxLayout;
            reihe->addWidget(e);
            reihe->addWidget(eingabe(QStringLiteral("Ort"), QStringLiteral("Ort")), 1);
            grid->addLayout(reihe, zeile++, 1);
        } else {
            grid->addWidget(e, zeile++, 1);
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(zeile, 1);
    oben->addWidget(adresse, 1);

    auto *panel = new QFrame(seite);
    panel->setObjectName(QStringLiteral("Knopfpanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *knoepfe = new QVBoxLayout(panel);
    knoepfe->setContentsMargins(6, 6, 6, 6);
    auto *neu = knopf("Neu_Knopf", "Neue Adresse",
                      "bei Neueingabe einer Adresse, die Felder werden leer initialisiert", panel);
    m_sichern = knopf("Sichern_Knopf", "Sichern", "Sichern, immer bei Neueingabe oder Änderung einer Adresse", panel);
    auto *rueckgaengig = knopf("Rückgängig_Knopf", "Rückgängig",
                               "Rückgängig, wenn Sie Datenfelder geändert haben, aber noch nicht den Sichern-Knopf "
                               "gedrückt haben",
                               panel);
    m_loeschen = knopf("Löschen_Knopf", "Löschen", "Löschen der Adresse, die gerade angezeigt wird", panel);
    m_listeKnopf = knopf("Listen_Knopf", "&Liste", "Anzeige der Adressliste", panel);
    auto *kopieren = knopf("Kopieren_Knopf", "Adr. kopieren",
                           "Adresse in die Zwischenablage kopieren, um sie evtl. mit einem anderen Programm "
                           "(z.B.Word) weiter zu bearbeiten",
                           panel);
    for (QPushButton *b : {neu, m_sichern, rueckgaengig, m_loeschen, m_listeKnopf, kopieren})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    auto *blaettern = new QHBoxLayout;
    const char *navTipps[] = {"Rückwärtsblättern im Adressbestand", "Vorwärtsblättern im Adressbestand "};
    for (int i = 0; i < 2; ++i) {
        auto *b = new QToolButton(panel);
        b->setObjectName(QStringLiteral("Nav_Knopf"));
        FeldControls::setIndex(b, i);
        b->setArrowType(i == 0 ? Qt::LeftArrow : Qt::RightArrow);
        b->setToolTip(QString::fromUtf8(navTipps[i]));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, [this, i] { Nav_Knopf_Click(i); });
        blaettern->addWidget(b);
    }
    knoepfe->addLayout(blaettern);
    oben->addWidget(panel);

    connect(neu, &QPushButton::clicked, this, &Adressenform::Neu_Knopf_Click);
    connect(m_sichern, &QPushButton::clicked, this, &Adressenform::Sichern_Knopf_Click);
    connect(rueckgaengig, &QPushButton::clicked, this, &Adressenform::Rueckgaengig_Knopf_Click);
    connect(m_loeschen, &QPushButton::clicked, this, &Adressenform::Loeschen_Knopf_Click);
    connect(m_listeKnopf, &QPushButton::clicked, this, &Adressenform::Listen_Knopf_Click);
    connect(kopieren, &QPushButton::clicked, this, &Adressenform::Kopieren_Knopf_Click);

    auto *bemerkungen = new QGroupBox(QStringLiteral("Bemerkungen"), seite);
    bemerkungen->setObjectName(QStringLiteral("BemerkungenRahmen"));
    auto *b = new QVBoxLayout(bemerkungen);
    b->setContentsMargins(8, 6, 8, 6);
    m_bemerkungen = new QPlainTextEdit(bemerkungen);
    m_bemerkungen->setObjectName(QStringLiteral("Bemerkungen"));
    m_bemerkungen->setToolTip(QStringLiteral("Bemerkungen:  Eingabe von beliebigem Text"));
    m_bemerkungen->setTabChangesFocus(true);
    m_bemerkungen->setFixedHeight(m_bemerkungen->fontMetrics().lineSpacing() * 4 + 12);
    QPalette p = m_bemerkungen->palette();
    p.setColor(QPalette::Base, masken::eingabefarbe());
    m_bemerkungen->setPalette(p);
    connect(m_bemerkungen, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_fuellen)
            eingabeBegonnen();
    });
    b->addWidget(m_bemerkungen);
    spalten->addWidget(bemerkungen);
    // The remarks follow the inputs before the buttons.
    QWidget::setTabOrder(m_felder.value(QStringLiteral("Anzeige")), m_bemerkungen);

    m_daten = new Datenleiste(seite);
    m_daten->setObjectName(QStringLiteral("Daten"));
    m_daten->setToolTip(QStringLiteral("Scrollbox, ganz links gedrückt wird 1.Adresse angezeigt, ganz rechts "
                                       "gedrückt wird letzte Adresse angezeigt, Mitte links eine zurück, "
                                       "Mitte-rechts eine vor "));
    connect(m_daten, &Datenleiste::geklickt, this, &Adressenform::Daten_Click);
    spalten->addWidget(m_daten);
    return seite;
}

bool Adressenform::listenansicht() const
{
    return m_ansichten->currentWidget() == m_tabelle;
}

Adresse Adressenform::eingaben() const
{
    Adresse a;
    if (!m_neu && m_position >= 0 && m_position < m_bestand.anzahl())
        a.setId(m_bestand.adresse(m_position).id());
    a.setzeWert(QStringLiteral("Anrede"), m_anrede->currentText());
    for (auto it = m_felder.cbegin(); it != m_felder.cend(); ++it)
        a.setzeWert(it.key(), it.value()->text());
    a.setzeWert(QStringLiteral("Bemerkungen"), m_bemerkungen->toPlainText());
    return a;
}

bool Adressenform::geaendert() const
{
    if (m_neu)
        return !eingaben().istLeer();
    if (m_position < 0 || m_position >= m_bestand.anzahl())
        return false;
    return !eingaben().gleicheWerte(m_bestand.adresse(m_position));
}

void Adressenform::anzeigen(int position)
{
    m_position = (position >= 0 && position < m_bestand.anzahl()) ? position : -1;
    m_neu = false;
    const Adresse leer;
    const Adresse &a = m_position >= 0 ? m_bestand.adresse(m_position) : leer;
    m_fuellen = true;
    m_anrede->setCurrentIndex(-1);
    m_anrede->setEditText(a.wert(QStringLiteral("Anrede")));
    for (auto it = m_felder.cbegin(); it != m_felder.cend(); ++it)
        it.value()->setText(a.wert(it.key()));
    m_bemerkungen->setPlainText(a.wert(QStringLiteral("Bemerkungen")));
    m_fuellen = false;
    knoepfeSetzen();
}

void Adressenform::knoepfeSetzen()
{
    const bool leer = m_bestand.istLeer();
    m_listeKnopf->setEnabled(!leer);
    m_sichern->setEnabled(!leer || m_neu);
    m_loeschen->setEnabled(!m_neu && m_position >= 0);
    if (m_neu)
        m_daten->setBeschriftung(QStringLiteral("neue Adresse"));
    else if (m_position < 0)
        m_daten->setBeschriftung(QStringLiteral("keine Adresse"));
    else
        m_daten->setBeschriftung(QStringLiteral("Adresse %1 von %2").arg(m_position + 1).arg(m_bestand.anzahl()));
}

// Typing into the inputs of an empty book starts a new address.
void Adressenform::eingabeBegonnen()
{
    if (m_fuellen || m_neu || m_position >= 0)
        return;
    m_neu = true;
    knoepfeSetzen();
}

void Adressenform::fehlerMelden(const QString &was, const QString &fehler)
{
    Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"), was + QStringLiteral("\n\n") + fehler);
}

bool Adressenform::sichernMitMeldung()
{
    Adresse a = eingaben();
    QString fehler;
    if (!m_bestand.sichern(a, &fehler)) {
        fehlerMelden(QStringLiteral("Die Adresse wurde nicht gesichert."), fehler);
        return false;
    }
    m_liste->neuLaden();
    anzeigen(m_bestand.positionVon(a.id()));
    m_hauptform.meldeGespeichert(m_bestand.pfad());
    return true;
}

bool Adressenform::ausstehendeSichern()
{
    if (geaendert())
        return sichernMitMeldung();
    if (m_neu) {
        // A new address nobody typed into is dropped.
        m_neu = false;
        knoepfeSetzen();
    }
    return true;
}

void Adressenform::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        ausstehendeSichern();
    Maske::hideEvent(event);
}

void Adressenform::gehe(int position)
{
    if (!ausstehendeSichern())
        return;
    if (m_bestand.istLeer()) {
        anzeigen(-1);
        return;
    }
    anzeigen(qBound(0, position, m_bestand.anzahl() - 1));
}

void Adressenform::Nav_Knopf_Click(int index)
{
    // Relative to the address shown after writing the pending edits (a
    // new address has its place in the order only then).
    if (!ausstehendeSichern())
        return;
    gehe(m_position + (index == 0 ? -1 : 1));
}

void Adressenform::Daten_Click(Datenleiste::Schritt schritt)
{
    switch (schritt) {
    case Datenleiste::Erste:
        gehe(0);
        break;
    case Datenleiste::Letzte:
        gehe(m_bestand.anzahl() - 1);
        break;
    case Datenleiste::Vorige:
    case Datenleiste::Naechste:
        Nav_Knopf_Click(schritt == Datenleiste::Vorige ? 0 : 1);
        break;
    }
}

void Adressenform::Neu_Knopf_Click()
{
    if (!ausstehendeSichern())
        return;
    const int vorher = m_position;
    anzeigen(-1);
    m_position = vorher;
    m_neu = true;
    knoepfeSetzen();
    m_anrede->setFocus();
}

void Adressenform::Sichern_Knopf_Click()
{
    if (!m_neu && m_position < 0)
        return;
    sichernMitMeldung();
}

void Adressenform::Rueckgaengig_Knopf_Click()
{
    anzeigen(m_position);
}

void Adressenform::Loeschen_Knopf_Click()
{
    if (m_neu || m_position < 0)
        return;
    const auto antwort = Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                                          QStringLiteral("Adresse wirklich löschen?"),
                                          QMessageBox::Yes | QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    const int position = m_position;
    QString fehler;
    if (!m_bestand.loeschen(m_bestand.adresse(position).id(), &fehler)) {
        fehlerMelden(QStringLiteral("Die Adresse wurde nicht gelöscht."), fehler);
        return;
    }
    m_liste->neuLaden();
    // The next address, after the last one the new last, or none.
    anzeigen(m_bestand.istLeer() ? -1 : qMin(position, m_bestand.anzahl() - 1));
}

void Adressenform::Listen_Knopf_Click()
{
    if (!ausstehendeSichern())
        return;
    const qint64 id = m_position >= 0 ? m_bestand.adresse(m_position).id() : -1;
    m_bestand.aktualisieren();
    m_liste->neuLaden();
    if (m_bestand.istLeer()) {
        anzeigen(-1);
        return;
    }
    const int position = qMax(0, m_bestand.positionVon(id));
    anzeigen(position);
    m_ansichten->setCurrentWidget(m_tabelle);
    m_tabelle->setCurrentIndex(m_liste->index(position, 0));
    m_tabelle->scrollTo(m_liste->index(position, 0));
    m_tabelle->setFocus();
}

void Adressenform::listeGewaehlt(int zeile)
{
    if (!listenansicht())
        return;
    anzeigen(zeile);
    m_ansichten->setCurrentIndex(0);
    m_anrede->setFocus();
}

void Adressenform::Kopieren_Knopf_Click()
{
    QClipboard *ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setText(eingaben().briefblock());
}
