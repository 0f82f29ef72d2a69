"""Selecting text with real mouse events: a drag down and up from its
anchor, a double-click on a word, Shift-clicks that move either end, and a
drag held above the window that scrolls into the history. What was
selected is read back with Ctrl+Ins and the X clipboard."""

import time

import pytest

import lumo

SCREEN = [b"first line of text   ", b"cd /usr/lib.so.2 word", b"third line here", b"fourth"]
NUMBERED = [b"line %04d" % n for n in range(1, 301)]


def connect(start_program, probe, host, settings_file, greeting, name, text=None):
    ini, _ = settings_file(name, text)
    host.greeting = greeting
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    return program


class Cells:
    """Screen points of the cells of the 80 x 24 screen."""

    def __init__(self, probe, program):
        self.left, self.top, right, bottom = probe.client(program.window["handle"])
        self.width = (right - self.left) // 80
        self.height = (bottom - self.top) // 24

    def at(self, row, col):
        return self.left + col * self.width + 1, self.top + row * self.height + self.height // 2


def copied(probe, program):
    """The selection's text after Ctrl+Ins; None when the copy put nothing.
    Wine takes a change of the X clipboard in on its own thread, which can
    come after the copy and undo it, so a copy that does not arrive is made
    once more."""
    lumo.set_clipboard(b"-")
    for _ in range(2):
        lumo.xdotool("key", "ctrl+Insert")
        try:
            return lumo.wait_until(lambda: (lambda t: t != b"-" and t)(lumo.clipboard()), 3,
                                   what="the copy")
        except TimeoutError:
            pass
    return None


def double_click(cells, row, col):
    # Apart from the clicks before by more than the double-click time.
    lumo.xdotool("sleep", "0.6", "mousemove", *cells.at(row, col), "click", "--repeat", "2",
                 "--delay", "80", "1", "sleep", "0.3")


def drag(cells, start, end):
    lumo.xdotool("mousemove", *cells.at(*start), "mousedown", "1", "sleep", "0.2",
                 "mousemove", *cells.at(*end), "sleep", "0.2", "mouseup", "1", "sleep", "0.2")


@pytest.mark.smoke
def test_drag_double_click_and_shift_click_select_exactly_the_text(
        start_program, probe, host, settings_file, read_screen):
    program = connect(start_program, probe, host, settings_file,
                      b"\r\n".join(SCREEN), "SELECT.INI", "[Window]\nColorScheme=4\n")
    lines = read_screen(program, expected=b"fourth").split(b"\n")
    row = lines.index(SCREEN[0].rstrip())
    cells = Cells(probe, program)
    # Downward and upward from the anchor select the same stretch; the
    # blanks after "text" are not part of it.
    drag(cells, (row, 6), (row + 2, 5))
    assert copied(probe, program) == b"line of text\ncd /usr/lib.so.2 word\nthird"
    lumo.screenshot("selection-white-on-blue")
    drag(cells, (row + 2, 5), (row, 6))
    assert copied(probe, program) == b"line of text\ncd /usr/lib.so.2 word\nthird"
    drag(cells, (row, 11), (row, 60))
    assert copied(probe, program) == b"of text"

    # A double-click takes the letters and digits around the click, or any
    # other character alone; on a space nothing is selected.
    for col, word in ((9, b"lib"), (11, b"."), (13, b"so"), (15, b"2"), (3, b"/"), (2, None)):
        double_click(cells, row + 1, col)
        assert copied(probe, program) == word, col

    # Shift-click after the start moves the end, before it the start.
    double_click(cells, row + 1, 9)
    lumo.xdotool("keydown", "shift", "mousemove", *cells.at(row + 2, 5), "click", "1",
                 "keyup", "shift", "sleep", "0.3")
    assert copied(probe, program) == b"lib.so.2 word\nthird"
    lumo.xdotool("keydown", "shift", "mousemove", *cells.at(row, 0), "click", "1",
                 "keyup", "shift", "sleep", "0.3")
    assert copied(probe, program) == b"first line of text\ncd /usr/lib.so.2 word\nthird"

    # Received data waits while the button is down (the window is in
    # scroll-back mode for the drag) and shows when it is released.
    lumo.xdotool("mousemove", *cells.at(row + 3, 0), "mousedown", "1")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1) - Scroll Back"),
                    10, what="scroll-back mode during the drag")
    host.send(b"\r\nLATE")
    time.sleep(1)
    assert b"LATE" not in read_screen(program)
    lumo.xdotool("mousemove", *cells.at(row + 3, 4), "sleep", "0.2", "mouseup", "1")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 10,
                    what="live mode after the drag")
    read_screen(program, expected=b"fourth\nLATE")


def test_drag_above_the_window_scrolls_into_the_history(
        start_program, probe, host, settings_file, read_screen):
    program = connect(start_program, probe, host, settings_file,
                      b"\r\n".join(NUMBERED) + b"\r\n", "SELHIST.INI")
    read_screen(program, expected=b"line 0300")
    cells = Cells(probe, program)
    lumo.set_clipboard(b"-")
    # The screen shows lines 278 to 300 and the cursor's empty row; the
    # drag starts on row 10 (line 0288) and waits above the window.
    lumo.xdotool("mousemove", *cells.at(10, 0), "mousedown", "1", "sleep", "0.2",
                 "mousemove", cells.at(0, 5)[0], cells.top - 30, "sleep", "2",
                 "mousemove", *cells.at(0, 5), "sleep", "0.5", "mouseup", "1", "sleep", "0.3")
    text = copied(probe, program)
    lumo.screenshot("selection-history-standard")
    selected = text.split(b"\n")
    # From the cell under the pointer at its release, well up in the
    # history, through whole lines, to the anchor at column 0 of line 0288.
    assert selected[-1] == b""
    assert selected[-2] == b"line 0287"
    # The first line from the release's column 5: its number alone.
    first = int(selected[0])
    assert first < 278 - 5, first
    assert selected[1:-1] == [b"line %04d" % n for n in range(first + 1, 288)]
