"""Power panel images: the power state of a device (charged, charging on a cable, charging
while on the wireless link, running on its battery), the wireless logo, and the phone lying
on a mouse pad's charger. All 24 x 24."""

from svgkit import (ACCENT, ACCENT_HI, BG1, SUCCESS, TEXT, TEXT2, TEXT3, DANGER, art, stroke)

S = 24


def _battery(x, y, w, h, level, fill):
    """Battery outline with its terminal on the right and an inner bar filled to level
    (0..1)."""
    inner_w = (w - 4) * level
    bar = (f'<rect x="{x + 2}" y="{y + 2}" width="{inner_w:.2f}" height="{h - 4}" rx="1" '
           f'fill="{fill}"/>' if level > 0 else "")
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2.5" {stroke(TEXT, 2)}/>'
            f'<rect x="{x + w + 1.5}" y="{y + h / 2 - 2}" width="2" height="4" rx="0.8" '
            f'fill="{TEXT}"/>' + bar)


def _bolt(dx=0.0, dy=0.0, scale=1.0, colour=TEXT):
    d = "M12.8 4.5L7 13.2H11.2L9.8 19.5L16 10.6H11.8Z"
    t = f'transform="translate({dx} {dy}) scale({scale})"'
    return (f'<path d="{d}" {t} fill="{BG1}" stroke="{BG1}" stroke-width="3" '
            f'stroke-linejoin="round"/>'
            f'<path d="{d}" {t} fill="{colour}"/>')


def _waves(cx, cy, colour, radii=(3.5, 7), width=1.8, dot=True):
    """Wireless arcs opening upwards-right from (cx, cy)."""
    out = f'<circle cx="{cx}" cy="{cy}" r="1.4" fill="{colour}"/>' if dot else ""
    for r in radii:
        out += (f'<path d="M{cx - r * 0.707:.2f} {cy - r * 0.707:.2f}A{r} {r} 0 0 1 '
                f'{cx + r * 0.707:.2f} {cy - r * 0.707:.2f}" {stroke(colour, width)}/>')
    return out


def _phone(c, radius, extra):
    return f'<rect x="7" y="2" width="10" height="20" rx="{radius}" {stroke(c, 2)}/>' + extra


def power_images():
    out = [
        art("power/powered", S, S, _battery(2, 7, 17, 10, 1.0, SUCCESS)),
        art("power/powering", S, S, _battery(2, 7, 17, 10, 0.5, ACCENT) + _bolt()),
        art("power/wuxian_powering", S, S,
            _battery(1, 11, 15, 9, 0.5, ACCENT) + _bolt(-1.2, 3.2, 0.82)
            + _waves(19, 10, ACCENT_HI, (3, 6), 1.6)),
        art("power/power", S, S, _battery(2, 7, 17, 10, 0.6, TEXT2)),
        art("power/wuxian_logo", S, S, _waves(12, 19, ACCENT, (5.5, 10.5), 2.2)),
    ]
    phones = {
        # Rounded corners and a notch at the top edge.
        "iphone": _phone(TEXT, 3.2, f'<rect x="10" y="3.4" width="4" height="1.8" rx="0.9" '
                                    f'fill="{TEXT}"/>'),
        # Squarer corners and a punch-hole camera.
        "samsung": _phone(TEXT, 1.6, f'<circle cx="12" cy="5.3" r="1.15" fill="{TEXT}"/>'),
        # Any other phone: speaker slot and home button.
        "other": _phone(TEXT, 2.2, f'<path d="M10.5 4.8H13.5" {stroke(TEXT, 1.2)}/>'
                                   f'<circle cx="12" cy="18.6" r="1.2" fill="{TEXT}"/>'),
        "no_device": (f'<rect x="7" y="2" width="10" height="20" rx="2.2" '
                      f'{stroke(TEXT3, 1.8, stroke_dasharray="2.6 2.2")}/>'
                      f'<path d="M4.5 20.5L19.5 3.5" {stroke(BG1, 4)}/>'
                      f'<path d="M4.5 20.5L19.5 3.5" {stroke(DANGER, 2)}/>'),
    }
    for name, body in phones.items():
        out.append(art(f"power/Phone_type_{name}", S, S, body))
    return out
