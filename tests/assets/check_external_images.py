#!/usr/bin/env python3
"""Converts TGA files written by ImageMagick and Pillow with `kwtool tga2bmp` and compares the
bitmaps, as read by both tools, with Pillow's reading of the TGA files.

Usage: check_external_images.py KWTOOL WORKDIR. Exits 77 when Pillow or ImageMagick is missing.
"""
import random
import shutil
import subprocess
import sys
from pathlib import Path

SKIP = 77

try:
    from PIL import Image
except ImportError:
    print("Pillow is not installed")
    sys.exit(SKIP)

MAGICK = next((shutil.which(name) for name in ("magick", "convert-im6.q16", "convert")
               if shutil.which(name)), None)
if MAGICK is None:
    print("ImageMagick is not installed")
    sys.exit(SKIP)

WIDTHS = (1, 3, 7, 33, 131)
HEIGHT = 5


def source_image(width, alpha, seed):
    """Runs of one colour (longer than a run-length packet) between noisy stretches."""
    rng = random.Random(seed)
    image = Image.new("RGBA" if alpha else "RGB", (width, HEIGHT))
    colour = (10, 20, 30, 255)
    for y in range(HEIGHT):
        for x in range(width):
            if rng.random() < 0.2:
                colour = tuple(rng.randrange(256) for _ in range(3)) + (rng.randrange(1, 256),)
            image.putpixel((x, y), colour if alpha else colour[:3])
    return image


def magick_rgb(path):
    """The pixels of a file as ImageMagick reads them, as 8-bit RGB bytes."""
    return subprocess.run([MAGICK, str(path), "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


def main():
    kwtool, work = sys.argv[1], Path(sys.argv[2])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    failures = []
    checked = 0
    for width in WIDTHS:
        for alpha in (False, True):
            source = source_image(width, alpha, width * 2 + alpha)
            png = work / f"source-{width}-{int(alpha)}.png"
            source.save(png)
            for rle in (False, True):
                stem = f"{width}-{32 if alpha else 24}-{'rle' if rle else 'raw'}"
                pillow_tga = work / f"pillow-{stem}.tga"
                source.save(pillow_tga, compression="tga_rle" if rle else None)
                magick_tga = work / f"magick-{stem}.tga"
                subprocess.run([MAGICK, str(png), "-type", "TrueColorAlpha" if alpha else "TrueColor",
                                "-compress", "RLE" if rle else "None", str(magick_tga)],
                               check=True)
                for tga in (pillow_tga, magick_tga):
                    header = tga.read_bytes()[:18]
                    expected_type = 10 if rle else 2
                    if header[2] != expected_type or header[16] != (32 if alpha else 24) \
                            or header[17] & 0x20:
                        failures.append(f"{tga.name}: not a bottom-left {expected_type} TGA "
                                        f"(type {header[2]}, {header[16]} bits, "
                                        f"descriptor {header[17]:#x})")
                        continue
                    bmp = tga.with_suffix(".bmp")
                    subprocess.run([kwtool, "tga2bmp", str(tga), str(bmp)], check=True)
                    with Image.open(tga) as decoded:
                        expected = decoded.convert("RGB").tobytes()
                    with Image.open(bmp) as ours:
                        if ours.format != "BMP" or ours.size != (width, HEIGHT):
                            failures.append(f"{bmp.name}: Pillow reads {ours.format} {ours.size}")
                            continue
                        if ours.convert("RGB").tobytes() != expected:
                            failures.append(f"{bmp.name}: Pillow's pixels differ")
                    if magick_rgb(bmp) != expected:
                        failures.append(f"{bmp.name}: ImageMagick's pixels differ")
                    checked += 1
    for failure in failures:
        print(failure)
    print(f"{checked} images checked, {len(failures)} failures")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
