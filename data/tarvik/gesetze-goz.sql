-- Laws of the dentists' fee schedule (area 3): official heading and a short
-- summary per paragraph. The official text: www.gesetze-im-internet.de/goz_1987/
BEGIN;
INSERT INTO Gesetze VALUES ('3-01', 3, '§ 1 Anwendungsbereich', 'Die GOZ regelt, was Zahnärztinnen und Zahnärzte für ihre beruflichen Leistungen berechnen, soweit kein Bundesgesetz etwas anderes bestimmt. Berechnet werden dürfen Leistungen, die für eine zahnmedizinisch notwendige Versorgung nötig sind; weitere nur auf Verlangen des Patienten.

Amtlicher Wortlaut: GOZ § 1, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-02', 3, '§ 2 Abweichende Vereinbarung', 'Vor der Behandlung kann schriftlich eine andere Gebührenhöhe vereinbart werden. Die Vereinbarung muss darauf hinweisen, dass Erstattungsstellen den Mehrbetrag möglicherweise nicht übernehmen. Leistungen auf Verlangen, die über das Notwendige hinausgehen, sind vorher in einem Heil- und Kostenplan schriftlich zu vereinbaren.

Amtlicher Wortlaut: GOZ § 2, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-03', 3, '§ 3 Vergütungen', 'Als Vergütung gibt es Gebühren, Entschädigungen und den Ersatz von Auslagen.

Amtlicher Wortlaut: GOZ § 3, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-04', 3, '§ 4 Gebühren', 'Gebühren gibt es für die Leistungen des Gebührenverzeichnisses der GOZ und für die ausdrücklich geöffneten Leistungen der GOÄ, nur für selbständige eigene Leistungen. Was Teil einer anderen berechneten Leistung ist, kann nicht zusätzlich berechnet werden. Praxiskosten sind grundsätzlich abgegolten.

Amtlicher Wortlaut: GOZ § 4, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-05', 3, '§ 5 Bemessung der Gebühren für Leistungen des Gebührenverzeichnisses', 'Einfacher Satz = Punktzahl × Punktwert (5,62421 Cent). Die Gebühr liegt zwischen dem einfachen und dem 3,5fachen Satz; der 2,3fache Satz (Schwellenwert) gilt als durchschnittliche Leistung, darüber nur mit Begründung. Gerundet wird auf den Cent, erst nach der Multiplikation mit dem Faktor.

Amtlicher Wortlaut: GOZ § 5, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-06', 3, '§ 5a (weggefallen)', 'Diese Vorschrift ist aufgehoben.

GOZ § 5a, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-07', 3, '§ 6 Gebühren für andere Leistungen', 'Eine Leistung, die im Gebührenverzeichnis fehlt, wird wie eine gleichwertige Leistung der GOZ berechnet ("analog"). Bestimmte ärztliche Leistungen kann der Zahnarzt nach der GOÄ berechnen.

Amtlicher Wortlaut: GOZ § 6, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-08', 3, '§ 7 Gebühren bei stationärer Behandlung', 'Bei stationärer Behandlung werden die Gebühren gemindert, weil das Krankenhaus Kosten selbst trägt.

Amtlicher Wortlaut: GOZ § 7, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-09', 3, '§ 8 Entschädigungen', 'Für Besuche gibt es Wegegeld oder Reiseentschädigung, gestaffelt nach der Entfernung.

Amtlicher Wortlaut: GOZ § 8, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-10', 3, '§ 9 Ersatz von Auslagen für zahntechnische Leistungen', 'Die tatsächlich entstandenen Kosten zahntechnischer Leistungen (Labor) werden neben den Gebühren ersetzt. Bei voraussichtlich höheren Laborkosten ist auf Verlangen vorher ein Kostenvoranschlag zu geben.

Amtlicher Wortlaut: GOZ § 9, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-11', 3, '§ 10 Fälligkeit und Abrechnung der Vergütung, Rechnung', 'Die Vergütung wird fällig, wenn eine Rechnung nach dem amtlichen Muster erteilt ist. Sie nennt unter anderem das Datum, die Gebührennummer mit Bezeichnung, den Betrag und den Steigerungssatz, bei Überschreiten des 2,3fachen Satzes eine verständliche Begründung, sowie Material- und Laborkosten.

Amtlicher Wortlaut: GOZ § 10, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-12', 3, '§ 11 Übergangsvorschrift', 'Regelt, welches Recht für Behandlungen gilt, die vor dem Inkrafttreten der geltenden Fassung begonnen haben.

Amtlicher Wortlaut: GOZ § 11, www.gesetze-im-internet.de/goz_1987/');
INSERT INTO Gesetze VALUES ('3-13', 3, '§ 12 Überprüfung', 'Die Bundesregierung prüft die Auswirkungen der GOZ-Neufassung und berichtet darüber.

Amtlicher Wortlaut: GOZ § 12, www.gesetze-im-internet.de/goz_1987/');
COMMIT;
