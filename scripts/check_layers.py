#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Each folder of src/ is one layer (src/app/ui counts as the layer "ui"); ALLOWED lists, for each,
the folders its files may include. Usage: check_layers.py [SRC_DIR]
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
CORE["tools"] = (CORE["document"] | CORE["exports"] | CORE["reports"] | CORE["editing"]
                 | {"document", "exports", "reports", "editing"})
CORE["app"] = CORE["tools"] | CORE["editing"] | {"tools", "forms", "editing"}
CORE["demo"] = CORE["model"] | {"model"}
GUI = {"controls": CORE["app"] | {"app"}}
GUI["editors"] = GUI["controls"] | {"controls"}
GUI["ui"] = GUI["editors"] | {"editors"}
ALLOWED = {**CORE, **GUI}
# The programs put the layers together and may include any of them.
PROGRAMS = {"kwedit"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/(ui/)?')


def layer_of(relative: pathlib.PurePath) -> str:
    parts = relative.parts
    return "ui" if parts[:2] == ("app", "ui") else parts[0]


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1] / "src")
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp", ".inc"}:
            continue
        layer = layer_of(path.relative_to(src))
        if layer in PROGRAMS:
            continue
        if layer not in ALLOWED:
            faults.append(f"{path}: folder '{layer}' has no place in the layers")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = "ui" if match.group(1) == "app" and match.group(2) else match.group(1)
            if target != layer and target not in ALLOWED[layer]:
                faults.append(f"{path}:{number}: layer '{layer}' may not include '{target}'")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} include(s) against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
