#!/usr/bin/env python3
"""Runs kalkulator on the input of each row of a case table and checks that it
prints exactly the expected output, nothing on stderr, and exits with 0.

A row is "name | input | expected output"; lines starting with # are
comments, "#:" ones give the options of each run of the table. Both texts
take Python string escapes (" | " is \\x7c), {TEXT*N} for TEXT N times and
{poza}, the first number past the menu; the output also the program's texts
from teksty.json ({menu}; {zly}, the answer to a wrong option; each prompt
by its key) and {nan}, the platform's 0/0. Under Wine (a program ending in
.exe) --stack-kib cannot be set: skipped (77). With --unwritable, the table
gives stderr, and the status must be 1.
"""
import argparse
import codecs
import json
import os
import re
import subprocess
import sys

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "teksty.json"),
          encoding="ascii") as teksty:
    TEKSTY = json.load(teksty)
POZA = str(len(TEKSTY["menu"]) + 1)
MENU = "".join(line + "\n" for line in TEKSTY["menu"]) + "\n"
PLACEHOLDERS = {"{menu}": MENU, "{zly}": TEKSTY["numer"] + "\n\n" + MENU}
PLACEHOLDERS.update({"{" + key + "}": text for key, text in TEKSTY.items()
                     if key not in ("menu", "numer")})

# 0/0 as glibc on x86 prints it, and MinGW-w64 and MSVC; --nan names others.
NAN_TEXTS = {False: ["-nan"], True: ["nan", "-nan(ind)"]}

# A row that has not ended by then hangs: time enough for a loaded machine
# (Wine starting cmd for each of fifty clearings, on two busy cores).
ROW_TIMEOUT = int(os.environ.get("KALKULATOR_ROW_TIMEOUT", "300"))

REPEAT = re.compile(r"\{([^{}]*)\*(\d+)\}")
NAME = re.compile(r"^[A-Za-z0-9_.-]+$")


def decode(text):
    text = REPEAT.sub(lambda m: m.group(1) * int(m.group(2)), text.replace("{poza}", POZA))
    return codecs.decode(text.encode("latin-1"), "unicode_escape").encode("latin-1")


def expand(text, nans):
    """The expected output, or each of them where the platform has a choice."""
    for key, value in PLACEHOLDERS.items():
        text = text.replace(key, value)
    return [text.replace("{nan}", nan) for nan in (nans if "{nan}" in text else [""])]


def read_table(path, nans):
    cases = {}
    with open(path, encoding="ascii") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split(" | ")
            if len(fields) != 3 or not NAME.match(fields[0].strip()):
                sys.exit(f"{path}:{number}: expected 'name | input | expected'")
            name = fields[0].strip()
            if name in cases:
                sys.exit(f"{path}:{number}: the name {name} is taken")
            cases[name] = (decode(fields[1]), [decode(e) for e in expand(fields[2], nans)])
    return cases


def as_text(stream, windows):
    """Windows' text mode ends lines with CRLF; cls, redirected, writes a form feed."""
    return stream.replace(b"\r\n", b"\n").replace(b"\f", b"") if windows else stream


def run_case(command, windows, given, expected, stack_kib, unwritable):
    env = dict(os.environ, WINEDEBUG="-all")

    def prepare_child():
        if stack_kib:
            import resource  # POSIX only, and only needed there

            size = stack_kib * 1024
            resource.setrlimit(resource.RLIMIT_STACK, (size, size))
        if unwritable == "closed":
            os.close(1)

    stdout = open("/dev/full", "wb") if unwritable == "full" else subprocess.PIPE
    try:
        result = subprocess.run(command, input=given, stdout=stdout, stderr=subprocess.PIPE,
                                env=env, timeout=ROW_TIMEOUT, preexec_fn=prepare_child)
    except subprocess.TimeoutExpired:
        return [f"still running after {ROW_TIMEOUT} seconds"]
    finally:
        if stdout is not subprocess.PIPE:
            stdout.close()
    stream, status = ("stderr", 1) if unwritable else ("stdout", 0)
    out = as_text(getattr(result, stream), windows)
    failures = []
    if result.returncode != status:
        failures.append(f"exit status {result.returncode}, expected {status}")
    if result.stderr and not unwritable:
        failures.append(f"stderr is not empty: {result.stderr[:500]!r}")
    if out not in expected:
        shown = expected[0]
        at = len(os.path.commonprefix([out, shown]))
        failures.append(
            f"{stream} differs at byte {at} (got {len(out)} bytes, expected {len(shown)}):\n"
            f"  got:      {out[max(0, at - 60):at + 60]!r}\n"
            f"  expected: {shown[max(0, at - 60):at + 60]!r}")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("table")
    parser.add_argument("--case", help="run only this case")
    parser.add_argument("--stack-kib", type=int, help="the program's stack, in KiB")
    parser.add_argument("--nan", action="append", help="0/0's text, if not one of NAN_TEXTS")
    parser.add_argument("--unwritable", choices=["full", "closed"],
                        help="standard output is /dev/full or closed; the table gives stderr")
    parser.add_argument("command", nargs="+", help="the program and its arguments, after --")
    args = parser.parse_args()
    windows = any(part.endswith(".exe") for part in args.command)
    program = os.path.basename(args.command[0])
    if args.stack_kib and windows:
        print(f"{args.table}: no stack limit can be set under Wine; skipped")
        return 77
    if args.stack_kib and program.startswith("qemu"):
        args.command[1:1] = ["-s", str(args.stack_kib * 1024)]
        args.stack_kib = None
    elif program.startswith("node"):
        args.stack_kib = None
        if args.unwritable == "closed":  # Node opens /dev/null in its place
            print(f"{args.table}: Node never leaves standard output closed; skipped")
            return 77
    cases = read_table(args.table, args.nan or NAN_TEXTS[windows])
    if args.case is not None:
        if args.case not in cases:
            parser.error(f"no case {args.case} in {args.table}")
        cases = {args.case: cases[args.case]}
    failed = 0
    for name, (given, expected) in cases.items():
        failures = run_case(args.command, windows, given, expected, args.stack_kib,
                            args.unwritable)
        for failure in failures:
            print(f"{name}: {failure}")
        failed += bool(failures)
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
