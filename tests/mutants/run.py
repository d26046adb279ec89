#!/usr/bin/env python3
"""Plants each fault of faults.txt, one at a time, and runs the tests against it.

The faults go into a scratch copy of the working tree (build-mutants/tree), never into the tree
itself, so an interrupted run leaves nothing changed. The copy is built incrementally in
build-mutants/build. A fault is first run against the tests of its own folder, and when those
miss it, against the whole suite. Prints one line per fault and the share caught; exits 1 when
less than 90 % is caught.

usage: run.py [--list] [text]   only the faults whose file or description contains text
"""
import os
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FAULTS = os.path.join(ROOT, "tests", "mutants", "faults.txt")
WORK = os.path.join(ROOT, "build-mutants")
TREE = os.path.join(WORK, "tree")
BUILD = os.path.join(WORK, "build")
LAYERS = ["engine", "persistence", "advisor", "review", "platform", "widgets", "resources", "mainwindow", "dialogs"]
TARGET_SHARE = 0.9
JOBS = str(os.cpu_count() or 2)


def read_faults():
    faults, block = [], {}
    with open(FAULTS, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines + [""], 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if block:
                if set(block) != {"file", "-", "+", "!"}:
                    sys.exit(f"faults.txt: incomplete block before line {number}")
                faults.append(block)
            block = {}
        elif line[:2] in ("- ", "+ ", "! "):
            block[line[0]] = line[2:].replace("\\n", "\n")
        else:
            block["file"] = line.strip()
    return faults


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT, check=True,
                         capture_output=True).stdout
    return [p for p in out.decode().split("\0") if p and os.path.isfile(os.path.join(ROOT, p))]


def sync_tree():
    """Makes the scratch copy equal to the working tree, touching only files that differ."""
    wanted = set(tracked_files())
    for path in wanted:
        src, dst = os.path.join(ROOT, path), os.path.join(TREE, path)
        with open(src, "rb") as f:
            data = f.read()
        if os.path.isfile(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        # A fresh time stamp, so that make rebuilds what a fault of an interrupted run left built.
        shutil.copyfile(src, dst)
        shutil.copymode(src, dst)
    for folder, _, files in os.walk(TREE):
        for name in files:
            rel = os.path.relpath(os.path.join(folder, name), TREE)
            if rel not in wanted:
                os.remove(os.path.join(folder, name))


RUNNING = []  # the build or test under way, ended with the run


def run(cmd, log):
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        child = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
        RUNNING.append(child)
        try:
            return child.wait() == 0
        finally:
            RUNNING.remove(child)


def stop(signum, _frame):
    """Ends the build or test under way; the fault is taken out again on the way out."""
    for child in RUNNING:
        try:
            os.killpg(child.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    sys.exit(128 + signum)


def test_targets(layers):
    names = []
    for layer in layers:
        folder = os.path.join(TREE, "tests", layer)
        if not os.path.isdir(folder):
            continue  # a layer whose tests live with the layers that use it
        names += sorted(n[:-4] for n in os.listdir(folder) if n.startswith("tst_") and n.endswith(".cpp"))
    return names


def build_and_test(layers, log):
    """None when it does not build, else whether every test of these layers passed."""
    targets = test_targets(layers)
    if not targets:
        return True  # no tests of their own: the other layers' tests are the ones to catch it
    if "platform" in layers:
        targets.append("kwintor")  # a platform test reads the version block of the program
    if not run(["cmake", "--build", BUILD, "-j", JOBS, "--target"] + targets, log):
        return None
    label = "^(" + "|".join(layers) + ")$"
    return run(["ctest", "--test-dir", BUILD, "-j", JOBS, "-L", label, "--stop-on-failure",
                "--output-on-failure"], log)


def main():
    args = sys.argv[1:]
    listing = "--list" in args
    args = [a for a in args if a != "--list"]
    faults = [f for f in read_faults() if not args or any(a in f["file"] or a in f["!"] for a in args)]
    if listing:
        for f in faults:
            print(f"{f['file']}: {f['!']}")
        return 0
    # Ctrl+C ends the run: the fault under way is taken out of the scratch copy, which the next
    # run makes equal to the working tree again in any case.
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    os.makedirs(WORK, exist_ok=True)
    log = os.path.join(WORK, "log.txt")
    open(log, "w").close()
    start = time.monotonic()
    sync_tree()
    # Configured on every run, so that test files added or removed since the last one are seen.
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    if not run(["cmake", "-S", TREE, "-B", BUILD, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"] + launcher, log):
        sys.exit(f"mutants: cmake failed, see {log}")
    layers_used = sorted({f["file"].split("/")[1] for f in faults}, key=LAYERS.index)
    print(f"mutants: building and checking that the suite passes unchanged ({', '.join(layers_used)} ...)",
          flush=True)
    if not build_and_test(LAYERS, log):
        sys.exit(f"mutants: the suite fails without any fault, see {log}")
    caught = 0
    missed = []
    for number, fault in enumerate(faults, 1):
        path = os.path.join(TREE, fault["file"])
        original = open(path, encoding="utf-8").read() if os.path.isfile(path) else ""
        matches = original.count(fault["-"])
        label = f"{number:2} {fault['file']}: {fault['!']}"
        if matches != 1:
            print(f"NO MATCH  {label}" + (f" (the text occurs {matches} times)" if matches else ""), flush=True)
            missed.append(label)
            continue
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(fault["-"], fault["+"]))
            own = fault["file"].split("/")[1]
            with open(log, "a") as out:
                out.write(f"\n==== fault {number}: {label}\n")
            passed = build_and_test([own], log)
            if passed:
                passed = build_and_test([layer for layer in LAYERS if layer != own], log)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        if passed is None:
            print(f"NO BUILD  {label}", flush=True)
            missed.append(label)
        elif passed:
            print(f"MISSED    {label}", flush=True)
            missed.append(label)
        else:
            print(f"caught    {label}", flush=True)
            caught += 1
    share = caught / len(faults) if faults else 1.0
    minutes = (time.monotonic() - start) / 60
    print(f"mutants: {caught} of {len(faults)} caught ({share:.0%}) in {minutes:.1f} min; details in {log}")
    return 0 if share >= TARGET_SHARE else 1


if __name__ == "__main__":
    sys.exit(main())
