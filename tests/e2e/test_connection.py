"""The connection as the user and the host see it: the start-up lines, the
title from the first attempt to the end, the Telnet negotiation replies
that reach the host, the ports taken from the command line, and the boxes
and the question when the host cannot be found, refuses or hangs up."""

import os
import socket
import time

import pytest

import lumo

IAC, DONT, DO, WONT, WILL, SB, NOP, SE = 255, 254, 253, 252, 251, 250, 241, 240
ECHO, SGA, TTYPE, BINARY = 1, 3, 24, 0


def cmd(*codes):
    return bytes([IAC, *codes])


def connected_title(probe):
    return lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                           what="the connected title")


def closed_question(probe, host_text="127.0.0.1"):
    box, texts = probe.message_box("LUMO/NT")
    assert texts == [f"Connection to {host_text}\\nhas been closed.\\nOkay to close window?"]
    return box


def accept_on(listener):
    """The client that connects to the listener next."""
    def accepted():
        try:
            return listener.accept()[0]
        except socket.timeout:
            return None
    return lumo.wait_until(accepted, 20, what="a connection on port 23")


def wait_box(probe):
    """A message box with the system's default caption, and its texts; the
    host dialog, which may still be closing, is not one."""
    def found():
        return next((w for w in probe.windows() if w["cls"] == "#32770" and w["visible"]
                     and w["title"] != "Open connection"), None)
    box = lumo.wait_until(found, 20, what="a message box")
    return box, [c["text"] for c in probe.children(box["handle"])
                 if c["cls"].lower() == "static" and c["text"]]


def exit_program(probe, program):
    """Exit from the menu, confirmed."""
    title = probe.find(cls="LUMO32")["title"]
    probe.command(program.window["handle"], 103)
    box, _ = probe.message_box(title)
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0


def test_start_up_lines_title_and_negotiation_replies(start_program, probe, host,
                                                      settings_file, read_screen):
    ini, _ = settings_file("NEGOTIATE.INI")
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    connected_title(probe)
    lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
    # The network start-up reports itself in the terminal, line by line.
    text = read_screen(program)
    assert text.startswith(b"Initializing TCP/IP...\nUsing WSOCK32.DLL\n")
    # The client never starts a negotiation.
    time.sleep(0.5)
    assert bytes(host.received) == b""
    host.send(cmd(DO, TTYPE) + cmd(SB, TTYPE, 1, IAC, SE) + cmd(WILL, ECHO) + cmd(WILL, SGA)
              + cmd(DO, SGA) + cmd(DO, ECHO) + cmd(DO, BINARY) + cmd(WILL, 200)
              + cmd(DO, TTYPE) + cmd(WILL, SGA) + cmd(DO, BINARY) + b"ne" + cmd(NOP)
              + b"gotiated\r\n")
    expected = (cmd(WILL, TTYPE) + cmd(SB, TTYPE, 0) + b"VT100" + cmd(SE)
                + cmd(DO, SGA)  # the first WILL ECHO is taken as agreed already
                + cmd(WILL, SGA) + cmd(WONT, ECHO) + cmd(WONT, BINARY) + cmd(DONT, 200)
                + cmd(WONT, BINARY))  # repeated requests for agreed options: no reply
    host.wait_received(expected)
    # Telnet commands vanish from the data: the words join and nothing of
    # the negotiation shows.
    lines = read_screen(program, expected=b"negotiated").split(b"\n")
    assert lines[2] == b"negotiated"
    time.sleep(0.3)
    assert bytes(host.received) == expected
    # A command split across two reads is one command: the host takes back
    # ECHO, then offers it again.
    host.send(cmd())
    time.sleep(0.5)
    host.send(bytes([WONT, ECHO]) + cmd(WILL, ECHO))
    expected += cmd(DONT, ECHO) + cmd(DO, ECHO)
    host.wait_received(expected)
    host.hang_up()
    box = closed_question(probe)
    # An established connection that ends is no failed connect.
    assert probe.find(cls="#32770", title="LUMO") is None
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0


@pytest.mark.parametrize("args, host_text", [
    # The host's own port wins over -P; the host word is taken in upper case.
    (lambda port: ("-P", "1", f"localhost:{port}"), "LOCALHOST"),
    # Options in either case, after the host.
    (lambda port: ("127.0.0.1", "-p", str(port)), "127.0.0.1"),
], ids=["host-colon-port", "lower-case-p-after-host"])
def test_port_from_the_command_line(start_program, probe, host, settings_file, args,
                                    host_text):
    ini, _ = settings_file("PORT.INI")
    start_program(*args(host.port), "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=f"LUMO/NT ({host_text})"), 20,
                    what="the connected title")
    lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
    assert host.connections == 1
    # The host text, without the port, names the host in the question too.
    host.hang_up()
    closed_question(probe, host_text)


@pytest.fixture
def telnet_port_listener():
    """A listener on 127.0.0.1:23, the Telnet port, where privileges allow."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    try:
        listener.bind(("127.0.0.1", 23))
    except OSError as error:
        listener.close()
        pytest.skip(f"cannot listen on port 23: {error}")
    listener.listen(4)
    listener.settimeout(0.2)
    yield listener
    listener.close()


@pytest.mark.parametrize("port_word", ["abc", "0"])
def test_port_that_is_no_number_or_zero_means_the_telnet_port(
        start_program, probe, settings_file, telnet_port_listener, port_word):
    ini, _ = settings_file("PORT23.INI")
    start_program("-P", port_word, "127.0.0.1", "-I", ini)
    client = accept_on(telnet_port_listener)
    try:
        lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                        what="the connected title")
    finally:
        client.close()


def test_refused_port_says_so_then_asks_and_cancel_keeps_the_window(
        start_program, probe, refused_port, settings_file, read_screen):
    ini, path = settings_file("REFUSED.INI", folder="CASETEST")
    # The option and the path in lower case: both are taken in upper case.
    program = start_program("127.0.0.1", "-p", refused_port, "-i", ini.lower())
    box, texts = probe.message_box("LUMO")
    assert texts == ["Cannot connect to 127.0.0.1"]
    # The question comes only once this box is answered.
    time.sleep(0.5)
    assert probe.find(cls="#32770", title="LUMO/NT") is None
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    box = closed_question(probe)
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    probe.click(box["handle"], "Cancel")
    probe.wait_gone(box["handle"])
    assert program.running()
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    # The window still works: the start-up lines are there to copy.
    assert read_screen(program).startswith(b"Initializing TCP/IP...")
    exit_program(probe, program)
    # The settings file was written under the upper-case name.
    assert sorted(os.listdir(os.path.dirname(path))) == ["REFUSED.INI"]


def test_unknown_host_says_so_and_leaves_the_attempt_in_the_title(start_program, probe,
                                                                  settings_file):
    ini, _ = settings_file("UNKNOWN.INI")
    program = start_program("-I", ini, "nosuchhost.invalid")
    box, texts = wait_box(probe)
    # Command-line words are taken in upper case.
    assert texts == ["Cannot find NOSUCHHOST.INVALID"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (Trying to connect...)"
    time.sleep(0.5)
    # No question follows: no connection was ever started.
    assert probe.find(cls="#32770") is None
    assert program.running()
    # Connect... takes the typed text whole as the host: the colon form is
    # not read there, and nothing is upper-cased.
    probe.command(program.window["handle"], 105)
    probe.wait_window(cls="#32770", title="Open connection")
    lumo.xdotool("type", "--delay", "30", "nosuchhost.invalid:2323")
    lumo.xdotool("key", "Return")
    box, texts = wait_box(probe)
    assert texts == ["Cannot find nosuchhost.invalid:2323"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (Trying to connect...)"
    exit_program(probe, program)


def test_after_the_host_hangs_up_connect_reaches_another_host_in_the_same_window(
        start_program, probe, host, settings_file, telnet_port_listener, read_screen):
    ini, _ = settings_file("AGAIN.INI")
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    connected_title(probe)
    lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
    host.hang_up()
    probe.click(closed_question(probe)["handle"], "Cancel")
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    # Connect... offers the last host and always uses the Telnet port.
    probe.command(program.window["handle"], 105)
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "OK")
    client = accept_on(telnet_port_listener)
    try:
        connected_title(probe)
        client.sendall(b"\r\nsecond host")
        read_screen(program, expected=b"\nsecond host")
    finally:
        client.close()
    assert host.connections == 1
