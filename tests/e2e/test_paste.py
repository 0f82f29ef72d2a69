"""Paste and upload under Wine with real key and mouse events: the
clipboard (Shift+Ins), the selection plain and quoted (right and
Shift+right click), a text file (Upload), the Working dialog with its
progress and Cancel, and the sound answers to bad input. The scripted host
records every byte, read fast or slowly."""

import os
import re
import subprocess
import time

import pytest

import lumo

CAPTION = "LUMO/NT (127.0.0.1)"
SCREEN = [b"one two", b"three"]


def connect(start_program, probe, host, settings_file, name, greeting=b""):
    ini, _ = settings_file(name)
    host.greeting = greeting
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=CAPTION), 20,
                    what="the connected title")
    lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
    return program


def cell(probe, program, row, col):
    left, top, right, bottom = probe.client(program.window["handle"])
    width, height = (right - left) // 80, (bottom - top) // 24
    return left + col * width + 1, top + row * height + height // 2


def focus(probe, program):
    """Gives the window the focus with a click in its bottom right cell."""
    lumo.xdotool("mousemove", *cell(probe, program, 23, 79), "click", "1", "sleep", "0.3")


def select(probe, program, start, end):
    lumo.xdotool("mousemove", *cell(probe, program, *start), "mousedown", "1", "sleep", "0.2",
                 "mousemove", *cell(probe, program, *end), "sleep", "0.2", "mouseup", "1",
                 "sleep", "0.3")


def settled(host, quiet=1.0, timeout=60):
    """What the host received once nothing more has come for quiet seconds."""
    last = [None, time.monotonic()]

    def still():
        now = bytes(host.received)
        if now != last[0]:
            last[0], last[1] = now, time.monotonic()
            return False
        return time.monotonic() - last[1] >= quiet

    lumo.wait_until(still, timeout, interval=0.2, what="the host to receive nothing more")
    return last[0]


def paste_clipboard(data):
    lumo.set_clipboard(data)
    lumo.xdotool("key", "shift+Insert")


def big_text(size):
    lines, total, n = [], 0, 0
    while total < size:
        line = b"%06d the quick brown fox jumps over the lazy dog %s" % (n, b"x" * (n % 50))
        lines.append(line)
        total += len(line) + 2
        n += 1
    return lines


def working_dialog(probe):
    return probe.wait_window(cls="#32770", title="Working...", timeout=20)


@pytest.mark.smoke
def test_pastes_send_every_byte_once_with_cr_line_ends_to_slow_and_fast_hosts(
        start_program, probe, host, settings_file, read_screen):
    host.read_slowly(10, 0.05)
    program = connect(start_program, probe, host, settings_file, "PASTE.INI",
                      b"\r\n".join(SCREEN))
    lines = read_screen(program, expected=b"three").split(b"\n")
    row = lines.index(b"one two")
    focus(probe, program)

    # 200 kB from the clipboard to a host that reads 10 bytes every 50 ms,
    # and then fast again: every byte arrives once, in order, CR LF and a
    # lone CR as CR.
    text = big_text(200_000)
    paste_clipboard(b"\r\n".join(text) + b"\rend")
    expected = b"\r".join(text) + b"\rend"
    dialog = working_dialog(probe)
    time.sleep(3)
    assert 0 < len(host.received) < 1000
    host.read_slowly(4096, 0)
    host.wait_received(b"\rend", timeout=120)
    assert settled(host) == expected
    probe.wait_gone(dialog["handle"])

    # The selection, plain with the right button and quoted with Shift.
    host.received.clear()
    select(probe, program, (row, 4), (row + 1, 5))
    lumo.xdotool("click", "3", "sleep", "0.5", "keydown", "shift", "click", "3", "keyup", "shift")
    host.wait_received(b"two\rthree> two\r> three")
    assert settled(host) == b"two\rthree> two\r> three"


def test_working_dialog_shows_progress_and_cancel_stops_the_paste(
        start_program, probe, host, settings_file):
    host.read_slowly(10, 0.05)
    program = connect(start_program, probe, host, settings_file, "WORKING.INI", b"ready")
    focus(probe, program)
    text = big_text(6_000_000)
    source = b"\r\n".join(text)
    paste_clipboard(source)
    expected = b"\r".join(text)
    dialog = working_dialog(probe)
    progress = re.compile(r"^[\d,]+ of ([\d,]+) bytes sent \(\d+%\)$")
    shown = lumo.wait_until(lambda: [c["text"] for c in probe.children(dialog["handle"])
                                     if progress.match(c["text"])], 10, what="the progress")
    assert progress.match(shown[0]).group(1) == f"{len(source):,}"
    assert [c["text"] for c in probe.children(dialog["handle"]) if c["id"] == 2] == ["Cancel"]
    time.sleep(3)
    assert probe.find(cls="#32770", title="Working...") == dialog
    lumo.screenshot("working-dialog")
    probe.click(dialog["handle"], "Cancel")
    probe.wait_gone(dialog["handle"])
    # Nothing more is sent: what the host gets once it reads fast is a part
    # of the text from its start.
    host.read_slowly(4096, 0)
    got = settled(host, quiet=2)
    assert 0 < len(got) < len(expected) // 2
    assert expected.startswith(got)
    # The clipboard is free for other programs.
    lumo.set_clipboard(b"after")
    assert lumo.clipboard() == b"after"


def upload(probe, program, path):
    """Chooses path in the Upload dialog; returns the file types it offered."""
    lumo.xdotool("key", "alt+f", "sleep", "0.3", "key", "u")
    dialog = probe.wait_window(cls="#32770", title="Upload")
    types = [c for c in probe.children(dialog["handle"]) if c["cls"] == "ComboBox"]
    texts = [item for combo in types for item in probe.items(combo["handle"])]
    lumo.xdotool("type", "--delay", "20", path)
    lumo.xdotool("key", "Return")
    probe.wait_gone(dialog["handle"])
    return texts


def test_upload_sends_a_text_file_as_typed_while_the_window_keeps_working(
        start_program, probe, host, settings_file):
    folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "upload")
    os.makedirs(folder, exist_ok=True)
    files = {
        # OEM text: the national letter reaches the host through the
        # Finnish key table; Ctrl-Z and LF are dropped.
        "first.txt": (b"caf\x84 line\r\nsecond\nthird\r\n\x1a", b"caf{ line\rsecondthird\r"),
        # The upload ends at a zero byte.
        "zero.txt": (b"before\r\n\x00after\r\n", b"before\r"),
    }
    for name, (data, _) in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
    program = connect(start_program, probe, host, settings_file, "UPLOAD.INI", b"ready")
    focus(probe, program)
    first = upload(probe, program, "C:\\upload\\first.txt")
    assert settled(host) == files["first.txt"][1]
    # The next Upload offers the pattern used last under "As before (...)".
    second = upload(probe, program, "C:\\upload\\zero.txt")
    assert "As before (*.*)" not in first
    assert any(text.startswith("As before (") for text in second), (first, second)
    assert settled(host) == files["first.txt"][1] + files["zero.txt"][1]

    # 3 MB to a slow host: the window takes keys meanwhile, which go out
    # between the pieces; every byte of the file arrives once.
    lines = big_text(3_000_000)
    with open(os.path.join(folder, "big.txt"), "wb") as out:
        out.write(b"\r\n".join(lines) + b"\r\n")
    host.received.clear()
    host.read_slowly(10, 0.05)
    upload(probe, program, "C:\\upload\\big.txt")
    dialog = working_dialog(probe)
    lumo.xdotool("key", "--delay", "100", "Q", "Q", "Q")
    host.read_slowly(65536, 0)
    got = settled(host, quiet=2, timeout=180)
    probe.wait_gone(dialog["handle"])
    assert got.count(b"Q") == 3
    assert got.replace(b"Q", b"") == b"\r".join(lines) + b"\r"


def no_working_dialog(probe):
    return probe.find(cls="#32770", title="Working...") is None


def test_bad_input_sends_nothing_and_leaves_nothing_behind(
        start_program, probe, host, settings_file):
    host.read_slowly(10, 0.05)
    program = connect(start_program, probe, host, settings_file, "PASTEBAD.INI", b"ready")
    focus(probe, program)
    # An empty clipboard, a picture on it, and an empty selection send
    # nothing and show no dialog.
    paste_clipboard(b"")
    subprocess.run(["xclip", "-i", "-selection", "clipboard", "-t", "image/png"],
                   input=b"\x89PNG\r\n\x1a\n", check=True, timeout=10)
    lumo.xdotool("key", "shift+Insert", "sleep", "0.5", "click", "3", "sleep", "1")
    assert host.received == b"" and no_working_dialog(probe)

    # A paste given while one runs is refused; the first one goes on whole.
    text = big_text(3_000_000)
    paste_clipboard(b"\r\n".join(text))
    dialog = working_dialog(probe)
    paste_clipboard(b"SECOND")
    lumo.xdotool("key", "--delay", "200", "shift+Insert", "shift+Insert")
    host.read_slowly(65536, 0)
    assert settled(host, quiet=2, timeout=180) == b"\r".join(text)
    probe.wait_gone(dialog["handle"])

    # An upload whose file is cut short while it runs ends there.
    folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "upload")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "shrinks.txt")
    with open(path, "wb") as out:
        out.write(b"\r\n".join(text))
    host.received.clear()
    host.read_slowly(10, 0.05)
    upload(probe, program, "C:\\upload\\shrinks.txt")
    dialog = working_dialog(probe)
    os.truncate(path, 0)
    host.read_slowly(65536, 0)
    got = settled(host, quiet=2, timeout=180)
    probe.wait_gone(dialog["handle"])
    assert 0 < len(got) < len(b"\r".join(text)) and b"\r".join(text).startswith(got)

    # The host closing the connection during a paste ends it; the window
    # then closes without a paste or its dialog left.
    host.received.clear()
    host.read_slowly(10, 0.05)
    paste_clipboard(b"\r\n".join(text))
    dialog = working_dialog(probe)
    host.hang_up()
    probe.wait_gone(dialog["handle"])
    box, _ = probe.message_box("LUMO/NT")
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0

    # Exit during a paste ends the program as well.
    host.read_slowly(10, 0.05)
    program = connect(start_program, probe, host, settings_file, "PASTEBAD.INI", b"ready")
    focus(probe, program)
    paste_clipboard(b"\r\n".join(text))
    working_dialog(probe)
    probe.close(program.window["handle"])
    box, _ = probe.message_box(CAPTION)
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
    assert no_working_dialog(probe)
