#!/usr/bin/env python3
"""Draws the bar's pictures and derives its window shape.

Writes into assets/: the bar background (bar.bmp), the collapsed bar's handle
strip (barstrip.bmp), one glyph strip per bar button (four pictures side by
side: normal, disabled, pressed, hover), the program icon (quorvel.ico) and the
bar's shape (bar.rgn: a 32-bit little-endian byte count, then the rectangles in
the platform's region-data form, taken row by row from the background's
outline). Everything is drawn from code, so running it again gives the same
files. Needs python3-pil.

The bar's pictures and shape are drawn three times: for 96 DPI (bar.bmp, ...)
and at 150 % and 200 % of that size (bar_150.bmp, new1_200.bmp, ...), so a bar
on a denser display shows pictures drawn for its size. Every size is a 96-DPI
size times the scale with halves rounded up, as the form layer scales its
windows; a strip of four pictures is four scaled pictures side by side.
"""
import math
import os
import struct

from PIL import Image, ImageDraw

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
SCALE = 4                      # drawn at four times the size, then reduced: smooth edges
KEY = (255, 0, 255)            # transparent colour (every picture's bottom-left pixel)
BAR = (32, 36, 46)             # bar face
EDGE = (58, 66, 82)            # bar outline
TILE = (44, 50, 64)            # button face
TILE_HOVER = (60, 70, 92)
TILE_DOWN = (24, 27, 35)
INK = (236, 240, 246)
DIM = (112, 118, 130)

ACCENTS = {
    "task": (88, 190, 120), "note": (242, 196, 76), "appointment": (84, 150, 236),
    "contact": (64, 184, 176), "email": (110, 160, 240), "journal": (238, 140, 84),
    "outlook": (84, 150, 236), "today": (246, 184, 64), "office": (222, 98, 82),
    "launch": (176, 130, 236), "prefs": (180, 188, 200),
}


SCALES = (100, 150, 200)       # per cent of the 96-DPI sizes
PCT = 100                      # the scale being drawn


def px(v):
    """A whole 96-DPI size in pixels at the scale being drawn, halves rounded up."""
    return (v * PCT + 50) // 100


def fit(v):
    """A 96-DPI size, stretched to fill its whole pixels at the scale: the drawings
    keep to the pictures' edges when a size does not scale to whole pixels."""
    return v if PCT == 100 else px(v) * 100 / PCT


def s(v):
    """A 96-DPI position or length on the drawing canvas of the scale."""
    return v * SCALE if PCT == 100 else v * PCT * SCALE / 100


def w_(v):
    return max(1, round(s(v)))


def canvas(w, h):
    """A drawing canvas for a picture of w x h pixels at 96 DPI."""
    return Image.new("RGBA", (px(w) * SCALE, px(h) * SCALE), (0, 0, 0, 0))


def reduce(img):
    w, h = img.size
    return img.resize((w // SCALE, h // SCALE), Image.LANCZOS)


def flatten(img, face=None, threshold=24):
    """The reduced picture on the key colour: pixels at least `threshold` opaque
    are kept, laid on the face colour when one is given."""
    img = reduce(img)
    out = Image.new("RGB", img.size, KEY)
    px, dst = img.load(), out.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            r, g, b, a = px[x, y]
            if a < threshold:
                continue
            t = a / 255.0 if face else 1.0
            dst[x, y] = tuple(round(c * t + f * (1 - t)) for c, f in zip((r, g, b), face or (0, 0, 0)))
    return out


def rounded(d, box, radius, fill, outline=None, width=1):
    d.rounded_rectangle([s(v) for v in box], radius=s(radius), fill=fill, outline=outline,
                        width=w_(width) if outline else 0)


# --- the icons drawn on the buttons, in a 14 x 14 box at (ox, oy) -------------

def icon(d, kind, ox, oy, ink, accent):
    L = lambda pts, w=1.6: d.line([(s(ox + x), s(oy + y)) for x, y in pts], fill=ink, width=w_(w), joint="curve")
    box = lambda x0, y0, x1, y1, **k: d.rectangle([s(ox + x0), s(oy + y0), s(ox + x1), s(oy + y1)], **k)
    rbox = lambda x0, y0, x1, y1, r, **k: d.rounded_rectangle([s(ox + x0), s(oy + y0), s(ox + x1), s(oy + y1)], radius=s(r), **k)
    ell = lambda x0, y0, x1, y1, **k: d.ellipse([s(ox + x0), s(oy + y0), s(ox + x1), s(oy + y1)], **k)
    if kind in ("task", "taskrequest"):
        rbox(1, 1, 13, 13, 2.5, fill=accent)
        L([(3.8, 7.2), (6, 9.6), (10.4, 4.4)], 1.9)
        if kind == "taskrequest":
            rbox(8.5, 8.5, 14, 14, 2.5, fill=ink)
            d.line([(s(ox + 10), s(oy + 11.25)), (s(ox + 12.8), s(oy + 11.25))], fill=accent, width=w_(1.2))
    elif kind == "note":
        d.polygon([(s(ox + 1), s(oy + 1)), (s(ox + 13), s(oy + 1)), (s(ox + 13), s(oy + 9)),
                   (s(ox + 9), s(oy + 13)), (s(ox + 1), s(oy + 13))], fill=accent)
        d.polygon([(s(ox + 9), s(oy + 13)), (s(ox + 9), s(oy + 9)), (s(ox + 13), s(oy + 9))], fill=(255, 236, 170))
        for y in (4.5, 7.5):
            d.line([(s(ox + 3.5), s(oy + y)), (s(ox + 10.5), s(oy + y))], fill=(120, 92, 20), width=w_(1))
    elif kind == "outlook":
        rbox(1, 1, 13, 13, 3, fill=accent)
        ell(3.6, 3.6, 10.4, 10.4, outline=ink, width=w_(1.8))
    elif kind in ("appointment", "meetingrequest"):
        rbox(1, 2, 13, 13, 2, fill=ink)
        rbox(1, 2, 13, 5.5, 2, fill=accent)
        box(1, 4, 13, 5.5, fill=accent)
        for y in (7.5, 10.2):
            for x in (3.4, 6.4, 9.4):
                box(x, y, x + 1.6, y + 1.6, fill=accent)
        for x in (4, 10):
            box(x - 0.6, 0.5, x + 0.6, 3.5, fill=ink)
        if kind == "meetingrequest":
            ell(8.2, 7.6, 14, 13.4, fill=accent, outline=ink, width=w_(1))
    elif kind == "contact":
        ell(4.3, 1, 9.7, 6.4, fill=accent)
        d.pieslice([s(ox + 1.5), s(oy + 7.2), s(ox + 12.5), s(oy + 18)], 180, 360, fill=accent)
    elif kind == "email":
        rbox(0.8, 2.5, 13.2, 11.5, 1.5, fill=accent)
        L([(1.6, 3.6), (7, 8), (12.4, 3.6)], 1.3)
    elif kind == "journal":
        rbox(2, 1, 12.5, 13, 1.5, fill=accent)
        box(2, 1, 4, 13, fill=(186, 100, 54))
        for y in (4.5, 7):
            d.line([(s(ox + 6), s(oy + y)), (s(ox + 10.5), s(oy + y))], fill=ink, width=w_(1))
    elif kind == "today":
        ell(4, 4, 10, 10, fill=accent)
        for k in range(8):
            a = k * math.pi / 4
            d.line([(s(ox + 7 + 4.6 * math.cos(a)), s(oy + 7 + 4.6 * math.sin(a))),
                    (s(ox + 7 + 6.4 * math.cos(a)), s(oy + 7 + 6.4 * math.sin(a)))], fill=accent, width=w_(1.3))
    elif kind == "office":
        d.polygon([(s(ox + 2), s(oy + 0.5)), (s(ox + 9), s(oy + 0.5)), (s(ox + 12), s(oy + 3.5)),
                   (s(ox + 12), s(oy + 13.5)), (s(ox + 2), s(oy + 13.5))], fill=ink)
        box(4.2, 7.2, 9.8, 8.6, fill=accent)
        box(6.3, 5.1, 7.7, 10.7, fill=accent)
    elif kind == "launch":
        ell(1, 1, 13, 13, fill=accent)
        d.polygon([(s(ox + 5.3), s(oy + 4)), (s(ox + 10.2), s(oy + 7)), (s(ox + 5.3), s(oy + 10))], fill=ink)
    elif kind == "prefs":
        for k in range(8):
            a = k * math.pi / 4
            cx, cy = 7 + 5.2 * math.cos(a), 7 + 5.2 * math.sin(a)
            ell(cx - 1.6, cy - 1.6, cx + 1.6, cy + 1.6, fill=accent)
        ell(2.2, 2.2, 11.8, 11.8, fill=accent)
        ell(5, 5, 9, 9, fill=TILE)


def state_colours(state, accent):
    """Face, ink, accent and icon offset of one of the four pictures."""
    if state == "disabled":
        return TILE, DIM, DIM, 0
    if state == "pressed":
        return TILE_DOWN, INK, accent, 1
    if state == "hover":
        return TILE_HOVER, (255, 254, 254), tuple(min(255, c + 24) for c in accent), 0
    return TILE, INK, accent, 0


def glyph_strip(kind, accent, width=25, height=24):
    strip = Image.new("RGB", (px(width) * 4, px(height)), KEY)
    w, h = fit(width), fit(height)
    for i, state in enumerate(("normal", "disabled", "pressed", "hover")):
        face, ink, acc, shift = state_colours(state, accent)
        img = canvas(width, height)
        d = ImageDraw.Draw(img)
        # The tile keeps clear of the bar's right edge, which the button touches.
        rounded(d, (0.5, 0.5, w - 2.5, h - 0.5), 5, fill=face + (255,),
                outline=(acc + (255,)) if state == "hover" else None)
        icon(d, kind, (w - 2 - 14) / 2 + shift, (h - 14) / 2 + shift, ink + (255,), acc + (255,))
        strip.paste(flatten(img, BAR), (i * px(width), 0))
    return strip


def narrow_strip(accent, width, height, mark):
    """The folder buttons beside each new-item button and the collapse tab."""
    strip = Image.new("RGB", (px(width) * 4, px(height)), KEY)
    w, h = fit(width), fit(height)
    for i, state in enumerate(("normal", "disabled", "pressed", "hover")):
        face, ink, acc, shift = state_colours(state, accent)
        img = canvas(width, height)
        d = ImageDraw.Draw(img)
        # The tile keeps clear of the bar's left edge, which the button touches.
        rounded(d, (1.5, 0.5, w - 0.5, h - 0.5), 3.5, fill=face + (255,))
        cx = (w + 1) / 2 + shift * 0.5
        if mark == "list":
            for k in range(3):
                y = h / 2 - 5 + k * 5 + shift * 0.5
                d.ellipse([s(cx - 1.3), s(y - 1.3), s(cx + 1.3), s(y + 1.3)], fill=acc + (255,))
        else:  # chevron pointing to the screen edge
            for dx in (0, 2.6):
                d.line([(s(cx + dx - 0.2), s(h / 2 - 3.5)), (s(cx + dx - 2.8), s(h / 2)),
                        (s(cx + dx - 0.2), s(h / 2 + 3.5))], fill=ink + (255,), width=w_(1.3), joint="curve")
        strip.paste(flatten(img, BAR), (i * px(width), 0))
    return strip


def quit_strip():
    size = 13
    strip = Image.new("RGB", (px(size) * 4, px(size)), KEY)
    # The button is drawn about the middle of its whole pixels.
    m = (fit(size) - size) / 2
    for i, state in enumerate(("normal", "disabled", "pressed", "hover")):
        img = canvas(size, size)
        d = ImageDraw.Draw(img)
        face = {"normal": TILE, "disabled": TILE, "pressed": (150, 44, 40), "hover": (214, 66, 58)}[state]
        ink = DIM if state == "disabled" else INK
        d.ellipse([s(m + 1), s(m + 1), s(m + 12), s(m + 12)], fill=face + (255,))
        for a, b in (((4.3, 4.3), (8.7, 8.7)), ((8.7, 4.3), (4.3, 8.7))):
            d.line([(s(m + a[0]), s(m + a[1])), (s(m + b[0]), s(m + b[1]))], fill=ink + (255,), width=w_(1.4))
        strip.paste(flatten(img, BAR), (i * px(size), 0))
    return strip


# --- the bar, its shape and the collapsed handle ------------------------------

BAR_BOX = (1, 2, 36, 298)      # the shape's bounds: left, top, right, bottom (exclusive)


def background():
    img = canvas(104, 302)
    d = ImageDraw.Draw(img)
    # The outline and the rules keep to whole pixels at every scale: the shape's
    # bounds are the 96-DPI bounds scaled, and the rules stay sharp.
    l, t, r, b = (px(v) * SCALE for v in BAR_BOX)
    e = px(1) * SCALE
    d.rounded_rectangle([l, t, r, b], radius=s(7), fill=EDGE + (255,))
    d.rounded_rectangle([l + e, t + e, r - e, b - e], radius=s(6), fill=BAR + (255,))
    # Thin rules above the extra button and the preferences button.
    for top in (217, 252):
        y = px(top) * SCALE + e / 2
        d.line([(px(13) * SCALE, y), (px(33) * SCALE, y)], fill=EDGE + (255,), width=e)
    return flatten(img, threshold=128)  # a hard outline: the shape is taken from it


def handle_strip():
    img = canvas(10, 298)
    w, h = fit(10), fit(298)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, s(w), s(h)], fill=BAR + (255,))
    top, bottom = (57, 147, 240), (112, 96, 230)
    for y in range(round(s(10)), round(s(h - 8))):
        t = (y - s(10)) / (s(h - 18))
        c = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
        d.line([(s(3.2), y), (s(5.8), y)], fill=c)
    # The grip of the quick-entry zone (the collapse tab's span, 223..277).
    for y in (240, 250, 260):
        d.ellipse([s(3), s(y - 1.5), s(6), s(y + 1.5)], fill=INK + (255,))
    return reduce(img).convert("RGB")


def shape_rects(img):
    """Rectangles of the non-key pixels: one run list per row, equal rows merged."""
    w, h = img.size
    px = img.load()
    rows = []
    for y in range(h):
        runs, x = [], 0
        while x < w:
            if px[x, y] != KEY:
                start = x
                while x < w and px[x, y] != KEY:
                    x += 1
                runs.append((start, x))
            else:
                x += 1
        rows.append(runs)
    rects, y = [], 0
    while y < h:
        end = y + 1
        while end < h and rows[end] == rows[y]:
            end += 1
        rects += [(a, y, b, end) for a, b in rows[y]]
        y = end
    return rects


def region_bytes(rects):
    left = min(r[0] for r in rects); top = min(r[1] for r in rects)
    right = max(r[2] for r in rects); bottom = max(r[3] for r in rects)
    data = struct.pack("<8i", 32, 1, len(rects), 16 * len(rects), left, top, right, bottom)
    data += b"".join(struct.pack("<4i", *r) for r in rects)
    return struct.pack("<i", len(data)) + data


def app_icon(size):
    img = canvas(size, size)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, s(size) - 1, s(size) - 1], radius=s(size * 0.22), fill=(57, 120, 226, 255))
    m = size * 0.2
    d.ellipse([s(m), s(m), s(size - m), s(size - m)], outline=(255, 255, 255, 255), width=w_(max(2, size * 0.12)))
    d.line([(s(size * 0.58), s(size * 0.58)), (s(size * 0.84), s(size * 0.84))], fill=(255, 255, 255, 255),
           width=w_(max(2, size * 0.13)))
    return reduce(img)


# --- the bar menu's pictures ---------------------------------------------------

# The menu's items with a picture, in the menu's order: the six folders, the
# eight new-item kinds, then Open Outlook, Outlook Today, Advanced Find, New
# Information Item and New Office Document.
MENU_FOLDERS = ["task", "note", "appointment", "contact", "email", "journal"]
MENU_KINDS = (["folder:" + k for k in MENU_FOLDERS] +
              ["task", "note", "appointment", "contact", "email", "journal", "taskrequest", "meetingrequest"] +
              ["outlook", "today", "find", "launch", "office"])
MENU_INK = (255, 255, 255)
MENU_BODY = (84, 92, 108)      # ink of pictures whose body is ink: it must show on a light menu


def menu_picture(kind):
    """One 16 x 16 picture with its alpha: menus lay it on their own face."""
    img = canvas(16, 16)
    d = ImageDraw.Draw(img)
    o = (fit(16) - 14) / 2
    if kind.startswith("folder:"):
        accent = ACCENTS[kind[7:]]
        d.rounded_rectangle([s(o + 0.5), s(o + 1.5), s(o + 6.5), s(o + 5)], radius=s(1), fill=accent + (255,))
        d.rounded_rectangle([s(o + 0.5), s(o + 3), s(o + 13.5), s(o + 12.5)], radius=s(1.5), fill=accent + (255,))
        d.line([(s(o + 1.5), s(o + 4.6)), (s(o + 12.5), s(o + 4.6))], fill=MENU_INK + (200,), width=w_(0.8))
    elif kind == "find":
        accent = ACCENTS["outlook"]
        d.ellipse([s(o + 1), s(o + 1), s(o + 9.5), s(o + 9.5)], outline=accent + (255,), width=w_(1.8))
        d.line([(s(o + 8.3), s(o + 8.3)), (s(o + 13), s(o + 13))], fill=MENU_BODY + (255,), width=w_(2.4))
    else:
        accent = ACCENTS[{"taskrequest": "task", "meetingrequest": "appointment"}.get(kind, kind)]
        ink = MENU_BODY if kind in ("appointment", "meetingrequest", "office") else MENU_INK
        icon(d, kind, o, o, ink + (255,), accent + (255,))
    # Reduced by area with its colours weighted by their alpha: no dark or
    # ringing fringe where the drawing meets the clear canvas.
    w, h = img.size
    return img.convert("RGBa").resize((w // SCALE, h // SCALE), Image.BOX).convert("RGBA")


def menu_strip():
    """The menu's pictures side by side, 32 bits with alpha."""
    size = px(16)
    strip = Image.new("RGBA", (size * len(MENU_KINDS), size), (0, 0, 0, 0))
    for n, kind in enumerate(MENU_KINDS):
        strip.paste(menu_picture(kind), (n * size, 0))
    return strip


def bar_pictures(suffix):
    """Everything the bar draws, at the scale being drawn; file names end in the suffix."""
    save = lambda img, name: img.save(os.path.join(OUT, name + suffix + ".bmp"))
    bg = background()
    save(bg, "bar")
    with open(os.path.join(OUT, "bar" + suffix + ".rgn"), "wb") as f:
        f.write(region_bytes(shape_rects(bg)))
    save(handle_strip(), "barstrip")
    items = ["task", "note", "appointment", "contact", "email", "journal", "taskrequest", "meetingrequest"]
    accent_of = {"taskrequest": "task", "meetingrequest": "appointment"}
    for n, kind in enumerate(items, 1):
        accent = ACCENTS[accent_of.get(kind, kind)]
        save(glyph_strip(kind, accent), f"new{n}")
        if n <= 6:
            save(narrow_strip(accent, 9, 24, "list"), f"folder{n}")
    for n, kind in enumerate(["outlook", "today", "office", "launch"], 1):
        save(glyph_strip(kind, ACCENTS[kind]), f"extra{n}")
    save(glyph_strip("prefs", ACCENTS["prefs"]), "prefs")
    save(narrow_strip(ACCENTS["prefs"], 9, 54, "chevron"), "collapse")
    save(quit_strip(), "quit")
    save(menu_strip(), "menu")


# --- the Information Item window's button pictures ---------------------------

ENTRY_FACE = (255, 0, 255)     # the key: the window puts its button face colour there
ENTRY_INK = (52, 58, 70)
# In the strip's order: the type buttons (internet, task, note, appointment,
# contact, e-mail, journal, text document), the priorities (low, normal, high),
# the footer (date, categories, attach, signature) and the empty icon picture.
ENTRY_PICTURES = ["internet", "task", "note", "appointment", "contact", "email", "journal", "textdoc",
                  "low", "normal", "high", "date", "categories", "attach", "signature", "noicon"]


def entry_icon(d, kind, ink):
    """The pictures of kinds the bar has no picture for, in a 14 x 14 box at (1, 1)."""
    L = lambda pts, w=1.4, fill=ink: d.line([(s(1 + x), s(1 + y)) for x, y in pts], fill=fill, width=w_(w),
                                            joint="curve")
    if kind == "internet":
        d.ellipse([s(2), s(2), s(14), s(14)], outline=(64, 132, 214, 255), width=w_(1.3))
        d.ellipse([s(5.4), s(2), s(10.6), s(14)], outline=(64, 132, 214, 255), width=w_(1.1))
        L([(1.3, 7), (12.7, 7)], 1.1, (64, 132, 214, 255))
    elif kind == "textdoc":
        d.polygon([(s(3), s(1)), (s(10), s(1)), (s(13), s(4)), (s(13), s(15)), (s(3), s(15))],
                  fill=(250, 250, 250, 255), outline=ink)
        for y in (5.5, 8, 10.5, 13):
            L([(3.8, y - 1), (10.2, y - 1)], 1)
    elif kind in ("low", "normal", "high"):
        if kind == "low":
            L([(7, 2), (7, 11)], 1.8, (64, 132, 214, 255))
            L([(3.5, 7.5), (7, 11.5), (10.5, 7.5)], 1.8, (64, 132, 214, 255))
        elif kind == "normal":
            d.ellipse([s(5.5), s(5.5), s(10.5), s(10.5)], fill=(120, 126, 138, 255))
        else:
            red = (214, 52, 44, 255)
            d.rounded_rectangle([s(6.8), s(1.5), s(9.2), s(10)], radius=s(1), fill=red)
            d.ellipse([s(6.6), s(11.5), s(9.4), s(14.3)], fill=red)
    elif kind == "categories":
        for (x, y), c in zip(((2, 2), (9, 2), (2, 9), (9, 9)),
                             ((222, 98, 82), (88, 190, 120), (84, 150, 236), (242, 196, 76))):
            d.rounded_rectangle([s(x), s(y), s(x + 5), s(y + 5)], radius=s(1), fill=c + (255,))
    elif kind == "attach":
        L([(9.5, 4), (9.5, 11), (7, 13.5), (4.5, 11), (4.5, 2.5), (6.2, 0.8), (7.9, 2.5), (7.9, 10)], 1.2)
    elif kind == "signature":
        L([(1, 10), (3, 6), (5, 10), (7, 5), (9, 10), (11, 7), (13, 9)], 1.2)
        L([(1, 13), (13, 13)], 1)
    elif kind == "noicon":
        # No icon chosen: the faint outline of a star, the kind of picture the button takes.
        star = [(7 + (6.2 if i % 2 == 0 else 2.6) * math.sin(i * math.pi / 5),
                 7.6 - (6.2 if i % 2 == 0 else 2.6) * math.cos(i * math.pi / 5)) for i in range(11)]
        L(star, 1.1, (150, 156, 166, 255))


def entry_strip():
    """The window's pictures, 16 x 16 each, side by side on the key colour."""
    size = 16
    strip = Image.new("RGB", (px(size) * len(ENTRY_PICTURES), px(size)), ENTRY_FACE)
    type_kind = {"date": "appointment"}
    for n, kind in enumerate(ENTRY_PICTURES):
        img = canvas(size, size)
        d = ImageDraw.Draw(img)
        bar_kind = type_kind.get(kind, kind)
        if bar_kind in ACCENTS:
            icon(d, bar_kind, 1, 1, (255, 255, 255, 255), ACCENTS[bar_kind] + (255,))
        else:
            entry_icon(d, kind, ENTRY_INK + (255,))
        strip.paste(flatten(img, threshold=96), (n * px(size), 0))
    return strip


# --- the about face of the preferences window ---------------------------------

ABOUT_TOP, ABOUT_BOTTOM = (16, 34, 92), (4, 8, 40)     # the face's gradient
ABOUT_GLYPHS = ["ok", "prefs", "cancel"]               # the OK, Preferences and Cancel buttons


def about_background():
    """The window's face, 376 x 302: a deep gradient, the program's mark at the
    top, a light rule under the home page's address and a band behind the
    buttons. The labels are drawn over it by the window."""
    w, h = 376, 302
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    cw, ch = img.size
    for y in range(ch):
        t = y / max(1, ch - 1)
        c = tuple(round(a + (b - a) * t) for a, b in zip(ABOUT_TOP, ABOUT_BOTTOM)) + (255,)
        d.line([(0, y), (cw, y)], fill=c)
    rounded(d, (3, 3, fit(w) - 3, fit(h) - 3), 9, fill=None, outline=EDGE + (255,), width=1.5)
    # The program's mark, as its icon shows it, above the address.
    d.rounded_rectangle([s(168), s(14), s(208), s(54)], radius=s(9), fill=(57, 120, 226, 255))
    d.ellipse([s(176), s(22), s(200), s(46)], outline=(255, 255, 255, 255), width=w_(4.5))
    d.line([(s(191), s(37)), (s(202), s(48))], fill=(255, 255, 255, 255), width=w_(5))
    # The rule under the address, then the band behind the buttons.
    d.rectangle([s(28), s(79), s(28 + 321), s(82)], fill=(236, 240, 246, 255))
    rounded(d, (12, 262, fit(w) - 12, 298), 6, fill=(30, 40, 78, 255))
    return reduce(img).convert("RGB")


def about_glyph(d, kind):
    """A 16 x 16 glyph of a button."""
    o = (fit(16) - 14) / 2 + 1
    if kind == "ok":
        d.line([(s(o + 1), s(o + 7.5)), (s(o + 5), s(o + 11.5)), (s(o + 13), s(o + 2.5))],
               fill=(40, 150, 70, 255), width=w_(2.6), joint="curve")
    elif kind == "cancel":
        for a, b in (((2, 2), (12, 12)), ((12, 2), (2, 12))):
            d.line([(s(o + a[0]), s(o + a[1])), (s(o + b[0]), s(o + b[1]))], fill=(200, 48, 40, 255), width=w_(2.6))
    else:
        icon(d, "prefs", o - 1, o - 1, ENTRY_INK + (255,), (92, 104, 128, 255))


def about_glyphs():
    """The buttons' glyphs side by side on the key colour, which the window lays on its button face."""
    size = 16
    strip = Image.new("RGB", (px(size) * len(ABOUT_GLYPHS), px(size)), KEY)
    for n, kind in enumerate(ABOUT_GLYPHS):
        img = canvas(size, size)
        about_glyph(ImageDraw.Draw(img), kind)
        strip.paste(flatten(img, threshold=96), (n * px(size), 0))
    return strip


def main():
    global PCT
    os.makedirs(OUT, exist_ok=True)
    for PCT in SCALES:
        bar_pictures("" if PCT == 100 else f"_{PCT}")
        suffix = "" if PCT == 100 else f"_{PCT}"
        entry_strip().save(os.path.join(OUT, "entry" + suffix + ".bmp"))
        about_background().save(os.path.join(OUT, "about" + suffix + ".bmp"))
        about_glyphs().save(os.path.join(OUT, "aboutglyphs" + suffix + ".bmp"))
    PCT = 100
    icons = [app_icon(n) for n in (16, 32, 48, 256)]
    icons[-1].save(os.path.join(OUT, "quorvel.ico"), sizes=[(16, 16), (32, 32), (48, 48), (256, 256)],
                   append_images=icons[:-1])


if __name__ == "__main__":
    main()
