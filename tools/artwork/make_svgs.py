#!/usr/bin/python3
"""Writes the panel's four SVG drawings.

    make_svgs.py <img_Source dir> <title font> <title word font>

The title lettering comes from the fonts' outlines (no <text>, so nothing
depends on fonts at run time); the icons are plain geometry.

The panel stretches each drawing's *content bounds* (not its view box) into
its slot, so every drawing sets its own art box with an invisible rectangle
shaped like that slot: 108x40 for the title, 17x15 for the gear and 17x17 for
both headsets, which also keeps the two headsets exactly on top of each other.
"""

import math
import sys
from pathlib import Path

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

PAGE_W, PAGE_H = 595.28, 841.89
TITLE_W, TITLE_H = 1554.03, 513.37


def num(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pt(x, y):
    return f"{num(x)} {num(y)}"


def svg_document(width, height, body):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{num(width)}" height="{num(height)}" '
        f'viewBox="0 0 {width} {height}">\n{body}</svg>\n'
    )


def art_box(x, y, w, h):
    # Invisible, but it decides the content bounds the panel stretches.
    return f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" fill="none"/>\n'


# --------------------------------------------------------------------------
# Title

class Face:
    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.cap = self.font["OS/2"].sCapHeight

    def glyph(self, ch):
        return self.glyphs[self.cmap[ord(ch)]]

    def bounds(self, ch):
        pen = BoundsPen(self.glyphs)
        self.glyph(ch).draw(pen)
        return pen.bounds

    def run(self, text, tracking=0.0):
        """(char, x offset) pairs in font units, plus the ink extent."""
        placed, x = [], 0.0
        left = right = None
        for ch in text:
            b = self.bounds(ch)
            placed.append((ch, x))
            left = x + b[0] if left is None else left
            right = x + b[2]
            x += self.glyph(ch).width + tracking
        return placed, left, right

    def path_data(self, ch, scale, dx, baseline):
        pen = SVGPathPen(self.glyphs, ntos=num)
        # Font units are y-up; SVG is y-down.
        self.glyph(ch).draw(TransformPen(pen, (scale, 0, 0, -scale, dx, baseline)))
        return pen.getCommands()


def make_title(big_face, word_face):
    # Content area shaped like the panel's 108x40 slot, centred in the view box.
    content_h = 480.0
    content_w = content_h * 108.0 / 40.0
    x0 = (TITLE_W - content_w) / 2.0
    y0 = (TITLE_H - content_h) / 2.0

    # "Q5": ink from the cap top to the bottom of the Q's tail fills the height.
    q_bounds = big_face.bounds("Q")
    top = max(q_bounds[3], big_face.bounds("5")[3])
    s = content_h / (top - q_bounds[1])
    baseline = y0 + top * s
    placed, left, right = big_face.run("Q5", tracking=-40)
    dx = x0 - left * s
    q_path = big_face.path_data("Q", s, dx + placed[0][1] * s, baseline)
    five_path = big_face.path_data("5", s, dx + placed[1][1] * s, baseline)
    q5_right = dx + right * s

    # The word: set on the Q5 baseline, its letters spread to end flush with the box.
    gap = 0.16 * big_face.cap * s
    word_left, word_right = q5_right + gap, x0 + content_w
    word_cap = 0.25 * big_face.cap * s
    ws = word_cap / word_face.cap
    word = "CONTROL"
    natural, l0, r0 = word_face.run(word)
    tracking = ((word_right - word_left) / ws - (r0 - l0)) / (len(word) - 1)
    placed, l0, r0 = word_face.run(word, tracking)
    wdx = word_left - l0 * ws
    word_path = "".join(word_face.path_data(ch, ws, wdx + x * ws, baseline) for ch, x in placed)

    # A rule in the accent colour over the word, level with the cap top: it
    # closes the box on the right and echoes the panel's thin rings.
    rule_h = 0.045 * big_face.cap * s
    rule_top = baseline - big_face.cap * s
    rule = (f"M{pt(word_left, rule_top)}H{num(word_right)}V{num(rule_top + rule_h)}"
            f"H{num(word_left)}Z")

    body = (
        art_box(x0, y0, content_w, content_h)
        + f'<path fill="#FFFFFF" d="{q_path}"/>\n'
        + f'<path fill="#E74619" d="{five_path}"/>\n'
        + f'<path fill="#C8C8C9" d="{word_path}"/>\n'
        + f'<path fill="#E74619" d="{rule}"/>\n'
    )
    return svg_document(TITLE_W, TITLE_H, body)


# --------------------------------------------------------------------------
# Icons: geometry around the page centre.

CX, CY = PAGE_W / 2.0, PAGE_H / 2.0


def polar(r, degrees, cx=0.0, cy=0.0):
    a = math.radians(degrees)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def arc_to(r, degrees, cx=0.0, cy=0.0, sweep=1, large=0):
    x, y = polar(r, degrees, cx, cy)
    return f"A{num(r)} {num(r)} 0 {large} {sweep} {pt(CX + x, CY + y)}"


def move(x, y):
    return f"M{pt(CX + x, CY + y)}"


def line(x, y):
    return f"L{pt(CX + x, CY + y)}"


def circle(r, cx=0.0, cy=0.0, clockwise=True):
    """A full circle as two arcs (clockwise on screen when sweep=1)."""
    sweep = 1 if clockwise else 0
    a, b = (0, 180) if clockwise else (0, -180)
    return (move(*polar(r, a, cx, cy)) + arc_to(r, b, cx, cy, sweep)
            + arc_to(r, a + 360 if clockwise else a - 360, cx, cy, sweep) + "Z")


def annular_arc(r, thickness, start, end, cx=0.0, cy=0.0):
    """A band of the given thickness along a clockwise arc, with round ends."""
    ro, ri, cap = r + thickness / 2.0, r - thickness / 2.0, thickness / 2.0
    large = 1 if (end - start) > 180 else 0
    ex, ey = polar(r, end, cx, cy)
    sx, sy = polar(r, start, cx, cy)
    return (move(*polar(ro, start, cx, cy))
            + arc_to(ro, end, cx, cy, 1, large)
            + arc_to(cap, end + 180, ex, ey, 1)
            + arc_to(ri, start, cx, cy, 0, large)
            + arc_to(cap, start + 360, sx, sy, 1)
            + "Z")


def rounded_rect(x, y, w, h, r):
    return (move(x + r, y) + line(x + w - r, y) + arc_to(r, 0, x + w - r, y + r)
            + line(x + w, y + h - r) + arc_to(r, 90, x + w - r, y + h - r)
            + line(x + r, y + h) + arc_to(r, 180, x + r, y + h - r)
            + line(x, y + r) + arc_to(r, 270, x + r, y + r) + "Z")


def make_gear():
    teeth, tip_r, root_r, hole_r = 8, 100.0, 78.0, 34.0
    pitch = 360.0 / teeth
    tip_half, root_half = 9.5, 14.0

    d = ""
    for i in range(teeth):
        a = i * pitch - 90.0
        p0 = polar(root_r, a - root_half)
        d += (move(*p0) if i == 0 else line(*p0))
        d += line(*polar(tip_r, a - tip_half))
        d += arc_to(tip_r, a + tip_half)
        d += line(*polar(root_r, a + root_half))
        d += arc_to(root_r, a + pitch - root_half)
    d += "Z"
    # Counter-clockwise, so the hole stays open under either fill rule.
    d += circle(hole_r, clockwise=False)

    box_h = 2.0 * tip_r
    box_w = box_h * 17.0 / 15.0
    body = (art_box(CX - box_w / 2, CY - box_h / 2, box_w, box_h)
            + f'<path fill="#F7F7F7" fill-rule="evenodd" d="{d}"/>\n')
    return svg_document(PAGE_W, PAGE_H, body)


# Headset, in units around (CX, CY + HEADSET_DY). The band is as thick as the
# mute slash, so the two glyphs share one line weight.
BAND_R, BAND_T = 92.0, 27.0
CUP_W, CUP_H, CUP_Y, CUP_R = 54.0, 92.0, -20.0, 20.0
BOOM_C, BOOM_R, BOOM_T = (-2.0, 26.0), 84.0, 18.0
MIC_W, MIC_H = 52.0, 30.0
HEADSET_DY = -12.0
HEADSET_BOX = 260.0
SLASH = ((-94.0, -92.0), (94.0, 122.0))
SLASH_WIDTH = 27.3304
SLASH_GAP = 12.0


def headset_path():
    dy = HEADSET_DY
    d = annular_arc(BAND_R, BAND_T, 180.0, 360.0, 0.0, dy)
    for side in (-1, 1):
        x = side * BAND_R - CUP_W / 2.0
        d += rounded_rect(x, CUP_Y + dy, CUP_W, CUP_H, CUP_R)
    # The boom leaves the left cup and sweeps round under the chin.
    bx, by = BOOM_C
    d += boom_path(bx, by + dy)
    mic_x = bx - 10.0
    mic_y = by + dy + BOOM_R - MIC_H / 2.0
    d += rounded_rect(mic_x, mic_y, MIC_W, MIC_H, MIC_H / 2.0)
    return d


def boom_path(cx, cy):
    # Clockwise from the bottom (90 deg) to the left (180 deg) of its circle:
    # the end at the cup is hidden inside it, the bottom end inside the mic.
    return annular_arc(BOOM_R, BOOM_T, 90.0, 180.0, cx, cy)


def headset_box():
    return art_box(CX - HEADSET_BOX / 2.0, CY - HEADSET_BOX / 2.0 + HEADSET_DY + 15.0,
                   HEADSET_BOX, HEADSET_BOX)


def make_headset():
    body = headset_box() + f'<path fill="#C9C9CA" d="{headset_path()}"/>\n'
    return svg_document(PAGE_W, PAGE_H, body)


def make_headset_muted():
    (x1, y1), (x2, y2) = SLASH
    y1 += HEADSET_DY
    y2 += HEADSET_DY

    # The headset is clipped away in a band round the slash, so the two read
    # apart even though they share one colour. The page runs clockwise and the
    # band anticlockwise, which cuts the band out under a non-zero rule.
    half = SLASH_WIDTH / 2.0 + SLASH_GAP
    angle = math.degrees(math.atan2(y2 - y1, x2 - x1))
    band = (move(*polar(half, angle - 90.0, x1, y1))
            + arc_to(half, angle - 270.0, x1, y1, 0)
            + line(*polar(half, angle + 90.0, x2, y2))
            + arc_to(half, angle - 90.0, x2, y2, 0)
            + "Z")
    page = f"M0 0H{num(PAGE_W)}V{num(PAGE_H)}H0Z"

    body = (
        headset_box()
        + f'<defs><clipPath id="gap"><path d="{page}{band}"/></clipPath></defs>\n'
        # On the path itself: JUCE applies clip paths to shapes, not to groups.
        + f'<path clip-path="url(#gap)" fill="#C9CACA" d="{headset_path()}"/>\n'
        + f'<line x1="{num(CX + x1)}" y1="{num(CY + y1)}" x2="{num(CX + x2)}" y2="{num(CY + y2)}" '
        f'fill="none" stroke="#C9CACA" stroke-width="{SLASH_WIDTH}" stroke-linecap="round"/>\n'
    )
    return svg_document(PAGE_W, PAGE_H, body)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)

    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    files = {
        "svg_Title.svg": make_title(Face(sys.argv[2]), Face(sys.argv[3])),
        "svg_Setting.svg": make_gear(),
        "svg_Headset.svg": make_headset(),
        "svg_HeadsetMuted.svg": make_headset_muted(),
    }
    for name, text in files.items():
        (out / name).write_text(text, encoding="utf-8")
        print(f"wrote {name} ({len(text.encode())} bytes)")


if __name__ == "__main__":
    main()
