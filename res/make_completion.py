#!/usr/bin/env python3
"""Writes the completion window's variable lists, completion_en.txt and
completion_fr.txt (Windows-1252, CRLF lines), beside this script.

One tab per item group, each item's variable with its column title from the
text table (and the date and time parts of the date variables), plus the
variables the expression computes at evaluation time, grouped by hand below.
Run it again after a change to files/Items.def or to the column titles.
Format: ":Group" starts a tab; "variable;description" is a row.
"""
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Group names: text ids of the item groups 1 to 11 (group 0, always shown,
# joins Base).
GROUP_TEXTS = {1: 268, 2: 266, 3: 272, 4: 267, 5: 276, 6: 277, 7: 273,
               8: 271, 9: 274, 10: 269, 11: 270}

# The date variables read through the date path have date and time parts.
DATE_PARTS = {"%dc", "%da", "%dm", "%VDd", "%Xdt", "%Xdo", "%Xdd", "%Ydc",
              "%Ydr", "%Op", "%On", "%Ob"}

# Variables that are not items: (tab, variable, English, French). Tab 1 puts
# the row in Base, after its items; the others are tabs of their own.
COMPUTED = [
    (1, "%fa", "Absolute name", "Nom absolu"),
    (1, "%fc", "Current name with its relative path", "Nom courant avec son chemin relatif"),
    (1, "%b", "Base name (without extension)", "Nom de base (sans extension)"),
    (1, "%e", "Extension", "Extension"),
    (1, "%bd", "Base of the DOS name", "Base du nom DOS"),
    (1, "%ed", "Extension of the DOS name", "Extension du nom DOS"),
    (1, "%sb", "Size in bytes", "Taille en octets"),
    (1, "%sk", "Size in kilobytes", "Taille en kilo-octets"),
    (1, "%sm", "Size in megabytes", "Taille en m\u00e9ga-octets"),
    (1, "%sg", "Size in gigabytes", "Taille en giga-octets"),
    (1, "%p", "Parent directory (%p2: its parent...)", "R\u00e9pertoire parent (%p2 : son parent...)"),
    (1, "%pa", "Absolute directory of the file", "R\u00e9pertoire absolu du fichier"),
    (1, "%pr", "Relative directory of the file", "R\u00e9pertoire relatif du fichier"),
    (1, "%P", "Program's current directory", "R\u00e9pertoire courant du programme"),
    ("num", "%n", "Selection number {size,start,step}", "Num\u00e9ro de s\u00e9lection {taille,d\u00e9but,pas}"),
    ("num", "%np", "Number within the directory", "Num\u00e9ro dans le r\u00e9pertoire"),
    ("num", "%nc", "Collision number", "Num\u00e9ro de collision"),
    ("num", "%ncs", "Collision suffix (\"_\" and number, none for the first)",
     "Suffixe de collision (\"_\" et num\u00e9ro, aucun pour le premier)"),
    ("num", "%ncf", "Collision number, path not compared", "Num\u00e9ro de collision, chemin non compar\u00e9"),
    ("num", "%ncfs", "Collision suffix, path not compared", "Suffixe de collision, chemin non compar\u00e9"),
    ("num", "%ns", "Count of selected files", "Nombre de fichiers s\u00e9lectionn\u00e9s"),
    ("num", "%N", "Number taken from the base name {size,value,position}",
     "Nombre extrait du nom de base {taille,valeur,position}"),
    ("num", "%NN", "Non-numeric run taken from the base name", "Partie non num\u00e9rique extraite du nom de base"),
    ("num", "%R", "Random number of four digits", "Nombre al\u00e9atoire de quatre chiffres"),
    ("other", "%D", "Date and time of the computation", "Date et heure du calcul"),
    ("other", "%Dd", "Date of the computation", "Date du calcul"),
    ("other", "%Dt", "Time of the computation", "Heure du calcul"),
    ("other", "%C", "Clipboard line (%C2: second line...)", "Ligne du presse-papiers (%C2 : deuxi\u00e8me ligne...)"),
    ("other", "%T", "Line of a text file {\"file\"}", "Ligne d'un fichier texte {\"fichier\"}"),
]
EXTRA_TABS = [("num", "Numbers", "Num\u00e9ros"), ("other", "Other", "Autres")]


def c_strings(text):
    """The concatenated C string literals at the start of text, decoded as
    Windows-1252, and the rest of the text."""
    out = b""
    pos = 0
    while True:
        m = re.match(r'\s*"((?:[^"\\]|\\.)*)"', text[pos:])
        if not m:
            return out.decode("cp1252"), text[pos:]
        body = m.group(1)
        out += re.sub(rb"\\x([0-9a-fA-F]{2})", lambda h: bytes([int(h.group(1), 16)]),
                      re.sub(rb'\\(["\\])', rb"\1", body.encode("latin-1")))
        pos += m.end()


def texts():
    table = {}
    with open(os.path.join(ROOT, "config", "CTextes.cpp"), encoding="latin-1") as f:
        for line in f:
            m = re.match(r"\s*\{(\d+),\s*(.*)", line)
            if not m:
                continue
            en, rest = c_strings(m.group(2))
            rest = rest.lstrip(", ")
            fr = en if rest.startswith("nullptr") else c_strings(rest)[0]
            table[int(m.group(1))] = (en, fr)
    return table


def items():
    with open(os.path.join(ROOT, "files", "Items.def"), encoding="latin-1") as f:
        for m in re.finditer(r'^VELTO_ITEM\((\d+), (\d+), \w+, \w+, "([^"]+)", (\d+),', f.read(), re.M):
            yield int(m.group(2)), m.group(3), int(m.group(4))


def main():
    t = texts()
    for lang, suffix, date_part, time_part in ((0, "en", "date part", "time part"),
                                               (1, "fr", "partie date", "partie heure")):
        tabs = {g: (t[i][lang], []) for g, i in GROUP_TEXTS.items()}
        for key, en, fr in EXTRA_TABS:
            tabs[key] = ((en, fr)[lang], [])
        for group, var, title in items():
            if group == 0 and var == "%n":
                continue  # listed with the other numbers
            rows = tabs[max(group, 1)][1]
            rows.append((var, t[title][lang]))
            if var in DATE_PARTS:
                rows.append((var + "d", "%s (%s)" % (t[title][lang], date_part)))
                rows.append((var + "t", "%s (%s)" % (t[title][lang], time_part)))
        for tab, var, en, fr in COMPUTED:
            tabs[tab][1].append((var, (en, fr)[lang]))
        order = [1, "num", "other"] + list(range(2, 12))
        lines = []
        for key in order:
            name, rows = tabs[key]
            lines.append(":" + name)
            lines.extend("%s;%s" % row for row in rows)
        with open(os.path.join(ROOT, "res", "completion_%s.txt" % suffix), "wb") as f:
            f.write("\r\n".join(lines).encode("cp1252") + b"\r\n")


if __name__ == "__main__":
    main()
