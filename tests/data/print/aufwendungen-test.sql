-- Form kinds and layouts of the expense page tests: an ordinary form kind
-- whose count per page is left at 0 (23), one with 5 per page, an LBV form
-- kind, and the per-person insurance list "ZAARV". Loaded after
-- testformular.sql. The layouts go into both editions.
INSERT INTO Formulare (Name, Beschreibung, Aufwendungen, "Verfügung", Aufwendungen2, Bescheid,
                       PAufwendungen, "PVerfügung", PAufwendungen2, PBescheid, AufwendungenAnzahl,
                       Titel1, Titel2, Titel3, Titel4, PTitel1, PTitel2, PTitel3, PTitel4)
VALUES ('Testaufwendungen', 'Aufwendungsseiten der Tests', '1AT-AUF', '1AT-VF', '2AT-AUF2', '1AT-BS',
        '1AT-PAUF', '1AT-PVF', '1AT-PAUF2', '', 0,
        'Aufwendungsliste', 'Verfügung', 'Zweite Liste', 'x', 'Pflegeliste', 'Pflegeverfügung', '', 'Pflegebescheid'),
       ('Fünfer', 'Fünf Belege je Blatt', '1AT-AUF', '', '', '', '', '', '', '', 5,
        'Aufwendungsliste', 'x', 'x', 'x', '', '', '', ''),
       ('LBV Test', 'Landesamt', '1AT-AUF', '', '', '', '', '', '', '', 5,
        'Aufwendungsliste', 'x', 'x', 'x', '', '', '', '');
INSERT INTO Antragsdruck (Antrag, Art, x, y, BeginnY, "Höhe", Breite, Inhalt, "Schriftgrösse", Schrifttyp) VALUES
 ('AT-AUF', 0, 0, 10, 0, 8, 190, NULL, 10, 'N'),
 ('AT-AUF', 4, 0, 30, 0, 150, 190, NULL, 10, 'N'),
 ('AT-AUF', 1, 2, 11, 0, 0, 0, 'Zusammenstellung der Aufwendungen Test', 12, 'F'),
 ('AT-AUF', 1, 2, 31, 0, 0, 0, 'Nr.', 8, 'N'),
 ('AT-AUF', 1, 20, 31, 0, 0, 0, 'Datum', 8, 'N'),
 ('AT-AUF', 1, 50, 31, 0, 0, 0, 'Person', 8, 'N'),
 ('AT-AUF', 2, 120, 31, 0, 0, 40, 'Betrag', 8, 'N'),
 ('AT-AUF', 41, 2, 31, 0, 5, 0, 'Belegnummer', 9, 'N'),
 ('AT-AUF', 41, 20, 31, 0, 5, 0, 'Datum', 9, 'N'),
 ('AT-AUF', 43, 50, 31, 0, 5, 15, 'Empfänger', 9, 'N'),
 ('AT-AUF', 42, 120, 31, 0, 5, 40, 'RechnungsbetragAW', 9, 'N'),
 ('AT-AUF', 1, 2, 190, 0, 0, 0, 'Summe', 10, 'F'),
 ('AT-AUF', 12, 120, 190, 0, 0, 40, 'EndsummeRechnungsbetrag', 10, 'F'),
 ('AT-AUF', 12, 120, 196, 0, 0, 40, 'EndsummeVersicherungsbetrag', 10, 'N'),
 ('AT-AUF', 11, 165, 190, 0, 0, 0, 'EndsummeWährung', 10, 'N'),
 ('AT-VF', 1, 2, 11, 0, 0, 0, 'Verfügung Test', 12, 'F'),
 ('AT-VF', 12, 120, 30, 0, 0, 40, 'EndsummeRechnungsbetrag', 10, 'N'),
 ('AT-AUF2', 1, 2, 11, 0, 0, 0, 'Zweite Liste quer', 12, 'F'),
 ('AT-AUF2', 41, 2, 20, 0, 0, 0, 'Belegnummer', 9, 'N'),
 ('AT-BS', 1, 2, 11, 0, 0, 0, 'Bescheid Test', 12, 'F'),
 ('AT-PAUF', 1, 2, 11, 0, 0, 0, 'Pflegeliste Test', 12, 'F'),
 ('AT-PAUF', 41, 2, 20, 0, 5, 0, 'PflegeMonat', 9, 'N'),
 ('AT-PAUF', 41, 40, 20, 0, 5, 0, 'PflegeDatum', 9, 'N'),
 ('AT-PVF', 1, 2, 11, 0, 0, 0, 'Pflegeverfügung Test', 12, 'F'),
 ('AT-PAUF2', 1, 2, 11, 0, 0, 0, 'Zweite Pflegeliste', 12, 'F'),
 ('ZAARV', 1, 2, 11, 0, 0, 0, 'Aufstellung für die Versicherung', 12, 'F'),
 ('ZAARV', 4, 0, 25, 0, 0, 190, NULL, 10, 'N'),
 ('ZAARV', 41, 2, 30, 0, 5, 0, 'privateKVBelegnummer', 9, 'N'),
 ('ZAARV', 41, 20, 30, 0, 5, 0, 'privateKVDatum', 9, 'N'),
 ('ZAARV', 41, 50, 30, 0, 5, 0, 'privateKVEmpfänger', 9, 'N'),
 ('ZAARV', 42, 120, 30, 0, 5, 40, 'privateKVRechnungsbetrag', 9, 'N'),
 ('ZAARV', 41, 165, 30, 0, 5, 0, 'privateKVWährung', 9, 'N'),
 ('ZAARV', 1, 2, 190, 0, 0, 0, 'Summe der Person', 10, 'F'),
 ('ZAARV', 12, 120, 190, 0, 0, 40, 'Versicherungspersonensumme', 10, 'F');
INSERT INTO AntragsdruckEuro (Antrag, Art, x, y, BeginnY, "Höhe", Breite, Inhalt, "Schriftgrösse", Schrifttyp)
SELECT Antrag, Art, x, y, BeginnY, "Höhe", Breite, Inhalt, "Schriftgrösse", Schrifttyp FROM Antragsdruck
WHERE Antrag LIKE 'AT-%' OR Antrag = 'ZAARV';
