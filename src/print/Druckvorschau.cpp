#include "print/Druckvorschau.h"

#include "print/Vorschaubild.h"
#include "shell/Hauptform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollBar>

namespace {
int px(int twips, bool horizontal)
{
    return Hauptform::twipsZuPixel(twips, horizontal);
}
} // namespace

Druckvorschau::Druckvorschau(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Druckvorschau"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);

    // The picture slides under this area; what lies outside it shows the
    // window's background.
    m_flaeche = new QWidget(this);
    m_flaeche->setObjectName(QStringLiteral("Bildflaeche"));
    m_bild = new Vorschaubild(m_flaeche);
    m_bild->move(0, 0);

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

    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("Zoom"));
    m_zoom->addItems({QStringLiteral("Ganze Seite"), QStringLiteral("Seitenbreite"), QStringLiteral("100 %")});
    m_zoom->setToolTip(QStringLiteral("Größe der Seitenansicht"));
    m_zoom->setCurrentIndex(Seitenbreite);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &Druckvorschau::zoomAnwenden);

    resize(900, 700);
    setWindowState(windowState() | Qt::WindowMaximized);
}

Seitenflaeche &Druckvorschau::bildflaeche()
{
    return m_bild->flaeche();
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
    m_querformat = quer;
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
    // window where its frame is thinner than the rule assumes.
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
    vHoehe = std::clamp(vHoehe, 0, height() - hHoehe);
    hOben = std::min(hOben, height() - hHoehe);
    hBreite = std::clamp(hBreite, 0, vLinks);
    m_vscroll->setGeometry(vLinks, 0, vBreite, vHoehe);
    m_hscroll->setGeometry(0, hOben, hBreite, hHoehe);
    m_flaeche->setGeometry(0, 0, std::max(vLinks, 0), std::max(hOben, 0));
    const QSize z = m_zoom->sizeHint();
    m_zoom->setGeometry(std::max(vLinks - z.width() - 8, 0), 8, z.width(), z.height());
    m_zoom->raise();
    zoomAnwenden();
}

void Druckvorschau::zoomAnwenden()
{
    // The page: the layout's sheet within the 300 x 300 mm picture.
    const QSize grund = Vorschaubild::grundgroesse();
    const double mmProPx = 300.0 / grund.width();
    const double seiteB = (m_querformat ? 297.0 : 210.0) / mmProPx;
    const double seiteH = (m_querformat ? 210.0 : 297.0) / mmProPx;
    const QSize platz = m_flaeche->size();
    double zoom = 1.0;
    if (m_zoom->currentIndex() == GanzeSeite && platz.width() > 0 && platz.height() > 0)
        zoom = std::min((platz.width() - 8) / seiteB, (platz.height() - 8) / seiteH);
    else if (m_zoom->currentIndex() == Seitenbreite && platz.width() > 0)
        zoom = (platz.width() - 8) / seiteB;
    m_bild->setZoom(zoom);
    bildVerschieben();
}

void Druckvorschau::bildVerschieben()
{
    // Scroll values are twips of the picture; nothing is redrawn.
    const double z = m_bild->zoom();
    m_bild->move(-qRound(px(m_hscroll->value(), true) * z), -qRound(px(m_vscroll->value(), false) * z));
}
