"""What logging costs the running program on a flood: LUMO32.EXE under Wine
receives 20 MiB of scrolling text from a scripted host without a log, with
"All rcvd chars" and with "Lines only", in turn, twice each (the runner
gives pytest ten minutes). The time runs from the first byte sent to the
answer to a cursor position request that follows the flood. Run with
bench/logging_flood.sh and read the table it prints."""

import os
import statistics
import time

import lumo

FLOOD_BYTES = 20 << 20
MODES = {"no log": None, "All rcvd chars": 2, "Lines only": 1}
REPETITIONS = 2


def flood():
    lines, size, n = [], 0, 0
    while size < FLOOD_BYTES:
        line = b"%08d " % n + b"abcdefghijklmnopqrstuvwxyz0123456789"[: 11 + n % 60] + b"\r\n"
        lines.append(line)
        size += len(line)
        n += 1
    return b"".join(lines)


def send_all(host, data):
    """Sends data whatever the host socket's short timeout: a send that
    times out has sent nothing and is tried again."""
    client = host.client
    view, sent = memoryview(data), 0
    while sent < len(data):
        try:
            sent += client.send(view[sent:sent + 65536])
        except TimeoutError:
            continue


def settings(policy, log_path):
    text = "[Window]\nSoftSize=0\n"
    if policy:
        text += f"[Logging]\nLogFile={log_path}\nPolicy={policy}\nActive=1\n"
    return text


def one_run(probe, data, policy):
    drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    ini_path = os.path.join(drive_c, "FLOOD.INI")
    log_path = os.path.join(drive_c, "FLOOD.LOG")
    for path in (ini_path, log_path):
        if os.path.exists(path):
            os.remove(path)
    with open(ini_path, "w", newline="\r\n") as out:
        out.write(settings(policy, "C:\\FLOOD.LOG"))
    host = lumo.ScriptedHost()
    program = lumo.Program("127.0.0.1", "-P", host.port, "-I", "C:\\FLOOD.INI")
    try:
        if policy:
            dialog = probe.wait_window(cls="#32770", title="Logging", timeout=60)
            probe.click(dialog["handle"], "OK")
        lumo.wait_until(lambda: host.client, 60, what="the connection")
        start = time.monotonic()
        send_all(host, data + b"\x1b[6n")
        host.wait_received(b"R", timeout=600)
        elapsed = time.monotonic() - start
        logged = os.path.getsize(log_path) if policy else 0
        return elapsed, logged
    finally:
        program.stop()
        host.close()
        lumo.wait_until(lambda: probe.find(cls="LUMO32") is None, 30, what="the program to end")


def test_logging_flood():
    os.makedirs(lumo.ARTIFACTS, exist_ok=True)
    probe = lumo.Probe()
    data = flood()
    times = {mode: [] for mode in MODES}
    for _ in range(REPETITIONS):
        for mode, policy in MODES.items():
            elapsed, logged = one_run(probe, data, policy)
            times[mode].append(elapsed)
            print(f"{mode}: {elapsed:.2f} s, {logged} bytes logged", flush=True)
    print(f"\n{len(data)} bytes; median of {REPETITIONS} runs")
    for mode, runs in times.items():
        median = statistics.median(runs)
        print(f"| {mode} | {median:.2f} s | {len(data) / median / 1e6:.1f} MB/s |")
