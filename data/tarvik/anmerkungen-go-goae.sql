-- General provisions of the doctors' fee schedule, summarised per section.
-- Key: 'GOÄ ' + section, the value of Gebühren.Bestimmung.
BEGIN;
INSERT INTO Anmerkungen VALUES ('GOÄ A', 'GOÄ, Abschnitt A (Gebühren in besonderen Fällen)

Einige Leistungen außerhalb der Abschnitte E, M und O dürfen nur mit dem verminderten Rahmen (bis 2,5fach, Schwellenwert 1,8) berechnet werden: Nr. 2 und 56, 250, 250a, 402, 403, 602, 605 bis 617, 620 bis 624, 635 bis 647, 650, 651, 653, 654, 657 bis 661, 665, 666, 725, 726, 759 bis 761, 855 bis 857, 1001, 1002, 1255 bis 1257, 1259, 1260, 1262, 1263, 1268 bis 1270, 1401, 1403 bis 1406, 1558 bis 1560 und 4850 bis 4873. Dieses Programm führt sie mit dem Schlüssel l.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Abschnitt A, und GOÄ § 5 Abs. 3 (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ B', 'GOÄ, Abschnitt B

Grundleistungen: Der Behandlungsfall umfasst einen Monat ab der ersten Inanspruchnahme. Beratung (Nr. 1) und symptombezogene Untersuchung (Nr. 5) gibt es neben Leistungen der Abschnitte C bis O im Behandlungsfall nur einmal. Mehrfache Berechnung an einem Tag (Nr. 1, 3, 5 bis 8, Visiten) nur wenn medizinisch geboten, mit Uhrzeit. Terminvereinbarungen sind nicht berechenbar; bestimmte Leistungen sind neben Nr. 5 bis 8 oder neben psychiatrischen Leistungen ausgeschlossen.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt B (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ B II', 'GOÄ, Abschnitt B II

Die Zuschläge A bis D und K 1 gibt es nur zum einfachen Satz und je Inanspruchnahme nur einmal; neben ihnen nicht die Zuschläge E bis J und K 2. Sie stehen in der Rechnung direkt hinter der Leistung, zu der sie gehören.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt B II (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ B V', 'GOÄ, Abschnitt B V

Die Zuschläge E bis J und K 2 gibt es nur zum einfachen Satz (E bis H neben Nr. 51 nur zum halben Satz) und je Inanspruchnahme nur einmal; neben ihnen nicht die Zuschläge A bis D und K 1. Sie stehen in der Rechnung direkt hinter der Leistung, zu der sie gehören.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt B V (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ B VII', 'GOÄ, Abschnitt B VII

Für Leistungen nach Nr. 100 bis 109 außerhalb der Praxis kommen Wegegeld oder Reiseentschädigung hinzu. Nr. 100 und 101 schließen einander und Nr. 48 bis 52 aus; sie und der Zuschlag Nr. 102 werden nur zum einfachen Satz berechnet.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt B VII (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C I', 'GOÄ, Abschnitt C I

Ein Wundverband (Nr. 200) im Zusammenhang mit Operation, Punktion, Infusion, Transfusion oder Injektion ist Teil dieser Leistung.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C I (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C II', 'GOÄ, Abschnitt C II

Injektionen und Infusionen: Mehrere Arzneimittel über dieselbe Kanüle nacheinander zählen nicht mehrfach. Viele Infusionen (Nr. 270 bis 287) sind je Behandlungstag nur einmal berechenbar, Nr. 271/272 höchstens zweimal mit getrennten Punktionen. Die Gefäßpunktion ist enthalten.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C II (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C III', 'GOÄ, Abschnitt C III

Zur Punktion gehören die damit verbundenen Injektionen, Spülungen und Entnahmen (Blut, Liquor, Gewebe).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C III (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C IV', 'GOÄ, Abschnitt C IV

Was zum Einbringen eines Kontrastmittels nötig ist (Sondierung, Injektion, Punktion, Katheter, Kontrolldurchleuchtung, Wundnaht), ist in der Leistung enthalten.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C IV (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C V', 'GOÄ, Abschnitt C V

Impfungen und Testungen: Behandlungsfall ein Monat. Nachbeobachtung am selben Tag ist enthalten. Neben Nr. 376 bis 378 sind Nr. 1, 2 und der Eintrag in den Impfpass nicht berechenbar; bei einigen Tests sind Testmittel abgegolten.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C V (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C VI', 'GOÄ, Abschnitt C VI

Sonographie: Die Zuschläge Nr. 401 und 404 bis 406 gibt es nur zum einfachen Satz. Die Leistungen sind je Sitzung meist nur einmal berechenbar, einige schließen einander aus; die Bilddokumentation ist enthalten. Ein Organ gilt als untersucht, wenn es in mindestens zwei Ebenen dargestellt wurde.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C VI (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ C VIII', 'GOÄ, Abschnitt C VIII

Zuschläge für ambulante Operationen und Anästhesien (Nr. 440 bis 449): nur zum einfachen Satz, nur zu bestimmten, in der Vorschrift aufgezählten Operationen, maßgeblich ist die höchstbewertete Leistung. Nicht berechenbar, wenn der Patient am selben Tag wegen derselben Erkrankung stationär aufgenommen wird (außer bei Komplikationen).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt C VIII (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ D', 'GOÄ, Abschnitt D

Anästhesie: Bei mehreren Narkoseverfahren nebeneinander zählt nur das höchstbewertete; die Prämedikation ist enthalten. Die Narkosedauer rechnet von zehn Minuten vor bis zehn Minuten nach der Operation.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt D (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ E', 'GOÄ, Abschnitt E

Physikalisch-medizinische Leistungen (Schwellenwert 1,8): Alle Kosten sind enthalten, außer Arzneimitteln für Inhalationen und Photochemotherapie.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt E (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ H', 'GOÄ, Abschnitt H

Werden mehrere Eingriffe in der Bauchhöhle zusammen ausgeführt, wird die Eröffnung der Bauchhöhle nur einmal vergütet (Kürzung um Nr. 3135).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt H (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ K', 'GOÄ, Abschnitt K

Werden mehrere Eingriffe in Brust- oder Bauchhöhle zusammen ausgeführt, wird die Eröffnung nur einmal vergütet (Kürzung um Nr. 2990 oder 3135).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt K (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ L', 'GOÄ, Abschnitt L

Chirurgie und Orthopädie: Operative Einzelschritte, die notwendiger Teil der beschriebenen Zielleistung sind, werden nicht gesondert berechnet. Die Eröffnung von Brust- oder Bauchhöhle wird bei mehreren Eingriffen nur einmal vergütet.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt L (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ L III', 'GOÄ, Abschnitt L III

Gelenkchirurgie: Bestimmte Eingriffe am selben Gelenk in derselben Sitzung sind nicht mehrfach und nicht nebeneinander berechenbar; neben Nr. 2189 bis 2196 nicht Nr. 300 bis 302 und 3300. Daneben gilt die allgemeine Bestimmung zu Abschnitt L (Zielleistung).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt L III (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ L IV', 'GOÄ, Abschnitt L IV

Beim Einrenken von Luxationen ist der Verband Teil der Leistung. Daneben gilt die allgemeine Bestimmung zu Abschnitt L (Zielleistung).

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt L IV (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ M', 'GOÄ, Abschnitt M

Laboratoriumsuntersuchungen (Rahmen bis 1,3fach, Schwellenwert 1,15; ebenso Nr. 437): Die Gebühr umfasst Probenvorbereitung, Untersuchung, Qualitätssicherung, Befund und Kosten (außer Versand, Porto und Pharmaka bei Funktionstests). Bei gleichwertigen Verfahren gilt das niedriger bewertete. Berechnet, wer die Untersuchung selbst erbracht hat. Laboruntersuchungen der Abschnitte M I bis M III während einer Intensivbehandlung (Nr. 435) werden nur nach Nr. 437 berechnet.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt M (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ M I', 'GOÄ, Abschnitt M I

Vorhalteleistungen der eigenen Praxis (Nr. 3500 bis 3532): nur wenn das Ergebnis innerhalb von vier Stunden beim Patienten oder in der eigenen Praxis ermittelt wird; nicht im Krankenhaus, in Laborgemeinschaften oder Laborpraxen. Daneben gelten die Bestimmungen zu Abschnitt M.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt M I (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ M II', 'GOÄ, Abschnitt M II

Basislabor: darf als eigene Leistung berechnet werden, auch wenn es unter Aufsicht in einer Laborgemeinschaft erbracht wurde. Für die mit H1 gekennzeichneten Nummern gilt zusammen der Höchstwert Nr. 3541.H. Bei geringerem als dem genannten Leistungsumfang zählen nur die erbrachten Einzelleistungen. Daneben gelten die Bestimmungen zu Abschnitt M.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt M II (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ M III', 'GOÄ, Abschnitt M III

Untersuchungen in Speziallaboratorien: Für die mit H2, H3 und H4 gekennzeichneten Nummern gelten die Höchstwerte Nr. 3630.H, 3631.H und 3633.H. Qualitative und quantitative Bestimmung derselben Sache sind nicht nebeneinander berechenbar; bei geringerem Leistungsumfang zählen nur die erbrachten Einzelleistungen. Daneben gelten die Bestimmungen zu Abschnitt M.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt M III (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ M IV', 'GOÄ, Abschnitt M IV

Untersuchungen zum Nachweis von Krankheitserregern: Wird eine vergleichbare, nicht genannte Untersuchung berechnet, ist sie genau zu bezeichnen. Identifizierungsverfahren (Nr. 4666 bis 4671) höchstens zwei, und nur nach positivem Nachweis; bei Nr. 4780 bis 4787 sind Material und Erreger anzugeben. Daneben gelten die Bestimmungen zu Abschnitt M.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt M IV (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ O I', 'GOÄ, Abschnitt O I

Strahlendiagnostik (Schwellenwert 1,8): Alle Kosten sind enthalten. Berechenbar nur mit Bilddokumentation (außer Durchleuchtung Nr. 5295); einfacher Befundbericht und Indikationsprüfung sind enthalten. Eine Reihe von Leistungen ist je Sitzung nur einmal berechenbar; Höchstwerte sind zu beachten.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt O I (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ O II', 'GOÄ, Abschnitt O II

Nuklearmedizin (Schwellenwert 1,8): Basisleistung ist die planare Szintigraphie; Wiederholungen nur mit Begründung. Ergänzungsleistungen Nr. 5480 bis 5485 einmal je Basisleistung und nur zum einfachen Satz. Das Radiopharmazeutikum ist gesondert berechenbar, aber nur die verbrauchte Menge; Befund und Dokumentation sind enthalten.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt O II (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ O III', 'GOÄ, Abschnitt O III

Magnetresonanztomographie (Schwellenwert 1,8): Nr. 5700 bis 5735 je Sitzung nur einmal; mehrere nebeneinander sind zu begründen, der Höchstwert Nr. 5735 gilt.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt O III (www.gesetze-im-internet.de/go__1982/).');
INSERT INTO Anmerkungen VALUES ('GOÄ O IV', 'GOÄ, Abschnitt O IV

Strahlentherapie (Schwellenwert 1,8): Eine Bestrahlungsserie umfasst alle Fraktionen desselben Krankheitsfalls. Mehrfache Berechnung der Planungsleistungen nur bei wesentlicher Änderung der Behandlung, mit Begründung. Die Rechnung nennt Diagnose, Zielvolumen, Bestrahlungsart, Dosis und Zahl der Fraktionen.

Amtlicher Wortlaut: GOÄ, Gebührenverzeichnis, Allgemeine Bestimmungen zu Abschnitt O IV (www.gesetze-im-internet.de/go__1982/).');
COMMIT;
