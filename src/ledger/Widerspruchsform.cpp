#include "ledger/Widerspruchsform.h"

#include "base/GermanDate.h"
#include "print/Druckerwahl.h"
#include "print/Seitenflaeche.h"
#include "shell/Dialoge.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Widerspruchsform::Widerspruchsform(const Widerspruch &brief, const QDate &eingang, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Widerspruchsform"));
    setWindowTitle(titel());
    auto *layout = new QVBoxLayout(this);
    auto *kopf = new QHBoxLayout;
    m_eingang = new QLineEdit(GermanDate::format(eingang), this);
    m_eingang->setObjectName(QStringLiteral("Eingangsdatum"));
    m_eingang->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    m_eingang->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    m_eingang->setToolTip(QStringLiteral("Der Tag, an dem der Bescheid bei Ihnen ankam"));
    auto *label = new QLabel(QStringLiteral("Bescheid vom %1 &erhalten am:")
                                 .arg(brief.bescheiddatum.isValid() ? GermanDate::format(brief.bescheiddatum)
                                                                    : QStringLiteral("(ohne Datum)")),
                             this);
    label->setBuddy(m_eingang);
    m_frist = new QLabel(this);
    m_frist->setObjectName(QStringLiteral("Fristende"));
    m_frist->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_frist->setToolTip(Widerspruch::fristRegel());
    kopf->addWidget(label);
    kopf->addWidget(m_eingang);
    kopf->addSpacing(12);
    kopf->addWidget(m_frist, 1);
    layout->addLayout(kopf);
    auto *regel = new QLabel(Widerspruch::fristRegel(), this);
    regel->setObjectName(QStringLiteral("FristRegel"));
    regel->setWordWrap(true);
    QFont klein = regel->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    regel->setFont(klein);
    layout->addWidget(regel);

    m_text = new QPlainTextEdit(brief.entwurf(), this);
    m_text->setObjectName(QStringLiteral("Brieftext"));
    layout->addWidget(m_text, 1);

    auto *knoepfe = new QHBoxLayout;
    auto *drucken = new QPushButton(QStringLiteral("&Drucken"), this);
    drucken->setObjectName(QStringLiteral("Drucken_Knopf"));
    auto *pdf = new QPushButton(QStringLiteral("Als &PDF speichern…"), this);
    pdf->setObjectName(QStringLiteral("Pdf_Knopf"));
    auto *schliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    schliessen->setObjectName(QStringLiteral("Schliessen_Knopf"));
    knoepfe->addStretch(1);
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(pdf);
    knoepfe->addWidget(schliessen);
    layout->addLayout(knoepfe);
    connect(drucken, &QPushButton::clicked, this, &Widerspruchsform::Drucken_Knopf_Click);
    connect(pdf, &QPushButton::clicked, this, &Widerspruchsform::Pdf_Knopf_Click);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_eingang, &QLineEdit::textChanged, this, &Widerspruchsform::fristZeigen);
    fristZeigen();
    resize(900, 560);
}

QString Widerspruchsform::text() const
{
    return m_text->toPlainText();
}

void Widerspruchsform::fristZeigen()
{
    const std::optional<QDate> eingang = GermanDate::parse(m_eingang->text().trimmed());
    if (!eingang) {
        m_frist->setText(QStringLiteral("Bitte das Datum angeben, an dem der Bescheid ankam."));
        return;
    }
    const QDate ende = Widerspruch::fristende(*eingang);
    m_frist->setText(QStringLiteral("Der Widerspruch muss spätestens am %1, %2 bei der Beihilfestelle eingehen.")
                         .arg(QLocale(QLocale::German).dayName(ende.dayOfWeek()), GermanDate::format(ende)));
}

void Widerspruchsform::Drucken_Knopf_Click()
{
    Druckerwahl wahl;
    std::unique_ptr<Seitenflaeche> flaeche = wahl.auftrag(this, QStringLiteral("Widerspruch"),
                                                          QDir::homePath() + QStringLiteral("/widerspruch.pdf"));
    if (!flaeche)
        return;
    QString fehler;
    if (!Widerspruch::zeichnen(*flaeche, text(), &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, titel(), fehler, QMessageBox::Ok);
    wahl.auftragBeendet(*flaeche);
}

void Widerspruchsform::Pdf_Knopf_Click()
{
    const QString pfad = Dialoge::dateiSpeichern(this, QStringLiteral("Widerspruch als PDF speichern"),
                                                 QDir::homePath() + QStringLiteral("/widerspruch.pdf"));
    if (pfad.isEmpty())
        return;
    QString fehler;
    if (!Widerspruch::pdf(text(), pfad, &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, titel(), fehler, QMessageBox::Ok);
}
