#!/usr/bin/env python3
"""A small Telnet host for trying LUMO/NT by hand.

It greets each client, shows bold, underline, blinking and reverse-video
text and the DEC special graphics (line-drawing) set with escape sequences,
and then echoes what is typed. It takes over echoing (WILL ECHO) and
suppresses go-ahead, refuses every other option, and serves each client on
its own thread. Only the standard library is used.

    demohost.py [--bind 127.0.0.1] [--port 2323] [--port-file FILE]
"""

import argparse
import socket
import threading

IAC, DONT, DO, WONT, WILL, SB, SE = 255, 254, 253, 252, 251, 250, 240
ECHO, SGA = 1, 3

ESC = "\x1b"
GREETING = "\r\n".join([
    "",
    f"{ESC}[1mLUMO/NT demo host{ESC}[m",
    "",
    f"  {ESC}[1mbold{ESC}[m  {ESC}[4munderline{ESC}[m  {ESC}[5mblink{ESC}[m  "
    f"{ESC}[7mreverse video{ESC}[m  {ESC}[1;4;7mall at once{ESC}[m",
    "",
    "  DEC line drawing:",
    f"  {ESC}(0lqqqqqwqqqqqk{ESC}(B",
    f"  {ESC}(0x{ESC}(B  A  {ESC}(0x{ESC}(B  B  {ESC}(0x{ESC}(B",
    f"  {ESC}(0tqqqqqnqqqqqu{ESC}(B",
    f"  {ESC}(0x{ESC}(B  C  {ESC}(0x{ESC}(B  D  {ESC}(0x{ESC}(B",
    f"  {ESC}(0mqqqqqvqqqqqj{ESC}(B",
    "",
    "Type something; it is echoed back. Ctrl+D closes the connection.",
    "",
    "> ",
]).encode("latin-1")


class TelnetFilter:
    """Removes Telnet commands from the client's bytes and answers option
    requests: ECHO and SUPPRESS-GO-AHEAD are ours, everything else refused."""

    def __init__(self, reply):
        self.reply = reply
        self.state = "data"
        self.verb = 0

    def feed(self, data):
        text = bytearray()
        for byte in data:
            if self.state == "data":
                if byte == IAC:
                    self.state = "iac"
                else:
                    text.append(byte)
            elif self.state == "iac":
                self.state = self._command(byte, text)
            elif self.state == "option":
                self._answer(self.verb, byte)
                self.state = "data"
            elif self.state == "sb":
                self.state = "sb-iac" if byte == IAC else "sb"
            elif self.state == "sb-iac":
                self.state = "data" if byte == SE else "sb"
        return bytes(text)

    def _command(self, byte, text):
        if byte == IAC:
            text.append(IAC)
            return "data"
        if byte in (DO, DONT, WILL, WONT):
            self.verb = byte
            return "option"
        return "sb" if byte == SB else "data"

    def _answer(self, verb, option):
        if verb == DO and option not in (ECHO, SGA):
            self.reply(bytes([IAC, WONT, option]))
        elif verb == WILL and option != SGA:
            self.reply(bytes([IAC, DONT, option]))


def serve(client):
    with client:
        client.sendall(bytes([IAC, WILL, ECHO, IAC, WILL, SGA]))
        client.sendall(GREETING)
        telnet = TelnetFilter(client.sendall)
        while True:
            data = client.recv(1024)
            if not data:
                return
            for byte in telnet.feed(data):
                if byte == 4:  # Ctrl+D
                    client.sendall(b"\r\nBye.\r\n")
                    return
                if byte == 13:
                    client.sendall(b"\r\n> ")
                elif byte in (0, 10):
                    continue
                elif byte in (8, 127):
                    client.sendall(b"\b \b")
                elif byte == IAC:
                    client.sendall(bytes([IAC, IAC]))
                else:
                    client.sendall(bytes([byte]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bind", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=2323)
    parser.add_argument("--port-file", help="write the listening port here")
    args = parser.parse_args()
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((args.bind, args.port))
    listener.listen(8)
    port = listener.getsockname()[1]
    if args.port_file:
        with open(args.port_file, "w") as f:
            f.write(f"{port}\n")
    print(f"demo host listening on {args.bind}:{port}", flush=True)
    while True:
        client, _ = listener.accept()
        threading.Thread(target=serve, args=(client,), daemon=True).start()


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        pass
