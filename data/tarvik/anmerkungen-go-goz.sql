-- General provisions of the dentists' fee schedule, summarised per section.
-- Key: 'GOZ ' + section, the value of Gebühren.Bestimmung.
BEGIN;
INSERT INTO Anmerkungen VALUES ('GOZ A', 'GOZ, Abschnitt A

Allgemeine zahnärztliche Leistungen: Die ärztliche Beratung Nr. 1 GOÄ ist im Behandlungsfall (ein Monat) nur einmal neben anderen Leistungen berechenbar, die Beratung Nr. 3 GOÄ nur allein oder neben einer Untersuchung (Nr. 0010 GOZ, Nr. 5 oder 6 GOÄ). Abformmaterial ist gesondert berechenbar.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt A (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ B', 'GOZ, Abschnitt B

Prophylaktische Leistungen: nur bei Einzelunterweisung berechenbar, nicht bei Gruppenprophylaxe.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt B (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ C', 'GOZ, Abschnitt C

Konservierende Leistungen: Nur einmal verwendbare Nickel-Titan-Instrumente zur Wurzelkanalaufbereitung sind gesondert berechenbar.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt C (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ D', 'GOZ, Abschnitt D

Chirurgische Leistungen: Primäre Wundversorgung und operativer Zugang sind in den Leistungen enthalten. Knochenersatz, Membranen, blutstillende Materialien, atraumatisches Nahtmaterial und Einmal-Explantationsfräsen sind gesondert berechenbar.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt D (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ E', 'GOZ, Abschnitt E

Leistungen bei Erkrankungen der Mundschleimhaut und des Parodontiums: Primäre Wundversorgung ist enthalten; Knochenersatz, Membranen und ihr Befestigungsmaterial sowie atraumatisches Nahtmaterial sind gesondert berechenbar.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt E (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ G', 'GOZ, Abschnitt G

Kieferorthopädische Leistungen: Nr. 6100, 6120, 6140 und 6150 schließen Standardmaterial (z. B. Edelstahlbrackets und -bänder) ein. Teureres Material kann nur berechnet werden, wenn es vorher schriftlich mit Angabe der Kosten vereinbart wurde.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt G (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ H', 'GOZ, Abschnitt H

Eingliederung von Aufbissbehelfen und Schienen: Endgültige Kronen, Brücken und Prothesen dürfen nicht als Aufbissbehelf oder Schiene berechnet werden.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt H (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ K', 'GOZ, Abschnitt K

Implantologische Leistungen: Primäre Wundversorgung ist enthalten. Implantate, Implantatteile, Einmal-Implantatfräsen, Knochenersatz, Membranen und atraumatisches Nahtmaterial sind gesondert berechenbar.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt K (www.gesetze-im-internet.de/goz_1987/).');
INSERT INTO Anmerkungen VALUES ('GOZ L', 'GOZ, Abschnitt L

Zuschläge zu bestimmten zahnärztlich-chirurgischen Leistungen (Nr. 0500 bis 0530): nur zum einfachen Satz, nur zu den in der Vorschrift genannten Leistungen, maßgeblich ist die höchstbewertete Leistung; nicht neben den Zuschlägen Nr. 440 bis 445 GOÄ und nicht, wenn der Patient am selben Tag wegen derselben Erkrankung stationär aufgenommen wird.

Amtlicher Wortlaut: GOZ, Anlage 1, Allgemeine Bestimmungen zu Abschnitt L (www.gesetze-im-internet.de/goz_1987/).');
COMMIT;
