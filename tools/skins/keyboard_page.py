#!/usr/bin/env python3
"""Writes resources/skin/XML/DeviceXml/keyboarddevice.xml: the keyboard's device page.

The 126 key buttons ("key_" n) and their LEDs ("light_" n, a strip under each key) sit at
fixed places in the "SelectPanel" "keyboard_device_key_light", n being the LED index of the
keyboard's LED identity table. Run it again after changing the key rows below.
"""
import os

UNIT = 25        # pixels per key unit (1u)
KEY_H = 19       # key button height
LED_H = 3        # LED strip height under the key
ROW_PITCH = 25   # from one key row to the next
MARGIN = 6

# Rows of (LED index or None for a gap, width in key units, label).
ROWS = [
    [(0, 1, "Esc"), (None, 1, ""), (1, 1, "F1"), (2, 1, "F2"), (3, 1, "F3"), (4, 1, "F4"),
     (None, 0.5, ""), (5, 1, "F5"), (6, 1, "F6"), (7, 1, "F7"), (8, 1, "F8"), (None, 0.5, ""),
     (9, 1, "F9"), (10, 1, "F10"), (11, 1, "F11"), (12, 1, "F12"), (None, 0.25, ""),
     (13, 1, "Prt"), (14, 1, "Scr"), (15, 1, "Pau"), (None, 0.25, ""), (16, 1, "Fn1"), (17, 1, "Fn2")],
    [(21, 1, "`"), (22, 1, "1"), (23, 1, "2"), (24, 1, "3"), (25, 1, "4"), (26, 1, "5"), (27, 1, "6"),
     (28, 1, "7"), (29, 1, "8"), (30, 1, "9"), (31, 1, "0"), (32, 1, "-"), (33, 1, "="), (34, 2, "Back"),
     (None, 0.25, ""), (35, 1, "Ins"), (36, 1, "Hm"), (37, 1, "PU"), (None, 0.25, ""),
     (38, 1, "Num"), (39, 1, "/"), (40, 1, "*"), (41, 1, "-")],
    [(42, 1.5, "Tab"), (43, 1, "Q"), (44, 1, "W"), (45, 1, "E"), (46, 1, "R"), (47, 1, "T"), (48, 1, "Y"),
     (49, 1, "U"), (50, 1, "I"), (51, 1, "O"), (52, 1, "P"), (53, 1, "["), (54, 1, "]"), (55, 1.5, "\\"),
     (None, 0.25, ""), (56, 1, "Del"), (57, 1, "End"), (58, 1, "PD"), (None, 0.25, ""),
     (59, 1, "7"), (60, 1, "8"), (61, 1, "9"), (119, 1, "+")],
    [(63, 1.75, "Caps"), (64, 1, "A"), (65, 1, "S"), (66, 1, "D"), (67, 1, "F"), (68, 1, "G"), (69, 1, "H"),
     (70, 1, "J"), (71, 1, "K"), (72, 1, "L"), (73, 1, ";"), (74, 1, "'"), (75, 2.25, "Enter"),
     (None, 3.5, ""), (76, 1, "4"), (77, 1, "5"), (78, 1, "6")],
    [(84, 2.25, "Shift"), (85, 1, "Z"), (86, 1, "X"), (87, 1, "C"), (88, 1, "V"), (89, 1, "B"),
     (90, 1, "N"), (91, 1, "M"), (92, 1, ","), (93, 1, "."), (94, 1, "/"), (95, 2.75, "Shift"),
     (None, 1.25, ""), (96, 1, "Up"), (None, 1.25, ""), (97, 1, "1"), (98, 1, "2"), (99, 1, "3"),
     (118, 1, "Ent")],
    [(105, 1.25, "Ctrl"), (106, 1.25, "Win"), (107, 1.25, "Alt"), (108, 6.25, "Space"),
     (109, 1.25, "Alt"), (110, 1.25, "Fn"), (111, 1.25, "Menu"), (112, 1.25, "Ctrl"),
     (None, 0.25, ""), (113, 1, "Lt"), (114, 1, "Dn"), (115, 1, "Rt"), (None, 0.25, ""),
     (116, 2, "0"), (117, 1, ".")],
    # The side keys, the keys of other layouts, the right GUI key and the LEDs without a key.
    [(120, 1, "G1"), (121, 1, "G2"), (122, 1, "G3"), (123, 1, "G4"), (124, 1, "G5"), (None, 0.5, ""),
     (79, 1, "Hen"), (80, 1, "Muh"), (81, 1, "L1"), (82, 1, "L2"), (83, 1, "Kat"), (100, 1, "Ro"),
     (101, 1, "Yen"), (102, 1, "<>"), (103, 1, "KP,"), (125, 1, "RWin"), (None, 0.5, ""),
     (18, 1, ""), (19, 1, ""), (20, 1, ""), (62, 1, ""), (104, 1, "")],
]


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def rect(x, y, w, h):
    return (f'<property name="geometry"><rect><x>{x}</x><y>{y}</y><width>{w}</width>'
            f'<height>{h}</height></rect></property>')


def key_widgets():
    out, seen, width = [], set(), 0
    for r, row in enumerate(ROWS):
        x = 0.0
        y = MARGIN + r * ROW_PITCH + (6 if r == len(ROWS) - 1 else 0)
        for led, units, label in row:
            if led is not None:
                assert led not in seen, led
                seen.add(led)
                left = MARGIN + round(x * UNIT)
                w = round(units * UNIT) - 2
                out.append(f'   <widget class="DeviceKeyButton" name="key_{led}">'
                           f'{rect(left, y, w, KEY_H)}'
                           f'<property name="text"><string>{esc(label)}</string></property>'
                           f'<property name="role" stdset="0"><string>kbkey</string></property>'
                           f'<property name="focusPolicy"><enum>Qt::NoFocus</enum></property></widget>')
                out.append(f'   <widget class="DeviceKeyButton" name="light_{led}">'
                           f'{rect(left + 2, y + KEY_H + 1, w - 4, LED_H)}'
                           f'<property name="role" stdset="0"><string>kbled</string></property></widget>')
            x += units
        width = max(width, MARGIN * 2 + round(x * UNIT))
    assert seen == set(range(126)), sorted(set(range(126)) - seen)
    height = MARGIN * 2 + len(ROWS) * ROW_PITCH + 6
    return out, width, height


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    template = os.path.join(here, "keyboard_page.template.xml")
    target = os.path.join(here, "..", "..", "resources", "skin", "XML", "DeviceXml", "keyboarddevice.xml")
    widgets, width, height = key_widgets()
    with open(template, encoding="utf-8") as f:
        text = f.read()
    text = (text.replace("@KEYS@", "\n".join(widgets))
                .replace("@WIDTH@", str(width)).replace("@HEIGHT@", str(height)))
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
