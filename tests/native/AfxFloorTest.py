#!/usr/bin/env python3
"""Holds the framework layer to its floors.

Every file under afx/ sits in one floor folder and includes only headers of
its own floor or of the floors below; afx/ never includes a module's header
(amount/, view/, draw/...). The portable base includes no Windows header:
only AfxTypes.h reaches <windows.h>, in its own platform branch.

Usage: AfxFloorTest.py [SOURCE_ROOT]; exits 1 and names each offending
include when the shape is broken.
"""
import pathlib
import re
import sys

FLOORS = ["base", "app", "gdi", "wnd", "ui"]  # from the bottom up
SOURCES = {".h", ".cpp", ".rc"}
# The one base file that may include a Windows header (in its _WIN32 branch).
BASE_PLATFORM_FILES = {"afx/base/AfxTypes.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def floor_of(path):
    """The floor index of a path under afx/, or None outside the floors."""
    parts = path.split("/")
    if len(parts) >= 3 and parts[0] == "afx" and parts[1] in FLOORS:
        return FLOORS.index(parts[1])
    return None


def check_file(root, path):
    """The problems of one file, as text lines."""
    problems = []
    own = floor_of(path)
    if own is None:
        return [f"{path}: not in a floor folder ({', '.join(FLOORS)})"]
    lines = (root / path).read_text(encoding="utf-8", errors="replace").splitlines()
    for number, line in enumerate(lines, 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quoted, target = match.group(1) == '"', match.group(2)
        close = '"' if quoted else ">"
        where = f"{path}:{number}: #include {match.group(1)}{target}{close}"
        if quoted:
            target_floor = floor_of(target)
            if target_floor is None:
                problems.append(f"{where}: outside the framework's floors")
            elif target_floor > own:
                problems.append(f"{where}: {FLOORS[target_floor]} is above {FLOORS[own]}")
        elif own == 0 and target.endswith(".h") and path not in BASE_PLATFORM_FILES:
            # The C++ library's headers have no extension; a .h one here is
            # a platform header.
            problems.append(f"{where}: a platform header in the portable base")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                        pathlib.Path(__file__).resolve().parents[2])
    files = sorted(p.relative_to(root).as_posix() for p in (root / "afx").rglob("*")
                   if p.is_file() and p.suffix in SOURCES)
    if not files:
        print(f"no framework sources under {root / 'afx'}")
        return 1
    problems = [problem for path in files for problem in check_file(root, path)]
    for problem in problems:
        print(problem)
    print(f"{len(files)} files checked, {len(problems)} includes out of their floor")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
