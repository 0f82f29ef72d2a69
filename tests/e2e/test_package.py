"""The release package of the build under test (x86 or x64): the versioned
zip holds LUMO32.EXE, LUM.HLP and README.TXT in one folder; unpacked into a
fresh Wine prefix, the program starts from there and shows a help topic from
the LUM.HLP beside it."""

import os
import shutil
import subprocess
import tempfile
import zipfile

import lumo
from test_help import TEXT, project_version, wait_topic


def build_package():
    subprocess.run(["cmake", "--build", lumo.BUILD, "--target", "lumo_package"], check=True,
                   timeout=300, capture_output=True)
    return os.path.join(lumo.BUILD, f"LUMO-NT-{project_version()}-{lumo.ARCH}.zip")


def start_fresh_prefix(prefix):
    """Makes a new Wine prefix (prefix: the environment that names it) as
    run.sh makes the run's own, and starts its Wine session."""
    env = lumo.wine_env(prefix)

    def wine(*args, timeout=120):
        subprocess.run(list(args), env=env, check=True, timeout=timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    wine(lumo.WINE, "wineboot", "-i", timeout=180)
    wine("wineserver", "-w")
    wine(lumo.WINE, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d", "N",
         "/f")
    wine("wineserver", "-w")
    # A server started first, and a probe that stays, keep the session up,
    # so that the program and the probe's calls do not each wait for it.
    # The session's processes keep the output of the Wine program that
    # started them: a first call without a pipe starts them, or a probe
    # call waiting for the end of its output would wait for ever.
    wine("wineserver", "-p")
    subprocess.Popen([lumo.WINE, lumo.build_path("lumoprobe.exe"), "stay"], env=env,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                     start_new_session=True)
    wine(lumo.WINE, lumo.build_path("lumoprobe.exe"), "windows", timeout=90)


def test_package_unpacked_in_a_fresh_prefix_runs_and_shows_help(host):
    package = build_package()
    name = os.path.basename(package)[:-len(".zip")]
    with zipfile.ZipFile(package) as archive:
        assert sorted(archive.namelist()) == [f"{name}/", f"{name}/LUM.HLP",
                                              f"{name}/LUMO32.EXE", f"{name}/README.TXT"]
        readme = archive.read(f"{name}/README.TXT").decode("latin-1")
    assert readme.startswith(f"LUMO/NT {project_version()}\r\n")
    bits = {"x86": "32-bit", "x64": "64-bit"}[lumo.ARCH]
    assert f"This package is for {bits} Windows" in readme

    folder = tempfile.mkdtemp(prefix="package-prefix-", dir=os.path.abspath(lumo.ARTIFACTS))
    prefix = {"WINEPREFIX": folder}
    program = None
    try:
        start_fresh_prefix(prefix)
        drive = os.path.join(folder, "drive_c")
        with zipfile.ZipFile(package) as archive:
            archive.extractall(drive)
        probe = lumo.Probe(prefix)
        program = lumo.Program("127.0.0.1", "-P", host.port, cwd=os.path.join(drive, name),
                               executable=f"C:\\{name}\\LUMO32.EXE", env=prefix)
        window = probe.wait_window(cls="LUMO32", timeout=60)
        probe.command(window["handle"], 503)
        _, texts = wait_topic(probe, "Keyboard", timeout=30)
        assert texts[TEXT].startswith("The keys send what the keys of a DEC VT100")
    finally:
        if program:
            program.stop()
        subprocess.run(["wineserver", "-k"], env=lumo.wine_env(prefix), timeout=30)
        shutil.rmtree(folder, ignore_errors=True)
