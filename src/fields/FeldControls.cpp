#include "fields/FeldControls.h"

#include "fields/Feldtabelle.h"
#include "fields/Zusatzfeldtabelle.h"

#include <QAbstractButton>
#include <QHash>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <algorithm>
#include <vector>

namespace {
qint64 g_folge = 0;
const char *const kTag = "tag";
const char *const kFolge = "velmoraFolge";
} // namespace

void FeldControls::setTag(QWidget *w, const QString &tag)
{
    w->setProperty(kTag, tag);
    w->setProperty(kFolge, ++g_folge);
}

QString FeldControls::tag(const QWidget *w)
{
    return w->property(kTag).toString();
}

void FeldControls::setIndex(QWidget *w, int index)
{
    w->setProperty("index", index);
}

int FeldControls::index(const QWidget *w)
{
    const QVariant v = w->property("index");
    return v.isValid() ? v.toInt() : -1;
}

QList<QWidget *> FeldControls::tagged(const QWidget *root)
{
    QList<QWidget *> out;
    if (!root)
        return out;
    // Each control's order is read once: a property lookup searches the
    // class's properties by name, too slow for every comparison.
    struct Eintrag
    {
        QWidget *w;
        bool mitFolge;
        qlonglong folge;
    };
    std::vector<Eintrag> eintraege;
    const auto alle = root->findChildren<QWidget *>();
    for (QWidget *w : alle)
        if (!tag(w).isEmpty()) {
            const QVariant f = w->property(kFolge);
            eintraege.push_back({w, f.isValid(), f.isValid() ? f.toLongLong() : 0});
        }
    std::stable_sort(eintraege.begin(), eintraege.end(), [](const Eintrag &a, const Eintrag &b) {
        if (a.mitFolge != b.mitFolge)
            return a.mitFolge;
        return a.folge < b.folge;
    });
    out.reserve(qsizetype(eintraege.size()));
    for (const Eintrag &e : eintraege)
        out.append(e.w);
    return out;
}

QString FeldControls::wert(const QWidget *w)
{
    const QString t = tag(w);
    if (t.startsWith(u'1')) {
        if (auto *e = qobject_cast<const QLineEdit *>(w))
            return e->text();
        if (auto *c = qobject_cast<const QComboBox *>(w))
            return c->currentText();
        if (auto *l = qobject_cast<const QLabel *>(w))
            return l->text();
        if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
            return p->toPlainText();
        if (auto *x = qobject_cast<const QTextEdit *>(w))
            return x->toPlainText();
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            return b->text();
        return {};
    }
    if (auto *r = qobject_cast<const QRadioButton *>(w))
        return r->isChecked() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    if (auto *c = qobject_cast<const QCheckBox *>(w))
        return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    return {};
}

bool FeldControls::setzeWert(QWidget *w, const QString &wert)
{
    const QString t = tag(w);
    if (t.startsWith(u'1')) {
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->setText(wert);
            return true;
        }
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (c->isEditable()) {
                c->setEditText(wert);
                return true;
            }
            const int i = c->findText(wert);
            if (i < 0 && !wert.isEmpty())
                return false;
            c->setCurrentIndex(i);
            return true;
        }
        if (auto *l = qobject_cast<QLabel *>(w)) {
            l->setText(wert);
            return true;
        }
        if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            p->setPlainText(wert);
            return true;
        }
        if (auto *x = qobject_cast<QTextEdit *>(w)) {
            x->setPlainText(wert);
            return true;
        }
        return false;
    }
    if (auto *r = qobject_cast<QRadioButton *>(w)) {
        if (wert == QLatin1String("Wahr") || wert == QLatin1String("1") || wert == QLatin1String("-1")) {
            r->setChecked(true);
            return true;
        }
        if (wert == QLatin1String("Falsch") || wert == QLatin1String("0")) {
            // An option button cannot be unchecked by itself inside a group.
            const bool exklusiv = r->autoExclusive();
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(exklusiv);
            return true;
        }
        return false;
    }
    if (auto *c = qobject_cast<QCheckBox *>(w)) {
        if (wert == QLatin1String("1")) {
            c->setChecked(true);
            return true;
        }
        if (wert == QLatin1String("0")) {
            c->setChecked(false);
            return true;
        }
        return false; // an empty text leaves the box as designed
    }
    return false;
}

void FeldControls::setzeFarbe(QWidget *w, const QColor &farbe)
{
    QPalette p = w->palette();
    if (p.color(QPalette::Text) == farbe && p.color(QPalette::WindowText) == farbe
        && p.color(QPalette::ButtonText) == farbe)
        return;
    p.setColor(QPalette::Text, farbe);
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::ButtonText, farbe);
    w->setPalette(p);
}

QColor FeldControls::farbe(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w))
        return w->palette().color(QPalette::Text);
    return w->palette().color(QPalette::WindowText);
}

void FeldControls::anzeigen(const QList<QWidget *> &controls, const Feldtabelle &tabelle)
{
    // Each control's tag is read once; then every row, in order, goes into
    // every control with its name.
    QHash<QString, QList<QWidget *>> nachTag;
    for (QWidget *w : controls)
        nachTag[tag(w)].append(w);
    for (const auto &zeile : tabelle.zeilen())
        if (const auto it = nachTag.constFind(zeile.name); it != nachTag.constEnd())
            for (QWidget *w : *it)
                setzeWert(w, zeile.wert);
}

void FeldControls::einlesen(const QList<QWidget *> &controls, Feldtabelle &tabelle, Faerbung faerbung,
                            const QColor &farbe1, const QColor &farbe2)
{
    for (QWidget *w : controls) {
        const QString t = tag(w);
        if (t.isEmpty())
            continue;
        const QString v = wert(w);
        const int i = tabelle.finde(t);
        if (i >= 0) {
            auto &z = tabelle.zeile(i);
            z.wert = v;
            if (faerbung == Faerbung::Voll)
                setzeFarbe(w, z.wert == z.basis ? farbe1 : farbe2);
        } else {
            tabelle.anhaengen(t, v);
            if (faerbung != Faerbung::Keine)
                setzeFarbe(w, farbe2);
        }
    }
}

void FeldControls::einlesen(const QList<QWidget *> &controls, Zusatzfeldtabelle &tabelle)
{
    for (QWidget *w : controls) {
        const QString t = tag(w);
        if (!t.isEmpty())
            tabelle.setzen(t, wert(w));
    }
}
