#!/usr/bin/env python3
"""Packs raw RGBA images into Windows .ico and .cur files.

ImageMagick cannot set a cursor's hot spot, and the icon layout it writes varies
between versions, so the containers are written here byte by byte:

  pack_icon.py ico OUT.ico SIZE:FILE.rgba [SIZE:FILE.rgba ...]
      one 32-bit image (straight alpha plus a 1-bit AND mask) per size
  pack_icon.py cur OUT.cur SIZE:FILE.rgba HOTX HOTY
      one monochrome cursor image: opaque light pixels white, opaque dark
      pixels black, transparent pixels (alpha below 128) see-through
"""
import struct
import sys


def read_rgba(entry):
    size_text, path = entry.split(":", 1)
    size = int(size_text)
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != size * size * 4:
        sys.exit(f"pack_icon: {path} holds {len(data)} bytes, not {size}x{size} RGBA")
    return size, data


def mask_rows(size, transparent):
    """1-bit rows, bottom-up, each padded to 32 bits; bit set = transparent."""
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def info_header(size, bits, image_bytes):
    # The height counts the colour rows and the mask rows together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def icon_image(size, rgba):
    pixels = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = rgba[(y * size + x) * 4:(y * size + x) * 4 + 4]
            if a == 0:
                r = g = b = 0
            pixels += bytes((b, g, r, a))
    mask = mask_rows(size, lambda x, y: rgba[(y * size + x) * 4 + 3] < 128)
    body = bytes(pixels) + mask
    return info_header(size, 32, len(body)) + body


def cursor_image(size, rgba):
    def pixel(x, y):
        return rgba[(y * size + x) * 4:(y * size + x) * 4 + 4]

    def transparent(x, y):
        return pixel(x, y)[3] < 128

    def white(x, y):
        r, g, b, a = pixel(x, y)
        return a >= 128 and (r * 299 + g * 587 + b * 114) >= 128000

    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor = mask_rows(size, white)
    body = xor + mask_rows(size, transparent)
    return info_header(size, 1, len(body)) + palette + body


def write_container(path, kind, entries):
    """entries: (size, image bytes, planes-or-hotx, bits-or-hoty)."""
    head = struct.pack("<HHH", 0, kind, len(entries))
    offset = len(head) + 16 * len(entries)
    directory = b""
    images = b""
    for size, image, field1, field2 in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, field1, field2, len(image),
                                 offset + len(images))
        images += image
    with open(path, "wb") as f:
        f.write(head + directory + images)


def main(argv):
    if len(argv) >= 4 and argv[1] == "ico":
        entries = []
        for entry in argv[3:]:
            size, rgba = read_rgba(entry)
            entries.append((size, icon_image(size, rgba), 1, 32))
        write_container(argv[2], 1, entries)
    elif len(argv) == 6 and argv[1] == "cur":
        size, rgba = read_rgba(argv[3])
        entries = [(size, cursor_image(size, rgba), int(argv[4]), int(argv[5]))]
        write_container(argv[2], 2, entries)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
