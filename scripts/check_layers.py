#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Each folder of src/ is one layer (each folder of src/gui one GUI layer); ALLOWED lists, for each,
the folders its files may include. The programs, benchmarks and tests beside src/ may include the
core and the demo, and only the GUI's own tests, screenshots and benchmarks the GUI as well.
Usage: check_layers.py [REPO_DIR]
"""
import pathlib
import re
import sys

CORE = {"platform": set(), "storage": {"platform"}}
CORE["forms"] = CORE["storage"] | {"storage"}
CORE["assets"] = CORE["storage"] | {"storage"}
CORE["competition"] = CORE["storage"] | {"storage"}
CORE["model"] = CORE["assets"] | CORE["competition"] | {"assets", "competition"}
CORE["document"] = CORE["model"] | {"model"}
CORE["exports"] = CORE["model"] | {"model"}
CORE["reports"] = CORE["model"] | {"model"}
CORE["editing"] = CORE["document"] | CORE["reports"] | {"document", "reports", "forms"}
# Assistants apply the editors' rules (the validation report runs their checks).
CORE["tools"] = CORE["editing"] | CORE["exports"] | {"editing", "exports"}
CORE["app"] = CORE["tools"] | {"tools"}
CORE["demo"] = CORE["model"] | {"model"}
GUI = {"controls": CORE["app"] | {"app"}}
GUI["editors"] = GUI["controls"] | {"controls"}
GUI["mainwindow"] = GUI["editors"] | {"editors"}
ALLOWED = {**CORE, **GUI}
WHOLE_CORE = set(CORE) | {"demo"}
EVERYTHING = WHOLE_CORE | set(GUI)
# The programs put the layers together; beside src/, the folders that may use the GUI.
PROGRAMS = {"kwedit"}
GUI_USERS = {("tests", "ui"), ("tests", "screens"), ("bench", "gui")}
# A renderer plug-in sees the core and the interface it implements, nothing else of the GUI.
PLUGIN = WHOLE_CORE | {"controls"}
OUTSIDE_SRC = ["cli", "bench", "tests", "fuzz", "plugins"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/(?:([a-z]+)/)?')


def layer_of(parts) -> str:
    return parts[1] if parts[0] == "gui" and len(parts) > 2 else parts[0]


def allowed_for(repo: pathlib.Path, path: pathlib.Path):
    """The layer a file belongs to and what it may include, or None for a program."""
    parts = path.relative_to(repo).parts
    if parts[0] == "src":
        layer = layer_of(parts[1:])
        return (None, None) if layer in PROGRAMS else (layer, ALLOWED.get(layer))
    if tuple(parts[:2]) in GUI_USERS:
        return parts[0], EVERYTHING
    if parts[0] == "plugins":
        return parts[0], PLUGIN
    return parts[0], WHOLE_CORE


def main() -> int:
    repo = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
    faults = []
    files = [p for folder in ["src", *OUTSIDE_SRC] for p in sorted((repo / folder).rglob("*"))
             if p.suffix in {".h", ".cpp", ".inc"}]
    for path in files:
        layer, allowed = allowed_for(repo, path)
        if layer is None:
            continue
        if allowed is None:
            faults.append(f"{path}: folder '{layer}' has no place in the layers")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(2) if match.group(1) == "gui" else match.group(1)
            if target != layer and target not in allowed:
                faults.append(f"{path}:{number}: '{layer}' may not include '{target}'")
    for fault in faults:
        print(fault)
    print(f"{len(files)} files read, {len(faults)} include(s) against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
