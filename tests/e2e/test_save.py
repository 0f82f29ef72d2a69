"""Save As and Append to: the selected text, history included, lines
joined by CR LF and nothing after the last, in the OEM code page; Save
replaces, Append adds to the end or makes the file; an empty selection, a file that cannot be made, a name too long for
the dialog and a full disk each give their message, and a failed append
leaves the file as it was."""

import os
import subprocess

import pytest

import lumo

TITLE = "LUMO/NT (127.0.0.1)"
FILE_NAME_EDIT = 0x480  # the file dialog's name field


@pytest.fixture
def small_disks():
    """C:\\full, a disk of 16 KB, and C:\\readonly, a read-only one."""
    drive_c = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    mounted = []
    for name, options in (("full", "size=16k"), ("readonly", "size=16k,ro")):
        path = os.path.join(drive_c, name)
        os.makedirs(path, exist_ok=True)
        while subprocess.run(["mountpoint", "-q", path], timeout=20).returncode == 0:
            subprocess.run(["umount", "-l", path], timeout=20, check=True)  # left by a killed run
        result = subprocess.run(["mount", "-t", "tmpfs", "-o", options, "tmpfs", path],
                                capture_output=True, text=True, timeout=20)
        if result.returncode != 0:
            pytest.fail(f"cannot mount a small disk at {path} (needs root): {result.stderr}")
        mounted.append(path)
    yield {os.path.basename(p): p for p in mounted}
    for path in mounted:
        subprocess.run(["umount", "-l", path], timeout=20)


def save(probe, program, command, path):
    """Save As (101) or Append to (104) into path. Wine's Windows 3.1-style
    file dialog, which a hooked dialog without the Explorer look is, does
    not ask before it replaces or makes a file, whatever the flags say."""
    title = "Save As" if command == 101 else "Append to file"
    probe.command(program.window["handle"], command)
    dialog = probe.wait_window(cls="#32770", title=title)
    probe.set_text(dialog["handle"], FILE_NAME_EDIT, path)
    probe.command(dialog["handle"], 1)  # IDOK: the button is "Save" or "OK"
    probe.wait_gone(dialog["handle"], timeout=15)


def message(probe, caption, text):
    box, texts = probe.message_box(caption)
    assert texts == [text]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])


@pytest.mark.smoke
def test_save_and_append_write_the_selection_or_say_why_not(
        start_program, probe, host, settings_file, read_screen, small_disks):
    ini, _ = settings_file("SAVE.INI", "[Window]\nSoftSize=0\n[Terminal]\nEightbit=1\n")
    lines = [b"%03d gr\xfcn \xe4\xf6\xfc \xc9t\xe9 " % n + b"." * 50 for n in range(300)]
    host.greeting = b"\r\n".join(lines) + b"\r\n"
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 20, what="the title")
    folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "saved")
    os.makedirs(folder, exist_ok=True)
    out = os.path.join(folder, "out.txt")
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))

    # Nothing selected yet.
    probe.command(program.window["handle"], 101)
    message(probe, TITLE, "No text selected.")

    # Everything, history included: the copy's text in the OEM code page.
    copied = read_screen(program, expected=b"299 gr").decode("utf-8")
    assert copied.startswith("Initializing") and "000 gr\u00fcn" in copied
    expected = copied.replace("\n", "\r\n").encode("cp437")
    save(probe, program, 101, "C:\\saved\\out.txt")
    lumo.wait_until(lambda: os.path.exists(out) and open(out, "rb").read() == expected, 15,
                    what="the saved file")
    assert probe.find(cls="LUMO32", title=TITLE)  # live again afterwards

    # Save over it replaces; Append adds exactly the text.
    save(probe, program, 101, "C:\\saved\\out.txt")
    save(probe, program, 104, "C:\\saved\\out.txt")
    lumo.wait_until(lambda: open(out, "rb").read() == expected * 2, 15, what="the append")
    # Append to a new file makes it.
    save(probe, program, 104, "C:\\saved\\new.txt")
    lumo.wait_until(lambda: os.path.exists(os.path.join(folder, "new.txt")), 15,
                    what="the new file")
    assert open(os.path.join(folder, "new.txt"), "rb").read() == expected

    # A file that cannot be made; a name longer than the dialog takes.
    save(probe, program, 101, "C:\\readonly\\out.txt")
    message(probe, "", "Cannot write to file")
    long_name = "C:\\saved\\" + "n" * 246 + ".txt"
    assert len(long_name) == 259
    save(probe, program, 101, long_name)
    message(probe, "", "Cannot write to file")
    assert sorted(os.listdir(folder)) == ["new.txt", "out.txt"]  # no file of a cut name

    # A full disk: the save says so; a failed append leaves the file whole.
    assert len(expected) > 16384
    save(probe, program, 101, "C:\\full\\big.txt")
    message(probe, TITLE, "File write error.")
    keep = os.path.join(small_disks["full"], "keep.txt")
    os.remove(os.path.join(small_disks["full"], "big.txt"))
    with open(keep, "wb") as f:
        f.write(b"kept\r\n" * 500)
    save(probe, program, 104, "C:\\full\\keep.txt")
    message(probe, TITLE, "File write error.")
    assert open(keep, "rb").read() == b"kept\r\n" * 500
