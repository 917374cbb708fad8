#!/usr/bin/env python3
"""Makes Kelvara's icons, res/icons/<id>.svg: the program icon (128), the dictionary
flags (200-211), the fourteen pin pictures (1000-1040) and the go button's two
triangles (1100, 1101).

Run by hand from anywhere; the SVGs are committed. Everything is drawn with plain
shapes, gradients and transforms: Qt's SVG renderer knows no clip paths, masks,
filters or fonts we could rely on, so the Union Jack's counterchanged diagonals and
the letters are worked out here as polygons and strokes.
"""

import math
import os

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "icons")

# Flags are 32 x 24 (4:3) in the middle of the 32 x 32 canvas, so their edges fall on
# whole pixels at 16, 24, 32 and 64 px.
FLAG_W, FLAG_H, FLAG_TOP = 32, 24, 4


def svg(body, defs=""):
    if defs:
        defs = f"<defs>{defs}</defs>"
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
            f'viewBox="0 0 32 32">{defs}{body}</svg>\n')


def num(x):
    return f"{x:.2f}".rstrip("0").rstrip(".")


def polygon(points, fill):
    return f'<polygon points="{" ".join(f"{num(x)},{num(y)}" for x, y in points)}" fill="{fill}"/>'


def rect(x, y, w, h, fill):
    return f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" fill="{fill}"/>'


def clip(poly, a, b, c):
    """Keeps the part of a convex polygon where a*x + b*y <= c."""
    out = []
    for i, p in enumerate(poly):
        q = poly[(i + 1) % len(poly)]
        fp, fq = a * p[0] + b * p[1] - c, a * q[0] + b * q[1] - c
        if fp <= 0:
            out.append(p)
        if (fp < 0 < fq) or (fq < 0 < fp):
            t = fp / (fp - fq)
            out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
    return out


def band(p, q, left, right, bounds):
    """The strip along the line p-q from `left` to `right` (signed distances, left of the
    direction p->q negative), cut to the convex polygon `bounds`."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length  # unit normal pointing to the right of p->q
    poly = list(bounds)
    # right <= n . (x - p) <= left reversed: keep  n.x <= n.p + right  and  -n.x <= -(n.p + left)
    base = nx * p[0] + ny * p[1]
    poly = clip(poly, nx, ny, base + right)
    poly = clip(poly, -nx, -ny, -(base + left))
    return poly


def star(cx, cy, r, points=5, inner=0.382, turn=-90):
    pts = []
    for i in range(points * 2):
        rad = r if i % 2 == 0 else r * inner
        a = math.radians(turn + i * 180 / points)
        pts.append((cx + rad * math.cos(a), cy + rad * math.sin(a)))
    return pts


def flag(body):
    """A flag drawn in 32 x 24 units, with a fine dark edge so white parts keep their shape."""
    edge = ('<rect x="0.5" y="0.5" width="31" height="23" rx="0.5" fill="none" '
            'stroke="#000" stroke-opacity="0.3" stroke-width="1"/>')
    return svg(f'<g transform="translate(0,{FLAG_TOP})">{body}{edge}</g>')


def horizontal(*colours):
    h = FLAG_H / len(colours)
    return "".join(rect(0, i * h, FLAG_W, h, c) for i, c in enumerate(colours))


def vertical(*colours):
    w = FLAG_W / len(colours)
    return "".join(rect(i * w, 0, w, FLAG_H, c) for i, c in enumerate(colours))


def unknown_flag():
    mark = ('<path d="M12.2,8.6 a3.9,3.9 0 1 1 5.6,3.5 c-1.2,0.6 -1.8,1.3 -1.8,2.7 v0.8" '
            'fill="none" stroke="#fff" stroke-width="2.6" stroke-linecap="round" '
            'stroke-linejoin="round"/><circle cx="16" cy="19" r="1.6" fill="#fff"/>')
    return flag(rect(0, 0, FLAG_W, FLAG_H, "#8d949b") + mark)


def union_jack():
    blue, red, white = "#012169", "#C8102E", "#FFFFFF"
    box = [(0, 0), (FLAG_W, 0), (FLAG_W, FLAG_H), (0, FLAG_H)]
    cx, cy = FLAG_W / 2, FLAG_H / 2
    body = rect(0, 0, FLAG_W, FLAG_H, blue)
    diagonals = [((0, 0), (FLAG_W, FLAG_H)), ((FLAG_W, 0), (0, FLAG_H))]
    for p, q in diagonals:
        body += polygon(band(p, q, -2.4, 2.4, box), white)
    # The red diagonals lie off the centre line, turning about the centre (counterchanged):
    # in every quarter they sit on the clockwise side of the white band.
    quarters = [
        [(0, 0), (cx, cy), (0, cy)],            # hoist, top: below the diagonal
        [(FLAG_W, 0), (cx, cy), (cx, 0)],       # fly, top: left of the diagonal
        [(FLAG_W, FLAG_H), (cx, cy), (FLAG_W, cy)],  # fly, bottom: above the diagonal
        [(0, FLAG_H), (cx, cy), (cx, FLAG_H)],  # hoist, bottom: right of the diagonal
    ]
    for (p, q), tris in zip(diagonals, ((quarters[0], quarters[2]), (quarters[1], quarters[3]))):
        for tri in tris:
            strip = band(p, q, -1.6, 1.6, tri)
            if len(strip) >= 3:
                body += polygon(strip, red)
    body += rect(cx - 4, 0, 8, FLAG_H, white) + rect(0, cy - 4, FLAG_W, 8, white)
    body += rect(cx - 2.4, 0, 4.8, FLAG_H, red) + rect(0, cy - 2.4, FLAG_W, 4.8, red)
    return flag(body)


def spain():
    red, gold = "#AA151B", "#F1BF00"
    body = horizontal(red, gold, gold, red)
    # A plain crowned shield towards the hoist stands for the coat of arms.
    body += ('<path d="M7.6,9.6 h5.2 v4.2 a2.6,2.6 0 0 1 -5.2,0 z" fill="#AA151B" '
             'stroke="#7a0f14" stroke-width="0.4"/>')
    body += ('<path d="M7.8,9.1 l-0.3,-2 1.5,1 0.9,-1.5 0.9,1.5 1.5,-1 -0.3,2 z" '
             'fill="#AA151B"/>')
    body += rect(9.6, 10.6, 1.2, 3.8, gold)
    return flag(body)


def united_states():
    red, white, blue = "#B22234", "#FFFFFF", "#3C3B6E"
    stripe = FLAG_H / 13
    body = rect(0, 0, FLAG_W, FLAG_H, white)
    body += "".join(rect(0, i * stripe, FLAG_W, stripe, red) for i in range(0, 13, 2))
    canton_w, canton_h = FLAG_W * 0.4, stripe * 7
    body += rect(0, 0, canton_w, canton_h, blue)
    for row in range(4):
        for col in range(5):
            x = canton_w * (col + 0.5) / 5
            y = canton_h * (row + 0.5) / 4
            body += polygon(star(x, y, 1.1), white)
    return flag(body)


def esperanto():
    green = "#009900"
    body = rect(0, 0, FLAG_W, FLAG_H, green) + rect(0, 0, 12, 12, "#FFFFFF")
    body += polygon(star(6, 6.3, 4.6), green)
    return flag(body)


def latin():
    """Roman purple with a golden laurel wreath round a star."""
    purple, gold = "#5B1A66", "#E3B341"
    body = rect(0, 0, FLAG_W, FLAG_H, purple)
    body += ('<rect x="1.6" y="1.6" width="28.8" height="20.8" fill="none" '
             f'stroke="{gold}" stroke-width="0.8"/>')
    cx, cy, r = 16, 12, 6.4
    # One branch, from the bottom up the right-hand side; the left one is its mirror image.
    top = math.radians(35)
    branch = (f'<path d="M{cx},{num(cy + r)} A{r},{r} 0 0 0 {num(cx + r * math.sin(top))},'
              f'{num(cy - r * math.cos(top))}" fill="none" stroke="{gold}" stroke-width="0.6"/>')
    for degrees in (160, 132, 104, 76, 48):
        a = math.radians(degrees)
        for side in (1, -1):  # a leaf outside the stem and one inside
            x = cx + (r + side * 1.1) * math.sin(a)
            y = cy - (r + side * 1.1) * math.cos(a)
            tilt = degrees + 180 - side * 35  # along the stem, upwards, splayed
            branch += (f'<ellipse cx="0" cy="0" rx="1.7" ry="0.75" fill="{gold}" '
                       f'transform="translate({num(x)},{num(y)}) rotate({num(tilt)})"/>')
    body += branch + f'<g transform="translate({FLAG_W},0) scale(-1,1)">{branch}</g>'
    body += polygon(star(cx, cy + 0.3, 2.8), gold)
    return flag(body)


def swahili():
    """East African colours: green land, black people, blue ocean, gold between."""
    body = rect(0, 0, FLAG_W, 8, "#1EB53A") + rect(0, 8, FLAG_W, 8, "#000000")
    body += rect(0, 16, FLAG_W, 8, "#00A3DD")
    body += rect(0, 7, FLAG_W, 1.4, "#FCD116") + rect(0, 15.6, FLAG_W, 1.4, "#FCD116")
    return flag(body)


def gaelic():
    """Green with a golden harp."""
    gold = "#F2C14E"
    body = rect(0, 0, FLAG_W, FLAG_H, "#169B62")
    # A faint fill between the strings keeps the harp's shape at the smallest sizes.
    strings = f'<polygon points="12.6,6 20.4,5.4 12.9,18.6" fill="{gold}" opacity="0.35"/>'
    for x in (13.6, 15.2, 16.8, 18.4, 20.0):
        bottom = 4.4 + (21.4 - x) * 15.2 / 8.6
        strings += (f'<line x1="{num(x)}" y1="5.6" x2="{num(x)}" y2="{num(bottom)}" '
                    f'stroke="{gold}" stroke-width="0.55"/>')
    frame = (f'<path d="M11.6,5.2 C14.5,3.2 17.5,6.2 21.4,4.4" fill="none" stroke="{gold}" '
             'stroke-width="1.8" stroke-linecap="round"/>'
             f'<path d="M11.6,5.2 C10.2,10 11.2,16 12.8,19.8" fill="none" stroke="{gold}" '
             'stroke-width="1.6" stroke-linecap="round"/>'
             f'<path d="M21.4,4.4 L12.8,19.8" fill="none" stroke="{gold}" stroke-width="2.6" '
             'stroke-linecap="round"/>')
    return flag(body + strings + frame)


FLAGS = {
    200: unknown_flag,
    201: union_jack,
    202: lambda: flag(horizontal("#AE1C28", "#FFFFFF", "#21468B")),
    203: lambda: flag(vertical("#0055A4", "#FFFFFF", "#EF4135")),
    204: lambda: flag(horizontal("#000000", "#DD0000", "#FFCE00")),
    205: lambda: flag(vertical("#009246", "#FFFFFF", "#CE2B37")),
    206: spain,
    207: united_states,
    208: esperanto,
    209: latin,
    210: swahili,
    211: gaelic,
}

PIN_DEFS = (
    '<linearGradient id="board" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#d6ccb4"/><stop offset="1" stop-color="#bcae8c"/>'
    '</linearGradient>'
    '<radialGradient id="black" cx="0.38" cy="0.34" r="0.7">'
    '<stop offset="0" stop-color="#6a6a6a"/><stop offset="0.5" stop-color="#222"/>'
    '<stop offset="1" stop-color="#0a0a0a"/></radialGradient>'
    '<radialGradient id="white" cx="0.38" cy="0.34" r="0.7">'
    '<stop offset="0" stop-color="#fff"/><stop offset="0.6" stop-color="#f1f1f1"/>'
    '<stop offset="1" stop-color="#c8c8c8"/></radialGradient>'
)
PIN_PLACES = [(9.5, 9.5), (22.5, 9.5), (9.5, 22.5), (22.5, 22.5)]  # reading order


def pins(black, white):
    body = ('<rect x="1" y="1" width="30" height="30" rx="4" fill="url(#board)" '
            'stroke="#857a5f" stroke-width="1"/>')
    kinds = ["black"] * black + ["white"] * white + ["hole"] * (4 - black - white)
    for (x, y), kind in zip(PIN_PLACES, kinds):
        if kind == "hole":
            body += (f'<circle cx="{x}" cy="{y}" r="2.6" fill="#5d5646"/>'
                     f'<circle cx="{x}" cy="{y + 0.5}" r="2.1" fill="#3b362b"/>')
        elif kind == "black":
            body += f'<circle cx="{x}" cy="{y}" r="5.4" fill="url(#black)" stroke="#000" stroke-width="0.6"/>'
        else:
            body += f'<circle cx="{x}" cy="{y}" r="5.1" fill="url(#white)" stroke="#3c3c3c" stroke-width="1.2"/>'
    return svg(body, PIN_DEFS)


PIN_RESULTS = [(0, 0), (0, 1), (0, 2), (0, 3), (0, 4), (1, 0), (1, 1), (1, 2), (1, 3),
               (2, 0), (2, 1), (2, 2), (3, 0), (4, 0)]


def triangle(points, fill, edge):
    pts = " ".join(f"{num(x)},{num(y)}" for x, y in points)
    return svg(f'<polygon points="{pts}" fill="{fill}" stroke="{edge}" stroke-width="2.4" '
               'stroke-linejoin="round"/>')


# Letters for the program icon, stroked in a 12 x 12 tile.
LETTERS = {
    "W": "M2.6,3.2 L4.4,9 L6,5 L7.6,9 L9.4,3.2",
    "O": "M6,3.1 a2.9,2.9 0 1 0 0.01,0 z",
    "R": "M4,9 V3.2 H6.6 a1.6,1.6 0 0 1 0,3.3 H4 M6.3,6.5 L8.4,9",
    "D": "M4,3.2 V9 H5.9 a2.9,2.9 0 0 0 0,-5.8 z",
}


def program_icon():
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#3f74ad"/><stop offset="1" stop-color="#22426a"/>'
            '</linearGradient>'
            '<linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#fdf6e3"/><stop offset="1" stop-color="#efe1bd"/>'
            '</linearGradient>')
    body = '<rect x="0.5" y="0.5" width="31" height="31" rx="6" fill="url(#bg)" stroke="#1a3353"/>'
    for (x, y), letter in zip([(3, 3), (17, 3), (3, 17), (17, 17)], "WORD"):
        body += f'<rect x="{x}" y="{y + 0.8}" width="12" height="12" rx="2" fill="#132840" opacity="0.55"/>'
        body += f'<rect x="{x}" y="{y}" width="12" height="12" rx="2" fill="url(#tile)"/>'
        body += (f'<path transform="translate({x},{y})" d="{LETTERS[letter]}" fill="none" '
                 'stroke="#2a2a2a" stroke-width="1.5" stroke-linecap="round" '
                 'stroke-linejoin="round"/>')
    return svg(body, defs)


def all_icons():
    icons = {128: program_icon()}
    icons.update({i: make() for i, make in FLAGS.items()})
    icons.update({1000 + 10 * b + w: pins(b, w) for b, w in PIN_RESULTS})
    icons[1100] = triangle([(11, 7), (25, 16), (11, 25)], "#2e8b3d", "#2e8b3d")
    icons[1101] = triangle([(10.5, 12), (21.5, 12), (16, 20.5)], "#2f5f9e", "#2f5f9e")
    return icons


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for icon_id, text in all_icons().items():
        with open(os.path.join(OUT_DIR, f"{icon_id}.svg"), "w", encoding="utf-8") as out:
            out.write(text)
    print(f"{len(all_icons())} icons written to {os.path.normpath(OUT_DIR)}")


if __name__ == "__main__":
    main()
