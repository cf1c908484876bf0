# Which Wine loader runs a prefix, and whether this machine runs 32-bit
# programs at all. Sourced by tools/wine and the scripts that need to know;
# this is the one place that names the loaders and Wine's server.
#
# Debian's "wine" wrapper picks the 32-bit loader whenever wine32 is
# installed, and that loader then starts the 64-bit one for a 64-bit prefix.
# On a kernel without 32-bit emulation that first step fails ("Exec format
# error"), so a 64-bit prefix is always run with the 64-bit loader directly.
#
# tools/without-wine32 makes such a machine for one command: every 32-bit
# loader Wine has is replaced, in a private mount namespace, by a program the
# kernel refuses. SCRIBBET_WINE32 carries the answer of wine32_runs to child
# processes, and SCRIBBET_KERNEL32 that of wine32_kernel_runs, so a test run
# asks once: "yes", or "no: REASON" and "yes" or "no".

wine_loader64=/usr/lib/wine/wine64
wine_loader32=/usr/lib/wine/wine
# Debian's server wrapper: the 64-bit server where both are installed, which
# serves prefixes of either architecture.
wine_server_program=/usr/lib/wine/wineserver
wine_scratch=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build
# Where tools/bootstrap says why it could not install 32-bit Wine, with what
# the machine's package lists were then: a fact about the machine, so every
# checkout on it reads the same answer (tools/bootstrap --retry asks again).
wine32_note=${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/scribbet/wine32-unavailable

# What WINEDEBUG names so that Wine's trace shows what the event log was
# given (eventlog_reader/wine-trace-channels, which the parser reads too).
. "$(dirname "${BASH_SOURCE[0]}")/../eventlog_reader/wine-trace-channels"
wine_trace_debug=+$wine_trace_string_channel,fixme+$wine_trace_call_channel

# The exit status of a test that was not run because it needs 32-bit
# programs; CTest reports it as skipped (SKIP_RETURN_CODE) for those tests only.
wine32_skip_status=77

# wine32_probe FILE: writes the smallest 32-bit x86 Linux program there is
# into FILE: one ELF header, one loaded segment, and exit(42) through int 0x80.
wine32_probe() {
  # ELF header: 32-bit, little-endian, an executable for i386 (3), starting
  # at 0x08048054, its one program header at offset 52.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$1"
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$1"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  # Program header: the whole file (96 bytes), loaded readable and
  # executable at 0x08048000.
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$1"
  printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$1"
  # mov eax, 1 (exit); mov ebx, 42; int 0x80
  printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >>"$1"
  chmod 755 "$1"
}

# wine32_kernel_runs: true unless the kernel refuses 32-bit x86 programs
# ("Exec format error" for the probe above); the answer in SCRIBBET_KERNEL32.
# A probe that cannot be tried for another reason is no answer: then the
# kernel is not blamed.
wine32_kernel_runs() {
  if [ -z "${SCRIBBET_KERNEL32:-}" ]; then
    local probe said status=0
    mkdir -p "$wine_scratch"
    probe=$(mktemp "$wine_scratch/i386-probe.XXXXXX")
    wine32_probe "$probe"
    said=$("$probe" 2>&1 </dev/null) || status=$?
    rm -f "$probe"
    SCRIBBET_KERNEL32=yes
    [ "$status" -eq 42 ] || [[ $said != *"Exec format error"* ]] || SCRIBBET_KERNEL32=no
    export SCRIBBET_KERNEL32
  fi
  [ "$SCRIBBET_KERNEL32" = yes ]
}

# wine32_runs: true where 32-bit programs run; otherwise false, with the
# reason in SCRIBBET_WINE32: the kernel's refusal comes first, since no
# package helps there; then why 32-bit Wine is missing, or how it fails.
wine32_runs() {
  if [ -z "${SCRIBBET_WINE32:-}" ]; then
    local said
    if said=$("$wine_loader32" --version 2>&1 </dev/null); then
      SCRIBBET_WINE32=yes
    elif ! wine32_kernel_runs; then
      SCRIBBET_WINE32="no: the kernel runs no 32-bit programs: a 32-bit x86 program fails with \"Exec format error\""
    elif [ ! -e "$wine_loader32" ] && [ -s "$wine32_note" ]; then
      # tools/bootstrap could not install it, and said why.
      SCRIBBET_WINE32="no: $(head -n 1 "$wine32_note")"
    elif [ ! -e "$wine_loader32" ]; then
      SCRIBBET_WINE32="no: 32-bit Wine is not installed ($wine_loader32 is missing)"
    else
      # The shell's own words end with the system's: "Exec format error".
      said=$(printf '%s' "$said" | tail -n 1)
      SCRIBBET_WINE32="no: $wine_loader32 fails with \"${said##*: }\""
    fi
    export SCRIBBET_WINE32
  fi
  [ "$SCRIBBET_WINE32" = yes ]
}

# wine32_unverified_line: where 32-bit programs cannot run, for either
# reason, the one line that says which of what ships went untested and why;
# nothing elsewhere.
wine32_unverified_line() {
  wine32_runs ||
    printf 'x86 not verified: the x86 control and the x86 Setup went untested here (%s)\n' \
      "${SCRIBBET_WINE32#no: }"
}

# wine32_skip_line: the one line a test that needs 32-bit programs prints
# where they cannot run.
wine32_skip_line() {
  printf 'skipped: needs 32-bit programs, which this machine cannot run (%s)\n' \
    "${SCRIBBET_WINE32#no: }"
}

# wine_require32: ends the calling test as skipped where 32-bit programs
# cannot run.
wine_require32() {
  wine32_runs && return 0
  wine32_skip_line
  exit "$wine32_skip_status"
}

# wine_loader_for ARCH: the loader a prefix of ARCH (win32 or win64) is run with.
wine_loader_for() {
  case "$1" in
    win64) printf '%s\n' "$wine_loader64" ;;
    *)     printf '%s\n' "$wine_loader32" ;;
  esac
}

# wine_server ARGS...: Wine's server for $WINEPREFIX, given ARGS (-w waits
# for it to end, -p keeps it running, -k ends it).
wine_server() { "$wine_server_program" "$@"; }

# wine_server_stop [PREFIX...]: ends the wine server of each PREFIX, or of
# $WINEPREFIX without one, whether or not one runs, saying nothing; never
# fails, so it may end a test under set -e or in a trap.
wine_server_stop() {
  local prefix
  [ $# -gt 0 ] || set -- "${WINEPREFIX:-}"
  for prefix in "$@"; do
    [ -n "$prefix" ] || continue
    WINEPREFIX=$prefix wine_server -k >/dev/null 2>&1 </dev/null || true
  done
}

# wine_arch [PROGRAM [BUILD-DIR]]: exports WINEARCH, the architecture (win32
# or win64) of the prefix $WINEPREFIX in which PROGRAM runs: the one WINEARCH
# already asks for; else the prefix's own, once it is made; else the one the
# tests of BUILD-DIR use (its CMakeCache.txt); else PROGRAM's own, by its PE
# header (a Windows path through the prefix's drives); else win32. Where
# 32-bit programs cannot run, a 32-bit prefix, or a 32-bit PROGRAM in any
# prefix (a 64-bit Wine that cannot start it may still end with status 0),
# ends the caller as the declared skip.
wine_arch() {
  local bits= build=${2:-}
  [ -z "${1:-}" ] || bits=$(pe_bits "$(wine_unix_path "$1")")
  if [ -z "${WINEARCH:-}" ]; then
    # A prefix or build not made yet is no answer, not a failure: callers
    # may run under set -e.
    WINEARCH=$(sed -n 's/^#arch=//p' "${WINEPREFIX:-$HOME/.wine}/system.reg" 2>/dev/null || true)
    [ -n "$WINEARCH" ] || [ -z "$build" ] ||
      WINEARCH=$(sed -n 's/^SCRIBBET_WINE_ARCH:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
    [ -n "$WINEARCH" ] || { [ "$bits" = 64 ] && WINEARCH=win64; } || WINEARCH=win32
  fi
  export WINEARCH
  { [ "$WINEARCH" = win64 ] && [ "$bits" != 32 ]; } || wine_require32
}

# pe_bits FILE: 32 or 64 for a Windows program or library of that
# architecture, by the machine field of its PE header; nothing for anything
# else (a missing file among them).
pe_bits() {
  local offset machine
  offset=$(od -An -tu4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] || return 0
  [ "$(od -An -c -j "$offset" -N 4 "$1" 2>/dev/null | tr -d ' ')" = 'PE\0\0' ] || return 0
  machine=$(od -An -tx2 -j $((offset + 4)) -N 2 "$1" | tr -d ' ')
  case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
  esac
}

# wine_guard_path: puts the stand-ins of tools/path-guard first on PATH, so a
# "wine" (or wineboot, msiexec, regsvr32 ...) that a script runs by name,
# under timeout, env, xargs or any other command, stops at once and says to
# call tools/wine instead: on a machine that cannot run 32-bit programs,
# Debian's wrappers would take the 32-bit loader and fail.
wine_guard_path() {
  local guard
  guard=$(cd "$(dirname "${BASH_SOURCE[0]}")/path-guard" && pwd)
  case ":$PATH:" in
    ":$guard:"*) ;;
    *) export PATH="$guard:$PATH" ;;
  esac
}

# wine_unix_path PATH: PATH as a Unix path: a Windows path (C:\..., Z:\...)
# through the drives of $WINEPREFIX, anything else as it is.
wine_unix_path() {
  case "$1" in
    [A-Za-z]:\\*)
      local drive rest
      drive=$(printf '%s' "${1:0:1}" | tr 'A-Z' 'a-z')
      rest=${1:3}
      printf '%s/dosdevices/%s:/%s\n' "${WINEPREFIX:-$HOME/.wine}" "$drive" "${rest//\\//}" ;;
    *) printf '%s\n' "$1" ;;
  esac
}
