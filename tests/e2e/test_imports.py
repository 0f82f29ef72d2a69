"""The executables of both Windows builds are for their processor, need no
DLL beyond Windows' own (everything else is linked statically), and the
program carries its application manifest."""

import os
import re
import subprocess

import pytest

import lumo

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "wsock32.dll",
               "msvcrt.dll", "advapi32.dll", "shell32.dll"}
# The build's binutils and the PE format they report.
TOOLS = {"x86": ("i686-w64-mingw32-objdump", "pei-i386"),
         "x64": ("x86_64-w64-mingw32-objdump", "pei-x86-64")}


def builds():
    """The build under test and, where the run has it, the other one."""
    found = [(lumo.ARCH, lumo.BUILD)]
    other = os.environ.get("LUMO_OTHER_BUILD")
    if other:
        found.append(({"x86": "x64", "x64": "x86"}[lumo.ARCH], other))
    return found


@pytest.mark.parametrize("program", ["LUMO32.EXE", "lumoprobe.exe", "winlibcheck.exe"])
def test_program_is_for_its_processor_and_imports_only_system_dlls(program):
    for arch, build in builds():
        objdump, pe_format = TOOLS[arch]
        dump = subprocess.run([objdump, "-p", os.path.join(build, program)],
                              capture_output=True, text=True, check=True, timeout=60).stdout
        assert f"file format {pe_format}" in dump, (arch, program)
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        assert "kernel32.dll" in imported
        assert imported <= SYSTEM_DLLS, (arch, imported - SYSTEM_DLLS)


def test_program_manifest_asks_for_dpi_awareness_and_common_controls_6():
    for arch, build in builds():
        with open(os.path.join(build, "LUMO32.EXE"), "rb") as exe:
            image = exe.read()
        start = image.find(b"<assembly")
        assert start >= 0, arch
        manifest = image[start:image.find(b"</assembly>", start)].decode()
        assert re.search(r"<dpiAware[^>]*>true</dpiAware>", manifest), arch
        assert "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"" in manifest, arch
        processor = {"x86": "x86", "x64": "amd64"}[arch]
        assert f'processorArchitecture="{processor}"' in manifest, arch
