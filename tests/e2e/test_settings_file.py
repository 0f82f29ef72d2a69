"""The settings file: where it is (the Windows directory by default, or
what -I names), what the program writes into it at exit, and what it makes
of the values at the next start, out-of-range ones included."""

import os
import shutil

import lumo


START_UP = [b"Initializing TCP/IP...", b"Using WSOCK32.DLL"]


def read_ini(path):
    """The file's sections as {section: {key: value}}."""
    sections, current = {}, None
    with open(path, encoding="latin-1") as settings:
        for line in settings.read().splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[key] = value
    return sections


def write_ini(path, sections):
    with open(path, "w", encoding="latin-1", newline="\r\n") as out:
        for name, keys in sections.items():
            out.write(f"[{name}]\n")
            for key, value in keys.items():
                out.write(f"{key}={value}\n")


def connect(start_program, probe, host, *args):
    program = start_program("127.0.0.1", "-P", host.port, *args)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    return program


def size_item(probe, program):
    return next(item["text"] for item in probe.menu(program.window["handle"])
                if item["depth"] == 0 and item["id"] == 999)


def exit_program(probe, program):
    """Exit from the menu, confirmed; the settings are written then."""
    probe.command(program.window["handle"], 103)
    box, _ = probe.message_box("LUMO/NT (127.0.0.1)")
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0


def test_out_of_range_values_are_clamped_used_and_written_back_clamped(
        start_program, probe, host, settings_file, read_screen):
    # A bare name given with -I is looked for in the Windows directory.
    ini, path = settings_file("CLAMP.INI", "[Window]\nLogicalColumns=4\nLogicalLines=100\n"
                              "ColorScheme=7\n[Terminal]\nFlags=16\n")
    host.greeting = b"abcdef\r\nxy"
    program = connect(start_program, probe, host, "-I", ini)
    # 4 columns read as 3 (not 5), 100 lines as 60.
    assert size_item(probe, program) == "3x60"
    # Three columns without autowrap: the characters past the margin all
    # land in the last column. Select all gives the 60 screen lines.
    text = read_screen(program, expected=b"xy")
    assert text == b"\n".join([b"In.", b"UsL", b"abf", b"xy"] + [b""] * 56)
    exit_program(probe, program)
    written = read_ini(path)
    assert {"Terminal", "Window"} <= set(written)
    assert written["Window"]["LogicalColumns"] == "3"
    assert written["Window"]["LogicalLines"] == "60"
    # A colour scheme number without a scheme keeps its value.
    assert written["Window"]["ColorScheme"] == "7"
    # Flags bit 4 is not read, and written only for 132 columns.
    assert written["Terminal"]["Flags"] == "0"


def test_values_above_the_range_give_132_columns_which_the_flags_record(
        start_program, probe, host, settings_file, read_screen):
    ini, path = settings_file("WIDE.INI", "[Window]\nLogicalColumns=200\nLogicalLines=1\n")
    line = bytes(ord("a") + i % 26 for i in range(140))
    host.greeting = line
    program = connect(start_program, probe, host, "-I", ini)
    # 200 columns read as 132, 1 line as 3.
    assert size_item(probe, program) == "132x3"
    # Three lines, the last one the host's, cut at column 132 with its last
    # character in the last column.
    text = read_screen(program, expected=line[:131] + line[-1:])
    assert text == b"\n".join(START_UP + [line[:131] + line[-1:]])
    exit_program(probe, program)
    written = read_ini(path)
    assert (written["Window"]["LogicalColumns"], written["Window"]["LogicalLines"]) == \
        ("132", "3")
    # 132 columns with SoftSize off are recorded in Flags bit 4.
    assert written["Terminal"]["Flags"] == "16"


def test_default_file_in_the_windows_directory_is_written_and_read_back(
        start_program, probe, host, settings_file, read_screen):
    _, path = settings_file("LUMO32.INI")
    host.greeting = b"[x]{y}"
    program = connect(start_program, probe, host)
    left, top, right, bottom = program.window["rect"]
    assert size_item(probe, program) == "80x24"
    # Without a Terminal section the national set is the Finnish one.
    assert read_screen(program, expected="äyå".encode()).split(b"\n")[2] == "ÄxÅäyå".encode()
    exit_program(probe, program)
    written = read_ini(path)
    assert written["Terminal"] == {"Emulation": "1", "Eightbit": "0", "LocalEcho": "0",
                                   "KbdLanguage": "1", "Flags": "0"}
    window = written["Window"]
    for key, value in {"RememberOrigin": "0", "VerticalScrollBar": "1", "AutoFocus": "0",
                       "SoftSize": "0", "ColorScheme": "0", "Font": "Courier",
                       "FontSize": "10", "LogicalLines": "24", "LogicalColumns": "80"}.items():
        assert window[key] == value, key
    assert (int(window["Left"]), int(window["Top"])) == (left, top)
    assert int(window["Right"]) - int(window["Left"]) == right - left

    # Changed values are read at the next start: the stored place (with
    # RememberOrigin) and size, the line count, autowrap and the national
    # set.
    width, height = int(window["Right"]) - int(window["Left"]), \
        int(window["Bottom"]) - int(window["Top"])
    window.update(RememberOrigin="1", Left="100", Top="50", Right=str(100 + width),
                  Bottom=str(50 + height), LogicalLines="30")
    written["Terminal"].update(Flags="4", KbdLanguage="0")
    write_ini(path, written)
    line = bytes(ord("a") + i % 26 for i in range(100))
    host.greeting = b"[x]{y}\r\n" + line
    program = connect(start_program, probe, host)
    # The stored height holds the room of the hidden horizontal bar, which
    # the layout gives back: the window is as high as it was.
    assert program.window["rect"] == (100, 50, 100 + width, 50 + bottom - top)
    assert height > bottom - top
    assert size_item(probe, program) == "80x30"
    text = read_screen(program, expected=line[:80] + b"\n" + line[80:])
    assert line[:80] + b"\n" + line[80:] + b"\n" in text
    assert text.split(b"\n")[2] == b"[x]{y}"
    exit_program(probe, program)
    again = read_ini(path)
    assert again["Window"]["LogicalLines"] == "30"
    assert again["Window"]["RememberOrigin"] == "1"
    assert (again["Window"]["Left"], again["Window"]["Top"]) == ("100", "50")
    assert again["Terminal"]["Flags"] == "4"
    assert again["Terminal"]["KbdLanguage"] == "0"


def test_logging_section_is_written_with_the_log_file_named_after_the_settings_file(
        start_program, probe, settings_file):
    ini, path = settings_file("LOGSET.INI", "[Logging]\nPolicy=7\n")
    program = start_program("-I", ini)
    dialog = probe.wait_window(cls="#32770", title="Open connection")
    probe.click(dialog["handle"], "Cancel")
    probe.wait_gone(dialog["handle"])
    probe.command(program.window["handle"], 103)
    box, _ = probe.message_box("LUMO/NT")
    probe.click(box["handle"], "OK")
    assert program.wait(timeout=20) == 0
    logging = read_ini(path)["Logging"]
    assert logging["Policy"] == "1"
    assert logging["Active"] == "0"
    assert logging["LogFile"].upper() == "C:\\WINDOWS\\LOGSET.LOG"


def test_font_dialog_refuses_a_size_that_would_not_read_back(
        start_program, probe, host, settings_file):
    ini, path = settings_file("FONTSIZE.INI")
    program = connect(start_program, probe, host, "-I", ini)
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    probe.command(program.window["handle"], 306)
    dialog = probe.wait_window(cls="#32770", title="Font")

    def choose_size(points):
        # The dialog's caption takes the keyboard back from the boxes.
        left, top, _, _ = dialog["rect"]
        lumo.xdotool("mousemove", left + 60, top + 8, "click", 1)
        lumo.xdotool("key", "alt+s", "End", "shift+Home")
        lumo.xdotool("type", "--delay", "30", points)
        lumo.xdotool("key", "Return")

    # 300 points would be stored and read back as the default 10: the
    # chooser itself says which sizes it takes, and stays open.
    choose_size("300")
    box, _ = probe.message_box("Error")
    lumo.screenshot("settings-font-refused")
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert probe.find(cls="#32770", title="Font") is not None
    choose_size("14")
    probe.wait_gone(dialog["handle"])
    exit_program(probe, program)
    assert read_ini(path)["Window"]["FontSize"] == "14"


def test_command_line_is_upper_cased_for_the_system_code_page(start_program, probe, settings_file):
    # On the Cyrillic code page "я" is byte 0xFF and its capital "Я" 0xDF;
    # the Western code page's table would make it 0x9F, "џ". The settings
    # file is written under the upper-cased name.
    ini, path = settings_file("я.ini", folder="cyrillic")
    folder = os.path.dirname(path)
    program = start_program("-I", ini, env=lumo.locale_env("ru_RU.UTF-8"))
    try:
        dialog = probe.wait_window(cls="#32770", title="Open connection")
        probe.click(dialog["handle"], "Cancel")
        probe.wait_gone(dialog["handle"])
        probe.command(program.window["handle"], 103)
        box, _ = probe.message_box("LUMO/NT")
        # The box's buttons speak Russian here: Enter chooses OK.
        left, top, _, _ = box["rect"]
        lumo.xdotool("mousemove", left + 30, top + 8, "click", 1, "key", "Return")
        assert program.wait(timeout=20) == 0
        assert os.listdir(folder) == ["Я.INI"]
    finally:
        shutil.rmtree(folder, ignore_errors=True)
