#include "ledger/Belegbild.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
QPushButton *knopf(const QString &name, const QString &text, const QString &tipp, QWidget *eltern)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setToolTip(tipp);
    b->setAutoDefault(false);
    return b;
}
} // namespace

Belegbild::Belegbild(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Belegbild"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bereich = new QScrollArea(this);
    m_bereich->setObjectName(QStringLiteral("Bildbereich"));
    m_bereich->setAlignment(Qt::AlignCenter);
    m_bereich->setBackgroundRole(QPalette::Dark);
    m_bild = new QLabel(m_bereich);
    m_bild->setObjectName(QStringLiteral("Seitenbild"));
    m_bild->setAlignment(Qt::AlignCenter);
    m_bild->setWordWrap(true);
    m_bereich->setWidget(m_bild);
    layout->addWidget(m_bereich, 1);

    auto *leiste = new QHBoxLayout;
    m_zurueck = knopf(QStringLiteral("Seite_zurück"), QStringLiteral("◀"), QStringLiteral("vorige Seite"), this);
    m_vor = knopf(QStringLiteral("Seite_vor"), QStringLiteral("▶"), QStringLiteral("nächste Seite"), this);
    m_seitenzeile = new QLabel(this);
    m_seitenzeile->setObjectName(QStringLiteral("Seitenzeile"));
    auto *kleiner = knopf(QStringLiteral("Zoom_kleiner"), QStringLiteral("−"), QStringLiteral("verkleinern"), this);
    auto *groesser = knopf(QStringLiteral("Zoom_größer"), QStringLiteral("+"), QStringLiteral("vergrößern"), this);
    auto *breite = knopf(QStringLiteral("Zoom_Breite"), QStringLiteral("Breite"), QStringLiteral("an die Breite anpassen"),
                         this);
    for (QPushButton *b : {m_zurueck, m_vor, kleiner, groesser})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 12);
    leiste->addWidget(m_zurueck);
    leiste->addWidget(m_seitenzeile);
    leiste->addWidget(m_vor);
    leiste->addStretch(1);
    leiste->addWidget(kleiner);
    leiste->addWidget(groesser);
    leiste->addWidget(breite);
    layout->addLayout(leiste);

    connect(m_zurueck, &QPushButton::clicked, this, [this] { blaettern(-1); });
    connect(m_vor, &QPushButton::clicked, this, [this] { blaettern(1); });
    connect(kleiner, &QPushButton::clicked, this, [this] { zoomen(1 / 1.25); });
    connect(groesser, &QPushButton::clicked, this, [this] { zoomen(1.25); });
    connect(breite, &QPushButton::clicked, this, &Belegbild::breiteAnpassen);
    zeigen();
}

void Belegbild::setSeiten(QList<QImage> seiten, const QString &hinweis)
{
    m_seiten = std::move(seiten);
    m_seite = 0;
    m_bild->setText(hinweis);
    breiteAnpassen();
}

void Belegbild::blaettern(int schritt)
{
    const int neu = qBound(0, m_seite + schritt, qMax(0, seitenzahl() - 1));
    if (neu == m_seite)
        return;
    m_seite = neu;
    zeigen();
}

void Belegbild::zoomen(double faktor)
{
    m_zoom = qBound(0.1, m_zoom * faktor, 4.0);
    zeigen();
}

void Belegbild::breiteAnpassen()
{
    if (!m_seiten.isEmpty() && m_seiten.at(m_seite).width() > 0) {
        const int platz = m_bereich->viewport()->width() - 4;
        m_zoom = qBound(0.1, double(qMax(platz, 100)) / m_seiten.at(m_seite).width(), 4.0);
    }
    zeigen();
}

void Belegbild::zeigen()
{
    m_zurueck->setEnabled(m_seite > 0);
    m_vor->setEnabled(m_seite + 1 < seitenzahl());
    m_seitenzeile->setText(seitenzahl() > 0 ? QStringLiteral("Seite %1 von %2").arg(m_seite + 1).arg(seitenzahl())
                                            : QString());
    if (m_seiten.isEmpty()) {
        m_bild->setPixmap(QPixmap());
        m_bild->resize(m_bereich->viewport()->size());
        return;
    }
    const QImage &s = m_seiten.at(m_seite);
    const QSize groesse = (QSizeF(s.size()) * m_zoom).toSize();
    m_bild->setPixmap(QPixmap::fromImage(s.scaled(groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_bild->resize(groesse);
}
