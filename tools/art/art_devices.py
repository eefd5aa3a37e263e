"""Device-bar icons: one set per device kind, each in the four states the entry shows
(normal, selected, synchro_normal, synchro_selected), drawn on a 56 x 56 canvas."""

from svgkit import (ACCENT, ACCENT_HI, BG1, TEXT, TEXT2, art, glow, linear, stroke)

SIZE = 56
STATES = ("normal", "selected", "synchro_normal", "synchro_selected")
# Icon sets of the device kinds, plus the set an entry starts with.
ICON_SETS = ("kb", "ms", "hard_mp", "soft_mp", "hd", "hub", "unknow")


def _mouse(c):
    return (f'<path d="M28 10C36.5 10 40 15.5 40 24V35C40 42.5 35 47 28 47C21 47 16 42.5 16 35V24'
            f'C16 15.5 19.5 10 28 10Z" {stroke(c)}/>'
            f'<path d="M16.5 26H39.5M28 10V19" {stroke(c)}/>'
            f'<rect x="26" y="15" width="4" height="8" rx="2" fill="{c}"/>')


def _keyboard(c):
    keys = "".join(f'<rect x="{13 + 5 * i}" y="21" width="3" height="3" rx="0.6" fill="{c}"/>'
                   for i in range(6))
    keys += "".join(f'<rect x="{15.5 + 5 * i}" y="26" width="3" height="3" rx="0.6" fill="{c}"/>'
                    for i in range(5))
    return (f'<rect x="9" y="16" width="38" height="24" rx="4" {stroke(c)}/>' + keys
            + f'<rect x="18" y="32" width="20" height="3" rx="1" fill="{c}"/>')


def _mini_mouse(c, x, y):
    """A small mouse lying on a pad, its nose at (x, y)."""
    return (f'<path d="M{x} {y}C{x + 3.6} {y} {x + 5} {y + 2} {x + 5} {y + 5}V{y + 7}'
            f'C{x + 5} {y + 9.5} {x + 3} {y + 11} {x} {y + 11}C{x - 3} {y + 11} {x - 5} {y + 9.5}'
            f' {x - 5} {y + 7}V{y + 5}C{x - 5} {y + 2} {x - 3.6} {y} {x} {y}Z" fill="{c}"/>'
            f'<path d="M{x} {y + 0.5}V{y + 4.5}" stroke="{BG1}" stroke-width="1.2" '
            'stroke-linecap="round"/>')


def _hard_pad(c):
    # A rigid slab seen from the front: its top face in perspective and a thick lit edge.
    return (f'<path d="M15 17H41L48 35H8Z" {stroke(c)}/>'
            f'<path d="M8 35V39.5H48V35" {stroke(c)}/>'
            + _mini_mouse(c, 33, 20))


def _soft_pad(c):
    # A thin cloth pad whose front right corner curls up.
    return (f'<path d="M15 17H41L46 30Q40 31 39 35L38 38H8Z" {stroke(c)}/>'
            f'<path d="M46 30Q47 36 38 38" {stroke(c)}/>'
            + _mini_mouse(c, 28, 21))


def _headset(c):
    return (f'<path d="M15 31V27A13 13 0 0 1 41 27V31" {stroke(c)}/>'
            f'<rect x="12" y="29" width="7" height="12" rx="3" {stroke(c)}/>'
            f'<rect x="37" y="29" width="7" height="12" rx="3" {stroke(c)}/>'
            f'<path d="M15.5 41.5Q15.5 47 22 47H25" {stroke(c)}/>'
            f'<circle cx="27" cy="47" r="2" fill="{c}"/>')


def _hub(c):
    ports = "".join(f'<rect x="{14 + 10 * i}" y="29" width="6" height="4" rx="1" fill="{c}"/>'
                    for i in range(3))
    return (f'<rect x="9" y="23" width="38" height="16" rx="4" {stroke(c)}/>' + ports
            + f'<path d="M28 23V16" {stroke(c)}/>'
            + f'<rect x="24" y="9" width="8" height="7" rx="1.5" {stroke(c)}/>')


def _unknown(c):
    return (f'<rect x="13" y="11" width="30" height="34" rx="7" '
            f'{stroke(c, 2, stroke_dasharray="4 3.2")}/>'
            f'<path d="M23.5 24A4.5 4.5 0 1 1 30.5 27.8C29 28.8 28 29.8 28 31.5V33" '
            f'{stroke(c, 2.4)}/>'
            f'<circle cx="28" cy="38" r="1.7" fill="{c}"/>')


GLYPHS = {
    "kb": _keyboard, "ms": _mouse, "hard_mp": _hard_pad, "soft_mp": _soft_pad,
    "hd": _headset, "hub": _hub, "unknow": _unknown,
}


def _sync_badge():
    """Marks a device whose lights follow the selected one: two chasing arrows on an accent
    disc in the lower right corner."""
    arrows = (f'<path d="M41.2 44.5A4.2 4.2 0 0 1 48.6 42" {stroke(BG1, 1.7)}/>'
              f'<path d="M48.8 47.5A4.2 4.2 0 0 1 41.4 50" {stroke(BG1, 1.7)}/>'
              f'<path d="M49.6 39.6V42.6H46.6" {stroke(BG1, 1.5)}/>'
              f'<path d="M40.4 52.4V49.4H43.4" {stroke(BG1, 1.5)}/>')
    return (f'<circle cx="45" cy="46" r="9.5" fill="{BG1}"/>'
            f'<circle cx="45" cy="46" r="8" fill="url(#badge)"/>' + arrows)


def device_icon(icon_set, state):
    selected = state.endswith("selected")
    synchro = state.startswith("synchro")
    defs = linear("badge", [(0, ACCENT_HI), (1, ACCENT)])
    body = ""
    if selected:
        defs += glow("halo", ACCENT, 0.42)
        body += '<circle cx="28" cy="28" r="27" fill="url(#halo)"/>'
        body += f'<rect x="18" y="52" width="20" height="3" rx="1.5" fill="{ACCENT}"/>'
    colour = ACCENT_HI if selected else TEXT2
    body += GLYPHS[icon_set](colour)
    if synchro:
        body += _sync_badge()
    return art(f"common/device_ico/{icon_set}_device_{state}", SIZE, SIZE, body, defs)


def device_icons():
    return [device_icon(s, st) for s in ICON_SETS for st in STATES]


def device_select_arrows():
    """The previous and next buttons at the ends of the device bar, at rest, under the
    pointer and disabled."""
    out = []
    for name, d in (("device_select_prev", "M14 6L8 12L14 18"),
                    ("device_select_next", "M10 6L16 12L10 18")):
        for suffix, colour in (("", TEXT2), ("_hot", TEXT), ("_disabled", "#3e4555")):
            out.append(art(f"common/{name}{suffix}", 24, 24,
                           f'<path d="{d}" {stroke(colour, 2.4)}/>'))
    return out
