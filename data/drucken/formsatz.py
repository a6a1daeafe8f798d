#!/usr/bin/env python3
"""Compiles the form sources (*.form, with shared *.teil parts) into the SQL
that fills the tables Antragsdruck (DM edition) and AntragsdruckEuro.

Usage: formsatz.py OUT.sql SOURCE.form...

One statement per line; words are separated by blanks, texts stand in double
quotes. Coordinates are millimetres of the layout (x = 0 is 10 mm right of the
paper edge). "{a|b}" in a text or field content takes a in the DM edition and
b in the Euro edition; "{W}" is short for {DM|EUR}, "{S}" for {DM|€}.

  form NAME                       the layout's name (first statement of a .form)
  teil FILE                       takes over the statements of a shared part
  y N                             block origin (column BeginnY) of what follows
  band x y w h "Heading"          grey band (kind 0) with a bold 9 pt heading
  grau x y w h                    grey area
  rahmen x y w h                  frame (kind 4)
  linie x y w h                   line from (x, y) to (x + w, y + h)
  text x y "Text" [pt] [N|B]      printed text (kind 1), 7 pt normal unless told
  rtext x y w "Text" [pt] [N|B]   right-aligned to x + w (kind 2)
  ctext x y w h "Text" [pt] [N|B] centred in the box (kind 3)
  feld x y w "Inhalt" [pt] [N|B]  answer from fields (kind 11), 10 pt normal;
                                  w is the room the answer has
  rfeld x y w "Inhalt" ...        right-aligned answer (kind 12)
  cfeld x y w h "Inhalt" ...      centred answer (kind 13)
  nfeld, nrfeld, ncfeld           the same, printed only when changed or on
                                  the complete form (kinds 21, 22, 23)
  kreuz x y "Feld" ["Text"]       4 mm check box, crossed when the field is 1,
                                  with a 7 pt text to its right (kinds 4, 14, 1)
  nullkreuz ...                   crossed when the field is 0 (kind 16)
  nkreuz, nnullkreuz              only when changed (kinds 24, 26)
  zelle x y w h "Label" "Inhalt" [pt]   framed cell: small label on top, answer
  nzelle ...                      below (answer of kind 21)
  liste x y w "Attribut" [pitch] [L|R|C] [pt]   one line per receipt
                                  (kinds 41, 42, 43); pitch 6 mm unless told
"""
import os
import re
import shlex
import sys


class Fehler(Exception):
    pass


def ausgabe(text, euro):
    def wahl(m):
        inner = m.group(1)
        if inner == 'W':
            return 'EUR' if euro else 'DM'
        if inner == 'S':
            return '€' if euro else 'DM'
        teile = inner.split('|')
        if len(teile) != 2:
            raise Fehler('"{%s}" needs two alternatives' % inner)
        return teile[1] if euro else teile[0]
    return re.sub(r'\{([^{}]*)\}', wahl, text)


def zahl(s, wo):
    try:
        return float(s.replace(',', '.'))
    except ValueError:
        raise Fehler('%s: "%s" is not a number' % (wo, s))


class Satz:
    def __init__(self):
        self.name = None
        self.zeilen = []  # (Art, x, y, BeginnY, Hoehe, Breite, Inhalt, pt, typ)
        self.beginn = 0.0

    def zeile(self, art, x, y, h=0.0, b=0.0, inhalt='', pt=7.0, typ='N'):
        self.zeilen.append((art, x, y, self.beginn, h, b, inhalt, pt, typ))


def schrift(rest, pt, typ, wo):
    if rest:
        pt = zahl(rest[0], wo)
    if len(rest) > 1:
        typ = 'N' if rest[1] == 'N' else 'B'
    if len(rest) > 2:
        raise Fehler('%s: too many words' % wo)
    return pt, typ


def lesen(pfad, satz, tiefe=0):
    if tiefe > 8:
        raise Fehler('%s: parts nested too deep' % pfad)
    ordner = os.path.dirname(pfad)
    with open(pfad, encoding='utf-8') as f:
        for nr, roh in enumerate(f, 1):
            wo = '%s:%d' % (os.path.basename(pfad), nr)
            zeile = roh.strip()
            if not zeile or zeile.startswith('#'):
                continue
            try:
                w = shlex.split(zeile, comments=True)
            except ValueError as e:
                raise Fehler('%s: %s' % (wo, e))
            if not w:
                continue
            k, a = w[0], w[1:]

            def n(i):
                if i >= len(a):
                    raise Fehler('%s: "%s" needs more words' % (wo, k))
                return zahl(a[i], wo)

            def s(i):
                if i >= len(a):
                    raise Fehler('%s: "%s" needs more words' % (wo, k))
                return a[i]

            if k == 'form':
                if tiefe == 0:
                    if satz.name:
                        raise Fehler('%s: second form name' % wo)
                    satz.name = s(0)
            elif k == 'teil':
                lesen(os.path.join(ordner, s(0)), satz, tiefe + 1)
            elif k == 'y':
                satz.beginn = n(0)
            elif k == 'band':
                x, y, b, h = n(0), n(1), n(2), n(3)
                satz.zeile(0, x, y, h, b)
                satz.zeile(1, x + 1.5, y + (h - 3.6) / 2, 0, 0, s(4), 9, 'B')
            elif k == 'grau':
                satz.zeile(0, n(0), n(1), n(3), n(2))
            elif k == 'rahmen':
                satz.zeile(4, n(0), n(1), n(3), n(2))
            elif k == 'linie':
                satz.zeile(4, n(0), n(1), n(3), n(2))
            elif k == 'text':
                pt, typ = schrift(a[3:], 7, 'N', wo)
                satz.zeile(1, n(0), n(1), 0, 0, s(2), pt, typ)
            elif k == 'rtext':
                pt, typ = schrift(a[4:], 7, 'N', wo)
                satz.zeile(2, n(0), n(1), 0, n(2), s(3), pt, typ)
            elif k == 'ctext':
                pt, typ = schrift(a[5:], 7, 'N', wo)
                satz.zeile(3, n(0), n(1), n(3), n(2), s(4), pt, typ)
            elif k in ('feld', 'nfeld', 'rfeld', 'nrfeld'):
                art = {'feld': 11, 'nfeld': 21, 'rfeld': 12, 'nrfeld': 22}[k]
                pt, typ = schrift(a[4:], 10, 'N', wo)
                satz.zeile(art, n(0), n(1), 0, n(2), s(3), pt, typ)
            elif k in ('cfeld', 'ncfeld'):
                pt, typ = schrift(a[5:], 10, 'N', wo)
                satz.zeile(13 if k == 'cfeld' else 23, n(0), n(1), n(3), n(2), s(4), pt, typ)
            elif k in ('kreuz', 'nullkreuz', 'nkreuz', 'nnullkreuz'):
                art = {'kreuz': 14, 'nullkreuz': 16, 'nkreuz': 24, 'nnullkreuz': 26}[k]
                x, y = n(0), n(1)
                satz.zeile(4, x, y, 4, 4)
                satz.zeile(art, x + 0.6, y + 0.6, 2.8, 2.8, s(2), 10, 'N')
                if len(a) > 3:
                    satz.zeile(1, x + 5.5, y + 0.7, 0, 0, a[3], 7, 'N')
                if len(a) > 4:
                    raise Fehler('%s: too many words' % wo)
            elif k in ('zelle', 'nzelle'):
                x, y, b, h = n(0), n(1), n(2), n(3)
                pt, typ = schrift(a[6:], 10, 'N', wo)
                satz.zeile(4, x, y, h, b)
                if s(4):
                    satz.zeile(1, x + 1, y + 0.5, 0, 0, s(4), 6, 'N')
                satz.zeile(11 if k == 'zelle' else 21, x + 1, y + h - 4.6, 0, b - 2, s(5), pt, typ)
            elif k == 'liste':
                x, y, b = n(0), n(1), n(2)
                attr = s(3)
                pitch = zahl(a[4], wo) if len(a) > 4 else 6.0
                richtung = a[5] if len(a) > 5 else 'L'
                if richtung not in ('L', 'R', 'C'):
                    raise Fehler('%s: alignment must be L, R or C' % wo)
                pt = zahl(a[6], wo) if len(a) > 6 else 9.0
                satz.zeile({'L': 41, 'R': 42, 'C': 43}[richtung], x, y, pitch, b, attr, pt, 'N')
            else:
                raise Fehler('%s: unknown statement "%s"' % (wo, k))


def sql(wert):
    if isinstance(wert, str):
        return "'" + wert.replace("'", "''") + "'"
    if isinstance(wert, float):
        return repr(round(wert, 3))
    return str(wert)


def main(argv):
    if len(argv) < 3:
        print('usage: formsatz.py OUT.sql SOURCE.form...', file=sys.stderr)
        return 2
    ziel, quellen = argv[1], argv[2:]
    namen = {}
    zeilen = ['-- Generated from the form sources in data/drucken; do not edit.', 'BEGIN;']
    try:
        for q in sorted(quellen):
            satz = Satz()
            lesen(q, satz)
            if not satz.name:
                raise Fehler('%s: no "form" statement' % q)
            if len(satz.name) > 15:
                raise Fehler('%s: layout name "%s" longer than 15 characters' % (q, satz.name))
            if satz.name in namen:
                raise Fehler('%s: layout "%s" already comes from %s' % (q, satz.name, namen[satz.name]))
            namen[satz.name] = q
            for tabelle, euro in (('Antragsdruck', False), ('AntragsdruckEuro', True)):
                for (art, x, y, beginn, h, b, inhalt, pt, typ) in satz.zeilen:
                    werte = [satz.name, art, float(x), float(y), float(beginn), float(h), float(b),
                             ausgabe(inhalt, euro), float(pt), typ]
                    zeilen.append('INSERT INTO %s VALUES (%s);' % (tabelle, ', '.join(sql(v) for v in werte)))
    except (Fehler, OSError) as e:
        print('formsatz: %s' % e, file=sys.stderr)
        return 1
    zeilen.append('COMMIT;')
    tmp = ziel + '.tmp'
    with open(tmp, 'w', encoding='utf-8') as f:
        f.write('\n'.join(zeilen) + '\n')
    os.replace(tmp, ziel)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
