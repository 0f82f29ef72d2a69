"""The release package: the versioned zip holds LUMO32.EXE, LUM.HLP and
README.TXT in one folder; unpacked into a fresh Wine prefix, the program
starts from there and shows a help topic from the LUM.HLP beside it."""

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
    return os.path.join(lumo.BUILD, f"LUMO-NT-{project_version()}.zip")


def fresh_prefix(folder):
    """A new Wine prefix in folder, made by wineboot; returns its environment."""
    env = lumo.wine_env()
    env["WINEPREFIX"] = folder
    subprocess.run(["wineboot", "-i"], env=env, check=True, timeout=180, capture_output=True)
    subprocess.run(["wineserver", "-w"], env=env, timeout=120)
    return env


def test_package_unpacked_in_a_fresh_prefix_runs_and_shows_help(host):
    package = build_package()
    name = os.path.basename(package)[:-len(".zip")]
    with zipfile.ZipFile(package) as archive:
        assert sorted(archive.namelist()) == [f"{name}/", f"{name}/LUM.HLP",
                                              f"{name}/LUMO32.EXE", f"{name}/README.TXT"]
        readme = archive.read(f"{name}/README.TXT").decode("latin-1")
    assert readme.startswith(f"LUMO/NT {project_version()}\r\n")

    prefix = tempfile.mkdtemp(prefix="package-prefix-", dir=os.path.abspath(lumo.ARTIFACTS))
    env = None
    program = None
    try:
        env = fresh_prefix(prefix)
        drive = os.path.join(prefix, "drive_c")
        with zipfile.ZipFile(package) as archive:
            archive.extractall(drive)
        probe = lumo.Probe(env)
        program = lumo.Program("127.0.0.1", "-P", host.port, cwd=os.path.join(drive, name),
                               executable=f"C:\\{name}\\LUMO32.EXE", env=env)
        window = probe.wait_window(cls="LUMO32", timeout=60)
        probe.command(window["handle"], 503)
        _, texts = wait_topic(probe, "Keyboard", timeout=30)
        assert texts[TEXT].startswith("The keys send what the keys of a DEC VT100")
    finally:
        if program:
            program.stop()
        if env:
            subprocess.run(["wineserver", "-k"], env=env, timeout=30)
        shutil.rmtree(prefix, ignore_errors=True)
