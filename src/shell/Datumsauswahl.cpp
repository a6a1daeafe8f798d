#include "shell/Datumsauswahl.h"

#include "base/GermanDate.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A small sheet of a wall calendar: a red top band over a grid of days.
QIcon kalendersymbol(int groesse)
{
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect blatt(1, 2, groesse - 3, groesse - 4);
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::white);
    p.drawRect(blatt);
    p.fillRect(QRect(blatt.left() + 1, blatt.top() + 1, blatt.width() - 1, groesse / 4), QColor(190, 40, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 90));
    const int zelle = std::max(2, (blatt.width() - 2) / 4);
    for (int z = 0; z < 2; ++z)
        for (int s = 0; s < 3; ++s)
            p.drawRect(blatt.left() + 2 + s * zelle + 1, blatt.top() + groesse / 4 + 3 + z * zelle, zelle - 2, zelle - 2);
    return QIcon(bild);
}

const char *const kEigenschaft = "velmoraDatumsauswahl";

} // namespace

Datumsauswahl::Datumsauswahl(QLineEdit *feld)
    : QObject(feld)
    , m_feld(feld)
{
    setObjectName(QStringLiteral("Datumsauswahl"));
    const int symbol = feld->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, feld);
    QAction *knopf = feld->addAction(kalendersymbol(symbol), QLineEdit::TrailingPosition);
    knopf->setObjectName(QStringLiteral("Kalender_Knopf"));
    knopf->setToolTip(QStringLiteral("Kalender öffnen (Alt+Pfeil nach unten)"));
    connect(knopf, &QAction::triggered, this, &Datumsauswahl::oeffnen);
    // A box of fixed width keeps room for the whole date beside the button.
    if (feld->minimumWidth() > 0 && feld->minimumWidth() == feld->maximumWidth())
        feld->setFixedWidth(feld->minimumWidth() + symbol + 8);
    else if (feld->minimumWidth() > 0)
        feld->setMinimumWidth(feld->minimumWidth() + symbol + 8);
    feld->installEventFilter(this);
    feld->setProperty(kEigenschaft, QVariant::fromValue<QObject *>(this));
}

Datumsauswahl *Datumsauswahl::anbringen(QLineEdit *feld)
{
    if (!feld)
        return nullptr;
    if (Datumsauswahl *da = von(feld))
        return da;
    return new Datumsauswahl(feld);
}

Datumsauswahl *Datumsauswahl::von(const QLineEdit *feld)
{
    return feld ? qobject_cast<Datumsauswahl *>(feld->property(kEigenschaft).value<QObject *>()) : nullptr;
}

QCalendarWidget *Datumsauswahl::kalender() const
{
    return m_popup && m_popup->isVisible() ? m_popup->findChild<QCalendarWidget *>() : nullptr;
}

QDate Datumsauswahl::startdatum() const
{
    const std::optional<QDate> d = m_feld ? GermanDate::parse(m_feld->text().trimmed()) : std::nullopt;
    return d ? *d : QDate::currentDate();
}

void Datumsauswahl::oeffnen()
{
    if (!m_feld || m_feld->isReadOnly() || !m_feld->isEnabled())
        return;
    if (!m_popup) {
        m_popup = new QFrame(m_feld, Qt::Popup);
        m_popup->setObjectName(QStringLiteral("Kalender"));
        m_popup->setAttribute(Qt::WA_DeleteOnClose);
        m_popup->setFrameShape(QFrame::StyledPanel);
        auto *layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(1, 1, 1, 1);
        auto *k = new QCalendarWidget(m_popup);
        k->setGridVisible(true);
        k->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        // German month and day names, whatever the system's language.
        k->setLocale(QLocale(QLocale::German, QLocale::Germany));
        k->setFirstDayOfWeek(Qt::Monday);
        layout->addWidget(k);
        connect(k, &QCalendarWidget::clicked, this, &Datumsauswahl::uebernehmen);
        connect(k, &QCalendarWidget::activated, this, &Datumsauswahl::uebernehmen);
    }
    auto *k = m_popup->findChild<QCalendarWidget *>();
    k->setSelectedDate(startdatum());
    m_popup->adjustSize();
    // Below the box, kept on the screen; above it where there is no room.
    QPoint ort = m_feld->mapToGlobal(QPoint(0, m_feld->height()));
    if (const QScreen *s = m_feld->screen()) {
        const QRect platz = s->availableGeometry();
        const QSize g = m_popup->size();
        if (ort.y() + g.height() > platz.bottom())
            ort.setY(m_feld->mapToGlobal(QPoint(0, 0)).y() - g.height());
        ort.setX(std::clamp(ort.x(), platz.left(), std::max(platz.left(), platz.right() - g.width())));
        ort.setY(std::max(ort.y(), platz.top()));
    }
    m_popup->move(ort);
    m_popup->show();
    k->setFocus(Qt::PopupFocusReason);
}

void Datumsauswahl::uebernehmen(QDate datum)
{
    if (m_popup)
        m_popup->close();
    if (!m_feld || !datum.isValid())
        return;
    m_feld->setText(datum.toString(QStringLiteral("dd.MM.yyyy")));
    m_feld->setFocus(Qt::PopupFocusReason);
}

bool Datumsauswahl::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_feld && ereignis->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() == Qt::Key_Down && (taste->modifiers() & Qt::AltModifier)) {
            oeffnen();
            return true;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}
