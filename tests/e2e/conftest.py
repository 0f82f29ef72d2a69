import os

import pytest

import lumo


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

    def start(*args):
        program = lumo.Program(*args)
        started.append(program)
        program.window = probe.wait_window(cls="LUMO32", timeout=30)
        return program

    yield start
    for program in started:
        program.stop()
    lumo.wait_until(lambda: probe.find(cls="LUMO32") is None, 15,
                    what="the program's window to disappear")
