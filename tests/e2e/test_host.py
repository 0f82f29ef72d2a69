"""The scripted Telnet host that the end-to-end tests talk to."""

import socket

import lumo


def test_scripted_host_sends_what_it_is_told_and_records_what_it_gets(host):
    host.greeting = b"\xff\xfb\x01login: "
    with socket.create_connection(("127.0.0.1", host.port), timeout=5) as client:
        assert client.recv(64) == b"\xff\xfb\x01login: "
        client.sendall(b"user\r\n")
        host.wait_received(b"user\r\n", timeout=5)
        host.send(b"\x1b[1mbold\x1b[m")
        assert client.recv(64) == b"\x1b[1mbold\x1b[m"
    lumo.wait_until(lambda: host.client is None, 5, what="the host to see the hang-up")
    assert host.connections == 1
