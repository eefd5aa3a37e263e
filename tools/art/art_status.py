"""Update page images: the picture beside the page's status text once a check has ended
(updates available, service not reachable, updating, all current), 64 x 64, and the mark
of an item whose download is done, 16 x 16."""

from svgkit import (ACCENT, ACCENT_HI, BG1, DANGER, SUCCESS, TEXT2, art, glow, stroke)


def _disc(colour, strength=0.35):
    return ('<circle cx="32" cy="32" r="31" fill="url(#halo)"/>'
            f'<circle cx="32" cy="32" r="22" fill="{BG1}" stroke="{colour}" stroke-width="3"/>',
            glow("halo", colour, strength))


def status_images():
    out = []
    ring, defs = _disc(ACCENT)
    out.append(art("update/status_available", 64, 64,
                   ring + f'<path d="M32 21V40M24 33L32 41L40 33" {stroke(ACCENT_HI, 3.2)}/>',
                   defs))
    # The service could not be reached: a cloud struck through.
    out.append(art("update/status_offline", 64, 64,
                   f'<path d="M21 42H42A7.5 7.5 0 0 0 43 27A11 11 0 0 0 21.8 28.5A6.8 6.8 0 0 0 '
                   f'21 42Z" {stroke(TEXT2, 3)}/>'
                   f'<path d="M16 50L48 14" {stroke(BG1, 7)}/>'
                   f'<path d="M16 50L48 14" {stroke(DANGER, 3)}/>'))
    ring, defs = _disc(ACCENT)
    arrows = (f'<path d="M23.5 29A9 9 0 0 1 39.6 26" {stroke(ACCENT_HI, 3)}/>'
              f'<path d="M40.5 35A9 9 0 0 1 24.4 38" {stroke(ACCENT_HI, 3)}/>'
              f'<path d="M41 20V26.5H34.5" {stroke(ACCENT_HI, 3)}/>'
              f'<path d="M23 44V37.5H29.5" {stroke(ACCENT_HI, 3)}/>')
    out.append(art("update/status_updating", 64, 64, ring + arrows, defs))
    ring, defs = _disc(SUCCESS, 0.3)
    out.append(art("update/status_latest", 64, 64,
                   ring + f'<path d="M23 32.5L29.5 39L41.5 25.5" {stroke(SUCCESS, 3.6)}/>',
                   defs))
    out.append(art("update/item_ok", 16, 16,
                   f'<circle cx="8" cy="8" r="7" fill="{SUCCESS}"/>'
                   f'<path d="M4.6 8.3L7 10.6L11.4 5.6" {stroke(BG1, 1.9)}/>'))
    return out
