#!/usr/bin/env python3
"""Plants each small bug of tools/mutants.txt in turn, rebuilds the tests and runs them.

A mutant is killed when a test program fails (or the build breaks), and survives when every
test still passes. Run by hand, not in CI: a whole list takes the better part of an hour.

    tools/mutants.py                 # every mutant
    tools/mutants.py --only M07 M31  # some of them
    tools/mutants.py --check         # only whether each mutant's text is still in its file
    tools/mutants.py --tests test_core test_geo   # only these programs may kill

The list's format, one mutant per block:

    M01 core/qsorecord.cpp: the castle name is cut to 59 characters  | test_core test_entry
    - r.castleName = at(90, 60).trimmed();
    + r.castleName = at(90, 59).trimmed();

The text after "-" must stand exactly once in the file; the programs after "|" are the test
programs that may kill it (all of them when none are named).
"""

import argparse
import os
import re
import subprocess
import sys
import time
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
LIST = TOP / "tools" / "mutants.txt"
BUILD = TOP / "build" / "mutants"
ALL_TESTS = ["test_core", "test_ui", "test_entry", "test_geo", "test_reports", "test_awards",
             "test_adif", "test_radio"]
HEAD = re.compile(r"^(M\d+)\s+(\S+):\s*(.*?)\s*(?:\|\s*(.*))?$")


class Mutant:
    def __init__(self, ident, path, why, tests):
        self.ident, self.path, self.why = ident, path, why
        self.tests = tests or ALL_TESTS
        self.old, self.new = [], []


def read_list(path):
    mutants = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        head = HEAD.match(line)
        if head:
            ident, file, why, tests = head.groups()
            mutants.append(Mutant(ident, file, why, (tests or "").split()))
        elif line.startswith("- ") and mutants:
            mutants[-1].old.append(line[2:])
        elif line.startswith("+ ") or line == "+":
            mutants[-1].new.append(line[2:])
        else:
            sys.exit(f"{path}:{number}: not a mutant line: {line}")
    idents = [m.ident for m in mutants]
    if len(set(idents)) != len(idents):
        sys.exit(f"{path}: a mutant name stands twice")
    return mutants


def planted(mutant):
    """The file's text with the mutant in it, or the reason it cannot be planted."""
    source = (TOP / mutant.path).read_text(encoding="utf-8")
    old, new = "\n".join(mutant.old), "\n".join(mutant.new)
    if not old:
        return None, "no text to replace"
    count = source.count(old)
    if count != 1:
        return None, f"the text stands {count} times in the file"
    return source.replace(old, new), None


def run(cmd, timeout, **kw):
    try:
        done = subprocess.run(cmd, cwd=TOP, capture_output=True, text=True, errors="replace",
                              timeout=timeout, **kw)
        return done.returncode, done.stdout + done.stderr
    except subprocess.TimeoutExpired:
        return -1, "timed out"


def build(targets):
    return run(["cmake", "--build", str(BUILD), "-j", str(os.cpu_count() or 2), "--target",
                *targets], 1800)


def first_failure(output):
    found = re.search(r"^\[  FAILED  \] (\S+)", output, re.M)
    return found.group(1) if found else "exit status"


def run_tests(programs):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for program in programs:
        code, output = run([str(BUILD / "tests" / program), "--gtest_brief=1",
                            "--gtest_fail_fast"], 900, env=env)
        if code != 0:
            return f"{program} {first_failure(output)}"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", nargs="*", help="names of the mutants to run")
    parser.add_argument("--check", action="store_true", help="only check that each applies")
    parser.add_argument("--tests", nargs="*", help="only these test programs may kill")
    args = parser.parse_args()

    mutants = read_list(LIST)
    if args.only:
        mutants = [m for m in mutants if m.ident in args.only]
    if args.tests:
        for m in mutants:
            m.tests = [t for t in m.tests if t in args.tests]
        mutants = [m for m in mutants if m.tests]
    unplantable = [(m, planted(m)[1]) for m in mutants if planted(m)[1]]
    for m, why in unplantable:
        print(f"{m.ident} {m.path}: cannot be planted: {why}")
    if args.check:
        print(f"{len(mutants) - len(unplantable)} of {len(mutants)} mutants can be planted")
        return 1 if unplantable else 0

    code, output = run(["cmake", "-S", ".", "-B", str(BUILD), "-DCMAKE_BUILD_TYPE=Debug",
                        "-DZELK_BUILD_BENCH=OFF"], 600)
    if code != 0:
        sys.exit(output)
    code, output = build(ALL_TESTS)
    if code != 0:
        sys.exit("the tests do not build without a mutant:\n" + output[-3000:])
    failing = run_tests(ALL_TESTS)
    if failing:
        sys.exit(f"the tests fail without a mutant: {failing}")

    survivors = []
    for m in mutants:
        text, why = planted(m)
        if why:
            continue
        path = TOP / m.path
        original = path.read_text(encoding="utf-8")
        started = time.monotonic()
        try:
            path.write_text(text, encoding="utf-8")
            code, _ = build(m.tests)
            failing = "the build" if code != 0 else run_tests(m.tests)
            verdict = f"killed by {failing}" if failing else "SURVIVED"
        finally:
            path.write_text(original, encoding="utf-8")
        if verdict == "SURVIVED":
            survivors.append(m)
        print(f"{m.ident} {verdict} ({time.monotonic() - started:.0f} s) - {m.path}: {m.why}",
              flush=True)
    build(ALL_TESTS)
    tried = len(mutants) - len(unplantable)
    print(f"\n{tried - len(survivors)} of {tried} mutants killed; survivors: "
          + (", ".join(m.ident for m in survivors) or "none"))
    return 1 if survivors or unplantable else 0


if __name__ == "__main__":
    sys.exit(main())
