# Shared steps of the end-to-end tests under Wine; sourced by each test script.
# Every test gets its own prefix, a recorder standing in for the web browser,
# and its GoogleTest driver's result read back from the XML report.

# wine_test_prefix PROGRAM PREFIX: the prefix, made for PROGRAM's architecture,
# or for the one PROGRAM names: win32 or win64.
wine_test_prefix() {
  case "$1" in
    win32|win64) export WINEARCH=$1 ;;
    *) case "$(file -b "$1")" in
         *x86-64*) export WINEARCH=win64 ;;
         *)        export WINEARCH=win32 ;;
       esac ;;
  esac
  export WINEPREFIX=$2
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-prefix" "$WINEPREFIX"
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

# wine_test_result RESULT-XML STATUS: fails unless the driver ran tests and
# every one passed.
wine_test_result() {
  local result=$1 status=$2
  if [ ! -f "$result" ]; then
    echo "the driver left no result (exit status $status)" >&2
    return 1
  fi
  grep -q '<testsuites tests="[1-9][0-9]*" failures="0" disabled="0" errors="0"' "$result" || {
    echo "driver failures: see $result" >&2
    grep -A3 '<failure' "$result" >&2 || true
    return 1
  }
}

# wine_test_screenshot BMP: keeps the driver's photograph as a PNG beside it.
wine_test_screenshot() {
  [ -f "$1" ] || return 0
  convert "$1" "${1%.bmp}.png" && rm "$1"
  echo "screenshot: ${1%.bmp}.png"
}
