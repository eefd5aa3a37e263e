#!/usr/bin/python3
"""Writes resources/skin/fonts/caption_cjk.ttf: the few Chinese glyphs the caption's light
control shows in every language ("控制灯光", "不控制灯光"), cut from WenQuanYi Micro Hei
(Apache 2.0) and renamed, so an English window does not load a 5 MB CJK font for them.

Run again after changing those texts:
    /usr/bin/python3 tools/fonts/make_caption_font.py
Needs python3-fonttools and fonts-wqy-microhei.
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
TEXT = "控制灯光不"
FAMILY = "KV_ELM Caption CJK"
TARGET = pathlib.Path(__file__).resolve().parents[2] / "resources/skin/fonts/caption_cjk.ttf"

# name ids: 1 family, 3 unique id, 4 full name, 6 PostScript name, 16 typographic family
NEW_NAMES = {1: FAMILY, 3: FAMILY + " Regular", 4: FAMILY, 6: FAMILY.replace(" ", "") + "-Regular", 16: FAMILY}


def main() -> int:
    font = TTFont(SOURCE, fontNumber=0)
    options = subset.Options()
    options.layout_features = []
    options.hinting = False
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14, 16, 17]
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=TEXT)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in NEW_NAMES:
            record.string = NEW_NAMES[record.nameID]
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    font.save(TARGET)
    print(f"{TARGET}: {TARGET.stat().st_size} bytes, glyphs for {TEXT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
