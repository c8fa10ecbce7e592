#!/usr/bin/env python3
"""Writes the synthetic sample data files into the given folder.

Each module of tools/samples/ (but common) describes one sensor family and
returns its files from samples(): {file name: bytes}. The output is
deterministic: the same sources always give the same bytes.
"""
import importlib
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else HERE.parent / "samples")
    out.mkdir(parents=True, exist_ok=True)
    sys.path.insert(0, str(HERE))
    for path in sorted((HERE / "samples").glob("*.py")):
        if path.stem in ("common", "__init__"):
            continue
        module = importlib.import_module("samples." + path.stem)
        for name, data in module.samples().items():
            (out / name).write_bytes(data)
            print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
