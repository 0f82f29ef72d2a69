"""Print and Print Setup on the run's CUPS printers, whose jobs become PDF
files: the selected lines one per printed line from one line height below
the top, a new page after a full one, Cancel in "Printing..." abandoning the
job with the window enabled again and the output that waited shown, a
printer chosen in Print Setup used by the next Print only, "No text
selected." without a selection, and no printer at all."""

import glob
import os
import re
import subprocess

import pytest

import lumo

TITLE = "LUMO/NT (127.0.0.1)"
PRINTER_COMBO = 0x470  # the printer list of the print dialogs
PDF_FOLDER = os.path.join(os.path.expanduser("~"), "PDF")


@pytest.fixture
def printers():
    """The run's CUPS queues, with no job output left from earlier runs."""
    if os.environ.get("LUMO_PRINTERS_ERROR"):
        pytest.fail(os.environ["LUMO_PRINTERS_ERROR"])
    if not os.environ.get("CUPS_SERVER"):
        pytest.fail("no CUPS daemon for this run: start the tests with tests/e2e/run.sh")
    for path in glob.glob(os.path.join(PDF_FOLDER, "Zeriv*.pdf")):
        os.remove(path)
    return jobs


def jobs(which="completed"):
    """The run's jobs as (queue, job number), oldest first."""
    out = subprocess.run(["lpstat", "-W", which, "-o"], capture_output=True, text=True,
                         timeout=20).stdout
    found = [(m.group(1), int(m.group(2))) for m in re.finditer(r"^(\S+)-(\d+)\s", out, re.M)]
    return sorted(found, key=lambda job: job[1])


def pdf_of(job):
    """The PDF file of a completed job."""
    return lumo.wait_until(lambda: (glob.glob(os.path.join(PDF_FOLDER, f"Zeriv*job_{job}.pdf"))
                                    or [None])[0], 30, what=f"the PDF of job {job}")


def pages(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                          text=True, timeout=30, check=True).stdout
    return [page.rstrip("\n").split("\n") for page in text.rstrip("\f").split("\f")]


def print_selection(probe, program, printer=None):
    """Print (106) through the print dialog, optionally choosing a printer."""
    probe.command(program.window["handle"], 106)
    dialog = probe.wait_window(cls="#32770", title="Print")
    if printer:
        probe.choose(dialog["handle"], PRINTER_COMBO, printer)
    probe.click(dialog["handle"], "OK")
    return dialog


def line_tops(path, page=1):
    """The top of each printed line on a page, in points, from pdftotext's
    word boxes."""
    html = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), path, "-"],
                          capture_output=True, text=True, timeout=30, check=True).stdout
    return sorted({float(y) for y in re.findall(r'<word xMin="[^"]*" yMin="([^"]*)"', html)})


def next_job(printers, before, queue):
    """Waits for one more completed job; checks its queue; its PDF's pages."""
    done = lumo.wait_until(lambda: (lambda j: len(j) > len(before) and j)(printers()), 60,
                           what="the job to complete")
    assert len(done) == len(before) + 1, done
    assert done[-1][0] == queue
    return pdf_of(done[-1][1])


@pytest.mark.smoke
def test_print_lines_pages_cancel_and_setup(start_program, probe, host, settings_file,
                                            read_screen, printers):
    ini, _ = settings_file("PRINT.INI", "[Window]\nSoftSize=0\nLogicalLines=3\n")
    host.greeting = b"one\r\ntwo\r\nthree"
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    handle = program.window["handle"]
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 20, what="the title")
    probe.command(handle, 106)
    box, texts = probe.message_box(TITLE)
    assert texts == ["No text selected."]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])

    # Three lines, the history cleared first, on one page, one line height
    # apart, the first one line height down.
    assert read_screen(program, expected=b"three").endswith(b"one\ntwo\nthree")
    probe.command(handle, 206)
    box, texts = probe.message_box("LUMO/NT")
    assert texts == ["Okay to clear memory?"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    assert read_screen(program) == b"one\ntwo\nthree"
    done = printers()
    print_selection(probe, program)
    path = next_job(printers, done, "PDF")
    assert pages(path) == [["one", "two", "three"]]
    tops = line_tops(path)
    height = tops[1] - tops[0]
    assert [round((t - tops[0]) / height, 3) for t in tops] == [0, 1, 2]
    assert int(tops[0] // height) == 1
    subprocess.run(["pdftoppm", "-png", "-r", "50", "-f", "1", "-l", "1", path,
                    os.path.join(lumo.ARTIFACTS, "print-page")], check=True, timeout=60)

    # 35 lines on pages of 34: 34 and 1.
    host.send(b"".join(b"\r\np%02d" % n for n in range(1, 33)))
    read_screen(program, expected=b"p32")
    probe.command(handle, 205)
    done = printers()
    print_selection(probe, program)
    printed = pages(next_job(printers, done, "PDF"))
    assert [len(page) for page in printed] == [34, 1]
    assert printed[0][0] == "one" and printed[1] == ["p32"]

    # Print Setup's printer serves the next Print only.
    probe.command(handle, 107)
    setup = probe.wait_window(cls="#32770", title="Print Setup")
    probe.choose(setup["handle"], PRINTER_COMBO, "PDF2")
    probe.click(setup["handle"], "OK")
    probe.wait_gone(setup["handle"])
    done = printers()
    print_selection(probe, program)
    next_job(printers, done, "PDF2")
    print_selection(probe, program)
    next_job(printers, done + [("PDF2", 0)], "PDF")

    # Cancel while a long job runs: the window is held in scroll-back mode
    # and disabled meanwhile; afterwards it is enabled and live again, the
    # output that waited shows, and the job never reached the printer (an
    # ended job is handed to CUPS before the window is enabled).
    host.send(b"".join(b"\r\nc%05d" % n for n in range(60000)))
    read_screen(program, expected=b"c59999")
    probe.command(handle, 205)
    done = printers()
    print_selection(probe, program)
    aborting = probe.wait_window(cls="#32770", title="Printing...", timeout=30)
    lumo.screenshot("print-printing")
    assert probe.find(cls="LUMO32", title=TITLE + " - Scroll Back")
    assert not probe.enabled(handle)
    host.send(b"\r\nsent while printing")
    probe.click(aborting["handle"], "Cancel")
    probe.wait_gone(aborting["handle"], timeout=30)
    assert probe.enabled(handle)
    assert printers("all") == done
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 10, what="the live title")
    read_screen(program, expected=b"sent while printing")


def test_print_without_any_printer_leaves_the_word_to_the_print_dialog(start_program, probe, host, settings_file,
                                                     monkeypatch, printers):
    monkeypatch.setenv("CUPS_SERVER", os.path.join(lumo.ARTIFACTS, "no-cups.sock"))
    ini, _ = settings_file("NOPRINT.INI", "[Window]\nSoftSize=0\n")
    host.greeting = b"nothing to print on"
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini)
    lumo.wait_until(lambda: probe.find(cls="LUMO32", title=TITLE), 20, what="the title")
    probe.command(program.window["handle"], 205)
    probe.command(program.window["handle"], 106)
    # The system's print dialog says so itself and ends as if cancelled, so
    # the program adds nothing: the next command shows the same box again
    # with no other box in between.
    for _ in range(2):
        box, texts = probe.message_box("Print", timeout=30)
        assert any("install a printer" in text for text in texts)
        assert [w["title"] for w in probe.windows()
                if w["visible"] and w["cls"] == "#32770"] == ["Print"]
        probe.click(box["handle"], "OK")
        probe.wait_gone(box["handle"])
        probe.command(program.window["handle"], 106)
