#!/usr/bin/env python3
"""Draws every picture of the two programs into assets/pictures, and the
programs' icons for the desktop's icon theme into assets/icons.

Every picture is drawn twice: once at its designed size and once at twice
that size (name@2x.png) for scaled screens, each drawn for its own grid
rather than one blown up from the other. All are PNG, which Qt reads without
a plugin.

Run by hand when the artwork changes (needs Debian's python3-pil, so run it
with /usr/bin/python3); the build only uses the committed files.
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "pictures")
ICONS = os.path.join(HERE, "..", "icons")
FONT_DIR = "/usr/share/fonts/truetype/liberation"
THEME_SIZES = (16, 24, 32, 48, 64, 128, 256)

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)
YELLOW = (255, 255, 0, 255)
RED = (255, 0, 0, 255)
BLUE = (0, 0, 255, 255)
GREY = (192, 192, 192, 255)
DARK = (128, 128, 128, 255)
SKIN = (255, 204, 153, 255)


def font(size, bold=False):
    name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


class Pen:
    """Draws in the designed pixel grid at a scale of 1 or 2: boxes keep the
    area they cover and lines keep their width in design pixels."""

    def __init__(self, w, h, s, background=CLEAR, mode="RGBA"):
        self.s = s
        self.img = Image.new(mode, (w * s, h * s), background)
        self.d = ImageDraw.Draw(self.img)

    def box(self, x1, y1, x2, y2):
        s = self.s
        return (x1 * s, y1 * s, x2 * s + s - 1, y2 * s + s - 1)

    def pt(self, x, y):
        o = (self.s - 1) / 2
        return (x * self.s + o, y * self.s + o)

    def pts(self, points):
        return [self.pt(x, y) for x, y in points]

    def ellipse(self, b, width=1, **kw):
        self.d.ellipse(self.box(*b), width=width * self.s, **kw)

    def arc(self, b, start, end, width, fill):
        self.d.arc(self.box(*b), start, end, fill=fill, width=width * self.s)

    def pieslice(self, b, start, end, width, **kw):
        self.d.pieslice(self.box(*b), start, end, width=width * self.s, **kw)

    def rectangle(self, b, width=1, **kw):
        self.d.rectangle(self.box(*b), width=width * self.s, **kw)

    def rounded(self, b, radius, **kw):
        self.d.rounded_rectangle(self.box(*b), radius=radius * self.s, width=self.s, **kw)

    def line(self, a, fill, width=1):
        x1, y1, x2, y2 = a
        if self.s == 1 or width > 1:
            self.d.line(self.pts([(x1, y1), (x2, y2)]), fill=fill, width=width * self.s)
        else:
            # A one-pixel line covers the same design pixels as at 1x.
            self.d.rectangle(self.box(min(x1, x2), min(y1, y2), max(x1, x2), max(y1, y2)), fill=fill)

    def polygon(self, points, fill=None, outline=None):
        if self.s == 1:
            self.d.polygon(points, fill=fill, outline=outline)
        else:
            self.d.polygon(self.pts(points), fill=fill, outline=outline, width=self.s)

    def text(self, xy, text, size, fill, bold=False):
        self.d.text((xy[0] * self.s, xy[1] * self.s), text, font=font(size * self.s, bold), fill=fill)


def name_for(base, s):
    return base + ("@2x" if s == 2 else "") + ".png"


def save_16_colours(img, path):
    # 16 colours, as the classic icons were drawn; transparency kept.
    alpha = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    rgb = img.convert("RGB").quantize(colors=15, method=Image.Quantize.MEDIANCUT)
    out = rgb.convert("RGBA")
    out.putalpha(alpha)
    out.save(path)


def face(mouth, s):
    p = Pen(32, 32, s)
    p.ellipse((1, 1, 30, 30), fill=YELLOW, outline=BLACK, width=2)
    p.ellipse((9, 9, 12, 13), fill=BLACK)
    p.ellipse((19, 9, 22, 13), fill=BLACK)
    if mouth == "neutral":
        p.line((9, 21, 22, 21), fill=BLACK, width=2)
    elif mouth == "sad":
        p.arc((8, 19, 23, 30), 200, 340, fill=BLACK, width=2)
    elif mouth == "smile":
        p.arc((8, 11, 23, 24), 20, 160, fill=BLACK, width=2)
    elif mouth == "laugh":
        p.pieslice((7, 12, 24, 27), 0, 180, fill=RED, outline=BLACK, width=2)
        p.line((8, 19, 23, 19), fill=BLACK, width=2)
    return p.img


def printer(s):
    p = Pen(32, 32, s)
    p.rectangle((9, 3, 22, 13), fill=WHITE, outline=BLACK)          # paper in
    for y in (6, 8, 10):
        p.line((11, y, 20, y), fill=DARK)
    p.polygon([(3, 13), (28, 13), (30, 17), (30, 25), (1, 25), (1, 17)], fill=GREY, outline=BLACK)
    p.line((2, 17, 29, 17), fill=DARK)
    p.rectangle((24, 19, 26, 20), fill=(0, 160, 0, 255))            # power light
    p.rectangle((8, 22, 23, 30), fill=WHITE, outline=BLACK)          # paper out
    p.line((10, 25, 21, 25), fill=DARK)
    p.line((10, 27, 18, 27), fill=DARK)
    return p.img


def hand_on_key(s):
    p = Pen(32, 32, s)
    # the key
    p.polygon([(3, 20), (29, 20), (31, 30), (1, 30)], fill=DARK, outline=BLACK)
    p.rectangle((5, 21, 27, 27), fill=GREY, outline=BLACK)
    # the hand pressing it, index finger down
    p.rectangle((12, 3, 16, 20), fill=SKIN, outline=BLACK)
    p.rounded((12, 10, 26, 19), radius=3, fill=SKIN, outline=BLACK)
    for x in (17, 21):
        p.line((x, 11, x, 18), fill=BLACK)
    p.rectangle((13, 11, 15, 19), fill=SKIN)
    p.rectangle((18, 2, 27, 9), fill=BLUE, outline=BLACK)            # sleeve
    return p.img


def arrow(left, s):
    p = Pen(32, 32, s)
    pts = [(2, 16), (15, 3), (15, 10), (29, 10), (29, 22), (15, 22), (15, 29)]
    light = (220, 235, 255, 255)
    if s == 1:
        if not left:
            pts = [(31 - x, y) for x, y in pts]
        p.polygon(pts, fill=light, outline=BLUE)
        # a second outline makes the blue edge two pixels wide
        inner = [(x + (1 if x < 16 else -1), y + (1 if y < 16 else -1)) for x, y in pts]
        p.polygon(inner, outline=BLUE)
        return p.img
    # The same two-pixel edge at the finer grid: the shape inset by two.
    inset = [(4.83, 16), (13, 7.83), (13, 12), (27, 12), (27, 20), (13, 20), (13, 24.17)]
    if not left:
        pts = [(31 - x, y) for x, y in pts]
        inset = [(31 - x, y) for x, y in inset]
    p.d.polygon(p.pts(pts), fill=BLUE)
    p.d.polygon(p.pts(inset), fill=light)
    return p.img


def warning_triangle(size):
    img = Image.new("RGBA", (size, size), CLEAR)
    d = ImageDraw.Draw(img)
    k = size / 32
    d.polygon([(16 * k, 1 * k), (31 * k, 29 * k), (1 * k, 29 * k)], fill=RED, outline=BLACK,
              width=max(1, round(k)))
    d.rectangle((14.5 * k, 9 * k, 17.5 * k, 20 * k), fill=WHITE)
    d.rectangle((14.5 * k, 23 * k, 17.5 * k, 26 * k), fill=WHITE)
    return img


def black_disc(size):
    img = Image.new("RGBA", (size, size), CLEAR)
    d = ImageDraw.Draw(img)
    d.ellipse((1, 1, size - 2, size - 2), fill=BLACK)
    return img


def product_banner(s):
    p = Pen(233, 30, s, background=(255, 255, 255), mode="RGB")
    p.rectangle((0, 0, 232, 29), outline=(192, 0, 96))
    p.ellipse((4, 4, 25, 25), fill=(255, 0, 0), outline=(128, 0, 0))
    p.text((10, 5), "Q", 16, (255, 255, 255), bold=True)
    p.text((31, 2), "Quintrela Eletrônica", 15, (192, 0, 96), bold=True)
    p.text((31, 18), "seu calendário menstrual na web", 9, (0, 0, 255))
    # The palette a GIF banner has.
    return p.img.convert("P", palette=Image.Palette.ADAPTIVE)


def advertising_banner(s):
    # The first frame of the four the banner once turned through: the window
    # never shows the others.
    colour = (0, 64, 160)
    p = Pen(468, 60, s, background=(255, 250, 230), mode="RGB")
    p.rectangle((0, 0, 467, 59), outline=colour, width=2)
    p.rectangle((8, 8, 51, 51), fill=colour)
    p.text((17, 12), "A", 32, (255, 255, 255), bold=True)
    p.text((64, 8), "Agendinha", 22, colour, bold=True)
    p.text((64, 34), "Conheça o Agendinha", 16, (40, 40, 40))
    for k in range(4):
        p.ellipse((420 + 10 * (k % 2), 14 + 10 * (k // 2), 426 + 10 * (k % 2), 20 + 10 * (k // 2)),
                  fill=colour if k == 0 else (210, 210, 210))
    return p.img.convert("P", palette=Image.Palette.ADAPTIVE, colors=64)


def second_banner(s):
    p = Pen(468, 60, s, background=(230, 240, 255), mode="RGB")
    for x in range(468 * s):
        shade = int(200 + 55 * x / (468 * s - 1))
        p.d.line((x, 0, x, 60 * s - 1), fill=(shade, 230, 255))
    p.text((14, 14), "Quintrela Eletrônica: seu calendário menstrual", 18, (0, 0, 160), bold=True)
    return p.img


HAND = [
    ".....#..........................",
    "....#W#.........................",
    "....#W#.........................",
    "....#W#.........................",
    "....#W#.........................",
    "....#W###.......................",
    "....#W#W#####...................",
    "....#W#W#W#W##..................",
    "..###W#W#W#W#W#.................",
    ".#W#WWWWWWWWWW#.................",
    ".#WWWWWWWWWWWW#.................",
    "..#WWWWWWWWWWW#.................",
    "..#WWWWWWWWWWW#.................",
    "...#WWWWWWWWWW#.................",
    "...#WWWWWWWWW#..................",
    "....#WWWWWWWW#..................",
    "....#WWWWWWWW#..................",
    "....##########..................",
]


def hand_cursor(s):
    # Monochrome pointing hand; the fingertip, its hot spot, is at (5, 0).
    img = Image.new("RGBA", (32 * s, 32 * s), CLEAR)
    if s == 1:
        for y, row in enumerate(HAND):
            for x, c in enumerate(row):
                if c != ".":
                    img.putpixel((x, y), BLACK if c == "#" else WHITE)
        return img
    # At 2x the silhouette is smoothed and the outline and finger gaps are
    # drawn at the finer grid.
    mask = Image.new("L", (32, 32), 0)
    for y, row in enumerate(HAND):
        for x, c in enumerate(row):
            if c != ".":
                mask.putpixel((x, y), 255)
    big = mask.resize((64, 64), Image.Resampling.BILINEAR).filter(ImageFilter.GaussianBlur(0.8))
    big = big.point(lambda a: 255 if a >= 110 else 0)
    inner = big.filter(ImageFilter.MinFilter(5))
    img.paste(BLACK, (0, 0), big)
    img.paste(WHITE, (0, 0), inner)
    d = ImageDraw.Draw(img)
    for y, row in enumerate(HAND):
        for x, c in enumerate(row):
            inside = 0 < y < len(HAND) - 1 and 0 < x < 31 and all(
                HAND[y + dy][x + dx] != "." for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if c == "#" and inside:
                d.line((2 * x, 2 * y, 2 * x, 2 * y + 1), fill=BLACK)
    return img


def main():
    os.makedirs(OUT, exist_ok=True)
    for s in (1, 2):
        for index, mouth in enumerate(["neutral", "sad", "smile", "laugh"]):
            save_16_colours(face(mouth, s), os.path.join(OUT, name_for("rosto%d" % index, s)))
        save_16_colours(printer(s), os.path.join(OUT, name_for("imprimir", s)))
        save_16_colours(hand_on_key(s), os.path.join(OUT, name_for("calcular", s)))
        save_16_colours(arrow(True, s), os.path.join(OUT, name_for("seta_esquerda", s)))
        save_16_colours(arrow(False, s), os.path.join(OUT, name_for("seta_direita", s)))
        product_banner(s).save(os.path.join(OUT, name_for("quintrela_banner", s)))
        advertising_banner(s).save(os.path.join(OUT, name_for("publicidade", s)))
        second_banner(s).save(os.path.join(OUT, name_for("publicidade2", s)))
        hand_cursor(s).save(os.path.join(OUT, name_for("hand_cursor", s)))
    # Window icons, and the desktop's icon theme: each size drawn for itself.
    for size in THEME_SIZES:
        folder = os.path.join(ICONS, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        warning_triangle(size).save(os.path.join(folder, "quintrela.png"))
        black_disc(size).save(os.path.join(folder, "qtrconfg.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
