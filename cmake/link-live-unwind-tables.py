#!/usr/bin/env python3
"""Links a MinGW executable so that unused code really goes.

The PE linker keeps every unwind-table entry (KEEP(*(.eh_frame*)) in its
default script), and each entry refers to its function: so every inline or
template function the compiler ever emitted stays in the exe, used or not,
and --gc-sections frees little. This launcher links in passes instead. The
first pass keeps the unwind entries of ordinary functions (.eh_frame) but
lets those of COMDAT functions (.eh_frame$NAME) go with their functions;
each further pass keeps the entries of exactly the COMDAT functions the
previous pass kept, until the set no longer changes. Every function in the
exe keeps its unwind entry, so exceptions unwind as before. (64-bit code
unwinds through .pdata, which the linker still keeps whole: there the passes
change little.)

usage: link-live-unwind-tables.py COMPILER ARGS...  (a CMake linker launcher)
"""
import os
import re
import subprocess
import sys
import tempfile

# How the default script keeps them (x86-64's spells it with a blank).
KEPT_ENTRIES = re.compile(r"KEEP\s*\(\s*\*\(\.eh_frame\*\)\s*\)")


def default_script(compiler):
    linker = subprocess.run([compiler, "-print-prog-name=ld"], capture_output=True, text=True).stdout.strip()
    verbose = subprocess.run([linker, "--verbose"], capture_output=True, text=True).stdout
    script = verbose.split("==================================================")[1]
    if len(KEPT_ENTRIES.findall(script)) != 1:
        sys.exit("link-live-unwind-tables: the linker's default script does not keep .eh_frame* once")
    return script


def kept_comdat_functions(map_file):
    """The NAMEs of the .text$NAME sections placed in the output."""
    kept, pending = set(), None
    with open(map_file) as lines:
        in_memory_map = False
        for line in lines:
            if line.startswith("Linker script and memory map"):
                in_memory_map = True
            if not in_memory_map:
                continue
            one_line = re.match(r"^ \.text\$(\S+)\s+0x([0-9a-f]+)\s+0x[0-9a-f]+", line)
            if one_line:
                if int(one_line.group(2), 16):
                    kept.add(one_line.group(1))
                pending = None
                continue
            name_only = re.match(r"^ \.text\$(\S+)$", line)
            if name_only:
                pending = name_only.group(1)
                continue
            placed = re.match(r"^\s+0x([0-9a-f]+)\s+0x[0-9a-f]+\s+\S", line)
            if placed and pending and int(placed.group(1), 16):
                kept.add(pending)
            pending = None
    return kept


def check_table_ends_last(map_file):
    """0 when no unwind entry is placed after crtend.o's terminator."""
    placed = []
    with open(map_file) as lines:
        for line in lines:
            entry = re.match(r"^ \.eh_frame(\$\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S+)", line)
            if entry and int(entry.group(3), 16):
                placed.append(entry.group(4))
            elif re.match(r"^ \.eh_frame\$\S+$", line):
                placed.append(None)  # its object follows on the next line
            elif placed and placed[-1] is None:
                continued = re.match(r"^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)", line)
                if continued and int(continued.group(1), 16):
                    placed[-1] = continued.group(2)
                else:
                    placed.pop()
    ends = [k for k, source in enumerate(placed) if source and source.endswith("crtend.o")]
    if ends and ends[-1] != len(placed) - 1:
        sys.stderr.write("link-live-unwind-tables: %d unwind entries follow the table's end\n"
                         % (len(placed) - 1 - ends[-1]))
        return 1
    return 0


def main():
    command = sys.argv[1:]
    if "-Wl,--gc-sections" not in command:
        os.execvp(command[0], command)
    script = default_script(command[0])
    with tempfile.TemporaryDirectory() as scratch:
        kept = None
        for attempt in range(5):
            # crtend.o's entry ends the table with a zero length: the
            # unwinder stops reading there, so it must come last.
            entries = ["KEEP(*(EXCLUDE_FILE(*crtend.o) .eh_frame))"]
            entries += ["*(.eh_frame$*)"] if kept is None else ["KEEP(*(.eh_frame$%s))" % name for name in sorted(kept)]
            entries += ["KEEP(*crtend.o(.eh_frame))"]
            script_file = os.path.join(scratch, "pass%d.x" % attempt)
            map_file = os.path.join(scratch, "pass%d.map" % attempt)
            with open(script_file, "w") as out:
                out.write(KEPT_ENTRIES.sub(lambda _: " ".join(entries), script))
            linked = subprocess.run(command + ["-Wl,-T," + script_file, "-Wl,-Map=" + map_file])
            if linked.returncode != 0:
                return linked.returncode
            now_kept = kept_comdat_functions(map_file)
            if now_kept == kept:
                return check_table_ends_last(map_file)
            kept = now_kept
    sys.exit("link-live-unwind-tables: the kept functions did not settle")


if __name__ == "__main__":
    sys.exit(main())
