#!/usr/bin/python3
"""Plants each fault of tests/faults.txt in turn and tells which test catches it.

A fault line reads `path: exact text => replacement`; the text must occur once in the file.
The faults are planted in a scratch copy of the working tree (build-faults/tree) with a build
tree of its own, so the working tree is never touched, even when the run is interrupted. The
copy is brought up to date at the start of every run, so builds stay incremental.

Prints one line per fault, then `N passed, M failed`, where passed means caught.
With --check it only tells, in a second and without building, which lines no longer find their
text once in their file (the test suite runs this, so a change that moves code mends the list).
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCRATCH = os.path.join(ROOT, "build-faults")
TREE = os.path.join(SCRATCH, "tree")
BUILD = os.path.join(SCRATCH, "build")
JOBS = str(os.cpu_count() or 2)
EXCLUDED = "^faults-list$"  # ctest's -E; --without adds to it


class Fault:
    def __init__(self, number, path, text, replacement):
        self.number, self.path, self.text, self.replacement = number, path, text, replacement

    def __str__(self):
        return f"{self.path}: {self.text} => {self.replacement}"


def read_faults(list_path, match):
    faults = []
    with open(list_path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            path, sep, rest = line.partition(": ")
            parts = rest.split(" => ")
            if not sep or len(parts) != 2:
                sys.exit(f"{list_path}:{number}: not of the form `path: text => replacement`")
            if match is None or match in line:
                faults.append(Fault(number, path.strip(), parts[0], parts[1]))
    return faults


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT, check=True,
                         capture_output=True).stdout
    return [p for p in out.decode().split("\0") if p and os.path.isfile(os.path.join(ROOT, p))]


def sync_tree():
    """Copies into the scratch tree every file whose bytes differ; leaves the others' times alone."""
    wanted = set(tracked_files())
    for rel in wanted:
        src, dst = os.path.join(ROOT, rel), os.path.join(TREE, rel)
        with open(src, "rb") as f:
            data = f.read()
        if os.path.exists(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        shutil.copy2(src, dst)
        os.utime(dst)  # newer than the objects built from an older copy
    for dirpath, _, names in os.walk(TREE):
        for name in names:
            rel = os.path.relpath(os.path.join(dirpath, name), TREE)
            if rel not in wanted:
                os.remove(os.path.join(TREE, rel))


def run(cmd, log, timeout=None):
    with open(log, "w") as out:
        try:
            return subprocess.run(cmd, cwd=BUILD, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def build(log):
    return run(["cmake", "--build", BUILD, "-j", JOBS], log) == 0


def first_failure(log):
    with open(log, errors="replace") as f:
        text = f.read()
    names = re.findall(r"^\s*\d+ - (\S+)(?: +#.*?)? \((?:Failed|SEGFAULT|Subprocess aborted|Timeout|Exception|"
                       r"Child aborted|Not Run)[^)]*\)", text, re.M)
    if names:
        return names[0]
    if "No tests were found" in text:
        return "no tests found"
    return "the test run"


def ctest(log, excluded=None):
    """Returns None when every test passed, else the name of the first test that failed."""
    # Without the costs of earlier runs ctest starts the tests in the order they are declared,
    # which leaves the long soak for last, where a fault caught earlier never needs it.
    costs = os.path.join(BUILD, "Testing", "Temporary", "CTestCostData.txt")
    if os.path.exists(costs):
        os.remove(costs)
    # The list's own check would fail on every planted fault, the list no longer matching the tree.
    code = run(["ctest", "-j", JOBS, "-E", excluded or EXCLUDED, "--stop-on-failure", "--timeout", "300",
                "--output-on-failure"], log, 1200)
    return None if code == 0 else first_failure(log)


def excluded_for(fault):
    """The Linguist files' check judges only faults planted in them: a fault that drops a text from
    the code would otherwise count as caught because the files list a text gone from the code."""
    if fault.path.startswith("translations/"):
        return EXCLUDED
    return EXCLUDED + "|^translations-complete$"


def plant(fault):
    target = os.path.join(TREE, fault.path)
    if not os.path.isfile(target):
        return None, "no such file"
    with open(target, encoding="utf-8") as f:
        original = f.read()
    count = original.count(fault.text)
    if count != 1:
        return None, f"the text occurs {count} times"
    with open(target, "w", encoding="utf-8") as f:
        f.write(original.replace(fault.text, fault.replacement))
    return original, None


def check(faults):
    """Every line's text occurs once in its file of the working tree; prints the lines that do not."""
    bad = 0
    for fault in faults:
        target = os.path.join(ROOT, fault.path)
        count = 0
        if os.path.isfile(target):
            with open(target, encoding="utf-8") as f:
                count = f.read().count(fault.text)
        if count != 1:
            bad += 1
            print(f"BAD     line {fault.number}: the text occurs {count} times: {fault}")
    print(f"{len(faults) - bad} passed, {bad} failed")
    return 0 if bad == 0 else 1


def restore(fault, original):
    with open(os.path.join(TREE, fault.path), "w", encoding="utf-8") as f:
        f.write(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", default=os.path.join(ROOT, "tests", "faults.txt"))
    parser.add_argument("--match", help="only the fault lines that contain this text")
    parser.add_argument("--check", action="store_true", help="only check that every line finds its text")
    parser.add_argument("--without", help="leave out the tests matching this regular expression, to see "
                        "whether the others catch the faults too")
    args = parser.parse_args()
    if args.without:
        global EXCLUDED
        EXCLUDED += "|" + args.without
    faults = read_faults(args.list, args.match or None)
    if not faults:
        sys.exit("no faults to plant")
    if args.check:
        return check(faults)

    os.makedirs(TREE, exist_ok=True)
    os.makedirs(BUILD, exist_ok=True)
    sync_tree()
    logs = os.path.join(SCRATCH, "logs")
    os.makedirs(logs, exist_ok=True)
    configure = ["cmake", "-S", TREE, "-B", BUILD, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQUARRIX_BENCH=OFF"]
    if run(configure, os.path.join(logs, "configure.log")) != 0 or not build(os.path.join(logs, "build.log")):
        sys.exit(f"the unchanged tree does not build; see {logs}")
    if ctest(os.path.join(logs, "ctest.log")) is not None:
        sys.exit(f"the unchanged tree fails its tests; see {logs}/ctest.log")

    caught = missed = 0
    for fault in faults:
        log = os.path.join(logs, f"fault-{fault.number}.log")
        original, problem = plant(fault)
        verdict = None
        try:
            if problem is None:
                if not build(log):
                    problem = "does not build"
                else:
                    verdict = ctest(log, excluded_for(fault))
        finally:
            if original is not None:
                restore(fault, original)
        if problem is not None:
            missed += 1
            print(f"BAD     line {fault.number}: {problem}: {fault}", flush=True)
        elif verdict is None:
            missed += 1
            print(f"MISSED  line {fault.number}: {fault}", flush=True)
        else:
            caught += 1
            print(f"caught  line {fault.number} by {verdict}: {fault}", flush=True)
    build(os.path.join(logs, "rebuild.log"))  # leave the scratch build matching the tree
    print(f"{caught} passed, {missed} failed")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
