"""Help and About: the Help menu's commands open their topics in the
program's own help viewer, which follows links, goes back and searches from
the keyboard; F1 on a menu item opens that item's topic; the About box shows
the program's name and version; a missing or damaged LUM.HLP gives one
message; exiting the program closes the viewer."""

import os
import re
import shutil

import pytest

import lumo

VIEWER = "LUMO/NT Help"
TEXT, LIST_LABEL = 506, 504
SS_ICON = 3
BITS = {"x86": 32, "x64": 64}  # the Windows each build is for
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as cmake:
        return re.search(r"project\(lumo VERSION (\S+)", cmake.read()).group(1)


def viewer(probe):
    for window in probe.windows():
        if window["visible"] and window["title"].startswith(VIEWER):
            return window
    return None


def wait_topic(probe, title, timeout=15):
    """Waits until the viewer shows the topic; returns (viewer, its texts by id)."""
    shown = lumo.wait_until(
        lambda: (lambda w: w and w["title"] == f"{VIEWER} - {title}" and w)(viewer(probe)),
        timeout, what=f"the help topic {title!r}")
    return shown, {c["id"]: c["text"] for c in probe.children(shown["handle"])}


def start(start_program, probe, host, settings_file, **kwargs):
    ini, _ = settings_file("help.ini")
    program = start_program("127.0.0.1", "-P", host.port, "-I", ini, **kwargs)
    lumo.wait_until(lambda: host.client, 20, what="the host to see the client")
    return program


@pytest.mark.smoke
def test_help_menu_topics_links_back_and_search_by_keyboard_and_exit_closes_viewer(
        start_program, probe, host, settings_file):
    program = start(start_program, probe, host, settings_file)
    handle = program.window["handle"]
    topics = {501: "Index", 502: "General", 503: "Keyboard", 504: "Commands",
              505: "Procedures", 506: "Using Help"}
    for command, title in topics.items():
        probe.command(handle, command)
        shown, texts = wait_topic(probe, title)
        lumo.screenshot(f"help-viewer-{command}")
    # One viewer for all requests, showing the last topic asked for.
    assert [w["title"] for w in probe.windows()
            if w["visible"] and w["title"].startswith(VIEWER)] == [f"{VIEWER} - Using Help"]
    assert texts[TEXT].startswith("This window is the help viewer of LUMO/NT.")
    lumo.screenshot("help-viewer-using-help")

    # Keyboard only: the first link of Using Help is the Index topic; Back
    # returns; a search lists the topics holding the word, Print (its
    # title holds it) first.
    lumo.xdotool("key", "alt+l", "key", "Return")
    wait_topic(probe, "Index")
    lumo.xdotool("key", "alt+b")
    wait_topic(probe, "Using Help")
    lumo.xdotool("key", "alt+s", "type", "print")
    lumo.xdotool("key", "Return")
    lumo.wait_until(lambda: {c["id"]: c["text"] for c in probe.children(
        viewer(probe)["handle"])}[LIST_LABEL].startswith("&Topics found:"), 10,
        what="the search results")
    lumo.screenshot("help-viewer-search")
    lumo.xdotool("key", "Return")
    wait_topic(probe, "Print")
    lumo.screenshot("help-viewer-print")
    # F1 in the viewer shows its own topic; Back goes along the way taken.
    lumo.xdotool("key", "F1")
    wait_topic(probe, "Using Help")
    lumo.xdotool("key", "alt+b")
    wait_topic(probe, "Print")
    lumo.xdotool("key", "alt+b")
    wait_topic(probe, "Using Help")

    # Exit closes the viewer with the program.
    probe.command(handle, 103)
    box, _ = probe.message_box("LUMO/NT (127.0.0.1)")
    probe.click(box["handle"], "OK")
    program.wait(20)
    assert viewer(probe) is None


def test_f1_opens_the_items_topic_and_says_when_there_is_none(
        start_program, probe, host, settings_file):
    program = start(start_program, probe, host, settings_file)
    handle = program.window["handle"]
    # File menu: Connect (grayed while connected), New session, Save As,
    # Append to, Upload, Print, Print Setup. A click gives the window the
    # focus; Select all after it enables Print.
    for downs, title in ((5, "Print"), (6, "Print")):
        lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
        probe.command(handle, 205)
        lumo.xdotool("key", "alt+f")
        for _ in range(downs):
            lumo.xdotool("key", "Down")
        lumo.xdotool("keydown", "F1", "sleep", 0.5, "keyup", "F1")
        shown, _ = wait_topic(probe, title)
        probe.close(shown["handle"])
        probe.wait_gone(shown["handle"])
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    # No print dialog followed either F1.
    assert probe.find(cls="#32770") is None

    # Help menu: Index is its first item, About its last.
    lumo.xdotool("key", "alt+h")
    lumo.xdotool("keydown", "F1", "sleep", 0.5, "keyup", "F1")
    shown, texts = wait_topic(probe, "Index")
    assert texts[LIST_LABEL] == "&Topics:"
    probe.close(shown["handle"])
    probe.wait_gone(shown["handle"])
    lumo.xdotool("mousemove", *lumo.centre(program.window), "click", 1)
    lumo.xdotool("key", "alt+h", "key", "Up")
    lumo.xdotool("keydown", "F1", "sleep", 0.5, "keyup", "F1")
    box, texts = probe.message_box("LUMO/NT (127.0.0.1)")
    assert texts == ["Help not available for selected item"]
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])
    lumo.xdotool("sleep", 1)
    # The About box did not open.
    assert probe.find(cls="#32770", title="") is None


def test_about_box_shows_name_version_and_notice(start_program, probe, host, settings_file):
    program = start(start_program, probe, host, settings_file)
    probe.command(program.window["handle"], 100)
    box = probe.wait_window(cls="#32770", title="")
    statics = [c for c in probe.children(box["handle"]) if c["cls"].lower() == "static"]
    icons = [c for c in statics if c["style"] & 0x1F == SS_ICON]
    texts = [c["text"] for c in statics if c["style"] & 0x1F != SS_ICON]
    assert len(icons) == 1
    assert texts == ["L U M O / N T",
                     f"Telnet for {BITS[lumo.ARCH]}-bit Windows, version {project_version()}",
                     "Press F1 on a menu item for its help."]
    lumo.screenshot("about-box")
    probe.click(box["handle"], "OK")
    probe.wait_gone(box["handle"])


def test_missing_or_damaged_help_file_gives_one_message(
        start_program, probe, host, settings_file):
    folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "helpcheck")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(lumo.build_path("LUMO32.EXE"), folder)
    program = start(start_program, probe, host, settings_file,
                    executable=os.path.join(folder, "LUMO32.EXE"))
    handle = program.window["handle"]
    try:
        expectations = (
            (None, "The file is not there."),
            ("@topic general 2 General\nSee {nowhere}.\n",
             'The file is damaged. Line 2: a link to no topic: "nowhere".'))
        for content, reason in expectations:
            if content:
                with open(os.path.join(folder, "LUM.HLP"), "w") as damaged:
                    damaged.write(content)
            probe.command(handle, 502)
            box, texts = probe.message_box("Error")
            assert texts[-1] == ("The help file LUM.HLP cannot be shown.\\n\\nLooked for it at:"
                                 "\\nC:\\helpcheck\\LUM.HLP\\n\\n" + reason)
            probe.click(box["handle"], "OK")
            probe.wait_gone(box["handle"])
            assert viewer(probe) is None
        # Nothing else broke: the About box still opens.
        probe.command(handle, 100)
        box = probe.wait_window(cls="#32770", title="")
        probe.click(box["handle"], "OK")
        probe.wait_gone(box["handle"])
    finally:
        program.stop()
        shutil.rmtree(folder, ignore_errors=True)
