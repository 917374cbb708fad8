#!/usr/bin/env python3
"""Plants one fault at a time in src/ and reports which ones the test suite notices.

usage: mutate.py SOURCE_DIR BUILD_DIR MUTANTS SEED

The faults are simple (a comparison flipped, a + 1 dropped, a condition negated, a call
removed, a constant changed, && and || swapped, true and false swapped), drawn from SEED and
spread over the folders of src/ in proportion to their lines, so that the same seed and
sample name the same mutants as long as src/ stays the same. Each is built incrementally in
BUILD_DIR and judged by the tests whose programs the fault changed: killed when one fails
or times out, survived when all pass, invalid when it does not build. The quick unit tests
run first, then the process tests, then the end-to-end runs. The report, with what killed
each mutant, goes to BUILD_DIR/mutants-SEED-MUTANTS.txt as well as to the terminal.
MATRIX=1 names every unit case that kills; ONLY="3 17" judges just those mutants again.
"""
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree as ET
from pathlib import Path

TEST_TIMEOUT = 120
# The end-to-end runs mostly wait for windows, so more of them run at once than there are cores.
TEST_JOBS = os.environ.get("TEST_JOBS", "4")
# With MATRIX=1 every unit case runs, so that the report names each one that kills a mutant:
# the measure for dropping a case. Otherwise the run stops at the first failure.
EVERY_KILLER = os.environ.get("MATRIX") == "1"

# (name, pattern found outside strings and comments, replacement of the match)
SIMPLE = [
    ("cmp", r" == ", " != "), ("cmp", r" != ", " == "),
    ("cmp", r" < ", " <= "), ("cmp", r" <= ", " < "),
    ("cmp", r" > ", " >= "), ("cmp", r" >= ", " > "),
    ("logic", r" && ", " || "), ("logic", r" \|\| ", " && "),
    ("plus1", r" [+-] 1(?![\w.])", ""),
    ("bool", r"\btrue\b", "false"), ("bool", r"\bfalse\b", "true"),
]
CALL = re.compile(r"^(\s*)(?!return\b|delete\b|case\b|else\b)"
                  r"[A-Za-z_][\w:.>-]*(<[^;]*>)?\(.*\);\s*$")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
CONDITION = re.compile(r"\b(if|while) \(")


def masked(lines):
    """Each line with string literals and comments blanked, so that no fault lands in them."""
    out, in_block = [], False
    for line in lines:
        chars, i = list(line), 0
        while i < len(chars):
            if in_block:
                end = line.find("*/", i)
                stop = len(chars) if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                in_block, i = end < 0, stop
            elif line.startswith("/*", i):
                in_block = True
            elif line.startswith("//", i):
                chars[i:] = " " * (len(chars) - i)
                break
            elif chars[i] in "\"'":
                end = i + 1
                while end < len(chars) and chars[end] != chars[i]:
                    end += 2 if chars[end] == "\\" else 1
                chars[i + 1:end] = " " * (min(end, len(chars)) - i - 1)
                i = end + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def closing_paren(text, start):
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return None


def sites_in(path):
    """Every (line number, operator, new line) that plants one fault in the file."""
    lines = path.read_text().split("\n")
    for number, (line, mask) in enumerate(zip(lines, masked(lines))):
        if mask.lstrip().startswith("#") or not mask.strip():
            continue
        for name, pattern, new in SIMPLE:
            for m in re.finditer(pattern, mask):
                yield number, name, line[:m.start()] + new + line[m.end():]
        for m in NUMBER.finditer(mask):
            value = int(m.group(1))
            changed = {0: 1, 1: 0}.get(value, value + 1)
            yield number, "const", line[:m.start()] + str(changed) + line[m.end():]
        for m in CONDITION.finditer(mask):
            end = closing_paren(mask, m.end() - 1)
            if end is not None:
                yield number, "negate", (line[:m.end()] + "!(" + line[m.end():end] + ")"
                                         + line[end:])
        call = CALL.match(mask) if path.suffix == ".cpp" else None  # a header's are declarations
        if call and "=" not in mask.replace("==", "").replace("!=", ""):
            yield number, "call", call.group(1) + ";"


def draw(source, count, seed):
    """count mutants over the folders of src/, each folder's share in proportion to its lines
    at every point of the sequence, so that a smaller sample is the start of a larger one."""
    rng = random.Random(seed)
    queues, weight = {}, {}
    for path in sorted((source / "src").rglob("*")):
        if path.suffix in (".cpp", ".h"):
            queues.setdefault(path.parent, []).extend((path, *site) for site in sites_in(path))
            weight[path.parent] = weight.get(path.parent, 0) + len(path.read_text().splitlines())
    for sites in queues.values():
        rng.shuffle(sites)
    total = sum(weight.values())
    taken = dict.fromkeys(queues, 0)
    mutants = []
    while len(mutants) < count and any(taken[f] < len(q) for f, q in queues.items()):
        due = len(mutants) + 1
        folder = max((f for f in queues if taken[f] < len(queues[f])),
                     key=lambda f: due * weight[f] / total - taken[f])
        mutants.append(queues[folder][taken[folder]])
        taken[folder] += 1
    return mutants


def affected_tests(build, since):
    """The tests whose programs the last build relinked, or all of them when a module changed."""
    show = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, capture_output=True,
                          text=True, check=True)
    tests = json.loads(show.stdout)["tests"]
    rebuilt = {str(p) for p in build.rglob("*") if p.is_file() and p.stat().st_mtime >= since
               and os.access(p, os.X_OK) and p.suffix in ("", ".so")}
    if any(p.endswith(".so") for p in rebuilt):
        return [t["name"] for t in tests]
    return [t["name"] for t in tests if rebuilt & set(t.get("command", []))]


def run_tests(build, names, labels, stop_early):
    """Runs these tests; returns the failing ones, each gtest program by its failing cases."""
    reports = build / "mutant-reports"
    reports.mkdir(exist_ok=True)
    for old in reports.glob("*.xml"):
        old.unlink()
    command = ["ctest", "-j" + TEST_JOBS, "--timeout", str(TEST_TIMEOUT), *labels,
               "-R", "^(" + "|".join(map(re.escape, names)) + ")$",
               "--output-junit", str(reports / "ctest.xml")]
    subprocess.run(command + ["--stop-on-failure"] * stop_early, cwd=build, capture_output=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen",
                            GTEST_OUTPUT=f"xml:{reports}/"))
    killers = []
    if not (reports / "ctest.xml").exists():
        return killers
    for test in ET.parse(reports / "ctest.xml").iter("testcase"):
        if test.get("status") != "fail":
            continue
        cases = reports / (Path(test.get("name")).name + ".xml")
        failed = [f"{c.get('classname')}.{c.get('name')}" for c in ET.parse(cases).iter("testcase")
                  if c.find("failure") is not None] if cases.exists() else []
        killers += failed or [test.get("name")]  # a program that crashed or hung, by its name
    return killers


def judge(build, source_file, new_line, number):
    """The verdict on one mutant, and what killed it."""
    original = source_file.read_text()
    lines = original.split("\n")
    lines[number] = new_line
    source_file.write_text("\n".join(lines))
    try:
        since = time.time() - 1
        if subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True).returncode:
            return "invalid", []
        names = affected_tests(build, since)
        if not names:
            return "survived", []
        # Quick unit tests first; the process tests and the end-to-end runs take long, so they
        # run only when what came before let the mutant through.
        units = [["-LE", "e2e|processes"], ["-L", "processes"]]
        if EVERY_KILLER:
            units = [["-LE", "e2e"]]
        for labels in units + [["-L", "e2e"]]:
            killers = run_tests(build, names, labels, not EVERY_KILLER or "e2e" in labels)
            if killers:
                return "killed", killers
        return "survived", []
    finally:
        source_file.write_text(original)


def main():
    source, build = Path(sys.argv[1]), Path(sys.argv[2]).resolve()
    count, seed = int(sys.argv[3]), sys.argv[4]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # so that the planted fault goes again
    subprocess.run(["cmake", "--build", build, "-j2"], check=True, capture_output=True)
    # ONLY="3 17 42" judges just those mutants of the sample again, as numbered in a report.
    only = {int(n) for n in os.environ.get("ONLY", "").replace(",", " ").split()}
    report = build / f"mutants-{seed}-{count}.txt"
    tally = {"killed": 0, "survived": 0, "invalid": 0}
    with report.open("w") as out:
        for i, (path, number, op, new_line) in enumerate(draw(source, count, seed), 1):
            if only and i not in only:
                continue
            verdict, killers = judge(build, path, new_line, number)
            tally[verdict] += 1
            where = f"{path.relative_to(source)}:{number + 1}"
            line = f"{verdict:8} {i:3} {where} {op}: {new_line.strip()}"
            line += "".join(f"\n    by {killer}" for killer in killers)
            print(line, flush=True)
            out.write(line + "\n")
        valid = tally["killed"] + tally["survived"]
        summary = f"{tally['killed']} of {valid} killed ({tally['invalid']} did not build)"
        print(summary)
        out.write(summary + "\n")
    subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True)


if __name__ == "__main__":
    main()
