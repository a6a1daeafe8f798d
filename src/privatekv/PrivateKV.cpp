#include "privatekv/PrivateKV.h"

#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "print/Druckerwahl.h"
#include "print/Seitenflaeche.h"
#include "privatekv/Datenblatt.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

using V = Versicherungsdaten;

PrivateKV::PrivateKV(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("privateKV"), QStringLiteral("Private Krankenversicherung"))
{
    aufbauen();
    m_hauptform.setAktiv(9);
    m_hauptform.Felder_anzeigen(this);
    m_memos = Memodateien::alleLesen(m_hauptform.datenverzeichnis());
    QPointer<PrivateKV> selbst(this);
    m_hauptform.setMemoSpeicherung([selbst](QString *fehler) { return !selbst || selbst->memosSchreiben(fehler); });
    PKnopf_Click(0);
}

void PrivateKV::aufbauen()
{
    auto *haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(8, 8, 8, 8);
    haupt->setSpacing(8);

    auto *personen = new QHBoxLayout;
    personen->setSpacing(4);
    for (int n = 0; n < V::Personen; ++n) {
        auto *b = new QPushButton(V::knopftext(n), this);
        b->setObjectName(QStringLiteral("PKnopf"));
        FeldControls::setIndex(b, n);
        b->setToolTip(V::knopftipp(n));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        connect(b, &QPushButton::clicked, this, [this, n] { PKnopf_Click(n); });
        personen->addWidget(b);
        m_knoepfe[n] = b;
    }
    haupt->addLayout(personen);

    // The input boxes, in two groups: the insured person and the insurer.
    std::vector<masken::Feld> daten, anschrift;
    for (int f = 0; f < V::Felder; ++f) {
        const V::Beschreibung &b = V::beschreibung(f);
        masken::Feld feld = masken::text(b.eingabe, "", b.label, b.tipp);
        if (f == V::PLZ)
            feld = feld.schmal(5);
        if (f == V::Ort)
            feld = feld.dazu();
        (b.anschrift ? anschrift : daten).push_back(feld);
    }
    auto *gruppen = new QHBoxLayout;
    gruppen->setSpacing(8);
    m_daten = masken::gruppe(QStringLiteral("Versicherungsdaten"), daten, this);
    gruppen->addWidget(m_daten, 1);
    gruppen->addWidget(masken::gruppe(QStringLiteral("Anschrift der Versicherung"), anschrift, this), 1);
    haupt->addLayout(gruppen);

    m_memofeld = new QPlainTextEdit(this);
    m_memofeld->setObjectName(QStringLiteral("Memofeld"));
    m_memofeld->setToolTip(QStringLiteral("hier können Sie beliebigen Text eingeben (Anmerkungen usw.)"));
    m_memofeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = m_memofeld->palette();
    p.setColor(QPalette::Base, masken::eingabefarbe());
    m_memofeld->setPalette(p);
    m_memofeld->setMinimumHeight(40);
    haupt->addWidget(m_memofeld, 1);

    auto *knoepfe = new QHBoxLayout;
    m_kopieren = new QPushButton(QStringLiteral("Kopieren"), this);
    m_kopieren->setObjectName(QStringLiteral("Kopieren_Knopf"));
    m_kopieren->setToolTip(QStringLiteral("private Krankenversicherungsdaten werden vom Antragsteller übernommen"));
    connect(m_kopieren, &QPushButton::clicked, this, &PrivateKV::Kopieren_Knopf_Click);
    m_drucken = new QPushButton(QStringLiteral("Drucken"), this);
    m_drucken->setObjectName(QStringLiteral("Drucken_Knopf"));
    connect(m_drucken, &QPushButton::clicked, this, &PrivateKV::Drucken_Knopf_Click);
    knoepfe->addWidget(m_kopieren);
    knoepfe->addWidget(m_drucken);
    knoepfe->addStretch(1);
    haupt->addLayout(knoepfe);

    // The hidden per-person store, and the change rule: whatever a box
    // shows is at once the selected person's value.
    auto *speicher = new QWidget(this);
    speicher->setObjectName(QStringLiteral("Personenspeicher"));
    speicher->hide();
    for (int f = 0; f < V::Felder; ++f) {
        const V::Beschreibung &b = V::beschreibung(f);
        for (int n = 0; n < V::Personen; ++n) {
            auto *l = new QLabel(speicher);
            l->setObjectName(QString::fromUtf8(b.halter));
            l->setTextFormat(Qt::PlainText);
            FeldControls::setIndex(l, n);
            FeldControls::setTag(l, V::tag(f, n));
            m_halter[f][n] = l;
        }
        m_eingabe[f] = masken::finde<QLineEdit>(this, QString::fromUtf8(b.eingabe));
        connect(m_eingabe[f], &QLineEdit::textChanged, this,
                [this, f](const QString &text) { m_halter[f][m_person]->setText(text); });
    }
    connect(m_memofeld, &QPlainTextEdit::textChanged, this,
            [this] { m_memos[m_person] = m_memofeld->toPlainText(); });
    setFocusProxy(m_eingabe[V::Vorname]);
}

void PrivateKV::PKnopf_Click(int person)
{
    if (person < 0 || person >= V::Personen)
        return;
    m_daten->setTitle(QStringLiteral("Versicherungsdaten für ") + m_knoepfe[person]->text());
    m_person = person;
    m_knoepfe[person]->setChecked(true);
    m_kopieren->setEnabled(person != 0);
    const QString memo = m_memos[person]; // the box's change rule writes back while it fills
    for (int f = 0; f < V::Felder; ++f)
        m_eingabe[f]->setText(m_halter[f][person]->text());
    m_memofeld->setPlainText(memo);
}

void PrivateKV::Kopieren_Knopf_Click()
{
    for (int f = 0; f < V::Felder; ++f)
        if (f != V::Vorname && f != V::Geburtsdatum)
            m_eingabe[f]->setText(m_halter[f][0]->text());
}

bool PrivateKV::memosSchreiben(QString *fehler)
{
    return Memodateien::alleSchreiben(m_hauptform.datenverzeichnis(), m_memos, fehler);
}

void PrivateKV::Drucken_Knopf_Click()
{
    auto *wahl = m_hauptform.findChild<Druckerwahl *>(QStringLiteral("Druckerwahl"));
    if (!wahl)
        return;
    V::Werte werte;
    for (int f = 0; f < V::Felder; ++f)
        werte[f] = m_eingabe[f]->text();
    Datenblatt blatt(werte, m_memos[m_person]);
    const QString name = QStringLiteral("Datenblatt-") + V::suffix(m_person);
    do {
        // Every page is a job of its own, with a file name of its own for PDF files.
        const int seite = blatt.gezeichneteSeiten() + 1;
        const QString auftrag = seite == 1 ? name : name + u'-' + QString::number(seite);
        std::unique_ptr<Seitenflaeche> flaeche =
            wahl->auftrag(this, auftrag, m_hauptform.datenverzeichnis() + auftrag + QStringLiteral(".pdf"));
        if (!flaeche)
            return;
        const bool ok = blatt.seiteZeichnen(*flaeche);
        wahl->auftragBeendet(*flaeche);
        if (!ok) {
            Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                             QStringLiteral("Das Datenblatt konnte nicht gedruckt werden.\n\n%1").arg(flaeche->fehler()));
            return;
        }
    } while (blatt.weiter());
}
