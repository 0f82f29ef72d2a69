"""Helpers for the end-to-end tests: the program under Wine, the probe, a
scripted Telnet host, screenshots and the clipboard.

run.sh sets DISPLAY, WINEPREFIX, LUMO_WINE (the Wine loader), LUMO_WIN32_BUILD
(the Windows build under test: x86 or x64, LUMO_ARCH) and LUMO_E2E_ARTIFACTS.
"""

import os
import signal
import socket
import subprocess
import threading
import time

BUILD = os.environ.get("LUMO_WIN32_BUILD", "build/win32")
ARCH = os.environ.get("LUMO_ARCH", "x86")
ARTIFACTS = os.environ.get("LUMO_E2E_ARTIFACTS", "build/e2e")
# Debian's `wine` picks the 32-bit loader whenever it is installed, even
# where the machine cannot run it, so the run names the loader.
WINE = os.environ.get("LUMO_WINE", "wine")


def wine_env(extra=None):
    env = dict(os.environ)
    env.setdefault("WINEDEBUG", "-all")
    env.update(extra or {})
    return env


def build_path(name):
    return os.path.join(BUILD, name)


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    """Polls predicate until it returns something true; raises on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout}s waiting for {what}")
        time.sleep(interval)


def record_processes(name):
    """Saves the process list as ARTIFACTS/name.txt, to see what hung."""
    with open(os.path.join(ARTIFACTS, name + ".txt"), "w") as out:
        subprocess.run(["ps", "-eo", "pid,ppid,stat,etime,wchan:24,args"], stdout=out,
                       timeout=10)


class Probe:
    """Runs lumoprobe.exe under Wine and parses its tab-separated output;
    env adds to the environment (WINEPREFIX: another Wine prefix)."""

    def __init__(self, env=None):
        self.env = wine_env(env)

    def run(self, *args, check=True, timeout=20):
        try:
            result = subprocess.run(
                [WINE, build_path("lumoprobe.exe"), *map(str, args)],
                env=self.env, capture_output=True, text=True, timeout=timeout,
                errors="replace")
        except subprocess.TimeoutExpired:
            record_processes("probe-timeout")
            raise
        if check and result.returncode != 0:
            raise RuntimeError(f"lumoprobe {' '.join(map(str, args))}: {result.stderr.strip()}")
        return [line.rstrip("\r") for line in result.stdout.splitlines()]

    def windows(self):
        """Top-level windows as dicts: handle, pid, cls, visible, rect (left,
        top, right, bottom on the screen), title."""
        found = []
        for line in self.run("windows"):
            fields = line.split("\t", 8)
            if len(fields) == 9:
                found.append({"handle": "0x" + fields[0], "pid": fields[1], "cls": fields[2],
                              "visible": fields[3] == "1",
                              "rect": tuple(int(v) for v in fields[4:8]), "title": fields[8]})
        return found

    def find(self, cls=None, title=None):
        for window in self.windows():
            if not window["visible"]:
                continue
            if cls is not None and window["cls"] != cls:
                continue
            if title is not None and window["title"] != title:
                continue
            return window
        return None

    def wait_window(self, cls=None, title=None, timeout=20):
        return wait_until(lambda: self.find(cls, title), timeout,
                          what=f"window class={cls} title={title}")

    def wait_gone(self, handle, timeout=10):
        wait_until(lambda: all(w["handle"] != handle or not w["visible"]
                               for w in self.windows()),
                   timeout, what=f"window {handle} to close")

    def children(self, handle):
        """Child windows as dicts: handle, id, cls, style, text."""
        found = []
        for line in self.run("children", handle):
            fields = line.split("\t")
            if len(fields) == 5:
                found.append({"handle": "0x" + fields[0], "id": int(fields[1]),
                              "cls": fields[2], "style": int(fields[3], 16),
                              "text": fields[4]})
        return found

    def menu(self, handle, init=False):
        """Menu items as dicts: depth, pos, id, type, state, text (tabs as \\t)."""
        items = []
        for line in self.run("menu", handle, *(["init"] if init else [])):
            fields = line.split("\t", 5)
            if len(fields) == 6:
                items.append({"depth": int(fields[0]), "pos": int(fields[1]),
                              "id": int(fields[2]), "type": int(fields[3], 16),
                              "state": int(fields[4], 16), "text": fields[5]})
        return items

    def command(self, handle, command_id):
        self.run("command", handle, command_id)

    def close(self, handle):
        self.run("close", handle)

    def client(self, handle):
        """The client area on the screen: (left, top, right, bottom)."""
        return tuple(int(v) for v in self.run("client", handle)[0].split("\t"))

    def items(self, handle):
        """The items of a combo box; the selected one starts with "*"."""
        return self.run("items", handle)

    def click(self, handle, text):
        self.run("click", handle, text)

    def press(self, dialog, control_id):
        """Clicks a dialog's control as the mouse does."""
        self.run("press", dialog, control_id)

    def set_text(self, dialog, control_id, text):
        self.run("settext", dialog, control_id, text)

    def text(self, dialog, control_id):
        return "\n".join(self.run("text", dialog, control_id))

    def list_items(self, dialog, control_id):
        """A list box's items as (text, selected) pairs."""
        found = []
        for line in self.run("listbox", dialog, control_id):
            fields = line.split("\t", 2)
            if len(fields) == 3:
                found.append((fields[2], fields[1] == "1"))
        return found

    def select(self, dialog, control_id, index):
        """Selects a list box's item and tells the dialog, as a click does."""
        self.run("select", dialog, control_id, index)

    def choose(self, dialog, control_id, text):
        """Chooses the item that starts with text in a combo box, as a user's
        choice does."""
        self.run("choose", dialog, control_id, text)

    def scroll(self, handle):
        """The vertical bar's (position, minimum, maximum)."""
        return tuple(int(v) for v in self.run("scroll", handle)[0].split("\t"))

    def post(self, handle, message, wparam=0, lparam=0):
        self.run("post", handle, message, wparam, lparam)

    def enabled(self, handle):
        return self.run("enabled", handle)[0] == "1"

    def message_box(self, caption, timeout=10):
        """Waits for a dialog box with the caption; returns (window, texts)."""
        box = self.wait_window(cls="#32770", title=caption, timeout=timeout)
        texts = [c["text"] for c in self.children(box["handle"])
                 if c["cls"].lower() == "static" and c["text"]]
        return box, texts


class Program:
    """LUMO32.EXE started under Wine with the given arguments; env adds to
    the environment (LC_ALL chooses the code page, for example, and
    WINEPREFIX another prefix); executable starts another copy of it."""

    def __init__(self, *args, cwd=None, env=None, executable=None):
        self.log_path = os.path.join(ARTIFACTS, "lumo32.log")
        self.log = open(self.log_path, "ab")
        self.process = subprocess.Popen(
            [WINE, executable or build_path("LUMO32.EXE"), *map(str, args)],
            env=wine_env(env),
            stdout=self.log, stderr=subprocess.STDOUT, cwd=cwd, start_new_session=True)

    def wait(self, timeout):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait(timeout=10)
        self.log.close()


def connect(start_program, probe, host, ini):
    """Starts the program on the scripted host with the settings file ini
    and waits until the window and the host both see the connection."""
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
               what="the connected title")
    wait_until(lambda: host.client, 10, what="the host to see the client")
    return program


class ScriptedHost:
    """A Telnet host on 127.0.0.1 for one client at a time: it sends what
    the test says and records every byte the client sends."""

    def __init__(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(4)
        self.listener.settimeout(0.2)
        self.port = self.listener.getsockname()[1]
        self.received = bytearray()
        self.connections = 0
        self.client = None
        self.greeting = b""
        self.read_size = 4096
        self.read_pause = 0
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self._serve, daemon=True)
        self.thread.start()

    def _serve(self):
        while not self.stopping.is_set():
            try:
                client, _ = self.listener.accept()
            except OSError:
                continue
            client.settimeout(0.2)
            with self.lock:
                self.client = client
                self.connections += 1
            if self.greeting:
                client.sendall(self.greeting)
            self._read(client)

    def read_slowly(self, size, pause):
        """Reads at most size bytes every pause seconds, with a small
        receive buffer, so that the client's sending soon has to wait. Call
        it before the client connects."""
        self.read_size, self.read_pause = size, pause
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 2048)

    def _read(self, client):
        while not self.stopping.is_set():
            if self.read_pause:
                time.sleep(self.read_pause)
            try:
                data = client.recv(self.read_size)
            except socket.timeout:
                continue
            except OSError:
                break
            if not data:
                break
            with self.lock:
                self.received.extend(data)
        with self.lock:
            self.client = None
        client.close()

    def send(self, data):
        wait_until(lambda: self.client, 10, what="a client to connect")
        with self.lock:
            self.client.sendall(data)

    def hang_up(self):
        with self.lock:
            if self.client:
                self.client.shutdown(socket.SHUT_RDWR)

    def wait_received(self, expected, timeout=10):
        wait_until(lambda: expected in bytes(self.received), timeout,
                   what=f"the client to send {expected!r}")

    def close(self):
        self.stopping.set()
        self.thread.join(timeout=5)
        self.listener.close()


def screenshot(name):
    """Saves the whole display as ARTIFACTS/name.png and returns the path."""
    path = os.path.join(ARTIFACTS, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True, timeout=20,
                   capture_output=True)
    return path


def pixel(path, x, y):
    """The (r, g, b) colour of one pixel of a screenshot."""
    out = subprocess.run(["convert", path, "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],"
                          f"%[fx:int(255*p{{{x},{y}}}.g)],%[fx:int(255*p{{{x},{y}}}.b)]",
                          "info:"], check=True, timeout=20, capture_output=True, text=True)
    return tuple(int(v) for v in out.stdout.split(","))


def clipboard():
    """The text of the X clipboard, which Wine shares with Windows."""
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                            timeout=10)
    return result.stdout


def set_clipboard(data):
    """Makes data the X clipboard's text; xclip stays behind as its owner."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=data, check=True,
                   timeout=10, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def locale_env(name):
    """The environment that runs a program in a locale (such as
    "ru_RU.UTF-8", whose ANSI code page is 1251) compiled for the tests
    into ARTIFACTS, so that the machine needs none installed."""
    folder = os.path.abspath(os.path.join(ARTIFACTS, "locales"))
    if not os.path.isdir(os.path.join(folder, name)):
        os.makedirs(folder, exist_ok=True)
        source, charset = name.split(".")
        subprocess.run(["localedef", "-i", source, "-f", charset, os.path.join(folder, name)],
                       check=True, timeout=120, capture_output=True)
    return {"LOCPATH": folder, "LC_ALL": name}


def centre(window):
    """The screen point in the middle of a window."""
    left, top, right, bottom = window["rect"]
    return (left + right) // 2, (top + bottom) // 2


def toggle_terminal_setting(probe, program, label):
    """Turns the check box label of the Terminal settings dialog over and
    closes the dialog with OK."""
    probe.command(program.window["handle"], 302)
    dialog = probe.wait_window(cls="#32770", title="Terminal settings")
    probe.click(dialog["handle"], label)
    probe.click(dialog["handle"], "OK")
    probe.wait_gone(dialog["handle"])


def terminal_window(probe):
    return probe.find(cls="LUMO32")


def drag_corner(probe, dx, dy, edge=False):
    """Drags the terminal window's bottom right corner (or with edge the
    middle of its bottom edge) by (dx, dy) pixels, as a user resizes it;
    returns the window once its rectangle has stopped changing."""
    left, top, right, bottom = terminal_window(probe)["rect"]
    x, y = ((left + right) // 2 if edge else right - 2), bottom - 2
    xdotool("mousemove", x, y)
    time.sleep(0.2)
    xdotool("mousedown", 1)
    for step in (1, 2):
        time.sleep(0.2)
        xdotool("mousemove", x + dx * step // 2, y + dy * step // 2)
    time.sleep(0.2)
    xdotool("mouseup", 1)
    last = [None]

    def still():
        now = terminal_window(probe)
        same = last[0] is not None and now["rect"] == last[0]["rect"]
        last[0] = now
        return same and now

    return wait_until(still, 10, interval=0.4, what="the window to settle")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=20, capture_output=True)
