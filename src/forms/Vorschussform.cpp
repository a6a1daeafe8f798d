#include "forms/Vorschussform.h"

#include "forms/MaskenBauer.h"
#include "print/Antragsseiten.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace masken;

namespace {
const Feld kHoehe[] = {
    text("GVHöhe", "1GVHöhe", "Höhe des Zuschusses:", "erfassen Sie hier die Höhe des beantragten Vorschusses ")
        .schmal(14),
};
const Feld kKraftfahrzeug[] = {
    text("GVBehinderung", "1GVBehinderung", "Grad der Behinderung (v. H.)", "Prozent vom Hundert der Behinderung")
        .schmal(6),
    text("GVAnschaffung", "1GVAnschaffung", "Anschaffung am", "Anschaffungsdatum (TT.MM.JJJJ) ").schmal(10).dazu(),
};
const Feld kMoebel[] = {
    kasten("GVEheschliessung", "2GVEheschliessung", "Eheschliessung am"),
    text("GVEheschliessungam", "1GVEheschliessungam", "", "das Datum der Eheschließung (TT.MM.JJJJ)").schmal(10).dazu(),
    kasten("GVHausstand", "2GVHausstand", "erstmalige Begründung eines eigenen Hausstandes am"),
    text("GVHausstandam", "1GVHausstandam", "", "Datum der Hausstandbegründung").schmal(10).dazu(),
    text("GVHausstandin", "1GVHausstandin", "in", "Ort der Haushaltsbegründung").dazu(),
    label("Vorherige Wohnung:"),
    kasten("GVvorher1", "2GVvorher1", "Elterliche Wohnung").dazu(),
    kasten("GVvorher2", "2GVvorher2", "möbliertes Zimmer").dazu(),
    kasten("GVScheidung", "2GVScheidung", "Ehescheidung am"),
    text("GVScheidungam", "1GVScheidungam", "", "Datum der Ehescheidung (TT.MM.JJJJ)").schmal(10).dazu(),
};
const Feld kAussteuer[] = {
    label("aus Anlass der"),
    kasten("GVAussteuer1", "2GVAussteuer1", "Eheschliessung").dazu(),
    kasten("GVAussteuer2", "2GVAussteuer2", "erstmaliger Begründung eines eigenen Hausstandes").dazu(),
    text("GVAussteueram", "1GVAussteueram", "des Kindes am", "Tag der Eheschließung des oben genannten Kindes")
        .schmal(10),
};
const Feld kUnterstuetzung[] = {
    label("wegen"),
    kasten("GVUnterstützung1", "2GVUnterstützung1", "schwerer Erkrankung").dazu(),
    kasten("GVUnterstützung2", "2GVUnterstützung2", "Bestattung").dazu(),
    text("GVUnterstützungdes", "1GVUnterstützungdes", "des / der", "Name der Person"),
    text("GVUnterstützungVV", "1GVUnterstützungVV", "Verwandtschaftsverhältnis", "Verwandtschaftsverhältnis zur Person"),
    text("GVUnterstützungKosten", "1GVUnterstützungKosten", "Kosten in Höhe von", "entstandene Kosten in Höhe von")
        .schmal(14),
    text("GVUnterstütungEG", "1GVUnterstütungEG", "Zu den Aufwendungen besteht ein Erstattungsanspruch gegen :"),
    text("GVUnterstützungDS", "1GVUnterstützungDS", "Von dritter Seite wurden geleistet:"),
};
const Feld kSchulden[] = {
    kasten("GVkeineSchulden", "2GVkeineSchulden", "keine Schulden"),
    text("GVSchuldenhöhe", "1GVSchuldenhöhe", "Höhe der Schulden", "Höhe Ihrer Schulden").schmal(14),
    text("GVSchuldenwegen", "1GVSchuldenwegen", "entstanden wegen", "Grund, warum Schulden entstanden sind"),
    text("GVSchuldentilgung", "1GVSchuldentilgung", "monatlich für Zinsen und Tilgung",
         "monatlicher Betrag für Zinsen und Tilgung bestehender Schulden")
        .schmal(14),
};
const Feld kBezuege[] = {
    text("GVBezüge", "1GVBezüge", "monatliche Bezüge (netto)", "Betrag Ihres Einkommens ").schmal(14),
};
const Feld kFrueher[] = {
    text("GVVorschussbereitsam", "1GVVorschussbereitsam", "bereits gewährt am",
         "Datum, an dem bereits ein Vorschuss gewährt wurde")
        .schmal(10),
    text("GVVorschussHöhe", "1GVVorschussHöhe", "in Höhe von", "Betrag eines bereits gewährten Vorschusses")
        .schmal(14)
        .dazu(),
    text("GVVorschusswegen", "1GVVorschusswegen", "wegen", "Grund des bereits gewährten Vorschusses"),
    text("GVVorschussvon", "1GVVorschussvon", "gewährt von", "von wem gewährt ??"),
    text("GVVorschussAZ", "1GVVorschussAZ", "Aktenzeichen", "Aktenzeichen").schmal(20),
    text("GVnochnichtgetilgt", "1GVnochnichtgetilgt", "noch nicht getilgt", "Betrag, der noch nicht getilgt ist")
        .schmal(14)
        .dazu(),
};
const Feld kOrt[] = {
    text("GVOrtDatum", "1GVOrtDatum", "Ort, Datum", "Ort u. Datum der Antragstellung"),
};

QGroupBox *abschnitt(const char *titel, std::span<const Feld> felder, QWidget *eltern)
{
    return gruppe(QString::fromUtf8(titel), felder, eltern);
}

QLabel *erklaerung(const char *text, QWidget *eltern)
{
    return beschriftung(QString::fromUtf8(text), eltern, true);
}
} // namespace

Vorschussform::Vorschussform(Hauptform &hauptform)
    : Nebenantragsmaske(hauptform, QStringLiteral("Vorschussform"),
                        QStringLiteral("Antrag auf Gewährung eines Vorschusses"),
                        Art{QStringLiteral("V"), QStringLiteral("VS"), QStringLiteral("Antrag auf Vorschuss"),
                            QStringLiteral("vorschuss.txt"), Antragsseiten::nebenantrag(QStringLiteral("VS"))->layouts})
{
    m_bild = new QWidget(this);
    m_bild->setObjectName(QStringLiteral("Bild"));
    auto *l = new QVBoxLayout(m_bild);
    l->setContentsMargins(8, 8, 8, 8);
    l->addWidget(abschnitt("Vorschuss", kHoehe, m_bild));
    auto *wohnung = new QGroupBox(QStringLiteral("Wohnungswechsel aus zwingenden Anlaß (Nr. 1 Abs. 3 Buchst. a VR)"), m_bild);
    (new QVBoxLayout(wohnung))->addWidget(erklaerung("Anlass und Kosten des Umzugs bitte auf besonderem Blatt angeben.", wohnung));
    l->addWidget(wohnung);
    l->addWidget(abschnitt("Erstbeschaffung eines Kraftfahrzeuges (Nr. 1 Abs. 3 Buschst. b VR)", kKraftfahrzeug, m_bild));
    l->addWidget(abschnitt("Möbel- und Hausratbeschaffung (Nr. 1 Abs. 3 Buchst. c VR) aus Anlaß der", kMoebel, m_bild));
    l->addWidget(abschnitt("Aussteuer oder Ausstattung (Nr.1 Abs. 3 Buchst. d VR)", kAussteuer, m_bild));
    auto *verlust = new QGroupBox(
        QStringLiteral("Erstbeschaffung bei Verlust von Möbeln, Hausrat und Bekleidung (Nr. 1 Abs 3 Buchst. e VR)"), m_bild);
    (new QVBoxLayout(verlust))->addWidget(erklaerung("Art und Umfang des Verlustes bitte auf besonderem Blatt angeben.", verlust));
    l->addWidget(verlust);
    l->addWidget(abschnitt("Unterstützung bedürftiger Angehöriger (Nr. 1 Abs. 3 Buchst. f VR)", kUnterstuetzung, m_bild));
    l->addWidget(abschnitt("Schulden", kSchulden, m_bild));
    l->addWidget(abschnitt("Einkommen", kBezuege, m_bild));
    l->addWidget(abschnitt("Früherer Vorschuss", kFrueher, m_bild));
    auto *schluss = abschnitt("Erklärung", kOrt, m_bild);
    auto *schlussLayout = static_cast<QGridLayout *>(schluss->layout());
    schlussLayout->addWidget(
        erklaerung("Ich erkläre. dass keine andere Person aus demselben Anlass einen Vorschuss beantragt hat.", schluss),
        schlussLayout->rowCount(), 0, 1, 2);
    schlussLayout->addWidget(
        erklaerung("Ich verpflichte mich,den meinem Ehegatten (Antragsteller) gewährten Vorschuss entsprechend der "
                   "Vorschussrichtlinien zurückzuzahlen, sofern mein Ehegatte dazu nicht in der Lage ist.",
                   schluss),
        schlussLayout->rowCount(), 0, 1, 2);
    l->addWidget(schluss);

    m_vscroll = new QScrollBar(Qt::Vertical, this);
    m_vscroll->setObjectName(QStringLiteral("VScroll"));
    m_vscroll->setSingleStep(100);
    m_vscroll->setPageStep(1000);
    connect(m_vscroll, &QScrollBar::valueChanged, this, [this] { anordnen(); });
    // The wheel over the canvas moves the scroll bar.
    m_bild->installEventFilter(this);
    for (QWidget *w : m_bild->findChildren<QWidget *>())
        w->installEventFilter(this);

    resize(760, 560);
}

void Vorschussform::resizeEvent(QResizeEvent *event)
{
    Nebenantragsmaske::resizeEvent(event);
    anordnen();
}

bool Vorschussform::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::Wheel) {
        const int schritte = static_cast<QWheelEvent *>(ereignis)->angleDelta().y() / 120;
        m_vscroll->setValue(m_vscroll->value() - schritte * 3 * m_vscroll->singleStep());
        return true;
    }
    if (ereignis->type() == QEvent::FocusIn) {
        // A control reached by Tab comes into view.
        if (auto *w = qobject_cast<QWidget *>(objekt); w && w != m_bild) {
            const int oben = Hauptform::pixelZuTwips(w->mapTo(m_bild, QPoint(0, 0)).y(), false);
            const int hoehe = Hauptform::pixelZuTwips(w->height(), false);
            const int sichtbar = Hauptform::pixelZuTwips(height(), false);
            if (oben < m_vscroll->value())
                m_vscroll->setValue(oben);
            else if (oben + hoehe > m_vscroll->value() + sichtbar)
                m_vscroll->setValue(oben + hoehe - sichtbar);
        }
    }
    return Nebenantragsmaske::eventFilter(objekt, ereignis);
}

void Vorschussform::anordnen()
{
    // The scroll value is twips; the canvas top is minus the scroll value,
    // and the scroll range reaches exactly the canvas's end.
    const int breite = width() - m_vscroll->sizeHint().width();
    const int hoehe = m_bild->hasHeightForWidth() ? m_bild->heightForWidth(breite) : m_bild->sizeHint().height();
    m_vscroll->blockSignals(true);
    m_vscroll->setRange(0, Hauptform::pixelZuTwips(std::max(0, hoehe - height()), false));
    m_vscroll->blockSignals(false);
    m_bild->setGeometry(0, -Hauptform::twipsZuPixel(m_vscroll->value(), false), breite, hoehe);
    m_vscroll->setGeometry(breite, 0, m_vscroll->sizeHint().width(), height());
}
