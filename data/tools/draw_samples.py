#!/usr/bin/env python3
"""Draws the sample pictures of the program folder: page backgrounds and header
wallpapers (Back/), the pictures of the header forms (Forms/) and the banners (Banner/).

Deterministic: fixed seeds, no time or system randomness, so a second run writes the
same files. Needs Python 3 with Pillow and the DejaVu fonts (Debian: python3-pil,
fonts-dejavu-core). Run from anywhere:  python3 data/tools/draw_samples.py
The form files (*.form) and Banner/Banners.txt are plain text kept by hand.
"""

import math
import random
import shutil
import subprocess
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

DATA = Path(__file__).resolve().parent.parent
BACK = DATA / "Back"
FORMS = DATA / "Forms"
BANNER = DATA / "Banner"

SS = 4  # supersampling factor for shapes and text


# ---------------------------------------------------------------- helpers

def find_font(pattern, file_name):
    """Path of a DejaVu face: fontconfig first, then the usual Debian place."""
    if shutil.which("fc-match"):
        out = subprocess.run(["fc-match", "-f", "%{file}", pattern],
                             capture_output=True, text=True).stdout.strip()
        if Path(out).name == file_name:
            return out
    for folder in ("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu",
                   "/usr/local/share/fonts"):
        candidate = Path(folder) / file_name
        if candidate.exists():
            return str(candidate)
    sys.exit(f"font {file_name} not found: install the DejaVu fonts (fonts-dejavu-core)")


SANS = find_font("DejaVu Sans:style=Book", "DejaVuSans.ttf")
SANS_BOLD = find_font("DejaVu Sans:style=Bold", "DejaVuSans-Bold.ttf")
SERIF_BOLD = find_font("DejaVu Serif:style=Bold", "DejaVuSerif-Bold.ttf")


def font(path, px):
    return ImageFont.truetype(path, px)


def hexrgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def clamp8(v):
    return max(0, min(255, int(round(v))))


def wrapped_noise(w, h, cells_x, cells_y, rng):
    """Smooth value noise in -1..1 that tiles seamlessly (grid wraps around)."""
    grid = [[rng.uniform(-1.0, 1.0) for _ in range(cells_x)] for _ in range(cells_y)]

    def smooth(t):
        return t * t * (3 - 2 * t)

    out = []
    for y in range(h):
        gy = y * cells_y / h
        y0 = int(gy) % cells_y
        y1 = (y0 + 1) % cells_y
        ty = smooth(gy - int(gy))
        row = []
        for x in range(w):
            gx = x * cells_x / w
            x0 = int(gx) % cells_x
            x1 = (x0 + 1) % cells_x
            tx = smooth(gx - int(gx))
            top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
            bot = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
            row.append(top + (bot - top) * ty)
        out.append(row)
    return out


def from_function(w, h, fn):
    img = Image.new("RGB", (w, h))
    img.putdata([fn(x, y) for y in range(h) for x in range(w)])
    return img


def save_gif(img, path, transparent_below=None):
    """Writes an RGB (or RGBA, with a cut-out transparency) picture as GIF.
    Pictures with up to 256 colours keep them exactly; others get an adaptive palette."""
    alpha = None
    if img.mode == "RGBA":
        alpha = img.getchannel("A")
        img = img.convert("RGB")
    colours = 255 if alpha is not None else 256
    q = img.quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                     dither=Image.Dither.NONE)
    if alpha is not None:
        palette = q.getpalette()[:255 * 3]
        palette += [0] * (255 * 3 - len(palette)) + [255, 0, 255]
        q.putpalette(palette)
        px, pa = q.load(), alpha.load()
        for y in range(q.height):
            for x in range(q.width):
                if pa[x, y] < transparent_below:
                    px[x, y] = 255
        q.info["transparency"] = 255
        q.save(path, format="GIF", optimize=False, transparency=255)
    else:
        q.save(path, format="GIF", optimize=True)
    print(f"{path.relative_to(DATA)}: {q.width}x{q.height}, {path.stat().st_size} bytes")


def vertical_gradient(w, h, stops):
    """stops: list of (position 0..1, '#rrggbb')."""
    cols = [(p, hexrgb(c)) for p, c in stops]
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        for (p0, c0), (p1, c1) in zip(cols, cols[1:]):
            if p0 <= t <= p1:
                d.line([(0, y), (w, y)], fill=mix(c0, c1, (t - p0) / max(1e-9, p1 - p0)))
                break
    return img


# ---------------------------------------------------------------- page backgrounds

def back01_paper():
    """Warm paper: cream with soft mottling, grain and a few faint fibres."""
    w = h = 128
    rng = random.Random(101)
    low = wrapped_noise(w, h, 4, 4, rng)
    mid = wrapped_noise(w, h, 16, 16, rng)
    base = hexrgb("#f5f0e4")
    img = from_function(w, h, lambda x, y: tuple(
        clamp8(c + 3.0 * low[y][x] + 1.6 * mid[y][x]) for c in base))
    # fibres: short, slightly darker strokes that wrap around the tile edges
    fib = Image.new("L", (w * 3, h * 3), 0)
    d = ImageDraw.Draw(fib)
    for _ in range(14):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        a, n = rng.uniform(0, math.pi), rng.uniform(6, 16)
        shade = rng.choice((30, 40, 50))
        for ox in (0, w, 2 * w):
            for oy in (0, h, 2 * h):
                d.line([(x + ox, y + oy), (x + ox + n * math.cos(a), y + oy + n * math.sin(a))],
                       fill=shade, width=1)
    fib = fib.crop((w, h, 2 * w, 2 * h)).filter(ImageFilter.GaussianBlur(0.4))
    dark = Image.new("RGB", (w, h), hexrgb("#d9cfb8"))
    img = Image.composite(dark, img, fib)
    return img


def back02_stripes():
    """Soft vertical gradient stripes in pale blue-grey."""
    w, h = 64, 4
    a, b = hexrgb("#f2f5f8"), hexrgb("#e7ecf1")
    return from_function(w, h, lambda x, y: mix(a, b, 0.5 - 0.5 * math.cos(2 * math.pi * x / w)))


def back03_mist():
    """Default background: a very light, cool paper with quiet clouds and fine grain."""
    w = h = 128
    rng = random.Random(303)
    low = wrapped_noise(w, h, 3, 3, rng)
    mid = wrapped_noise(w, h, 12, 12, rng)
    base = hexrgb("#eef1f5")
    tint = (0.0, 0.3, 0.9)  # the clouds lean a little towards blue
    return from_function(w, h, lambda x, y: tuple(
        clamp8(base[i] + (2.5 + tint[i]) * low[y][x] + 1.2 * mid[y][x]) for i in range(3)))


def back04_grid():
    """Fine graph-paper grid: faint lines every 8 pixels, a stronger one every 40."""
    w = h = 40
    paper, minor, major = hexrgb("#f8f9f6"), hexrgb("#ebeff0"), hexrgb("#dce5ea")

    def px(x, y):
        if x == 0 or y == 0:
            return major
        if x % 8 == 0 or y % 8 == 0:
            return minor
        return paper
    return from_function(w, h, px)


# ---------------------------------------------------------------- header wallpapers

def wall01_pinstripe():
    """Pale sky blue with fine 45-degree pinstripes."""
    n = 8
    big = Image.new("RGB", (n * SS * 3, n * SS * 3), hexrgb("#e4edf7"))
    d = ImageDraw.Draw(big)
    span = n * SS * 3
    for k in range(-span, 2 * span, n * SS):
        d.line([(k, span), (k + span, 0)], fill=hexrgb("#d3e1f0"), width=int(1.6 * SS))
    big = big.resize((n * 3, n * 3), Image.LANCZOS)
    return big.crop((n, n, 2 * n, 2 * n))


def wall02_linen():
    """Warm sand linen: thread-wise variation in both directions."""
    w = h = 64
    rng = random.Random(202)
    rows = [rng.uniform(-1, 1) for _ in range(h)]
    cols = [rng.uniform(-1, 1) for _ in range(w)]
    low = wrapped_noise(w, h, 4, 2, rng)
    base = hexrgb("#efe7d6")

    def px(x, y):
        # the weave: threads across on even cells, along on odd cells
        weave = rows[y] if (x // 2 + y // 2) % 2 == 0 else cols[x]
        v = 3.2 * weave + 2.0 * low[y][x]
        return tuple(clamp8(c + v) for c in base)
    return from_function(w, h, px)


def wall03_bands():
    """Default wallpaper: soft light-blue bands, a gentle ribbed header band."""
    w, h = 8, 12
    a, b = hexrgb("#e9f0f8"), hexrgb("#dbe6f2")
    return from_function(w, h, lambda x, y: mix(a, b, 0.5 - 0.5 * math.cos(2 * math.pi * y / h)))


def wall04_dots():
    """Pale sage green with small soft dots on a staggered grid."""
    n = 16
    big = Image.new("RGB", (n * SS, n * SS), hexrgb("#e7f0e8"))
    d = ImageDraw.Draw(big)
    r = 1.6 * SS
    for cx, cy in ((4, 4), (12, 12)):
        for ox in (-n, 0, n):
            for oy in (-n, 0, n):
                x, y = (cx + ox) * SS, (cy + oy) * SS
                d.ellipse([x - r, y - r, x + r, y + r], fill=hexrgb("#d2e3d5"))
    return big.resize((n, n), Image.LANCZOS)


# ---------------------------------------------------------------- emblems

def rounded_tile(size, radius, top, bottom):
    """RGBA square with rounded corners and a vertical gradient, at SS scale."""
    s = size * SS
    grad = vertical_gradient(s, s, [(0, top), (1, bottom)]).convert("RGBA")
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, s - 1, s - 1], radius * SS, fill=255)
    grad.putalpha(mask)
    return grad


def glyph_book(d, s, bg):
    w = (255, 255, 255)
    m = s / 2
    top, bot = s * 0.30, s * 0.74
    d.polygon([(s * 0.16, top - s * 0.04), (m - s * 0.02, top + s * 0.02),
               (m - s * 0.02, bot + s * 0.04), (s * 0.16, bot - s * 0.02)], fill=w)
    d.polygon([(s * 0.84, top - s * 0.04), (m + s * 0.02, top + s * 0.02),
               (m + s * 0.02, bot + s * 0.04), (s * 0.84, bot - s * 0.02)], fill=w)
    for i in range(4):  # lines of text on both pages
        y = top + s * 0.08 + i * s * 0.085
        d.line([(s * 0.23, y), (m - s * 0.09, y + s * 0.02)], fill=bg, width=max(1, int(s * 0.025)))
        d.line([(m + s * 0.09, y + s * 0.02), (s * 0.77, y)], fill=bg, width=max(1, int(s * 0.025)))


def glyph_magnifier(d, s, bg):
    w = (255, 255, 255)
    cx, cy, r = s * 0.44, s * 0.43, s * 0.22
    t = s * 0.075
    d.ellipse([cx - r, cy - r, cx + r, cy + r], outline=w, width=int(t))
    a = math.radians(45)
    x0, y0 = cx + (r - t * 0.3) * math.cos(a), cy + (r - t * 0.3) * math.sin(a)
    x1, y1 = s * 0.80, s * 0.79
    d.line([(x0, y0), (x1, y1)], fill=w, width=int(t * 1.5))
    d.ellipse([x1 - t * 0.75, y1 - t * 0.75, x1 + t * 0.75, y1 + t * 0.75], fill=w)


def glyph_pin(d, s, bg):
    w = (255, 255, 255)
    # a folded map behind the pin
    fold = mix(bg, w, 0.45)
    xs = [s * 0.14, s * 0.38, s * 0.62, s * 0.86]
    ys_top = [s * 0.60, s * 0.54, s * 0.60, s * 0.54]
    for i in range(3):
        d.polygon([(xs[i], ys_top[i]), (xs[i + 1], ys_top[i + 1]),
                   (xs[i + 1], ys_top[i + 1] + s * 0.26), (xs[i], ys_top[i] + s * 0.26)],
                  fill=fold if i % 2 == 0 else mix(bg, w, 0.3))
    cx, cy, r = s * 0.5, s * 0.36, s * 0.19
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=w)
    d.polygon([(cx - r * 0.86, cy + r * 0.5), (cx + r * 0.86, cy + r * 0.5), (cx, s * 0.80)], fill=w)
    ri = r * 0.42
    d.ellipse([cx - ri, cy - ri, cx + ri, cy + ri], fill=bg)


def glyph_letters(d, s, bg):
    f = font(SERIF_BOLD, int(s * 0.50))
    d.text((s * 0.5, s * 0.53), "Aa", font=f, fill=(255, 255, 255), anchor="mm")


def glyph_weather(d, s, bg):
    sun = hexrgb("#ffd15c")
    cx, cy, r = s * 0.60, s * 0.38, s * 0.15
    for k in range(8):
        a = k * math.pi / 4
        d.line([(cx + r * 1.35 * math.cos(a), cy + r * 1.35 * math.sin(a)),
                (cx + r * 1.85 * math.cos(a), cy + r * 1.85 * math.sin(a))],
               fill=sun, width=int(s * 0.045))
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=sun)
    w = (255, 255, 255)
    for (x, y, rr) in ((0.32, 0.60, 0.13), (0.47, 0.52, 0.17), (0.63, 0.62, 0.12)):
        d.ellipse([s * (x - rr), s * (y - rr), s * (x + rr), s * (y + rr)], fill=w)
    d.rounded_rectangle([s * 0.19, s * 0.60, s * 0.75, s * 0.74], s * 0.07, fill=w)


EMBLEMS = {
    # name: (glyph, top colour, bottom colour)
    "book": (glyph_book, "#6d8db0", "#466688"),
    "magnifier": (glyph_magnifier, "#e0876a", "#c25e43"),
    "pin": (glyph_pin, "#79ad74", "#4d8650"),
    "letters": (glyph_letters, "#9a83b3", "#6f5890"),
    "weather": (glyph_weather, "#6ba6d6", "#3c7db3"),
}


def emblem(kind, size, radius):
    glyph, top, bottom = EMBLEMS[kind]
    tile = rounded_tile(size, radius, top, bottom)
    layer = Image.new("RGBA", tile.size, (0, 0, 0, 0))
    glyph(ImageDraw.Draw(layer), size * SS, mix(hexrgb(top), hexrgb(bottom), 0.5))
    # keep the glyph inside the rounded tile
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), tile.getchannel("A")))
    tile.alpha_composite(layer)
    return tile.resize((size, size), Image.LANCZOS)


def form_icon(kind):
    """A 32x32 form picture; the rounded corners are transparent, edges blended
    towards a light blue-grey that suits every sample wallpaper."""
    ico = emblem(kind, 32, 7)
    matte = Image.new("RGBA", ico.size, hexrgb("#e4ebf2") + (255,))
    flat = Image.alpha_composite(matte, ico)
    flat.putalpha(ico.getchannel("A"))
    return flat


# ---------------------------------------------------------------- banners

BW, BH = 468, 60  # the classic full banner


def banner_plate():
    """The empty banner plate (also bn_back.gif): light gradient, frame, highlight."""
    s = vertical_gradient(BW, BH, [(0, "#ffffff"), (0.55, "#f3f6f9"), (1, "#e3e9ef")])
    d = ImageDraw.Draw(s)
    d.rectangle([0, 0, BW - 1, BH - 1], outline=hexrgb("#a7b6c6"))
    d.line([(1, 1), (BW - 2, 1)], fill=(255, 255, 255))
    return s


def banner(kind, title, subtitle, host):
    img = banner_plate()
    _, top, bottom = EMBLEMS[kind]
    accent = hexrgb(bottom)
    d = ImageDraw.Draw(img)
    d.rectangle([BW - 7, 1, BW - 2, BH - 2], fill=mix(accent, (255, 255, 255), 0.15))
    # emblem on a matte of the plate's colour at that height
    em = emblem(kind, 44, 9)
    img.paste(em, (8, 8), em)
    # text drawn large and reduced, for even anti-aliasing
    big = Image.new("RGBA", (BW * SS, BH * SS), (0, 0, 0, 0))
    bd = ImageDraw.Draw(big)
    bd.text((62 * SS, 27 * SS), title, font=font(SANS_BOLD, 21 * SS),
            fill=hexrgb("#24364a"), anchor="ls")
    bd.text((62 * SS, 45 * SS), subtitle, font=font(SANS, 12 * SS),
            fill=hexrgb("#4f6275"), anchor="ls")
    bd.text((BW * SS - 16 * SS, 17 * SS), host, font=font(SANS, 10 * SS),
            fill=mix(accent, hexrgb("#6b7b8b"), 0.4), anchor="rs")
    big = big.resize((BW, BH), Image.LANCZOS)
    img.paste(big, (0, 0), big)
    return img


# ---------------------------------------------------------------- main

def main():
    for folder in (BACK, FORMS, BANNER):
        folder.mkdir(parents=True, exist_ok=True)

    save_gif(back01_paper(), BACK / "_back01.gif")
    save_gif(back02_stripes(), BACK / "_back02.gif")
    save_gif(back03_mist(), BACK / "_back03.gif")
    save_gif(back04_grid(), BACK / "_back04.gif")
    save_gif(wall01_pinstripe(), BACK / "_wall01.gif")
    save_gif(wall02_linen(), BACK / "_wall02.gif")
    save_gif(wall03_bands(), BACK / "_wall03.gif")
    save_gif(wall04_dots(), BACK / "_wall04.gif")

    for kind, name in (("book", "form_wikipedia.gif"), ("magnifier", "form_duckduckgo.gif"),
                       ("pin", "form_openstreetmap.gif"), ("letters", "form_wiktionary.gif")):
        save_gif(form_icon(kind), FORMS / name, transparent_below=128)

    save_gif(banner_plate(), BANNER / "bn_back.gif")
    save_gif(banner("book", "Wikipedia", "Die freie Enzyklopädie – Wissen für alle",
                    "de.wikipedia.org"), BANNER / "Wikipedia.gif")
    save_gif(banner("pin", "OpenStreetMap", "Die freie Weltkarte – Orte, Wege, Routen",
                    "openstreetmap.org"), BANNER / "OpenStreetMap.gif")
    save_gif(banner("weather", "Wetter", "Deutscher Wetterdienst – Vorhersagen und Warnungen",
                    "dwd.de"), BANNER / "Wetter.gif")


if __name__ == "__main__":
    main()
