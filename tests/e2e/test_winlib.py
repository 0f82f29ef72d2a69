"""The class library's own checks, which need real windows and dialogs."""

import os
import signal
import subprocess

import pytest

import lumo


def test_class_library_checks_pass():
    result = subprocess.run([lumo.WINE, lumo.build_path("winlibcheck.exe")], env=lumo.wine_env(),
                            capture_output=True, text=True, timeout=120, errors="replace")
    print(result.stdout)
    assert "checks failed" in result.stdout
    assert result.returncode == 0, result.stdout + result.stderr


TEMPLATES = [("HOSTDLGBOX", "Open connection"), ("TERMINALDLG", "Terminal settings"),
             ("COLORDLGBOX", "Window Colors"), ("FONTDLG", "Font")]


@pytest.mark.parametrize("name,caption", TEMPLATES)
def test_dialog_template_shows_and_cancel_ends_it_with_two(probe, name, caption):
    process = subprocess.Popen([lumo.WINE, lumo.build_path("winlibcheck.exe"), "show", name],
                               env=lumo.wine_env(), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        dialog = probe.wait_window(cls="#32770", title=caption, timeout=30)
        lumo.screenshot(f"template-{name}")
        buttons = [c["text"] for c in probe.children(dialog["handle"]) if c["cls"] == "Button"]
        assert "OK" in buttons and "Cancel" in buttons
        probe.click(dialog["handle"], "Cancel")
        assert process.wait(timeout=20) == 2
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(timeout=10)
