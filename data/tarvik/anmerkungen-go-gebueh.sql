-- What applies to every number of the healing practitioners' list.
BEGIN;
INSERT INTO Anmerkungen VALUES ('GebüH', 'Gebührenverzeichnis für Heilpraktiker (GebüH)

Die angezeigten Beträge sind die Höchstbeträge, die die Beihilfe je Nummer anerkennt, nicht die Gebühren des Heilpraktikers. Der Schlüssel e zeigt als Schwellenwert denselben Betrag; ein höherer Faktor ergibt einen Betrag, der über dem beihilfefähigen Höchstbetrag liegt.

Anmerkungen zu einzelnen Nummern (Häufigkeit je Sitzung oder Behandlungsfall, Ausschlüsse) stehen in der Bundesbeihilfeverordnung, Anlage 2 (www.gesetze-im-internet.de/bbhv/).');
COMMIT;
