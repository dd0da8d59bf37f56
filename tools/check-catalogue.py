#!/usr/bin/env python3
"""Fails unless a translation catalogue is complete and up to date with the sources.

    check-catalogue.py LUPDATE CATALOGUE.ts INCLUDE_DIR SOURCE...

lupdate reads the sources into a copy of the catalogue: every text must come out translated
(none new or unfinished), keeping its placeholders (%1), its one mnemonic (&) and its line
breaks, and the copy must equal the catalogue (else run the update_translations target).
"""
import html
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

MESSAGE = re.compile(r"<source>(.*?)</source>\s*<translation( type=\"\w+\")?>(.*?)</translation>",
                     re.S)


def text(xml):
    return html.unescape(xml.replace('<byte value="xd"/>', "\r"))


def shape(string):
    """What a translation must keep of its source."""
    return (sorted(set(re.findall(r"%\d", string))), len(re.findall(r"&[^&\s]", string)),
            string.count("\n"), string.count("\r"), string.count("|"), string.count(";;"))


def main():
    lupdate, catalogue, include, sources = (sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3],
                                            sys.argv[4:])
    with tempfile.TemporaryDirectory() as folder:
        copy = pathlib.Path(folder) / catalogue.name
        shutil.copy(catalogue, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", include,
                        *sources, "-ts", str(copy)], check=True)
        updated = copy.read_text(encoding="utf-8")
    messages = MESSAGE.findall(updated)
    faults = [] if messages else ["no texts at all"]
    for source, kind, translation in messages:
        if kind or not translation:
            faults.append(f"not translated: {text(source)!r}")
        elif shape(text(source)) != shape(text(translation)):
            faults.append(f"placeholders, mnemonic or breaks differ: {text(source)!r}")
    if not faults and updated != catalogue.read_text(encoding="utf-8"):
        faults.append("the catalogue is not what lupdate makes of the sources")
    for fault in faults:
        print(f"{catalogue.name}: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
