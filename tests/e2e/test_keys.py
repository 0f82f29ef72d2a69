"""Typing through the real window: real key events from the X server reach
the terminal window, which turns them into the bytes a VT100 or VT200
keyboard sends, and the scripted host checks every byte. One program start
per keyboard mode, many keys per start: each group presses its keys one by
one and compares everything the host got with the bytes expected, so a key
that sends too much, too little or something else shows in the difference.
"""

import pytest

import lumo

ESC = b"\x1b"

# Keys whose bytes do not depend on any mode: editing keys, VT200 function
# keys, control characters and the keys that send nothing at all.
MODELESS_KEYS = [
    ("a", b"a"), ("shift+z", b"Z"), ("1", b"1"), ("space", b" "), ("semicolon", b";"),
    ("Return", b"\r"), ("BackSpace", b"\x7f"), ("Home", b"\x08"), ("End", b"\x05"),
    ("Prior", ESC + b"[5~"), ("Next", ESC + b"[6~"), ("Insert", ESC + b"[26~"),
    ("Delete", ESC + b"[C\x7f"),
    ("ctrl+Prior", ESC + b"[32~"), ("ctrl+Next", ESC + b"[33~"),
    ("ctrl+End", ESC + b"[19~"), ("ctrl+Home", ESC + b"[18~"),
    ("ctrl+Left", ESC + b"[20~"), ("ctrl+Right", ESC + b"[31~"),
    ("ctrl+Delete", ESC + b"[31~\x7f"),
    ("F6", ESC + b"[17~"), ("F7", ESC + b"[18~"), ("F8", ESC + b"[19~"),
    ("F9", ESC + b"[20~"), ("F10", ESC + b"[21~"), ("F11", ESC + b"[1~"),
    ("F12", ESC + b"[2~"),
    ("shift+F1", ESC + b"[23~"), ("shift+F2", ESC + b"[24~"), ("shift+F3", ESC + b"[25~"),
    ("shift+F4", ESC + b"[26~"), ("shift+F5", ESC + b"[28~"), ("shift+F6", ESC + b"[29~"),
    ("shift+F7", ESC + b"[31~"), ("shift+F8", ESC + b"[32~"), ("shift+F9", ESC + b"[33~"),
    ("shift+F10", ESC + b"[34~"),
    ("ctrl+Return", ESC + b"[29~"), ("ctrl+BackSpace", ESC + b"[23~"),
    ("ctrl+space", b"\x00"), ("ctrl+c", b"\x03"), ("ctrl+s", b"\x13"), ("ctrl+q", b"\x11"),
    # A break request, never a byte: F5 alone and Ctrl+Break.
    ("F5", b""), ("ctrl+Break", b""),
    # Ctrl or Alt with F1 to F10 send nothing; Alt with a letter neither.
    ("ctrl+F1", b""), ("ctrl+F5", b""), ("alt+F6", b""), ("ctrl+F10", b""), ("alt+z", b""),
    ("KP_Multiply", ESC + b"[3~"), ("KP_Divide", ESC + b"[4~"),
    # Ctrl+Insert is Copy's accelerator, as the help's Keyboard topic says: it sends nothing.
    ("ctrl+Insert", b""),
    ("z", b"z"),
]

# The cursor and keypad keys in each mode. The keypad keys are pressed as the
# X server's keypad digits, which the window gets as with Num Lock on.
NUMERIC_KEYPAD = [
    ("KP_7", b"7"), ("KP_8", b"8"), ("KP_9", b"9"), ("KP_4", b"4"), ("KP_5", b"5"),
    ("KP_6", b"6"), ("KP_1", b"1"), ("KP_2", b"2"), ("KP_3", b"3"), ("KP_0", b"0"),
    ("KP_Decimal", b"."), ("KP_Subtract", b"-"), ("KP_Add", b"+"), ("KP_Enter", b"\r"),
]


def application_keypad(intro):
    """The DEC keypad's application sequences: ESC O x, or ESC ? x in VT52."""
    finals = [("KP_7", b"w"), ("KP_8", b"x"), ("KP_9", b"y"), ("KP_4", b"t"), ("KP_5", b"u"),
              ("KP_6", b"v"), ("KP_1", b"q"), ("KP_2", b"r"), ("KP_3", b"s"), ("KP_0", b"p"),
              ("KP_Decimal", b"n"), ("KP_Subtract", b"m"), ("KP_Add", b"l"),
              ("KP_Enter", b"M")]
    return [(key, ESC + intro + final) for key, final in finals]


def cursor_keys(intro):
    return [("Up", ESC + intro + b"A"), ("Down", ESC + intro + b"B"),
            ("Right", ESC + intro + b"C"), ("Left", ESC + intro + b"D"),
            ("Delete", ESC + intro + b"C\x7f")]


def pf_keys(intro):
    return [(f"F{n}", ESC + intro + final) for n, final in zip(range(1, 5), (b"P", b"Q", b"R", b"S"))]


class Terminal:
    """The program connected to the scripted host, with the host's bytes
    counted from a mark so that each group sees only its own."""

    def __init__(self, program, probe, host, read_screen):
        self.program, self.probe, self.host, self.read_screen = program, probe, host, read_screen
        self.mark = len(host.received)

    def focus(self):
        lumo.xdotool("mousemove", *lumo.centre(self.program.window), "click", 1)

    def host_sets(self, data, marker):
        """The host sends data, then a marker text; waits until the marker
        shows, so the modes data sets are in force."""
        self.host.send(data + marker)
        self.read_screen(self.program, expected=marker)

    def press(self, keys):
        """Presses the keys one after another and checks that the host got
        exactly the bytes listed for them, in order."""
        for key, _ in keys:
            lumo.xdotool("key", "--delay", "20", key)
        expected = b"".join(sent for _, sent in keys)
        # A final key with a known byte, which no key of a group sends, shows that every key before it has
        # arrived, including those that send nothing.
        lumo.xdotool("key", "g")
        try:
            lumo.wait_until(lambda: b"g" in self.host.received[self.mark + len(expected):], 10,
                            what="the final key to reach the host")
        except TimeoutError:
            pass  # the comparison below tells which key went wrong
        got = bytes(self.host.received[self.mark:])
        assert got == expected + b"g", self.difference(keys, got)
        self.mark = len(self.host.received)

    @staticmethod
    def difference(keys, got):
        offset = 0
        for key, sent in keys:
            if got[offset:offset + len(sent)] != sent:
                return f"key {key}: expected {sent!r}, got {got[offset:offset + 12]!r}..."
            offset += len(sent)
        return f"extra bytes: {got[offset:]!r}"


@pytest.fixture
def terminal(start_program, probe, host, settings_file, read_screen):
    """terminal(ini_text=None): the program connected to the host with a
    settings file of that text, focused."""
    def start(ini_text=None):
        ini, _ = settings_file("KEYS.INI", ini_text)
        program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
        lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                        what="the connected title")
        lumo.wait_until(lambda: host.client, 10, what="the host to see the client")
        term = Terminal(program, probe, host, read_screen)
        term.host_sets(b"", b"ready")
        term.focus()
        return term
    return start


def test_text_editing_function_and_control_keys_in_vt100(terminal):
    term = terminal()
    term.press(MODELESS_KEYS)


# The keypad's navigation keys (as with Num Lock off) are the editing and
# cursor keys they stand for.
KEYPAD_NAVIGATION = [
    ("KP_Home", b"\x08"), ("KP_End", b"\x05"), ("KP_Prior", ESC + b"[5~"),
    ("KP_Next", ESC + b"[6~"), ("KP_Insert", ESC + b"[26~"), ("KP_Up", ESC + b"[A"),
    ("KP_Left", ESC + b"[D"), ("KP_Delete", ESC + b"[C\x7f"),
]


def test_cursor_keys_normal_then_application_mode(terminal):
    term = terminal()
    term.press(cursor_keys(b"[") + pf_keys(b"O") + KEYPAD_NAVIGATION)
    term.host_sets(ESC + b"[?1h", b"application")
    term.press(cursor_keys(b"O") + [("ctrl+Left", ESC + b"[20~"),
                                    ("ctrl+Right", ESC + b"[31~")])
    term.host_sets(ESC + b"[?1l", b"normal")
    term.press(cursor_keys(b"["))


def test_keypad_numeric_then_application_then_numeric_again(terminal):
    term = terminal()
    term.press(NUMERIC_KEYPAD)
    term.host_sets(ESC + b"=", b"keypad")
    term.press(application_keypad(b"O") + [("KP_Multiply", ESC + b"[3~"),
                                           ("KP_Divide", ESC + b"[4~")])
    term.host_sets(ESC + b">", b"numeric")
    term.press(NUMERIC_KEYPAD)


def test_vt52_mode_cursor_pf_and_keypad_keys(terminal):
    term = terminal()
    term.host_sets(ESC + b"[?2l", b"vt52")
    term.press(cursor_keys(b"") + pf_keys(b"") + NUMERIC_KEYPAD)
    term.host_sets(ESC + b"=", b"keypad")
    term.press(application_keypad(b"?") + cursor_keys(b""))
    # ESC < returns to ANSI mode and to the keypad mode from before VT52.
    term.host_sets(ESC + b"<", b"ansi")
    term.press(pf_keys(b"O") + cursor_keys(b"[") + [("KP_5", b"5")])


def test_vt200_with_backspace_ctrl_h_and_home_ctrl_a_from_the_settings(terminal):
    term = terminal("[Terminal]\nEmulation=2\nFlags=3\n")
    term.press([("BackSpace", b"\x08"), ("Home", b"\x01"), ("ctrl+BackSpace", ESC + b"[23~"),
                ("ctrl+Home", ESC + b"[18~")] + pf_keys(b"O")
               + [(key, sent) for key, sent in MODELESS_KEYS
                  if key.startswith(("F", "shift+F")) and key != "F5"])


def test_a_burst_of_keys_reaches_the_host_complete_and_in_order(terminal):
    term = terminal()
    text = "The quick brown fox jumps over the lazy dog 0123456789 " * 3
    term.mark = len(term.host.received)
    lumo.xdotool("type", "--delay", "0", text)
    term.host.wait_received(text.encode(), timeout=20)
    assert bytes(term.host.received[term.mark:]) == text.encode()


def test_scroll_lock_holds_output_until_released_then_keys_flow_again(terminal, probe):
    """Keys typed while held cannot come from the X server here: Wine
    releases its Scroll Lock on the next key because the X server has no
    Scroll Lock modifier. The key queue's tests cover those keys."""
    term = terminal()
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1) - Hold"), 10,
                    what="the hold title")
    term.host.send(b"\r\nfirst block")
    lumo.xdotool("sleep", 0.5)
    term.host.send(b"\r\nsecond block")
    lumo.xdotool("sleep", 0.5)
    held = term.read_screen(term.program)
    assert b"first block" not in held and b"second block" not in held
    lumo.xdotool("key", "Scroll_Lock")
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 10,
                    what="the title without hold")
    shown = term.read_screen(term.program, expected=b"second block")
    assert b"first block\nsecond block" in shown
    term.press([("a", b"a"), ("Up", ESC + b"[A")])


def test_alt_with_a_menu_letter_opens_the_menu_instead_of_sending(terminal, probe):
    term = terminal()
    lumo.xdotool("key", "--delay", "100", "alt+f", "x")
    box, texts = probe.message_box("LUMO/NT (127.0.0.1)")
    assert texts == ["Are you sure you wish to exit?\\nThe window will be closed."]
    probe.click(box["handle"], "Cancel")
    probe.wait_gone(box["handle"])
    term.press([("y", b"y")])
