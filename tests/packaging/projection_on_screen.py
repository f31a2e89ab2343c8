"""Looks at the screen for the worked example's March 2001: day 14 in red,
day 28 in blue, day 20 in black. Arguments: display, window x and y."""
import sys

from PIL import ImageGrab

display, x0, y0 = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
screen = ImageGrab.grab(xdisplay=display).convert("RGB")


def cell(index):
    # Day cells: columns from the design in twips, rows 495 twips apart,
    # inside the calendar area (54 px down, 2 px border).
    lefts = [135, 1170, 2250, 3285, 4320, 5400, 6435]
    left = x0 + 2 + lefts[index % 7] // 15
    top = y0 + 54 + 2 + (1140 + 495 * (index // 7)) // 15
    return [screen.getpixel((x, y)) for x in range(left, left + 46) for y in range(top, top + 28)]


def has(pixels, test):
    return sum(1 for p in pixels if test(*p)) >= 5


red = lambda r, g, b: r > 200 and g < 60 and b < 60
blue = lambda r, g, b: b > 200 and r < 60 and g < 60
black = lambda r, g, b: r < 60 and g < 60 and b < 60
first = 4  # 1 March 2001 was a Thursday
checks = {14: red, 28: blue, 20: black}
for day, colour in checks.items():
    if not has(cell(first + day - 1), colour):
        print("day %d is not drawn in its colour" % day)
        sys.exit(1)
if has(cell(first + 20 - 1), red) or has(cell(first + 20 - 1), blue):
    print("day 20 is marked")
    sys.exit(1)
print("March 2001 on screen: 14 red, 28 blue, 20 black")
