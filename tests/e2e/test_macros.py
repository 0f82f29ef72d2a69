"""Macros: the Macro dialog lists the macros of the settings file in file
order, saves, changes and deletes them; Do and Alt+Enter play one through
the key queue, pauses included; hold and a closed connection discard it;
names and definitions that would damage the settings file are refused or
cut, and a crowded or damaged section still opens."""

import os

import lumo

MACROS, REPEAT = 401, 601
SAVE, DELETE, TEXT, NAME, LIST = 401, 402, 403, 404, 405
TITLE = "LUMO/NT (127.0.0.1)"
THREE = "[Macros]\nlogin=root\\N\nlist=ls -l\\N\nquit=exit\\N\n"


connect = lumo.connect


def open_macros(probe, program):
    probe.command(program.window["handle"], MACROS)
    return probe.wait_window(cls="#32770", title="Macro")["handle"]


def fields(probe, dialog):
    return probe.text(dialog, NAME), probe.text(dialog, TEXT)


def names(probe, dialog):
    return [text for text, _ in probe.list_items(dialog, LIST)]


def enabled(probe, dialog, control_id):
    control = next(c for c in probe.children(dialog) if c["id"] == control_id)
    return not control["style"] & 0x08000000


def section(path):
    with open(path, encoding="latin-1") as settings:
        text = settings.read()
    start = text.index("[Macros]")
    end = text.find("\n[", start + 1)
    return text[start:] if end < 0 else text[start:end + 1]


def close_with(probe, dialog, button):
    probe.click(dialog, button)
    probe.wait_gone(dialog)


def refusal(probe, dialog):
    """The message box over the dialog, which has the same caption."""
    box = lumo.wait_until(lambda: next((w for w in probe.windows() if w["title"] == "Macro"
                                        and w["visible"] and w["handle"] != dialog), None),
                          10, what="the refusal")
    return box, [c["text"] for c in probe.children(box["handle"])
                 if c["cls"].lower() == "static" and c["text"]]


def wait_fields(probe, dialog, expected):
    lumo.wait_until(lambda: fields(probe, dialog) == expected, 10, what=f"the fields {expected}")


def test_the_macro_dialog_lists_saves_changes_and_deletes_macros(
        start_program, probe, host, settings_file):
    ini, path = settings_file("MACROLIST.INI", THREE)
    program = connect(start_program, probe, host, ini)
    dialog = open_macros(probe, program)
    assert probe.list_items(dialog, LIST) == [("login", True), ("list", False), ("quit", False)]
    assert fields(probe, dialog) == ("login", "root\\N")
    assert enabled(probe, dialog, DELETE) and not enabled(probe, dialog, SAVE)
    probe.select(dialog, LIST, 1)
    wait_fields(probe, dialog, ("list", "ls -l\\N"))
    lumo.screenshot("macro-dialog")

    # Changing the definition and saving keeps the name; a new name adds one.
    probe.set_text(dialog, TEXT, "ls -la\\N")
    lumo.wait_until(lambda: enabled(probe, dialog, SAVE), 10, what="Save to be enabled")
    probe.press(dialog, SAVE)
    lumo.wait_until(lambda: "list=ls -la\\N" in section(path), 10, what="the saved macro")
    probe.set_text(dialog, NAME, "who")
    probe.set_text(dialog, TEXT, "whoami\\N")
    probe.press(dialog, SAVE)
    lumo.wait_until(lambda: names(probe, dialog) == ["login", "list", "quit", "who"], 10,
                    what="the new macro in the list")
    assert not enabled(probe, dialog, SAVE)
    # Delete takes the selected macro, whatever the name field says.
    probe.select(dialog, LIST, 2)
    wait_fields(probe, dialog, ("quit", "exit\\N"))
    probe.set_text(dialog, NAME, "login")
    probe.press(dialog, DELETE)
    lumo.wait_until(lambda: names(probe, dialog) == ["login", "list", "who"], 10,
                    what="the macro to go")
    close_with(probe, dialog, "Cancel")
    assert section(path) == "[Macros]\nlogin=root\\N\nlist=ls -la\\N\nwho=whoami\\N\n"


def test_do_and_alt_enter_play_macros_through_the_key_queue_unless_held_or_closed(
        start_program, probe, host, settings_file):
    ini, _ = settings_file("MACROPLAY.INI", THREE + "pause=first\\2second\\n\n")
    program = connect(start_program, probe, host, ini)
    dialog = open_macros(probe, program)
    probe.select(dialog, LIST, 1)
    wait_fields(probe, dialog, ("list", "ls -l\\N"))
    close_with(probe, dialog, "Do")
    host.wait_received(b"ls -l\r")
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    lumo.xdotool("key", "alt+Return")
    host.wait_received(b"ls -l\rls -l\r")

    # A macro played while another pauses waits behind it.
    mark = len(host.received)
    dialog = open_macros(probe, program)
    assert probe.list_items(dialog, LIST)[1] == ("list", True)
    probe.select(dialog, LIST, 3)
    wait_fields(probe, dialog, ("pause", "first\\2second\\n"))
    close_with(probe, dialog, "Do")
    probe.command(program.window["handle"], REPEAT)
    host.wait_received(b"firstsecond\rfirstsecond\r", timeout=20)
    assert bytes(host.received[mark:]) == b"firstsecond\rfirstsecond\r"

    # Cancel still makes the definition field what Alt+Enter plays.
    dialog = open_macros(probe, program)
    probe.set_text(dialog, TEXT, "typed\\T\\U")
    close_with(probe, dialog, "Cancel")
    mark = len(host.received)
    probe.command(program.window["handle"], REPEAT)
    host.wait_received(b"typed\t\x1b[A")
    assert bytes(host.received[mark:]) == b"typed\t\x1b[A"

    # Played while held, the macro is discarded like typed keys; after the
    # host closed, the send queue discards it.
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE + " - Hold"), 10,
                    what="the hold title")
    probe.command(program.window["handle"], REPEAT)
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 10, what="the hold to end")
    probe.command(program.window["handle"], REPEAT)
    host.wait_received(b"typed\t\x1b[Atyped\t\x1b[A")
    assert bytes(host.received).count(b"typed") == 2

    host.hang_up()
    box, _ = probe.message_box("LUMO/NT")
    probe.click(box["handle"], "Cancel")
    probe.wait_gone(box["handle"])
    probe.command(program.window["handle"], REPEAT)
    dialog = open_macros(probe, program)
    close_with(probe, dialog, "Do")
    assert program.running()
    assert probe.find(cls="LUMO32") is not None
    received = bytes(host.received)
    assert received.count(b"typed") == 2 and received.count(b"first") == 2
    assert host.connections == 1


def test_hostile_names_definitions_and_sections_leave_the_file_readable(
        start_program, probe, host, settings_file):
    macros = [f"macro{n:03}=text {n}\n" for n in range(100)]
    crowded = ("[Macros]\n" + "".join(macros[:5]) + "garbage without equals\n=no name\n"
               + "".join(macros[5:]) + "[Window]\nAutoFocus=0\n")
    ini, path = settings_file("MACROBAD.INI", crowded)
    program = connect(start_program, probe, host, ini)
    dialog = open_macros(probe, program)
    # The empty name that the system lists for "=no name" does not end the
    # list; the names that fit follow in file order.
    listed = [name for name in names(probe, dialog) if name != "garbage without equals"]
    assert 50 < len(listed) < 100 and listed == [f"macro{n:03}" for n in range(len(listed))]
    probe.select(dialog, LIST, len(names(probe, dialog)) - 1)
    wait_fields(probe, dialog, (listed[-1], "text " + str(len(listed) - 1)))
    lumo.screenshot("macro-dialog-crowded")

    before = section(path)
    for name in ("a=b", "[Window]", ";comment"):
        probe.set_text(dialog, NAME, name)
        probe.set_text(dialog, TEXT, "x")
        probe.press(dialog, SAVE)
        box, texts = refusal(probe, dialog)
        assert "27 characters" in texts[0]
        probe.click(box["handle"], "OK")
        probe.wait_gone(box["handle"])
    assert section(path) == before

    # A definition of 300 characters is stored as the 253 that come back.
    probe.set_text(dialog, NAME, "long")
    probe.set_text(dialog, TEXT, "d" * 300)
    probe.press(dialog, SAVE)
    lumo.wait_until(lambda: "long=" in section(path), 10, what="the long macro")
    close_with(probe, dialog, "Cancel")
    assert "long=" + "d" * 253 + "\n" in section(path)
    with open(path, encoding="latin-1") as settings:
        text = settings.read()
    assert "[Window]\nAutoFocus=0\n" in text and text.count("[Macros]") == 1
    assert os.path.getsize(path) > len(crowded)
