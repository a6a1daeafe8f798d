#include "forms/MaskenBauer.h"

#include "fields/FeldControls.h"
#include "shell/Datumsauswahl.h"
#include "shell/Dialoge.h"
#include "base/GermanDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <cstring>

namespace masken {

namespace {

QString u8(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

// Width for a box that holds at most n characters.
int breiteFuer(const QWidget *w, int n)
{
    return w->fontMetrics().horizontalAdvance(QString(n + 2, u'0')) + 12;
}

class FokusFilter : public QObject
{
public:
    FokusFilter(QWidget *w, std::function<void(bool)> reaktion)
        : QObject(w)
        , m_reaktion(std::move(reaktion))
    {
        w->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn)
            m_reaktion(true);
        else if (e->type() == QEvent::FocusOut)
            m_reaktion(false);
        return false;
    }

private:
    std::function<void(bool)> m_reaktion;
};

// While a date box takes the focus back, the box that lost it must not run
// its own check (that would send the focus to and fro between the two).
bool g_fokusZurueck = false;

class DatumFilter : public QObject
{
public:
    explicit DatumFilter(QLineEdit *e)
        : QObject(e)
        , m_feld(e)
    {
        e->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::FocusOut || g_fokusZurueck)
            return false;
        const auto grund = static_cast<QFocusEvent *>(e)->reason();
        // Another program window or a popup took the focus: the user has not
        // left the box.
        if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason)
            return false;
        // Check after the focus change is complete, not inside it.
        QMetaObject::invokeMethod(this, &DatumFilter::pruefen, Qt::QueuedConnection);
        return false;
    }

    void pruefen()
    {
        QLineEdit *e = m_feld;
        if (!e)
            return;
        const QString text = e->text();
        // A date not known yet is left empty; that is no error.
        if (text.trimmed().isEmpty())
            return;
        if (GermanDate::isDate(text)) {
            const QString neu = GermanDate::normalized(text);
            if (neu != text)
                e->setText(neu);
            return;
        }
        Dialoge::meldung(e->window(), QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Ungültiges Datum ! (TT.MM.JJJJ)"));
        if (!e->isVisible())
            return;
        g_fokusZurueck = true;
        e->setFocus(Qt::OtherFocusReason);
        g_fokusZurueck = false;
    }

private:
    QPointer<QLineEdit> m_feld;
};

} // namespace

QColor eingabefarbe()
{
    return QColor(255, 255, 192);
}

void hintergrundSetzen(QWidget *w, const QColor &farbe)
{
    QPalette p = w->palette();
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)) {
        p.setColor(QPalette::Base, farbe);
    } else {
        p.setColor(QPalette::Window, farbe);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QColor hintergrund(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w))
        return w->palette().color(QPalette::Base);
    return w->palette().color(QPalette::Window);
}

void eingabeFreigeben(QLineEdit *e, bool frei)
{
    e->setEnabled(frei);
    QWidget *maske = e->window();
    for (QWidget *p = e->parentWidget(); p; p = p->parentWidget())
        if (p->inherits("Maske")) {
            maske = p;
            break;
        }
    hintergrundSetzen(e, frei ? eingabefarbe() : maske->palette().color(QPalette::Window));
}

bool istDatum(const Feld &feld)
{
    // "TT.MM.JJJJ" is ten characters: a box of that size, or one whose tool
    // tip asks for that form, takes a date.
    return feld.art == Art::Text
        && (feld.laenge == 10 || feld.breite == 10 || (feld.tipp && std::strstr(feld.tipp, "TT.MM.JJJJ")));
}

QWidget *erzeugen(const Feld &feld, QWidget *eltern, const QString &einsetzen)
{
    auto u8 = [&einsetzen](const char *s) {
        QString t = s ? QString::fromUtf8(s) : QString();
        if (!einsetzen.isNull())
            t.replace(QStringLiteral("%1"), einsetzen);
        return t;
    };
    QWidget *w = nullptr;
    switch (feld.art) {
    case Art::Text: {
        auto *e = new QLineEdit(eltern);
        if (feld.laenge > 0) {
            e->setMaxLength(feld.laenge);
            if (feld.laenge <= 10)
                e->setFixedWidth(breiteFuer(e, feld.laenge));
        }
        if (feld.breite > 0)
            e->setFixedWidth(breiteFuer(e, feld.breite));
        hintergrundSetzen(e, eingabefarbe());
        w = e;
        break;
    }
    case Art::Kasten:
        w = new QCheckBox(u8(feld.text), eltern);
        break;
    case Art::Liste: {
        auto *c = new QComboBox(eltern);
        hintergrundSetzen(c, eingabefarbe());
        w = c;
        break;
    }
    case Art::Beschriftung:
        w = new QLabel(u8(feld.text), eltern);
        break;
    }
    if (feld.name && *feld.name)
        w->setObjectName(u8(feld.name));
    if (feld.index >= 0)
        FeldControls::setIndex(w, feld.index);
    if (feld.tag && *feld.tag)
        FeldControls::setTag(w, u8(feld.tag));
    if (feld.tipp && *feld.tipp)
        w->setToolTip(u8(feld.tipp));
    if (istDatum(feld))
        Datumsauswahl::anbringen(static_cast<QLineEdit *>(w));
    return w;
}

int zeilenLegen(QGridLayout *grid, std::span<const Feld> felder, QWidget *eltern, int ersteZeile)
{
    int zeile = ersteZeile - 1;
    QHBoxLayout *reihe = nullptr;
    for (const Feld &f : felder) {
        const bool neu = f.zeile == Zeile::Neu || !reihe;
        if (neu) {
            ++zeile;
            reihe = new QHBoxLayout;
            reihe->setSpacing(6);
            // A line of check boxes without a label uses the whole width.
            if (f.art == Art::Kasten)
                grid->addLayout(reihe, zeile, 0, 1, 2);
            else
                grid->addLayout(reihe, zeile, 1);
        }
        QWidget *w = erzeugen(f, eltern);
        if (f.art == Art::Beschriftung) {
            if (neu)
                grid->addWidget(w, zeile, 0);
            else
                reihe->addWidget(w);
            continue;
        }
        if (f.art != Art::Kasten && f.text && *f.text) {
            auto *l = new QLabel(u8(f.text), eltern);
            l->setBuddy(w);
            if (neu)
                grid->addWidget(l, zeile, 0);
            else
                reihe->addWidget(l);
        }
        const bool fest = qobject_cast<QCheckBox *>(w) || w->maximumWidth() < QWIDGETSIZE_MAX;
        reihe->addWidget(w, fest ? 0 : 1);
    }
    // Lines of only fixed-width controls keep them at the left.
    for (int r = ersteZeile; r <= zeile; ++r)
        if (auto *item = grid->itemAtPosition(r, 1))
            if (auto *l = qobject_cast<QHBoxLayout *>(item->layout())) {
                bool alleFest = true;
                for (int i = 0; i < l->count(); ++i)
                    if (l->stretch(i) != 0)
                        alleFest = false;
                if (alleFest)
                    l->addStretch(1);
            }
    grid->setColumnStretch(1, 1);
    return zeile - ersteZeile + 1;
}

QGroupBox *gruppe(const QString &titel, std::span<const Feld> felder, QWidget *eltern, const QString &name)
{
    auto *g = new QGroupBox(titel, eltern);
    if (!name.isEmpty())
        g->setObjectName(name);
    auto *grid = new QGridLayout(g);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    zeilenLegen(grid, felder, g);
    return g;
}

QGroupBox *frageGruppe(const QString &titel, const QString &frage, std::span<const Feld> antworten,
                       std::span<const Feld> felder, QWidget *eltern)
{
    auto *g = new QGroupBox(titel, eltern);
    auto *grid = new QGridLayout(g);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    auto *reihe = new QHBoxLayout;
    reihe->setSpacing(12);
    reihe->addWidget(new QLabel(frage, g));
    for (const Feld &f : antworten)
        reihe->addWidget(erzeugen(f, g));
    reihe->addStretch(1);
    grid->addLayout(reihe, 0, 0, 1, 2);
    zeilenLegen(grid, felder, g, 1);
    return g;
}

QLabel *beschriftung(const QString &text, QWidget *eltern, bool umbruch, const QString &name)
{
    auto *l = new QLabel(text, eltern);
    l->setWordWrap(umbruch);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

void exklusiv(const QList<QCheckBox *> &gruppe)
{
    for (QCheckBox *c : gruppe) {
        QObject::connect(c, &QCheckBox::toggled, c, [c, gruppe](bool an) {
            if (!an)
                return;
            for (QCheckBox *andere : gruppe)
                if (andere != c)
                    andere->setChecked(false);
        });
    }
}

void beiFokus(QWidget *w, std::function<void(bool)> reaktion)
{
    new FokusFilter(w, std::move(reaktion));
}

void datumPruefen(QLineEdit *e)
{
    Datumsauswahl::anbringen(e);
    new DatumFilter(e);
}

} // namespace masken
