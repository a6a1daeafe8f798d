#include "forms/Versicherungsmaske.h"

#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace masken;

namespace {

QLabel *kopf(const QString &text, QWidget *eltern)
{
    auto *l = beschriftung(text, eltern, true);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setMargin(2);
    return l;
}

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

QString Versicherungsmaske::zeilentitel(int i)
{
    if (i == 0)
        return QStringLiteral("Antragsteller");
    if (i == 1)
        return QStringLiteral("Ehegattin/Ehegatte");
    return QStringLiteral("Kind %1").arg(i - 1);
}

QString Versicherungsmaske::personencode(int i)
{
    if (i == 0)
        return QStringLiteral("A");
    if (i == 1)
        return QStringLiteral("E");
    return QStringLiteral("K%1").arg(i - 1);
}

Versicherungsmaske::Versicherungsmaske(Hauptform &hauptform, const Art &art)
    : Maske(hauptform, u8(art.name), u8(art.titel))
    , m_art(art)
{
}

void Versicherungsmaske::aufbauen()
{
    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(8, 8, 8, 8);
    aussen->setSpacing(8);

    // Upper group: how each person is insured.
    auto *oben = new QGroupBox(u8(m_art.obenTitel), this);
    auto *grid = new QGridLayout(oben);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const int sNicht = 1, sPrivat = 2, sSeit = 3;
    const int sPflicht = m_art.mitSeit ? 4 : 3;
    const int sFreiwillig = sPflicht + 1, sFamilie = sPflicht + 2;
    int ersteZeile = 1;
    grid->addWidget(kopf(u8(m_art.kopf[0]), oben), 0, 0, m_art.mitSeit ? 2 : 1, 1);
    grid->addWidget(kopf(u8(m_art.kopf[1]), oben), 0, sNicht, m_art.mitSeit ? 2 : 1, 1);
    if (m_art.mitSeit) {
        grid->addWidget(kopf(u8(m_art.kopf[2]), oben), 0, sPrivat, 1, 2);
        grid->addWidget(kopf(QStringLiteral("bei\nnur Beamte und Versorgungsempfänger"), oben), 1, sPrivat);
        grid->addWidget(kopf(QStringLiteral("seit\nnur Arbeitnehmer"), oben), 1, sSeit);
        ersteZeile = 2;
    } else {
        grid->addWidget(kopf(u8(m_art.kopf[2]), oben), 0, sPrivat);
    }
    for (int k = 3; k < 6; ++k)
        grid->addWidget(kopf(u8(m_art.kopf[k]), oben), 0, sPflicht + k - 3, m_art.mitSeit ? 2 : 1, 1);

    for (int i = 0; i < Personen; ++i) {
        const QString p = personencode(i);
        const int z = ersteZeile + i;
        grid->addWidget(beschriftung(zeilentitel(i), oben), z, 0);
        auto setzen = [&](const Feld &f, int spalte, const QString &tippName, Qt::Alignment ausrichtung = {}) {
            QWidget *w = erzeugen(f.element(i), oben, p);
            const QString t = tipp(tippName, i);
            if (!t.isEmpty())
                w->setToolTip(t);
            grid->addWidget(w, z, spalte, ausrichtung);
            return w;
        };
        setzen(kasten("nicht", m_art.tagNicht, ""), sNicht, QStringLiteral("nicht"), Qt::AlignCenter);
        setzen(text("privat", m_art.tagPrivat), sPrivat, QStringLiteral("privat"));
        if (m_art.mitSeit)
            setzen(text("seit", m_art.tagSeit).schmal(10), sSeit, QStringLiteral("seit"));
        setzen(text("pflicht", m_art.tagPflicht), sPflicht, QStringLiteral("pflicht"));
        setzen(text("freiwillig", m_art.tagFreiwillig), sFreiwillig, QStringLiteral("freiwillig"));

        // Family insurance: "A" and "E" in two fixed places of the column.
        auto *familie = new QHBoxLayout;
        familie->setSpacing(12);
        auto platz = [&](QWidget *w) {
            auto *rahmen = new QWidget(oben);
            auto *l = new QHBoxLayout(rahmen);
            l->setContentsMargins(0, 0, 0, 0);
            if (w)
                l->addWidget(w);
            rahmen->setFixedWidth(48);
            familie->addWidget(rahmen);
        };
        QWidget *a = nullptr;
        QWidget *e = nullptr;
        if (i == 0) {
            e = erzeugen(kasten("Check8", m_art.tagFamilieAE, "E", ""), oben);
            e->setToolTip(tipp(QStringLiteral("FVE"), i));
        } else if (i == 1) {
            a = erzeugen(kasten("Check9", m_art.tagFamilieEA, "A", ""), oben);
            a->setToolTip(tipp(QStringLiteral("FVA"), i));
        } else {
            a = erzeugen(kasten("FVA", m_art.tagFamilieA, "A").element(i - 2), oben, p);
            a->setToolTip(tipp(QStringLiteral("FVA"), i));
            e = erzeugen(kasten("FVE", m_art.tagFamilieE, "E").element(i - 2), oben, p);
            e->setToolTip(tipp(QStringLiteral("FVE"), i));
            exklusiv({qobject_cast<QCheckBox *>(a), qobject_cast<QCheckBox *>(e)});
        }
        familie->addStretch(1);
        platz(a);
        platz(e);
        familie->addStretch(1);
        grid->addLayout(familie, z, sFamilie);
    }
    grid->setColumnStretch(sPrivat, 3);
    if (m_art.mitSeit)
        grid->setColumnStretch(sSeit, 0);
    grid->setColumnStretch(sPflicht, 3);
    grid->setColumnStretch(sFreiwillig, 3);
    auto *fuss = beschriftung(u8(m_art.fussnote), oben);
    grid->addWidget(fuss, ersteZeile + Personen, 0, 1, sFamilie + 1);
    aussen->addWidget(oben);

    // Lower group: the employer's subsidy, with the note beside it.
    auto *unten = new QGroupBox(u8(m_art.untenTitel), this);
    auto *reihe = new QHBoxLayout(unten);
    reihe->setContentsMargins(8, 6, 8, 6);
    auto *ugrid = new QGridLayout;
    ugrid->setHorizontalSpacing(6);
    ugrid->setVerticalSpacing(3);
    for (int k = 0; k < 4; ++k)
        ugrid->addWidget(kopf(u8(m_art.untenKopf[k]), unten), 0, k);
    for (int i = 0; i < Personen; ++i) {
        const QString p = personencode(i);
        ugrid->addWidget(beschriftung(zeilentitel(i), unten), i + 1, 0);
        const Feld spalten[] = {text("Zeitraum", m_art.tagZeit), text("Zuschuss", m_art.tagZuschuss),
                                text("KVB", m_art.tagBeitrag)};
        for (int k = 0; k < 3; ++k) {
            auto *w = static_cast<QLineEdit *>(erzeugen(spalten[k].element(i), unten, p));
            w->setToolTip(tipp(QString::fromUtf8(spalten[k].name), i));
            if (k > 0)
                w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ugrid->addWidget(w, i + 1, k + 1);
        }
    }
    ugrid->setColumnStretch(1, 2);
    ugrid->setColumnStretch(2, 1);
    ugrid->setColumnStretch(3, 1);
    reihe->addLayout(ugrid, 3);
    auto *note = beschriftung(QStringLiteral("Bei Landesbe- diensteten bitte die Bescheinigung des Landesamtes für "
                                             "Besoldung und Versorgung bei- fügen: in diesen Fällen entfallen die "
                                             "Angaben für \"Zeit vom bis\" und \"Zustehender Zuschuss im "
                                             "Antragsmonat\""),
                              unten, true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setMinimumWidth(200);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(note);
    if (m_art.mitSeit) {
        auto *info = beschriftung(QString(), unten, true, QStringLiteral("Privatinfo"));
        QPalette pal = info->palette();
        pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
        info->setPalette(pal);
        info->setMinimumHeight(2 * info->fontMetrics().height() + 4);
        rechts->addWidget(info);
        for (int i = 0; i < Personen; ++i) {
            beiFokus(finde<QWidget>(this, QStringLiteral("privat"), i), [info](bool hinein) {
                info->setText(hinein ? QStringLiteral("nur Beamte oder Versorgungsempfänger !") : QString());
            });
            beiFokus(finde<QWidget>(this, QStringLiteral("seit"), i), [info](bool hinein) {
                info->setText(hinein ? QStringLiteral("nur Arbeitnehmer !") : QString());
            });
        }
    }
    rechts->addStretch(1);
    reihe->addLayout(rechts, 1);
    aussen->addWidget(unten);
    aussen->addStretch(1);

    setFocusProxy(finde<QWidget>(this, QStringLiteral("nicht"), 0));
    feldMarkierungAnbieten();
    m_hauptform.setAktiv(m_art.marker);
    m_hauptform.Felder_anzeigen(this);
}
