#!/usr/bin/python3
"""Checks that the source folders depend on each other one way only.

    scripts/check-includes.py [source folder, default src/ next to this script]

Each folder of src/ has a floor, listed below from the bottom up. A file may
include headers of its own floor and of the floors below it, never of one
above. Prints each upward include as file:line and exits with 1 if there is
one.
"""
import pathlib
import re
import sys

# Bottom first. A folder inside another one is a floor of its own.
FLOORS = ["update/http", "base", "prefs", "tester", "update", "about", "app", ""]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def floor_of(path):
    """The floor of a path relative to src/: the longest folder that holds it."""
    folder = str(pathlib.PurePosixPath(path).parent)
    folder = "" if folder == "." else folder
    candidates = [f for f in FLOORS if f == "" or folder == f or folder.startswith(f + "/")]
    return max(candidates, key=len)


def main():
    here = pathlib.Path(__file__).resolve().parent
    source = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent / "src"
    upward = 0
    for file in sorted(source.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(source).as_posix()
        level = FLOORS.index(floor_of(relative))
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            # Headers outside the source folder (BuildInfo.h) belong to no floor.
            if not match or not (source / match.group(1)).is_file():
                continue
            target = floor_of(match.group(1))
            if FLOORS.index(target) > level:
                print(f"{file}:{number}: {floor_of(relative) or 'src'}/ includes "
                      f"{match.group(1)}, from {target or 'src'}/ above it")
                upward += 1
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
