-- Fee database: fee schedules, their general provisions, laws and remedies.
CREATE TABLE "Gebühren" (
    GO TEXT, GOIndex TEXT, Nummer TEXT, Leistungstext TEXT, Punkte DOUBLE, "Schlüssel" TEXT, Bestimmung TEXT
);
CREATE TABLE Anmerkungen (Nummer TEXT, Info TEXT);
CREATE TABLE Gesetze (Nummer TEXT, Bereich INTEGER, "Überschrift" TEXT, Information TEXT);
CREATE TABLE Heilbehandlungen (
    Nummer TEXT, Nummer2 TEXT, Bereich INTEGER, BetragDM DOUBLE, BetragEuro DOUBLE, Information TEXT
);
