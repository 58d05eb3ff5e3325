#!/usr/bin/env python3
"""Runs every example of the documents through the built program and checks
that each shows exactly what the program prints, as a user would read it:
- Markdown: the fenced block after "<!-- dialog: ENTRIES -->", a session in
  which ENTRIES are typed at line ends ("dialog dalej" goes on from before);
  it holds each --summary whole and the display name, --name, as it is.
- A manual page: each .nf block, "$ COMMAND" run in the shell with the
  entries in bold, or else the menu ("..." stands for any lines); an item
  for each option of the menu; a translation has the same blocks and list
  items as the first page.
- The Windows guide: the menu in its indented lines, a row for each option,
  and in an option's row each "np. A i B dają „RESULT”" (or "A daje
  „RESULT”").
- Each of these and the page (.html): the reader's prefixes and unit
  symbols (--reader, its source), each list whole, in any order; the guide
  also the Polish names of the prefixes' powers of ten.
In every file: each text in the program's style ("Prosze ...", "kalkulator:
...", a menu line) is the program's, a quotation of one (in quotes, or a
manual page's bold line) the whole text, and the number of calculations
("eight calculations", "1 to 8") the menu's. A file's kind is told by its
name.

Usage: dokumenty.py [--summary TEXT]... [--name NAME] [--reader SOURCE] FILE...
  -- COMMAND...   (COMMAND: the program, with what runs it)
"""
import argparse
import codecs
import os
import re
import shlex
import subprocess
import sys
import tempfile
import unicodedata

from tabela import MENU, POZA, TEKSTY, as_text, report

# The program's texts as prose quotes them: on one line, no trailing blank.
TEXTS = sorted({" ".join(text.split()) for key, value in TEKSTY.items()
                for text in (value if key == "menu" else [value])}, key=len, reverse=True)
STYLE = re.compile(r"Prosze|kalkulator: |\[\d+\] Oblicz")
COUNT = int(POZA) - 1
# The number of calculations in words, as the documents give it.
WORDS = {7: ["seven", "siedmiu"], 8: ["eight", "ośmiu"], 9: ["nine", "dziewięciu"],
         10: ["ten", "dziesięciu"]}

COMMAND = []
MANUALS = []  # the first manual page, and what it shows


def run(given, shell=None):
    """What the program prints for standard input GIVEN, or what the shell
    command SHELL prints with `kalkulator` as the program."""
    env = dict(os.environ, WINEDEBUG="-all")
    with tempfile.TemporaryDirectory() as folder:
        if shell is not None:
            wrapper = os.path.join(folder, "kalkulator")
            with open(wrapper, "w") as script:
                script.write('#!/bin/sh\nexec %s "$@"\n' % shlex.join(COMMAND))
            os.chmod(wrapper, 0o755)
            env["PATH"] = folder + os.pathsep + env["PATH"]
        result = subprocess.run(["sh", "-c", shell] if shell else COMMAND, input=given.encode(),
                                capture_output=True, env=env, timeout=60, check=False)
    # As a console shows it: Windows ends lines with CRLF, and cls writes a
    # form feed when its output is redirected.
    return as_text(result.stdout, True).decode("latin-1")


def check(where, shown, printed):
    """SHOWN, a line "..." standing for any lines, must be PRINTED."""
    pattern = "".join("(?:.*\n)*" if line == "...\n" else re.escape(line)
                      for line in shown.splitlines(keepends=True))
    if re.fullmatch(pattern, printed) is None:
        return [f"{where}: the document shows\n{shown}but the program prints\n{printed}"]
    return []


def session(where, parts):
    """PARTS, the transcript as (text, typed) pieces: the typed ones, each
    with the Enter after it, are the input, the rest what is printed."""
    shown, typed, enter = "", [], False
    for text, is_typed in parts:
        if is_typed:
            typed.append(text)
        else:
            shown += text[1:] if enter and text.startswith("\n") else text
        enter = is_typed
    return check(where, shown, run("".join(entry + "\n" for entry in typed)))


def markdown(path, text):
    failures, parts = [], []
    marked = re.finditer(r"<!-- dialog( dalej)?: ([^>]*) -->\n+```\w*\n(.*?)```", text, re.S)
    for number, found in enumerate(marked, 1):
        if not found.group(1) and parts:
            failures += session(f"{path}, dialogue before {number}", parts)
            parts = []
        block = found.group(3)
        for entry in found.group(2).split():
            # The entry typed at the end of a line, after a prompt or alone.
            at = re.search(r"(^|: )" + re.escape(entry) + r"\n", block, re.M)
            if at is None:
                return [f"{path}: block {number} shows no entry {entry} typed"]
            parts += [(block[:at.end(1)], False), (entry, True)]
            block = block[at.end() - 1:]
        parts.append((block, False))
    return failures + (session(f"{path}, last dialogue", parts) if parts else [])


def manual(path, text):
    shown = re.findall(r"(?s:^\.nf\n.*?^\.fi$)|^\.TP\n.*$", text, re.M)
    MANUALS[:] = MANUALS or [path, shown]
    same = shown == MANUALS[1]
    failures = [] if same else [f"{path} shows other blocks or items than {MANUALS[0]}"]
    # The options, each an item of the list that the first item starts.
    first = text.find("\n.TP\n")
    end = re.compile(r"^\.S[HS] ", re.M).search(text, max(first, 0))
    options = re.findall(r"^\.TP\n\.B (\d+)\n[^.]", text[first:end.start() if end else None], re.M)
    failures += described(path, options)
    for number, block in enumerate(re.findall(r"^\.nf\n(.*?)^\.fi$", text, re.S | re.M), 1):
        block = block.replace("\\-", "-").replace("\\&", "").replace("\\e", "\\")
        where = f"{path}, block {number}"
        command = re.match(r"\$ \\fB(.*)\\fP\n", block)
        if command is None:
            failures += check(where, block, MENU.rstrip("\n") + "\n")
        elif command.group(1) == "kalkulator":
            parts = re.split(r"\\fB(.*?)\\fP", block[command.end():])
            failures += session(where, [(part, i % 2 == 1) for i, part in enumerate(parts)])
        else:
            failures += check(where, block[command.end():], run("", command.group(1)))
    return failures


def described(path, options):
    """OPTIONS, the numbers of the options a document describes, are the menu's."""
    menu = [str(number) for number in range(1, COUNT + 1)]
    return [] if options == menu else [f"{path} describes options {' '.join(options)}, "
                                       f"where the menu has {' '.join(menu)}"]


def guide(path, text):
    quoted = "".join(line.strip() + "\n" for line in text.splitlines() if line.startswith("  ["))
    failures = check(f"{path}, the menu", quoted,
                     "".join(line.rstrip() + "\n" for line in MENU.splitlines() if line))
    rows = re.split(r"^  (\d)  ", text, flags=re.M)
    failures += described(path, rows[1::2])
    for option, row in zip(rows[1::2], rows[2::2]):
        row = " ".join(row.split())
        for entries, result in re.findall(r"(?:np\.|, a) ([^„]*?) (?:daje|dają) „([^”]*)”", row):
            given = [option] + entries.split(" i ") + ["z"]
            last = run("".join(entry + "\n" for entry in given)).splitlines()[-1]
            if last.rsplit(": ", 1)[-1] != result:
                failures.append(f"{path}: option {option} with {entries} gives "
                                f"{last!r}, not {result}")
    return failures


def markdown_names(path, text, summaries, name):
    flat = " ".join(text.split())
    failures = [f"{path} does not say {summary!r}" for summary in summaries
                if " ".join(summary.split()) not in flat]
    first = re.escape(name.split()[0])
    return failures + [f"{path} names the program {found!r}, not {name!r}"
                       for found in re.findall(rf'"({first} [^"]*)"', flat)
                       if not found.startswith(name)]


# A quotation: in quotes of either language, or a manual page's bold line.
QUOTATION = re.compile(r'"([^"\n]*)"|„([^”]*)”|^\.B (.*)$', re.M)


def quoted(path, text):
    """The program's texts and number of calculations, wherever quoted: a
    quotation whole, and any other mention from its start."""
    unroff = lambda quote: " ".join(quote.replace("\\ ", " ").replace("\\-", "-").split())
    flat = unroff(text)
    failures = [f"{path}: quotes {flat[at.start():at.start() + 50]!r}, not the program's"
                for at in STYLE.finditer(flat)
                if not any(flat.startswith(known, at.start()) for known in TEXTS)]
    quotes = [unroff(next(part for part in found.groups() if part is not None))
              for found in QUOTATION.finditer(text)]
    failures += [f"{path}: quotes {quote!r}, not the program's whole text" for quote in quotes
                 if STYLE.match(quote) and quote not in TEXTS]
    counts = re.findall(r"\b(\w+) (?:calculations|obliczeń)\b", flat)
    counts = [word for word in counts if any(word in words for words in WORDS.values())]
    counts += re.findall(r"\b1 (?:to|do) (\d+)\b", flat)
    failures += [f"{path}: {count} calculations, where the menu has {COUNT}"
                 for count in counts if count not in WORDS.get(COUNT, []) + [str(COUNT)]]
    return failures


def spellings(path):
    """The reader's prefixes and unit symbols, each list as print shows it
    (NFKC: the micro sign is mu, the ohm sign omega)."""
    with open(path, encoding="utf-8") as source:
        text = source.read()
    found = []
    for table in ("kPrzedrostki", "kSymbole"):
        body = re.search(table + r"\[\] = \{(.*?)\};", text, re.S)
        if body is None:
            sys.exit(f"{path}: no table {table}")
        items = [codecs.decode(item, "unicode_escape").encode("latin-1").decode("utf-8")
                 for item in re.findall(r'"((?:[^"\\]|\\.)*)"', body.group(1))]
        found.append({unicodedata.normalize("NFKC", i) for i in items})
        if table == "kPrzedrostki":  # and the Polish names of their powers of ten
            powers = {int(power) for power in re.findall(r'", *(-?\d+)', body.group(1))}
            gloss = {GLOSS[power] for power in powers}
    return found, gloss


# What the Windows guide calls each power of ten that a prefix stands for.
GLOSS = {-12: "piko", -9: "nano", -6: "mikro", -3: "mili", 3: "kilo", 6: "mega", 9: "giga",
         12: "tera"}


# Between the items of a list: punctuation, markup, "or" and its like.
BETWEEN = r"(?:[\s,;:()`*\"]|\\f[BIRP]|\b(?:or|and|lub|albo|i|oraz)\b)+"


def lists(path, text, expected):
    """Each set of EXPECTED whole, in any order, as one list somewhere in TEXT."""
    text = text.replace("\\(mc", "\u00b5").replace("\\(*W", "\u03a9")  # roff's glyphs
    text = unicodedata.normalize("NFKC", text)
    failures = []
    for items in expected:
        one = r"(?<!\w)(?:%s)(?!\w)" % "|".join(map(re.escape, sorted(items, key=len, reverse=True)))
        runs = re.finditer(one + "(?:" + BETWEEN + one + ")*", text)
        if not any(items <= set(re.findall(one, run.group())) for run in runs):
            failures.append(f"{path} does not list {' '.join(sorted(items))}")
    return failures


def main():
    split = sys.argv.index("--")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--summary", action="append", default=[])
    parser.add_argument("--name")
    parser.add_argument("--reader", help="the source of the reader's prefixes and units")
    parser.add_argument("documents", nargs="+")
    arguments = parser.parse_args(sys.argv[1:split])
    COMMAND[:] = sys.argv[split + 1:]
    documents = arguments.documents
    kinds = {".md": markdown, ".1": manual, "CZYTAJ": guide, ".html": lambda *_: []}
    expected, gloss = spellings(arguments.reader) if arguments.reader else ([], set())
    return report((None, checks(path, kinds, expected, gloss, arguments)) for path in documents)


def checks(path, kinds, expected, gloss, arguments):
    """What fails in the document at PATH."""
    with open(path, encoding="utf-8-sig", errors="replace") as document:
        text = document.read()
    name = os.path.basename(path)
    kind = next((kind for part, kind in kinds.items() if part in name), None)
    failures = quoted(path, text)
    if kind is not None:
        failures += kind(path, text) + lists(path, text, expected + [gloss] * (kind is guide))
    if path.endswith(".md") and arguments.name:
        failures += markdown_names(path, text, arguments.summary, arguments.name)
    return failures


if __name__ == "__main__":
    sys.exit(main())
