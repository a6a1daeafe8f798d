-- Print-layout database: the form kinds and the layout rows of every form.
CREATE TABLE Formulare (
    Name TEXT,
    Beschreibung TEXT,
    Vorderseite TEXT,
    "Rückseite" TEXT,
    PVorderseite TEXT,
    "PRückseite" TEXT,
    Aufwendungen TEXT,
    "Verfügung" TEXT,
    Aufwendungen2 TEXT,
    Bescheid TEXT,
    PAufwendungen TEXT,
    "PVerfügung" TEXT,
    PAufwendungen2 TEXT,
    PBescheid TEXT,
    AufwendungenAnzahl INTEGER,
    Titel1 TEXT, Titel2 TEXT, Titel3 TEXT, Titel4 TEXT,
    PTitel1 TEXT, PTitel2 TEXT, PTitel3 TEXT, PTitel4 TEXT
);
CREATE TABLE Antragsdruck (
    Antrag TEXT,
    Art INTEGER,
    x REAL,
    y REAL,
    BeginnY REAL,
    "Höhe" REAL,
    Breite REAL,
    Inhalt TEXT,
    "Schriftgrösse" REAL,
    Schrifttyp TEXT
);
CREATE TABLE AntragsdruckEuro (
    Antrag TEXT,
    Art INTEGER,
    x REAL,
    y REAL,
    BeginnY REAL,
    "Höhe" REAL,
    Breite REAL,
    Inhalt TEXT,
    "Schriftgrösse" REAL,
    Schrifttyp TEXT
);
CREATE INDEX AntragsdruckName ON Antragsdruck (Antrag, Art, y);
CREATE INDEX AntragsdruckEuroName ON AntragsdruckEuro (Antrag, Art, y);
