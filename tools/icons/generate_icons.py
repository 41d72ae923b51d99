#!/usr/bin/env python3
"""Draws the wallet's own icons into media/icons/Standart/.

Every icon is a list of shapes on a 32 x 32 grid, drawn with 4 x 4 samples per
pixel into a 16 x 16 and a 32 x 32 image; the category sign is drawn pixel by
pixel in its 7 x 9 and 11 x 11 sizes. The output is the same on every run.

    python3 tools/icons/generate_icons.py [output folder]
"""

import math
import os
import sys

from icofile import encode_icon

SAMPLES = 4

# Colours (red, green, blue).
INK = (40, 40, 48)
WHITE = (255, 255, 255)
PAPER = (250, 250, 240)
GREY = (150, 155, 165)
LIGHT_GREY = (210, 212, 218)
FOLDER = (242, 196, 64)
FOLDER_DARK = (196, 144, 28)


# Shapes: each is (test(u, v) -> bool, colour). (u, v) is a point of the 32 x 32 grid.

def rect(x0, y0, x1, y1, colour, radius=0.0):
    def inside(u, v):
        if not (x0 <= u <= x1 and y0 <= v <= y1):
            return False
        cx = min(max(u, x0 + radius), x1 - radius)
        cy = min(max(v, y0 + radius), y1 - radius)
        return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2 + 1e-9
    return inside, colour


def framed(x0, y0, x1, y1, fill, radius=2.0, edge=INK, width=1.6):
    """A rounded rectangle with a dark edge, which keeps its outline at 16 x 16."""
    return [rect(x0, y0, x1, y1, edge, radius),
            rect(x0 + width, y0 + width, x1 - width, y1 - width, fill, max(radius - width, 0))]


def disc(cx, cy, r, colour):
    return (lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r), colour


def ring(cx, cy, r, width, colour):
    def inside(u, v):
        d = math.hypot(u - cx, v - cy)
        return r - width / 2 <= d <= r + width / 2
    return inside, colour


def framed_disc(cx, cy, r, fill, edge=INK, width=1.6):
    return [disc(cx, cy, r, edge), disc(cx, cy, r - width, fill)]


def polygon(points, colour):
    def inside(u, v):
        hit = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > v) != (y1 > v) and u < x0 + (v - y0) * (x1 - x0) / (y1 - y0):
                hit = not hit
        return hit
    return inside, colour


def line(x0, y0, x1, y1, width, colour):
    def inside(u, v):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(u - x0 - t * dx, v - y0 - t * dy) <= width / 2
    return inside, colour


def framed_polygon(points, fill, edge=INK, width=1.6):
    """A polygon drawn twice: dark, then its fill shrunk towards its centre."""
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    inner = []
    for x, y in points:
        d = math.hypot(x - cx, y - cy) or 1
        inner.append((x - (x - cx) / d * width * 1.3, y - (y - cy) / d * width * 1.3))
    return [polygon(points, edge), polygon(inner, fill)]


def gear(cx, cy, r_out, r_in, teeth, colour):
    points = []
    for k in range(teeth * 4):
        angle = 2 * math.pi * k / (teeth * 4)
        r = r_out if k % 4 in (0, 1) else r_in
        points.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return polygon(points, colour)


# The icons, by file name.

def card(fill):
    return framed(2, 7, 30, 26, fill, radius=3)


def folder():
    return (framed_polygon([(2, 6), (12, 6), (15, 9), (30, 9), (30, 27), (2, 27)], FOLDER)
            + [rect(4, 11, 28, 12.6, (255, 228, 140))])


ICONS = {
    'up.ico': folder() + [
        polygon([(16, 10), (24, 18), (19.5, 18), (19.5, 25), (12.5, 25), (12.5, 18), (8, 18)], INK),
        polygon([(16, 12.5), (21.5, 17), (18, 17), (18, 23.5), (14, 23.5), (14, 17), (10.5, 17)], (60, 170, 70)),
    ],
    'DefaultCategory.ico': folder(),
    'MissingIcon.ico': framed(5, 3, 27, 29, LIGHT_GREY, radius=2) + [
        line(10, 9, 22, 23, 4, (210, 40, 40)),
        line(22, 9, 10, 23, 4, (210, 40, 40)),
    ],
    'Wallet.ico': framed(2, 8, 30, 28, (139, 90, 50), radius=4) + [
        polygon([(2, 8), (28, 3), (30, 8)], INK),
        *framed(18, 13, 31, 22, (170, 115, 70), radius=2),
        disc(22.5, 17.5, 2, (240, 200, 90)),
    ],
    'BankAccount.ico': [
        *framed_polygon([(16, 2), (31, 11), (1, 11)], (40, 80, 160)),
        rect(3, 11, 29, 13.5, INK),
        *[rect(x, 13.5, x + 3.5, 24, (70, 110, 190)) for x in (5, 11.5, 18, 24)],
        rect(2, 24, 30, 29, INK),
        rect(3.6, 25.4, 28.4, 27.6, (40, 80, 160)),
    ],
    'BirthDay.ico': [
        rect(15, 4, 17, 11, (255, 240, 200)),
        polygon([(16, 0.5), (18.5, 4), (16, 6), (13.5, 4)], (255, 160, 0)),
        *framed(4, 11, 28, 29, (236, 100, 150), radius=2),
        rect(5.6, 17, 26.4, 20, WHITE),
    ],
    'CallingCard.ico': card((245, 140, 40)) + [
        polygon([(8, 12), (12, 11), (14, 15), (12, 17), (15, 21), (17, 19), (21, 21), (20, 24),
                 (15, 24), (9, 18), (8, 14)], INK),
    ],
    'CarInfo.ico': [
        *framed_polygon([(1, 24), (1, 16), (6, 15), (10, 8), (22, 8), (27, 15), (31, 17), (31, 24)], (210, 40, 40)),
        polygon([(11, 10), (21, 10), (24, 15), (8, 15)], (180, 220, 250)),
        *framed_disc(8.5, 24, 4.5, GREY),
        *framed_disc(23.5, 24, 4.5, GREY),
    ],
    'ClothesSizes.ico': framed_polygon([(10, 3), (13, 5), (19, 5), (22, 3), (31, 9), (27, 16), (24, 14), (24, 29),
                                         (8, 29), (8, 14), (5, 16), (1, 9)], (140, 70, 200)),
    'CombinationLock.ico': [
        ring(16, 12, 8, 3.5, INK),
        ring(16, 12, 8, 1.6, GREY),
        *framed(4, 13, 28, 31, (120, 130, 145), radius=3),
        *framed_disc(16, 22, 6, INK, edge=WHITE, width=1.2),
        line(16, 22, 16, 17.5, 1.8, WHITE),
    ],
    'Contact.ico': [
        *framed_disc(16, 10, 7, (40, 170, 170)),
        *framed_polygon([(3, 31), (5, 21), (11, 17.5), (21, 17.5), (27, 21), (29, 31)], (40, 170, 170)),
    ],
    'CreditCard.ico': card((40, 160, 80)) + [
        rect(3, 11, 29, 15, INK),
        rect(6, 17.5, 12, 22.5, (240, 200, 80), radius=1),
        rect(15, 19, 26, 21, (200, 240, 210)),
    ],
    'DriversLicence.ico': [
        ring(16, 16, 12, 5, INK),
        ring(16, 16, 12, 2.4, (90, 90, 105)),
        *framed_disc(16, 16, 4.5, (90, 90, 105)),
        line(4, 16, 12, 16, 3.5, (90, 90, 105)),
        line(20, 16, 28, 16, 3.5, (90, 90, 105)),
        line(16, 20, 16, 28, 3.5, (90, 90, 105)),
    ],
    'EmergencyNumbers.ico': framed_disc(16, 16, 14.5, (225, 30, 30)) + [
        rect(13.5, 6, 18.5, 19, WHITE, radius=1.5),
        disc(16, 24, 2.6, WHITE),
    ],
    'FreeForm.ico': framed_polygon([(5, 2), (27, 2), (27, 22), (21, 30), (5, 30)], (255, 236, 110)) + [
        *[rect(8.5, y, 23.5, y + 1.8, (170, 140, 40)) for y in (7, 12, 17)],
        polygon([(27, 22), (21, 22), (21, 30)], (220, 190, 60)),
    ],
    'GeneralPurpose.ico': [
        gear(16, 16, 15, 11, 8, INK),
        gear(16, 16, 13.4, 9.6, 8, (110, 120, 140)),
        disc(16, 16, 4.5, WHITE),
    ],
    'HealthNumbers.ico': [
        polygon([(16, 29), (3, 16), (2, 9), (6, 3.5), (12, 3.5), (16, 8), (20, 3.5), (26, 3.5), (30, 9), (29, 16)], INK),
        polygon([(16, 26.5), (5, 15.5), (4, 9.5), (7, 5.5), (11.5, 5.5), (16, 10.5), (20.5, 5.5), (25, 5.5),
                 (28, 9.5), (27, 15.5)], (240, 70, 110)),
        rect(14, 10, 18, 22, WHITE),
        rect(10, 14, 22, 18, WHITE),
    ],
    'IDCard.ico': card((225, 200, 150)) + [
        *framed(5, 10.5, 14, 22.5, (130, 90, 60), radius=1, width=1.2),
        disc(9.5, 14.5, 2.5, (240, 210, 170)),
        *[rect(16.5, y, 27, y + 2, (110, 80, 50)) for y in (12, 16, 20)],
    ],
    'InsurancyPolicy.ico': framed_polygon([(16, 1), (29, 6), (28, 18), (16, 31), (4, 18), (3, 6)], (40, 100, 220)) + [
        line(10, 16, 14.5, 21, 3.2, WHITE),
        line(14.5, 21, 22.5, 11, 3.2, WHITE),
    ],
    'LensPrescription.ico': [
        *framed_disc(8.5, 17, 7, (170, 220, 255), width=2.2),
        *framed_disc(23.5, 17, 7, (170, 220, 255), width=2.2),
        line(14, 15, 18, 15, 2.4, INK),
        line(1.5, 15, 0.5, 9, 2, INK),
        line(30.5, 15, 31.5, 9, 2, INK),
    ],
    'LibraryCard.ico': [
        *framed(5, 2, 28, 30, (150, 90, 40), radius=2),
        rect(8, 3.5, 10, 28.5, (110, 60, 25)),
        rect(23, 4, 26.5, 28, PAPER),
        *framed(12.5, 8, 23, 14, PAPER, radius=1, width=1.2),
    ],
    'MembershipInfo.ico': [
        polygon([(16 + 15.5 * math.sin(k * math.pi / 5) * (1 if k % 2 == 0 else 0.45),
                  16.8 - 15.5 * math.cos(k * math.pi / 5) * (1 if k % 2 == 0 else 0.45)) for k in range(10)], INK),
        polygon([(16 + 12.5 * math.sin(k * math.pi / 5) * (1 if k % 2 == 0 else 0.42),
                  16.8 - 12.5 * math.cos(k * math.pi / 5) * (1 if k % 2 == 0 else 0.42)) for k in range(10)],
                (250, 200, 30)),
    ],
    'PassportInfo.ico': framed(5, 1, 27, 31, (130, 25, 45), radius=2) + [
        ring(16, 14, 6, 2, (235, 190, 80)),
        line(10, 14, 22, 14, 1.5, (235, 190, 80)),
        line(16, 8, 16, 20, 1.5, (235, 190, 80)),
        rect(10, 24, 22, 26, (235, 190, 80)),
    ],
    'Password.ico': [
        *framed_disc(9, 16, 8, (235, 170, 40), width=2),
        disc(7, 16, 2.5, INK),
        rect(15, 13, 31, 19.5, INK),
        rect(16, 14.6, 29.5, 17.9, (235, 170, 40)),
        rect(22, 19, 25, 25, INK),
        rect(27, 19, 30, 23, INK),
    ],
    'Prescription.ico': [
        line(7, 25, 25, 7, 13, INK),
        line(7, 25, 16, 16, 9.8, (230, 40, 60)),
        line(16, 16, 25, 7, 9.8, WHITE),
        line(15, 17, 17, 15, 9.8, (230, 40, 60)),
    ],
    'SerialNumber.ico': framed(1, 5, 31, 27, WHITE, radius=1.5) + [
        rect(x, 8.5, x + w, 23.5, INK) for x, w in ((4, 2), (7.5, 1), (10, 2), (14, 1), (16.5, 2.5), (20.5, 1),
                                                    (23, 2), (26.5, 1.5))
    ],
    'SocialSecurityNumber.ico': framed(2, 2, 30, 30, (30, 60, 140), radius=4) + [
        line(13, 7, 11, 25, 3.2, WHITE),
        line(21, 7, 19, 25, 3.2, WHITE),
        line(7, 12.5, 26, 12.5, 3.2, WHITE),
        line(6, 19.5, 25, 19.5, 3.2, WHITE),
    ],
    'SoftwareSerialNumber.ico': [
        *framed_disc(16, 16, 15, (200, 205, 220)),
        polygon([(16, 16), (4, 8), (10, 3)], (150, 200, 255)),
        polygon([(16, 16), (28, 24), (22, 29)], (255, 200, 150)),
        disc(16, 16, 6, (150, 155, 170)),
        disc(16, 16, 4.2, INK),
        disc(16, 16, 2.6, WHITE),
    ],
    'VoiceMailInfo.ico': framed_polygon([(3, 4), (29, 4), (29, 23), (14, 23), (7, 30), (8, 23), (3, 23)],
                                        (120, 200, 240)) + [
        ring(10.5, 13, 3.6, 2.4, INK),
        ring(21.5, 13, 3.6, 2.4, INK),
        rect(10.5, 15.4, 21.5, 17.8, INK),
    ],
    'VoterCard.ico': [
        *framed(10, 2, 22, 16, WHITE, radius=0.5, width=1.2),
        line(12.5, 9, 15, 12, 1.8, (30, 140, 60)),
        line(15, 12, 19.5, 5.5, 1.8, (30, 140, 60)),
        *framed(2, 13, 30, 30, (50, 90, 200), radius=2),
        rect(7, 12.6, 25, 16, INK),
    ],
    'WebSite.ico': framed_disc(16, 16, 15, (40, 120, 220)) + [
        ring(16, 16, 6.5, 1.6, WHITE),
        line(16, 2, 16, 30, 1.6, WHITE),
        line(2, 16, 30, 16, 1.6, WHITE),
        line(5, 9, 27, 9, 1.4, WHITE),
        line(5, 23, 27, 23, 1.4, WHITE),
    ],
}

# The category sign, pixel by pixel: K edge, Y folder, L its light edge, . transparent.
SIGN_SMALL = [
    ".......",
    ".......",
    "KKK....",
    "KYYKKKK",
    "KLLLLLK",
    "KYYYYYK",
    "KYYYYYK",
    "KYYYYYK",
    "KKKKKKK",
]
SIGN_BIG = [
    "...........",
    "KKKKK......",
    "KYYYYKKKKKK",
    "KYYYYYYYYYK",
    "KLLLLLLLLLK",
    "KYYYYYYYYYK",
    "KYYYYYYYYYK",
    "KYYYYYYYYYK",
    "KYYYYYYYYYK",
    "KYYYYYYYYYK",
    "KKKKKKKKKKK",
]
SIGN_COLOURS = {'K': INK + (255,), 'Y': FOLDER + (255,), 'L': (255, 228, 140, 255), '.': (0, 0, 0, 0)}


def render(shapes, size):
    """The shapes drawn over each other into a size x size picture."""
    scale = 32.0 / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) * scale
                    v = (y + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for inside, c in shapes:
                        if inside(u, v):
                            colour = c
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = SAMPLES * SAMPLES
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
        rows.append(row)
    return size, size, rows


def pixel_art(lines):
    return len(lines[0]), len(lines), [[SIGN_COLOURS[ch] for ch in line] for line in lines]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'media', 'icons', 'Standart')
    os.makedirs(out, exist_ok=True)
    files = {name: encode_icon([render(shapes, 16), render(shapes, 32)]) for name, shapes in ICONS.items()}
    files['CategorySign.ico'] = encode_icon([pixel_art(SIGN_SMALL), pixel_art(SIGN_BIG)])
    for name, data in sorted(files.items()):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)
    print(f'{len(files)} icon files in {os.path.normpath(out)}')


if __name__ == '__main__':
    main()
