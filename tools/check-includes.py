#!/usr/bin/env python3
"""Fails when a file under src/ includes a folder that its folder's library does not link.

The allowed dependencies are read from the build itself: each src/FOLDER/CMakeLists.txt names
the tallyrune_* libraries it links, and a library may include its own folder and every folder
it links, directly or through the layers below it.
"""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
LIBRARY = re.compile(r"\btallyrune_(engine|platform|app|export|print|shell|ui)\b")
LINKS = re.compile(r"target_link_libraries\(([^)]*)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/', re.M)

folders = sorted(p.name for p in src.iterdir() if (p / "CMakeLists.txt").exists())
direct = {}
for folder in folders:
    text = (src / folder / "CMakeLists.txt").read_text()
    linked = set()
    for call in LINKS.findall(text):
        # The first word names the target being linked; the rest are what it links.
        linked |= set(LIBRARY.findall(call.split(None, 1)[1] if " " in call.strip() else ""))
    direct[folder] = linked - {folder}


def reachable(folder, seen=None):
    seen = set() if seen is None else seen
    for below in direct.get(folder, ()):
        if below not in seen:
            seen.add(below)
            reachable(below, seen)
    return seen


failures = []
for folder in folders:
    allowed = reachable(folder) | {folder}
    for path in sorted((src / folder).glob("*.[ch]*")):
        for included in INCLUDE.findall(path.read_text(errors="replace")):
            if included in folders and included not in allowed:
                failures.append(f"{path}: includes {included}/, which {folder}/ does not link")

print("\n".join(failures) if failures else f"{len(folders)} folders include only what they link")
sys.exit(1 if failures else 0)
