import os
import re
import signal
import socket
import subprocess

import pytest

import lumo


def pytest_configure(config):
    config.addinivalue_line(
        "markers", "smoke: the short set that run.sh also runs on the other Windows build")


@pytest.fixture(scope="session")
def probe():
    os.makedirs(lumo.ARTIFACTS, exist_ok=True)
    return lumo.Probe()


@pytest.fixture
def host():
    server = lumo.ScriptedHost()
    yield server
    server.close()


@pytest.fixture
def start_program(probe):
    """Starts LUMO32.EXE with arguments and waits for its window; the
    program is stopped after the test whatever happened."""
    started = []

    def start(*args, env=None, executable=None):
        program = lumo.Program(*args, env=env, executable=executable)
        started.append(program)
        program.window = probe.wait_window(cls="LUMO32", timeout=30)
        return program

    yield start
    for program in started:
        program.stop()
    lumo.wait_until(lambda: probe.find(cls="LUMO32") is None, 15,
                    what="the program's window to disappear")


@pytest.fixture
def settings_file():
    """Makes a settings file for a test and removes it afterwards.

    settings_file(name, text=None, folder="windows") gives the name the
    program gets with -I (a bare name for the Windows directory, where the
    profile functions look for one, else C:\\folder\\name) and the file's
    path on this side; text, when given, is the file's first content."""
    made = []

    def make(name, text=None, folder="windows"):
        directory = os.path.join(os.environ["WINEPREFIX"], "drive_c", folder)
        os.makedirs(directory, exist_ok=True)
        path = os.path.join(directory, name)
        if os.path.exists(path):
            os.remove(path)
        if text is not None:
            with open(path, "w", encoding="latin-1", newline="\r\n") as out:
                out.write(text)
        made.append(path)
        return (name if folder == "windows" else f"C:\\{folder}\\{name}"), path

    yield make
    for path in made:
        if os.path.exists(path):
            os.remove(path)


@pytest.fixture
def read_screen(probe):
    """read_screen(program, quoted=False, expected=None): Select all, then
    Copy (or Copy Quoted), and the clipboard's text; with expected, repeats
    until the text holds it."""
    def copied():
        # Wine answers the X side's request for the clipboard from its own
        # thread; on a loaded machine one request can go unanswered, so a
        # read that times out is asked again until the wait ends.
        try:
            text = lumo.clipboard()
        except subprocess.TimeoutExpired:
            return None
        return text != b"-" and text

    def copy(program, quoted):
        lumo.set_clipboard(b"-")
        probe.command(program.window["handle"], 205)
        probe.command(program.window["handle"], 202 if quoted else 201)
        return lumo.wait_until(copied, 30, what="the copy to reach the clipboard")

    def read(program, quoted=False, expected=None):
        if expected is None:
            return copy(program, quoted)
        return lumo.wait_until(lambda: (lambda text: expected in text and text)(
            copy(program, quoted)), 15, interval=0.3, what=f"{expected!r} on the screen")

    return read


def free_port():
    """A TCP port on 127.0.0.1 that nothing listens on right now."""
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe_socket:
        probe_socket.bind(("127.0.0.1", 0))
        return probe_socket.getsockname()[1]


@pytest.fixture
def refused_port():
    """A port on 127.0.0.1 where a connection is refused."""
    return free_port()


@pytest.fixture
def telnetd():
    """The system's Telnet server running a shell, behind socat on a free
    port of 127.0.0.1; yields the port."""
    port = free_port()
    process = subprocess.Popen(
        ["socat", f"TCP-LISTEN:{port},bind=127.0.0.1,reuseaddr,fork",
         "EXEC:/usr/sbin/telnetd -h -E /bin/sh"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)

    def listening():
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return True
        except OSError:
            return False

    try:
        lumo.wait_until(listening, 10, what="socat to listen")
        yield port
    finally:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait(timeout=10)


@pytest.fixture
def shell_at_prompt(start_program, probe, telnetd, settings_file, read_screen):
    """Starts the program on the system's Telnet server with a fresh
    settings file of the given name, waits for the shell's prompt (it ends
    in "#" or "$"; its trailing blank is not copied) and gives the window
    the focus; returns the program."""
    def open_shell(ini_name):
        ini, _ = settings_file(ini_name)
        program = start_program("127.0.0.1", "-P", telnetd, "-I", ini)
        lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                        what="the connected title")
        prompt = re.compile(rb"^[^\n]*[#$]$", re.M)
        lumo.wait_until(lambda: prompt.search(read_screen(program)), 20, interval=0.5,
                        what="the shell's prompt")
        lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
        return program
    return open_shell
