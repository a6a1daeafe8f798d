#include "reference/Gebuehrenordnung.h"

#include "reference/Gebuehrenliste.h"
#include "reference/Gebuehrenrechner.h"
#include "shell/Dialoge.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNurLesen = QStringLiteral("Feld kann nicht geändert werden !");

// Hourglass for the duration of a scope.
struct Sanduhr
{
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
};

QPushButton *knopf(QWidget *eltern, const QString &name, const QString &text, const QString &tipp, int index = -1)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setToolTip(tipp);
    k->setAutoDefault(false);
    if (index >= 0)
        k->setProperty("index", index);
    if (text.size() == 1)
        k->setFixedWidth(36); // the arrow buttons
    return k;
}

// Calls a method of another screen if it offers it; a missing screen or
// method does nothing.
bool aufrufen(QWidget *w, const char *signatur, const char *name, QGenericArgument argument)
{
    if (!w || w->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(signatur)) < 0)
        return false;
    return QMetaObject::invokeMethod(w, name, argument);
}
} // namespace

Gebuehrenordnung::Gebuehrenordnung(Hauptform &hauptform, QWidget *parent)
    : Maske(hauptform, QString::fromUtf8(Name), QStringLiteral("Gebührenordnung"), parent)
{
    aufbauen();
    listeZeigen();
}

Gebuehrenordnung *Gebuehrenordnung::zeigen(Hauptform &hauptform, const QString &code)
{
    const auto p = Gebuehrenparameter::zuCode(code);
    auto *g = qobject_cast<Gebuehrenordnung *>(hauptform.oeffnen(QString::fromUtf8(Name)));
    if (!g || !p)
        return g;
    g->setGebuehrenordnung(*p);
    g->setFocus();
    return g;
}

QLineEdit *Gebuehrenordnung::anzeige(const QString &name)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setToolTip(kNurLesen);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

void Gebuehrenordnung::aufbauen()
{
    auto *haupt = new QVBoxLayout(this);

    m_goInfo = new QLabel(QStringLiteral("Gebührenordnung"), this);
    m_goInfo->setObjectName(QStringLiteral("GOInfo"));
    QFont f = m_goInfo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_goInfo->setFont(f);
    haupt->addWidget(m_goInfo);
    m_hinweis = new QLabel(QStringLiteral("Die Beträge sind die Höchstbeträge, die die Beihilfe je Nummer anerkennt "
                                          "(Bundesbeihilfeverordnung, Anlage 2), nicht die Gebühren des Heilpraktikers."),
                           this);
    m_hinweis->setObjectName(QStringLiteral("Hinweis"));
    m_hinweis->setWordWrap(true);
    m_hinweis->hide();
    haupt->addWidget(m_hinweis);

    // Currency, number jump and manual factor.
    auto *kopf = new QHBoxLayout;
    auto *waehrung = new QGroupBox(QStringLiteral("Währung"), this);
    auto *wl = new QHBoxLayout(waehrung);
    const QStringList namen = {QStringLiteral("DM"), QStringLiteral("Euro")};
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(namen.at(i), waehrung);
        r->setObjectName(QStringLiteral("Währung"));
        r->setProperty("index", i);
        wl->addWidget(r);
        m_waehrung.append(r);
    }
    m_waehrung.at(1)->setChecked(true);
    for (QRadioButton *r : m_waehrung)
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                waehrungGewaehlt();
        });
    kopf->addWidget(waehrung);

    m_sucheNummer = new QLineEdit(this);
    m_sucheNummer->setObjectName(QStringLiteral("SucheNummer"));
    m_sucheNummer->setMaxLength(8);
    m_sucheNummer->setToolTip(QStringLiteral("Eingabe einer Gebührenziffer, anschließend bei ENTER erfolgt direkter "
                                             "Sprung zu dieser Gebührenziffer"));
    m_sucheNummer->installEventFilter(this);
    m_sucheNummer->setFixedWidth(m_sucheNummer->fontMetrics().horizontalAdvance(QStringLiteral("0000.H10")) + 16);
    auto *nl = new QLabel(QStringLiteral("&Nummer"), this);
    nl->setBuddy(m_sucheNummer);
    kopf->addWidget(nl);
    kopf->addWidget(m_sucheNummer);

    m_mFaktor = new QLineEdit(QStringLiteral("1"), this);
    m_mFaktor->setObjectName(QStringLiteral("MFaktor"));
    m_mFaktor->setToolTip(QStringLiteral("Faktor wird mit 1 vorgegeben, kann geändert werden, wenn z.B. Arzt mit "
                                         "Faktor 1,9 oder 2,3 usw. eine Gebührenziffer abrechnet"));
    m_mFaktor->installEventFilter(this);
    m_mFaktor->setFixedWidth(m_mFaktor->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 16);
    connect(m_mFaktor, &QLineEdit::textChanged, this, &Gebuehrenordnung::neuBerechnen);
    auto *fl = new QLabel(QStringLiteral("&Faktor"), this);
    fl->setBuddy(m_mFaktor);
    kopf->addSpacing(12);
    kopf->addWidget(fl);
    kopf->addWidget(m_mFaktor);
    kopf->addStretch();
    haupt->addLayout(kopf);

    // Service text with stepping and full-text search below it; the amounts
    // beside it; the adding list on the right.
    auto *mitte = new QHBoxLayout;
    auto *links = new QVBoxLayout;
    m_infotext = new QTextEdit(this);
    m_infotext->setObjectName(QStringLiteral("Infotext"));
    m_infotext->setReadOnly(true);
    m_infotext->setToolTip(QStringLiteral("Dieser Text kann nicht geändert werden !"));
    m_infotext->setMinimumWidth(300);
    links->addWidget(m_infotext, 1);
    auto *suche = new QHBoxLayout;
    auto *zurueck = knopf(this, QStringLiteral("DSN"), QStringLiteral("◀"), QStringLiteral("Um eine Ziffer rückwärts blättern"), 0);
    auto *vor = knopf(this, QStringLiteral("DSN"), QStringLiteral("▶"), QStringLiteral("Um eine Ziffer vorwärts blättern"), 1);
    connect(zurueck, &QPushButton::clicked, this, [this] { blaettern(false); });
    connect(vor, &QPushButton::clicked, this, [this] { blaettern(true); });
    suche->addWidget(zurueck);
    suche->addWidget(vor);
    suche->addSpacing(12);
    m_volltext = new QLineEdit(this);
    m_volltext->setObjectName(QStringLiteral("Volltext"));
    m_volltext->setToolTip(QStringLiteral("Texteingabe z.B. \"Blut\" für \"Blutdruck\", \"Blutentnahme\", usw. "));
    auto *vl = new QLabel(QStringLiteral("&Volltextsuche"), this);
    vl->setBuddy(m_volltext);
    suche->addWidget(vl);
    suche->addWidget(m_volltext, 1);
    auto *vtsZurueck = knopf(this, QStringLiteral("VTS_Knopf"), QStringLiteral("◀"), QStringLiteral("Volltextsuche   rückwärts"), 0);
    auto *vtsVor = knopf(this, QStringLiteral("VTS_Knopf"), QStringLiteral("▶"), QStringLiteral("Volltextsuche  vorwärts"), 1);
    connect(vtsZurueck, &QPushButton::clicked, this, [this] { volltextSuchen(false); });
    connect(vtsVor, &QPushButton::clicked, this, [this] { volltextSuchen(true); });
    suche->addWidget(vtsZurueck);
    suche->addWidget(vtsVor);
    links->addLayout(suche);
    mitte->addLayout(links, 1);

    auto *werte = new QGridLayout;
    m_nummer = anzeige(QStringLiteral("Nummer"));
    m_punkte = anzeige(QStringLiteral("Punkte"));
    m_schluessel = anzeige(QStringLiteral("Schlüssel"));
    m_einfachwert = anzeige(QStringLiteral("Einfachwert"));
    m_faktor = anzeige(QStringLiteral("Faktor"));
    m_schwellenwert = anzeige(QStringLiteral("Schwellenwert"));
    m_manuellwert = anzeige(QStringLiteral("Manuellwert"));
    m_faktor->setMaximumWidth(60);
    const QList<QPair<QString, QLineEdit *>> zeilen = {
        {QStringLiteral("Nummer"), m_nummer}, {QStringLiteral("Punkte"), m_punkte},
        {QStringLiteral("Schlüssel"), m_schluessel}, {QStringLiteral("einfacher Wert"), m_einfachwert},
        {QStringLiteral("Schwellenwert"), m_schwellenwert}, {QStringLiteral("manueller Wert"), m_manuellwert}};
    for (int i = 0; i < zeilen.size(); ++i) {
        werte->addWidget(new QLabel(zeilen.at(i).first, this), i, 0);
        if (zeilen.at(i).second == m_schwellenwert)
            werte->addWidget(m_faktor, i, 1);
        werte->addWidget(zeilen.at(i).second, i, 2);
    }
    const QStringList addierTexte = {QStringLiteral("&einfacher Wert +"), QStringLiteral("&Schwellenwert +"),
                                     QStringLiteral("&manueller Wert +")};
    const QStringList addierTipps = {QStringLiteral("einfachen Wert addieren"), QStringLiteral("Schwellenwert addieren"),
                                     QStringLiteral("manuellen Wert addieren")};
    for (int i = 0; i < 3; ++i) {
        auto *k = knopf(this, QStringLiteral("Addieren_Knopf"), addierTexte.at(i), addierTipps.at(i), i);
        connect(k, &QPushButton::clicked, this, [this, i] { addieren(i); });
        werte->addWidget(k, 3 + i, 3);
    }
    werte->setRowStretch(zeilen.size(), 1);
    mitte->addLayout(werte);

    auto *rechts = new QVBoxLayout;
    m_liste = new QTableWidget(0, 2, this);
    m_liste->setObjectName(QStringLiteral("Liste"));
    m_liste->setHorizontalHeaderLabels({QStringLiteral("Nummer"), QStringLiteral("Wert")});
    m_liste->verticalHeader()->hide();
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setSelectionMode(QAbstractItemView::NoSelection);
    m_liste->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_liste->setFixedWidth(200);
    rechts->addWidget(m_liste, 1);
    auto *summe = new QHBoxLayout;
    summe->addWidget(new QLabel(QStringLiteral("Summe"), this));
    m_summe = new QLabel(this);
    m_summe->setObjectName(QStringLiteral("Summe"));
    m_summe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_summe->setFrameShape(QFrame::Panel);
    m_summe->setFrameShadow(QFrame::Sunken);
    summe->addWidget(m_summe, 1);
    rechts->addLayout(summe);
    auto *listenKnoepfe = new QHBoxLayout;
    auto *loeschen2 = knopf(this, QStringLiteral("Löschen2_Knopf"), QStringLiteral("Löschen"), QStringLiteral("letzte Gebührenziffer entfernen"));
    auto *neu = knopf(this, QStringLiteral("Löschen_Knopf"), QStringLiteral("Neu"), QStringLiteral("alle Gebührenziffern aus der Liste entfernen"));
    connect(loeschen2, &QPushButton::clicked, this, &Gebuehrenordnung::letztenLoeschen);
    connect(neu, &QPushButton::clicked, this, &Gebuehrenordnung::listeLeeren);
    listenKnoepfe->addWidget(loeschen2);
    listenKnoepfe->addWidget(neu);
    rechts->addLayout(listenKnoepfe);
    mitte->addLayout(rechts);
    haupt->addLayout(mitte, 1);

    auto *unten = new QHBoxLayout;
    m_bestimmung = knopf(this, QStringLiteral("Bestimmung_Knopf"), QStringLiteral("&Allg. Bestimmung"),
                         QStringLiteral("direkte Verzweigung zu \"Allgemeine Bestimmungen\" dieser Gebührenordnung"));
    m_bestimmung->setEnabled(false);
    auto *gesetze = knopf(this, QStringLiteral("Gesetze_Knopf"), QStringLiteral("Gesetze"),
                          QStringLiteral("direkte Verzweigung zu den \"Gestzen\" dieser Gebührenordnung"));
    connect(m_bestimmung, &QPushButton::clicked, this, &Gebuehrenordnung::bestimmungZeigen);
    connect(gesetze, &QPushButton::clicked, this, &Gebuehrenordnung::gesetzeZeigen);
    unten->addWidget(m_bestimmung);
    unten->addWidget(gesetze);
    unten->addStretch();
    haupt->addLayout(unten);
}

void Gebuehrenordnung::setTitel(const QString &titel)
{
    m_titel = titel;
    m_goInfo->setText(titel);
}

void Gebuehrenordnung::setCode(const QString &code)
{
    if (code == m_code && !m_verzeichnis.istLeer())
        return;
    m_code = code;
    m_hinweis->setVisible(code == QLatin1String("Y"));
    laden();
    m_volltext->clear();
    zeileZeigen(m_verzeichnis.istLeer() ? -1 : 0);
}

void Gebuehrenordnung::setPunktwerte(const QString &inKraft, const QString &dm, const QString &euro)
{
    m_punktwert = Gebuehrenparameter::punktwert(inKraft);
    m_punktwertDm = Gebuehrenparameter::punktwert(dm);
    m_punktwertEuro = Gebuehrenparameter::punktwert(euro);
    neuBerechnen();
}

void Gebuehrenordnung::setGebuehrenordnung(const Gebuehrenparameter &p)
{
    setTitel(p.titel);
    setCode(p.code);
    const bool dm = m_waehrung.at(0)->isChecked();
    setPunktwerte(dm ? p.punktwertDm : p.punktwertEuro, p.punktwertDm, p.punktwertEuro);
}

void Gebuehrenordnung::laden()
{
    Sanduhr sanduhr;
    // A missing or unreadable database leaves the browser without rows.
    m_verzeichnis.laden(m_hauptform.programmverzeichnis() + QStringLiteral("tarvik.mdb"), m_code);
}

void Gebuehrenordnung::zeileZeigen(int pos)
{
    m_pos = pos;
    if (pos < 0) {
        for (QLineEdit *e : {m_nummer, m_punkte, m_schluessel})
            e->clear();
        m_infotext->clear();
        m_bestimmung->setEnabled(false);
    } else {
        const Gebuehr &g = m_verzeichnis.zeile(pos);
        m_nummer->setText(m_verzeichnis.anzeigeNummer(pos));
        // The practitioners' maxima are stored as points only to share the
        // arithmetic; their list gives amounts, so no points are shown.
        m_punkte->setText(g.hatPunkte && m_code != QLatin1String("Y") ? GermanMoney::plain(g.punkte) : QString());
        m_schluessel->setText(g.schluessel);
        m_infotext->setPlainText(g.leistungstext);
        m_bestimmung->setEnabled(!g.bestimmung.isEmpty());
    }
    neuBerechnen();
}

void Gebuehrenordnung::neuBerechnen()
{
    if (m_pos < 0) {
        for (QLineEdit *e : {m_einfachwert, m_faktor, m_schwellenwert, m_manuellwert})
            e->clear();
        return;
    }
    const Gebuehr &g = m_verzeichnis.zeile(m_pos);
    const auto e = Gebuehrenrechner::berechnen(m_code, m_waehrung.at(0)->isChecked(), g.punkte, m_punktwert,
                                               g.schluessel, m_mFaktor->text());
    m_einfachwert->setText(e.einfachwert);
    m_faktor->setText(e.faktor);
    m_schwellenwert->setText(e.schwellenwert);
    m_manuellwert->setText(e.manuellwert);
    m_sucheNummer->setText(m_verzeichnis.anzeigeNummer(m_pos));
}

void Gebuehrenordnung::waehrungGewaehlt()
{
    m_punktwert = m_waehrung.at(0)->isChecked() ? m_punktwertDm : m_punktwertEuro;
    neuBerechnen();
}

void Gebuehrenordnung::blaettern(bool vorwaerts)
{
    if (m_verzeichnis.istLeer())
        return;
    zeileZeigen(qBound(0, m_pos + (vorwaerts ? 1 : -1), m_verzeichnis.anzahl() - 1));
}

void Gebuehrenordnung::nummerSuchen()
{
    const QString text = m_sucheNummer->text();
    const int pos = m_verzeichnis.nummerSuchen(text);
    if (pos >= 0)
        zeileZeigen(pos);
    else
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung!"),
                         QStringLiteral("Die Gebührenziffer ") + text + QStringLiteral(" gibt es nicht!"));
    m_sucheNummer->setSelection(0, 8);
}

void Gebuehrenordnung::volltextSuchen(bool vorwaerts)
{
    Sanduhr sanduhr;
    const int pos = m_verzeichnis.textSuchen(m_volltext->text(), m_pos, vorwaerts);
    if (pos >= 0)
        zeileZeigen(pos);
}

void Gebuehrenordnung::addieren(int art)
{
    if (m_pos < 0)
        return;
    const QLineEdit *quelle = art == 0 ? m_einfachwert : art == 1 ? m_schwellenwert : m_manuellwert;
    const auto betrag = GermanMoney::parse(quelle->text());
    if (!betrag)
        return; // no amount shown (a manual factor that is no number)
    Gebuehrenliste &liste = Gebuehrenliste::programmlauf();
    if (!liste.anhaengen(m_code, m_verzeichnis.anzeigeNummer(m_pos), *betrag)) {
        Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Warnung!"),
                         QStringLiteral("Die Liste ist voll: mehr als %1 Beträge können nicht addiert werden. "
                                        "Mit \"Löschen\" oder \"Neu\" schaffen Sie Platz.")
                             .arg(Gebuehrenliste::Hoechstzahl));
        return;
    }
    listeZeigen();
}

void Gebuehrenordnung::letztenLoeschen()
{
    if (Gebuehrenliste::programmlauf().letztenEntfernen())
        listeZeigen();
}

void Gebuehrenordnung::listeLeeren()
{
    Gebuehrenliste::programmlauf().leeren();
    m_liste->setRowCount(0);
    m_summe->clear();
    summeGeaendert();
}

void Gebuehrenordnung::listeZeigen()
{
    const Gebuehrenliste &liste = Gebuehrenliste::programmlauf();
    m_liste->setRowCount(liste.anzahl());
    for (int i = 0; i < liste.anzahl(); ++i) {
        const auto &e = liste.eintraege().at(i);
        m_liste->setItem(i, 0, new QTableWidgetItem(e.bezeichnung));
        auto *wert = new QTableWidgetItem(GermanMoney::format(e.betrag));
        wert->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_liste->setItem(i, 1, wert);
    }
    if (liste.anzahl() > 0)
        m_liste->scrollToBottom();
    // An empty list after removals still shows its sum 0,00; only "Neu" blanks it.
    m_summe->setText(liste.istLeer() && m_summe->text().isEmpty() ? QString() : GermanMoney::format(liste.summe()));
    summeGeaendert();
}

void Gebuehrenordnung::summeGeaendert()
{
    // The currency may change only while no amount is in the list.
    const bool frei = Gebuehrenliste::programmlauf().istLeer();
    for (QRadioButton *r : m_waehrung)
        r->setEnabled(frei);
}

void Gebuehrenordnung::bestimmungZeigen()
{
    if (m_pos < 0 || m_verzeichnis.zeile(m_pos).bestimmung.isEmpty())
        return;
    const Gebuehr &g = m_verzeichnis.zeile(m_pos);
    QWidget *w = m_hauptform.oeffnen(QStringLiteral("Infotextform"));
    if (!w)
        return;
    aufrufen(w, "anmerkungZeigen(QString)", "anmerkungZeigen", Q_ARG(QString, g.bestimmung));
    w->setWindowTitle(QStringLiteral("Allgemeine Bestimmung zu Gebührenziffer ") + g.nummer);
    w->setFocus();
}

void Gebuehrenordnung::gesetzeZeigen()
{
    const auto p = Gebuehrenparameter::zuCode(m_code);
    if (!p)
        return;
    QWidget *w = m_hauptform.oeffnen(QStringLiteral("Gesetze"));
    if (!w)
        return;
    aufrufen(w, "setBereich(int)", "setBereich", Q_ARG(int, p->gesetzesbereich));
    w->setWindowTitle(QStringLiteral("Gesetze - ") + m_titel);
    w->setFocus();
}

bool Gebuehrenordnung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_sucheNummer || objekt == m_mFaktor) {
        if (ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent *>(ereignis)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                if (objekt == m_sucheNummer)
                    nummerSuchen();
                else
                    m_sucheNummer->setFocus(Qt::OtherFocusReason);
                return true;
            }
        } else if (ereignis->type() == QEvent::FocusIn) {
            auto *feld = static_cast<QLineEdit *>(objekt);
            const int laenge = objekt == m_sucheNummer ? 20 : 10;
            QTimer::singleShot(0, feld, [feld, laenge] { feld->setSelection(0, laenge); });
        }
    }
    return Maske::eventFilter(objekt, ereignis);
}
