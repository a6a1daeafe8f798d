#include "print/Einreichungspaket.h"

#include "base/GermanMoney.h"
#include "fields/Feldtabelle.h"
#include "ledger/Belegablage.h"
#include "ledger/Rechnungspositionen.h"
#include "ledger/Summen.h"
#include "print/Antragsseiten.h"
#include "print/Aufwendungsbelege.h"
#include "print/Aufwendungsseiten.h"
#include "print/Layoutinterpreter.h"
#include "print/MalerFlaeche.h"
#include "print/PdfBildtausch.h"
#include "print/PdfDatei.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace {
constexpr double kMmProZoll = 25.4;

// The pages of the package, written into memory: the form pages through the
// layout interpreter, the picture and closing pages straight on the painter.
class Paketflaeche : public MalerFlaeche
{
public:
    Paketflaeche() { m_puffer.open(QIODevice::WriteOnly); }
    ~Paketflaeche() override
    {
        if (m_maler.isActive())
            m_maler.end();
    }

    int seiten() const { return m_seiten; }

    // A new portrait page for drawing on directly; coordinates are device
    // pixels at PdfDatei::Aufloesung.
    QPainter *freieSeite()
    {
        seiteBeginnen(false);
        m_seiteOffen = false;
        return m_maler.isActive() ? &m_maler : nullptr;
    }

    QByteArray fertig()
    {
        if (!m_schreiber)
            seiteBeginnen(false);
        setMaler(nullptr);
        m_maler.end();
        return m_puffer.data();
    }

protected:
    QPainter *maler() override
    {
        if (!m_seiteOffen) {
            seiteBeginnen(orientation() == 2);
            m_seiteOffen = true;
            setMaler(&m_maler);
        }
        return &m_maler;
    }

    bool abschliessen() override
    {
        if (!m_seiteOffen)
            maler(); // an empty page is still a page
        m_seiteOffen = false;
        return true;
    }

private:
    void seiteBeginnen(bool quer)
    {
        if (!m_schreiber) {
            m_schreiber = std::make_unique<QPdfWriter>(&m_puffer);
            PdfDatei::einrichten(*m_schreiber, QStringLiteral("Beihilfeantrag"), quer);
            m_maler.begin(m_schreiber.get());
        } else {
            m_schreiber->setPageLayout(PdfDatei::blatt(quer));
            m_schreiber->newPage();
        }
        m_maler.resetTransform();
        ++m_seiten;
    }

    QBuffer m_puffer;
    std::unique_ptr<QPdfWriter> m_schreiber;
    QPainter m_maler;
    bool m_seiteOffen = false;
    int m_seiten = 0;
};

double px(double mm)
{
    return mm * PdfDatei::Aufloesung / kMmProZoll;
}

// A page picture in grey, no larger than the area it is printed on at the
// package's resolution, as JPEG.
PdfBildtausch::Bild verkleinern(const QImage &seite, const QSizeF &flaecheMm)
{
    QImage grau;
    if (seite.hasAlphaChannel()) {
        grau = QImage(seite.size(), QImage::Format_RGB32);
        grau.fill(Qt::white);
        QPainter p(&grau);
        p.drawImage(0, 0, seite);
    } else {
        grau = seite;
    }
    grau = grau.convertToFormat(QImage::Format_Grayscale8);
    const QSize hoechstens(int(flaecheMm.width() / kMmProZoll * Einreichungspaket::Bildaufloesung),
                           int(flaecheMm.height() / kMmProZoll * Einreichungspaket::Bildaufloesung));
    // A page already read at about the resolution is kept as it is (it is
    // printed somewhat smaller); only larger pictures are scaled down.
    if (grau.width() > hoechstens.width() * 1.35 || grau.height() > hoechstens.height() * 1.35)
        grau = grau.scaled(hoechstens, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    PdfBildtausch::Bild b;
    b.groesse = grau.size();
    QBuffer puffer(&b.jpeg);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "jpeg");
    schreiber.setQuality(Einreichungspaket::JpegQualitaet);
    schreiber.setOptimizedWrite(true);
    schreiber.write(grau);
    return b;
}

void stempeln(QPainter &p, int beleg, int seite, int seiten)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(14);
    f.setBold(true);
    const QRectF kasten(px(150), px(5), px(50), px(10));
    p.setPen(QPen(Qt::black, px(0.4)));
    p.setBrush(Qt::white);
    p.drawRect(kasten);
    p.setFont(f);
    p.drawText(kasten, Qt::AlignCenter, QStringLiteral("Beleg %1").arg(beleg));
    if (seiten > 1) {
        f.setPointSizeF(9);
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRectF(px(110), px(5), px(38), px(10)), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten));
    }
}

QString zeile(const Rechnungsposition &r, int nr)
{
    const QString betrag = GermanMoney::format(r.Rechnung) + (r.euro ? QStringLiteral(" EUR") : QStringLiteral(" DM"));
    QStringList teile = {QStringLiteral("Nr. %1").arg(nr), r.Datum.getrimmt(), r.Arzt.getrimmt(), betrag};
    teile.removeAll(QString());
    return teile.join(QStringLiteral("   "));
}

// The closing page: the receipts without a picture, and those whose picture
// could not be read.
void schlussseite(QPainter &p, const QStringList &ohneBild, const QStringList &fehlend)
{
    QFont titel(QStringLiteral("DejaVu Sans"));
    titel.setPointSizeF(13);
    titel.setBold(true);
    QFont text(QStringLiteral("DejaVu Sans"));
    text.setPointSizeF(10);
    p.setPen(Qt::black);
    double y = px(25);
    auto abschnitt = [&](const QString &ueberschrift, const QString &erklaerung, const QStringList &zeilen) {
        if (zeilen.isEmpty())
            return;
        p.setFont(titel);
        p.drawText(QPointF(px(20), y), ueberschrift);
        y += px(8);
        p.setFont(text);
        p.drawText(QRectF(px(20), y, px(170), px(12)), Qt::TextWordWrap, erklaerung);
        y += px(12);
        for (const QString &z : zeilen) {
            const QRectF platz(px(25), y, px(165), px(40));
            const QRectF belegt = p.boundingRect(platz, Qt::TextWordWrap, z);
            if (belegt.bottom() > px(285))
                break;
            p.drawText(platz, Qt::TextWordWrap, z);
            y = belegt.bottom() + px(2);
        }
        y += px(8);
    };
    abschnitt(QStringLiteral("Belege ohne Bild"),
              QStringLiteral("Zu diesen Belegen liegt kein Bild vor; bitte die Rechnungen beilegen:"), ohneBild);
    abschnitt(QStringLiteral("Belegbilder, die fehlen"),
              QStringLiteral("Diese Bilder konnten nicht gelesen werden; bitte die Rechnungen beilegen:"), fehlend);
}
} // namespace

QString Einreichungspaket::dateiname(const QDate &tag)
{
    return QStringLiteral("Beihilfeantrag-%1.pdf").arg(tag.toString(QStringLiteral("yyyy-MM-dd")));
}

Einreichungspaket::Ergebnis Einreichungspaket::schreiben(const Auftrag &auftrag, const QString &datei)
{
    Ergebnis e;
    auto scheitern = [&e](const QString &grund) {
        e.ok = false;
        e.fehler = grund;
        return e;
    };
    static const Rechnungspositionen keine;
    const Rechnungspositionen &belege = auftrag.belege ? *auftrag.belege : keine;
    Feldtabelle felder = auftrag.felder ? *auftrag.felder : Feldtabelle();
    const int anzahl = belege.anzahl();
    Aufwendungsseiten::summenEintragen(felder, Summen::einlesen(belege, auftrag.antragInEuro));

    // The form pages: front and back page (complete forms, for blank
    // paper), then the expense lists of every block.
    struct Formularseite
    {
        Druckauftrag a;
        Aufwendungsseiten::Bereich bereich;
        bool liste = false;
    };
    QList<Formularseite> formular;
    for (int i : {2, 3}) {
        const Antragsseiten::Seite &s = Antragsseiten::seiten()[auftrag.pflege ? i + 4 : i];
        const QString referenz = auftrag.eintrag.Druckbereiche[s.druckbereich];
        if (referenz.isEmpty())
            continue;
        Formularseite f;
        f.a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Antrag);
        f.a.komplett = true;
        f.a.euro = auftrag.euroformular;
        f.a.layout = Antragsseiten::layoutname(referenz, &f.a.querformat);
        formular.append(f);
    }
    const int proSeite = Aufwendungsseiten::proSeite(auftrag.eintrag);
    const int bloecke = std::max<int>(1, int(Aufwendungsseiten::bloecke(anzahl, proSeite).size()));
    for (int knopf : {0, 2}) {
        const Aufwendungsseiten::Knopf k = Aufwendungsseiten::knopf(auftrag.eintrag, knopf, auftrag.pflege);
        const QString referenz = auftrag.eintrag.Druckbereiche[Aufwendungsseiten::druckbereich(knopf, auftrag.pflege)];
        if (!k.aktiv || referenz.isEmpty())
            continue;
        // The list goes block by block; the second page once, for all.
        for (int block = 0; block < (knopf == 0 ? bloecke : 1); ++block) {
            Formularseite f;
            f.liste = true;
            f.a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
            f.a.euro = auftrag.antragInEuro;
            f.a.layout = Antragsseiten::layoutname(referenz, &f.a.querformat);
            f.bereich = Aufwendungsseiten::bereich(anzahl > 0 ? block : -1, anzahl, proSeite, auftrag.formularart,
                                                   f.a.layout);
            formular.append(f);
            if (f.bereich.bis >= anzahl)
                break; // LBV kinds print every receipt on one page
        }
    }

    if (formular.isEmpty())
        return scheitern(QStringLiteral("Zur Formularart \"%1\" gibt es keine Druckvorlagen für den Antrag.")
                             .arg(auftrag.formularart));
    // Every layout first: a missing one writes nothing.
    QList<Layout> layouts;
    for (Formularseite &f : formular) {
        f.a.datenbank = auftrag.datenbank;
        f.a.variante.fortschritt = false;
        QString grund;
        std::optional<Layout> l = Layoutinterpreter::vorlage(f.a, &grund);
        if (!l)
            return scheitern(grund);
        layouts.append(std::move(*l));
    }

    const int schritte = int(formular.size()) + anzahl + 1;
    int schritt = 0;
    auto weiter = [&]() {
        return !auftrag.fortschritt || auftrag.fortschritt(++schritt, schritte);
    };
    const QString abgebrochen = QStringLiteral("Abgebrochen.");

    Paketflaeche flaeche;
    for (qsizetype i = 0; i < formular.size(); ++i) {
        Formularseite &f = formular[i];
        Aufwendungsbelege quelle(belege, auftrag.antragInEuro);
        quelle.setBereich(f.bereich.von, f.bereich.bis);
        const bool leeren = f.liste && Aufwendungsseiten::summenLeeren(f.bereich, anzahl);
        Feldtabelle seitenfelder = felder;
        if (leeren) {
            seitenfelder.setzen(QStringLiteral("1EndsummeRechnungsbetrag"), QString());
            seitenfelder.setzen(QStringLiteral("1EndsummeVersicherungsbetrag"), QString());
        }
        f.a.felder = &seitenfelder;
        f.a.belege = &quelle;
        const Druckergebnis d = Layoutinterpreter::zeichnen(f.a, layouts.at(i), flaeche);
        if (!d.ok)
            return scheitern(d.fehler);
        if (!weiter())
            return scheitern(abgebrochen);
    }
    e.formularseiten = flaeche.seiten();

    // The receipts' pictures, each page within the margins below the stamp.
    // They are read and reduced on all cores, and drawn in receipt order.
    const QRectF bildflaecheMm(10, 18, 190, 272);
    struct Vorbereitet
    {
        QList<PdfBildtausch::Bild> seiten;
        QString grund;
    };
    std::vector<std::promise<Vorbereitet>> versprechen(static_cast<size_t>(anzahl));
    std::atomic_bool aufhoeren = false;
    QThreadPool arbeiter;
    arbeiter.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (int nr = 1; nr <= anzahl; ++nr) {
        const QString name = belege.slot(nr).belegdatei;
        if (name.isEmpty())
            continue;
        arbeiter.start([&auftrag, &versprechen, &aufhoeren, &bildflaecheMm, name, nr] {
            Vorbereitet v;
            const QString pfad = Belegablage::pfad(auftrag.datenverzeichnis, name);
            QList<QImage> seiten;
            if (aufhoeren)
                v.grund = QStringLiteral("Abgebrochen.");
            else if (!QFileInfo(pfad).isFile())
                v.grund = QStringLiteral("Die Bilddatei belege/%1 fehlt im Datenverzeichnis.").arg(name);
            else if (auftrag.bilder)
                seiten = auftrag.bilder(pfad, Einreichungspaket::Bildaufloesung, &v.grund);
            else
                v.grund = QStringLiteral("Bilder lassen sich hier nicht lesen.");
            for (const QImage &s : std::as_const(seiten))
                if (!s.isNull())
                    v.seiten.append(verkleinern(s, bildflaecheMm.size()));
            if (v.seiten.isEmpty() && v.grund.isEmpty())
                v.grund = QStringLiteral("Die Bilddatei belege/%1 zeigt nichts.").arg(name);
            versprechen[size_t(nr - 1)].set_value(std::move(v));
        });
    }
    auto abbruch = [&]() {
        aufhoeren = true;
        arbeiter.waitForDone();
        return scheitern(abgebrochen);
    };

    QList<PdfBildtausch::Bild> bilder;
    QStringList ohneBild, fehlend;
    for (int nr = 1; nr <= anzahl; ++nr) {
        const Rechnungsposition &r = belege.slot(nr);
        // The number the expense list prints for the receipt.
        const int nummer = r.Beleg > 0 ? r.Beleg : nr;
        if (r.belegdatei.isEmpty()) {
            e.ohneBild.append(nummer);
            ohneBild << zeile(r, nummer);
            if (!weiter())
                return abbruch();
            continue;
        }
        Vorbereitet v = versprechen[size_t(nr - 1)].get_future().get();
        if (v.seiten.isEmpty()) {
            e.fehlend << QStringLiteral("Beleg %1: %2").arg(nummer).arg(v.grund);
            fehlend << zeile(r, nummer) + QStringLiteral(" – ") + v.grund;
        }
        for (qsizetype s = 0; s < v.seiten.size(); ++s) {
            PdfBildtausch::Bild &b = v.seiten[s];
            b.platzhalter = PdfBildtausch::platzhalter(int(bilder.size()));
            QPainter *p = flaeche.freieSeite();
            if (!p)
                return scheitern(QStringLiteral("Die PDF-Datei kann nicht angelegt werden."));
            // The picture at its own proportions, as large as the area allows.
            QSizeF mm = QSizeF(b.groesse) * (kMmProZoll / Bildaufloesung);
            mm = mm.scaled(bildflaecheMm.size(), Qt::KeepAspectRatio);
            const QRectF ziel(px(bildflaecheMm.x() + (bildflaecheMm.width() - mm.width()) / 2), px(bildflaecheMm.y()),
                              px(mm.width()), px(mm.height()));
            QImage platzhalter(b.platzhalter, QImage::Format_RGB32);
            platzhalter.fill(Qt::white);
            p->drawImage(ziel, platzhalter);
            stempeln(*p, nummer, int(s) + 1, int(v.seiten.size()));
            bilder.append(std::move(b));
        }
        if (!weiter())
            return abbruch();
    }
    if (!ohneBild.isEmpty() || !fehlend.isEmpty()) {
        QPainter *p = flaeche.freieSeite();
        if (!p)
            return scheitern(QStringLiteral("Die PDF-Datei kann nicht angelegt werden."));
        schlussseite(*p, ohneBild, fehlend);
    }
    e.seiten = flaeche.seiten();

    QString grund;
    const QByteArray pdf = PdfBildtausch::tauschen(flaeche.fertig(), bilder, &grund);
    if (pdf.isEmpty())
        return scheitern(grund);
    QSaveFile ausgabe(datei);
    if (!ausgabe.open(QIODevice::WriteOnly) || ausgabe.write(pdf) != pdf.size() || !ausgabe.commit())
        return scheitern(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                             .arg(QDir::toNativeSeparators(datei), ausgabe.errorString()));
    weiter();
    e.ok = true;
    return e;
}
