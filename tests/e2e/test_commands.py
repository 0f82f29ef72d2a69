"""Command dispatch of the terminal window: the menu's enabled, grayed and
checked items as the session and the selection change, the window
switches and their saving at exit, the exit and shutdown questions,
Connect... after the host hung up, and F1 help on a menu item."""

import configparser
import os
import random
import socket
import subprocess

import lumo

MF_GRAYED = 0x1
MF_CHECKED = 0x8

SELECTION_ITEMS = (101, 104, 106, 201, 202)  # Save As, Append, Print, Copy, Copy Quoted
SELECTION_PASTES = (207, 208)  # Paste Selection, Paste Selection Quoted
# Items without a rule: enabled whatever the session and the selection.
ALWAYS_ENABLED = (108, 107, 311, 103, 205, 206, 302, 306, 308, 307, 304, 305, 309, 310, 602,
                  401, 501, 502, 503, 504, 505, 506, 100, 999)


def menu_states(probe, program):
    """Every menu item's state after WM_INITMENU, by command."""
    return {item["id"]: item["state"]
            for item in probe.menu(program.window["handle"], init=True) if item["id"] > 0}


def grayed(states, ids):
    return {i: bool(states[i] & MF_GRAYED) for i in ids}


def checked(states, ids):
    return {i: bool(states[i] & MF_CHECKED) for i in ids}


def read_ini(path):
    parser = configparser.ConfigParser()
    parser.optionxform = str
    with open(path, encoding="latin-1") as settings:
        parser.read_string(settings.read())
    return parser


def cancel_host_dialog(probe):
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "Cancel")
    probe.wait_gone(dialog["handle"])


connect = lumo.connect


def exit_with(probe, program, answer, caption):
    probe.command(program.window["handle"], 103)
    box, texts = probe.message_box(caption)
    assert texts == ["Are you sure you wish to exit?\\nThe window will be closed."]
    probe.click(box["handle"], answer)
    probe.wait_gone(box["handle"])


class TelnetPortHost(lumo.ScriptedHost):
    """A scripted host on the Telnet port, the only port Connect... uses,
    at a loopback address of its own so that parallel runs do not meet."""

    def __init__(self):
        super().__init__()
        self.address = f"127.{random.randint(1, 254)}.{random.randint(1, 254)}.1"
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind((self.address, 23))
        listener.listen(4)
        listener.settimeout(0.2)
        self.listener, unused = listener, self.listener
        unused.close()


def test_menu_follows_the_session_and_switches_flip_and_are_saved_at_exit(
        start_program, probe, host, settings_file, read_screen):
    ini, path = settings_file("COMMANDS.INI")
    program = connect(start_program, probe, host, ini)
    caption = "LUMO/NT (127.0.0.1)"
    states = menu_states(probe, program)
    assert all(grayed(states, SELECTION_ITEMS + SELECTION_PASTES + (105, 204)).values())
    assert not any(grayed(states, ALWAYS_ENABLED + (102,)).values())
    assert checked(states, (304, 309)) == {304: False, 309: False}

    probe.command(program.window["handle"], 205)
    for command in (304, 309, 309, 309):
        probe.command(program.window["handle"], command)
    states = menu_states(probe, program)
    assert not any(grayed(states, SELECTION_ITEMS + SELECTION_PASTES + (102,)).values())
    assert grayed(states, (105, 204)) == {105: True, 204: True}
    assert checked(states, (304, 309)) == {304: True, 309: True}

    # Cancel leaves the window and its connection as they were.
    exit_with(probe, program, "Cancel", caption)
    assert program.running()
    assert probe.find(cls="LUMO32")["title"] == caption
    assert grayed(menu_states(probe, program), (105,)) == {105: True}
    host.send(b"still connected")
    read_screen(program, expected=b"still connected")
    exit_with(probe, program, "OK", caption)
    assert program.wait(timeout=20) == 0
    window = read_ini(path)["Window"]
    assert (window["RememberOrigin"], window["AutoFocus"]) == ("1", "1")

    # The next start reads the switches back; switched off, they are saved so.
    program = start_program("-I", ini)
    cancel_host_dialog(probe)
    assert checked(menu_states(probe, program), (304, 309)) == {304: True, 309: True}
    probe.command(program.window["handle"], 304)
    probe.command(program.window["handle"], 309)
    assert checked(menu_states(probe, program), (304, 309)) == {304: False, 309: False}
    exit_with(probe, program, "OK", "LUMO/NT")
    assert program.wait(timeout=20) == 0
    window = read_ini(path)["Window"]
    assert (window["RememberOrigin"], window["AutoFocus"]) == ("0", "0")


def test_clear_lines_off_top_asks_first_and_the_selection_follows(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("CLEAR.INI")
    numbered = [b"line %03d" % n for n in range(1, 61)]
    host.greeting = b"\r\n".join(numbered) + b"\r\n"
    program = connect(start_program, probe, host, ini)
    handle = program.window["handle"]
    rows = [b"Initializing TCP/IP...", b"Using WSOCK32.DLL"] + numbered + [b""]
    assert read_screen(program, expected=b"line 060") == b"\n".join(rows)

    def clear(answer):
        probe.command(handle, 206)
        box, texts = probe.message_box("LUMO/NT")
        assert texts == ["Okay to clear memory?"]
        probe.click(box["handle"], answer)
        probe.wait_gone(box["handle"])

    clear("Cancel")
    assert read_screen(program) == b"\n".join(rows)
    # OK drops every line above the screen; the selection that Select all
    # made stays on the text that is left, so Copy alone takes the screen.
    clear("OK")
    assert not any(grayed(menu_states(probe, program), SELECTION_ITEMS).values())
    lumo.set_clipboard(b"-")
    probe.command(handle, 201)
    screen = b"\n".join(rows[-24:])
    lumo.wait_until(lambda: lumo.clipboard() == screen, 20, what="the screen's lines alone")
    # With nothing above the screen there is nothing to ask about.
    probe.command(handle, 206)
    probe.command(handle, 205)
    assert read_screen(program) == screen
    assert probe.find(cls="#32770") is None


def test_connect_after_the_host_hung_up_reaches_another_host(
        start_program, probe, host, settings_file):
    ini, _ = settings_file("RECONNECT.INI")
    program = connect(start_program, probe, host, ini)
    second = TelnetPortHost()
    try:
        second.greeting = b"second host here"
        host.hang_up()
        box, texts = probe.message_box("LUMO/NT")
        assert texts == ["Connection to 127.0.0.1\\nhas been closed.\\nOkay to close window?"]
        probe.click(box["handle"], "Cancel")
        probe.wait_gone(box["handle"])
        assert grayed(menu_states(probe, program), (105,)) == {105: False}

        probe.command(program.window["handle"], 105)
        probe.wait_window(cls="#32770", title="Open connection")
        # The dialog's edit has the keyboard, with the old host selected.
        lumo.xdotool("type", "--delay", "30", second.address)
        lumo.xdotool("key", "Return")
        lumo.wait_until(lambda: probe.find(cls="LUMO32", title=f"LUMO/NT ({second.address})"),
                        20, what="the title of the second host")
        assert second.connections == 1 and host.connections == 1
        assert grayed(menu_states(probe, program), (105,)) == {105: True}
        # Connect... while connected does nothing at all.
        probe.command(program.window["handle"], 105)
        lumo.xdotool("sleep", 1)
        assert probe.find(cls="#32770") is None
    finally:
        second.close()


def test_without_connection_pastes_stay_grayed_f1_asks_for_help_and_shutdown_asks(
        start_program, probe, settings_file):
    ini, path = settings_file("SHUTDOWN.INI")
    program = start_program("-I", ini)
    cancel_host_dialog(probe)
    handle = program.window["handle"]
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    # F1 over the grayed "&Copy" chooses nothing; help mode ends with the
    # menu and does not swallow the next command.
    lumo.xdotool("key", "alt+e")
    lumo.xdotool("keydown", "F1", "sleep", 0.5, "keyup", "F1", "sleep", 0.5)
    lumo.xdotool("key", "Escape", "Escape")
    probe.command(handle, 205)
    states = menu_states(probe, program)
    assert probe.find(cls="#32770") is None
    assert not any(grayed(states, SELECTION_ITEMS + (105,)).values())
    assert all(grayed(states, SELECTION_PASTES + (102, 203, 204)).values())

    # F1 over the highlighted "&Connect..." shows that it has no help, and
    # does not run it: no host dialog follows.
    lumo.xdotool("key", "alt+f")
    lumo.xdotool("keydown", "F1", "sleep", 0.5, "keyup", "F1")
    box, texts = probe.message_box("LUMO/NT")
    assert texts == ["Help not available for selected item"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    lumo.xdotool("sleep", 1)
    assert probe.find(cls="#32770") is None
    # Help mode ended with that command: the next one runs.
    probe.command(handle, 105)
    cancel_host_dialog(probe)
    # Alt+Enter, which repeats the last macro, is checked with the macros.

    # The shutdown question: Cancel refuses the end of the session...
    def end_session():
        return subprocess.Popen([lumo.WINE, "wineboot", "--end-session"], env=lumo.wine_env())

    shutdown = end_session()
    box, texts = probe.message_box("LUMO/NT")
    assert texts == ["System shutdown has been requested.\\nOkay to exit?"]
    probe.click(box["handle"], "Cancel")
    assert shutdown.wait(timeout=30) != 0
    assert program.running()
    # ...OK lets it end the program, which saves nothing then.
    shutdown = end_session()
    box, _ = probe.message_box("LUMO/NT")
    probe.click(box["handle"], "OK")
    assert shutdown.wait(timeout=30) == 0
    lumo.wait_until(lambda: not program.running(), 20, what="the program to end")
    assert not os.path.exists(path)


def right_clicks_show_no_box(program, probe, caption):
    """Right click and Shift+right click, then File, Exit by keys: the first
    box to show is the exit question, so the clicks showed none."""
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1, "click", 3,
                 "keydown", "shift", "click", 3, "keyup", "shift")
    lumo.xdotool("key", "--delay", "100", "alt+f", "x")
    box, texts = probe.message_box(caption)
    assert texts == ["Are you sure you wish to exit?\\nThe window will be closed."]
    probe.click(box["handle"], "Cancel")
    probe.wait_gone(box["handle"])


def test_right_click_pastes_nothing_without_a_connection_or_a_selection_and_ends_a_hold(
        start_program, probe, host, settings_file):
    ini, _ = settings_file("RIGHTCLICK.INI")
    program = start_program("-I", ini)
    cancel_host_dialog(probe)
    probe.command(program.window["handle"], 205)  # a selection, but no connection
    right_clicks_show_no_box(program, probe, "LUMO/NT")
    program.stop()
    lumo.wait_until(lambda: probe.find(cls="LUMO32") is None, 15, what="the first program to end")

    program = connect(start_program, probe, host, ini)
    caption = "LUMO/NT (127.0.0.1)"
    right_clicks_show_no_box(program, probe, caption)  # a connection, but no selection
    assert host.received == b""
    # With both, the hold ends before the selection goes to the host.
    lumo.xdotool("key", "Scroll_Lock")
    probe.wait_window(cls="LUMO32", title=caption + " - Hold")
    probe.command(program.window["handle"], 205)
    lumo.xdotool("click", 3)
    probe.wait_window(cls="LUMO32", title=caption)
    host.wait_received(b"Using WSOCK32.DLL\r")
