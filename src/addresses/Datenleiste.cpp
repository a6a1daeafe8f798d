#include "addresses/Datenleiste.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

Datenleiste::Datenleiste(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    auto *reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(2, 2, 2, 2);
    reihe->setSpacing(2);
    const struct
    {
        Schritt schritt;
        const char *name;
        const char *text;
    } knoepfe[] = {
        {Erste, "DatenErste", "|<"},
        {Vorige, "DatenVorige", "<"},
        {Naechste, "DatenNaechste", ">"},
        {Letzte, "DatenLetzte", ">|"},
    };
    m_beschriftung = new QLabel(this);
    m_beschriftung->setAlignment(Qt::AlignCenter);
    for (const auto &k : knoepfe) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setText(QString::fromLatin1(k.text));
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        const Schritt s = k.schritt;
        connect(b, &QToolButton::clicked, this, [this, s] { Q_EMIT geklickt(s); });
        m_knoepfe[s] = b;
        if (s == Naechste)
            reihe->addWidget(m_beschriftung, 1);
        reihe->addWidget(b);
    }
}

void Datenleiste::setBeschriftung(const QString &text)
{
    m_beschriftung->setText(text);
}

QString Datenleiste::beschriftung() const
{
    return m_beschriftung->text();
}
