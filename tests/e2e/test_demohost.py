"""The demo host that scripts/run.sh connects the program to."""

import os
import socket
import subprocess
import sys
import time

import pytest

import lumo

DEMOHOST = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "demohost.py")


@pytest.fixture
def demohost(tmp_path):
    port_file = tmp_path / "port"
    process = subprocess.Popen([sys.executable, DEMOHOST, "--port", "0", "--port-file",
                                str(port_file)], stdout=subprocess.DEVNULL)
    try:
        lumo.wait_until(lambda: port_file.exists() and port_file.read_text().strip(), 10,
                        what="the demo host's port")
        yield int(port_file.read_text())
    finally:
        process.kill()
        process.wait(timeout=10)


def read_until(client, expected, timeout=5):
    data = b""
    deadline = time.monotonic() + timeout
    while expected not in data and time.monotonic() < deadline:
        try:
            data += client.recv(4096)
        except socket.timeout:
            pass
    return data


def test_demo_host_shows_its_attributes_and_line_drawing_then_echoes(demohost):
    with socket.create_connection(("127.0.0.1", demohost), timeout=1) as client:
        greeting = read_until(client, b"> ")
        assert greeting.startswith(b"\xff\xfb\x01\xff\xfb\x03")
        for sequence in (b"\x1b[1m", b"\x1b[4m", b"\x1b[5m", b"\x1b[7m", b"\x1b(0lqq",
                         b"\x1b(B"):
            assert sequence in greeting
        # An option the host does not have is refused; typed text comes back,
        # Return as a new prompt, and a data byte 255 doubled.
        client.sendall(b"\xff\xfd\x18ab\xff\xff\r")
        echoed = read_until(client, b"\r\n> ")
        assert echoed == b"\xff\xfc\x18ab\xff\xff\r\n> "
