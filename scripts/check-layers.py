#!/usr/bin/env python3
"""Fails when an include line under src/ points up the layer table.

Each folder may include itself and the folders listed for it, nothing else
of the project. The control's layers come first and never reach a stand-in,
a part or a tool; src/README.md explains the roles.
Usage: scripts/check-layers.py [SRC_DIR]
"""
import os
import re
import sys

CONTROL = ["platform", "support", "model", "control", "trend", "sync", "commands", "adapters"]

ALLOWED = {
    "platform": [],
    "support": ["platform"],
    "model": ["platform", "support"],
    "control": ["platform", "support", "model"],
    "trend": ["platform", "support", "model", "control"],
    "sync": ["platform", "support", "model", "control", "trend"],
    "commands": ["platform", "support", "model", "control", "trend"],
    "adapters": ["platform", "control"],
    "os/linux": ["platform", "support"],
    "os/windows": ["platform", "support", "os/linux", "com/bridge"],
    "parts/time": ["platform"],
    "parts/archive": ["platform", "parts/time"],
    "parts/csv": ["platform", "parts/time", "parts/archive"],
    "parts/render": ["platform"],
    "standins": CONTROL + ["os/linux", "os/windows", "parts/time", "parts/archive", "parts/render"],
    "tools/scenario": CONTROL + ["os/linux", "os/windows", "parts/time", "parts/archive", "parts/render",
                                 "standins", "standins/com", "com/bridge"],
    "tools/examine": CONTROL + ["os/linux", "os/windows", "parts/time", "standins"],
    "tools/demo": CONTROL + ["os/linux", "os/windows", "parts/time", "parts/archive", "parts/render",
                             "standins", "tools/scenario", "tools/examine"],
    "standins/com": CONTROL + ["os/linux", "os/windows", "parts/time", "parts/archive", "parts/render",
                              "standins", "com/bridge", "com/server"],
    "com/bridge": ["platform"],
    "com/server": CONTROL + ["os/linux", "os/windows", "com/bridge"],
    "tools/idlgen": CONTROL,
    "tools/cli": CONTROL + ["os/linux", "os/windows", "parts/time", "parts/archive", "parts/csv",
                            "parts/render", "standins", "tools/scenario", "tools/examine",
                            "tools/demo"],
}
# Longest folder first, so that "parts/time" wins over a shorter prefix.
FOLDERS = sorted(ALLOWED, key=len, reverse=True)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    for folder in FOLDERS:
        if path == folder or path.startswith(folder + "/"):
            return folder
    return None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    problems = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(root, name), src).replace(os.sep, "/")
            own = folder_of(path)
            if own is None:
                problems.append(f"{path}: in no folder of the layer table")
                continue
            with open(os.path.join(root, name), encoding="utf-8") as f:
                text = f.read()
            for included in INCLUDE.findall(text):
                target = folder_of(included)
                if target is None or target == own or target in ALLOWED[own]:
                    continue
                problems.append(f"{path}: {own} may not include {included}")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} include lines out of order" if problems else "layers in order")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
