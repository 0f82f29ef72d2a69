"""A session with a scripted host: the connection's title states, what the
host sends on the screen and in the clipboard, typed keys and the
terminal's reports reaching the host, the question when the host hangs up,
the menu state, the terminal settings and the host dialog."""

import os

import pytest

import lumo

MF_GRAYED = 0x1
MF_CHECKED = 0x8


def settings_file(name):
    """A settings file of its own for a test: the name the program gets
    with -I, and the path of the file on this side; any old file is gone."""
    path = os.path.join(os.environ["WINEPREFIX"], "drive_c", name)
    if os.path.exists(path):
        os.remove(path)
    return "C:\\" + name, path


def connect(start_program, probe, host, ini_name="SESSION.INI"):
    ini, path = settings_file(ini_name)
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    program.ini = path
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
    return program


def screen_text(probe, program, command=201):
    """Select all, then Copy (or Copy Quoted), as the clipboard shows it."""
    lumo.set_clipboard(b"-")
    probe.command(program.window["handle"], 205)
    probe.command(program.window["handle"], command)
    return lumo.wait_until(lambda: lumo.clipboard() != b"-" and lumo.clipboard(), 10,
                           what="the copy to reach the clipboard")


def wait_screen(probe, program, expected):
    """The screen's text once it shows expected."""
    def shown():
        text = screen_text(probe, program)
        return expected in text and text
    return lumo.wait_until(shown, 15, what=f"{expected!r} on the screen")


def menu_states(probe, program):
    return {item["id"]: item["state"]
            for item in probe.menu(program.window["handle"], init=True) if item["depth"]}


def focus(program):
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)


@pytest.mark.smoke
def test_host_output_shows_and_typed_keys_reach_the_host(start_program, probe, host):
    host.greeting = b"hello from the host\r\nsecond line"
    program = connect(start_program, probe, host)
    text = wait_screen(probe, program, b"second line")
    assert b"hello from the host\nsecond line" in text
    focus(program)
    lumo.xdotool("type", "--delay", "50", "ab")
    lumo.xdotool("key", "Return")
    host.wait_received(b"ab\r")


def test_copy_quoted_starts_every_line_with_the_quote(start_program, probe, host):
    host.greeting = b"one\r\n\r\nthree"
    program = connect(start_program, probe, host)
    wait_screen(probe, program, b"three")
    lines = screen_text(probe, program, command=202).split(b"\n")
    assert all(line.startswith(b"> ") for line in lines)
    assert b"> one" in lines and b"> three" in lines


def test_reports_go_to_the_host_at_once(start_program, probe, host):
    connect(start_program, probe, host)
    host.send(b"\x1b[c\x1b[5n")
    host.wait_received(b"\x1b[?1;2c\x1b[0n")


def closed_question(probe):
    box, texts = probe.message_box("LUMO/NT")
    assert texts == ["Connection to 127.0.0.1\\nhas been closed.\\nOkay to close window?"]
    return box


def test_hang_up_and_cancel_keeps_the_window_ready_to_connect_again(start_program, probe, host):
    program = connect(start_program, probe, host)
    assert menu_states(probe, program)[105] & MF_GRAYED
    host.hang_up()
    box = closed_question(probe)
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    probe.click(box["handle"], "Cancel")
    probe.wait_gone(box["handle"])
    assert program.running()
    assert not menu_states(probe, program)[105] & MF_GRAYED
    probe.command(program.window["handle"], 105)
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "Cancel")
    probe.wait_gone(dialog["handle"])
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT (disconnected)"
    # The dialog offers the last host; Connect... always uses the Telnet
    # port, where nothing listens here.
    probe.command(program.window["handle"], 105)
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "OK")
    box, texts = probe.message_box("LUMO")
    assert texts == ["Cannot connect to 127.0.0.1"]
    probe.click(box["handle"], "OK")
    probe.click(closed_question(probe)["handle"], "OK")
    assert program.wait(timeout=20) == 0


def test_hang_up_and_ok_closes_the_window_and_writes_the_settings(start_program, probe, host):
    program = connect(start_program, probe, host, "HANGUP.INI")
    host.hang_up()
    probe.click(closed_question(probe)["handle"], "OK")
    assert program.wait(timeout=20) == 0
    with open(program.ini, encoding="latin-1") as settings:
        text = settings.read()
    for line in ("[Terminal]", "Emulation=1", "[Window]", "VerticalScrollBar=1",
                 "LogicalColumns=80"):
        assert line in text.splitlines()


def test_menu_follows_the_connection_and_the_selection(start_program, probe, host):
    host.greeting = b"text"
    program = connect(start_program, probe, host)
    states = menu_states(probe, program)
    for grayed in (105, 201, 202, 207, 208, 101, 204):
        assert states[grayed] & MF_GRAYED, grayed
    assert not states[102] & MF_GRAYED
    assert not states[307] & MF_CHECKED
    probe.command(program.window["handle"], 205)
    probe.command(program.window["handle"], 307)
    states = menu_states(probe, program)
    for enabled in (201, 202, 207, 208, 101):
        assert not states[enabled] & MF_GRAYED, enabled
    assert states[307] & MF_CHECKED


def test_local_echo_from_the_settings_dialog_shows_typed_keys_and_is_saved(
        start_program, probe, host):
    program = connect(start_program, probe, host, "ECHO.INI")
    handle = program.window["handle"]
    lumo.toggle_terminal_setting(probe, program, "Local Echo")
    focus(program)
    lumo.xdotool("type", "--delay", "50", "echoed")
    host.wait_received(b"echoed")
    assert b"echoed" in screen_text(probe, program)
    probe.command(handle, 103)
    box, _ = probe.message_box("LUMO/NT (127.0.0.1)")
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
    with open(program.ini, encoding="latin-1") as settings:
        assert "LocalEcho=1" in settings.read().splitlines()


def test_host_dialog_takes_a_host_with_its_port(start_program, probe, host):
    ini, _ = settings_file("DIALOG.INI")
    start_program("-I", ini)
    # The dialog gives its edit the keyboard.
    probe.wait_window(cls="#32770", title="Open connection")
    lumo.xdotool("type", "--delay", "30", f"127.0.0.1:{host.port}")
    lumo.xdotool("key", "Return")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    assert host.connections == 1


def test_column_switch_resizes_renames_the_size_item_and_is_saved(start_program, probe, host):
    program = connect(start_program, probe, host, "WIDE.INI")
    left, top, right, bottom = program.window["rect"]
    host.send(b"\x1b[?3h")
    lumo.wait_until(lambda: probe.menu(program.window["handle"])[-1]["text"] == "132x24", 10,
                    what="the size item to say 132x24")
    wider = lumo.wait_until(lambda: probe.find(cls="LUMO32"), 5, what="the window")
    assert wider["rect"][2] - wider["rect"][0] > right - left
    # The wide screen is saved with the Flags bit that records it.
    probe.command(program.window["handle"], 103)
    box, _ = probe.message_box("LUMO/NT (127.0.0.1)")
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
    with open(program.ini, encoding="latin-1") as settings:
        lines = settings.read().splitlines()
    assert "Flags=16" in lines and "LogicalColumns=132" in lines


def test_new_session_starts_another_copy_that_asks_for_its_host(start_program, probe):
    ini, _ = settings_file("NEWSESS.INI")
    program = start_program("-I", ini)
    first = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(first["handle"], "Cancel")
    probe.wait_gone(first["handle"])
    probe.command(program.window["handle"], 108)
    second = probe.wait_window(cls="#32770", title="Open connection", timeout=30)
    copies = [w for w in probe.windows() if w["cls"] == "LUMO32" and w["visible"]]
    assert len(copies) == 2
    other = next(w for w in copies if w["handle"] != program.window["handle"])
    assert other["pid"] != program.window["pid"]
    probe.click(second["handle"], "Cancel")
    probe.wait_gone(second["handle"])
    probe.close(other["handle"])
    box = lumo.wait_until(
        lambda: next((w for w in probe.windows() if w["cls"] == "#32770" and w["visible"]
                      and w["pid"] == other["pid"]), None), 10, what="the exit question")
    probe.click(box["handle"], "OK")
    probe.wait_gone(other["handle"], timeout=20)


def test_scroll_lock_holds_the_output_and_the_title_says_so(start_program, probe, host):
    program = connect(start_program, probe, host)
    focus(program)
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1) - Hold"), 10,
                    what="the hold title")
    host.send(b"held back")
    lumo.xdotool("sleep", 1)
    assert b"held back" not in screen_text(probe, program)
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 10,
                    what="the title without hold")
    wait_screen(probe, program, b"held back")
