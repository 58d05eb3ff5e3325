#!/usr/bin/env python3
"""Types a dialogue into kalkulator.exe in a Wine console, as a user at a
Windows console would, at each code page given: the micro and ohm signs come
to the program whole whatever the code page, and the result waits for one
more entry.

Usage: konsola.py WINE PROGRAM CODEPAGE...
"""
import os
import select
import subprocess
import sys
import time
import tty

from tabela import report

TIMEOUT = 60  # seconds; Wine's first window on a loaded machine
# What is typed after each thing shown; then the result and the final entry.
DIALOGUE = [(b"Literze", "5"), (b"Faradach:", "47\u00b5F"), (b"Ohmach:", "1k\u03a9")]
RESULT = b"0.047 S"


def run(wine, program, codepage):
    master, slave = os.openpty()
    # Wine's console takes the keys raw, as it would have them; left cooked
    # until the program's first read, the terminal would turn Enter into ^J.
    tty.setraw(slave)
    # The terminal's characters are UTF-8, as the dialogue is typed.
    env = dict(os.environ, WINEDEBUG="-all", TERM="xterm", LC_ALL="C.UTF-8")
    windows_path = "Z:" + os.path.abspath(program).replace("/", "\\")
    proc = subprocess.Popen([wine, "cmd", "/c", "chcp", codepage, ">nul", "&", windows_path],
                            stdin=slave, stdout=slave, stderr=slave, env=env,
                            start_new_session=True)
    shown = b""

    def wait_for(text):
        nonlocal shown
        deadline = time.monotonic() + TIMEOUT
        while text not in shown:
            ready, _, _ = select.select([master], [], [], max(0, deadline - time.monotonic()))
            if not ready:
                raise AssertionError(f"waited for {text!r}; the console shows {shown[-300:]!r}")
            shown += os.read(master, 4096)
        shown = shown[shown.index(text) + len(text):]

    try:
        for text, typed in DIALOGUE:
            wait_for(text)
            os.write(master, typed.encode() + b"\r")
        wait_for(RESULT)
        # Nothing typed is left over to end the wait at once.
        deadline = time.monotonic() + 2
        while proc.poll() is None and time.monotonic() < deadline:
            time.sleep(0.05)
        if proc.poll() is not None:
            return ["ended without waiting for an entry"]
        os.write(master, b"z\r")
        status = proc.wait(timeout=TIMEOUT)
        return [] if status == 0 else [f"exit status {status}"]
    except AssertionError as failure:
        return [str(failure)]
    finally:
        if proc.poll() is None:
            proc.kill()
        proc.wait()
        os.close(master)
        os.close(slave)


def main():
    wine, program, *codepages = sys.argv[1:]
    return report((f"code page {codepage}", run(wine, program, codepage))
                  for codepage in codepages)


if __name__ == "__main__":
    sys.exit(main())
