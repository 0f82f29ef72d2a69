"""Logging: "Lines only" writes the lines that leave the screen and the
screen's rows at exit; "All rcvd chars" writes every byte as it reaches
the emulator; the Logging dialog, the "Stop logging?" question, the menu's
check mark, appending, an unwritable path and the dialog at the next
start; two programs and Append to file sharing one log."""

import os
import shutil

import lumo
from test_geometry import drag_corner, logical_size
from test_save import save

WM_VSCROLL, SB_LINEUP = 0x115, 0
LOGGING = 311
EXIT = 103
MF_CHECKED = 0x8
LOG_FILE, LINES_ONLY, ALL_RCVD_CHARS = 100, 101, 102
TITLE = "LUMO/NT (127.0.0.1)"


def log_file(name, folder="logs"):
    """A log file's name for the program and its path on this side, in a
    fresh folder of drive C."""
    directory = os.path.join(os.environ["WINEPREFIX"], "drive_c", folder)
    shutil.rmtree(directory, ignore_errors=True)
    os.makedirs(directory)
    return f"C:\\{folder}\\{name}", os.path.join(directory, name)


def read_log(path):
    with open(path, "rb") as log:
        return log.read()


connect = lumo.connect


def answer_log_dialog(probe, path=None, policy=None, button="OK"):
    dialog = probe.wait_window(cls="#32770", title="Logging")
    if path is not None:
        probe.set_text(dialog["handle"], LOG_FILE, path)
    if policy is not None:
        probe.press(dialog["handle"], policy)
    probe.click(dialog["handle"], button)
    probe.wait_gone(dialog["handle"])
    return dialog


def start_logging(probe, program, path, policy):
    probe.command(program.window["handle"], LOGGING)
    answer_log_dialog(probe, path, policy)


def logging_checked(probe, program):
    items = probe.menu(program.window["handle"], init=True)
    return bool(next(i for i in items if i["id"] == LOGGING)["state"] & MF_CHECKED)


def exit_program(probe, program, title=TITLE):
    probe.command(program.window["handle"], EXIT)
    box, _ = probe.message_box(title)
    probe.click(box["handle"], "OK")
    program.wait(timeout=20)


def test_lines_only_logs_each_line_leaving_the_screen_once_and_the_screen_at_exit(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("LOGLINES.INI", "[Window]\nSoftSize=1\n")
    name, path = log_file("LINES.LOG")
    program = connect(start_program, probe, host, ini)
    host.send(b"\x1b[2J\x1b[Hbefore logging\r\n")
    read_screen(program, expected=b"before logging")
    start_logging(probe, program, name, LINES_ONLY)
    # Lines scroll off, the shrinking window pushes the top ones into the
    # history, and erasing the screen takes the rest: each line once.
    host.send(b"".join(b"line %02d\r\n" % n for n in range(1, 31)))
    read_screen(program, expected=b"line 30")
    _, lines = logical_size(probe, program)
    drag_corner(probe, 0, -80)
    assert logical_size(probe, program)[1] < lines
    # A full-screen program repaints rows in place: only the last state of
    # the screen is logged, when the column switch erases it.
    repaint = b"\x1b[2J\x1b[H" + b"".join(b"\x1b[1;1Hframe %d\x1b[5;10Hstatus %d" % (n, n)
                                          for n in range(1, 4))
    wide = (b"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ" * 3)[:132]
    host.send(repaint + b"\x1b[?3h\x1b[H" + wide + b"\r\nlast row")
    read_screen(program, expected=b"last row")
    exit_program(probe, program)
    # The line on the screen when logging started leaves it with the others.
    expected = (b"before logging\r\n" + b"".join(b"line %02d\r\n" % n for n in range(1, 31))
                + b"frame 3\r\n\r\n\r\n\r\n         status 3\r\n" + wide + b"\r\nlast row\r\n")
    assert read_log(path) == expected


def test_all_rcvd_chars_logs_every_byte_once_without_telnet_commands(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("LOGBYTES.INI", "[Terminal]\nLocalEcho=1\n")
    name, path = log_file("BYTES.LOG")
    program = connect(start_program, probe, host, ini)
    start_logging(probe, program, name, ALL_RCVD_CHARS)
    # IAC NOP vanishes, IAC IAC is one 255, the rest arrives as sent.
    host.send(b"one\xff\xf1 \x1b[1mbold\x1b[0m\xff\xff\r\n\x07")
    read_screen(program, expected=b"bold")
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    lumo.xdotool("type", "--delay", "50", "xy")
    host.wait_received(b"xy")
    read_screen(program, expected=b"xy")
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE + " - Hold"), 10,
                    what="the hold title")
    host.send(b"\r\nheld back")
    lumo.xdotool("sleep", 1)
    assert b"held back" not in read_log(path)
    lumo.xdotool("key", "Scroll_Lock")
    read_screen(program, expected=b"held back")
    exit_program(probe, program)
    assert read_log(path) == b"one \x1b[1mbold\x1b[0m\xff\r\n\x07xy\r\nheld back"


def test_the_logging_dialog_starts_stops_and_reports_an_unwritable_path(
        start_program, probe, host, settings_file):
    ini, ini_path = settings_file("LOGDLG.INI")
    name, path = log_file("APPEND.LOG")
    with open(path, "wb") as earlier:
        earlier.write(b"earlier session\r\n")
    program = connect(start_program, probe, host, ini)
    assert not logging_checked(probe, program)
    start_logging(probe, program, name, ALL_RCVD_CHARS)
    assert logging_checked(probe, program)
    host.send(b"first")
    lumo.wait_until(lambda: read_log(path).endswith(b"first"), 10, what="the log to grow")

    # "Stop logging?" No opens the dialog, whose Cancel stops the log.
    probe.command(program.window["handle"], LOGGING)
    box, texts = probe.message_box(TITLE)
    assert texts == ["Stop logging?"]
    probe.click(box["handle"], "&No")
    answer_log_dialog(probe, button="Cancel")
    assert not logging_checked(probe, program)
    host.send(b"unlogged")
    # Started again, then stopped with Yes.
    start_logging(probe, program, name, None)
    host.send(b"second")
    lumo.wait_until(lambda: read_log(path).endswith(b"second"), 10, what="the log to grow")
    probe.command(program.window["handle"], LOGGING)
    box, _ = probe.message_box(TITLE)
    probe.click(box["handle"], "&Yes")
    probe.wait_gone(box["handle"])
    assert not logging_checked(probe, program)
    assert read_log(path) == b"earlier session\r\nfirstsecond"

    # An unwritable path: one message, the check mark stays, Active is kept.
    start_logging(probe, program, "C:\\no such folder\\X.LOG", LINES_ONLY)
    box, texts = probe.message_box("Error")
    assert texts == ["Cannot write to log file"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert [w for w in probe.windows() if w["cls"] == "#32770" and w["visible"]] == []
    assert logging_checked(probe, program)
    exit_program(probe, program)
    with open(ini_path, encoding="latin-1") as settings:
        stored = settings.read()
    assert "Active=1" in stored and "Policy=1" in stored
    assert "LogFile=C:\\no such folder\\X.LOG" in stored

    # The next start offers the dialog again, before connecting.
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    dialog = probe.wait_window(cls="#32770", title="Logging")
    assert probe.text(dialog["handle"], LOG_FILE) == "C:\\no such folder\\X.LOG"
    lumo.screenshot("logging-dialog")
    answer_log_dialog(probe, name, ALL_RCVD_CHARS)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 20, what="the connection")
    host.send(b"third")
    lumo.wait_until(lambda: read_log(path).endswith(b"third"), 10, what="the log to grow")


def test_a_log_path_of_259_characters_is_written(start_program, probe, host, settings_file,
                                                 read_screen):
    ini, _ = settings_file("LOGLONG.INI")
    folder = "L" * 120
    name, path = log_file("N" * (259 - len("C:\\\\") - len(folder)), folder)
    assert len(name) == 259
    program = connect(start_program, probe, host, ini)
    start_logging(probe, program, name, ALL_RCVD_CHARS)
    host.send(b"long path")
    lumo.wait_until(lambda: os.path.exists(path) and read_log(path) == b"long path", 10,
                    what="the log file")


def test_two_programs_and_an_append_share_one_log_and_exit_logs_the_live_screen(
        start_program, probe, host, settings_file, read_screen):
    name, path = log_file("SHARED.LOG")
    ini, _ = settings_file("LOGSHARE.INI", f"[Logging]\nLogFile={name}\nPolicy=1\nActive=1\n")
    hosts, programs = [host, lumo.ScriptedHost()], []
    try:
        for each in hosts:  # the same settings, as New session starts a copy
            programs.append(start_program("127.0.0.1", "-P", each.port, "-I", ini))
            answer_log_dialog(probe)
            lumo.wait_until(lambda: each.client, 20, what="the connection")
        programs[1].window = next(w for w in probe.windows() if w["cls"] == "LUMO32"
                                  and w["handle"] != programs[0].window["handle"])
        for n in range(1, 61):
            for each, prefix in zip(hosts, b"AB"):
                each.send(b"%c %02d\r\n" % (prefix, n))
        for program, prefix in zip(programs, b"AB"):
            read_screen(program, expected=b"%c 60" % prefix)
        logged, copied = read_log(path), read_screen(programs[0]).replace(b"\n", b"\r\n")
        save(probe, programs[0], 104, name)  # Append to the running log
        lumo.wait_until(lambda: read_log(path) == logged + copied, 10, what="the append")
        probe.post(programs[0].window["handle"], WM_VSCROLL, SB_LINEUP)
        exit_program(probe, programs[0], TITLE + " - Scroll Back")
        exit_program(probe, programs[1])
        lines = read_log(path).replace(copied, b"", 1).split(b"\r\n")
        for prefix in b"AB":  # each program's lines, each once, in order
            assert [line for line in lines if line[:1] == bytes([prefix])] == [
                b"%c %02d" % (prefix, n) for n in range(1, 61)]
    finally:
        hosts[1].close()
