-- Empty application database: one header row per application, one row per receipt.
-- Dates are ISO 8601 text, yes/no columns 0 or 1.
CREATE TABLE "Anträge" (
    Kennung TEXT,
    Antragsdatum DATE,
    Unternummer TEXT,
    Bemerkung TEXT,
    eingereicht DATE,
    "zurück" DATE,
    Bescheidvom DATE,
    "BescheidHöhe" DOUBLE,
    euro BOOLEAN,
    Pflegeantrag BOOLEAN
);
CREATE TABLE Rechnungen (
    Kennung TEXT,
    lfdNr INTEGER,
    Beleg SMALLINT,
    Datum DATE,
    "Empfänger" VARCHAR(2),
    Art VARCHAR(6),
    Rechnung DOUBLE,
    Versicherung DOUBLE,
    Erstattung DOUBLE,
    ErstattungV DOUBLE,
    Rechnungsnummer VARCHAR(15),
    euro BOOLEAN,
    Arzt VARCHAR(30),
    bezahltam DATE
);
