"""A session with the system's Telnet server, which negotiates like a
production host: its shell's prompt appears, typed commands run and their
output shows, a longer output scrolls whole into the history, and leaving
the shell ends the session."""

import re

import lumo


def test_shell_prompt_command_and_exit_through_the_system_telnet_server(
        shell_at_prompt, probe, read_screen):
    program = shell_at_prompt("TELNETD.INI")
    lumo.xdotool("type", "--delay", "40", "echo LUMO$((6*7)) $TERM")
    lumo.xdotool("key", "Return")
    text = read_screen(program, expected=b"LUMO42 ")
    # The server learnt the terminal type from the client's answer.
    assert re.search(rb"^LUMO42 vt100$", text, re.M | re.I), text
    # A few kilobytes from the server arrive whole and in order, most of
    # them in the history.
    lumo.xdotool("type", "--delay", "40", "seq 1 500")
    lumo.xdotool("key", "Return")
    numbers = b"\n".join(b"%d" % n for n in range(1, 501))
    assert numbers + b"\n" in read_screen(program, expected=b"\n499\n500\n")
    lumo.xdotool("type", "--delay", "40", "exit")
    lumo.xdotool("key", "Return")
    box, texts = probe.message_box("LUMO/NT", timeout=20)
    assert texts == ["Connection to 127.0.0.1\\nhas been closed.\\nOkay to close window?"]
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
