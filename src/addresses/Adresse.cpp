#include "addresses/Adresse.h"

const QStringList &Adresse::felder()
{
    static const QStringList namen = {
        QStringLiteral("Anrede"),    QStringLiteral("Titel"),   QStringLiteral("Name1"),
        QStringLiteral("Name2"),     QStringLiteral("Strasse"), QStringLiteral("PLZ"),
        QStringLiteral("Ort"),       QStringLiteral("Telefon"), QStringLiteral("Telefax"),
        QStringLiteral("Mobilfunk"), QStringLiteral("email"),   QStringLiteral("Anzeige"),
        QStringLiteral("Bemerkungen"),
    };
    return namen;
}

QString Adresse::wert(const QString &feld) const
{
    const int i = felder().indexOf(feld);
    return i < 0 ? QString() : m_werte.at(i);
}

void Adresse::setzeWert(const QString &feld, const QString &wert)
{
    const int i = felder().indexOf(feld);
    if (i >= 0)
        m_werte[i] = wert;
}

namespace {
QString ohneZeilenende(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

QVector<int> Adresse::geaenderteFelder(const Adresse &vorher) const
{
    QVector<int> felder;
    for (int i = 0; i < m_werte.size(); ++i) {
        const QString &jetzt = m_werte.at(i), &vorhin = vorher.m_werte.at(i);
        if (jetzt != vorhin && ohneZeilenende(jetzt) != ohneZeilenende(vorhin))
            felder.append(i);
    }
    return felder;
}

bool Adresse::istLeer() const
{
    for (const QString &w : m_werte)
        if (!w.isEmpty())
            return false;
    return true;
}

QString Adresse::briefblock() const
{
    const auto w = [this](const char *feld) { return wert(QString::fromLatin1(feld)); };
    const QStringList zeilen = {
        w("Anrede") + u' ' + w("Titel"),
        w("Name1") + u' ' + w("Name2"),
        w("Strasse"),
        QString(),
        w("PLZ") + u' ' + w("Ort"),
    };
    return zeilen.join(QStringLiteral("\r\n"));
}

QString Adresse::sortierschluessel(const QString &anzeige)
{
    bool ascii = true;
    for (const QChar c : anzeige)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return anzeige.toLower();
    // Decomposed, without the accents, folded: "Ärztin" sorts with "arzt".
    const QString zerlegt = anzeige.normalized(QString::NormalizationForm_D);
    QString schluessel;
    schluessel.reserve(zerlegt.size());
    for (const QChar c : zerlegt)
        if (c.category() != QChar::Mark_NonSpacing)
            schluessel.append(c);
    return schluessel.toCaseFolded();
}
