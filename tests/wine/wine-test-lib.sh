# Shared steps of the end-to-end tests under Wine; sourced by each test script.
# Every test gets its own prefix, a recorder standing in for the web browser,
# and its GoogleTest driver's result read back from the XML report.
. "$(dirname "${BASH_SOURCE[0]}")/../support/ok.sh"

wine_test_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)
. "$wine_test_tools/wine-loader.sh"
# The product's files by their names in names/names.json: $control_file,
# $launcher_file, $help_file, $uninstaller_file.
eval "$(python3 "$wine_test_tools/../names/names.py" shell)"

# wine PROGRAM [ARGS...]: runs PROGRAM in $WINEPREFIX with the loader of the
# prefix's architecture (tools/wine), never Debian's wrapper. The function is
# invisible to other commands: under timeout, env or xargs, name
# "$wine_test_tools/wine"; a bare "wine" there meets the stand-in and fails.
# A run of a program may change the registry: the listing of the event log's
# keys the installer tests keep (installer-checks.sh) goes with it.
wine() {
  [ -z "${work:-}" ] || rm -f "$work/event-log-listing.txt"
  "$wine_test_tools/wine" "$@"
}
wine_guard_path

# A build configured where 32-bit programs could not run leaves out the
# programs only its tests use (cmake/tests.cmake): each of those tests is the
# declared skip before it looks for one, and where they run now, a failure
# that says what to do.
if [ "${SCRIBBET_TEST_PROGRAMS:-}" = left-out ]; then
  wine_require32
  echo "FAIL: this build was configured where 32-bit programs could not run, so its test programs were not built; configure and build it again (tools/configure win32)"
  exit 1
fi

# wine_test_prefix PROGRAM PREFIX: the prefix, made for PROGRAM's architecture,
# or for the one PROGRAM names: win32 or win64. A 32-bit prefix on a machine
# that cannot run 32-bit programs ends the test as skipped, saying why.
wine_test_prefix() {
  export WINEPREFIX=$2
  case "$1" in
    win32|win64) export WINEARCH=$1; wine_arch ;;
    *) unset WINEARCH; wine_arch "$1" ;;
  esac
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$wine_test_tools/wine-prefix" "$WINEPREFIX"
}

# wine_test_recorder RECORD-FILE SCRIPT: makes SCRIPT write every target it is
# asked to open into RECORD-FILE, one a line, and makes it Wine's browser:
# the URL handler reaches it through winebrowser.
wine_test_recorder() {
  local record=$1 script=$2
  cat >"$script" <<SCRIPT
#!/bin/sh
# Stands in for the web browser: writes down what it was asked to open.
for target in "\$@"; do printf '%s\n' "\$target" >>"$record"; done
SCRIPT
  chmod +x "$script"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$script" /f \
    >/dev/null 2>&1
}

# winpath UNIX-PATH: the same file as Wine's Z: drive names it.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# wine_test_result RESULT-XML STATUS: passes only when the driver exited with
# status 0 and its report shows tests that all ran and passed; a skipped test,
# a failed suite set-up or tear-down, or a run of no test fails.
wine_test_result() {
  local result=$1 status=$2
  if [ ! -f "$result" ]; then
    echo "the driver left no result (exit status $status)" >&2
    return 1
  fi
  python3 "$(dirname "${BASH_SOURCE[0]}")/../support/gtest-outcome" "$result" || {
    echo "driver failures: see $result" >&2
    return 1
  }
  [ "$status" -eq 0 ] || {
    echo "the driver exited with status $status" >&2
    return 1
  }
}

# wine_test_screenshot BMP: keeps the driver's photograph as a PNG beside it.
wine_test_screenshot() {
  [ -f "$1" ] || return 0
  convert "$1" "${1%.bmp}.png" && rm "$1"
  echo "screenshot: ${1%.bmp}.png"
}
