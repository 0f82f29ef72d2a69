"""The executables need no DLL beyond Windows' own: everything else is
linked statically."""

import re
import subprocess

import pytest

import lumo

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "wsock32.dll",
               "msvcrt.dll", "advapi32.dll", "shell32.dll"}


@pytest.mark.parametrize("program", ["LUMO32.EXE", "lumoprobe.exe", "winlibcheck.exe"])
def test_program_imports_only_system_dlls(program):
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", lumo.build_path(program)],
                          capture_output=True, text=True, check=True, timeout=60).stdout
    imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    assert "kernel32.dll" in imported
    assert imported <= SYSTEM_DLLS, imported - SYSTEM_DLLS
