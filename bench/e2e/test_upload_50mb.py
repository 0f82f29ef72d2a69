"""Uploads a 50 MB text file to a host that reads as fast as it can and
reports the time it took and the program's memory: its resident size
before, its peak (VmHWM) and its resident size after. Typing during the
upload shows that the window keeps taking keys. Run with bench/upload.sh."""

import hashlib
import os
import time

import lumo

SIZE = 50 * 1024 * 1024


def memory(pid):
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    return fields["VmRSS"], fields["VmHWM"]


def program_pid(program):
    """The process that runs LUMO32.EXE: wine's own process, or the one it
    started for the program."""
    pids = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                if b"LUMO32.EXE" in cmdline.read():
                    pids.append(int(entry))
        except (OSError, ValueError):
            continue
    return program.process.pid if program.process.pid in pids else max(pids)


def test_upload_50mb(start_program, probe, host, settings_file):
    folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "upload")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "fifty.txt")
    line = b"0123456789 the quick brown fox jumps over the lazy dog 0123456789\r\n"
    with open(path, "wb") as out:
        out.write(line * (SIZE // len(line)))
    expected = line.replace(b"\r\n", b"\r") * (SIZE // len(line))

    ini, _ = settings_file("BENCH.INI")
    host.greeting = b"ready"
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title="LUMO/NT (127.0.0.1)"), 20,
                    what="the connected title")
    pid = program_pid(program)
    before = memory(pid)
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", "1")
    lumo.xdotool("key", "alt+f", "sleep", "0.3", "key", "u")
    dialog = probe.wait_window(cls="#32770", title="Upload")
    lumo.xdotool("type", "--delay", "20", "C:\\upload\\fifty.txt")
    lumo.xdotool("key", "Return")
    started = time.monotonic()
    lumo.wait_until(lambda: len(host.received) > 0, 30, what="the upload to start")
    lumo.xdotool("key", "--delay", "200", "Q", "Q", "Q")
    lumo.wait_until(lambda: len(host.received) >= len(expected) + 3, 1800, interval=1,
                    what="the whole file")
    elapsed = time.monotonic() - started
    probe.wait_gone(probe.find(cls="#32770", title="Working...")["handle"]
                    if probe.find(cls="#32770", title="Working...") else dialog["handle"])
    after = memory(pid)
    got = bytes(host.received)
    assert got.count(b"Q") == 3
    assert hashlib.sha1(got.replace(b"Q", b"")).digest() == hashlib.sha1(expected).digest()
    print(f"\nupload of {SIZE} bytes: {elapsed:.1f} s, {SIZE / elapsed / 1e6:.2f} MB/s; "
          f"VmRSS before {before[0]}, VmHWM {after[1]}, VmRSS after {after[0]}")
    os.remove(path)
