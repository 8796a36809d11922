# Which Wine runs the Windows programs here, sourced by every script and by
# cmake/wine-run.
#
# Linux can be built or started without its 32-bit emulation: then no 32-bit
# program runs, Wine's 32-bit loader included, and Debian's `wine` script
# takes that loader whenever wine32 is installed. So the machine is asked
# once, by running a tiny 32-bit program, and the answer is kept for the run
# in LAUNCHER_RUNS_32BIT (yes or no), which every child process inherits.
# Where it is no, every Wine call goes through the 64-bit loader, in a
# 64-bit prefix, and only 64-bit programs run.

wine64_loader=/usr/lib/wine/wine64

# Writes a 32-bit x86 Linux program of 93 bytes that only exits with 0: an
# ELF header, one loadable segment, and xor ebx,ebx; mov eax,1; int 0x80.
write_32bit_probe() {
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' > "$1"
  printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >> "$1"
  printf '\61\333\270\1\0\0\0\315\200' >> "$1"
  chmod +x "$1"
}

# Prints yes when PROGRAM (a 32-bit program) runs and exits with 0, no when
# it does not: the kernel answers "Exec format error" for every 32-bit
# program when its 32-bit emulation is off.
probe_runs_32bit() {
  if "$1" >/dev/null 2>&1; then echo yes; else echo no; fi
}

# The loader every Wine call goes through: Debian's script, which takes the
# 32-bit loader where wine32 is installed, or the 64-bit loader itself.
wine_loader_for() {
  if [ "$1" = yes ]; then echo wine; else echo "$wine64_loader"; fi
}

# The build tree, not /tmp: /tmp may forbid running programs, which would
# read as a machine that runs no 32-bit programs.
if [ -z "${LAUNCHER_RUNS_32BIT:-}" ]; then
  launcher_probe_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build
  mkdir -p "$launcher_probe_dir"
  launcher_probe=$(mktemp "$launcher_probe_dir/.runs-32bit.XXXXXX")
  write_32bit_probe "$launcher_probe"
  LAUNCHER_RUNS_32BIT=$(probe_runs_32bit "$launcher_probe")
  rm -f "$launcher_probe"
  unset launcher_probe launcher_probe_dir
fi
export LAUNCHER_RUNS_32BIT
wine=$(wine_loader_for "$LAUNCHER_RUNS_32BIT")
if [ "$LAUNCHER_RUNS_32BIT" = no ]; then
  export WINELOADER=$wine
fi

# The preset whose programs this machine runs under Wine: the 32-bit
# launcher is the one discs carry, shown and timed wherever it runs.
if [ "$LAUNCHER_RUNS_32BIT" = yes ]; then wine_preset=win32; else wine_preset=win64; fi

# Ends the Wine programs of a prefix before their X server goes away.
stop_wine() {
  WINEPREFIX=$1 wineserver -k 2>/dev/null || true
}
