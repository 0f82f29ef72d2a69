"""Typing at a real shell through the system's Telnet server: the terminal
driver on the far side reads Backspace, Ctrl-U and Ctrl-C as a terminal's
erase, kill and interrupt, so the keys must send exactly those bytes."""

import re

import lumo


def test_typed_line_with_erase_kill_and_interrupt_runs_at_the_shell(
        start_program, probe, telnetd, settings_file, read_screen):
    ini, _ = settings_file("TYPING.INI")
    program = start_program("127.0.0.1", "-P", telnetd, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    prompt = re.compile(rb"^[^\n]*[#$]$", re.M)
    lumo.wait_until(lambda: prompt.search(read_screen(program)), 20, interval=0.5,
                    what="the shell's prompt")
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)

    lumo.xdotool("type", "--delay", "40", "echo hello")
    lumo.xdotool("key", "Return")
    text = read_screen(program, expected=b"\nhello\n")
    assert re.search(rb"^hello$", text, re.M), text

    # A long-running command stopped with Ctrl+C; the shell takes the next.
    lumo.xdotool("type", "--delay", "40", "sleep 60")
    lumo.xdotool("key", "Return", "ctrl+c")
    # Backspace erases the x; Ctrl+U throws away the whole first attempt.
    lumo.xdotool("type", "--delay", "40", "echo wrong")
    lumo.xdotool("key", "ctrl+u")
    lumo.xdotool("type", "--delay", "40", "echo LU-MOx")
    lumo.xdotool("key", "BackSpace", "Return")
    text = read_screen(program, expected=b"\nLU-MO\n")
    assert re.search(rb"^LU-MO$", text, re.M), text
    assert not re.search(rb"^wrong$", text, re.M), text
