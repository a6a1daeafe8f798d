-- Personal address book; all fields are text.
CREATE TABLE Adressen (
    Anrede TEXT, Titel TEXT, Name1 TEXT, Name2 TEXT, Strasse TEXT, PLZ TEXT, Ort TEXT,
    Telefon TEXT, Telefax TEXT, Mobilfunk TEXT, email TEXT
);
