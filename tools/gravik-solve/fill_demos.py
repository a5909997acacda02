#!/usr/bin/env python3
"""Copies solutions into the demo blocks of a pack's first variants.

usage: fill_demos.py PACK.grv SOLUTIONS.txt

Every cave whose "variant 1" block holds a "demo" block gets that block's lines
replaced by the solution of its first level (code A-1, B-1, ...) from the
solutions file. Caves are lettered as the game letters them: normal caves first,
then bonus caves, each group in file order.
"""
import re
import sys


def cave_codes(lines):
    caves = []  # (line index of "cave", is_bonus)
    depth = 0
    for i, raw in enumerate(lines):
        line = raw.split(";")[0].strip()
        if depth == 0 and line.lower().startswith("cave "):
            caves.append([i, False])
        if depth == 1 and caves and line.lower() in ("bonus", "intermission"):
            caves[-1][1] = True
        if line == "{":
            depth += 1
        elif line == "}":
            depth -= 1
    ordered = [c for c in caves if not c[1]] + [c for c in caves if c[1]]
    codes = {}
    for n, (index, _) in enumerate(ordered):
        codes[index] = chr(ord("A") + n) if len(caves) < 27 else (
            chr(ord("A") + n // 26) + chr(ord("A") + n % 26))
    return codes


def demo_lines(moves, indent):
    steps = re.findall(r"[.udlrUDLR][0-9]+", moves)
    out, line = [], ""
    for step in steps:
        if len(line) + len(step) > 60:
            out.append(indent + '"' + line + '"\n')
            line = ""
        line += step
    if line:
        out.append(indent + '"' + line + '"\n')
    return out


def main():
    pack_path, solutions_path = sys.argv[1], sys.argv[2]
    solutions = {}
    for raw in open(solutions_path):
        raw = raw.split(";")[0].strip()
        if raw:
            level, moves = raw.split(None, 1)
            solutions[level.upper()] = moves.replace(" ", "")
    lines = open(pack_path).read().splitlines(keepends=True)
    codes = cave_codes(lines)
    result = []
    code = None
    in_variant_one = False
    i = 0
    while i < len(lines):
        line = lines[i].split(";")[0].strip()
        if i in codes:
            code = codes[i]
        if line.lower().startswith("variant "):
            in_variant_one = line.split()[1] == "1"
        result.append(lines[i])
        if line.lower() == "demo" and in_variant_one:
            # Copy the "{" line, drop the old content, write the new one.
            result.append(lines[i + 1])
            indent = lines[i + 1][: len(lines[i + 1]) - len(lines[i + 1].lstrip())] + "\t"
            i += 2
            while lines[i].strip() != "}":
                i += 1
            key = code + "-1"
            if key not in solutions:
                sys.exit("no solution for " + key)
            result.extend(demo_lines(solutions[key], indent))
            result.append(lines[i])
        i += 1
    open(pack_path, "w").write("".join(result))


if __name__ == "__main__":
    main()
