# Which Wine loader runs a prefix, and whether this machine runs 32-bit
# programs at all. Sourced by tools/wine and the scripts that need to know;
# this is the one place that names the loaders.
#
# Debian's "wine" wrapper picks the 32-bit loader whenever wine32 is
# installed, and that loader then starts the 64-bit one for a 64-bit prefix.
# On a kernel without 32-bit emulation that first step fails ("Exec format
# error"), so a 64-bit prefix is always run with the 64-bit loader directly.
#
# tools/without-wine32 makes such a machine for one command: every 32-bit
# loader Wine has is replaced, in a private mount namespace, by a program the
# kernel refuses. SCRIBBET_WINE32 carries the answer of wine32_runs to child processes, so a
# test run asks the kernel once: "yes", or "no: REASON".

wine_loader64=/usr/lib/wine/wine64
# Where tools/bootstrap says why it could not install 32-bit Wine.
wine32_note=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine32-unavailable
wine_loader32=/usr/lib/wine/wine

# What WINEDEBUG names so that Wine's trace shows what the event log was
# given (eventlog_reader/wine-trace-channels, which the parser reads too).
. "$(dirname "${BASH_SOURCE[0]}")/../eventlog_reader/wine-trace-channels"
wine_trace_debug=+$wine_trace_string_channel,fixme+$wine_trace_call_channel

# The exit status of a test that was not run because it needs 32-bit
# programs; CTest reports it as skipped (SKIP_RETURN_CODE) for those tests only.
wine32_skip_status=77

# wine32_runs: true where 32-bit programs run; otherwise false, with the
# reason in SCRIBBET_WINE32.
wine32_runs() {
  if [ -z "${SCRIBBET_WINE32:-}" ]; then
    local said
    if said=$("$wine_loader32" --version 2>&1 </dev/null); then
      SCRIBBET_WINE32=yes
    elif [ -s "$wine32_note" ]; then
      # tools/bootstrap could not install it, and said why.
      SCRIBBET_WINE32="no: $(head -n 1 "$wine32_note")"
    else
      # The shell's own words end with the system's: "Exec format error".
      said=$(printf '%s' "$said" | tail -n 1)
      SCRIBBET_WINE32="no: $wine_loader32 fails with \"${said##*: }\""
    fi
    export SCRIBBET_WINE32
  fi
  [ "$SCRIBBET_WINE32" = yes ]
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
