#!/usr/bin/env python3
"""Draws the application icons: Pinwall-Builder (a pin board with a search line and three
columns of link cards) and PinEdit (the same board with a pencil). Each icon is written as SVG
and as PNG in the sizes the desktop and the window title use, into data/icons/.

One list of shapes makes both the SVG and the PNGs, so they always agree. Deterministic; needs
Python 3 with Pillow (Debian: python3-pil). Run from anywhere:  python3 data/tools/draw_icon.py
"""

import math
from pathlib import Path

from PIL import Image, ImageDraw

ICONS = Path(__file__).resolve().parent.parent / "icons"
SIZES = (16, 24, 32, 48, 64, 128, 256)
UNIT = 256  # the shapes are laid out on a 256 x 256 grid
SS = 4      # supersampling of the PNGs


def board():
    shapes = [
        ("rect", (12, 12, 244, 244), 40, "#2c66ad", "#17406f", 8),
        ("rect", (36, 50, 220, 80), 10, "#ffd45c", "#c99a1e", 3),
    ]
    strips = ("#e0533d", "#3aa35b", "#f0a020")
    for column in range(3):
        x = 36 + column * 64
        for row in range(3):
            y = 96 + row * 44
            shapes.append(("rect", (x, y, x + 56, y + 34), 7, "#ffffff", "#b9c6d6", 2))
            shapes.append(("rect", (x + 9, y + 12, x + 47, y + 22), 3, strips[column], None, 0))
    shapes += [
        ("circle", (206, 40), 24, "#e0332d", "#8f1d19", 5),
        ("circle", (199, 33), 7, "#ff9d96", None, 0),
    ]
    return shapes


def pencil():
    """A pencil lying from the lower left towards the upper right over the board's corner."""
    d = (1 / math.sqrt(2), -1 / math.sqrt(2))  # along the pencil
    n = (1 / math.sqrt(2), 1 / math.sqrt(2))   # across it
    tip = (118, 246)
    half = 17

    def at(t, s):
        return (round(tip[0] + d[0] * t + n[0] * s, 1), round(tip[1] + d[1] * t + n[1] * s, 1))

    return [
        ("poly", [at(0, 0), at(40, -half), at(40, half)], "#f3d3a0", "#5a3a12", 4),
        ("poly", [at(0, 0), at(14, -6), at(14, 6)], "#333333", None, 0),
        ("poly", [at(40, -half), at(150, -half), at(150, half), at(40, half)], "#f7b733", "#5a3a12", 4),
        ("poly", [at(150, -half), at(172, -half), at(172, half), at(150, half)], "#e86a8a", "#5a3a12", 4),
    ]


def svg(shapes):
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{UNIT}" height="{UNIT}" viewBox="0 0 {UNIT} {UNIT}">']
    for shape in shapes:
        kind = shape[0]
        if kind == "rect":
            _, (x0, y0, x1, y1), r, fill, stroke, width = shape
            attrs = f'x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{r}"'
        elif kind == "circle":
            _, (cx, cy), r, fill, stroke, width = shape
            attrs = f'cx="{cx}" cy="{cy}" r="{r}"'
        else:
            _, points, fill, stroke, width = shape
            attrs = 'points="' + " ".join(f"{x},{y}" for x, y in points) + '"'
            kind = "polygon"
        line = f' stroke="{stroke}" stroke-width="{width}" stroke-linejoin="round"' if stroke else ""
        out.append(f'  <{kind} {attrs} fill="{fill}"{line}/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def raster(shapes, size):
    k = size * SS / UNIT
    img = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    for shape in shapes:
        kind = shape[0]
        # The stroke is centred on the outline, as in SVG: outer edge grown by half its width.
        if kind == "rect":
            _, (x0, y0, x1, y1), r, fill, stroke, width = shape
            h = width / 2
            if stroke:
                draw.rounded_rectangle([(x0 - h) * k, (y0 - h) * k, (x1 + h) * k, (y1 + h) * k], (r + h) * k, fill=stroke)
            draw.rounded_rectangle([(x0 + h) * k, (y0 + h) * k, (x1 - h) * k, (y1 - h) * k], max(r - h, 0) * k, fill=fill)
        elif kind == "circle":
            _, (cx, cy), r, fill, stroke, width = shape
            h = width / 2
            if stroke:
                draw.ellipse([(cx - r - h) * k, (cy - r - h) * k, (cx + r + h) * k, (cy + r + h) * k], fill=stroke)
            draw.ellipse([(cx - r + h) * k, (cy - r + h) * k, (cx + r - h) * k, (cy + r - h) * k], fill=fill)
        else:
            _, points, fill, stroke, width = shape
            scaled = [(x * k, y * k) for x, y in points]
            draw.polygon(scaled, fill=fill)
            if stroke:
                draw.line(scaled + [scaled[0]], fill=stroke, width=max(1, round(width * k)), joint="curve")
    return img.resize((size, size), Image.LANCZOS)


def write(name, shapes):
    (ICONS / f"{name}.svg").write_text(svg(shapes), encoding="utf-8")
    for size in SIZES:
        raster(shapes, size).save(ICONS / f"{name}-{size}.png", optimize=True)


def main():
    ICONS.mkdir(exist_ok=True)
    write("pinwall-builder", board())
    write("pinedit", board() + pencil())
    print(f"icons written to {ICONS}")


if __name__ == "__main__":
    main()
