"""How fast the running program follows a host that switches between 80
and 132 columns: LUMO32.EXE under Wine receives blocks of 100 switches
(ESC [ ? 3 h, a short line, ESC [ ? 3 l, a short line, 50 times: 2 KB)
from a scripted host, followed by a cursor position request; the time runs
from the first byte sent to the answer. LUMO_SWITCHES sets the number of
switches (default 20,000) and LUMO_REPETITIONS the runs (default 3). Run
with bench/column_switches.sh and read the table it prints."""

import os
import statistics
import time

import lumo


def block():
    return b"".join(b"\x1b[?3hwide line %02d\r\n\x1b[?3lnarrow line %02d\r\n" % (n, n)
                    for n in range(50))


def one_run(probe, data):
    drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    ini_path = os.path.join(drive_c, "SWITCHES.INI")
    with open(ini_path, "w", newline="\r\n") as out:
        out.write("[Window]\nSoftSize=0\n")
    host = lumo.ScriptedHost()
    program = lumo.Program("127.0.0.1", "-P", host.port, "-I", "C:\\SWITCHES.INI")
    try:
        lumo.wait_until(lambda: host.client, 60, what="the connection")
        time.sleep(1)
        start = time.monotonic()
        host.send(data + b"\x1b[6n")
        host.wait_received(b"R", timeout=900)
        return time.monotonic() - start
    finally:
        program.stop()
        host.close()
        lumo.wait_until(lambda: probe.find(cls="LUMO32") is None, 30, what="the program to end")


def test_column_switches():
    os.makedirs(lumo.ARTIFACTS, exist_ok=True)
    probe = lumo.Probe()
    switches = int(os.environ.get("LUMO_SWITCHES", "20000")) // 100 * 100
    repetitions = int(os.environ.get("LUMO_REPETITIONS", "3"))
    data = block() * (switches // 100)
    runs = []
    for _ in range(repetitions):
        runs.append(one_run(probe, data))
        print(f"{switches} switches: {runs[-1]:.2f} s", flush=True)
    median = statistics.median(runs)
    print(f"\n{switches} switches in {len(data)} bytes; median of {repetitions} runs")
    print(f"| {median:.2f} s | {switches / median:.0f} switches/s |")
