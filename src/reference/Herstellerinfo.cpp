#include "reference/Herstellerinfo.h"

#include "reference/Bedienelemente.h"
#include "shell/Titelbild.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "unbekannt"
#endif

Herstellerinfo::Herstellerinfo(const QString &datenverzeichnis, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Herstellerinfo"));
    setWindowTitle(QStringLiteral(" Hersteller-Info"));
    auto *bild = new Titelbild(this);
    bild->setFixedSize(bild->sizeHint());

    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("Hersteller"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<p><b style='font-size:14pt'>Velmora 2000</b><br>Version %1</p>"
                                 "<p>Das digitale Antragsformular für die Beihilfe des Landes "
                                 "Nordrhein-Westfalen: Antragsdaten, Belege mit DM- und Euro-Summen, "
                                 "Druck des Antrags sowie Gebührenordnungen, Beihilfevorschriften, "
                                 "Heilmittel und Kurorte zum Nachschlagen.</p>"
                                 "<p>Lizenz: für diese Ausgabe noch nicht festgelegt.<br>"
                                 "Alle Angaben ohne Gewähr; maßgeblich sind die amtlichen Texte.</p>")
                      .arg(version()));

    auto *verzeichnisLabel = new QLabel(QStringLiteral("Datenverzeichnis:"), this);
    auto *verzeichnis = new QLabel(QDir::toNativeSeparators(datenverzeichnis), this);
    verzeichnis->setObjectName(QStringLiteral("Verzeichnis"));
    verzeichnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verzeichnis->setWordWrap(true);

    auto *ende = Bedienelemente::knopf(this, QStringLiteral("Ende_Knopf"), -1, QStringLiteral("Beenden"));
    ende->setDefault(true);
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(text);
    rechts->addWidget(verzeichnisLabel);
    rechts->addWidget(verzeichnis);
    rechts->addStretch(1);
    auto *oben = new QHBoxLayout;
    oben->addWidget(bild, 0, Qt::AlignTop);
    oben->addLayout(rechts, 1);
    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(ende);
    auto *l = new QVBoxLayout(this);
    l->addLayout(oben);
    l->addLayout(unten);
    resize(820, 320);
}

QString Herstellerinfo::version()
{
    return QStringLiteral(VELMORA_VERSION);
}

void Herstellerinfo::zentrieren()
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void Herstellerinfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    zentrieren();
}

void Herstellerinfo::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        zentrieren();
}
