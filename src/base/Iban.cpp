#include "base/Iban.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
bool ibanForm(const QString &kompakt)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{1,30}$"));
    return re.match(kompakt).hasMatch();
}

// Shape and length right; only the check digits are left to test.
bool ibanAufbau(const QString &kompakt)
{
    if (!ibanForm(kompakt) || kompakt.size() < 15 || kompakt.size() > 34)
        return false;
    return !kompakt.startsWith(QLatin1String("DE")) || kompakt.size() == 22;
}
} // namespace

QString ibanKompakt(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out.append(c.toUpper());
    return out;
}

bool ibanGueltig(const QString &text)
{
    const QString iban = ibanKompakt(text);
    if (!ibanAufbau(iban))
        return false;
    const QString gedreht = iban.mid(4) + iban.left(4);
    int rest = 0;
    for (const QChar c : gedreht) {
        const int wert = c.isDigit() ? c.unicode() - '0' : c.unicode() - 'A' + 10;
        rest = (wert >= 10 ? rest * 100 : rest * 10) + wert;
        rest %= 97;
    }
    return rest == 1;
}

QString ibanFormatiert(const QString &text)
{
    const QString iban = ibanKompakt(text);
    if (!ibanForm(iban) || iban.size() > 34)
        return text;
    QString out;
    for (int i = 0; i < iban.size(); i += 4) {
        if (i > 0)
            out.append(u' ');
        out.append(iban.mid(i, 4));
    }
    return out;
}

bool bicGueltig(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z]{6}[A-Z0-9]{2}([A-Z0-9]{3})?$"));
    return re.match(ibanKompakt(text)).hasMatch();
}

QString bankHinweis(const QString &iban, const QString &bic)
{
    QStringList hinweise;
    if (!iban.trimmed().isEmpty() && !ibanGueltig(iban)) {
        hinweise << (ibanAufbau(ibanKompakt(iban))
                         ? QStringLiteral("IBAN: die Prüfziffern stimmen nicht – bitte jede Stelle vergleichen.")
                         : QStringLiteral("IBAN: Ländercode, zwei Prüfziffern und Kontoangaben, "
                                          "in Deutschland 22 Zeichen (DE..)."));
    }
    if (!bic.trimmed().isEmpty() && !bicGueltig(bic))
        hinweise << QStringLiteral("BIC: 8 oder 11 Zeichen (z. B. COBADEFFXXX).");
    return hinweise.join(u'\n');
}
