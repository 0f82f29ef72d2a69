#!/usr/bin/python3
"""Throughput of the whole program: LUMO32.EXE under Wine against xterm
running telnet(1), on one Xvfb display, fed the same bytes by a host on
127.0.0.1 and timed in band.

For each run the host accepts the client, asks for character mode (WILL
ECHO, WILL SGA), and asks for the terminal's identity until an answer
comes back. The clock then starts; the host sends the workload and a
cursor position request, and the clock stops when the report for that last
byte arrives: every byte before it has been processed. (The identity
request of the start may be repeated while the client starts; its answers
cannot be taken for the report.)

The two programs are measured one after the other for every workload and
repetition, so that a change in the machine's load hits both alike.

    bench/throughput.py [--repetitions N] [--megabytes M] [--workloads a,b]

Needs the Windows build that scripts/windows-build.sh chooses for this
machine (build/win32 or build/win64; LUMO_WINDOWS=x86 or x64 forces it), Xvfb,
Wine, xterm and telnet (scripts/setup.sh). Uses that build's Wine prefix
(build/wineprefix-x86 or -x64), made on first use.
"""

import argparse
import os
import random
import re
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def windows_build():
    """The Wine loader, build folder and prefix that scripts/windows-build.sh
    chooses for this machine."""
    script = (f'source "{ROOT}/scripts/windows-build.sh" && windows_build_choose "{ROOT}" && '
              'echo "$LUMO_WINE|$LUMO_WIN32_BUILD|$LUMO_WINEPREFIX"')
    chosen = subprocess.run(["bash", "-c", script], capture_output=True, text=True, check=True)
    return chosen.stdout.strip().split("|")


WINE, BUILD, PREFIX = windows_build()

IAC, WILL, ECHO, SGA = 255, 251, 1, 3
IDENTITY_REQUEST = b"\x1b[c"
IDENTITY_REPORT = re.compile(rb"\x1b\[\?[\d;]*c")
CURSOR_REQUEST = b"\x1b[6n"
CURSOR_REPORT = re.compile(rb"\x1b\[\d+;\d+R")
RUN_TIMEOUT = 600


def letters(rng, length):
    return "".join(rng.choice("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
                   for _ in range(length)).encode()


def plain_text(size, rng):
    """Lines of 20 to 80 letters with CR LF: the screen scrolls on every line."""
    parts, total = [], 0
    while total < size:
        part = letters(rng, rng.randint(20, 80)) + b"\r\n"
        parts.append(part)
        total += len(part)
    return b"".join(parts)


def sgr_addressing(size, rng):
    """"hello world" at random places in random SGR attributes."""
    attributes = ["0", "1", "4", "5", "7", "1;4", "1;7", "4;5;7", "0;1;4;5;7", "22;24;25;27"]
    parts, total = [], 0
    while total < size:
        part = (f"\x1b[{rng.randint(1, 24)};{rng.randint(1, 69)}H"
                f"\x1b[{rng.choice(attributes)}mhello world").encode()
        parts.append(part)
        total += len(part)
    return b"".join(parts) + b"\x1b[0m"


def scrolling_region(size, rng):
    """Region 5 to 20, a line that scrolls it at its bottom, then delete
    and insert a line in its middle, over and over."""
    parts, total = [], 0
    while total < size:
        part = (b"\x1b[5;20r\x1b[20H" + letters(rng, rng.randint(20, 80)) +
                b"\r\n\x1b[12H\x1b[M\x1b[L")
        parts.append(part)
        total += len(part)
    return b"".join(parts) + b"\x1b[r"


WORKLOADS = {
    "plain": ("plain text that scrolls (lines of 20-80 letters)", plain_text),
    "sgr": ("SGR and cursor addressing (\"hello world\" at random places in random "
            "attributes)", sgr_addressing),
    "region": ("scrolling region (`ESC[5;20r`, a line, `ESC[M`, `ESC[L`, repeated)",
               scrolling_region),
}


def wait_report(client, deadline, report, ask_again=None):
    """Reads until the report arrives; repeats the request ask_again every
    two seconds without one."""
    data = b""
    while True:
        match = report.search(data)
        if match:
            return
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise TimeoutError("no cursor position report")
        client.settimeout(min(remaining, 2.0))
        try:
            chunk = client.recv(65536)
        except socket.timeout:
            chunk = None
        if chunk == b"":
            raise ConnectionError("the client closed the connection")
        if chunk is None:
            # Still starting up, or the request came before character mode.
            if ask_again:
                client.sendall(ask_again)
            continue
        data = data[-32:] + chunk


def time_workload(listener, workload, shot):
    """Serves one client: seconds from the first report to the last one."""
    listener.settimeout(120)
    client, _ = listener.accept()
    with client:
        client.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        client.sendall(bytes([IAC, WILL, ECHO, IAC, WILL, SGA]) + IDENTITY_REQUEST)
        wait_report(client, time.monotonic() + 120, IDENTITY_REPORT, IDENTITY_REQUEST)
        # Anything the client still had to say about the first request.
        client.settimeout(0.5)
        try:
            while client.recv(65536):
                pass
        except socket.timeout:
            pass
        start = time.monotonic()
        client.settimeout(None)
        client.sendall(workload + CURSOR_REQUEST)
        wait_report(client, start + RUN_TIMEOUT, CURSOR_REPORT)
        seconds = time.monotonic() - start
        if shot:
            time.sleep(2)  # the last paint may follow the report
            subprocess.run(["import", "-window", "root", shot], timeout=60)
        return seconds


class Display:
    """A private Xvfb display, and the Wine prefix with its server kept up."""

    def __enter__(self):
        self.fd_file = tempfile.TemporaryFile()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(self.fd_file.fileno()), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"], pass_fds=[self.fd_file.fileno()],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        number = b""
        while not number.strip() and time.monotonic() < deadline:
            time.sleep(0.1)
            self.fd_file.seek(0)
            number = self.fd_file.read()
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number.decode().split()[0]
        os.environ.update(WINEPREFIX=PREFIX, WINELOADER=WINE, WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml=")
        subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, timeout=20)
        if not os.path.exists(os.path.join(PREFIX, "system.reg")):
            os.makedirs(PREFIX, exist_ok=True)
            subprocess.run([WINE, "wineboot", "-i"], capture_output=True, timeout=120)
            subprocess.run(["wineserver", "-w"], timeout=60)
        # No window manager runs on the display: Wine draws the frames.
        subprocess.run([WINE, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v",
                        "Managed", "/d", "N", "/f"], capture_output=True, timeout=60)
        # Kept up between runs, so that every start finds it ready.
        self.wineserver = subprocess.Popen(["wineserver", "-f", "-p"],
                                           stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, timeout=20)
        self.wineserver.wait(timeout=20)
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)


def client_command(program, port):
    if program == "lumo":
        return [WINE, os.path.join(BUILD, "LUMO32.EXE"), "127.0.0.1", "-P", str(port),
                "-I", "C:\\BENCH.INI"]
    return ["xterm", "-geometry", "80x24", "-e", "telnet", "127.0.0.1", str(port)]


def measure(program, workload, shot=None):
    with socket.socket() as listener:
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", 0))
        listener.listen(1)
        process = subprocess.Popen(client_command(program, listener.getsockname()[1]),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            return time_workload(listener, workload, shot)
        finally:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(timeout=20)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--repetitions", type=int, default=3)
    parser.add_argument("--megabytes", type=float, default=4.0,
                        help="size of each workload in 10^6 bytes")
    parser.add_argument("--workloads", default="plain,sgr,region")
    parser.add_argument("--programs", default="lumo,xterm")
    parser.add_argument("--screenshots", metavar="FOLDER",
                        help="save the display after each run as FOLDER/workload-program.png")
    args = parser.parse_args()
    names = args.workloads.split(",")
    programs = args.programs.split(",")
    size = int(args.megabytes * 1e6)
    data = {name: WORKLOADS[name][1](size, random.Random(name)) for name in names}
    rates = {(name, program): [] for name in names for program in programs}
    with Display():
        for repetition in range(args.repetitions):
            for name in names:
                for program in programs:
                    shot = (os.path.join(args.screenshots, f"{name}-{program}.png")
                            if args.screenshots else None)
                    seconds = measure(program, data[name], shot)
                    rate = len(data[name]) / seconds / 1e6
                    rates[name, program].append(rate)
                    print(f"run {repetition + 1} {name:7} {program:6} {seconds:8.2f} s "
                          f"{rate:7.2f} MB/s", file=sys.stderr, flush=True)
    print(f"\nMedian of {args.repetitions} runs, {size / 1e6:g} MB each (MB = 10^6 bytes):\n")
    print("| workload | LUMO/NT | xterm + telnet | ratio |")
    print("|---|---|---|---|")
    for name in names:
        median = {p: statistics.median(rates[name, p]) if rates.get((name, p)) else None
                  for p in ("lumo", "xterm")}
        cells = [f"{median[p]:.2f}" if median[p] else "-" for p in ("lumo", "xterm")]
        ratio = (f"{median['lumo'] / median['xterm']:.2f}x"
                 if median["lumo"] and median["xterm"] else "-")
        print(f"| {WORKLOADS[name][0]} | {cells[0]} | {cells[1]} | {ratio} |")


if __name__ == "__main__":
    main()
