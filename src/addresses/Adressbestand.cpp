#include "addresses/Adressbestand.h"

#include "shell/Datensatz.h"
#include "shell/Verzeichnisse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
const QString kTabelle = QStringLiteral("Adressen");

QString anzeigename(const QString &pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

bool beschreibbar(const QString &pfad)
{
    const QFileInfo datei(pfad);
    return datei.isWritable() && QFileInfo(datei.absolutePath()).isWritable();
}
} // namespace

bool Adressbestand::scheitern(QString *fehler, const QString &text) const
{
    if (fehler)
        *fehler = text;
    return false;
}

bool Adressbestand::oeffnen(const QString &pfad, QString *fehler)
{
    schliessen();
    m_pfad = pfad;
    m_nurLesen = QFileInfo::exists(pfad) && !beschreibbar(pfad);
    QString grund;
    if (!m_db.oeffnen(pfad, m_nurLesen ? Datenbank::Modus::NurLesen : Datenbank::Modus::Schreiben, &grund))
        return scheitern(fehler, grund);
    if (!m_db.hatTabelle(kTabelle)) {
        m_db.schliessen();
        return scheitern(fehler, QStringLiteral("Die Datei %1 enthält kein Adressbuch (die Tabelle Adressen fehlt).")
                                     .arg(anzeigename(pfad)));
    }
    if (!m_nurLesen)
        spaltenErgaenzen();
    return laden(fehler);
}

void Adressbestand::schliessen()
{
    m_db.schliessen();
    m_adressen.clear();
}

// A book written before Anzeige and Bemerkungen existed gets the columns.
bool Adressbestand::spaltenErgaenzen()
{
    const QStringList vorhanden = m_db.spaltenVon(kTabelle);
    bool ok = true;
    for (const QString &feld : Adresse::felder()) {
        const bool da = std::any_of(vorhanden.cbegin(), vorhanden.cend(), [&feld](const QString &s) {
            return s.compare(feld, Qt::CaseInsensitive) == 0;
        });
        if (!da)
            ok = m_db.spalteAnhaengen(kTabelle, feld, QStringLiteral("TEXT")) && ok;
    }
    return ok;
}

bool Adressbestand::laden(QString *fehler)
{
    if (!m_db.istOffen())
        return scheitern(fehler, QStringLiteral("Das Adressbuch %1 ist nicht geöffnet.").arg(anzeigename(m_pfad)));
    Datensatz ds = m_db.abfrage(QStringLiteral("select rowid as velmora_id, * from Adressen"));
    if (!ds.istGueltig())
        return scheitern(fehler, QStringLiteral("Das Adressbuch %1 kann nicht gelesen werden: %2")
                                     .arg(anzeigename(m_pfad), ds.fehler()));
    m_datenstand = datenstand();
    QVector<int> felder; // the columns the file has
    for (int i = 0; i < Adresse::felder().size(); ++i)
        if (ds.hatSpalte(Adresse::felder().at(i)))
            felder.append(i);
    struct Zeile
    {
        QString schluessel;
        Adresse adresse;
    };
    QVector<Zeile> zeilen;
    zeilen.reserve(ds.anzahl());
    for (int r = 0; r < ds.anzahl(); ++r) {
        Zeile z;
        z.adresse.setId(ds.wert(r, QStringLiteral("velmora_id")).toLongLong());
        for (const int i : felder)
            z.adresse.setzeWert(i, ds.wert(r, Adresse::felder().at(i)).toString());
        z.schluessel = Adresse::sortierschluessel(z.adresse.anzeige());
        zeilen.append(std::move(z));
    }
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const Zeile &a, const Zeile &b) {
        if (a.schluessel != b.schluessel)
            return a.schluessel < b.schluessel;
        const QString x = a.adresse.anzeige();
        const QString y = b.adresse.anzeige();
        if (x != y)
            return x < y;
        return a.adresse.id() < b.adresse.id();
    });
    m_adressen.clear();
    m_adressen.reserve(zeilen.size());
    for (Zeile &z : zeilen)
        m_adressen.append(std::move(z.adresse));
    return true;
}

qint64 Adressbestand::datenstand()
{
    const Datensatz ds = m_db.abfrage(QStringLiteral("pragma data_version"));
    return ds.istGueltig() && ds.anzahl() > 0 ? ds.wert(0, ds.spalten().value(0)).toLongLong() : -1;
}

bool Adressbestand::aktualisieren(QString *fehler)
{
    // The file's data version changes only with the writes of other
    // connections; this book reads itself again after each of its own.
    if (m_db.istOffen() && m_datenstand >= 0 && datenstand() == m_datenstand)
        return true;
    return laden(fehler);
}

int Adressbestand::positionVon(qint64 id) const
{
    for (int i = 0; i < m_adressen.size(); ++i)
        if (m_adressen.at(i).id() == id)
            return i;
    return -1;
}

bool Adressbestand::schreibbereit(QString *fehler)
{
    const QString name = anzeigename(m_pfad);
    if (m_nurLesen)
        return scheitern(fehler, QStringLiteral("Das Adressbuch %1 ist schreibgeschützt; es kann nur gelesen werden.")
                                     .arg(name));
    if (m_db.istOffen())
        return true;
    // A program directory without a book gets the shipped empty one.
    if (!QFileInfo::exists(m_pfad)) {
        const QString vorlage = Verzeichnisse::mitgeliefertesVerzeichnis() + dateiname();
        if (!QFileInfo::exists(vorlage) || !QFile::copy(vorlage, m_pfad))
            return scheitern(fehler, QStringLiteral("Das Adressbuch %1 fehlt und kann nicht angelegt werden.").arg(name));
        QFile::setPermissions(m_pfad, QFile::permissions(m_pfad) | QFile::WriteOwner);
    }
    QString grund;
    if (!oeffnen(m_pfad, &grund))
        return scheitern(fehler, grund);
    if (m_nurLesen)
        return schreibbereit(fehler);
    return true;
}

bool Adressbestand::sichern(Adresse &adresse, QString *fehler)
{
    const bool neu = adresse.istNeu();
    // An update writes only the columns changed since the address was read,
    // so what another program stored meanwhile in the others stays.
    QVector<int> felder;
    const int gelesen = neu ? -1 : positionVon(adresse.id());
    if (gelesen >= 0) {
        felder = adresse.geaenderteFelder(m_adressen.at(gelesen));
        if (felder.isEmpty())
            return true;
    } else {
        for (int i = 0; i < Adresse::felder().size(); ++i)
            felder.append(i);
    }
    if (!schreibbereit(fehler))
        return false;
    QStringList namen;
    QVariantList werte;
    for (const int i : felder) {
        const QString &feld = Adresse::felder().at(i);
        namen.append(Datenbank::quoteName(feld));
        const QString w = adresse.wert(feld);
        werte.append(w.isEmpty() ? QVariant() : QVariant(w));
    }
    QString sql;
    if (neu) {
        sql = QStringLiteral("insert into Adressen (%1) values (%2)")
                  .arg(namen.join(u','), QStringList(namen.size(), QStringLiteral("?")).join(u','));
    } else {
        sql = QStringLiteral("update Adressen set %1 = ? where rowid = ?").arg(namen.join(QStringLiteral(" = ?, ")));
        werte.append(adresse.id());
    }
    qint64 id = adresse.id();
    if (!aendern(sql, werte, neu ? &id : nullptr, fehler))
        return false;
    adresse.setId(id);
    laden();
    return true;
}

bool Adressbestand::aendern(const QString &sql, const QVariantList &werte, qint64 *neueId, QString *fehler)
{
    const QString name = anzeigename(m_pfad);
    if (!m_db.transaktionBeginnen())
        return scheitern(fehler, QStringLiteral("Das Adressbuch %1 kann nicht geschrieben werden: %2")
                                     .arg(name, m_db.letzterFehler()));
    bool ok = m_db.ausfuehren(sql, werte);
    QString grund = m_db.letzterFehler();
    if (ok) {
        // Exactly one row: an address another program removed meanwhile is
        // not silently recreated or passed over.
        const Datensatz ds = m_db.abfrage(QStringLiteral("select changes() as n, last_insert_rowid() as id"));
        ok = ds.istGueltig() && ds.wert(0, QStringLiteral("n")).toInt() == 1;
        if (!ok)
            grund = QStringLiteral("die Adresse ist nicht mehr vorhanden");
        else if (neueId)
            *neueId = ds.wert(0, QStringLiteral("id")).toLongLong();
    }
    if (ok && !m_db.transaktionAbschliessen()) {
        ok = false;
        grund = m_db.letzterFehler();
    }
    if (!ok) {
        m_db.transaktionVerwerfen();
        return scheitern(fehler, QStringLiteral("Das Adressbuch %1 kann nicht geschrieben werden: %2").arg(name, grund));
    }
    return true;
}

bool Adressbestand::loeschen(qint64 id, QString *fehler)
{
    if (!schreibbereit(fehler))
        return false;
    if (!aendern(QStringLiteral("delete from Adressen where rowid = ?"), {id}, nullptr, fehler))
        return false;
    laden();
    return true;
}
