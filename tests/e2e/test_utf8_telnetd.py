"""UTF-8 mode with a host in a UTF-8 locale through the system's telnetd:
letters and box drawing take one cell, a wide character two, as the host
counts; a typed é reaches the host as UTF-8; the settings file keeps it."""

import os
import re

import lumo

WM_CHAR = 0x0102


def test_utf8_host_output_typed_letter_and_the_mode_kept_in_the_settings(
        shell_at_prompt, probe, read_screen):
    program = shell_at_prompt("UTF8.INI")
    handle = program.window["handle"]
    lumo.toggle_terminal_setting(probe, program, "UTF-8")
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)

    # café, two box-drawing pieces; then an ideograph (two columns) and é,
    # and three columns back: "<" lands on the ideograph's first cell.
    lumo.xdotool("type", "--delay", "30",
                 r"export LANG=C.UTF-8; printf 'caf\303\251 \342\224\200\342\224\202 end\n"
                 r"\344\270\255\303\251\033[3D<\n'")
    lumo.xdotool("key", "Return")
    text = read_screen(program, expected=b"< \xc3\xa9\n")
    assert re.search(rb"^caf\xc3\xa9 -\| end$", text, re.M), text
    assert re.search(rb"^< \xc3\xa9$", text, re.M), text

    # No X key makes é here: its character message comes as Windows sends it.
    lumo.xdotool("type", "--delay", "40", "echo ")
    probe.post(handle, WM_CHAR, 0xE9)
    lumo.xdotool("type", "--delay", "40", " | od -An -tx1")
    lumo.xdotool("key", "Return")
    text = read_screen(program, expected=b"0a\n")
    assert re.search(rb"^ c3 a9 0a$", text, re.M), text

    lumo.xdotool("type", "--delay", "40", "exit")
    lumo.xdotool("key", "Return")
    box, _ = probe.message_box("LUMO/NT", timeout=20)
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
    ini = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "UTF8.INI")
    with open(ini, encoding="latin-1") as settings:
        assert "Utf8=1" in settings.read().splitlines()
