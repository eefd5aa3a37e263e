"""Large pictures: the main window background and the background pictures offered by the
skin pop-up (800 x 572, with 100 x 72 thumbnails), the picture of the no-device notice,
the gun preset pictures of the shoot panel and the device pictures of the pages."""

import math
import random

from svgkit import (ACCENT, ACCENT_HI, ACCENT_LO, Art, BG0, BG1, BG2, BG3, BG4, DANGER, LINE,
                    TEXT2, TEXT3, art, doc, glow, linear, radial, stroke)

W, H = 800, 572
THUMB_W, THUMB_H = 100, 72


def _hex_grid(size, colour, opacity, x0=0, y0=0, x1=W, y1=H):
    """Outline of a flat-topped hexagon grid covering the rectangle, as one path."""
    dx, dy = size * 1.5, size * math.sqrt(3)
    parts = []
    col = 0
    x = x0 - size
    while x < x1 + size:
        y = y0 - dy + (dy / 2 if col % 2 else 0)
        while y < y1 + dy:
            pts = [(x + size * math.cos(math.pi / 3 * k), y + size * math.sin(math.pi / 3 * k))
                   for k in range(6)]
            parts.append("M" + "L".join(f"{px:.1f} {py:.1f}" for px, py in pts) + "Z")
            y += dy
        x += dx
        col += 1
    return (f'<path d="{"".join(parts)}" fill="none" stroke="{colour}" stroke-opacity="{opacity}" '
            'stroke-width="1"/>')


def _default_background():
    defs = (linear("base", [(0, "#171b25"), (1, BG0)])
            + radial("glowA", [(0, ACCENT, 0.13), (1, ACCENT, 0)], 0.12, 0.0, 0.75)
            + radial("glowB", [(0, ACCENT_LO, 0.10), (1, ACCENT_LO, 0)], 0.95, 1.0, 0.6)
            + linear("fade", [(0, "#ffffff", 0), (0.45, "#ffffff", 0), (1, "#ffffff", 1)], 0, 0, 1, 1)
            + '<mask id="hexmask"><rect width="800" height="572" fill="url(#fade)"/></mask>')
    body = (f'<rect width="{W}" height="{H}" fill="url(#base)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#glowA)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#glowB)"/>'
            f'<g mask="url(#hexmask)">{_hex_grid(22, ACCENT, 0.08)}</g>'
            # Angular shards across the top right, a hint of speed.
            '<path d="M470 0H800V60L560 0Z" fill="#ffffff" fill-opacity="0.018"/>'
            '<path d="M600 0H800V150Z" fill="#ffffff" fill-opacity="0.02"/>'
            f'<path d="M520 0L800 118" stroke="{ACCENT}" stroke-opacity="0.22"/>'
            f'<path d="M0 468L250 572" stroke="{ACCENT}" stroke-opacity="0.12"/>')
    return body, defs


def _carbon():
    defs = ('<pattern id="weave" width="12" height="12" patternUnits="userSpaceOnUse">'
            '<rect width="12" height="12" fill="#121419"/>'
            '<rect width="6" height="6" fill="#1b1e25"/><rect x="6" y="6" width="6" height="6" '
            'fill="#1b1e25"/>'
            '<path d="M0 0L6 6M6 6L12 12" stroke="#262a33" stroke-width="1"/></pattern>'
            + linear("shade", [(0, "#000000", 0), (1, "#000000", 0.55)])
            + radial("light", [(0, "#ffffff", 0.08), (1, "#ffffff", 0)], 0.3, 0.2, 0.7))
    body = (f'<rect width="{W}" height="{H}" fill="url(#weave)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#light)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#shade)"/>'
            f'<path d="M0 520L800 380" stroke="{ACCENT}" stroke-opacity="0.35" stroke-width="2"/>')
    return body, defs


def _circuit():
    rnd = random.Random(7)
    paths, nodes = [], []
    for _ in range(46):
        x, y = rnd.randrange(0, W, 20), rnd.randrange(0, H, 20)
        d = f"M{x} {y}"
        for _ in range(rnd.randint(2, 4)):
            step = rnd.choice((40, 60, 80, 120))
            direction = rnd.choice(((1, 0), (0, 1), (1, 1), (1, -1), (-1, 0)))
            x, y = x + direction[0] * step, y + direction[1] * step
            d += f"L{x} {y}"
        paths.append(d)
        nodes.append(f'<circle cx="{x}" cy="{y}" r="3.5" fill="none" stroke="{ACCENT}" '
                     'stroke-opacity="0.55" stroke-width="1.5"/>')
    defs = (linear("base", [(0, "#0f1a1f"), (1, "#0a0d12")], 0, 0, 1, 1)
            + radial("glow", [(0, ACCENT, 0.14), (1, ACCENT, 0)], 0.7, 0.6, 0.7))
    body = (f'<rect width="{W}" height="{H}" fill="url(#base)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#glow)"/>'
            f'<path d="{"".join(paths)}" fill="none" stroke="{ACCENT}" stroke-opacity="0.22" '
            'stroke-width="1.5" stroke-linejoin="round"/>' + "".join(nodes))
    return body, defs


def _aurora():
    defs = (linear("base", [(0, "#140f24"), (1, "#07080d")])
            + linear("bandA", [(0, "#7b3cff", 0), (0.5, "#7b3cff", 0.45), (1, ACCENT, 0)], 0, 0,
                     1, 0)
            + linear("bandB", [(0, ACCENT, 0), (0.6, ACCENT, 0.35), (1, "#35e0c8", 0)], 0, 0,
                     1, 0))
    body = (f'<rect width="{W}" height="{H}" fill="url(#base)"/>'
            '<path d="M-20 300C160 170 330 330 520 220S760 120 820 160V250C700 220 600 320 480 '
            '330S200 260 -20 380Z" fill="url(#bandA)"/>'
            '<path d="M-20 380C200 300 360 420 560 330S760 260 820 300V340C680 330 600 420 470 '
            '430S200 360 -20 430Z" fill="url(#bandB)"/>')
    rnd = random.Random(3)
    body += "".join(f'<circle cx="{rnd.randrange(W)}" cy="{rnd.randrange(240)}" '
                    f'r="{rnd.choice((0.6, 0.8, 1.1))}" fill="#ffffff" '
                    f'fill-opacity="{rnd.choice((0.3, 0.5, 0.8))}"/>' for _ in range(90))
    return body, defs


def _ember():
    defs = (linear("base", [(0, "#1f0d10"), (1, "#0a0708")], 0, 0, 0.4, 1)
            + radial("heat", [(0, "#ff3b30", 0.28), (1, "#ff3b30", 0)], 0.85, 0.9, 0.7))
    shards = [("M0 572L260 300L330 572Z", 0.05), ("M420 0L800 0L800 260Z", 0.045),
              ("M560 572L800 330V572Z", 0.08), ("M120 0L330 0L40 240Z", 0.03),
              ("M330 572L520 390L600 572Z", 0.05)]
    body = (f'<rect width="{W}" height="{H}" fill="url(#base)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#heat)"/>'
            + "".join(f'<path d="{d}" fill="#ff5a3c" fill-opacity="{o}"/>' for d, o in shards)
            + '<path d="M0 300L260 300L330 572" fill="none" stroke="#ff5a3c" '
              'stroke-opacity="0.3" stroke-width="1.5"/>')
    return body, defs


def _horizon():
    defs = (linear("sky", [(0, "#0b0a1a"), (0.55, "#1d0f33"), (0.551, "#0a0812"),
                           (1, "#07060c")])
            + radial("sun", [(0, "#ff4fd8", 0.55), (1, "#ff4fd8", 0)], 0.5, 0.55, 0.35)
            + linear("fadeGrid", [(0, "#ffffff", 0), (1, "#ffffff", 1)])
            + f'<mask id="gm"><rect y="315" width="{W}" height="257" fill="url(#fadeGrid)"/>'
              '</mask>')
    horizon, vanish_x = 315, 400
    lines = []
    for i in range(-14, 15):
        lines.append(f"M{vanish_x + i * 8} {horizon}L{vanish_x + i * 90} {H}")
    y, gap = horizon + 4, 4.0
    while y < H:
        lines.append(f"M0 {y:.1f}H{W}")
        gap *= 1.35
        y += gap
    body = (f'<rect width="{W}" height="{H}" fill="url(#sky)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#sun)"/>'
            f'<g mask="url(#gm)"><path d="{"".join(lines)}" stroke="{ACCENT}" '
            'stroke-opacity="0.55" stroke-width="1.2" fill="none"/></g>'
            f'<path d="M0 {horizon}H{W}" stroke="#ff4fd8" stroke-opacity="0.6" '
            'stroke-width="1.5"/>')
    return body, defs


def _hex_picture():
    defs = (linear("base", [(0, "#121722"), (1, "#090b10")], 0, 0, 1, 1)
            + radial("glow", [(0, ACCENT, 0.25), (1, ACCENT, 0)], 0.85, 0.85, 0.6))
    body = (f'<rect width="{W}" height="{H}" fill="url(#base)"/>'
            f'<rect width="{W}" height="{H}" fill="url(#glow)"/>'
            + _hex_grid(30, ACCENT, 0.11))
    return body, defs


SKIN_PICTURES = {
    "bg_01": _hex_picture,
    "bg_02": _carbon,
    "bg_03": _circuit,
    "bg_04": _aurora,
    "bg_05": _ember,
    "bg_06": _horizon,
}


def backgrounds():
    out = []
    body, defs = _default_background()
    out.append(art("common/background", W, H, body, defs))
    for name, make in SKIN_PICTURES.items():
        body, defs = make()
        full = f"<defs>{defs}</defs>\n{body}"
        out.append(Art(f"common/skin/{name}", W, H, doc(W, H, full, view=f"0 0 {W} {H}")))
        out.append(Art(f"common/skin/{name}_thumb", THUMB_W, THUMB_H,
                       doc(THUMB_W, THUMB_H, full, view=f"0 0 {W} {H}")))
    return out


def no_device():
    """The notice shown while no device is attached: a mouse whose cable plug has come out
    of its socket."""
    defs = glow("halo", ACCENT, 0.16)
    body = ('<ellipse cx="120" cy="80" rx="118" ry="72" fill="url(#halo)"/>'
            f'<path d="M62 46C80 46 90 58 90 78V112C90 130 80 142 62 142C44 142 34 130 34 112'
            f'V78C34 58 44 46 62 46Z" {stroke(TEXT2, 3)}/>'
            f'<path d="M35.5 88H88.5M62 47.5V70" {stroke(TEXT2, 3)}/>'
            f'<rect x="58" y="55" width="8" height="14" rx="4" fill="{ACCENT}"/>'
            f'<path d="M62 46C62 26 74 22 92 22H118" {stroke(TEXT3, 3)}/>'
            f'<rect x="118" y="12" width="24" height="20" rx="3" {stroke(TEXT3, 3)}/>'
            f'<path d="M142 17H150M142 27H150" {stroke(TEXT3, 3)}/>'
            f'<path d="M162 16L172 26M172 16L162 26" {stroke(DANGER, 3)}/>'
            f'<rect x="184" y="4" width="40" height="36" rx="5" {stroke(TEXT2, 3)}/>'
            f'<rect x="195" y="15" width="18" height="14" rx="2" fill="{BG0}" '
            f'stroke="{TEXT2}" stroke-width="2"/>')
    return art("common/no_device", 240, 150, body, defs)


# ---- gun presets ----------------------------------------------------------------------

def _pattern(kind, count=14):
    """Points of a spray pattern climbing from the bottom centre; kind bends it."""
    pts = []
    for i in range(count):
        t = i / (count - 1)
        y = 124 - 100 * (1 - (1 - t) ** 1.6)
        sway = {"rise": 2 * math.sin(i * 1.3),
                "left": -34 * t ** 1.5 + 2 * math.sin(i),
                "right": 34 * t ** 1.5 - 2 * math.sin(i),
                "zigzag": 22 * math.sin(t * math.pi * 2.2) * t}[kind]
        pts.append((90 + sway, y))
    return pts


def shoot_pictures():
    """One picture per gun preset for the shoot panel's picture pages, 180 x 140."""
    out = []
    grid = "".join(f"M{x} 8V132" for x in range(30, 180, 30)) + "".join(
        f"M8 {y}H172" for y in range(20, 140, 30))
    for n, kind in enumerate(("rise", "left", "right", "zigzag")):
        pts = _pattern(kind)
        line = "M" + "L".join(f"{x:.1f} {y:.1f}" for x, y in pts)
        dots = "".join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{3.4 - 1.6 * i / len(pts):.2f}" '
                       f'fill="{ACCENT_HI if i == 0 else ACCENT}"/>'
                       for i, (x, y) in enumerate(pts))
        x0, y0 = pts[0]
        body = (f'<rect x="0.5" y="0.5" width="179" height="139" rx="8" fill="url(#well)" '
                f'stroke="{LINE}"/>'
                f'<path d="{grid}" stroke="{LINE}" stroke-opacity="0.55"/>'
                f'<path d="{line}" {stroke(ACCENT, 2, stroke_opacity=0.45)}/>' + dots
                + f'<circle cx="{x0:.1f}" cy="{y0:.1f}" r="9" {stroke(TEXT2, 1.5)}/>'
                + f'<path d="M{x0 - 14:.1f} {y0:.1f}H{x0 - 5:.1f}M{x0 + 5:.1f} {y0:.1f}H'
                  f'{x0 + 14:.1f}" {stroke(TEXT2, 1.5)}/>')
        out.append(art(f"shoot/gun_{n}", 180, 140, body,
                       linear("well", [(0, BG2), (1, BG0)])))
    return out


# ---- device pictures of the pages -----------------------------------------------------

def _mouse_picture():
    defs = (linear("shell", [(0, BG4), (0.5, BG3), (1, BG1)], 0, 0, 1, 1)
            + linear("strip", [(0, ACCENT_HI, 0.9), (1, ACCENT_LO, 0.2)])
            + glow("halo", ACCENT, 0.25)
            + radial("wheel", [(0, ACCENT_HI), (1, ACCENT)], 0.5, 0.3, 0.8))
    shell = ("M90 14C136 14 156 50 156 104V176C156 226 130 252 90 252C50 252 24 226 24 176V104"
             "C24 50 44 14 90 14Z")
    body = ('<ellipse cx="90" cy="140" rx="90" ry="125" fill="url(#halo)"/>'
            f'<path d="{shell}" fill="url(#shell)" stroke="{LINE}" stroke-width="2"/>'
            f'<path d="M90 16V92M26 98Q90 112 154 98" fill="none" stroke="{BG0}" '
            'stroke-width="3"/>'
            f'<rect x="80" y="34" width="20" height="44" rx="10" fill="{BG0}"/>'
            '<rect x="84" y="39" width="12" height="34" rx="6" fill="url(#wheel)"/>'
            f'<rect x="84" y="84" width="12" height="6" rx="2" fill="{ACCENT}"/>'
            # Light strips along both flanks and the palm emblem.
            '<path d="M30 120C28 160 34 200 52 228" fill="none" stroke="url(#strip)" '
            'stroke-width="4" stroke-linecap="round"/>'
            '<path d="M150 120C152 160 146 200 128 228" fill="none" stroke="url(#strip)" '
            'stroke-width="4" stroke-linecap="round"/>'
            f'<path d="M72 182H98L104 190H78Z" fill="{ACCENT}" fill-opacity="0.8"/>'
            f'<path d="M78 196H100L106 204H84Z" fill="{ACCENT}" fill-opacity="0.5"/>'
            # Side buttons on the left flank.
            f'<path d="M25 118V136M25 142V160" {stroke(TEXT3, 4)}/>')
    return art("device/mouse", 180, 266, body, defs)


def _keyboard_picture():
    defs = (linear("case", [(0, BG4), (1, BG1)]) + glow("under", ACCENT, 0.3))
    keys = []
    widths = [[1] * 15, [1.5] + [1] * 13 + [1.5], [1.75] + [1] * 12 + [2.25],
              [2.25] + [1] * 11 + [2.75], [1.25] * 3 + [6.25] + [1.25] * 4]
    unit, gap = 21.0, 2.0
    for row, row_widths in enumerate(widths):
        x = 14.0
        for w in row_widths:
            kw = w * unit - gap
            keys.append(f'<rect x="{x:.1f}" y="{16 + row * unit:.1f}" width="{kw:.1f}" '
                        f'height="{unit - gap:.1f}" rx="3" fill="{BG2}" stroke="{ACCENT}" '
                        'stroke-opacity="0.35"/>')
            x += w * unit
    body = ('<ellipse cx="180" cy="128" rx="180" ry="16" fill="url(#under)"/>'
            f'<rect x="4" y="6" width="352" height="122" rx="10" fill="url(#case)" '
            f'stroke="{LINE}" stroke-width="2"/>' + "".join(keys))
    return art("device/keyboard", 360, 140, body, defs)


def _mousepad_picture():
    defs = (linear("top", [(0, BG3), (1, BG1)], 0, 0, 1, 1)
            + linear("edge", [(0, ACCENT_LO), (0.5, ACCENT_HI), (1, ACCENT_LO)], 0, 0, 1, 0))
    body = ('<path d="M46 20H286L258 150H18Z" fill="url(#top)" stroke="url(#edge)" '
            'stroke-width="3" stroke-linejoin="round"/>'
            '<path d="M18 150H258L258 160H18Z" fill="url(#edge)" fill-opacity="0.6"/>'
            f'<path d="M236 36H272" {stroke(ACCENT, 3)}/>')
    return art("device/mousepad", 300, 170, body, defs)


def _headset_picture():
    defs = (linear("cup", [(0, BG4), (1, BG1)]) + glow("halo", ACCENT, 0.25))
    body = ('<circle cx="100" cy="110" r="95" fill="url(#halo)"/>'
            f'<path d="M36 112V92A64 64 0 0 1 164 92V112" {stroke(BG4, 12)}/>'
            f'<path d="M36 112V92A64 64 0 0 1 164 92V112" {stroke(LINE, 2)}/>'
            f'<rect x="18" y="96" width="40" height="70" rx="18" fill="url(#cup)" '
            f'stroke="{LINE}" stroke-width="2"/>'
            f'<rect x="142" y="96" width="40" height="70" rx="18" fill="url(#cup)" '
            f'stroke="{LINE}" stroke-width="2"/>'
            f'<rect x="26" y="108" width="24" height="46" rx="12" {stroke(ACCENT, 3)}/>'
            f'<rect x="150" y="108" width="24" height="46" rx="12" {stroke(ACCENT, 3)}/>'
            f'<path d="M30 162Q34 186 70 188" {stroke(BG4, 5)}/>'
            f'<circle cx="74" cy="188" r="5" fill="{ACCENT}"/>')
    return art("device/headset", 200, 200, body, defs)


def device_pictures():
    return [_mouse_picture(), _keyboard_picture(), _mousepad_picture(), _headset_picture()]


def scene_images():
    return backgrounds() + [no_device()] + shoot_pictures() + device_pictures()
