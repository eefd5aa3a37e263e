#!/usr/bin/env python3
"""Writes the program's artwork.

Every image is drawn here as SVG, written to resources/skin/<name>.svg and rendered with
rsvg-convert to <name>.png (1x) and <name>@2x.png (2x; Qt picks it on high-DPI screens).
The program icon goes to packaging/kvelm.svg and packaging/icons/hicolor/<n>x<n>/apps/.
The generated files are kept in the repository; the build does not run this script.

  make_art.py                     write and render everything
  make_art.py --only power/       only images whose name starts with a prefix
  make_art.py --check             verify the files on disk match this script (no rendering)
  make_art.py --contact-sheet F   also render an overview of every PNG to F
"""

import argparse
import base64
import os
import shutil
import struct
import subprocess
import sys
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source folder free of __pycache__

import art_controls  # noqa: E402
import art_devices  # noqa: E402
import art_icon  # noqa: E402
import art_power  # noqa: E402
import art_scenes  # noqa: E402
import art_status  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
SKIN_DIR = os.path.join(ROOT, "resources", "skin")
PACKAGING_DIR = os.path.join(ROOT, "packaging")


def skin_images():
    images = (art_devices.device_icons() + art_devices.device_select_arrows()
              + art_power.power_images() + art_controls.control_images()
              + art_controls.caption_buttons() + art_status.status_images()
              + art_scenes.scene_images() + art_icon.skin_logos())
    names = [a.path for a in images]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        sys.exit("duplicate image names: " + ", ".join(duplicates))
    return images


def png_size(path):
    """Width and height from a PNG header, or None when the file is no PNG."""
    try:
        with open(path, "rb") as f:
            head = f.read(24)
    except OSError:
        return None
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def write_if_changed(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def render(svg_path, png_path, width, height):
    os.makedirs(os.path.dirname(png_path), exist_ok=True)
    subprocess.run(["rsvg-convert", "--width", str(width), "--height", str(height),
                    "--output", png_path, svg_path], check=True)


def outputs():
    """(svg path, svg text, [(png path, width, height)]) for every file this script owns."""
    result = []
    for image in skin_images():
        base = os.path.join(SKIN_DIR, *image.path.split("/"))
        result.append((base + ".svg", image.svg,
                       [(base + ".png", image.width, image.height),
                        (base + "@2x.png", 2 * image.width, 2 * image.height)]))
    icon_svg = os.path.join(PACKAGING_DIR, "kvelm.svg")
    pngs = [(os.path.join(PACKAGING_DIR, "icons", "hicolor", f"{n}x{n}", "apps", "kvelm.png"),
             n, n) for n in art_icon.PACKAGE_SIZES]
    result.append((icon_svg, art_icon.program_icon_svg(), pngs))
    return result


def generate(only):
    if shutil.which("rsvg-convert") is None:
        sys.exit("rsvg-convert is missing (Debian package librsvg2-bin)")
    count = 0
    for svg_path, text, pngs in outputs():
        rel = os.path.relpath(svg_path, SKIN_DIR).replace(os.sep, "/")
        if only and not any(rel.startswith(p) for p in only):
            continue
        write_if_changed(svg_path, text)
        for png_path, w, h in pngs:
            render(svg_path, png_path, w, h)
            count += 1
    print(f"rendered {count} PNG files")


def check():
    """Lists every generated file that is missing, stale or of the wrong size."""
    problems = []
    for svg_path, text, pngs in outputs():
        try:
            with open(svg_path, encoding="utf-8") as f:
                if f.read() != text:
                    problems.append(f"stale: {svg_path}")
        except OSError:
            problems.append(f"missing: {svg_path}")
        for png_path, w, h in pngs:
            size = png_size(png_path)
            if size is None:
                problems.append(f"missing or not a PNG: {png_path}")
            elif size != (w, h):
                problems.append(f"wrong size {size[0]}x{size[1]}, want {w}x{h}: {png_path}")
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s) in the generated artwork")
    return 1 if problems else 0


def contact_sheet(target, scale, only):
    """One picture of every skin image (or those under the --only prefixes) on the window
    colours, each labelled with its name, large ones shrunk to the cell."""
    cell_w, cell_h, cols = 230, 150, 6
    images = [a for a in skin_images() if not only or any(a.path.startswith(p) for p in only)]
    rows = (len(images) + cols - 1) // cols
    parts = []
    for i, image in enumerate(images):
        x, y = (i % cols) * cell_w, (i // cols) * cell_h
        suffix = "@2x.png" if scale == 2 else ".png"
        png = os.path.join(SKIN_DIR, *image.path.split("/")) + suffix
        with open(png, "rb") as f:
            data = base64.b64encode(f.read()).decode()
        w, h = image.width * scale, image.height * scale
        fit = min(1.0, (cell_w - 20) / w, (cell_h - 34) / h)
        dw, dh = w * fit, h * fit
        tile = "#13161d" if i % 2 == 0 else "#1a1e27"
        parts.append(f'<rect x="{x}" y="{y}" width="{cell_w}" height="{cell_h}" fill="{tile}"/>')
        parts.append(f'<image x="{x + (cell_w - dw) / 2}" y="{y + 8 + (cell_h - 34 - dh) / 2}" '
                     f'width="{dw}" height="{dh}" href="data:image/png;base64,{data}"/>')
        parts.append(f'<text x="{x + 6}" y="{y + cell_h - 8}" fill="#95a0b2" '
                     f'font-family="DejaVu Sans" font-size="10">{escape(image.path)}</text>')
    width, height = cols * cell_w, rows * cell_h
    sheet = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}">'
             + "".join(parts) + "</svg>")
    svg_path = target + ".svg"
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(sheet)
    subprocess.run(["rsvg-convert", "--output", target, svg_path], check=True)
    os.remove(svg_path)
    print(f"contact sheet: {target}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--only", action="append", default=[])
    parser.add_argument("--contact-sheet")
    parser.add_argument("--sheet-scale", type=int, choices=(1, 2), default=1)
    args = parser.parse_args()
    if args.check:
        return check()
    generate(args.only)
    if args.contact_sheet:
        contact_sheet(args.contact_sheet, args.sheet_scale, args.only)
    return 0


if __name__ == "__main__":
    sys.exit(main())
