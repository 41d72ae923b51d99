"""Writing and reading icon files (.ico) with plain, uncompressed bitmap images.

A picture is (width, height, pixels): pixels a list of rows from the top, each
a list of (red, green, blue, alpha) tuples.
"""

import struct


def _row_bytes(width, bit_count):
    return (width * bit_count + 31) // 32 * 4


def encode_image(width, height, pixels):
    """One 32-bit image: header (height doubled), colour rows, mask rows, both bottom-up.

    A pixel is transparent in the mask only when its alpha is 0, so its
    half-transparent edge pixels keep their alpha.
    """
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
        bits = bytearray(_row_bytes(width, 1))
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def encode_icon(pictures):
    """An icon file of the given pictures, in order."""
    images = [encode_image(*p) for p in pictures]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (width, height, _), image in zip(pictures, images):
        out += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def _palette_pixel(row, x, bit_count, palette):
    pos = x * bit_count
    index = (row[pos // 8] >> (8 - bit_count - pos % 8)) & ((1 << bit_count) - 1)
    return palette[index]


def decode_icon(data):
    """Every picture of an icon file, transparency from alpha and mask."""
    _, _, count = struct.unpack_from('<HHH', data, 0)
    pictures = []
    for i in range(count):
        size, offset = struct.unpack_from('<II', data, 6 + 16 * i + 8)
        (hsize, width, height2, _, bits, _, _, _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', data, offset)
        height = height2 // 2
        colours = used or (1 << bits if bits <= 8 else 0)
        palette = [struct.unpack_from('<BBBB', data, offset + hsize + 4 * k) for k in range(colours)]
        palette = [(r, g, b, 255) for b, g, r, _ in palette]
        xor = offset + hsize + 4 * colours
        stride = _row_bytes(width, bits)
        mask_at = xor + stride * height
        mask_stride = _row_bytes(width, 1)
        rows = []
        for y in range(height):
            line = data[xor + (height - 1 - y) * stride:][:stride]
            mask = data[mask_at + (height - 1 - y) * mask_stride:][:mask_stride]
            row = []
            for x in range(width):
                if bits == 32:
                    b, g, r, a = line[4 * x:4 * x + 4]
                elif bits == 24:
                    b, g, r = line[3 * x:3 * x + 3]
                    a = 255
                else:
                    r, g, b, a = _palette_pixel(line, x, bits, palette)
                if mask and mask[x // 8] & (0x80 >> (x % 8)):
                    a = 0
                row.append((r, g, b, a))
            rows.append(row)
        pictures.append((width, height, rows))
    return pictures
