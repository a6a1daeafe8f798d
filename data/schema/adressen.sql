-- Personal address book; all fields are text. Anzeige is the name under
-- which an address is listed and its sort key.
CREATE TABLE Adressen (
    Anrede TEXT, Titel TEXT, Name1 TEXT, Name2 TEXT, Strasse TEXT, PLZ TEXT, Ort TEXT,
    Telefon TEXT, Telefax TEXT, Mobilfunk TEXT, email TEXT, Anzeige TEXT, Bemerkungen TEXT
);
