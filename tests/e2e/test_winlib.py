"""The class library's own checks, which need real windows and dialogs."""

import subprocess

import lumo


def test_class_library_checks_pass():
    result = subprocess.run(["wine", lumo.build_path("winlibcheck.exe")], env=lumo.wine_env(),
                            capture_output=True, text=True, timeout=120, errors="replace")
    print(result.stdout)
    assert "checks failed" in result.stdout
    assert result.returncode == 0, result.stdout + result.stderr
