#!/usr/bin/env python3
"""Runs kalkulator on a pseudo-terminal, as a user at a console would: the
console is cleared only on a terminal that understands control sequences, and
the final pause outlasts a bare Enter but ends on a token.

Usage: terminal_test.py COMMAND...   (the program, with what runs it, if anything)
"""
import os
import re
import select
import subprocess
import sys
import termios
import time
import unittest

from tabela import MENU, PLACEHOLDERS, POZA, TEKSTY

PROGRAM = None
CLEAR = TEKSTY["czyszczenie"].encode()
TIMEOUT = 15  # seconds; only ever reached by a failing test
QUIET = 5  # seconds without output after some, even if not in a read
U, I, R, KOD, LITERA = (PLACEHOLDERS[k].encode()
                         for k in ("{U}", "{I}", "{R}", "{kod}", "{litera}"))
MENU = MENU.encode()
WRONG = PLACEHOLDERS["{zly}"].encode()


class Terminal:
    """The program with a pseudo-terminal as its standard input and output."""

    def __init__(self, term):
        self.master, self.slave = os.openpty()
        attrs = termios.tcgetattr(self.slave)
        attrs[1] &= ~termios.OPOST  # the program's bytes exactly as written
        attrs[3] &= ~termios.ECHO  # and none of what the test types
        termios.tcsetattr(self.slave, termios.TCSANOW, attrs)
        env = {k: v for k, v in os.environ.items() if k != "TERM"}
        env.update({} if term is None else {"TERM": term})
        self.proc = subprocess.Popen(PROGRAM, stdin=self.slave, stdout=self.slave,
                                     stderr=subprocess.PIPE, env=env, start_new_session=True)
        self.output = b""

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()
        self.proc.stderr.close()
        os.close(self.master)
        os.close(self.slave)

    def type(self, text):
        os.write(self.master, text)

    def read_until(self, end):
        """The output once it ends with END. A program that has printed
        something and then ends, or sleeps in a read with nothing more to
        say, shows a wrong screen: that fails at once. TIMEOUT is for a slow
        start alone."""
        deadline = time.monotonic() + TIMEOUT
        quiet_since = time.monotonic()
        while not self.output.endswith(end):
            ready, _, _ = select.select([self.master], [], [], 0.1)
            now = time.monotonic()
            if ready:
                self.output += os.read(self.master, 4096)
                quiet_since = now
                continue
            quiet = now - quiet_since
            waiting = self.output and (quiet > QUIET or (quiet > 0.5 and self.state() == "S"))
            if now > deadline or self.proc.poll() is not None or waiting:
                raise AssertionError(f"waited for {end!r}, have {self.output!r}")
        return self.output

    def _proc_file(self, name):
        with open(f"/proc/{self.proc.pid}/{name}") as f:
            return f.read()

    def bytes_read(self):
        return int(re.search(r"^rchar: (\d+)$", self._proc_file("io"), re.M).group(1))

    def state(self):
        return self._proc_file("stat").rsplit(")", 1)[1].split()[0]

    def still_waits_after(self, text):
        """Types text and reports whether the program read it and is blocked
        in its next read, rather than ending."""
        before = self.bytes_read()
        self.type(text)
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            if self.proc.poll() is not None:
                return False
            if self.bytes_read() >= before + len(text) and self.state() == "S":
                return self.proc.poll() is None
            time.sleep(0.01)
        raise AssertionError("the program neither read the entry nor ended")

    def finish(self, testcase, shown):
        """The run ends well, having shown SHOWN and nothing more."""
        testcase.assertEqual(self.proc.wait(timeout=TIMEOUT), 0)
        testcase.assertEqual(self.proc.stderr.read(), b"")
        while select.select([self.master], [], [], 0)[0]:
            self.output += os.read(self.master, 4096)
        testcase.assertEqual(self.output, shown)


class TerminalTest(unittest.TestCase):
    def start(self, term):
        terminal = Terminal(term)
        self.addCleanup(terminal.close)
        return terminal

    def test_clears_only_a_capable_terminal(self):
        for term, clear in (("xterm-256color", CLEAR), ("linux", CLEAR), ("dumb", b""),
                            ("", b""), (None, b"")):
            with self.subTest(TERM=term):
                t = self.start(term)
                self.assertEqual(t.read_until(MENU), MENU)  # nothing cleared at start
                t.type(b"0\n")
                t.read_until(WRONG)
                t.type(b"1\n")
                t.read_until(U)
                t.type(b"10\n4\n")
                t.read_until(b"2.5 Ohm\n")
                t.type(b"z\n")
                t.finish(self, MENU + clear + WRONG + clear + U + I + b"2.5 Ohm\n")

    def test_pause_outlasts_bare_enter_and_ends_on_a_token(self):
        # A formula, a code and a letter: every kind of result waits, and a
        # decimal comma, the code form, a unit after a blank, a code's
        # tolerance letter or whatever else the last answer's line holds
        # leaves nothing to end the wait.
        for dialogue, shown in ((b"4 230 0,5\n", U + I + b"115W\n"),
                                (b"3 12 2R2 z\n", U + R + b"5.45455A\n"),
                                (b"2 10 mA 1 K\n", I + R + b"10V\n"),
                                (b"7 474J 100V\n", KOD + b"0.470000uF\n"),
                                (b"8 Kx\n", LITERA + b"10%\n")):
            for token in (b"z\n", b"5\n", b"-\n"):
                with self.subTest(dialogue=dialogue, token=token):
                    t = self.start("xterm")
                    t.type(dialogue)
                    t.read_until(shown)
                    self.assertTrue(t.still_waits_after(b"\n"), "ended on a bare Enter")
                    self.assertTrue(t.still_waits_after(b"   \n\n"), "ended on blanks")
                    t.type(token)
                    t.finish(self, MENU + CLEAR + shown)

    def test_end_of_input_ends_the_run(self):
        # Ctrl-D once, at the menu or at a question: the end, with the empty
        # result line where a calculation was chosen.
        for typed, question in ((b"", MENU), (b"1\n", U)):
            with self.subTest(typed=typed):
                t = self.start("dumb")
                t.read_until(MENU)
                t.type(typed)
                shown = t.read_until(question)
                t.type(b"\x04")
                t.finish(self, shown + (b"\n" if typed else b""))

    def test_wrong_option_waits_for_a_new_entry(self):
        t = self.start("dumb")
        t.read_until(MENU)
        self.assertTrue(t.still_waits_after(b"abc\n"), "ended on a word")
        self.assertTrue(t.still_waits_after(POZA.encode() + b"\n"), "ended on a wrong number")
        t.type(b"7 474\n0\n")
        t.finish(self, MENU + WRONG + WRONG + KOD + b"0.470000uF\n")


if __name__ == "__main__":
    PROGRAM, sys.argv[1:] = sys.argv[1:], []
    unittest.main()
