#!/usr/bin/env python3
"""Prints an icon drawing (ImageMagick MVG) with two shorthands expanded.

ImageMagick 6 strokes open paths and polylines badly (thick arcs come out as
filled wedges), so round strokes are drawn as filled polygons instead:

  sector CX,CY R_IN R_OUT A0 A1      ring segment from angle A0 to A1
  ticks CX,CY R_IN R_OUT A0 A1 STEP  one line per STEP degrees from A0 to A1

Angles are in degrees, counter-clockwise from three o'clock, as on a dial.
Lines starting with '#' are comments and are dropped.
"""
import math
import sys


def point(cx, cy, r, degrees):
    a = math.radians(degrees)
    return f"{cx + r * math.cos(a):.2f},{cy - r * math.sin(a):.2f}"


def centre(text):
    x, y = text.split(",")
    return float(x), float(y)


def sector(args):
    (cx, cy), r_in, r_out, a0, a1 = centre(args[0]), *map(float, args[1:5])
    steps = max(2, int(abs(a1 - a0) / 4) + 1)
    angles = [a0 + (a1 - a0) * i / steps for i in range(steps + 1)]
    outer = [point(cx, cy, r_out, a) for a in angles]
    inner = [point(cx, cy, r_in, a) for a in reversed(angles)]
    return "polygon " + " ".join(outer + inner)


def ticks(args):
    (cx, cy), r_in, r_out, a0, a1, step = centre(args[0]), *map(float, args[1:6])
    lines = []
    count = int(round(abs(a1 - a0) / step))
    direction = 1 if a1 >= a0 else -1
    for i in range(count + 1):
        a = a0 + direction * step * i
        lines.append(f"line {point(cx, cy, r_in, a)} {point(cx, cy, r_out, a)}")
    return "\n".join(lines)


def main(path):
    out = []
    with open(path) as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "sector":
                out.append(sector(words[1:]))
            elif words[0] == "ticks":
                out.append(ticks(words[1:]))
            else:
                out.append(line.rstrip("\n"))
    print("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1])
