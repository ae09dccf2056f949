"""Makes the six carried sample files and the program icon (run through scripts/make-payload).

Usage: make_payload.py <repository root> [output folder]

The output folder defaults to installer/payload/. The icon always goes to installer/quorrel.ico.
Every output is checked for the bytes the installer's build expects before this script ends.
"""

import io
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = sys.argv[1]
OUT = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "installer", "payload")
SOURCES = os.path.join(ROOT, "installer", "payload-sources")
ICON = os.path.join(ROOT, "installer", "quorrel.ico")

SUPERSAMPLE = 4  # pictures are drawn larger and scaled down, which smooths every edge


def fail(message):
    sys.exit("make-payload: " + message)


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


# --- Library stand-in -----------------------------------------------------------------------

LIBRARY_NOTICE = """\
Quorrel_400 - STAND-IN LIBRARY FILE
This file only has the outer shape of a PureBasic user library ("ERUP", the length of
the rest, "3BIL"). It lets the installer be built and tested; it is not a working
library. The release build replaces it with the maintainer's compiled Quorrel_400
(configure with -DQUORREL_PAYLOAD_DIR=<folder with the release files>).
"""

LIBRARY_COMMANDS = [
    ("QuorrelStart", "(Dokument$ [, Flags])", "Beginnt einen Druckauftrag"),
    ("QuorrelStop", "()", "Beendet den Druckauftrag"),
    ("QuorrelNewPage", "()", "Beginnt eine neue Seite"),
    ("QuorrelPage", "()", "Nummer der aktuellen Seite"),
    ("QuorrelPageWidth", "()", "Breite des bedruckbaren Bereichs in mm"),
    ("QuorrelPageHeight", "()", "Hoehe des bedruckbaren Bereichs in mm"),
    ("QuorrelFont", "(Name$, Groesse [, Stil])", "Waehlt die Schrift"),
    ("QuorrelColor", "(Farbe)", "Farbe fuer Text und Linien"),
    ("QuorrelText", "(x, y, Text$ [, Ausrichtung])", "Druckt einen Text"),
    ("QuorrelTextWidth", "(Text$)", "Breite eines Textes in mm"),
    ("QuorrelTextHeight", "()", "Zeilenhoehe in mm"),
    ("QuorrelLine", "(x1, y1, x2, y2 [, Dicke])", "Zieht eine Linie"),
    ("QuorrelBox", "(x, y, Breite, Hoehe [, Dicke [, Fuellfarbe]])", "Zeichnet einen Rahmen"),
    ("QuorrelImage", "(ImageID, x, y, Breite, Hoehe)", "Druckt ein Bild"),
]

LIBRARY_SIZE = 13151


def make_library():
    body = bytearray(b"3BIL")
    body += b"NOTE" + struct.pack("<I", len(LIBRARY_NOTICE)) + LIBRARY_NOTICE.encode("ascii")
    table = "".join(f"{n}\0{a}\0{h}\0" for n, a, h in LIBRARY_COMMANDS).encode("cp1252")
    body += b"FUNC" + struct.pack("<I", len(table)) + table
    # Filler in place of the code: fixed seed, so every run makes the same bytes.
    filler_length = LIBRARY_SIZE - 8 - len(body) - 8
    if filler_length < 0:
        fail("library stand-in outgrew its size")
    rng = random.Random(400)
    body += b"CODE" + struct.pack("<I", filler_length)
    body += bytes(rng.randrange(256) for _ in range(filler_length))
    data = b"ERUP" + struct.pack("<I", len(body)) + bytes(body)
    if data[8:12] != b"3BIL" or len(data) != LIBRARY_SIZE:
        fail("library stand-in has the wrong shape")
    write("Quorrel_400", data)


# --- Help file ------------------------------------------------------------------------------


def make_help():
    source = os.path.join(SOURCES, "help")
    with tempfile.TemporaryDirectory() as work:
        for name in sorted(os.listdir(source)):
            with open(os.path.join(source, name), encoding="utf-8") as f:
                text = f.read()
            if name.endswith(".html"):
                # Entities keep the pages right whatever code page the viewer assumes.
                data = text.encode("ascii", "xmlcharrefreplace")
            else:
                data = text.encode("cp1252")
            with open(os.path.join(work, name), "wb") as f:
                f.write(data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n"))
        result = subprocess.run(["chmcmd", "Quorrel400.hhp"], cwd=work,
                                capture_output=True, text=True)
        compiled = os.path.join(work, "Quorrel400.chm")
        if result.returncode != 0 or not os.path.exists(compiled):
            fail("chmcmd failed:\n" + result.stdout + result.stderr)
        with open(compiled, "rb") as f:
            data = f.read()
    if data[:4] != b"ITSF" or struct.unpack("<I", data[4:8])[0] != 3:
        fail("chmcmd did not make an ITSF version 3 file")
    write("Quorrel400.chm", data)


# --- Example programs -----------------------------------------------------------------------


def make_example(name, first_line):
    with open(os.path.join(SOURCES, "examples", name), encoding="utf-8") as f:
        text = f.read()
    text = text.replace("\r\n", "\n").rstrip("\n") + "\n"
    data = text.replace("\n", "\r\n").encode("cp1252")
    if not data.startswith(first_line.encode("cp1252") + b"\r\n"):
        fail(f"{name} does not begin with the line {first_line!r}")
    write(name, data)


# --- Drawing --------------------------------------------------------------------------------


def font(size, bold=True):
    names = ["LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf",
             "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"]
    for folder in ["/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/dejavu"]:
        for name in names:
            path = os.path.join(folder, name)
            if os.path.exists(path):
                return ImageFont.truetype(path, size)
    fail("no TrueType font found (install fonts-liberation)")


def vertical_gradient(size, top, bottom):
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(1, height - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(0, y), (width, y)], fill=colour)
    return image


def draw_printer(canvas, left, top, width, detail=2):
    """Draws a desk printer with a sheet going in at the back and a printed one coming out.

    The printer is `width` pixels wide and about 1.2 * width tall, measured from `top` (the
    upper edge of the sheet at the back). detail 0 leaves out everything a 16-pixel icon
    cannot show.
    """
    draw = ImageDraw.Draw(canvas)
    w = width

    def box(x0, y0, x1, y1):
        return [left + x0 * w, top + y0 * w, left + x1 * w, top + y1 * w]

    line = max(1, round(w * (0.035 if detail else 0.06)))
    outline = (38, 46, 60, 255)
    radius = w * 0.07

    # Paper going in at the back.
    draw.rectangle(box(0.22, 0.0, 0.78, 0.42), fill=(252, 252, 250, 255), outline=outline,
                   width=line)
    if detail:
        for i in range(4):
            y = 0.08 + i * 0.07
            draw.line(box(0.30, y, 0.70 - (i % 2) * 0.12, y), fill=(170, 178, 190, 255),
                      width=max(1, line // 2))

    # Body with a light top and a darker front.
    draw.rounded_rectangle(box(0.0, 0.32, 1.0, 0.86), radius, fill=(214, 220, 230, 255),
                           outline=outline, width=line)
    draw.rounded_rectangle(box(0.0, 0.58, 1.0, 0.86), radius, fill=(150, 162, 180, 255),
                           outline=outline, width=line)
    draw.rectangle(box(0.14, 0.38, 0.86, 0.45), fill=(44, 52, 68, 255))
    if detail:
        # Control panel: a green lamp and two keys.
        draw.ellipse(box(0.80, 0.48, 0.88, 0.56), fill=(70, 210, 90, 255), outline=outline,
                     width=max(1, line // 2))
        for x in (0.62, 0.70):
            draw.rounded_rectangle(box(x, 0.50, x + 0.06, 0.54), w * 0.01,
                                   fill=(120, 130, 148, 255))

    # The printed sheet coming out at the front, with a heading and lines of text.
    draw.rectangle(box(0.18, 0.70, 0.82, 1.20), fill=(255, 255, 255, 255), outline=outline,
                   width=line)
    if detail:
        draw.rectangle(box(0.26, 0.78, 0.56, 0.83), fill=(31, 78, 140, 255))
        draw.rectangle(box(0.60, 0.78, 0.74, 0.92), fill=(235, 150, 40, 255))
        for i in range(4):
            y = 0.88 + i * 0.07
            end = 0.56 if i < 1 else 0.74 - (i % 2) * 0.10
            draw.line(box(0.26, y, end, y), fill=(120, 128, 140, 255), width=max(1, line // 2))
    else:
        draw.rectangle(box(0.30, 0.86, 0.70, 0.98), fill=(31, 78, 140, 255))
    # Slot the sheet comes out of.
    draw.rectangle(box(0.10, 0.66, 0.90, 0.72), fill=(44, 52, 68, 255))


def shadow(size, box, blur):
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(layer).ellipse(box, fill=(0, 0, 0, 90))
    return layer.filter(ImageFilter.GaussianBlur(blur))


# --- Dialog picture -------------------------------------------------------------------------

BMP_WIDTH, BMP_HEIGHT = 110, 300


def draw_setup_picture():
    s = SUPERSAMPLE
    size = (BMP_WIDTH * s, BMP_HEIGHT * s)
    image = vertical_gradient(size, (10, 34, 84), (54, 118, 196)).convert("RGBA")

    # Two soft light bands across the panel.
    glow = Image.new("RGBA", size, (0, 0, 0, 0))
    glow_draw = ImageDraw.Draw(glow)
    glow_draw.polygon([(0, 40 * s), (110 * s, 0), (110 * s, 30 * s), (0, 95 * s)],
                      fill=(255, 255, 255, 22))
    glow_draw.polygon([(0, 230 * s), (110 * s, 170 * s), (110 * s, 185 * s), (0, 250 * s)],
                      fill=(255, 255, 255, 14))
    image = Image.alpha_composite(image, glow.filter(ImageFilter.GaussianBlur(6 * s)))

    # The product name, running up the panel.
    name_font = font(30 * s)
    text = Image.new("RGBA", (190 * s, 40 * s), (0, 0, 0, 0))
    ImageDraw.Draw(text).text((0, 0), "Quorrel", font=name_font, fill=(255, 255, 255, 235))
    text = text.crop(text.getbbox()).rotate(90, expand=True)
    image.alpha_composite(text, (12 * s, 16 * s))
    small = Image.new("RGBA", (120 * s, 20 * s), (0, 0, 0, 0))
    ImageDraw.Draw(small).text((0, 0), "Drucken mit PureBasic", font=font(9 * s, bold=False),
                               fill=(200, 220, 250, 255))
    small = small.crop(small.getbbox()).rotate(90, expand=True)
    image.alpha_composite(small, (52 * s, 16 * s + text.height - small.height))

    image = Image.alpha_composite(image, shadow(size, (14 * s, 262 * s, 96 * s, 278 * s), 4 * s))
    draw_printer(image, 17 * s, 176 * s, 76 * s)

    return image.convert("RGB").resize((BMP_WIDTH, BMP_HEIGHT), Image.LANCZOS)


def bmp_8bit(image):
    """An uncompressed, bottom-up 8-bit bitmap with a full 256-entry palette."""
    quantised = image.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.FLOYDSTEINBERG)
    palette = quantised.getpalette()[: 256 * 3]
    palette += [0] * (256 * 3 - len(palette))
    width, height = quantised.size
    stride = (width + 3) // 4 * 4
    pixels = quantised.tobytes()
    rows = b"".join(pixels[y * width:(y + 1) * width] + b"\0" * (stride - width)
                    for y in reversed(range(height)))
    colour_table = b"".join(bytes((palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0))
                            for i in range(256))
    offset = 14 + 40 + len(colour_table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    header = b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset)
    return header + info + colour_table + rows


def make_setup_picture():
    data = bmp_8bit(draw_setup_picture())
    fields = struct.unpack("<2sIHHIIiiHHI", data[:34])
    if fields != (b"BM", 34678, 0, 0, 1078, 40, 110, 300, 1, 8, 0) or len(data) != 34678:
        fail(f"setup picture header is wrong: {fields}")
    write("setup_picture.bmp", data)


# --- Example picture ------------------------------------------------------------------------


def draw_example_picture():
    s = SUPERSAMPLE
    width, height = 480, 360
    size = (width * s, height * s)
    image = vertical_gradient(size, (236, 242, 250), (196, 210, 230)).convert("RGBA")
    draw = ImageDraw.Draw(image)
    # A desk top for the printer to stand on.
    draw.rectangle([0, 292 * s, size[0], size[1]], fill=(164, 120, 84, 255))
    draw.rectangle([0, 292 * s, size[0], 298 * s], fill=(190, 146, 104, 255))
    image = Image.alpha_composite(image, shadow(size, (110 * s, 290 * s, 370 * s, 318 * s), 8 * s))
    draw_printer(image, 135 * s, 38 * s, 210 * s)
    return image.convert("RGB").resize((width, height), Image.LANCZOS)


def make_example_picture():
    path = os.path.join(OUT, "printer_image.jpg")
    draw_example_picture().save(path, "JPEG", quality=92, dpi=(96, 96))
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"\xff\xd8\xff\xe0" or data[6:11] != b"JFIF\0" or data[-2:] != b"\xff\xd9":
        fail("printer_image.jpg is not a JFIF JPEG")
    print(f"printer_image.jpg: {len(data)} bytes")


# --- Program icon ---------------------------------------------------------------------------

ICON_SIZES = (16, 32, 48)


def draw_icon(size):
    s = 8  # small icons need more smoothing than the pictures
    canvas = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    # The printer is 1.2 times as tall as wide: fit its height into the square.
    width = size * s / 1.22
    draw_printer(canvas, (size * s - width) / 2, size * s * 0.01, width,
                 detail=0 if size < 32 else 1)
    return canvas.resize((size, size), Image.LANCZOS)


def icon_entry(image):
    """One icon image, PNG-compressed with its full alpha channel.

    Windows (since Vista) and Wine read PNG images in icons of every size; an uncompressed
    32-bit image with its mask takes two to four times the bytes, and every byte of the icon is
    carried in the exe.
    """
    data = io.BytesIO()
    image.save(data, "PNG", optimize=True)
    return data.getvalue()


def make_icon():
    entries = [icon_entry(draw_icon(size)) for size in ICON_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    for size, entry in zip(ICON_SIZES, entries):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
    data = directory + b"".join(entries)
    for entry in entries:
        if entry[:8] != b"\x89PNG\r\n\x1a\n" or entry[12:16] != b"IHDR" or entry[25] != 6:
            fail("an icon image is not an RGBA PNG")
    with open(ICON, "wb") as f:
        f.write(data)
    print(f"quorrel.ico: {len(data)} bytes")


def main():
    if shutil.which("chmcmd") is None:
        fail("chmcmd not found (Debian package fp-utils)")
    os.makedirs(OUT, exist_ok=True)
    make_library()
    make_help()
    make_example("ostrel.pb", "; Testprogramm")
    make_example("ostrel_using_sample.pb", "; Testprogramm Drucken")
    make_setup_picture()
    make_example_picture()
    make_icon()


main()
