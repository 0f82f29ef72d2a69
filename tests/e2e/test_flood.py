"""A host floods the terminal without end. While its lines stream in, a
typed key reaches the host, a menu opens, Scroll Lock holds the output and
lets it go, a drag of the scroll bar's thumb enters scroll-back mode and
Ctrl+End leaves it, and Exit asks its question; the time each took
is printed (pytest -s), not asserted: speed is the benchmark's business.
Between two floods the program idles without using the CPU."""

import os
import select
import threading
import time

import lumo

TITLE = "LUMO/NT (127.0.0.1)"


class Flood:
    """Sends numbered lines to the host's client as fast as it reads them,
    until stopped."""

    def __init__(self, host):
        self.host = host
        self.sent = 0
        self.stopping = threading.Event()
        lines = b"".join(b"flood line %06d of a host that never stops\r\n" % n
                         for n in range(1400))
        self.chunk = lines
        self.thread = threading.Thread(target=self._send, daemon=True)

    def start(self):
        lumo.wait_until(lambda: self.host.client, 10, what="a client to connect")
        self.thread.start()

    def _send(self):
        client = self.host.client
        at = 0
        while not self.stopping.is_set():
            try:
                _, writable, _ = select.select([], [client], [], 0.2)
                if writable:
                    count = client.send(self.chunk[at:])
                    self.sent += count
                    at = (at + count) % len(self.chunk)
            except OSError:
                return

    def flowing(self, seconds=0.5):
        """The host's bytes keep being taken by the client."""
        before = self.sent
        time.sleep(seconds)
        return self.sent > before

    def stop(self):
        self.stopping.set()
        self.thread.join(timeout=5)


def timed(what, action, condition, timeout=30):
    """Runs action, waits for condition; prints and returns the seconds."""
    start = time.monotonic()
    action()
    lumo.wait_until(condition, timeout, interval=0.02, what=what)
    seconds = time.monotonic() - start
    print(f"{what}: {seconds * 1000:.0f} ms")
    return seconds


def cpu_seconds(port, seconds):
    """CPU time that this test's program (LUMO32.EXE with the host's port
    on its command line) uses in so many seconds of wall time."""
    def used():
        ticks = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    arguments = cmdline.read().split(b"\0")
                if not any(a.endswith(b"LUMO32.EXE") for a in arguments):
                    continue
                if str(port).encode() not in arguments:
                    continue
                with open(f"/proc/{pid}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                ticks[pid] = int(fields[11]) + int(fields[12])
            except OSError:
                continue
        return ticks
    before = used()
    time.sleep(seconds)
    after = used()
    assert after, "the program's process was not found"
    return sum(after[pid] - before.get(pid, 0) for pid in after) / os.sysconf("SC_CLK_TCK")


def title_is(probe, title):
    return lambda: probe.find(cls="LUMO32", title=title)


def test_keys_menu_hold_scroll_bar_and_exit_act_during_a_flood(start_program, probe, host,
                                                               settings_file):
    ini, _ = settings_file("FLOOD.INI")
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(title_is(probe, TITLE), 20, what="the connected title")
    flood = Flood(host)
    flood.start()
    try:
        lumo.wait_until(lambda: flood.sent > 1_000_000, 60, what="the flood to be read")
        lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)

        timed("typed key at the host", lambda: lumo.xdotool("key", "q"),
              lambda: b"q" in bytes(host.received))
        assert flood.flowing()

        timed("menu open", lambda: lumo.xdotool("key", "alt+f"),
              lambda: probe.find(cls="#32768"))
        lumo.xdotool("key", "Escape", "Escape")
        lumo.wait_until(lambda: probe.find(cls="#32768") is None, 10, what="the menu to close")
        assert flood.flowing()

        timed("Scroll Lock hold", lambda: lumo.xdotool("key", "Scroll_Lock"),
              title_is(probe, TITLE + " - Hold"))
        # Held output is not read: the host's sending stops.
        lumo.wait_until(lambda: not flood.flowing(), 30, what="the held client to stop reading")
        timed("Scroll Lock release", lambda: lumo.xdotool("key", "Scroll_Lock"),
              title_is(probe, TITLE))
        lumo.wait_until(flood.flowing, 10, what="the flood to flow again")

        # Dragging the thumb (at the bottom of the bar, above its down
        # arrow) up enters scroll-back mode, which holds the output, when it
        # is let go; Ctrl+End leaves the mode.
        left, top, right, bottom = probe.find(cls="LUMO32")["rect"]
        x, y = right - 12, bottom - 30
        lumo.xdotool("mousemove", x, y, "mousedown", 1, "mousemove", x, y - 30)
        lumo.xdotool("mousemove", x, y - 100)
        timed("scroll bar drag", lambda: lumo.xdotool("mouseup", 1),
              title_is(probe, TITLE + " - Scroll Back"))
        lumo.wait_until(lambda: not flood.flowing(), 30, what="the held client to stop reading")
        timed("back to the live screen", lambda: lumo.xdotool("key", "ctrl+End"),
              title_is(probe, TITLE))
        lumo.wait_until(flood.flowing, 10, what="the flood to flow again")

        # Once the flood ends, the idle session waits without using the CPU.
        flood.stop()
        first_flood = flood.sent
        lumo.wait_until(lambda: cpu_seconds(host.port, 1.0) < 0.05, 30,
                        what="the program to go idle")
        assert cpu_seconds(host.port, 3.0) < 0.15
        flood = Flood(host)
        flood.start()
        lumo.wait_until(flood.flowing, 10, what="the second flood to flow")

        timed("exit question", lambda: lumo.xdotool("key", "--delay", "100", "alt+f", "x"),
              lambda: probe.find(cls="#32770", title=TITLE))
        box, texts = probe.message_box(TITLE)
        assert texts == ["Are you sure you wish to exit?\\nThe window will be closed."]
        probe.click(box["handle"], "OK")
        assert program.wait(timeout=20) == 0
        print(f"floods: {(first_flood + flood.sent) / 1e6:.1f} MB sent")
    finally:
        flood.stop()
