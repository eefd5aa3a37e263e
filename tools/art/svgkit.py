"""Small helpers shared by the artwork modules: the palette, the image record and SVG text
builders. Everything is plain SVG 1.1 without filters, so that librsvg and QtSvg draw the
sources alike; glows are radial gradients, not blur filters."""

from dataclasses import dataclass

# One dark palette for the whole program; style.qss uses the same values.
BG0 = "#0c0e13"       # deepest: window edges, wells
BG1 = "#13161d"       # window background
BG2 = "#1a1e27"       # panels
BG3 = "#232834"       # controls at rest
BG4 = "#2d3341"       # controls under the pointer
LINE = "#343b4b"      # frames and separators
TEXT = "#e4e8ef"      # main text and bright glyphs
TEXT2 = "#95a0b2"     # secondary text, glyphs at rest
TEXT3 = "#596175"     # disabled
ACCENT = "#22a7ff"    # the one accent colour
ACCENT_HI = "#6cc6ff"
ACCENT_LO = "#0b6fb8"
DANGER = "#ff4a5a"
SUCCESS = "#2fd47c"
WARNING = "#ffb22e"


@dataclass
class Art:
    """One image: its path below the output folder without extension, its size at 1x in
    pixels and its SVG text (which carries the same size)."""
    path: str
    width: int
    height: int
    svg: str


def doc(width, height, body, defs="", view=None):
    """An SVG document of width x height pixels; view is the viewBox when it differs."""
    box = view or f"0 0 {width} {height}"
    defs_part = f"<defs>{defs}</defs>\n" if defs else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="{box}">\n{defs_part}{body}\n</svg>\n')


def art(path, width, height, body, defs=""):
    return Art(path, width, height, doc(width, height, body, defs))


def linear(gid, stops, x1=0, y1=0, x2=0, y2=1, units=None):
    """A linear gradient; stops are (offset, colour) or (offset, colour, opacity)."""
    unit_attr = f' gradientUnits="{units}"' if units else ""
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}"{unit_attr}>'
            + "".join(_stop(s) for s in stops) + "</linearGradient>")


def radial(gid, stops, cx=0.5, cy=0.5, r=0.5, units=None):
    unit_attr = f' gradientUnits="{units}"' if units else ""
    return (f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}"{unit_attr}>'
            + "".join(_stop(s) for s in stops) + "</radialGradient>")


def _stop(s):
    opacity = f' stop-opacity="{s[2]}"' if len(s) > 2 else ""
    return f'<stop offset="{s[0]}" stop-color="{s[1]}"{opacity}/>'


def glow(gid, colour, strength=0.45):
    """Radial fade from colour to transparent, for halos behind glyphs."""
    return radial(gid, [(0, colour, strength), (0.55, colour, strength * 0.35), (1, colour, 0)])


def stroke(colour, width=2, **extra):
    """Attributes of an outline glyph stroke with round ends; extra attributes are given
    with underscores for hyphens (stroke_dasharray="4 3")."""
    more = "".join(f' {k.replace("_", "-")}="{v}"' for k, v in extra.items())
    return (f'fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round" '
            f'stroke-linejoin="round"{more}')


def group(content, transform=None, opacity=None):
    attrs = ""
    if transform:
        attrs += f' transform="{transform}"'
    if opacity is not None:
        attrs += f' opacity="{opacity}"'
    return f"<g{attrs}>{content}</g>"
