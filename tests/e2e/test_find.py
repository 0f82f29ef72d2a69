"""Find in scroll-back mode over a history of 65,000 lines: each Find makes
the next line below the view that holds the text the view's bottom line,
never wraps, says "String not found" and leaves the view when there is no
more; case-sensitive and not (accented letters too), the text kept between
searches, a 64-character text, and the last line of the whole history."""

import time

import pytest

import lumo

TITLE = "LUMO/NT (127.0.0.1)"
SCROLL_BACK = TITLE + " - Scroll Back"
WM_VSCROLL, SB_TOP = 0x115, 6
VIEW_LINES = 24
LONG_TEXT = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ+-"
SPECIAL = {100: b"needle", 500: b"Needle", 1000: b"NEEDLE", 2000: b"gr\xfcne \xe4pfel",
           3000: b"x" + LONG_TEXT.encode(), 64999: b"lastword"}


def history():
    lines = []
    for n in range(65000):
        line = b"L%05d" % n
        if n in SPECIAL:
            line += b" " + SPECIAL[n]
        lines.append(line)
    return lines


def find(probe, program, text=None, toggle_case=False):
    """Runs Find; returns the text the dialog showed."""
    probe.command(program.window["handle"], 204)
    dialog = probe.wait_window(cls="#32770", title="Find")
    shown = probe.text(dialog["handle"], 100)
    if text is not None:
        probe.set_text(dialog["handle"], 100, text)
    if toggle_case:
        probe.click(dialog["handle"], "Case sensitive")
    probe.click(dialog["handle"], "OK")
    probe.wait_gone(dialog["handle"])
    return shown


def view_top(probe, program):
    return probe.scroll(program.window["handle"])[0]


def expect_view(probe, program, line):
    """Waits until the line is the view's bottom line."""
    return lumo.wait_until(lambda: view_top(probe, program) == line + 1 - VIEW_LINES, 30,
                           what=f"line {line} at the bottom of the view")


def expect_not_found(probe, program, top):
    box, texts = probe.message_box(SCROLL_BACK)
    assert texts == ["String not found"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert view_top(probe, program) == top


def to_top(probe, program):
    probe.post(program.window["handle"], WM_VSCROLL, SB_TOP)
    lumo.wait_until(lambda: view_top(probe, program) == 0, 10, what="the view at the top")


@pytest.mark.smoke
def test_find_steps_down_the_history_and_never_wraps(start_program, probe, host, settings_file,
                                                    read_screen):
    ini, _ = settings_file("FIND.INI", "[Window]\nSoftSize=0\nVerticalScrollBar=1\n"
                                       "[Terminal]\nEightbit=1\n")
    lines = history()
    host.greeting = b"\r\n".join(lines) + b"\r\n"
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    text = read_screen(program, expected=b"L64999 lastword").split(b"\n")
    # Absolute line numbers; the clipboard reaches X in UTF-8.
    number = {line.decode("utf-8"): i for i, line in enumerate(text)}
    at = {n: number[lines[n].decode("cp1252")] for n in SPECIAL}
    handle = program.window["handle"]

    to_top(probe, program)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=SCROLL_BACK), 10,
                    what="the scroll-back title")
    assert probe.scroll(handle)[2] >= 60000 - VIEW_LINES  # the history's lines
    menu = {i["id"]: i["state"] for i in probe.menu(handle, init=True)}
    assert not menu[204] & 1  # Find is enabled in scroll-back mode

    # Case ignored: every form of the word, in order; the text is kept in
    # upper case; no wrap at the end.
    assert find(probe, program, "needle") == ""
    expect_view(probe, program, at[100])
    lumo.screenshot("find-needle")
    assert find(probe, program) == "NEEDLE"
    expect_view(probe, program, at[500])
    find(probe, program)
    expect_view(probe, program, at[1000])
    find(probe, program, "lastword")
    expect_view(probe, program, at[64999])
    find(probe, program)
    expect_not_found(probe, program, at[64999] + 1 - VIEW_LINES)

    # Case sensitive: only the exact form.
    to_top(probe, program)
    find(probe, program, "Needle", toggle_case=True)
    expect_view(probe, program, at[500])
    find(probe, program, "needle")
    expect_not_found(probe, program, at[500] + 1 - VIEW_LINES)

    # Accented letters pair with their other case; a 64-character text.
    find(probe, program, "GR\u00dcNE \u00c4PFEL", toggle_case=True)
    expect_view(probe, program, at[2000])
    find(probe, program, LONG_TEXT)
    expect_view(probe, program, at[3000])

    # The whole history to its last line, timed from OK to the view's move.
    to_top(probe, program)
    probe.command(handle, 204)
    dialog = probe.wait_window(cls="#32770", title="Find")
    probe.set_text(dialog["handle"], 100, "lastword")
    started = time.monotonic()
    probe.click(dialog["handle"], "OK")
    expect_view(probe, program, at[64999])
    print(f"find over {at[64999] + 1} lines: {time.monotonic() - started:.2f} s "
          "including the probe's round trips")
