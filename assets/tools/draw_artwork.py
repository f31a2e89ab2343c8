#!/usr/bin/env python3
"""Draws every picture of the two programs into assets/pictures.

Run by hand when the artwork changes (needs Debian's python3-pil); the build
only uses the committed files.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
FONT_DIR = "/usr/share/fonts/truetype/liberation"

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)
YELLOW = (255, 255, 0, 255)
RED = (255, 0, 0, 255)
BLUE = (0, 0, 255, 255)
GREY = (192, 192, 192, 255)
DARK = (128, 128, 128, 255)
PINK = (255, 192, 255, 255)


def font(size, bold=False):
    name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def canvas(w=32, h=32):
    return Image.new("RGBA", (w, h), CLEAR)


def save_icon(img, name, sizes=((32, 32),)):
    # 16 colours, as the classic icons were drawn; transparency kept.
    alpha = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    rgb = img.convert("RGB").quantize(colors=15, method=Image.Quantize.MEDIANCUT)
    out = rgb.convert("RGBA")
    out.putalpha(alpha)
    out.save(os.path.join(OUT, name), sizes=list(sizes))


def face(mouth):
    img = canvas()
    d = ImageDraw.Draw(img)
    d.ellipse((1, 1, 30, 30), fill=YELLOW, outline=BLACK, width=2)
    d.ellipse((9, 9, 12, 13), fill=BLACK)
    d.ellipse((19, 9, 22, 13), fill=BLACK)
    if mouth == "neutral":
        d.line((9, 21, 22, 21), fill=BLACK, width=2)
    elif mouth == "sad":
        d.arc((8, 19, 23, 30), 200, 340, fill=BLACK, width=2)
    elif mouth == "smile":
        d.arc((8, 11, 23, 24), 20, 160, fill=BLACK, width=2)
    elif mouth == "laugh":
        d.pieslice((7, 12, 24, 27), 0, 180, fill=RED, outline=BLACK, width=2)
        d.line((8, 19, 23, 19), fill=BLACK, width=2)
    return img


def printer():
    img = canvas()
    d = ImageDraw.Draw(img)
    d.rectangle((9, 3, 22, 13), fill=WHITE, outline=BLACK)          # paper in
    for y in (6, 8, 10):
        d.line((11, y, 20, y), fill=DARK)
    d.polygon([(3, 13), (28, 13), (30, 17), (30, 25), (1, 25), (1, 17)], fill=GREY, outline=BLACK)
    d.line((2, 17, 29, 17), fill=DARK)
    d.rectangle((24, 19, 26, 20), fill=(0, 160, 0, 255))            # power light
    d.rectangle((8, 22, 23, 30), fill=WHITE, outline=BLACK)          # paper out
    d.line((10, 25, 21, 25), fill=DARK)
    d.line((10, 27, 18, 27), fill=DARK)
    return img


def hand_on_key():
    img = canvas()
    d = ImageDraw.Draw(img)
    # the key
    d.polygon([(3, 20), (29, 20), (31, 30), (1, 30)], fill=DARK, outline=BLACK)
    d.rectangle((5, 21, 27, 27), fill=GREY, outline=BLACK)
    # the hand pressing it, index finger down
    d.rectangle((12, 3, 16, 20), fill=(255, 204, 153, 255), outline=BLACK)
    d.rounded_rectangle((12, 10, 26, 19), radius=3, fill=(255, 204, 153, 255), outline=BLACK)
    for x in (17, 21):
        d.line((x, 11, x, 18), fill=BLACK)
    d.rectangle((13, 11, 15, 19), fill=(255, 204, 153, 255))
    d.rectangle((18, 2, 27, 9), fill=BLUE, outline=BLACK)            # sleeve
    return img


def arrow(left):
    img = canvas()
    d = ImageDraw.Draw(img)
    pts = [(2, 16), (15, 3), (15, 10), (29, 10), (29, 22), (15, 22), (15, 29)]
    if not left:
        pts = [(31 - x, y) for x, y in pts]
    d.polygon(pts, fill=(220, 235, 255, 255), outline=BLUE)
    # a second outline makes the blue edge two pixels wide
    inner = [(x + (1 if x < 16 else -1), y + (1 if y < 16 else -1)) for x, y in pts]
    d.polygon(inner, outline=BLUE)
    return img


def warning_triangle(size):
    img = canvas(size, size)
    d = ImageDraw.Draw(img)
    s = size / 32
    d.polygon([(16 * s, 1 * s), (31 * s, 29 * s), (1 * s, 29 * s)], fill=RED, outline=BLACK)
    d.rectangle((14.5 * s, 9 * s, 17.5 * s, 20 * s), fill=WHITE)
    d.rectangle((14.5 * s, 23 * s, 17.5 * s, 26 * s), fill=WHITE)
    return img


def black_disc(size):
    img = canvas(size, size)
    d = ImageDraw.Draw(img)
    d.ellipse((1, 1, size - 2, size - 2), fill=BLACK)
    return img


def product_banner():
    img = Image.new("RGB", (233, 30), (255, 255, 255))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 232, 29), outline=(192, 0, 96))
    d.ellipse((4, 4, 25, 25), fill=(255, 0, 0), outline=(128, 0, 0))
    d.text((10, 5), "Q", font=font(16, True), fill=(255, 255, 255))
    d.text((31, 2), "Quintrela Eletrônica", font=font(15, True), fill=(192, 0, 96))
    d.text((31, 18), "seu calendário menstrual na web", font=font(9), fill=(0, 0, 255))
    img.save(os.path.join(OUT, "quintrela_banner.gif"))


def advertising_banner():
    frames = []
    texts = ["Conheça o Agendinha", "a agenda da família", "simples e gratuita", "clique aqui!"]
    colours = [(0, 64, 160), (0, 112, 64), (160, 32, 96), (200, 80, 0)]
    for i, (text, colour) in enumerate(zip(texts, colours)):
        img = Image.new("RGB", (468, 60), (255, 250, 230))
        d = ImageDraw.Draw(img)
        d.rectangle((0, 0, 467, 59), outline=colour, width=2)
        d.rectangle((8, 8, 51, 51), fill=colour)
        d.text((17, 12), "A", font=font(32, True), fill=(255, 255, 255))
        d.text((64, 8), "Agendinha", font=font(22, True), fill=colour)
        d.text((64, 34), text, font=font(16), fill=(40, 40, 40))
        for k in range(4):
            d.ellipse((420 + 10 * (k % 2), 14 + 10 * (k // 2), 426 + 10 * (k % 2), 20 + 10 * (k // 2)),
                      fill=colour if k == i else (210, 210, 210))
        frames.append(img.convert("P", palette=Image.Palette.ADAPTIVE, colors=64))
    frames[0].save(os.path.join(OUT, "publicidade.gif"), save_all=True,
                   append_images=frames[1:], duration=1500, loop=0)


def jpeg_banner():
    img = Image.new("RGB", (468, 60), (230, 240, 255))
    d = ImageDraw.Draw(img)
    for x in range(468):
        shade = int(200 + 55 * x / 467)
        d.line((x, 0, x, 59), fill=(shade, 230, 255))
    d.text((14, 14), "Quintrela Eletrônica: seu calendário menstrual", font=font(18, True), fill=(0, 0, 160))
    img.save(os.path.join(OUT, "publicidade2.jpg"), quality=90)


def hand_cursor():
    # Monochrome pointing hand; the fingertip, its hot spot, is at (5, 0).
    rows = [
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
    img = canvas()
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "#":
                img.putpixel((x, y), BLACK)
            elif c == "W":
                img.putpixel((x, y), WHITE)
    img.save(os.path.join(OUT, "hand_cursor.png"))


def main():
    os.makedirs(OUT, exist_ok=True)
    for index, mouth in enumerate(["neutral", "sad", "smile", "laugh"]):
        save_icon(face(mouth), "rosto%d.ico" % index)
    save_icon(printer(), "imprimir.ico")
    save_icon(hand_on_key(), "calcular.ico")
    save_icon(arrow(True), "seta_esquerda.ico")
    save_icon(arrow(False), "seta_direita.ico")
    big, small = warning_triangle(32), warning_triangle(16)
    big.save(os.path.join(OUT, "quintrela.ico"), sizes=[(32, 32), (16, 16)], append_images=[small])
    big.save(os.path.join(OUT, "quintrela.png"))
    disc = black_disc(32)
    disc.save(os.path.join(OUT, "qtrconfg.ico"), sizes=[(32, 32), (16, 16)], append_images=[black_disc(16)])
    disc.save(os.path.join(OUT, "qtrconfg.png"))
    product_banner()
    advertising_banner()
    jpeg_banner()
    hand_cursor()
    return 0


if __name__ == "__main__":
    sys.exit(main())
