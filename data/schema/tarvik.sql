-- Fee database: fee schedules, their general provisions, laws and remedies.
CREATE TABLE "Gebühren" (
    GO TEXT, GOIndex TEXT, Nummer TEXT, Leistungstext TEXT, Punkte DOUBLE, "Schlüssel" TEXT, Bestimmung TEXT
);
CREATE TABLE Anmerkungen (Nummer TEXT, Info TEXT);
CREATE TABLE Gesetze (Nummer TEXT, Bereich INTEGER, "Überschrift" TEXT, Information TEXT);
CREATE TABLE Heilbehandlungen (
    Nummer TEXT, Nummer2 TEXT, Bereich INTEGER, BetragDM DOUBLE, BetragEuro DOUBLE, Information TEXT
);
-- Per schedule: its short name, the euro per point and where the law sets
-- the point value, the rounding and the duty to give reasons.
CREATE TABLE "Gebührenordnungen" (
    GO TEXT, Kurzname TEXT, PunktwertEuro DOUBLE, FundstellePunktwert TEXT, FundstelleRundung TEXT,
    "FundstelleBegründung" TEXT
);
-- Per schedule and threshold key of "Gebühren": the threshold factor, the
-- highest factor of the range and where the range stands.
CREATE TABLE "Gebührenrahmen" (
    GO TEXT, "Schlüssel" TEXT, Schwellenwert DOUBLE, "Höchstsatz" DOUBLE, Fundstelle TEXT
);
