#!/usr/bin/env python3
"""Writes the sample library (Library/: one entry file and one wordmark logo per entry) and the
sample page PnwFiles/Beispiel.pnw, which shows these entries in three columns under a header
line of the sample forms and a banner line, over a footer line and a background.

The logos are plain wordmarks drawn here (the site's name in a DejaVu face on a plain plate),
not copies of anybody's logo. Deterministic; needs Python 3 with Pillow and the DejaVu fonts
(Debian: python3-pil, fonts-dejavu-core). Run from anywhere:  python3 data/tools/draw_library.py
"""

from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

DATA = Path(__file__).resolve().parent.parent
LIBRARY = DATA / "Library"
PAGES = DATA / "PnwFiles"
FONTS = Path("/usr/share/fonts/truetype/dejavu")
SS = 4
SIZE = (200, 50)

# (display name, address, info text, face, text colour, plate colour), column by column.
COLUMNS = [
    [("Tagesschau", "https://www.tagesschau.de/", "Nachrichten der ARD", "DejaVuSans-Bold.ttf", "#ffffff", "#0d2b5e"),
     ("heise online", "https://www.heise.de/", "Nachrichten aus der IT-Welt", "DejaVuSans-Bold.ttf", "#1a1a1a", "#ffffff"),
     ("Deutschlandfunk", "https://www.deutschlandfunk.de/", "Radio und Nachrichten", "DejaVuSans.ttf", "#10325f", "#eef3f9")],
    [("Wikipedia", "https://de.wikipedia.org/", "Wikipedia - die freie Enzyklopädie", "DejaVuSerif.ttf", "#111111", "#ffffff"),
     ("Duden", "https://www.duden.de/", "Rechtschreibung nachschlagen", "DejaVuSans-Bold.ttf", "#111111", "#ffd34d"),
     ("Internet Archive", "https://archive.org/", "Bücher, Filme und alte Web-Seiten", "DejaVuSerif-Bold.ttf", "#ffffff", "#2b2b2b")],
    [("Deutsche Bahn", "https://www.bahn.de/", "Fahrplan und Fahrkarten", "DejaVuSans-Bold.ttf", "#d21f1f", "#ffffff"),
     ("OpenStreetMap", "https://www.openstreetmap.org/", "OpenStreetMap - die freie Weltkarte", "DejaVuSans-Bold.ttf", "#2e6b2e", "#f1f6ea")],
]
FORMS = ["Wikipedia", "DuckDuckGo", "OpenStreetMap"]
BANNERS = ["Wikipedia", "OpenStreetMap"]
FOOTER = ["Wetter"]


def stem(name):
    """The entry's file stem as the programs make it (names here hold no umlauts or punctuation)."""
    return name.replace(" ", "_").lower()


def wordmark(name, face, ink, plate):
    w, h = SIZE[0] * SS, SIZE[1] * SS
    img = Image.new("RGB", (w, h), plate)
    draw = ImageDraw.Draw(img)
    px = 26 * SS
    font = ImageFont.truetype(str(FONTS / face), px)
    while draw.textlength(name, font=font) > w - 20 * SS:
        px -= SS
        font = ImageFont.truetype(str(FONTS / face), px)
    draw.text((w / 2, h / 2), name, font=font, fill=ink, anchor="mm")
    draw.rectangle([0, 0, w - 1, h - 1], outline="#c8ccd2", width=SS)
    return img.resize(SIZE, Image.LANCZOS)


def ini(sections):
    """INI text as the programs write it: Windows-1252, CR LF."""
    lines = []
    for section, keys in sections:
        lines.append(f"[{section}]")
        lines += [f"{key}={value}" for key, value in keys]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def listing(names):
    return [("Count", len(names))] + [(f"Entry{i}", n) for i, n in enumerate(names, 1)]


def main():
    LIBRARY.mkdir(exist_ok=True)
    PAGES.mkdir(exist_ok=True)
    page = [("Main", [("Columns", 3), ("BackFile", "_back03.gif"), ("UseBack", 1),
                      ("WallFile", "_wall03.gif"), ("UseWall", 1)]),
            ("DirectSearch", listing(FORMS)), ("Banner", listing(BANNERS)), ("Footer", listing(FOOTER))]
    entries = []
    for k, column in enumerate(COLUMNS, 1):
        page.append((f"Spalte{k}", [("Count", len(column))] + [(f"Eintrag{j}", e[0]) for j, e in enumerate(column, 1)]))
        for name, link, info, face, ink, plate in column:
            s = stem(name)
            wordmark(name, face, ink, plate).save(LIBRARY / f"{s}.jpg", quality=92)
            (LIBRARY / f"{s}.web").write_bytes(ini([("PinCard", [("Entry", name), ("Link", link),
                                                                  ("Image", f"{s}.jpg"), ("Info", info)])]))
            entries.append((name, [("Link", link), ("Info", info), ("Image", f"{s}.jpg")]))
    (PAGES / "Beispiel.pnw").write_bytes(ini(page + entries))
    print(f"library and sample page written to {DATA}")


if __name__ == "__main__":
    main()
