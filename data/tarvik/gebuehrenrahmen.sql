-- Point values, fee ranges and thresholds of the doctors' (GOÄ) and the
-- dentists' (GOZ) fee laws, and the paragraphs they stand in. Written by hand.
--
-- A fee is points x point value x factor, rounded to the cent once, after the
-- factor. The factor lies between 1 and the range's highest factor; above the
-- threshold the invoice must give a written reason. Items billed only at the
-- simple rate (key "e") have 1 as both. The healing practitioners' list has
-- no factors: its amounts are maxima, so it has no rows here.
BEGIN;
INSERT INTO "Gebührenordnungen" VALUES ('Ä', 'GOÄ', 0.0582873, '§ 5 Abs. 1 GOÄ', '§ 5 Abs. 1 GOÄ', '§ 12 Abs. 3 GOÄ');
INSERT INTO "Gebührenordnungen" VALUES ('Z', 'GOZ', 0.0562421, '§ 5 Abs. 1 GOZ', '§ 5 Abs. 1 GOZ', '§ 10 Abs. 3 GOZ');
INSERT INTO "Gebührenordnungen" VALUES ('Y', 'GebüH', 0.0582873, NULL, NULL, NULL);
-- Ordinary range 1,0 to 3,5, threshold 2,3.
INSERT INTO "Gebührenrahmen" VALUES ('Ä', 'b', 2.3, 3.5, '§ 5 Abs. 1 GOÄ');
-- Reduced range (sections A, E, O and the listed technical items): 1,0 to 2,5, threshold 1,8.
INSERT INTO "Gebührenrahmen" VALUES ('Ä', 'l', 1.8, 2.5, '§ 5 Abs. 3 GOÄ');
-- Laboratory (section M and item 437): 1,0 to 1,3, threshold 1,15.
INSERT INTO "Gebührenrahmen" VALUES ('Ä', 'm', 1.15, 1.3, '§ 5 Abs. 4 GOÄ');
-- Items whose note or section provisions allow only the simple rate.
INSERT INTO "Gebührenrahmen" VALUES ('Ä', 'e', 1.0, 1.0, 'Bestimmungen zur Nummer');
INSERT INTO "Gebührenrahmen" VALUES ('Z', 'b', 2.3, 3.5, '§ 5 Abs. 1 GOZ');
INSERT INTO "Gebührenrahmen" VALUES ('Z', 'e', 1.0, 1.0, 'Bestimmungen zur Nummer');
COMMIT;
