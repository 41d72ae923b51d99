#!/usr/bin/env python3
"""A PNG of every image of the icon catalogue with an empty custom folder, to look at.

The 32 plain icons, then the 27 category variants (the category sign in the
lower-left corner), each at 16 x 16 and 32 x 32, enlarged three times, on a
light and on a dark background.

    python3 tools/icons/contact_sheet.py [icon folder] [output.png]
"""

import os
import struct
import sys
import zlib

from icofile import decode_icon

SPECIAL = ['up.ico', 'DefaultCategory.ico', 'MissingIcon.ico', 'CategorySign.ico', 'Wallet.ico']
CARD_TYPES = ['BankAccount.ico', 'BirthDay.ico', 'CallingCard.ico', 'CarInfo.ico', 'ClothesSizes.ico',
              'CombinationLock.ico', 'Contact.ico', 'CreditCard.ico', 'DriversLicence.ico', 'EmergencyNumbers.ico',
              'FreeForm.ico', 'GeneralPurpose.ico', 'HealthNumbers.ico', 'IDCard.ico', 'InsurancyPolicy.ico',
              'LensPrescription.ico', 'LibraryCard.ico', 'MembershipInfo.ico', 'PassportInfo.ico', 'Password.ico',
              'Prescription.ico', 'SerialNumber.ico', 'SocialSecurityNumber.ico', 'SoftwareSerialNumber.ico',
              'VoiceMailInfo.ico', 'VoterCard.ico', 'WebSite.ico']
ZOOM = 3
COLUMNS = 8
BACKGROUNDS = [(236, 236, 236), (60, 60, 70)]


def by_size(pictures, width, height):
    """The last picture of the given size, as the catalogue takes it."""
    return [p for p in pictures if p[0] == width and p[1] == height][-1]


def with_sign(picture, sign):
    width, height, rows = picture
    sign_width, sign_height, sign_rows = sign
    rows = [list(r) for r in rows]
    for y in range(sign_height):
        rows[height - sign_height + y][:sign_width] = sign_rows[y]
    return width, height, rows


def catalogue(folder):
    def read(name):
        with open(os.path.join(folder, name), 'rb') as f:
            return decode_icon(f.read())
    sign = read('CategorySign.ico')
    small_sign, big_sign = by_size(sign, 7, 9), by_size(sign, 11, 11)
    plain = []
    for name in SPECIAL + CARD_TYPES:
        if name == 'CategorySign.ico':
            plain.append((name, small_sign, big_sign))
        else:
            pictures = read(name)
            plain.append((name, by_size(pictures, 16, 16), by_size(pictures, 32, 32)))
    variants = [(name, with_sign(small, small_sign), with_sign(big, big_sign)) for name, small, big in plain[5:]]
    return plain + variants


def blend(background, pixel):
    r, g, b, a = pixel
    return tuple((c * a + bg * (255 - a)) // 255 for c, bg in zip((r, g, b), background))


def sheet(images):
    cell_w = ZOOM * (16 + 32) + 3 * 4
    cell_h = ZOOM * 32 + 8
    rows = (len(images) + COLUMNS - 1) // COLUMNS
    width = COLUMNS * cell_w * len(BACKGROUNDS)
    height = rows * cell_h
    canvas = [[(255, 255, 255)] * width for _ in range(height)]
    for half, background in enumerate(BACKGROUNDS):
        for i, (_, small, big) in enumerate(images):
            left = half * COLUMNS * cell_w + (i % COLUMNS) * cell_w
            top = (i // COLUMNS) * cell_h
            for y in range(cell_h - 2):
                for x in range(cell_w - 2):
                    canvas[top + y][left + x] = background
            x0 = left + 4
            for picture in (small, big):
                w, h, pixels = picture
                for y in range(h * ZOOM):
                    for x in range(w * ZOOM):
                        canvas[top + 4 + y][x0 + x] = blend(background, pixels[y // ZOOM][x // ZOOM])
                x0 += w * ZOOM + 4
    return width, height, canvas


def png(width, height, canvas, alpha=False):
    """A PNG of rows of (r, g, b) pixels, or (r, g, b, a) ones with `alpha`."""
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in canvas)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6 if alpha else 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'media', 'icons', 'Standart')
    out = sys.argv[2] if len(sys.argv) > 2 else 'icons.png'
    images = catalogue(folder)
    with open(out, 'wb') as f:
        f.write(png(*sheet(images)))
    print(f'{len(images)} images in {out}')


if __name__ == '__main__':
    main()
