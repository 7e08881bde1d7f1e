#!/usr/bin/env python3
"""Writes the capsule look's artwork as C++ data (CapsuleArt.cpp) on standard output.

    python3 controls/button/styles/capsule_art.py > controls/button/styles/CapsuleArt.cpp

The faces, the strips, the corner outlines, the telling rows and the pixels the normal art
leaves undrawn are fixed tables below and pass through unchanged. The other corner pixels are
drawn here. Round each corner the rim follows a quarter circle (RIMS). A pixel at a distance d
inside that circle takes the side strip's colour d lines inside the side's rim, blended by the
pixel's angle with the top (or bottom) strip's colour d lines inside that strip's rim; beyond
a strip's outermost line the colour fades into the near-white fringe. Corner pixels level
with the straight part of a strip take that strip's own colour, so the strips run on into the
corners.
"""

import math

STATES = ("normal", "hover", "down")

FACE = (0xEAE7E8, 0xE2A66A, 0xCC9B6A)

# The strip lines, (normal, hover, down): the left strip's columns x = 0 .. 17, the right
# strip's x = W-17 .. W-1, the top strip's rows y = 0 .. 11, the bottom strip's y = H-11 .. H-1.
STRIPS = (
    (0xF7F7F7, 0xF7F7F7, 0xF7F7F7),
    (0xA0A0A0, 0xB0A09E, 0xA99D9B),
    (0x999999, 0x712E13, 0x632D17),
    (0xC3C3C3, 0xBD5F14, 0xA65A1D),
    (0xC9C9C9, 0xD17327, 0xB96C2E),
    (0xD5D5D5, 0xD47F31, 0xBC7738),
    (0xD7D7D7, 0xD98C3D, 0xC18242),
    (0xDFDFDF, 0xD9944B, 0xC2894E),
    (0xE0E0E0, 0xD7944F, 0xC18A52),
    (0xE0E0E0, 0xDC9C55, 0xC59157),
    (0xE4E4E4, 0xDC9B57, 0xC59159),
    (0xE6E8E6, 0xE3A362, 0xCC9863),
    (0xE8E7E7, 0xE3A265, 0xCC9665),
    (0xEAE7E8, 0xE2A367, 0xCB9767),
    (0xEAE7E8, 0xE0A165, 0xC99565),
    (0xEAE7E8, 0xE3A66A, 0xCC9A6A),
    (0xEAE7E8, 0xE3A66A, 0xCC9A6A),
    (0xEAE7E8, 0xE2A66A, 0xCC9B6A),
    (0xEAE7E8, 0xE2A66A, 0xCC9B6A),
    (0xEAE7E8, 0xE2A66A, 0xCC9B6A),
    (0xEAE7E8, 0xE1A464, 0xCA9864),
    (0xEAE7E8, 0xE0A363, 0xC99763),
    (0xE7E7E7, 0xE0A363, 0xC99763),
    (0xE6E6E6, 0xE1A161, 0xCA9562),
    (0xE4E4E4, 0xE09F5B, 0xC9945D),
    (0xE0E0E0, 0xDE9855, 0xC68E57),
    (0xE0E0E0, 0xDC9752, 0xC48C55),
    (0xDEDEDE, 0xDB934B, 0xC3884E),
    (0xD9D9D9, 0xD68D39, 0xBE823E),
    (0xD3D3D3, 0xD17F2D, 0xB97634),
    (0xCCCCCC, 0xD67426, 0xBD6D2D),
    (0xC3C3C3, 0xC05D13, 0xA8581C),
    (0xA3A3A3, 0x7C3514, 0x6D3319),
    (0x9C9C9C, 0xAB9B98, 0xA49794),
    (0xF6F6F6, 0xF6F6F6, 0xF6F6F6),
    (0x67696A, 0x450608, 0x3C090A),
    (0xF5F4F6, 0xF1D4C9, 0xDEC7BE),
    (0xF3F2F4, 0xE5C8BD, 0xD3BCB2),
    (0xEEEEEE, 0xE8C0A1, 0xD4B39A),
    (0xEBEBEB, 0xE0B898, 0xCCAC92),
    (0xEBE8EA, 0xE3B48E, 0xCFA88A),
    (0xEBE8EA, 0xE0B18B, 0xCCA587),
    (0xEAEAEA, 0xE9B47F, 0xD2A77D),
    (0xE1E1E1, 0xCE9963, 0xB98E62),
    (0xE5E2E3, 0xDDA064, 0xC69464),
    (0xEAE7E8, 0xE2A66A, 0xCC9B6A),
    (0xE8EBE9, 0xE6AC76, 0xD0A175),
    (0xE8EBE9, 0xE6AC76, 0xD0A175),
    (0xEEF1EF, 0xF1B681, 0xDAAA7F),
    (0xF2F2F2, 0xF3BD8A, 0xDCB087),
    (0xF5F5F5, 0xFCC592, 0xE4B88E),
    (0xFFFEFE, 0xF8CE97, 0xE1BF93),
    (0xFFFFFF, 0xFED59E, 0xE7C699),
    (0xFDFDFD, 0xF7DDA3, 0xE2CC9D),
    (0xFEFEFE, 0xFFE6AD, 0xE9D5A6),
    (0xFBFBFB, 0xE9E2C5, 0xD7D2BA),
    (0x545454, 0x635D40, 0x5A563E),
    (0xC5C5C5, 0xC5C5C5, 0xC5C5C5),
)
LEFT, RIGHT, TOP, BOTTOM = STRIPS[0:18], STRIPS[18:35], STRIPS[35:47], STRIPS[47:58]

WIDTH = 17  # every patch is 17 columns wide
TOP_ROWS = 11  # rows 0 .. 10
BOTTOM_ROWS = 10  # rows H-10 .. H-1
UNDRAWN = None

# Per patch row (top to bottom), how many pixels in from the patch's outer side the drawn part
# begins; the same in the three states.
OUTLINES = {
    "topLeft": (6, 5, 3, 3, 2, 1, 1, 1, 0, 0, 0),
    "bottomLeft": (0, 0, 0, 0, 1, 1, 2, 2, 3, 5),
    "topRight": (7, 5, 4, 3, 2, 1, 1, 1, 0, 0, 0),
    "bottomRight": (0, 0, 0, 1, 1, 1, 2, 3, 4, 5),
}

# Normal art only: (patch row, patch column) left undrawn inside the bottom patches; a patch
# column of a right patch counts from W-17.
NORMAL_HOLES = {
    "bottomLeft": ((4, 11), (4, 13), (4, 15), (5, 9)),
    "bottomRight": ((4, 0), (4, 2), (4, 3), (4, 4), (4, 7), (5, 5), (5, 7), (6, 4)),
}

_ = UNDRAWN
# (state, patch, patch row): the row from column 0 (or W-17), None where undrawn.
TELLING = {
    ("normal", "topLeft", 0): [_] * 6 + [0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B,
                                         0x6F6F6F, 0x716F6F, 0x727070, 0x676866, 0x6C6D6B],
    ("normal", "topLeft", 3): [_] * 3 + [0xEEEEEE, 0x717171, 0x6C6C6C, 0x909090, 0xD2D2D2, 0xE3E3E3, 0xECECEC,
                                         0xEDEDED, 0xEEEEEE, 0xEDEDED, 0xEEEEEE, 0xEDEDED, 0xEEEEEE, 0xEDEDED],
    ("normal", "bottomLeft", 8): [_] * 3 + [0xFEFEFE, 0xF9F9F9, 0xECECEC, 0xDADADA, 0xC1C1C1, 0x9D9D9D, 0x7B7B7B,
                                            0x5E5E5E, 0x535353, 0x4D4D4D, 0x4B4B4B, 0x505050, 0x525252, 0x555555],
    ("hover", "topLeft", 0): [_] * 6 + [0xFEFEFE, 0xE6E5E5, 0xA9A5A5, 0x6C5E5E, 0x482729, 0x370D0C, 0x370706,
                                        0x360605, 0x3A0606, 0x410807, 0x450707],
    ("down", "topLeft", 0): [_] * 6 + [0xFEFEFE, 0xE5E4E4, 0xA5A2A2, 0x675C5C, 0x422729, 0x300E0D, 0x300A09,
                                       0x2F0908, 0x330909, 0x390A0A, 0x3C0A0A],
}

FRINGE = 0xFEFEFE
# The rim runs round each corner on a circle: its centre (columns in from the outer side, rows
# in from the outer rim) and radius, fitted to the rim pixels of the telling rows. The side
# strips' rim is their column 2; the top strip's is its row 0, the bottom strip's row H-2.
SIDE_RIM = 2
RIMS = {"top": (11.87, 9.87, 9.37, 0), "bottom": (11.0, 10.0, 8.5, 1)}


def channels(colour):
    return [(colour >> shift) & 0xFF for shift in (0, 8, 16)]


def blend(a, b, t):
    t = min(max(t, 0.0), 1.0)
    mixed = [round(ca + (cb - ca) * t) for ca, cb in zip(channels(a), channels(b))]
    return mixed[0] | mixed[1] << 8 | mixed[2] << 16


def sample(profile, index):
    """The profile (outermost line first) at a fractional line index; outside its first line
    it fades into the fringe."""
    if index < 0:
        return blend(FRINGE, profile[0], 1.0 + index)
    if index >= len(profile) - 1:
        return profile[-1]
    low = int(index)
    return blend(profile[low], profile[low + 1], index - low)


def corner_colour(side, rim, across, down, circle):
    """A pixel `across` columns in from the outer side and `down` rows in from the outer rim;
    side and rim are the strip profiles, outermost line first."""
    centre_x, centre_y, radius, rim_line = circle
    x, y = across + 0.5, down + 0.5
    if x >= centre_x:
        return rim[down]
    if y >= centre_y:
        return side[across]
    dx, dy = centre_x - x, centre_y - y
    inside = radius - math.hypot(dx, dy)  # below the rim's centre line
    towards_rim = math.atan2(dy, dx) / (math.pi / 2)
    return blend(sample(side, inside + SIDE_RIM), sample(rim, inside + rim_line), towards_rim)


def patch(state, name):
    s = STATES.index(state)
    right = name.endswith("Right")
    bottom = name.startswith("bottom")
    side = [c[s] for c in (RIGHT[::-1] if right else LEFT)]
    rim = [c[s] for c in (BOTTOM[::-1] if bottom else TOP)]
    rows = BOTTOM_ROWS if bottom else TOP_ROWS
    circle = RIMS["bottom" if bottom else "top"]
    pixels = []
    for row in range(rows):
        down = rows - 1 - row if bottom else row
        line = []
        for column in range(WIDTH):
            across = WIDTH - 1 - column if right else column
            drawn = across >= OUTLINES[name][row]
            line.append(corner_colour(side, rim, across, down, circle) if drawn else UNDRAWN)
        telling = TELLING.get((state, name, row))
        if telling:
            line = list(telling)
        pixels.append(line)
    if state == "normal":
        for row, column in NORMAL_HOLES.get(name, ()):
            pixels[row][column] = UNDRAWN
    return pixels


def hexes(colours):
    return ", ".join("0x%08X" % 0xFFFFFFFF if c is UNDRAWN else "0x%06X" % c for c in colours)


PATCHES = (("topLeft", "top left"), ("bottomLeft", "bottom left"), ("topRight", "top right"),
           ("bottomRight", "bottom right"))


def patch_rows():
    for state in STATES:
        for name, label in PATCHES:
            for row, line in enumerate(patch(state, name)):
                yield "    {%s},  // %s, %s, row %d" % (hexes(line), state, label, row)


def main():
    print("// Generated by capsule_art.py, which holds the tables; after changing them, regenerate with")
    print("//   python3 controls/button/styles/capsule_art.py > controls/button/styles/CapsuleArt.cpp")
    print()
    print('#include "controls/button/styles/CapsuleArt.h"')
    print()
    print("namespace tirnel {")
    print()
    print("// clang-format off")
    print("const CapsuleColors kCapsuleFace = {%s};" % hexes(FACE))
    print()
    print("const std::array<CapsuleColors, kCapsuleStripLines> kCapsuleStrips = {{")
    print("\n".join("    {%s}," % hexes(line) for line in STRIPS))
    print("}};")
    print()
    print("// 0xFFFFFFFF is kCapsuleUndrawn.")
    print("const std::array<CapsulePatchRow, kCapsulePatchRows> kCapsulePatches = {{")
    print("\n".join(patch_rows()))
    print("}};")
    print("// clang-format on")
    print()
    print("}  // namespace tirnel")


if __name__ == "__main__":
    main()
