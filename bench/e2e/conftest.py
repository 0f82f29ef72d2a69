"""The end-to-end fixtures, for the benchmarks that drive the program
under Wine."""

import importlib.util
import os
import sys

e2e = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e")
sys.path.insert(0, e2e)
found = importlib.util.spec_from_file_location("e2e_fixtures", os.path.join(e2e, "conftest.py"))
fixtures = importlib.util.module_from_spec(found)
found.loader.exec_module(fixtures)
host, probe = fixtures.host, fixtures.probe
settings_file, start_program = fixtures.settings_file, fixtures.start_program
