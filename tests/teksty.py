#!/usr/bin/env python3
"""Checks the program's own texts, as its sources write them, against
teksty.json, where every test takes them from: each text of the file in a
source, and each text of a source in the program's style in the file. A text
changed in one place fails here first, naming both files.

Usage: teksty.py SOURCE...
"""
import codecs
import os
import re
import sys

from tabela import TEKSTY, report

STYLE = re.compile(r"Prosze |kalkulator: |\[\d+\] Oblicz ")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
JSON = os.path.join(os.path.dirname(os.path.abspath(__file__)), "teksty.json")


def main():
    written = {}
    for path in sys.argv[1:]:
        with open(path, encoding="utf-8") as source:
            for literal in LITERAL.finditer(source.read()):
                written.setdefault(codecs.decode(literal.group(1), "unicode_escape"), path)
    texts = {text for key, value in TEKSTY.items() for text in (value if key == "menu" else [value])}
    failures = [f"{JSON} has {text!r}, which no source of the program writes"
                for text in sorted(texts - written.keys())]
    failures += [f"{path} writes {text!r}, which {JSON} lacks"
                 for text, path in written.items() if STYLE.match(text) and text not in texts]
    return report([(None, failures)])


if __name__ == "__main__":
    sys.exit(main())
