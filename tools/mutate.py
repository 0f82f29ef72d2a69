#!/usr/bin/python3
"""Mutation run over portable source files: one small fault at a time
(a comparison flipped, an integer constant moved by one, a statement
dropped), then the unit tests. A mutant the tests fail on is killed; one
that does not compile is stillborn and not counted.

The run works in a copy of the source tree (the repository is never
touched) with a Ninja build of its own, and writes one line per mutant:

    STATUS<TAB>FILE:LINE<TAB>MUTATION[<TAB>FAILED TESTS]

Each file's mutants are tested by the unit test program of its folder
(textsvc/X.cpp by textsvc_tests). With --rerun, only the mutants that an
earlier output lists as survived are tried again, after tests were added.

Usage: tools/mutate.py [--work DIR] [--out FILE] [--timeout S] [--rerun OLD]
                       [--one-per-line] FILE...
"""

import argparse
import filecmp
import os
import re
import shutil
import subprocess
import sys

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# clang-format puts spaces around binary operators, which keeps template
# brackets, shifts and arrows out of these matches.
COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
FLIPPED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
INTEGER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.])")
STATEMENT_STARTS = (";", "{", "}", ")", ":")
# "Type name ..." begins a declaration, whose removal would not compile.
DECLARATION = re.compile(r"^\s*[\w:]+(<[^;]*>)?[\s*&]+\w+\s*(=|;|\[|\{|\()")


def masked(line):
    """The line with string and character literals and a trailing //
    comment blanked out, so that no mutation lands inside them."""
    out = []
    quote = None
    i = 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)]


def moved(number):
    value = int(number, 0)
    return hex(value + 1) if number.lower().startswith("0x") else str(value + 1)


def mutants(lines, one_per_line=False):
    """Yields (index, new line, description) for every mutation site, or
    only the first site of each line."""
    last = None
    for index, new, description in every_mutant(lines):
        if one_per_line and index == last:
            continue
        last = index
        yield index, new, description


def every_mutant(lines):
    previous = "{"
    for index, line in enumerate(lines):
        stripped = line.strip()
        if not stripped or stripped.startswith(("#", "//")):
            continue
        text = masked(line)
        for m in COMPARISON.finditer(text):
            op = m.group(1)
            new = line[: m.start()] + FLIPPED[op] + line[m.end() :]
            yield index, new, f"{op} -> {FLIPPED[op]}"
        for m in INTEGER.finditer(text):
            number = m.group(1)
            new = line[: m.start(1)] + moved(number) + line[m.end(1) :]
            yield index, new, f"{number} -> {moved(number)}"
        code = text.strip()
        if (
            code.endswith(";")
            and not code.startswith(("return", "case", "default", "for", "}"))
            and previous.endswith(STATEMENT_STARTS)
            and code.count("(") == code.count(")")
            and line.startswith("    ")
            and not DECLARATION.match(code)
        ):
            indent = line[: len(line) - len(line.lstrip())]
            yield index, indent + ";\n", f"dropped: {stripped}"
        previous = code


def run(command, cwd, timeout=None):
    try:
        result = subprocess.run(
            command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout
        )
        return result.returncode
    except subprocess.TimeoutExpired:
        return -1


def copy_changed(source, target):
    """Copies the tree's files whose contents differ, so that a second run
    in the same folder rebuilds only what changed."""
    for folder, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if d not in (".git", "build")]
        into = os.path.join(target, os.path.relpath(folder, source))
        os.makedirs(into, exist_ok=True)
        for name in files:
            src, dst = os.path.join(folder, name), os.path.join(into, name)
            if not os.path.exists(dst) or not filecmp.cmp(src, dst, shallow=False):
                shutil.copy(src, dst)


def prepare(work):
    tree = os.path.join(work, "src")
    build = os.path.join(work, "build")
    copy_changed(SOURCE, tree)
    flags = "-O0 -D_GLIBCXX_ASSERTIONS"
    configure = ["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DLUMO_BENCH=OFF",
                 "-DCMAKE_BUILD_TYPE=None", f"-DCMAKE_CXX_FLAGS={flags}"]
    if run(configure, work) != 0:
        sys.exit("cmake failed")
    return tree, build


def failing_tests(build, program, timeout):
    """Builds a test program and runs it: None when it does not build, else
    the names of the tests that failed ("timeout" for a run that hung)."""
    if run(["ninja", "-j1", program], build) != 0:
        return None
    try:
        result = subprocess.run([os.path.join(build, program), "--gtest_brief=1"], cwd=build,
                                capture_output=True, text=True, errors="replace",
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        return ["timeout"]
    failed = re.findall(r"^\[  FAILED  \] (\S+\.\S+)", result.stdout, re.M)
    return sorted(set(failed)) or ([] if result.returncode == 0 else ["crash"])


def survivors(path):
    """The mutants a previous run's output lists as survived."""
    with open(path) as f:
        return {tuple(line.rstrip("\n").split("\t")[1:3]) for line in f if line.startswith("survived")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", default="/tmp/lumo-mutate")
    parser.add_argument("--out", default="-")
    parser.add_argument("--timeout", type=int, default=60)
    parser.add_argument("--rerun", help="only the survivors of this earlier output")
    parser.add_argument("--one-per-line", action="store_true",
                        help="only the first mutant of each line: comparison, constant, then drop")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    tree, build = prepare(args.work)
    # Each file's mutants run against the test program of its own folder.
    programs = sorted({name.split("/")[0] + "_tests" for name in args.files})
    for program in programs:
        if failing_tests(build, program, args.timeout) != []:
            sys.exit(program + " fails without a mutant")
    only = survivors(args.rerun) if args.rerun else None
    out = sys.stdout if args.out == "-" else open(args.out, "w")
    counts = {"killed": 0, "survived": 0, "stillborn": 0}
    for name in args.files:
        path = os.path.join(tree, name)
        with open(path) as f:
            original = f.readlines()
        own = name.split("/")[0] + "_tests"
        for index, new, description in mutants(original, args.one_per_line):
            if only is not None and (f"{name}:{index + 1}", description) not in only:
                continue
            lines = list(original)
            lines[index] = new
            with open(path, "w") as f:
                f.writelines(lines)
            failed = failing_tests(build, own, args.timeout)
            status = "stillborn" if failed is None else "killed" if failed else "survived"
            counts[status] += 1
            by = "\t" + " ".join(failed) if failed else ""
            print(f"{status}\t{name}:{index + 1}\t{description}{by}", file=out, flush=True)
        with open(path, "w") as f:
            f.writelines(original)
    live = counts["killed"] + counts["survived"]
    share = 100.0 * counts["killed"] / live if live else 100.0
    print(f"# killed {counts['killed']} of {live} ({share:.1f} %), stillborn {counts['stillborn']}",
          file=out, flush=True)


if __name__ == "__main__":
    main()
