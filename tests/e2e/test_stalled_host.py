"""A host that stops reading: the program waits for the socket instead of
polling it, so it uses next to no processor time, and a key typed meanwhile
reaches the host by itself once the host reads again."""

import os
import socket
import subprocess
import time

import lumo

# Enough terminal reports to fill the socket's buffers on both sides: each
# request is answered with a seven-byte report, which the host does not
# read. The host's small receive buffer and segment size keep the program's
# send buffer from growing far.
REQUESTS = 30000


def cpu_seconds(program):
    """User and system time of the program's processes and of the Wine
    server of this run, which does the work of a loop that polls."""
    prefix = os.environ["WINEPREFIX"].encode()
    total = 0
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                text = stat.read()
            with open(f"/proc/{entry}/environ", "rb") as environ:
                ours = b"WINEPREFIX=" + prefix + b"\0" in environ.read()
        except OSError:
            continue
        name = text[text.index("(") + 1:text.rindex(")")]
        fields = text[text.rindex(")") + 2:].split()
        if int(fields[3]) == program.process.pid or (name.startswith("wineserver") and ours):
            total += int(fields[11]) + int(fields[12])
    return total / os.sysconf("SC_CLK_TCK")


def read_until(client, expected, timeout):
    received = bytearray()
    deadline = time.monotonic() + timeout
    while expected not in received and time.monotonic() < deadline:
        try:
            data = client.recv(65536)
        except socket.timeout:
            continue
        if not data:
            break
        received.extend(data)
    return bytes(received)


def test_a_host_that_stops_reading_costs_no_processor_and_typing_resumes_by_itself(
        start_program, probe):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
    listener.setsockopt(socket.IPPROTO_TCP, socket.TCP_MAXSEG, 536)
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    listener.settimeout(30)
    program = start_program("127.0.0.1", "-P", listener.getsockname()[1])
    client, _ = listener.accept()
    client.settimeout(60)
    try:
        client.sendall(b"\x1b[c" * REQUESTS + b"asked")
        probe.wait_window(cls="LUMO32", title="LUMO/NT (127.0.0.1)", timeout=30)
        lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
        lumo.wait_until(lambda: b"asked" in screen_text(probe, program), 90,
                        what="every request to be answered")
        lumo.xdotool("type", "Z")
        # Over a few seconds of a host that does not read, the program
        # waits: a loop that polled the socket would use the whole time.
        before = cpu_seconds(program)
        time.sleep(3)
        used = cpu_seconds(program) - before
        assert used < 0.5, f"{used:.2f} s of processor time in 3 s"
        client.settimeout(0.5)
        received = read_until(client, b"Z", 30)
        assert received.endswith(b"Z"), f"{len(received)} bytes, Z at {received.find(b'Z')}"
        # Reports were lost to the full socket: Z really met a host that
        # did not read.
        assert len(received) < 7 * REQUESTS
    finally:
        client.close()
        listener.close()


def screen_text(probe, program):
    """Select all, then Copy, as the clipboard shows it; nothing while the
    program is too busy answering to serve the clipboard."""
    try:
        lumo.set_clipboard(b"-")
        probe.command(program.window["handle"], 205)
        probe.command(program.window["handle"], 201)
        return lumo.wait_until(lambda: lumo.clipboard() != b"-" and lumo.clipboard(), 10,
                               what="the copy to reach the clipboard")
    except (subprocess.TimeoutExpired, TimeoutError):
        return b""
