-- A small form kind for the print tests: its own layouts for the front and
-- back page, a landscape care page and a care back page without rows.
DELETE FROM Formulare;
DELETE FROM Antragsdruck;
DELETE FROM AntragsdruckEuro;
INSERT INTO Formulare (Name, Beschreibung, Vorderseite, "Rückseite", PVorderseite, "PRückseite",
                       Aufwendungen, "Verfügung", Aufwendungen2, Bescheid, AufwendungenAnzahl,
                       Titel1, Titel2, Titel3, Titel4)
VALUES ('Testformular', 'Formular der Drucktests', '1T-V', '1T-R', '2T-PV', '1T-PR',
        '1T-AUF', '', '', '', 23, 'Aufwendungen', 'x', 'x', 'x');
INSERT INTO Antragsdruck (Antrag, Art, x, y, BeginnY, "Höhe", Breite, Inhalt, "Schriftgrösse", Schrifttyp) VALUES
 ('T-V', 0, 0, 10, 0, 8, 190, NULL, 10, 'N'),
 ('T-V', 1, 2, 11, 0, 0, 0, 'Antrag auf Beihilfe - Vorderseite Test', 12, 'F'),
 ('T-V', 4, 0, 30, 0, 20, 190, NULL, 10, 'N'),
 ('T-V', 1, 2, 31, 0, 0, 0, 'Name, Vorname', 6, 'N'),
 ('T-V', 11, 2, 35, 0, 0, 0, 'Vorname Name', 10, 'N'),
 ('T-V', 12, 100, 35, 0, 0, 88, 'Ort', 10, 'N'),
 ('T-V', 1, 2, 55, 0, 0, 0, 'Bankverbindung (nur bei Änderungen)', 6, 'N'),
 ('T-V', 21, 2, 59, 0, 0, 0, 'Bank', 10, 'N'),
 ('T-V', 4, 2, 70, 0, 4, 4, NULL, 10, 'N'),
 ('T-V', 14, 2, 70, 0, 4, 4, 'Erstantragstellung', 10, 'N'),
 ('T-V', 1, 8, 70, 0, 0, 0, 'Erstantrag', 9, 'N'),
 ('T-V', 1, 2, 80, 0, 0, 0, 'Änderungen gültig ab', 9, 'N'),
 ('T-V', 11, 40, 80, 0, 0, 0, 'Datenänderung$Gültigkeit', 9, 'N'),
 ('T-V', 11, 100, 80, 0, 0, 0, 'Datenänderung2$Kopf1', 9, 'N'),
 ('T-V', 11, 2, 90, 0, 0, 0, 'Ort, AntragstellerDatum', 10, 'N'),
 ('T-R', 1, 2, 11, 0, 0, 0, 'Rückseite Test', 12, 'F'),
 ('T-PV', 1, 2, 11, 0, 0, 0, 'Pflege quer', 12, 'F'),
 ('T-PV', 4, 0, 20, 0, 0, 270, NULL, 10, 'N');
INSERT INTO AntragsdruckEuro (Antrag, Art, x, y, BeginnY, "Höhe", Breite, Inhalt, "Schriftgrösse", Schrifttyp) VALUES
 ('T-V', 1, 2, 11, 0, 0, 0, 'Euro Vorderseite', 12, 'F'),
 ('T-V', 11, 2, 35, 0, 0, 0, 'Vorname Name', 10, 'N');
