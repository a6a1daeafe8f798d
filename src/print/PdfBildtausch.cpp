#include "print/PdfBildtausch.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace {
struct Objekt
{
    int nummer = 0;
    qsizetype anfang = 0;
    qsizetype ende = 0;
};

bool leer(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// The whole number after pos (blanks skipped); -1 when there is none.
qint64 zahlAb(const QByteArray &text, qsizetype *pos)
{
    qsizetype i = *pos;
    while (i < text.size() && leer(text.at(i)))
        ++i;
    qint64 wert = -1;
    while (i < text.size() && text.at(i) >= '0' && text.at(i) <= '9') {
        wert = (wert < 0 ? 0 : wert) * 10 + (text.at(i) - '0');
        if (wert > (qint64(1) << 40))
            return -1;
        ++i;
    }
    *pos = i;
    return wert;
}

// The number behind a name in a dictionary ("/Width 1654"); -1 when absent.
qint64 eintrag(const QByteArray &dictionary, const QByteArray &name)
{
    qsizetype pos = dictionary.indexOf(name + ' ');
    if (pos < 0)
        pos = dictionary.indexOf(name + '\n');
    if (pos < 0)
        return -1;
    pos += name.size();
    return zahlAb(dictionary, &pos);
}

QByteArray bildobjekt(int nummer, const PdfBildtausch::Bild &b)
{
    QByteArray o;
    o.reserve(b.jpeg.size() + 256);
    o += QByteArray::number(nummer) + " 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width "
         + QByteArray::number(b.groesse.width()) + "\n/Height " + QByteArray::number(b.groesse.height())
         + "\n/BitsPerComponent 8\n/ColorSpace /DeviceGray\n/Filter /DCTDecode\n/Interpolate true\n/Length "
         + QByteArray::number(b.jpeg.size()) + "\n>>\nstream\n";
    o += b.jpeg;
    o += "\nendstream\nendobj\n";
    return o;
}
} // namespace

QByteArray PdfBildtausch::tauschen(const QByteArray &pdf, const QList<Bild> &bilder, QString *fehler)
{
    auto scheitern = [fehler](const QString &grund) {
        if (fehler)
            *fehler = grund;
        return QByteArray();
    };
    const QString kaputt = QStringLiteral("Die PDF-Datei ist nicht so aufgebaut wie erwartet: %1.");

    // The cross-reference table the last startxref points to.
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0)
        return scheitern(kaputt.arg(QStringLiteral("startxref fehlt")));
    qsizetype pos = start + 9;
    const qint64 xref = zahlAb(pdf, &pos);
    if (xref < 0 || xref >= start || !pdf.mid(xref, 4).startsWith("xref"))
        return scheitern(kaputt.arg(QStringLiteral("keine Querverweistabelle")));
    const qsizetype trailer = pdf.indexOf("trailer", xref);
    if (trailer < 0 || trailer > start)
        return scheitern(kaputt.arg(QStringLiteral("trailer fehlt")));

    QList<Objekt> objekte;
    pos = xref + 4;
    while (pos < trailer) {
        const qint64 erste = zahlAb(pdf, &pos);
        const qint64 anzahl = zahlAb(pdf, &pos);
        if (erste < 0 || anzahl < 0 || anzahl > 10'000'000)
            break;
        for (qint64 k = 0; k < anzahl; ++k) {
            const qint64 versatz = zahlAb(pdf, &pos);
            const qint64 generation = zahlAb(pdf, &pos);
            while (pos < trailer && leer(pdf.at(pos)))
                ++pos;
            if (versatz < 0 || generation < 0 || pos >= trailer)
                return scheitern(kaputt.arg(QStringLiteral("Querverweistabelle unvollständig")));
            const char art = pdf.at(pos++);
            if (art == 'n') {
                if (versatz <= 0 || versatz >= xref)
                    return scheitern(kaputt.arg(QStringLiteral("Objekt außerhalb der Datei")));
                objekte.append(Objekt{int(erste + k), qsizetype(versatz), 0});
            }
        }
    }
    if (objekte.isEmpty())
        return scheitern(kaputt.arg(QStringLiteral("keine Objekte")));
    std::sort(objekte.begin(), objekte.end(), [](const Objekt &a, const Objekt &b) { return a.anfang < b.anfang; });
    for (qsizetype i = 0; i < objekte.size(); ++i)
        objekte[i].ende = i + 1 < objekte.size() ? objekte.at(i + 1).anfang : qsizetype(xref);

    QHash<quint64, qsizetype> gesucht; // stand-in size -> picture
    for (qsizetype i = 0; i < bilder.size(); ++i)
        gesucht.insert(quint64(bilder.at(i).platzhalter.width()) << 32 | quint32(bilder.at(i).platzhalter.height()), i);

    QByteArray aus;
    aus.reserve(pdf.size());
    aus += pdf.left(objekte.first().anfang);
    QMap<int, qsizetype> versaetze;
    QList<bool> getauscht(bilder.size(), false);
    for (const Objekt &o : objekte) {
        const QByteArray inhalt = pdf.mid(o.anfang, o.ende - o.anfang);
        versaetze.insert(o.nummer, aus.size());
        qsizetype kopfende = inhalt.indexOf("stream");
        if (kopfende < 0)
            kopfende = inhalt.size();
        const QByteArray kopf = inhalt.left(kopfende);
        if (kopf.contains("/Subtype /Image")) {
            const qint64 w = eintrag(kopf, "/Width");
            const qint64 h = eintrag(kopf, "/Height");
            const auto it = gesucht.constFind(quint64(w) << 32 | quint32(h));
            if (w > 0 && h > 0 && it != gesucht.constEnd() && !getauscht.at(*it)) {
                getauscht[*it] = true;
                aus += bildobjekt(o.nummer, bilder.at(*it));
                continue;
            }
        }
        aus += inhalt;
    }
    if (std::find(getauscht.cbegin(), getauscht.cend(), false) != getauscht.cend())
        return scheitern(kaputt.arg(QStringLiteral("ein Belegbild fehlt")));

    const qint64 groesse = eintrag(pdf.mid(trailer, start - trailer), "/Size");
    if (groesse <= versaetze.lastKey())
        return scheitern(kaputt.arg(QStringLiteral("/Size passt nicht")));
    const qsizetype neueTabelle = aus.size();
    aus += "xref\n0 " + QByteArray::number(groesse) + '\n';
    for (qint64 n = 0; n < groesse; ++n) {
        const auto it = versaetze.constFind(int(n));
        if (it == versaetze.constEnd())
            aus += n == 0 ? QByteArray("0000000000 65535 f \n") : QByteArray("0000000000 00000 f \n");
        else
            aus += QByteArray::number(qint64(*it)).rightJustified(10, '0') + " 00000 n \n";
    }
    aus += pdf.mid(trailer, start - trailer);
    aus += "startxref\n" + QByteArray::number(qint64(neueTabelle)) + "\n%%EOF\n";
    return aus;
}
