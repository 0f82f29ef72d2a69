"""Window geometry and scrolling: the SoftSize layout moving lines between
the screen and the history as the window shrinks and grows, the size item
on the menu bar, the fixed layout's limits and horizontal bar, and the
vertical scroll bar entering and leaving scroll-back mode, and a host that
switches columns on and on."""

import threading
import time


import lumo

TITLE = "LUMO/NT (127.0.0.1)"
START_UP = [b"Initializing TCP/IP...", b"Using WSOCK32.DLL"]


connect = lumo.connect
window = lumo.terminal_window
drag_corner = lumo.drag_corner


def connect_with_numbered_lines(start_program, probe, host, ini, count):
    """Connects to a host that greets with the lines "line 001" to the
    count; returns the program and the lines."""
    numbered = [b"line %03d" % n for n in range(1, count + 1)]
    host.greeting = b"\r\n".join(numbered) + b"\r\n"
    return connect(start_program, probe, host, ini), numbered


def size_item(probe, program):
    return [i["text"] for i in probe.menu(program.window["handle"]) if i["id"] == 999][0]


def logical_size(probe, program):
    columns, lines = size_item(probe, program).split("x")
    return int(columns), int(lines)


def wait_size(probe, program, wanted):
    return lumo.wait_until(lambda: size_item(probe, program) == wanted, 10,
                           what=f"the size item to read {wanted}")


def test_softsize_shrinks_into_history_and_grows_back_out_of_it(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("SOFT.INI", "[Window]\nSoftSize=1\n")
    program, numbered = connect_with_numbered_lines(start_program, probe, host, ini, 60)
    everything = b"\n".join(START_UP + numbered + [b""])
    assert read_screen(program, expected=b"line 060") == everything
    columns, lines = logical_size(probe, program)
    lumo.screenshot("geometry-softsize-before")

    # Text down to the cursor's row: the top rows go to history, so the
    # history and screen together still hold every line once.
    drag_corner(probe, -60, -80)
    new_columns, new_lines = logical_size(probe, program)
    assert new_columns < columns and new_lines < lines
    assert read_screen(program) == everything
    lumo.screenshot("geometry-softsize-shrunk")

    # Growing brings the newest history lines back above the screen's text
    # instead of adding blank rows below it.
    drag_corner(probe, 60, 80)
    assert logical_size(probe, program) == (columns, lines)
    assert read_screen(program) == everything

    # "Resize window to 80x24" makes that the logical size.
    probe.command(program.window["handle"], 602)
    wait_size(probe, program, "80x24")


def test_softsize_moves_the_cursor_with_the_lines(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("SOFTCUR.INI", "[Window]\nSoftSize=1\n")
    program, numbered = connect_with_numbered_lines(start_program, probe, host, ini, 60)
    read_screen(program, expected=b"line 060")
    drag_corner(probe, 0, -80)
    drag_corner(probe, 0, 80)
    # The cursor stayed on the row below the last line through both moves.
    host.send(b"next")
    assert read_screen(program, expected=b"next") == b"\n".join(
        START_UP + numbered + [b"next"])


def test_softsize_drops_blank_rows_below_the_cursor_first(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("SOFTBLANK.INI", "[Window]\nSoftSize=1\n")
    host.greeting = b"one\r\ntwo\r\n"
    program = connect(start_program, probe, host, ini)
    _, lines = logical_size(probe, program)
    text = START_UP + [b"one", b"two"]
    assert read_screen(program, expected=b"two") == b"\n".join(text + [b""] * (lines - 4))

    drag_corner(probe, 0, -80)
    _, fewer = logical_size(probe, program)
    assert fewer < lines
    # Only blank rows went: no line of text moved into the history, so the
    # text is as many lines as the smaller screen.
    assert read_screen(program) == b"\n".join(text + [b""] * (fewer - 4))

    # Growing with nothing in the history adds blank rows at the bottom.
    drag_corner(probe, 0, 80)
    assert logical_size(probe, program)[1] == lines
    assert read_screen(program) == b"\n".join(text + [b""] * (lines - 4))


def test_fixed_size_window_stays_within_its_screen_and_scrolls_sideways(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("FIXED.INI", "[Window]\nSoftSize=0\n")
    host.greeting = b"x" * 79 + b"Z\r\n"
    program = connect(start_program, probe, host, ini)
    before = window(probe)["rect"]
    assert size_item(probe, program) == "80x24"

    # A fixed-size window is never taller than its logical screen.
    after = drag_corner(probe, 0, 120, edge=True)["rect"]
    assert after[2] == before[2] and after[3] <= before[3]

    # Narrower than the screen: the logical size stays and a horizontal
    # bar takes the bottom of the window, where blank cells were.
    WHITE = (255, 255, 255)
    spot = (before[0] + 100, before[3] - 10)
    assert lumo.pixel(lumo.screenshot("geometry-fixed-wide"), *spot) == WHITE
    after = drag_corner(probe, -200, 0)["rect"]
    assert after[2] - after[0] < before[2] - before[0]
    assert size_item(probe, program) == "80x24"
    spot = (after[0] + 100, after[3] - 10)
    assert lumo.pixel(lumo.screenshot("geometry-fixed-narrow"), *spot) != WHITE
    assert read_screen(program, expected=b"Z").startswith(b"\n".join(START_UP))

    # "Vertical scroll bar" off and on: the client area keeps its width,
    # so the window loses and regains the bar's width.
    probe.command(program.window["handle"], 305)
    without_bar = lumo.wait_until(lambda: window(probe)["rect"][2] < after[2] and window(probe),
                                  10, what="the window to lose the bar's width")["rect"]
    probe.command(program.window["handle"], 305)
    lumo.wait_until(lambda: window(probe)["rect"][2] == after[2], 10,
                    what="the window to regain the bar's width")
    assert without_bar[3] == after[3]

    # "SoftSize" on: the logical size becomes what the narrow window holds.
    probe.command(program.window["handle"], 310)
    lumo.wait_until(lambda: logical_size(probe, program)[0] < 80, 10,
                    what="the size item to follow the window")
    assert read_screen(program, expected=b"Z").startswith(b"\n".join(START_UP))


def test_vertical_bar_enters_and_leaves_scroll_back_mode(
        start_program, probe, host, settings_file, read_screen):
    ini, _ = settings_file("SCROLL.INI", "[Window]\nSoftSize=0\nVerticalScrollBar=1\n")
    program, numbered = connect_with_numbered_lines(start_program, probe, host, ini, 100)
    everything = b"\n".join(START_UP + numbered + [b""])
    assert read_screen(program, expected=b"line 100") == everything
    lumo.screenshot("geometry-fixed")
    left, top, right, bottom = window(probe)["rect"]
    arrow_x = right - 13

    # The bar's up arrow: one line into history, output held.
    lumo.xdotool("mousemove", arrow_x, top + 50, "click", 1)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE + " - Scroll Back"), 10,
                    what="the scroll-back title")
    host.send(b"held back\r\n")
    time.sleep(1)
    # In scroll-back mode the screen is in the history: Select all and
    # Copy take every line once, without what the host sent meanwhile.
    assert read_screen(program) == everything
    for _ in range(5):
        lumo.xdotool("click", 1)
    time.sleep(0.5)
    lumo.screenshot("geometry-scroll-back")

    # Back down to the bottom: live again, and the held output shows.
    lumo.xdotool("mousemove", arrow_x, bottom - 13)
    for _ in range(10):
        lumo.xdotool("click", 1)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 10, what="the live title")
    assert read_screen(program, expected=b"held back") == b"\n".join(
        START_UP + numbered + [b"held back", b""])



def test_resize_to_80x24_leaves_a_smaller_fixed_size(start_program, probe, host, settings_file):
    ini, _ = settings_file("RESIZE.INI", "[Window]\nSoftSize=1\n")
    program = connect(start_program, probe, host, ini)
    drag_corner(probe, -160, -80)
    columns, lines = logical_size(probe, program)
    assert columns < 80 and lines < 24
    # SoftSize off keeps the smaller size as the fixed one, which the
    # window may not outgrow; the command still reaches 80 x 24.
    probe.command(program.window["handle"], 310)
    probe.command(program.window["handle"], 602)
    wait_size(probe, program, "80x24")
    lumo.screenshot("geometry-resized-80x24")


def test_a_host_switching_columns_leaves_keys_and_exit_answered_and_the_size_right(
        start_program, probe, host, settings_file):
    program = connect(start_program, probe, host, settings_file("COLS.INI", "[Window]\n")[0])
    handle, (left, _, right, _) = program.window["handle"], probe.client(program.window["handle"])
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    stop = threading.Event()

    def switch():  # 200 switches every 50 ms until stopped
        while not stop.wait(0.05):
            host.send(b"\x1b[?3hwide\r\n\x1b[?3lnarrow\r\n" * 100)

    threading.Thread(target=switch, daemon=True).start()
    try:
        lumo.xdotool("type", "k")
        host.wait_received(b"k", timeout=10)
        probe.command(handle, 103)
        probe.click(probe.message_box(TITLE, timeout=10)[0]["handle"], "Cancel")
    finally:
        stop.set()
    host.send(b"\x1b[?3hlast\x1b[6n")
    host.wait_received(b"R", timeout=60)
    lumo.wait_until(lambda: size_item(probe, program) == "132x24", 10, what="132x24")
    client = probe.client(handle)
    assert client[2] - client[0] == 132 * ((right - left) // 80)
