"""What the host's output looks like in the window: the text read back with
Select all and Copy (plain, cut or wrapped at the right margin, scrolled
into the history, erased into the history, quoted), and the colours of
normal and reverse-video text under a chosen colour scheme, read from a
screenshot's pixels."""

import subprocess

import pytest

import lumo

LONG_LINE = bytes(ord("a") + i % 26 for i in range(100))
NUMBERED = [b"line %04d" % n for n in range(1, 2001)]
START_UP = [b"Initializing TCP/IP...", b"Using WSOCK32.DLL"]


connect = lumo.connect


def test_history_margin_erase_and_quoted_copy_with_the_default_settings(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("DISPLAY.INI")
    host.greeting = b"\r\n".join(NUMBERED + [LONG_LINE]) + b"\r\n"
    program = connect(start_program, probe, host, ini)
    # Autowrap is off by default: the characters past the margin all land
    # in the last column, the last one stays.
    shown_long = LONG_LINE[:79] + LONG_LINE[-1:]
    text = read_screen(program, expected=b"line 2000\n" + shown_long)
    expected = START_UP + NUMBERED + [shown_long]
    # A burst of 20 kB: 2003 lines and the cursor's empty line, 1980
    # scrolled into the history (more than one store block holds), which
    # Select all takes in before the 24 screen lines, each once and in
    # order.
    assert text == b"\n".join(expected + [b""])
    # Erasing the whole screen moves its lines, down to the last one with
    # text, into the history; the cursor keeps its row.
    host.send(b"\x1b[2Jafter")
    lines = expected + [b""] * 23 + [b"after"]
    assert read_screen(program, expected=b"after") == b"\n".join(lines)
    # Copy Quoted puts "> " before every line, empty ones included.
    assert read_screen(program, quoted=True) == b"\n".join(b"> " + line for line in lines)


def region(shot, left, top, width, height):
    """The pixels of a rectangle of a screenshot as rows of (r, g, b)."""
    raw = subprocess.run(["convert", shot, "-crop", f"{width}x{height}+{left}+{top}",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True,
                         timeout=20).stdout
    return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


# (background, text, selection background, selection text) of the schemes.
SCHEMES = {
    2: ((0, 0, 0), (255, 255, 255), (192, 192, 192), (0, 0, 0)),
    3: ((0, 0, 0), (0, 255, 0), (128, 128, 128), (0, 64, 0)),
    4: ((0, 0, 128), (255, 255, 255), (128, 128, 128), (255, 255, 255)),
}


def solid_block(pixels, colour, around, min_run):
    """The rectangle (x, y, width, height) of the one block of colour on the
    terminal's background around: rows, at least 6 of them one after the
    other, that hold the same run of at least min_run pixels of colour with
    the background on both sides (the frame and the menu bar's letters give
    single rows)."""
    rows = []
    for y, row in enumerate(pixels):
        run_start, best = None, None
        for x, pixel in enumerate(row + [None]):
            if pixel == colour and run_start is None:
                run_start = x
            elif pixel != colour and run_start is not None:
                framed = (row[max(0, run_start - 3):run_start] == [around] * 3
                          and row[x:x + 3] == [around] * 3)
                if framed and x - run_start >= min_run and (best is None
                                                            or x - run_start > best[1]):
                    best = (run_start, x - run_start)
                run_start = None
        if best:
            rows.append((y, best))
    groups = []
    for y, span in rows:
        if groups and groups[-1][-1][0] == y - 1 and groups[-1][-1][1] == span:
            groups[-1].append((y, span))
        else:
            groups.append([(y, span)])
    blocks = [group for group in groups if len(group) >= 6]
    assert len(blocks) == 1, f"blocks: {[(g[0], len(g)) for g in blocks]}"
    (y, (x, width)), height = blocks[0][0], len(blocks[0])
    return x, y, width, height


def share(pixels, colour):
    flat = [p for row in pixels for p in row]
    return sum(p == colour for p in flat) / len(flat)


def blend_position(pixel, main, other):
    """Where pixel lies on the line from main (0.0) to other (1.0), or None
    when it lies off that line: smoothed glyph edges are blends of the text
    and the background, anything else is a third colour."""
    span = [b - a for a, b in zip(main, other)]
    length = sum(d * d for d in span)
    t = sum((p - a) * d for p, a, d in zip(pixel, main, span)) / length
    t = min(1.0, max(0.0, t))
    nearest = [a + t * d for a, d in zip(main, span)]
    off = sum((p - n) ** 2 for p, n in zip(pixel, nearest)) ** 0.5
    return t if off <= 24 else None


def two_colours(pixels, main, other):
    """Text drawn in other on main, with or without smoothed glyphs: every
    pixel is main, other or a blend of them, most are main, and enough are
    at or near other to be strokes of text."""
    positions = [blend_position(p, main, other) for row in pixels for p in row]
    if None in positions:
        return False
    near_main = sum(t < 0.1 for t in positions) / len(positions)
    near_other = sum(t > 0.7 for t in positions) / len(positions)
    return near_main > 0.5 and near_other > 0.03


@pytest.mark.parametrize("scheme", sorted(SCHEMES))
def test_colour_scheme_reverse_video_selection_and_autowrap_from_a_settings_file(
        start_program, probe, host, settings_file, read_screen, scheme):
    back, text, sel_back, sel_text = SCHEMES[scheme]
    ini, _ = settings_file(f"SCHEME{scheme}.INI",
                           f"[Window]\nColorScheme={scheme}\n[Terminal]\nFlags=4\n",
                           folder="E2E")
    program = connect(start_program, probe, host, ini)
    host.send(b"\x1b[2J\x1b[H" + LONG_LINE
              + b"\x1b[6;11H\x1b[7m" + b" " * 10 + b"\x1b[m"
              + b"\x1b[9;11HNORMAL"
              + b"\x1b[12;11H\x1b[7mREVERSE\x1b[m\x1b[24;1H")
    window = probe.find(cls="LUMO32")
    left, top, right, bottom = window["rect"]
    grid = {}

    def capture(name):
        pixels = region(lumo.screenshot(name), left, top, right - left, bottom - top)

        def cells(row, col, count):
            x, y, w, h = grid["origin_x"], grid["origin_y"], grid["cell_w"], grid["cell_h"]
            return [line[x + col * w:x + (col + count) * w]
                    for line in pixels[y + row * h:y + (row + 1) * h]]
        return pixels, cells

    def drawn():
        pixels, cells = capture(f"scheme{scheme}")
        try:
            x, y, width, height = solid_block(pixels, text, back, 40)
        except AssertionError:
            return None
        # The reverse-video blanks give the cell grid.
        grid.update(cell_w=width // 10, cell_h=height, origin_x=x - width, origin_y=y - 5 * height)
        assert width % 10 == 0
        return share(cells(11, 10, 7), text) > 0.5 and cells

    cells = lumo.wait_until(drawn, 15, interval=0.5, what="the reverse-video text")
    assert 0 <= grid["origin_x"] < 16 and 16 < grid["origin_y"] < 100, grid
    # The background, and normal text in the text colour on it.
    assert share(cells(15, 40, 20), back) == 1.0
    assert two_colours(cells(8, 10, 6), back, text)
    # Reverse video exchanges them.
    assert two_colours(cells(11, 10, 7), text, back)
    assert share(cells(5, 10, 10), text) == 1.0
    # The wrapped line: text across row 0, only 20 columns of row 1.
    assert two_colours(cells(0, 0, 80), back, text)
    assert two_colours(cells(1, 0, 20), back, text)
    assert share(cells(1, 20, 60), back) == 1.0

    lines = read_screen(program).split(b"\n")
    # Autowrap from the settings file's Flags: the line goes on below. The
    # start-up lines went into the history when the screen was erased.
    assert lines[:4] == START_UP + [LONG_LINE[:80], LONG_LINE[80:]]
    # Select all stays shown in the selection colours; selected reverse
    # video exchanges them. The reverse blanks are trailing blanks of their
    # row and never highlighted.
    _, cells = capture(f"scheme{scheme}-selected")
    assert two_colours(cells(8, 10, 6), sel_back, sel_text)
    assert two_colours(cells(11, 10, 7), sel_text, sel_back)
    assert share(cells(5, 10, 10), text) == 1.0


def test_history_drops_its_oldest_lines_when_full_and_keeps_the_rest_in_order(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("FULL.INI")
    count = 130000
    host.greeting = b"".join(b"%06d\r\n" % n for n in range(1, count + 1)) + b"end"
    program = connect(start_program, probe, host, ini)
    lines = lumo.wait_until(lambda: (lambda text: text.endswith(b"\nend") and text)(
        read_screen(program)), 120, interval=2, what="the last line").split(b"\n")
    # The history holds 63 blocks of 16,352 bytes, a record being a line's
    # characters and two counts: the oldest lines, the start-up lines with
    # them, were dropped a block at a time, and what is left runs on without
    # a gap to the last line.
    per_block = 16352 // (6 + 2)
    assert 62 * per_block <= len(lines) - 24 <= 63 * per_block
    first = int(lines[0])
    assert lines == [b"%06d" % n for n in range(first, count + 1)] + [b"end"]
