"""Typing at a real shell through the system's Telnet server: the terminal
driver on the far side reads Backspace, Ctrl-U and Ctrl-C as a terminal's
erase, kill and interrupt, so the keys must send exactly those bytes."""

import re

import lumo


def test_typed_line_with_erase_kill_and_interrupt_runs_at_the_shell(
        shell_at_prompt, read_screen):
    program = shell_at_prompt("TYPING.INI")

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
