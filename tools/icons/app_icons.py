#!/usr/bin/env python3
"""Draws the application icon for the desktop's hicolor theme.

The icon is the wallet glyph of the program's own icon set, drawn from the
same shapes at every size the theme asks for, into
setup/linux/icons/hicolor/<N>x<N>/apps/. The output is the same on every run.

    python3 tools/icons/app_icons.py [output folder]
"""

import os
import sys

from contact_sheet import png
from generate_icons import ICONS, render

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
NAME = 'com.quorvex.Keldra.png'


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'setup', 'linux', 'icons', 'hicolor')
    for size in SIZES:
        width, height, rows = render(ICONS['Wallet.ico'], size)
        folder = os.path.join(out, f'{size}x{size}', 'apps')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, NAME), 'wb') as f:
            f.write(png(width, height, rows, alpha=True))
    print(f'{len(SIZES)} sizes of {NAME} in {os.path.normpath(out)}')


if __name__ == '__main__':
    main()
