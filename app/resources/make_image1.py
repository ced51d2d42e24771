#!/usr/bin/env python3
"""Build image1.gif (start window picture) from image1.svg.

ImageMagick rasterises the SVG; everything else (palette reduction, LZW,
GIF container) is done here with the standard library so the output is
byte-for-byte reproducible and has exactly the layout the program expects:
one 200x230 frame, a full 256-entry global palette and index 255 reserved
for transparency.

Usage: make_image1.py [input.svg [output.gif]]
"""

import os
import struct
import subprocess
import sys

WIDTH = 200
HEIGHT = 230
TRANSPARENT_INDEX = 255
MAX_COLOURS = 255          # index 255 is kept for transparency
ALPHA_THRESHOLD = 128      # GIF has 1-bit alpha; below this counts as see-through


def rasterise(svg_path):
    """Return the SVG rendered as a flat list of (r, g, b, a) tuples."""
    cmd = ["convert", "-background", "none", svg_path, "-depth", "8", "rgba:-"]
    raw = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    if len(raw) != WIDTH * HEIGHT * 4:
        raise SystemExit("unexpected raster size from ImageMagick: %d bytes" % len(raw))
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def median_cut(histogram, max_colours):
    """Reduce a {rgb: count} histogram to at most max_colours representatives.

    Returns {rgb: palette_rgb}. Every tie is broken on the colour values so the
    result never depends on dict ordering.
    """
    colours = sorted(histogram)
    if len(colours) <= max_colours:
        return {c: c for c in colours}

    def box_stats(box):
        ranges = [max(c[ch] for c in box) - min(c[ch] for c in box) for ch in range(3)]
        weight = sum(histogram[c] for c in box)
        return ranges, weight

    boxes = [colours]
    while len(boxes) < max_colours:
        # Split the box whose widest channel, scaled by pixel count, is largest.
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            ranges, weight = box_stats(box)
            score = (max(ranges) * weight, max(ranges), -i)
            if best is None or score > best[0]:
                best = (score, i, ranges)
        if best is None:
            break
        _, i, ranges = best
        box = boxes[i]
        ch = max(range(3), key=lambda k: (ranges[k], -k))
        box = sorted(box, key=lambda c: (c[ch], c))
        total = sum(histogram[c] for c in box)
        running = 0
        cut = 1
        for j, c in enumerate(box[:-1]):
            running += histogram[c]
            cut = j + 1
            if running * 2 >= total:
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]

    mapping = {}
    for box in boxes:
        weight = sum(histogram[c] for c in box)
        rep = tuple((sum(c[ch] * histogram[c] for c in box) + weight // 2) // weight
                    for ch in range(3))
        for c in box:
            mapping[c] = rep
    return mapping


def quantise(pixels):
    """Return (palette of 256 rgb tuples, list of indices)."""
    histogram = {}
    for r, g, b, a in pixels:
        if a >= ALPHA_THRESHOLD:
            histogram[(r, g, b)] = histogram.get((r, g, b), 0) + 1
    mapping = median_cut(histogram, MAX_COLOURS)
    reps = sorted(set(mapping.values()))
    slot = {rgb: i for i, rgb in enumerate(reps)}
    palette = reps + [(0, 0, 0)] * (256 - len(reps))
    # The transparent slot gets a neutral grey so viewers that ignore the
    # transparency flag still show something inoffensive.
    palette[TRANSPARENT_INDEX] = (192, 192, 192)
    indices = [slot[mapping[(r, g, b)]] if a >= ALPHA_THRESHOLD else TRANSPARENT_INDEX
               for r, g, b, a in pixels]
    return palette, indices


def lzw_encode(indices, min_code_size=8):
    """GIF-flavoured variable-width LZW, LSB-first bit packing."""
    clear = 1 << min_code_size
    end = clear + 1

    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    # Dictionary keyed by (prefix code, next index) so lookups stay O(1)
    # however long the current run gets.
    def reset():
        return {}, end + 1

    # The decoder is one table entry behind us, so the width it reads with is
    # the bit length of (our next free code - 1).
    def width_for(next_code):
        return max(min_code_size + 1, (next_code - 1).bit_length())

    table, next_code = reset()
    emit(clear, min_code_size + 1)
    current = None
    for k in indices:
        if current is None:
            current = k
            continue
        code = table.get((current, k))
        if code is not None:
            current = code
            continue
        emit(current, width_for(next_code))
        table[(current, k)] = next_code
        next_code += 1
        if next_code == 4096:
            # Table full: restart rather than keep coding with a frozen table.
            emit(clear, 12)
            table, next_code = reset()
        current = k
    if current is not None:
        emit(current, width_for(next_code))
        next_code += 1
    emit(end, width_for(next_code))
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def build_gif(palette, indices):
    gif = bytearray(b"GIF89a")
    # Logical screen: global table present (0x80), colour resolution 8 bits
    # (0x70), not sorted, table size field 7 -> 256 entries.
    gif += struct.pack("<HHBBB", WIDTH, HEIGHT, 0x80 | 0x70 | 0x07, 0, 0)
    for r, g, b in palette:
        gif += bytes((r, g, b))
    # Graphic control extension: disposal 1 (leave in place), transparency on.
    gif += bytes((0x21, 0xF9, 4, (1 << 2) | 1, 0, 0, TRANSPARENT_INDEX, 0))
    # Image descriptor: full frame, no local table, not interlaced.
    gif += b"\x2C" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0)
    gif.append(8)
    gif += sub_blocks(lzw_encode(indices, 8))
    gif.append(0x3B)
    return bytes(gif)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    svg_path = argv[1] if len(argv) > 1 else os.path.join(here, "image1.svg")
    gif_path = argv[2] if len(argv) > 2 else os.path.join(here, "image1.gif")
    palette, indices = quantise(rasterise(svg_path))
    with open(gif_path, "wb") as f:
        f.write(build_gif(palette, indices))


if __name__ == "__main__":
    main(sys.argv)
