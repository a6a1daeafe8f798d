#include "privatekv/Datenblatt.h"

#include "print/Seitenflaeche.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
using V = Versicherungsdaten;

struct Eintrag
{
    const char *label;
    double labelX;
    int feld;
    double wertX;
    double y;
};
// "PLZ / Ort" prints postcode and town together (feld -1).
const Eintrag kEintraege[] = {
    {"Vorname", 10, V::Vorname, 50, 10},
    {"Nachname", 10, V::Nachname, 50, 15},
    {"Geburtsdatum", 10, V::Geburtsdatum, 50, 20},
    {"Versicherungsnummer", 10, V::Versicherungsnummer, 50, 25},
    {"Servicenummer", 100, V::Servicenummer, 130, 10},
    {"Tarif in %", 100, V::Tarif, 130, 15},
    {"Tagegeld", 100, V::Tagegeld, 130, 20},
    {"Beitrag", 100, V::Beitrag, 130, 25},
    {"Name1", 10, V::Name1, 50, 30},
    {"Name2", 10, V::Name2, 50, 35},
    {"Strasse", 10, V::Strasse, 50, 40},
    {"PLZ / Ort", 10, -1, 50, 45},
    {"Ansprechpartner", 100, V::Ansprechpartner, 130, 30},
    {"Telefon", 100, V::Telefon, 130, 35},
    {"Telefax", 100, V::Telefax, 130, 40},
    {"email", 100, V::Email, 130, 45},
};
// Right edge of a value: the labels of the right column, or the sheet.
constexpr double kLinksBis = 98;
constexpr double kRechtsBis = 200;
} // namespace

Datenblatt::Datenblatt(const Versicherungsdaten::Werte &werte, const QString &memo)
    : m_werte(werte)
    , m_memo(memo)
{
}

bool Datenblatt::weiter() const
{
    return m_seite == 0 || m_naechste < m_zeilen.size();
}

void Datenblatt::oeffnen(Seitenflaeche &f) const
{
    f.setScaleMode(6);
    f.setOrientation(1);
    f.setFontName(QStringLiteral("Arial"));
    f.setFontSize(Schrift);
    f.setDrawWidth(3);
    f.setScaleLeft(0);
    f.setScaleTop(0);
    f.setFontBold(false);
}

void Datenblatt::wertZeichnen(Seitenflaeche &f, double x, double y, const QString &wert, double raum)
{
    QString text = wert;
    const double breite = f.TextWidth(text);
    if (breite > raum) {
        f.setFontSize(std::max(KleinsteSchrift, Schrift * raum / breite));
        // Too long even in the smallest size: cut, and say so.
        if (f.TextWidth(text) > raum) {
            while (text.size() > 1 && f.TextWidth(text + u'…') > raum)
                text.chop(1);
            text += u'…';
        }
    }
    f.setCurrentX(x);
    f.setCurrentY(y);
    f.Print(text);
    f.setFontSize(Schrift);
}

void Datenblatt::kopfZeichnen(Seitenflaeche &f) const
{
    for (const Eintrag &e : kEintraege) {
        f.setCurrentX(e.labelX);
        f.setCurrentY(e.y);
        f.Print(QString::fromUtf8(e.label));
        const QString wert = e.feld >= 0 ? m_werte[e.feld] : m_werte[V::PLZ] + u' ' + m_werte[V::Ort];
        wertZeichnen(f, e.wertX, e.y, wert, (e.wertX < 100 ? kLinksBis : kRechtsBis) - e.wertX);
    }
}

void Datenblatt::memoZeichnen(Seitenflaeche &f)
{
    // x = 0 lies 10 mm right of the sheet's left edge, in line with the
    // labels. The text begins with a line break, so its first line is empty
    // and every line of the memo starts at x = 0.
    f.setScaleLeft(-10);
    QString text = QStringLiteral("\r\n");
    double y = MemoY;
    if (m_seite == 0) {
        f.setCurrentX(10);
    } else {
        // A further page names whose memo it continues, then a blank line.
        const QString name = (m_werte[V::Vorname] + u' ' + m_werte[V::Nachname]).trimmed();
        text = (name.isEmpty() ? QStringLiteral("Fortsetzung") : name + QStringLiteral(" (Fortsetzung)"))
               + QStringLiteral("\r\n\r\n");
        y = 10;
        f.setCurrentX(0);
    }
    f.setCurrentY(y);
    const double hoehe = f.TextHeight(QStringLiteral("X"));
    QStringList zeilen;
    // The memo's first line follows the lines of the text before it.
    double zeile = y + double(Seitenflaeche::zeilen(text).size() - 1) * hoehe;
    while (m_naechste < m_zeilen.size() && zeile + hoehe <= Unterkante + 1e-9) {
        zeilen << m_zeilen.at(m_naechste++);
        zeile += hoehe;
    }
    f.Print(text + zeilen.join(QStringLiteral("\r\n")));
}

bool Datenblatt::seiteZeichnen(Seitenflaeche &f)
{
    oeffnen(f);
    if (m_seite == 0) {
        m_zeilen = m_memo.isEmpty() ? QStringList() : umbrechen(f, m_memo, MemoBreite);
        m_naechste = 0;
        kopfZeichnen(f);
    }
    memoZeichnen(f);
    ++m_seite;
    return f.EndDoc();
}

QStringList Datenblatt::umbrechen(Seitenflaeche &f, const QString &memo, double breite)
{
    QStringList out;
    for (const QString &zeile : Seitenflaeche::zeilen(memo)) {
        if (f.TextWidth(zeile) <= breite) {
            out.append(zeile);
            continue;
        }
        // Word by word; the blanks stay with the word before them.
        static const QRegularExpression wort(QStringLiteral("\\S*\\s*"));
        QString aktuell;
        auto it = wort.globalMatch(zeile);
        while (it.hasNext()) {
            QString w = it.next().captured();
            if (w.isEmpty())
                continue;
            if (f.TextWidth((aktuell + w).trimmed()) <= breite) {
                aktuell += w;
                continue;
            }
            if (!aktuell.isEmpty()) {
                out.append(aktuell.trimmed());
                aktuell.clear();
            }
            // A word wider than the line is cut where it must be.
            while (f.TextWidth(w.trimmed()) > breite) {
                int n = 1;
                while (n < w.size() && f.TextWidth(w.left(n + 1)) <= breite)
                    ++n;
                out.append(w.left(n));
                w = w.mid(n);
            }
            aktuell = w;
        }
        if (!aktuell.trimmed().isEmpty())
            out.append(aktuell.trimmed());
    }
    return out;
}
