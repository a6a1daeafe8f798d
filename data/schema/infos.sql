-- Information database: regulation texts and the spa-resort directory.
CREATE TABLE Informationen (Nummer TEXT, "Überschrift" TEXT, Inhalt TEXT);
CREATE TABLE Kurorteverzeichnis (
    Name TEXT, PLZ TEXT, Gemeinde TEXT, ArtBezeichnung TEXT, AnerkenntnisHeilkurort TEXT
);
