#include "ledger/Aerzteform.h"

#include "ledger/Aerzteliste.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Aerzteform::Aerzteform(Hauptform &hauptform, QWidget *parent)
    : Maske(hauptform, QStringLiteral("Aerzteform"), QStringLiteral("Ärzteliste bearbeiten"), parent)
{
    m_inhalt = new QPlainTextEdit(this);
    m_inhalt->setObjectName(QStringLiteral("Inhalt"));
    m_inhalt->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *speichern = new QPushButton(QStringLiteral("&Speichern"), this);
    speichern->setObjectName(QStringLiteral("Speichern_Knopf"));
    auto *ende = new QPushButton(QStringLiteral("&Ende"), this);
    ende->setObjectName(QStringLiteral("Ende_Knopf"));
    connect(speichern, &QPushButton::clicked, this, &Aerzteform::Speichern_Knopf_Click);
    connect(ende, &QPushButton::clicked, this, &Aerzteform::Ende_Knopf_Click);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(ende);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_inhalt, 1);
    layout->addLayout(knoepfe);
    resize(420, 360);
}

QString Aerzteform::pfad() const
{
    return m_hauptform.datenverzeichnis() + Aerzteliste::Dateiname;
}

void Aerzteform::showEvent(QShowEvent *event)
{
    neuLaden();
    Maske::showEvent(event);
}

void Aerzteform::neuLaden()
{
    const auto zeilen = Aerzteliste::lesen(pfad());
    QString text = zeilen ? Aerzteliste::editortext(*zeilen) : QString();
    m_inhalt->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Aerzteform::Speichern_Knopf_Click()
{
    QString fehler;
    if (!Aerzteliste::schreiben(pfad(), m_inhalt->toPlainText(), &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Ärzteliste konnte nicht gespeichert werden.\n\n%1").arg(fehler));
}

void Aerzteform::Ende_Knopf_Click()
{
    Hauptform::fensterVon(this)->close();
    if (QWidget *aufwendungen = m_hauptform.maske(QStringLiteral("Aufwendungen")))
        QMetaObject::invokeMethod(aufwendungen, "Aerzte_einlesen");
}
