#!/usr/bin/env python3
"""Runs kalkulator on the input of each row of a case table and checks that it
prints exactly the expected output, nothing on stderr, and exits with 0.

A row is "name | input | expected output"; lines starting with # are
comments, "#:" ones give the options of each run of the table. Both texts
take Python string escapes (" | " is \\x7c), {TEXT*N} for TEXT N times and
{poza}, the first number past the menu; the input also {TEXT*} at its end,
TEXT again and again for as long as the program reads; the output the
program's texts from teksty.json ({menu}; {zly}, the answer to a wrong
option; each prompt by its key) and {nan}, the platform's 0/0. Where a limit
cannot be set (--stack-kib under Wine, --memory-mib but natively), the table
is skipped (77). With --unwritable, the table gives stderr, and the status
must be 1; with --stdin closed or directory, stderr is the read error's line
and the status 1; with --stdin nonblocking, the input comes late, through a
non-blocking pipe.
"""
import argparse
import codecs
import json
import os
import re
import resource
import subprocess
import sys
import threading
import time

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
ENDLESS = re.compile(r"\{([^{}]*)\*\}$")
NAME = re.compile(r"^[A-Za-z0-9_.-]+$")


def decode(text):
    text = REPEAT.sub(lambda m: m.group(1) * int(m.group(2)), text.replace("{poza}", POZA))
    return codecs.decode(text.encode("latin-1"), "unicode_escape").encode("latin-1")


def decode_input(text):
    """The input as (start, what is repeated after it without end, or b"")."""
    endless = ENDLESS.search(text)
    if endless is None:
        return decode(text), b""
    return decode(text[:endless.start()]), decode(endless.group(1))


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
            cases[name] = (decode_input(fields[1]), [decode(e) for e in expand(fields[2], nans)])
    return cases


def as_text(stream, windows):
    """Windows' text mode ends lines with CRLF; cls, redirected, writes a form feed."""
    return stream.replace(b"\r\n", b"\n").replace(b"\f", b"") if windows else stream


def feed(pipe, start, again, delay):
    """Writes START, then AGAIN until the reader has gone, to the pipe's
    write end, after DELAY seconds."""
    time.sleep(delay)
    try:
        with open(pipe, "wb", buffering=0) as stdin:
            stdin.write(start)
            while again:
                stdin.write(again * 4096)
    except OSError:  # the program ended without reading it all
        pass


def run_case(command, windows, given, expected, limits, unwritable, stdin):
    env = dict(os.environ, WINEDEBUG="-all")
    start, again = given
    reader, writer = os.pipe()
    if stdin == "nonblocking":
        os.set_blocking(reader, False)

    def prepare_child():
        for limit, size in limits.items():
            if size:
                resource.setrlimit(limit, (size, size))
        if unwritable == "closed":
            os.close(1)
        if stdin == "closed":
            os.close(0)

    source = os.open("/", os.O_RDONLY) if stdin == "directory" else reader
    stdout = open("/dev/full", "wb") if unwritable == "full" else subprocess.PIPE
    writing = threading.Thread(target=feed, args=(writer, start, again,
                                                  0.2 if stdin == "nonblocking" else 0))
    writing.start()
    try:
        proc = subprocess.Popen(command, stdin=source, stdout=stdout, stderr=subprocess.PIPE,
                                env=env, preexec_fn=prepare_child)
        out, err = proc.communicate(timeout=ROW_TIMEOUT)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.communicate()
        return [f"still running after {ROW_TIMEOUT} seconds"]
    finally:
        os.close(reader)  # the writer then stops, whatever the program read
        if source != reader:
            os.close(source)
        writing.join()
        if stdout is not subprocess.PIPE:
            stdout.close()
    # The stream compared with the table, the status, and stderr.
    if unwritable:
        stream, out, status, expected_err = "stderr", err, 1, None
    elif stdin in ("closed", "directory"):
        stream, status, expected_err = "stdout", 1, (TEKSTY["odczyt"] + "\n").encode()
    else:
        stream, status, expected_err = "stdout", 0, b""
    out = as_text(out, windows)
    failures = []
    if proc.returncode != status:
        failures.append(f"exit status {proc.returncode}, expected {status}")
    if expected_err is not None and as_text(err, windows) != expected_err:
        failures.append(f"stderr is {err[:500]!r}, expected {expected_err!r}")
    if out not in expected:
        shown = expected[0]
        at = len(os.path.commonprefix([out, shown]))
        failures.append(
            f"{stream} differs at byte {at} (got {len(out)} bytes, expected {len(shown)}):\n"
            f"  got:      {out[max(0, at - 60):at + 60]!r}\n"
            f"  expected: {shown[max(0, at - 60):at + 60]!r}")
    return failures


def report(results):
    """Prints each failure of RESULTS, (name, failures) pairs, after its name
    where there is one, then how many passed and failed; returns the exit
    status."""
    failed = passed = 0
    for name, failures in results:
        for failure in failures:
            print(failure if name is None else f"{name}: {failure}")
        failed += bool(failures)
        passed += not failures
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("table")
    parser.add_argument("--case", help="run only this case")
    parser.add_argument("--stack-kib", type=int, help="the program's stack, in KiB")
    parser.add_argument("--memory-mib", type=int, help="the program's address space, in MiB")
    parser.add_argument("--nan", action="append", help="0/0's text, if not one of NAN_TEXTS")
    parser.add_argument("--unwritable", choices=["full", "closed"],
                        help="standard output is /dev/full or closed; the table gives stderr")
    parser.add_argument("--stdin", choices=["closed", "directory", "nonblocking"],
                        help="standard input is closed, a folder, or a non-blocking pipe")
    parser.add_argument("command", nargs="+", help="the program and its arguments, after --")
    args = parser.parse_args()
    windows = any(part.endswith(".exe") for part in args.command)
    program = os.path.basename(args.command[0])
    # Emulators and sanitizers reserve address space of their own.
    emulated = windows or program.startswith(("qemu", "node")) or "ASAN_OPTIONS" in os.environ
    skip = {"no stack limit can be set under Wine": args.stack_kib and windows,
            "the address space is limited natively only": args.memory_mib and emulated,
            # Node opens /dev/null in place of a closed descriptor.
            "Node never leaves a standard stream closed": program.startswith("node") and
            "closed" in (args.unwritable, args.stdin)}
    for why, skipped in skip.items():
        if skipped:
            print(f"{args.table}: {why}; skipped")
            return 77
    if args.stack_kib and program.startswith("qemu"):
        args.command[1:1] = ["-s", str(args.stack_kib * 1024)]
        args.stack_kib = None
    elif program.startswith("node"):
        args.stack_kib = None
    limits = {resource.RLIMIT_STACK: (args.stack_kib or 0) * 1024,
              resource.RLIMIT_AS: (args.memory_mib or 0) * 1024 * 1024}
    cases = read_table(args.table, args.nan or NAN_TEXTS[windows])
    if args.case is not None:
        if args.case not in cases:
            parser.error(f"no case {args.case} in {args.table}")
        cases = {args.case: cases[args.case]}
    return report((name, run_case(args.command, windows, given, expected, limits,
                                  args.unwritable, args.stdin))
                  for name, (given, expected) in cases.items())

if __name__ == "__main__":
    sys.exit(main())
