#!/usr/bin/env python3
"""Turns the benchmarks' raw lines (standard input) into one Markdown table."""
import re
import sys

raw = sys.stdin.read()


def number(pattern):
    m = re.search(pattern, raw)
    return float(m.group(1)) if m else None


def fmt(value, unit):
    return "n/a" if value is None else f"{value:.3g} {unit}" if value < 10 else f"{value:.0f} {unit}"


def ratio(a, b):
    return "n/a" if a is None or not b else f"{a / b:.2f}"


rows = []
for size in ("800x600", "1920x1080"):
    full = number(rf"status_to_pixels {size}: ([\d.]+) ms")
    bare = number(rf"bare_block_transfer {size}: ([\d.]+) ms")
    rows.append((f"status to pixels {size}", fmt(full, "ms"), f"bare block transfer {fmt(bare, 'ms')}",
                 ratio(full, bare), "within 3 x at 1920x1080" if size == "1920x1080" else ""))
board = number(r"startup_board_ms: ([\d.]+)")
minimal = number(r"startup_minimal_ms: ([\d.]+)")
rows.append(("start-up to first painted board", fmt(board, "ms"), f"minimal Win32 window {fmt(minimal, 'ms')}",
             ratio(board, minimal), "within 1.3 x"))
cpu_b = number(r"idle_board_cpu_percent: ([\d.]+)")
cpu_m = number(r"idle_minimal_cpu_percent: ([\d.]+)")
secs = number(r"idle_seconds: ([\d.]+)")
rows.append((f"idle CPU over {fmt(secs, 's')}, 1 snapshot/s", fmt(cpu_b, "% of a core"),
             f"minimal program {fmt(cpu_m, '%')}", "", "below 0.1 %"))
mem_b = number(r"idle_board_private_mib: ([\d.]+)")
mem_m = number(r"idle_minimal_private_mib: ([\d.]+)")
rows.append(("idle private memory", fmt(mem_b, "MiB"), f"minimal program {fmt(mem_m, 'MiB')}",
             "n/a" if mem_b is None or mem_m is None else f"+{mem_b - mem_m:.1f} MiB", "within 2 MiB"))
for kind, key in (("UTF-16LE", "utf16le"), ("GBK", "gbk")):
    lib = number(rf"language_reader {key}: .*library ([\d.]+) MB/s")
    plain = number(rf"language_reader {key}: .*plain split ([\d.]+) MB/s")
    rows.append((f"language reader, {kind}", fmt(lib, "MB/s"), f"plain line split {fmt(plain, 'MB/s')}",
                 ratio(lib, plain), "at least 0.25"))
install = number(r"one installation ([\d.]+) s")
rows.append(("one installation", fmt(install, "s"), "its pauses 1.00 s", ratio(install, 1.0), "within 1.3 s"))

print(f"Machine: {sys.argv[1]}")
print()
print("| measure | product | comparison (same run) | ratio | goal |")
print("|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
