#!/usr/bin/env python3
"""Write the sample castle list data/Liste_Chateau.txt from castles.csv.

Usage: make_castle_list.py [output_path]

The output is fixed width (75 columns per castle), CR LF line ends,
Windows-1252, sorted by reference, followed by one revision line.
"""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, "castles.csv")
DEFAULT_OUT = os.path.join(HERE, "..", "..", "data", "Liste_Chateau.txt")

REVISION = "EX-001"
REVISION_DATE = "06/12/2026"

# Province codes (2009 set) grouped by region; also gives the province order
# used when the district numbers were laid out over 1..230.
REGIONS = [
    ("Abruzzo", "AQ CH PE TE"),
    ("Basilicata", "MT PZ"),
    ("Calabria", "CZ CS KR RC VV"),
    ("Campania", "AV BN CE NA SA"),
    ("Emilia-Romagna", "BO FE FC MO PR PC RA RE RN"),
    ("Friuli-Venezia Giulia", "GO PN TS UD"),
    ("Lazio", "FR LT RI RM VT"),
    ("Liguria", "SP GE IM SV"),
    ("Lombardia", "BG BS CO CR LC LO MN MI MB PV SO VA"),
    ("Marche", "AN FM AP MC PU"),
    ("Molise", "CB IS"),
    ("Umbria", "PG TR"),
    ("Piemonte", "VB AL AT BI CN NO TO VC"),
    ("Puglia", "BA BT BR FG LE TA"),
    ("Sardegna", "CA NU OR SS OT OG CI VS"),
    ("Sicilia", "AG CL CT EN ME PA RG SR TP"),
    ("Toscana", "AR FI GR LI LU MS PI PT PO SI"),
    ("Trentino-Alto Adige", "BZ TN"),
    ("Veneto", "BL PD RO TV VE VR VI"),
    ("Valle d'Aosta", "AO"),
]
REGION_OF = {p: r for r, codes in REGIONS for p in codes.split()}

NAME_WIDTH = 60


def locator(lat, lon):
    """4-character Maidenhead square."""
    x = lon + 180.0
    y = lat + 90.0
    return (chr(ord("A") + int(x / 20)) + chr(ord("A") + int(y / 10))
            + str(int((x % 20) / 2)) + str(int(y % 10)))


def read_table(path):
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    castles = []
    serial = {}
    for row in rows:
        prov = row["province"].strip().upper()
        name = row["name"].strip().upper()
        lat = float(row["lat"])
        lon = float(row["lon"])
        district = int(row["district"])
        if prov not in REGION_OF:
            raise ValueError("unknown province %r for %r" % (prov, name))
        if not 1 <= district <= 230:
            raise ValueError("district out of range for %r" % name)
        if len(name) > NAME_WIDTH:
            raise ValueError("name too long: %r" % name)
        name.encode("cp1252")  # must be representable one byte per char
        # Serials follow table order within each province.
        serial[prov] = serial.get(prov, 0) + 1
        if serial[prov] > 999:
            raise ValueError("too many castles in %s" % prov)
        castles.append({
            "ref": "%s%03d" % (prov, serial[prov]),
            "prov": prov,
            "name": name,
            "district": district,
            "loc": locator(lat, lon),
        })
    castles.sort(key=lambda c: c["ref"])
    return castles


def format_line(c):
    return "%-5s %-60s %-3s %-4s" % (c["ref"], c["name"], c["district"], c["loc"])


def revision_line():
    return "***** %-6s %-10s" % (REVISION, REVISION_DATE)


def self_check(castles, lines):
    # Known squares from well-known city coordinates.
    assert locator(41.90, 12.50) == "JN61"   # Rome
    assert locator(45.46, 9.19) == "JN45"    # Milan
    assert locator(38.12, 13.36) == "JM68"   # Palermo
    refs = [c["ref"] for c in castles]
    assert len(refs) == len(set(refs)), "duplicate references"
    for line in lines[:-1]:
        assert len(line) == 75, "bad castle line length: %r" % line
    assert lines[-1] == "***** EX-001 06/12/2026", lines[-1]
    per_region = {}
    for c in castles:
        region = REGION_OF[c["prov"]]
        per_region[region] = per_region.get(region, 0) + 1
    missing = [r for r, _ in REGIONS if per_region.get(r, 0) < 3]
    assert not missing, "regions with fewer than 3 castles: %s" % missing
    lombardy = set(REGIONS[8][1].split()) - {"MB"}
    assert sum(1 for c in castles if c["prov"] in lombardy) >= 10
    assert sum(1 for c in castles if c["prov"] == "CN") >= 10
    assert len(castles) >= 160
    return per_region


def main(argv):
    out = argv[1] if len(argv) > 1 else DEFAULT_OUT
    castles = read_table(TABLE)
    lines = [format_line(c) for c in castles] + [revision_line()]
    per_region = self_check(castles, lines)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with open(out, "wb") as f:
        f.write(data)
    print("%d castles written to %s" % (len(castles), os.path.normpath(out)))
    for region, _ in REGIONS:
        print("  %-22s %3d" % (region, per_region.get(region, 0)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
