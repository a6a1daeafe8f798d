-- Notes of the remedies list (keys LV1 to LV3), in our own words.
-- Facts from the provisions of BBhV Anlage 9; official text:
-- www.gesetze-im-internet.de/bbhv/ (Anlage 9, Abschnitte 1 bis 4).
BEGIN;
INSERT INTO Anmerkungen VALUES ('LV1', 'Leistungsverzeichnis der Heilbehandlungen – Einführung

Das Verzeichnis nennt für ärztlich verordnete Heilmittel den Betrag, bis zu dem die Beihilfe eine Behandlung höchstens anerkennt. Es folgt der Liste des Bundes (Bundesbeihilfeverordnung, Anlage 9, Stand der Textsammlung März 2022) mit 114 Nummern. Die Liste des Landes NRW lag nicht vor; ihre Beträge können abweichen. Maßgeblich ist, was die eigene Beihilfestelle anerkennt.

Die zwölf Bereiche der Liste sind den zehn Bereichen dieses Verzeichnisses zugeordnet: Stimm-, Sprech- und Sprachtherapie unter VIII. Logopädie; Podologie, Ernährungstherapie und Palliativversorgung unter X. Sonstiges. Die Reihenfolge der Liste bleibt erhalten.

Richtwert: Die bei einer Nummer genannte Zeit ist die übliche Dauer der Behandlung einschließlich Vor- und Nachbereitung. Kürzer behandelt werden darf nur aus medizinischen Gründen.

Die DM-Beträge sind aus den Euro-Beträgen umgerechnet (1 Euro = 1,95583 DM, auf den Pfennig gerundet).

Amtlicher Text: Bundesbeihilfeverordnung, Anlage 9, Abschnitt 1 und 2; www.gesetze-im-internet.de/bbhv/');
INSERT INTO Anmerkungen VALUES ('LV2', 'Erweiterte ambulante Physiotherapie (EAP, Nummer 15)

Voraussetzungen:
- Die Einrichtung ist von den gesetzlichen Krankenkassen oder Berufsgenossenschaften für ambulante Rehabilitation oder EAP zugelassen.
- Es liegt eine der genannten Indikationen vor, unter anderem: Wirbelsäulensyndrome mit erheblichen Beschwerden (etwa nach frischem Bandscheibenvorfall), Operationen am Skelettsystem, Gelenkersatz an Schulter, Knie oder Hüfte, operativ oder konservativ behandelte Gelenkerkrankungen (etwa Kreuzbandriss, Schulterverletzungen, Achillessehnenriss) sowie Amputationen.
- Verordnet hat eine Krankenhausärztin oder ein Krankenhausarzt, eine Fachärztin oder ein Facharzt für Orthopädie, Neurologie oder Chirurgie, für Physikalische und Rehabilitative Medizin oder eine Allgemeinärztin oder ein Allgemeinarzt mit dieser Zusatzbezeichnung.

Umfang: Je Behandlungstag mindestens krankengymnastische Einzeltherapie, physikalische Therapie und medizinisches Aufbautraining (MAT). Lymphdrainage, Massage, Bindegewebsmassage, Isokinetik oder Unterwassermassage am selben Tag sind mit dem Betrag der Nummer 15 abgegolten.

Verlängerung nur mit neuer ärztlicher Verordnung; eine Bescheinigung der Einrichtung genügt nicht. Nach dem Ende sind Therapiedokumentation und Rechnung vorzulegen; die Patientin oder der Patient bestätigt die Leistungen jedes Tages mit Datum.

Amtlicher Text: Bundesbeihilfeverordnung, Anlage 9, Abschnitt 2; www.gesetze-im-internet.de/bbhv/');
INSERT INTO Anmerkungen VALUES ('LV3', 'Hinweise zum Leistungsverzeichnis

Medizinisches Aufbautraining (MAT, Nummer 16): anerkannt bei ärztlicher Verordnung (Krankenhaus, Orthopädie, Neurologie, Chirurgie, Physikalische und Rehabilitative Medizin), ärztlicher Therapieplanung und Ergebniskontrolle und Training unter ärztlicher Aufsicht; höchstens 25 Behandlungen je Kalenderhalbjahr. Rechnet eine Ärztin oder ein Arzt ab, gelten die GOÄ-Nummern 842, 846 und 558 (jeweils analog) und 506 bis zum 2,3fachen Satz, je Sitzung jede nur einmal. Reines Fitness- oder Krafttraining wird nicht anerkannt, auch nicht an denselben Geräten.

Palliativversorgung (Nummer 21): die physiotherapeutische Komplexbehandlung wird gesondert anerkannt, soweit sie nicht schon in der spezialisierten ambulanten Palliativversorgung enthalten ist, bei Bewegungs- und Funktionsstörungen wie Lähmungen, Muskelschwund, Schmerzen oder Störungen von Herz, Lunge oder Beckenboden.

Einzelne Nummern:
- 1 c): Zusätze für die Inhalation werden daneben anerkannt.
- 48 d) und 49 d): Vor- und Nachbereitung, Dokumentation, Bericht und Beratung der Bezugspersonen sind mit dem Betrag abgegolten.
- 38: Bäder mit ortsgebundenen natürlichen Heilwässern erhöhen einige Höchstbeträge (Nummern 36 und 37).
- 70 und 71: Fahrtkosten bei verordnetem Hausbesuch, 0,30 Euro je Kilometer, bei mehreren Besuchen auf einem Weg anteilig.

Amtlicher Text: Bundesbeihilfeverordnung, Anlage 9, Abschnitte 3 und 4; www.gesetze-im-internet.de/bbhv/');
COMMIT;
