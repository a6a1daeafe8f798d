#include "reference/Textgruppe.h"

#include "reference/Textbestand.h"
#include "shell/Datenbank.h"

const QList<Textgruppe> &Textgruppe::alle()
{
    static const QList<Textgruppe> gruppen = {
        {QStringLiteral("B"), QStringLiteral("Beihilfenverordnung (BVO NRW)"), QStringLiteral("Beihilfenverordnung")},
        {QStringLiteral("V"), QStringLiteral("Verwaltungsverordnung NRW"), QStringLiteral("Verwaltungsverordnung")},
        {QStringLiteral("RV"), QStringLiteral("Vorschussrichtlinien"), QStringLiteral("Vorschüsse")},
        {QStringLiteral("HÄG"), QStringLiteral("Hinweise zum ärztlichen Gebührenrecht"), QStringLiteral("Hinweise1")},
        {QStringLiteral("HZG"), QStringLiteral("Hinweise zum zahnärztlichen Gebührenrecht"),
         QStringLiteral("Hinweise2")},
    };
    return gruppen;
}

std::optional<Textgruppe> Textgruppe::zuCode(const QString &code)
{
    for (const Textgruppe &g : alle())
        if (g.code == code)
            return g;
    return std::nullopt;
}

bool Textgruppe::gehoertDazu(const QString &nummer, const QString &code)
{
    return !code.isEmpty() && nummer.startsWith(code, Qt::CaseSensitive);
}

bool Textgruppe::laden(Datenbank &db, const QString &code, Textbestand &bestand)
{
    // An exact prefix test: LIKE would ignore case and treat % and _ as
    // patterns.
    return bestand.laden(db,
                         QStringLiteral("select * from Informationen where substr(Nummer, 1, ?) = ? order by Nummer"),
                         {int(code.size()), code}, {QStringLiteral("Inhalt")});
}
