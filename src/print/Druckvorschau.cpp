#include "print/Druckvorschau.h"

#include "print/Vorschaubild.h"
#include "shell/Hauptform.h"
#include "shell/HilfeFenster.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
int px(int twips, bool horizontal)
{
    return Hauptform::twipsZuPixel(twips, horizontal);
}

// One notch of the wheel moves the page by this many screen pixels.
constexpr int kRadPixel = 60;
} // namespace

Druckvorschau::Druckvorschau(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Druckvorschau"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);

    // The button row above the page: pages, zoom, print, close. Nothing of
    // it lies on the picture.
    m_leiste = new QWidget(this);
    m_leiste->setObjectName(QStringLiteral("Knopfleiste"));
    auto *zeile = new QHBoxLayout(m_leiste);
    zeile->setContentsMargins(6, 4, 6, 4);
    m_zurueck = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("&Vorige Seite"), m_leiste);
    m_zurueck->setObjectName(QStringLiteral("VorigeSeite_Knopf"));
    m_zurueck->setToolTip(QStringLiteral("vorige Seite zeigen (Bild auf)"));
    m_zurueck->setShortcut(QKeySequence(Qt::Key_PageUp));
    m_seitenanzeige = new QLabel(m_leiste);
    m_seitenanzeige->setObjectName(QStringLiteral("Seitenanzeige"));
    m_weiter = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("&Nächste Seite"), m_leiste);
    m_weiter->setObjectName(QStringLiteral("NächsteSeite_Knopf"));
    m_weiter->setToolTip(QStringLiteral("nächste Seite zeigen (Bild ab)"));
    m_weiter->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(m_zurueck, &QPushButton::clicked, this, [this] { zeigeSeite(seite() - 1); });
    connect(m_weiter, &QPushButton::clicked, this, [this] { zeigeSeite(seite() + 1); });

    m_zoom = new QComboBox(m_leiste);
    m_zoom->setObjectName(QStringLiteral("Zoom"));
    m_zoom->addItems({QStringLiteral("Ganze Seite"), QStringLiteral("Seitenbreite"), QStringLiteral("100 %")});
    m_zoom->setToolTip(QStringLiteral("Größe der Seitenansicht (auch Strg + Mausrad)"));
    m_zoom->setCurrentIndex(Seitenbreite);
    m_zoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &Druckvorschau::zoomAnwenden);
    auto *zoomLabel = new QLabel(QStringLiteral("&Größe:"), m_leiste);
    zoomLabel->setBuddy(m_zoom);

    auto *drucken = new QPushButton(QStringLiteral("&Drucken"), m_leiste);
    drucken->setObjectName(QStringLiteral("Drucken_Knopf"));
    drucken->setToolTip(QStringLiteral("diese Seiten auf dem gewählten Drucker ausgeben"));
    connect(drucken, &QPushButton::clicked, this, [this] { done(Drucken); });
    auto *schliessen = new QPushButton(QStringLiteral("Schl&ießen"), m_leiste);
    schliessen->setObjectName(QStringLiteral("Schließen_Knopf"));
    schliessen->setToolTip(QStringLiteral("die Vorschau schließen, ohne zu drucken"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);

    zeile->addWidget(m_zurueck);
    zeile->addWidget(m_seitenanzeige);
    zeile->addWidget(m_weiter);
    zeile->addSpacing(16);
    zeile->addWidget(zoomLabel);
    zeile->addWidget(m_zoom);
    zeile->addStretch(1);
    zeile->addWidget(drucken);
    zeile->addWidget(schliessen);

    // The picture slides under this area; what lies outside it shows the
    // window's background.
    m_flaeche = new QWidget(this);
    m_flaeche->setObjectName(QStringLiteral("Bildflaeche"));
    m_flaeche->installEventFilter(this);
    m_bild = new Vorschaubild(m_flaeche);
    m_bild->move(0, 0);
    m_bild->installEventFilter(this);

    for (QScrollBar **leiste : {&m_hscroll, &m_vscroll}) {
        const bool h = leiste == &m_hscroll;
        *leiste = new QScrollBar(h ? Qt::Horizontal : Qt::Vertical, this);
        (*leiste)->setObjectName(h ? QStringLiteral("HScroll") : QStringLiteral("VScroll"));
        (*leiste)->setRange(0, 32767);
        (*leiste)->setSingleStep(100);
        (*leiste)->setPageStep(1000);
        connect(*leiste, &QScrollBar::valueChanged, this, &Druckvorschau::bildVerschieben);
    }

    m_bereich = new QLineEdit(this);
    m_bereich->setObjectName(QStringLiteral("Bereich"));
    m_bereich->hide();

    // The rest of the program waits while the preview is open: F1 here
    // opens the guide at the preview.
    auto *hilfe = new QShortcut(QKeySequence::HelpContents, this);
    connect(hilfe, &QShortcut::activated, this, [this] { HilfeFenster::zeigen(this, objectName()); });

    knoepfeAnpassen();
    resize(900, 700);
    setWindowState(windowState() | Qt::WindowMaximized);
}

Seitenflaeche &Druckvorschau::bildflaeche()
{
    return m_bild->flaeche();
}

Seitenflaeche &Druckvorschau::neueSeite()
{
    Seitenflaeche &f = m_bild->neueSeite();
    m_querformat.append(m_querformat.constLast());
    knoepfeAnpassen();
    return f;
}

int Druckvorschau::seitenzahl() const
{
    return m_bild->seitenzahl();
}

int Druckvorschau::seite() const
{
    return m_bild->seite();
}

void Druckvorschau::zeigeSeite(int seite)
{
    m_bild->setSeite(seite);
    knoepfeAnpassen();
    m_vscroll->setValue(0);
    zoomAnwenden();
}

void Druckvorschau::knoepfeAnpassen()
{
    const int n = seitenzahl();
    m_zurueck->setEnabled(seite() > 0);
    m_weiter->setEnabled(seite() + 1 < n);
    m_seitenanzeige->setText(QStringLiteral("Seite %1 von %2").arg(seite() + 1).arg(n));
}

void Druckvorschau::bildAktualisieren()
{
    m_bild->aktualisieren();
}

Druckergebnis Druckvorschau::drucken(Druckauftrag auftrag)
{
    auftrag.variante = Druckvariante::fuer(Druckvariante::Aufrufer::AntragVorschau);
    auftrag.layout = m_bereich->text();
    auftrag.fortschritt = nullptr;
    const Druckergebnis e = Layoutinterpreter::drucken(auftrag, m_bild->flaeche());
    m_bild->aktualisieren();
    return e;
}

void Druckvorschau::setQuerformat(bool quer)
{
    m_querformat[seite()] = quer;
    zoomAnwenden();
}

void Druckvorschau::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    anordnen();
}

void Druckvorschau::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    anordnen();
}

void Druckvorschau::anordnen()
{
    // The outer size in twips places the scroll bars; they stay inside the
    // window where its frame is thinner than the rule assumes. The button
    // row takes the top; the picture area starts below it.
    const int oben = m_leiste->sizeHint().height();
    m_leiste->setGeometry(0, 0, width(), oben);
    const QSize aussen = frameGeometry().size();
    const int w = Hauptform::pixelZuTwips(aussen.width(), true);
    const int h = Hauptform::pixelZuTwips(aussen.height(), false);
    const int vBreite = m_vscroll->sizeHint().width();
    const int hHoehe = m_hscroll->sizeHint().height();
    int vLinks = px(w, true) - vBreite - px(100, true);
    int vHoehe = px(h - 600, false);
    int hOben = px(h - 650, false);
    int hBreite = px(w - 400, true);
    vLinks = std::min(vLinks, width() - vBreite);
    vHoehe = std::clamp(vHoehe, 0, height() - hHoehe) - oben;
    hOben = std::min(hOben, height() - hHoehe);
    hBreite = std::clamp(hBreite, 0, vLinks);
    m_vscroll->setGeometry(vLinks, oben, vBreite, std::max(vHoehe, 0));
    m_hscroll->setGeometry(0, hOben, hBreite, hHoehe);
    m_flaeche->setGeometry(0, oben, std::max(vLinks, 0), std::max(hOben - oben, 0));
    zoomAnwenden();
}

void Druckvorschau::zoomAnwenden()
{
    // The page: the layout's sheet within the 300 x 300 mm picture.
    const QSize grund = Vorschaubild::grundgroesse();
    const double mmProPx = 300.0 / grund.width();
    const bool quer = m_querformat.value(seite());
    const double seiteB = (quer ? 297.0 : 210.0) / mmProPx;
    const double seiteH = (quer ? 210.0 : 297.0) / mmProPx;
    const QSize platz = m_flaeche->size();
    double zoom = 1.0;
    if (m_zoom->currentIndex() == GanzeSeite && platz.width() > 0 && platz.height() > 0)
        zoom = std::min((platz.width() - 8) / seiteB, (platz.height() - 8) / seiteH);
    else if (m_zoom->currentIndex() == Seitenbreite && platz.width() > 0)
        zoom = (platz.width() - 8) / seiteB;
    else if (m_zoom->currentIndex() == Frei)
        zoom = m_freierZoom;
    m_bild->setZoom(zoom);
    bildVerschieben();
}

void Druckvorschau::zoomen(double faktor)
{
    m_freierZoom = std::clamp(m_bild->zoom() * faktor, 0.1, 4.0);
    const QString text = QStringLiteral("%1 %").arg(qRound(m_freierZoom * 100));
    if (m_zoom->count() <= Frei)
        m_zoom->addItem(text);
    else
        m_zoom->setItemText(Frei, text);
    if (m_zoom->currentIndex() == Frei)
        zoomAnwenden();
    else
        m_zoom->setCurrentIndex(Frei);
}

bool Druckvorschau::rad(QWheelEvent *event)
{
    const QPoint d = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (d.y() != 0)
            zoomen(std::pow(1.15, d.y() / 120.0));
        return true;
    }
    // Vertical wheel scrolls down the page, Shift+wheel or a sideways wheel
    // across it; the step is the same distance on the screen at any zoom.
    const bool quer = d.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    const int stufen = quer && d.x() == 0 ? d.y() : (quer ? d.x() : d.y());
    const double twipsProStufe = Hauptform::pixelZuTwips(kRadPixel, !quer) / std::max(m_bild->zoom(), 0.05);
    QScrollBar *leiste = quer ? m_hscroll : m_vscroll;
    leiste->setValue(leiste->value() - qRound(stufen / 120.0 * twipsProStufe));
    return true;
}

void Druckvorschau::wheelEvent(QWheelEvent *event)
{
    rad(event);
    event->accept();
}

bool Druckvorschau::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if ((objekt == m_flaeche || objekt == m_bild) && ereignis->type() == QEvent::Wheel) {
        auto *rad = static_cast<QWheelEvent *>(ereignis);
        this->rad(rad);
        rad->accept();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void Druckvorschau::bildVerschieben()
{
    // Scroll values are twips of the picture; nothing is redrawn.
    const double z = m_bild->zoom();
    m_bild->move(-qRound(px(m_hscroll->value(), true) * z), -qRound(px(m_vscroll->value(), false) * z));
}
