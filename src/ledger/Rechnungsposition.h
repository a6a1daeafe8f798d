#pragma once

#include <QString>
#include <QtGlobal>

// A text of fixed width: a longer text is cut, a shorter one padded with
// blanks on the right. Reading gives the padded text.
template<int Breite>
class FesterText
{
public:
    FesterText() { setzen(QString()); }
    FesterText(const QString &text) { setzen(text); } // NOLINT: assigned like a string
    FesterText &operator=(const QString &text)
    {
        setzen(text);
        return *this;
    }
    void setzen(const QString &text) { m_text = text.left(Breite).leftJustified(Breite, u' '); }
    const QString &text() const { return m_text; }
    QString getrimmt() const { return m_text.trimmed(); }
    operator const QString &() const { return m_text; } // NOLINT
    bool operator==(const FesterText &o) const { return m_text == o.m_text; }
    static constexpr int breite = Breite;

private:
    QString m_text;
};

// One receipt of the open application.
struct Rechnungsposition
{
    qint16 Beleg = 0;
    FesterText<10> Datum;
    FesterText<2> Empfaenger;
    FesterText<6> Art;
    double Rechnung = 0;
    double Versicherung = 0;
    double Erstattung = 0;
    double ErstattungV = 0;
    FesterText<30> Arzt;
    bool euro = false;
    FesterText<10> bezahltam;
    FesterText<10> faelligam;
    FesterText<15> Rechnungsnummer;
    // A receipt read from an invoice file: the file's name in the data
    // directory's "belege" folder, the fee check's findings (one per line)
    // and the amount the check does not recognise (sum over the findings
    // with a recognised amount of line amount minus that amount).
    QString belegdatei;
    QString befunde;
    double kuerzung = 0;

    bool operator==(const Rechnungsposition &o) const = default;

    // Person 1 (applicant), 2 (spouse), 3 (children) by the first character
    // of Empfänger; 0 for any other.
    int person() const;
    // Care allowance: the receipt's invoice number reads "Pauschale".
    bool istPauschale() const { return Rechnungsnummer.getrimmt() == QLatin1String("Pauschale"); }
};
