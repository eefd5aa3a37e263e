"""Images of the common controls: the DPI slider tracks and thumbs, check boxes, option
buttons, on-off switches, drop-down and spin arrows, the marks drawn on key buttons, and
the caption buttons with the new-update badge."""

import math

from svgkit import (ACCENT, ACCENT_HI, ACCENT_LO, BG0, BG1, BG2, BG4, DANGER, LINE, TEXT,
                    TEXT2, TEXT3, art, glow, linear, radial, stroke)

OFF_BORDER = "#4a5366"     # frame of an unticked box: visible on every panel colour
DISABLED_FILL = "#202530"


def slider_images():
    """DPI slider tracks (64 x 12, stretched between 6-pixel ends) and thumbs (20 x 20).
    BK1 and Thumb1 belong to the stages at rest, BK3 and Thumb2 to the active stage."""
    bk1 = art("Control/SliderBar_BK1", 64, 12,
              f'<rect x="0.5" y="3.5" width="63" height="5" rx="2.5" fill="{BG0}" '
              f'stroke="{LINE}"/>'
              f'<path d="M3 4.5H61" stroke="#000000" stroke-opacity="0.35"/>')
    bk3 = art("Control/SliderBar_BK3", 64, 12,
              '<rect x="0" y="0" width="64" height="12" rx="6" fill="url(#halo)"/>'
              f'<rect x="0.5" y="3.5" width="63" height="5" rx="2.5" fill="url(#track)" '
              f'stroke="{ACCENT_LO}"/>'
              f'<path d="M3 4.5H61" stroke="{ACCENT_HI}" stroke-opacity="0.7"/>',
              linear("track", [(0, ACCENT_HI), (0.5, ACCENT), (1, ACCENT_LO)])
              + linear("halo", [(0, ACCENT, 0), (0.5, ACCENT, 0.28), (1, ACCENT, 0)]))
    thumb1 = art("Control/SliderBar1_Thumb", 20, 20,
                 f'<circle cx="10" cy="10" r="7" fill="url(#face)" stroke="{TEXT2}" '
                 f'stroke-width="2"/>',
                 linear("face", [(0, BG4), (1, BG2)]))
    thumb2 = art("Control/SliderBar2_Thumb", 20, 20,
                 '<circle cx="10" cy="10" r="10" fill="url(#halo)"/>'
                 f'<circle cx="10" cy="10" r="7" fill="url(#face)" stroke="{ACCENT}" '
                 f'stroke-width="2.5"/>'
                 f'<circle cx="10" cy="10" r="2.2" fill="{ACCENT}"/>',
                 glow("halo", ACCENT, 0.6) + linear("face", [(0, "#ffffff"), (1, "#cfe3f5")]))
    return [bk1, bk3, thumb1, thumb2]


def _tick(colour, width=2):
    return f'<path d="M5.2 9.4L7.9 12L12.8 6.4" {stroke(colour, width)}/>'


def check_images():
    """Check boxes and option buttons, 18 x 18, in every state the style sheet names."""
    box = 'x="2.5" y="2.5" width="13" height="13" rx="3"'
    variants = {
        "off": f'<rect {box} fill="{BG0}" stroke="{OFF_BORDER}"/>',
        "off_hot": f'<rect {box} fill="{BG0}" stroke="{ACCENT}"/>',
        "off_disabled": f'<rect {box} fill="{DISABLED_FILL}" stroke="{LINE}"/>',
        "on": f'<rect {box} fill="{ACCENT}" stroke="{ACCENT}"/>' + _tick("#ffffff"),
        "on_hot": f'<rect {box} fill="{ACCENT_HI}" stroke="{ACCENT_HI}"/>' + _tick("#ffffff"),
        "on_disabled": f'<rect {box} fill="{LINE}" stroke="{LINE}"/>' + _tick(TEXT3),
        "partial": f'<rect {box} fill="{ACCENT}" stroke="{ACCENT}"/>'
                   f'<path d="M5.5 9H12.5" {stroke("#ffffff", 2)}/>',
    }
    out = [art(f"Control/check_{k}", 18, 18, v) for k, v in variants.items()]
    ring = 'cx="9" cy="9" r="6.5"'
    radios = {
        "off": f'<circle {ring} fill="{BG0}" stroke="{OFF_BORDER}"/>',
        "off_hot": f'<circle {ring} fill="{BG0}" stroke="{ACCENT}"/>',
        "off_disabled": f'<circle {ring} fill="{DISABLED_FILL}" stroke="{LINE}"/>',
        "on": f'<circle {ring} fill="{BG0}" stroke="{ACCENT}" stroke-width="1.5"/>'
              f'<circle cx="9" cy="9" r="3.5" fill="{ACCENT}"/>',
        "on_hot": f'<circle {ring} fill="{BG0}" stroke="{ACCENT_HI}" stroke-width="1.5"/>'
                  f'<circle cx="9" cy="9" r="3.5" fill="{ACCENT_HI}"/>',
        "on_disabled": f'<circle {ring} fill="{DISABLED_FILL}" stroke="{LINE}"/>'
                       f'<circle cx="9" cy="9" r="3.5" fill="{TEXT3}"/>',
    }
    out += [art(f"Control/radio_{k}", 18, 18, v) for k, v in radios.items()]
    return out


def switch_images():
    """On-off switches, 36 x 20, for options drawn as switches."""
    track = 'x="1" y="2" width="34" height="16" rx="8"'
    knob_off, knob_on = 'cx="10" cy="10" r="5.5"', 'cx="26" cy="10" r="5.5"'
    variants = {
        "off": f'<rect {track} fill="{BG0}" stroke="{OFF_BORDER}"/>'
               f'<circle {knob_off} fill="{TEXT2}"/>',
        "on": f'<rect {track} fill="url(#on)" stroke="{ACCENT}"/>'
              f'<circle {knob_on} fill="#ffffff"/>',
        "off_disabled": f'<rect {track} fill="{DISABLED_FILL}" stroke="{LINE}"/>'
                        f'<circle {knob_off} fill="{TEXT3}"/>',
        "on_disabled": f'<rect {track} fill="{LINE}" stroke="{LINE}"/>'
                       f'<circle {knob_on} fill="{TEXT3}"/>',
    }
    defs = linear("on", [(0, ACCENT_LO), (1, ACCENT)], 0, 0, 1, 0)
    return [art(f"Control/switch_{k}", 36, 20, v, defs) for k, v in variants.items()]


def arrow_images():
    out = []
    for suffix, colour in (("", TEXT2), ("_hot", TEXT), ("_disabled", TEXT3)):
        out.append(art(f"Control/combo_arrow{suffix}", 12, 12,
                       f'<path d="M2.5 4.5L6 8L9.5 4.5" {stroke(colour, 1.8)}/>'))
        out.append(art(f"Control/spin_up{suffix}", 10, 10,
                       f'<path d="M2 6.5L5 3.5L8 6.5" {stroke(colour, 1.6)}/>'))
        out.append(art(f"Control/spin_down{suffix}", 10, 10,
                       f'<path d="M2 3.5L5 6.5L8 3.5" {stroke(colour, 1.6)}/>'))
    out.append(art("Control/menu_arrow", 10, 10,
                   f'<path d="M3.5 2L6.5 5L3.5 8" {stroke(TEXT2, 1.6)}/>'))
    out.append(art("Control/menu_check", 16, 16,
                   f'<path d="M3.5 8.5L6.5 11.5L12.5 4.5" {stroke(ACCENT, 2)}/>'))
    return out


def key_button_images():
    """Marks drawn over key and light buttons: the key-set mark of a button whose
    assignment differs from its default, and the white light spot that the page tints
    with the light colour and level."""
    mark = art("Control/keyset_mark", 12, 12,
               f'<circle cx="6" cy="6" r="5.5" fill="{BG1}"/>'
               f'<circle cx="6" cy="6" r="4" fill="{ACCENT}"/>'
               f'<circle cx="6" cy="6" r="1.6" fill="#ffffff"/>')
    light = art("Control/light_glow", 32, 32,
                '<circle cx="16" cy="16" r="16" fill="url(#spot)"/>',
                radial("spot", [(0, "#ffffff", 1), (0.35, "#ffffff", 0.7),
                                (1, "#ffffff", 0)]))
    return [mark, light]


def control_images():
    return (slider_images() + check_images() + switch_images() + arrow_images()
            + key_button_images())


# ---- caption buttons ----------------------------------------------------------------

def _gear(c):
    teeth, r_out, r_in, cx, cy = 8, 7.2, 5.4, 16, 16
    points = []
    for i in range(teeth * 2):
        for half in (-1, 1):
            a = math.pi * (i + 0.5 * half * 0.55) / teeth
            r = r_out if i % 2 == 0 else r_in
            points.append(f"{cx + r * math.cos(a):.2f} {cy + r * math.sin(a):.2f}")
    return (f'<path d="M{"L".join(points)}Z" {stroke(c, 1.6)}/>'
            f'<circle cx="16" cy="16" r="2.3" {stroke(c, 1.6)}/>')


CAPTION_GLYPHS = {
    "close": lambda c: f'<path d="M11 11L21 21M21 11L11 21" {stroke(c, 2)}/>',
    "min": lambda c: f'<path d="M10 17H22" {stroke(c, 2)}/>',
    "max": lambda c: f'<rect x="10" y="10" width="12" height="12" rx="2" {stroke(c, 2)}/>',
    "restore": lambda c: (f'<rect x="9" y="13" width="10" height="10" rx="2" {stroke(c, 2)}/>'
                          f'<path d="M13 10.5Q13 9 14.5 9H21.5Q23 9 23 10.5V17.5Q23 19 21.5 19'
                          f'H19.5" {stroke(c, 1.8)}/>'),
    "set": _gear,
    "skin": lambda c: (f'<rect x="8.5" y="9.5" width="15" height="13" rx="2.5" {stroke(c, 1.8)}/>'
                       f'<path d="M9.5 20L14 15.5L17 18.5L19.2 16.3L22.5 19.6" '
                       f'{stroke(c, 1.6)}/>'
                       f'<circle cx="19" cy="13.3" r="1.5" fill="{c}"/>'),
    "menu": lambda c: f'<path d="M10 11H22M10 16H22M10 21H22" {stroke(c, 2)}/>',
    "gamemode": lambda c: (f'<path d="M12 11.5H20Q25 11.5 25.8 17L26.3 20.2Q26.8 23.2 24.4 '
                           f'23.2Q23 23.2 22 21.5L21 20H11L10 21.5Q9 23.2 7.6 23.2Q5.2 23.2 5.7 '
                           f'20.2L6.2 17Q7 11.5 12 11.5Z" {stroke(c, 1.7)}/>'
                           f'<path d="M10.5 14.5V18.5M8.5 16.5H12.5" {stroke(c, 1.6)}/>'
                           f'<circle cx="20" cy="15.4" r="1.1" fill="{c}"/>'
                           f'<circle cx="22.4" cy="17.6" r="1.1" fill="{c}"/>'),
    "cloud": lambda c: (f'<path d="M11.5 22H21.5A4 4 0 0 0 22 14A6 6 0 0 0 10.6 15.1A3.5 3.5 0 '
                        f'0 0 11.5 22Z" {stroke(c, 1.8)}/>'),
    "smarteyes": lambda c: (f'<path d="M6.5 16Q16 6.5 25.5 16Q16 25.5 6.5 16Z" '
                            f'{stroke(c, 1.8)}/>'
                            f'<circle cx="16" cy="16" r="3.2" fill="{c}"/>'),
}


def caption_buttons():
    """Caption glyphs, 32 x 32, at rest and under the pointer, and the new-update badge
    that the settings button shows over its own image."""
    out = []
    for name, glyph in CAPTION_GLYPHS.items():
        out.append(art(f"sysbtn/{name}", 32, 32, glyph(TEXT2)))
        out.append(art(f"sysbtn/{name}_hot", 32, 32, glyph("#ffffff" if name == "close"
                                                               else TEXT)))
    out.append(art("sysbtn/haveNewInfo", 32, 32,
                   f'<circle cx="24" cy="8" r="5.5" fill="{BG1}"/>'
                   f'<circle cx="24" cy="8" r="4" fill="{DANGER}"/>'))
    return out
