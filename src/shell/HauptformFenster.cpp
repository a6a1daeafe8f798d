#include "shell/Hauptform.h"

#include "shell/Fensterplatz.h"
#include "shell/Maske.h"
#include "shell/Maskenrahmen.h"
#include "shell/Registry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>

// The window layer: the screens inside the main window's area, one in front
// with tabs or overlapping, each scrolling when it does not fit; the main
// window's own place on the screen; the status line.

namespace {
const QString kSchluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
const QString kUeberlappend = QStringLiteral("Ueberlappend");

// Screens whose activation enables the main window's save button.
const char *const kSpeicherMasken[] = {"Hauptdaten",      "Kinderform",      "Versicherungsform",
                                       "Anschriftenform", "Rückseiteform",   "Pflegeversicherungsform",
                                       "DauerndePflegeForm", "privateKV"};
} // namespace

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

QWidget *Hauptform::maskeIn(const QMdiSubWindow *fenster)
{
    if (!fenster)
        return nullptr;
    if (auto *rahmen = qobject_cast<Maskenrahmen *>(fenster->widget()))
        return rahmen->maske();
    return fenster->widget();
}

QWidget *Hauptform::fensterVon(QWidget *maske)
{
    for (QWidget *w = maske; w; w = w->parentWidget())
        if (auto *fenster = qobject_cast<QMdiSubWindow *>(w))
            return fenster;
    return maske;
}

QWidget *Hauptform::maske(const QString &name) const
{
    return maskeIn(m_fenster.value(name));
}

QWidget *Hauptform::vorn() const
{
    for (QMdiSubWindow *fenster : {m_mdi->activeSubWindow(), m_mdi->currentSubWindow()})
        if (QWidget *m = maskeIn(fenster); m && m->isVisibleTo(m_mdi))
            return m;
    // The active one was closed: the last active of those still shown.
    const QList<QMdiSubWindow *> folge = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = folge.crbegin(); it != folge.crend(); ++it)
        if (QWidget *m = maskeIn(*it); m && m->isVisibleTo(m_mdi))
            return m;
    return nullptr;
}

QWidget *Hauptform::oeffnen(const QString &name)
{
    // Opening puts the cursor into the screen itself (below); only a switch
    // by its tab or title bar returns to the field last used.
    const QScopedValueRollback<bool> oeffnet(m_oeffnet, true);
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
        fenster = m_mdi->addSubWindow(new Maskenrahmen(w));
        fenster->setAttribute(Qt::WA_DeleteOnClose, false);
        fenster->setObjectName(name + QStringLiteral("Fenster"));
        fenster->installEventFilter(this);
        // Ctrl+W is the main window's: it closes the screen in front. In
        // each window's own menu too it would make the key ambiguous.
        for (QAction *a : fenster->systemMenu()->actions()) {
            QList<QKeySequence> tasten = a->shortcuts();
            if (tasten.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)))
                a->setShortcuts(tasten);
        }
        m_fenster.insert(name, fenster);
        platzieren(fenster);
        nachVorn(fenster);
        w->setWindowTitle(titel);
    } else {
        nachVorn(fenster);
    }
    QWidget *w = maskeIn(fenster);
    w->setFocus();
    // A screen already in front gets no new activation, yet the panel was
    // hidden above: a side application shows it again.
    if (auto *m = qobject_cast<Maske *>(w); m && m->zeigtZusatzpanel())
        m->aktivieren();
    return w;
}

void Hauptform::nachVorn(QMdiSubWindow *fenster)
{
    // A screen closed in tabs waits outside the area; it comes back with a
    // tab of its own.
    if (fenster->parentWidget() != m_mdi->viewport()) {
        m_mdi->addSubWindow(fenster);
        if (ueberlappend()) {
            fenster->showNormal();
            platzieren(fenster);
        }
    }
    if (!ueberlappend())
        fenster->showMaximized();
    fenster->show();
    fenster->widget()->show();
    m_mdi->setActiveSubWindow(fenster);
    fenster->raise();
    // With tabs, the start picture makes way for the screens.
    QMdiSubWindow *info = m_fenster.value(QStringLiteral("Infoform"));
    if (!ueberlappend() && info && info != fenster && !info->isHidden())
        info->close();
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
    QWidget *w = maskeIn(fenster);
    if (!w)
        return;
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
    // Qt's own activation moves the cursor on by a field each time a screen
    // comes back to the front; it goes back to the field last used. Cursor
    // moves are noted again once the screen has settled.
    m_fokusGemerkt = nullptr;
    QMetaObject::invokeMethod(this, [this, f = QPointer<QMdiSubWindow>(fenster), zurueck = !m_oeffnet] {
        if (!f || f != m_mdi->activeSubWindow())
            return;
        const QPointer<QWidget> feld = m_letzterFokus.value(f);
        if (zurueck && feld && feld->isVisible() && feld->isEnabled() && QApplication::focusWidget() != feld
            && f->isAncestorOf(QApplication::focusWidget()))
            feld->setFocus(Qt::OtherFocusReason);
        m_fokusGemerkt = f;
        if (f->isAncestorOf(QApplication::focusWidget()))
            m_letzterFokus.insert(f, QApplication::focusWidget());
    }, Qt::QueuedConnection);
}

bool Hauptform::eventFilter(QObject *objekt, QEvent *ereignis)
{
    auto *fenster = qobject_cast<QMdiSubWindow *>(objekt);
    if (fenster && ereignis->type() == QEvent::Close)
        m_schliessend = fenster;
    if (fenster && ereignis->type() == QEvent::HideToParent && fenster == m_schliessend)
        geschlossen(fenster);
    return QMainWindow::eventFilter(objekt, ereignis);
}

void Hauptform::geschlossen(QMdiSubWindow *fenster)
{
    m_schliessend = nullptr;
    // The screen closed in front hands the front to the one before it, or
    // to the start picture, with the focus where it was left.
    const QList<QMdiSubWindow *> folge = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    const bool warVorn = !folge.isEmpty() && folge.last() == fenster;
    QMdiSubWindow *davor = nullptr;
    for (auto it = folge.crbegin(); it != folge.crend() && !davor; ++it)
        if (*it != fenster && !(*it)->isHidden())
            davor = *it;
    // With tabs it leaves the area, and its tab goes.
    if (!ueberlappend())
        ablegen(fenster);
    if (!warVorn)
        return;
    if (davor) {
        m_mdi->setActiveSubWindow(davor);
        if (!davor->isAncestorOf(QApplication::focusWidget()))
            maskeIn(davor)->setFocus();
    } else if (fenster != m_fenster.value(QStringLiteral("Infoform"))) {
        oeffnen(QStringLiteral("Infoform"));
    }
}

void Hauptform::ablegen(QMdiSubWindow *fenster)
{
    // Kept, with its values, outside the area until it opens again.
    const Qt::WindowFlags art = fenster->windowFlags();
    m_mdi->removeSubWindow(fenster);
    fenster->setParent(m_ablage, art);
}

// --- overlapping windows or tabs ---

void Hauptform::fensterschichtEinrichten()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *vorher, QWidget *jetzt) {
        // Qt passes the cursor on to the next field when a screen is hidden
        // behind another tab; that is no move of the user's.
        if (vorher && !vorher->isVisible())
            return;
        for (QWidget *w = jetzt; w; w = w->parentWidget())
            if (auto *f = qobject_cast<QMdiSubWindow *>(w)) {
                if (f == m_fokusGemerkt && f == m_mdi->activeSubWindow())
                    m_letzterFokus.insert(f, jetzt);
                break;
            }
    });
    auto *schliessen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    schliessen->setObjectName(QStringLiteral("MaskeSchliessen"));
    connect(schliessen, &QShortcut::activated, this, &Hauptform::vornSchliessen);
    m_status = new QLabel(statusBar());
    m_status->setObjectName(QStringLiteral("Statuszeile"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);
    m_ablage = new QWidget(this);
    m_ablage->setObjectName(QStringLiteral("Ablage"));
    m_ablage->hide();
    setUeberlappend(false);
    aufBildschirmEinpassen();
}

void Hauptform::vornSchliessen()
{
    if (QMdiSubWindow *fenster = m_mdi->activeSubWindow() ? m_mdi->activeSubWindow() : m_mdi->currentSubWindow())
        fenster->close();
}

bool Hauptform::ueberlappend() const
{
    return m_mdi->viewMode() == QMdiArea::SubWindowView;
}

void Hauptform::setUeberlappend(bool an)
{
    if (m_ueberlappendAktion)
        m_ueberlappendAktion->setChecked(an);
    if (an == ueberlappend() && m_mdi->property("eingerichtet").toBool())
        return;
    m_mdi->setProperty("eingerichtet", true);
    QMdiSubWindow *vorne = m_mdi->activeSubWindow();
    if (an) {
        m_mdi->setViewMode(QMdiArea::SubWindowView);
        for (QMdiSubWindow *f : m_mdi->subWindowList(QMdiArea::CreationOrder))
            if (f->isMaximized()) {
                f->showNormal();
                platzieren(f);
            }
    } else {
        m_mdi->setViewMode(QMdiArea::TabbedView);
        m_mdi->setDocumentMode(true);
        m_mdi->setTabsClosable(true);
        m_mdi->setTabsMovable(true);
        for (QMdiSubWindow *f : m_mdi->subWindowList(QMdiArea::CreationOrder))
            if (f->isHidden())
                ablegen(f);
        if (vorne)
            vorne->showMaximized();
    }
    if (vorne)
        m_mdi->setActiveSubWindow(vorne);
}

void Hauptform::fensteransichtWaehlen(bool ueberlappen)
{
    setUeberlappend(ueberlappen);
    Registry::Zahl_schreiben(Registry::HKEY_LOCAL_MACHINE, kSchluessel, kUeberlappend, ueberlappen ? 1 : 0);
}

void Hauptform::fensteransichtLesen()
{
    // Tabs unless overlapping windows were chosen.
    setUeberlappend(Registry::Wert_lesen(Registry::HKEY_LOCAL_MACHINE, kSchluessel, kUeberlappend).trimmed() ==
                    QLatin1String("1"));
}

void Hauptform::aufBildschirmEinpassen()
{
    // The main window lies within the available area of its screen.
    QScreen *bildschirm = QGuiApplication::screenAt(geometry().center());
    if (!bildschirm)
        bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect aussen = frameGeometry();
    const QRect innen = geometry();
    QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                    aussen.bottom() - innen.bottom());
    // Before the window manager has framed the window: room for a title bar.
    if (rahmen.isNull())
        rahmen = QMargins(4, 30, 4, 4);
    const QRect r = Fensterplatz::einpassen(innen, rahmen, bildschirm->availableGeometry());
    if (r != innen)
        setGeometry(r);
}

// --- status line ---

void Hauptform::meldeGespeichert(const QString &pfad)
{
    const QString datei = QDir::toNativeSeparators(pfad);
    const QString zeit = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    const QString text = QStringLiteral("Gespeichert: %1, %2");
    // Long paths lose their middle, never the file name or the time.
    const int platz = qMax(200, m_status->width() - m_status->fontMetrics().horizontalAdvance(text.arg(QString(), zeit)));
    m_status->setText(text.arg(m_status->fontMetrics().elidedText(datei, Qt::ElideMiddle, platz), zeit));
    m_status->setToolTip(datei);
}

void Hauptform::gespeichertMelden(QWidget *irgendwo, const QString &pfad)
{
    for (QWidget *w = irgendwo; w; w = w->parentWidget())
        if (auto *h = qobject_cast<Hauptform *>(w)) {
            h->meldeGespeichert(pfad);
            return;
        }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *h = qobject_cast<Hauptform *>(w)) {
            h->meldeGespeichert(pfad);
            return;
        }
}

QString Hauptform::statustext() const
{
    return m_status->text();
}
