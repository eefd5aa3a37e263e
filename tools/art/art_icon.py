"""The program icon: a gaming mouse in the accent colour on a dark tile, with speed
streaks. One drawing on a 256-unit canvas serves the packaging icon sizes, the caption
logo and the icon of the about window."""

from svgkit import (ACCENT, ACCENT_HI, ACCENT_LO, Art, BG0, doc, glow, linear)

PACKAGE_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)

_BODY = ("M128 38C160 38 174 62 174 98V150C174 190 154 216 128 216C102 216 82 190 82 150V98"
         "C82 62 96 38 128 38Z")


def _drawing():
    defs = (linear("tile", [(0, "#252c3b"), (1, BG0)], 0, 0, 1, 1)
            + linear("body", [(0, ACCENT_HI), (0.45, ACCENT), (1, ACCENT_LO)])
            + linear("rim", [(0, ACCENT_HI, 0.55), (1, ACCENT, 0.12)])
            + glow("halo", ACCENT, 0.42)
            + linear("streak", [(0, ACCENT, 0), (1, ACCENT_HI, 0.95)], 0, 0, 1, 0))
    body = (
        '<rect x="8" y="8" width="240" height="240" rx="54" fill="url(#tile)"/>'
        '<rect x="9.5" y="9.5" width="237" height="237" rx="52.5" fill="none" '
        'stroke="url(#rim)" stroke-width="3"/>'
        '<circle cx="136" cy="128" r="110" fill="url(#halo)"/>'
        # Speed streaks trailing the mouse.
        '<path d="M34 104H70L76 112H40Z" fill="url(#streak)"/>'
        '<path d="M22 130H66L72 138H28Z" fill="url(#streak)"/>'
        '<path d="M40 156H68L74 164H46Z" fill="url(#streak)"/>'
        f'<g transform="translate(10 0)">'
        f'<path d="{_BODY}" fill="url(#body)"/>'
        # Button split and palm line cut into the shell.
        f'<path d="M128 40V104M84 108Q128 118 172 108" fill="none" stroke="{BG0}" '
        'stroke-width="7" stroke-linecap="round"/>'
        f'<rect x="118" y="60" width="20" height="36" rx="10" fill="{BG0}"/>'
        '<rect x="123" y="66" width="10" height="24" rx="5" fill="#ffffff"/>'
        # Angular cuts at the waist and a highlight on the left shoulder.
        f'<path d="M80 134L93 146L80 158Z" fill="{BG0}" fill-opacity="0.8"/>'
        f'<path d="M176 134L163 146L176 158Z" fill="{BG0}" fill-opacity="0.8"/>'
        '<path d="M94 96C94 66 104 50 122 45C108 56 103 72 102 98Z" fill="#ffffff" '
        'fill-opacity="0.35"/>'
        # DPI button below the wheel.
        f'<rect x="120" y="122" width="16" height="8" rx="3" fill="{BG0}" fill-opacity="0.75"/>'
        '</g>')
    return body, defs


def program_icon_svg(size=256):
    body, defs = _drawing()
    return doc(size, size, f"<defs>{defs}</defs>\n{body}", view="0 0 256 256")


def skin_logos():
    """The caption logo and the about window's icon, drawn from the program icon."""
    return [Art("common/logo", 24, 24, program_icon_svg(24)),
            Art("common/app_icon", 96, 96, program_icon_svg(96))]
