"""The program starts, shows its window and menu, asks for a host when the
command line names none, answers commands that no part of it handles, and
ends cleanly when its window is closed and the user confirms."""

import pytest

import lumo

MF_GRAYED = 0x1
MF_DISABLED = 0x2
MF_SEPARATOR = 0x800
MF_POPUP = 0x10
MF_HELP = 0x4000

SEP = None
# The menu bar: each item's text, then its items as (id, text); SEP is a
# separator. "&Macros" is a command of the bar itself.
MENU = [
    ("&File", [(105, "&Connect..."), (108, "&New session..."), SEP, (101, "&Save As..."),
               (104, "&Append to..."), (102, "&Upload..."), (106, "&Print"),
               (107, "P&rint Setup..."), (311, "&Logging..."), SEP, (103, "E&xit")]),
    ("&Edit", [(201, "&Copy\\tCtr+Ins"), (202, "Copy &Quoted"), (203, "&Paste\\tShift+Ins"),
               (207, "Paste &Selection\\tright-Click"),
               (208, "Paste Selection Q&uoted\\tshift-right-Click"), SEP, (204, "&Find"), SEP,
               (205, "&Select all"), (206, "Clea&r lines off top")]),
    ("&Settings", [(302, "&Terminal..."), (306, "&Font..."), (308, "C&olors..."), SEP,
                   (307, "&Multinational character set"), (304, "Remember window &position"),
                   (305, "&Vertical scroll bar"), (309, "&AutoFocus"), (310, "&SoftSize"), SEP,
                   (602, "&Resize window to 80x24")]),
    ("&Macros", 401),
    ("&Help", [(501, "&Index"), (502, "&General"), (503, "&Keyboard"), (504, "&Commands"),
               (505, "&Procedures"), SEP, (506, "Using &Help"), SEP,
               (100, "&About this program...")]),
    # The size item, right-justified at the end of the bar.
    ("80x24", 999),
]
STARTS_GRAYED = {201, 202}


def split_menu(items):
    """Groups the probe's flat item list into [(bar item, [sub items])]."""
    bar = []
    for item in items:
        if item["depth"] == 0:
            bar.append((item, []))
        else:
            bar[-1][1].append(item)
    return bar


def cancel_host_dialog(probe):
    """Without a host on the command line the program asks for one."""
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "Cancel")
    probe.wait_gone(dialog["handle"])


def test_window_opens_with_its_caption_class_and_icon(start_program, probe):
    program = start_program()
    window = program.window
    assert window["title"] == "LUMO/NT"
    assert window["cls"] == "LUMO32"
    cancel_host_dialog(probe)
    assert probe.find(cls="LUMO32")["title"] == "LUMO/NT"
    shot = lumo.screenshot("startup")
    # The client area is painted in the window colour, white.
    assert lumo.pixel(shot, *lumo.centre(window)) == (255, 255, 255)


@pytest.mark.parametrize("args", [
    ("myhost", "-p", "2323"),
    ("-P", "abc", "-I", "C:\\CFG\\ALT.INI", "host:23"),
    ("h" * 300, "-i" + "x" * 300, "-P"),
    tuple(f"word{i}" for i in range(15)),
])
def test_program_starts_whatever_its_command_line(start_program, args):
    program = start_program(*args)
    # A host that cannot be found leaves the attempt's title; a host word
    # too long to take leaves none, and the host dialog asks.
    assert program.window["title"] in ("LUMO/NT", "LUMO/NT (Trying to connect...)")
    assert program.running()


def test_menu_holds_every_command_with_its_text_and_state(start_program, probe):
    program = start_program()
    bar = split_menu(probe.menu(program.window["handle"]))
    assert [item["text"] for item, _ in bar] == [text for text, _ in MENU]
    assert bar[-1][0]["type"] & MF_HELP
    for (item, subitems), (text, expected) in zip(bar, MENU):
        if isinstance(expected, int):
            assert (item["id"], item["text"]) == (expected, text) and not subitems
            continue
        assert len(subitems) == len(expected), text
        for got, want in zip(subitems, expected):
            if want is SEP:
                assert got["type"] & MF_SEPARATOR, (text, got)
                continue
            assert (got["id"], got["text"]) == want
            grayed = bool(got["state"] & (MF_GRAYED | MF_DISABLED))
            assert grayed == (want[0] in STARTS_GRAYED), got


def test_unhandled_command_says_not_implemented_and_changes_nothing(start_program, probe):
    program = start_program()
    cancel_host_dialog(probe)
    handle = program.window["handle"]
    # Every item of the menu has its command now: an identifier of none.
    for command in (150,):
        probe.command(handle, command)
        box, texts = probe.message_box("LUMO/NT")
        assert "Command not implemented" in texts
        lumo.screenshot(f"not-implemented-{command}")
        probe.click(box["handle"], "OK")
        probe.wait_gone(box["handle"])
        assert program.running()
        assert probe.find(cls="LUMO32")["title"] == "LUMO/NT"


def test_accelerator_keys_reach_the_command_dispatch_unless_their_item_is_grayed(
        start_program, probe):
    program = start_program()
    cancel_host_dialog(probe)
    handle = program.window["handle"]
    # Click into the client area to give the window the keyboard.
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    lumo.set_clipboard(b"before")
    # Ctrl+Insert is Copy, grayed while nothing is selected: no command.
    lumo.xdotool("key", "ctrl+Insert")
    # Shift+Insert is Paste, grayed without a connection.
    lumo.xdotool("key", "shift+Insert")
    lumo.xdotool("sleep", 1)
    assert probe.find(cls="#32770") is None
    assert lumo.clipboard() == b"before"
    # With everything selected, Ctrl+Insert copies the start-up lines.
    probe.command(handle, 205)
    lumo.xdotool("key", "ctrl+Insert")
    text = lumo.wait_until(lambda: lumo.clipboard() != b"before" and lumo.clipboard(), 10,
                           what="the copy to reach the clipboard")
    assert text.startswith(b"Initializing TCP/IP...")


def close_box(probe):
    box, texts = probe.message_box("LUMO/NT")
    assert texts == ["Are you sure you wish to exit?\\nThe window will be closed."]
    return box


@pytest.mark.smoke
def test_close_asks_first_and_ends_the_program_with_exit_code_zero(start_program, probe):
    program = start_program()
    cancel_host_dialog(probe)
    handle = program.window["handle"]
    probe.close(handle)
    probe.click(close_box(probe)["handle"], "Cancel")
    lumo.xdotool("sleep", 1)
    assert program.running()
    probe.command(handle, 103)  # Exit
    probe.click(close_box(probe)["handle"], "OK")
    assert program.wait(timeout=20) == 0
    assert probe.find(cls="LUMO32") is None
