-- Laws of the doctors' fee schedule (area 1): official heading and a short
-- summary per paragraph. The official text: www.gesetze-im-internet.de/go__1982/
BEGIN;
INSERT INTO Gesetze VALUES ('1-01', 1, '§ 1 Anwendungsbereich', 'Die GOÄ regelt, was Ärztinnen und Ärzte für ihre beruflichen Leistungen berechnen, soweit kein Bundesgesetz etwas anderes bestimmt. Berechnet werden dürfen Leistungen, die für eine medizinisch notwendige Versorgung nötig sind; weitere nur, wenn der Patient sie verlangt hat.

Amtlicher Wortlaut: GOÄ § 1, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-02', 1, '§ 2 Abweichende Vereinbarung', 'Arzt und Patient können vor der Behandlung schriftlich eine andere Gebührenhöhe vereinbaren. Für Leistungen der Abschnitte A, E, M und O sowie Nummer 437 ist das ausgeschlossen. Die Vereinbarung muss darauf hinweisen, dass Erstattungsstellen den Mehrbetrag möglicherweise nicht übernehmen; Beihilfe wird in der Regel nur bis zu den Sätzen der GOÄ gewährt.

Amtlicher Wortlaut: GOÄ § 2, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-03', 1, '§ 3 Vergütungen', 'Als Vergütung gibt es Gebühren, Entschädigungen (Wegegeld, Reiseentschädigung) und den Ersatz von Auslagen.

Amtlicher Wortlaut: GOÄ § 3, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-04', 1, '§ 4 Gebühren', 'Gebühren gibt es für die Leistungen des Gebührenverzeichnisses, und nur für selbständige eigene Leistungen des Arztes (auch solche, die unter seiner Aufsicht nach fachlicher Weisung erbracht werden). Was Teil einer anderen berechneten Leistung ist, kann nicht zusätzlich berechnet werden. Praxiskosten sind mit den Gebühren abgegolten, soweit nichts anderes bestimmt ist.

Amtlicher Wortlaut: GOÄ § 4, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-05', 1, '§ 5 Bemessung der Gebühren für Leistungen des Gebührenverzeichnisses', 'Einfacher Satz = Punktzahl × Punktwert (5,82873 Cent). Die Gebühr liegt zwischen dem einfachen und dem 3,5fachen Satz; ohne besondere Begründung bis zum 2,3fachen (Schwellenwert). Für die Abschnitte A, E und O gilt ein Rahmen bis 2,5fach mit Schwellenwert 1,8, für Abschnitt M und Nummer 437 bis 1,3fach mit Schwellenwert 1,15. Wer den Schwellenwert überschreitet, muss das in der Rechnung begründen.

In diesem Programm: Schlüssel b = 2,3, l = 1,8, m = 1,15, e = nur einfacher Satz.

Amtlicher Wortlaut: GOÄ § 5, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-06', 1, '§ 5a Bemessung der Gebühren in besonderen Fällen', 'Bei einem straffreien Schwangerschaftsabbruch nach § 218a Abs. 1 StGB sind die Gebühren der damit verbundenen Leistungen auf den 1,8fachen Satz begrenzt.

Amtlicher Wortlaut: GOÄ § 5a, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-07', 1, '§ 5b Bemessung der Gebühren bei Versicherten des Standardtarifes der privaten Krankenversicherung', 'Für Versicherte im Standardtarif der privaten Krankenversicherung gelten niedrigere Höchstsätze als nach § 5.

Amtlicher Wortlaut: GOÄ § 5b, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-08', 1, '§ 6 Gebühren für andere Leistungen', 'Eine Leistung, die im Gebührenverzeichnis fehlt, wird wie eine gleichwertige Leistung des Verzeichnisses berechnet ("analog"). Zahnärztliche Leistungen eines Arztes richten sich nach der GOZ.

Amtlicher Wortlaut: GOÄ § 6, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-09', 1, '§ 6a Gebühren bei stationärer Behandlung', 'Bei stationärer oder teilstationärer Behandlung werden die Gebühren gemindert (in der Regel um 25 %, bei Belegärzten und bestimmten anderen Ärzten um 15 %), weil das Krankenhaus Kosten selbst trägt.

Amtlicher Wortlaut: GOÄ § 6a, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-10', 1, '§ 7 Entschädigungen', 'Für Besuche erhält der Arzt Wegegeld (§ 8) oder Reiseentschädigung (§ 9); damit sind Zeitversäumnis und Mehrkosten abgegolten.

Amtlicher Wortlaut: GOÄ § 7, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-11', 1, '§ 8 Wegegeld', 'Das Wegegeld für einen Besuch ist nach der Entfernung (bis 25 km) gestaffelt und nachts höher. Besucht der Arzt auf einem Weg mehrere Patienten, wird es anteilig berechnet.

Amtlicher Wortlaut: GOÄ § 8, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-12', 1, '§ 9 Reiseentschädigung', 'Bei Besuchen über 25 km Entfernung tritt an die Stelle des Wegegelds eine Reiseentschädigung für Fahrt, Abwesenheit und gegebenenfalls Übernachtung.

Amtlicher Wortlaut: GOÄ § 9, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-13', 1, '§ 10 Ersatz von Auslagen', 'Neben den Gebühren dürfen bestimmte Auslagen berechnet werden, etwa Arzneimittel, Verbandmittel und Materialien, die der Patient behält oder die mit einer Anwendung verbraucht sind, sowie Versandkosten. Kleinmaterial des Praxisalltags ist nicht gesondert berechenbar.

Amtlicher Wortlaut: GOÄ § 10, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-14', 1, '§ 11 Zahlung durch öffentliche Leistungsträger', 'Zahlt ein öffentlich-rechtlicher Kostenträger (etwa ein Sozialleistungsträger) die Vergütung selbst, gelten niedrigere Gebührensätze.

Amtlicher Wortlaut: GOÄ § 11, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-15', 1, '§ 12 Fälligkeit und Abrechnung der Vergütung, Rechnung', 'Die Vergütung wird fällig, wenn eine Rechnung nach der GOÄ erteilt ist. Die Rechnung nennt unter anderem das Datum jeder Leistung, die Gebührennummer mit Bezeichnung, den Betrag und den Steigerungssatz; wer den Schwellenwert überschreitet, begründet das verständlich. Analog berechnete Leistungen sind als solche zu kennzeichnen, größere Auslagen zu belegen.

Amtlicher Wortlaut: GOÄ § 12, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-16', 1, '§ 13 (weggefallen)', 'Diese Vorschrift ist aufgehoben.

GOÄ § 13, www.gesetze-im-internet.de/go__1982/');
INSERT INTO Gesetze VALUES ('1-17', 1, '§ 14 (Inkrafttreten und Übergangsvorschrift)', 'Regelt das Inkrafttreten der GOÄ und den Übergang von früherem Recht.

Amtlicher Wortlaut: GOÄ § 14, www.gesetze-im-internet.de/go__1982/');
COMMIT;
