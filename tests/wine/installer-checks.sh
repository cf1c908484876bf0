# What the installer tests look at in the prefix, as shell functions; sourced
# by installer-test and msi-test after wine-test-lib.sh. Every check is an ok:
# it reports what it found and counts a failure instead of stopping, so one
# run shows every fault.

# The registry as the control's own bitness sees it ($REG_VIEW: /reg:32,
# /reg:64 or nothing on a 32-bit prefix).
# $REG_PROGRAM is the reg.exe of that bitness: Wine's 64-bit reg with
# /reg:32 does not show the keys 32-bit programs share with 64-bit ones.
# (Reading changes nothing: these run Wine's reg without dropping the
# listing of the event log that wine() drops.)
reg_has_key() { "$wine_test_tools/wine" "${REG_PROGRAM:-reg}" query "$1" $REG_VIEW </dev/null >/dev/null 2>&1; }
reg_value() {  # reg_value KEY [NAME]: the data (the default value without NAME), or nothing
  local name=${2:-(Default)} which=(/ve)
  [ -n "${2:-}" ] && which=(/v "$2")
  { "$wine_test_tools/wine" "${REG_PROGRAM:-reg}" query "$1" "${which[@]}" $REG_VIEW </dev/null 2>/dev/null || true; } | tr -d '\r' |
    sed -n "s/^ *$name *REG_[A-Z_]* *//p"
}

uninstall_key="HKLM\\$uninstall_entry" uninstall_list="HKLM\\${uninstall_entry%\\*}"
progid_key='HKCR\ScribbetLib.Scribbet'
sources_key='HKLM\System\CurrentControlSet\Services\EventLog\Application'

# run_setup EXPECTED-STATUS PROGRAM ARGS...: runs a setup or uninstaller
# (ARGS with /S) and checks its exit status, which Unix cuts to 8 bits; what
# Wine printed on the way is shown when the status is not the one expected.
run_setup() {
  local expected=$1 status=0 said=$work/setup-output.txt
  shift
  wine "$@" </dev/null >"$said" 2>&1 || status=$?
  ok '[ "$status" -eq $((expected & 255)) ]' "$* exits with $expected (8 bits: $((expected & 255)); got $status)"
  [ "$status" -eq $((expected & 255)) ] || sed 's/^/  | /' "$said" | tail -n 20 >&2
}

# run_helper EXPECTED-STATUS MODE COMMAND-LINE: Setup's helper of this build,
# started as Setup starts it, with COMMAND-LINE as Setup's own; its report
# goes to $work/report.txt (helper_report reads it), what a run changed to
# $work/take-back.txt, where the next "takeback" finds it.
run_helper() {
  local expected=$1 status=0
  rm -f "$work/report.txt"
  SCRIBBET_SETUP_COMMAND_LINE=$3 SCRIBBET_SOURCES_REPORT=$(winpath "$work/report.txt") \
    SCRIBBET_SOURCES_TAKE_BACK=$(winpath "$work/take-back.txt") \
    wine "$bin/RegisterSources.exe" "$2" </dev/null >/dev/null 2>&1 || status=$?
  ok '[ "$status" -eq "$expected" ]' "helper $2 on '${3:0:80}' exits with $expected (got $status)"
}
helper_report() { [ ! -f "$work/report.txt" ] || iconv -f UTF-16LE -t UTF-8 "$work/report.txt"; }

# at_prompt LINE: the command to run LINE as typed at a command prompt, from
# a batch file (Wine's cmd /c would get LINE's quotes escaped).
at_prompt() {
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" >"$WINEPREFIX/drive_c/prompt.bat"
  printf '%s\n' cmd /c 'C:\prompt.bat'
}

# uninstall EXPECTED-STATUS: the installed uninstaller, run from a copy as
# NSIS runs itself, waiting for it to finish. "_?=" must reach it unquoted,
# blanks and all, so cmd starts it.
uninstall() {
  local expected=$1 folder
  folder=$(reg_value "$uninstall_key" InstallLocation)
  cp "$(unix_path "$folder")/${uninstaller_file}" "$WINEPREFIX/drive_c/uninstall-copy.exe"
  run_setup "$expected" cmd /c "C:\\uninstall-copy.exe /S _?=$folder"
  rm -f "$WINEPREFIX/drive_c/uninstall-copy.exe"
}

# unix_path 'C:\...': the file in the prefix.
unix_path() {
  local p=${1#[Cc]:}
  printf '%s/drive_c%s' "$WINEPREFIX" "${p//\\//}"
}

# check_installed VERSION: every piece in place, recorded once.
check_installed() {
  local version=$1 folder
  folder=$(reg_value "$uninstall_key" InstallLocation)
  ok '[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ]' "uninstall key records version $version"
  ok '[ -n "$folder" ]' "program folder recorded ($folder)"
  ok '[ -f "$system_dir/${control_file}" ]' "${control_file} in $system_dir"
  ok 'cmp -s "$system_dir/${control_file}" "$bin/${control_file}"' "${control_file} is this build's"
  [ -n "$other_system_dir" ] &&
    ok '[ ! -e "$other_system_dir/${control_file}" ]' "no ${control_file} in $other_system_dir"
  for f in "$launcher_file" "$help_file" "$uninstaller_file"; do
    ok '[ -f "$(unix_path "$folder")/$f" ]' "$f in the program folder"
  done
  ok 'cmp -s "$(unix_path "$folder")/${help_file}" "$bin/${help_file}"' "${help_file} is this build's"
  for link in "Scribbet Info.lnk" "Scribbet Help.lnk"; do
    ok '[ -f "$start_menu/$link" ]' "Start menu: $link"
  done
  ok 'reg_has_key "$progid_key\\CLSID"' "ScribbetLib.Scribbet registered"
}

# check_removed CLSID: nothing of the installation left.
check_removed() {
  local clsid=$1
  ok '[ ! -e "$system_dir/${control_file}" ]' "${control_file} gone from $system_dir"
  ok '[ ! -e "$program_folder" ]' "program folder gone"
  ok '[ ! -e "$start_menu" ]' "Start-menu folder gone"
  ok '! reg_has_key "$uninstall_key"' "uninstall key gone"
  ok '! reg_has_key "$progid_key"' "ProgID gone"
  ok '! reg_has_key "HKCR\\CLSID\\$clsid"' "class $clsid gone"
}

# check_control_works SOURCE: a VBScript creates the control by its ProgID
# and writes one entry; the script's result and Wine's event-log trace agree.
check_control_works() {
  local source=$1 script=$WINEPREFIX/drive_c/write-one.vbs trace output
  trace=$(mktemp "$work/trace.XXXXXX")
  cat >"$script" <<VBS
Set c = CreateObject("ScribbetLib.Scribbet")
t = 3
WScript.Echo c.WriteEvent("installed and working", t, "$source") & " " & t
VBS
  output=$(WINEDEBUG=-all,+eventlog "${script_host[@]}" //nologo 'C:\write-one.vbs' </dev/null 2>"$trace" | tr -d '\r')
  ok '[ "$output" = "1 4" ]' "WriteEvent from VBScript returns 1, type 3 becomes 4 (got '$output')"
  ok 'grep -q "eventlog:.*installed and working" "$trace"' "the event log received the message"
  ok 'source_exists "$source"' "event source '$source' registered"
  rm -f "$trace" "$script"
}

# wayfinch_go FOLDER: the Wayfinch installed in FOLDER ('C:\...'), started as
# the Start menu would, on a Wine desktop ($driver: the wayfinch driver); its
# Go with "View ... Documentation" must reach the browser with the installed
# help.htm.
wayfinch_go() {
  local folder=$1 record status=0
  record=$work/received.txt
  wine_test_recorder "$record" "$work/browser"
  wine reg add 'HKCR\.htm' /ve /t REG_SZ /d htmlfile /f >/dev/null 2>&1
  timeout 600 "$wine_test_tools/wine" explorer "/desktop=installer-$mode,800x600" "$driver" launch \
    "$folder\\${launcher_file}" "$(winpath "$record")" "$(winpath "$work/wayfinch.bmp")" \
    --gtest_color=no '--gtest_filter=*GoOpens*:*Exit*' \
    "--gtest_output=xml:$(winpath "$work/result.xml")" </dev/null >"$work/driver.log" 2>&1 || status=$?
  ok 'wine_test_result "$work/result.xml" "$status"' \
     "Wayfinch from the program folder: Go reaches the URL handler with its ${help_file} (see $work/driver.log)"
}

# source_values NAME: the values of the source's key, one "NAME TYPE DATA" a
# line, sorted; nothing when the key is missing.
source_values() {
  event_log_listing | KEY="HKEY_LOCAL_MACHINE\\${sources_key#HKLM\\}\\$1" awk '
      /^HKEY_/ { inside = toupper($0) == toupper(ENVIRON["KEY"]); next }
      inside' |
    sed -n 's/^ \{4\}\([A-Za-z]*\) \{4\}\(REG_[A-Z_]*\) \{4\}/\1 \2 /p' | sort
}
# source_exists NAME: whether the source has a key under Application.
source_exists() {
  event_log_listing | KEY="HKEY_LOCAL_MACHINE\\${sources_key#HKLM\\}\\$1" awk '
      toupper($0) == toupper(ENVIRON["KEY"]) { found = 1 } END { exit !found }'
}
# event_log_listing: every key and value under the event log's key, as reg
# lists them: read once, and again after the next run of a program (wine()
# drops it), not once a check.
event_log_listing() {
  local listing=$work/event-log-listing.txt
  if [ ! -f "$listing" ]; then
    { "$wine_test_tools/wine" "${REG_PROGRAM:-reg}" query "$logs_key" /s $REG_VIEW </dev/null 2>/dev/null || true; } |
      tr -d '\r' >"$listing.new"
    mv "$listing.new" "$listing"
  fi
  cat "$listing"
}

# The values a setup writes for a source, as the control's first WriteEvent
# writes them; $message_file is the one the control of this run records.
registered_values() {
  printf 'EventMessageFile REG_SZ %s\nTypesSupported REG_DWORD 0x7\n' "$message_file"
}

# Keys a setup must leave alone, each of another kind, named in every good
# list: a source that names its own message file as an expandable string,
# as PowerShell's New-EventLog writes it; one that names none but has
# supported types and a category file of its own; a source of the System
# log; and a log of a program's own.
logs_key='HKLM\System\CurrentControlSet\Services\EventLog'
foreign_source="Kept By Others" categories_source="Categories Only"
system_source="Nightly Job" own_log="Billing Log"
foreign_values=$'EventMessageFile REG_EXPAND_SZ %SystemRoot%\\other.dll'
add_foreign_sources() {
  local add=(wine reg add) end=(/f $REG_VIEW)
  "${add[@]}" "$sources_key\\$foreign_source" /v EventMessageFile /t REG_EXPAND_SZ \
    /d '%SystemRoot%\other.dll' "${end[@]}" </dev/null >/dev/null 2>&1
  "${add[@]}" "$sources_key\\$categories_source" /v TypesSupported /t REG_DWORD /d 31 "${end[@]}" \
    </dev/null >/dev/null 2>&1
  "${add[@]}" "$sources_key\\$categories_source" /v CategoryMessageFile /t REG_EXPAND_SZ \
    /d '%SystemRoot%\other.dll' "${end[@]}" </dev/null >/dev/null 2>&1
  "${add[@]}" "$logs_key\\System\\$system_source" /v EventMessageFile /t REG_EXPAND_SZ \
    /d '%SystemRoot%\other.dll' "${end[@]}" </dev/null >/dev/null 2>&1
  "${add[@]}" "$logs_key\\$own_log" /v MaxSize /t REG_DWORD /d 524288 "${end[@]}" </dev/null >/dev/null 2>&1
  foreign_before=$(foreign_keys)
}
# Every value of those keys, and whether the Application log has keys of the
# other log's source and the log's name: one listing of the event log's keys,
# one Wine process, filtered.
foreign_keys() {
  event_log_listing |
    KEEP="$sources_key\\$foreign_source|$sources_key\\$categories_source|$logs_key\\System\\$system_source|$logs_key\\$own_log" \
    ABSENT="$sources_key\\$system_source|$sources_key\\$own_log" awk '
      function listed(names, key,   n, i, list) {
        n = split(toupper(names), list, "|")
        for (i = 1; i <= n; i++) if (key == list[i]) return 1
        return 0
      }
      /^HKEY_/ { key = toupper($0); sub(/^HKEY_LOCAL_MACHINE/, "HKLM", key)
                 if (listed(ENVIRON["ABSENT"], key)) print "Application has " $0
                 shown = listed(ENVIRON["KEEP"], key)
                 if (shown) print $0
                 next }
      shown && /REG_/ { print }'
}
check_foreign_untouched() {
  ok_settled '[ "$(foreign_keys)" = "$foreign_before" ]' \
     "other programs' keys, another log's source and a log's name left as they were"
  [ "$(foreign_keys)" = "$foreign_before" ] || diff <(echo "$foreign_before") <(foreign_keys) >&2 || true
}
# What a setup says of each (its log, Setup's details, the helper's report).
left_alone_words=(
  "\"$foreign_source\" was left as it is: its key belongs to another program"
  "\"$categories_source\" was left as it is: its key belongs to another program"
  "\"$system_source\" was left as it is: it is a source of the log \"System\""
  "\"$own_log\" was left as it is: it is the name of a log"
)
check_says_left_alone() {  # check_says_left_alone FILE
  local words said=$1
  for words in "${left_alone_words[@]}"; do
    ok 'grep -aqF "$words" "$said"' "it says: ${words:0:70}"
  done
}

# Every bad list a setup must refuse before it writes anything, with the
# words its message must have: "LIST|WORDS". The last one holds a character
# no Western code page has (run under a UTF-8 locale, so Wine passes it on).
bad_source_lists=(
  "Billing;;Payroll|has an empty item (item 2)"
  'Billing;Nightly\Backup|"Nightly\Backup" cannot be registered: a backslash'
  "Billing; System |\"System\" cannot be registered: it is the name of the System log"
  "Billing;$(printf 'n%.0s' {1..256})|it has 256 characters"
  "Billing;請求|cannot be registered: the character U+8ACB has no place in this computer's code page"
)
good_source_list=" Billing ;Nightly Backup;billing;$foreign_source;$categories_source;$system_source;$own_log"
good_sources=("Billing" "Nightly Backup")

# add_source_naming NAME FILE: a source whose message file is FILE.
add_source_naming() {
  wine reg add "$sources_key\\$1" /v EventMessageFile /t REG_SZ /d "$2" /f $REG_VIEW </dev/null >/dev/null 2>&1
  wine reg add "$sources_key\\$1" /v TypesSupported /t REG_DWORD /d 7 /f $REG_VIEW </dev/null >/dev/null 2>&1
}

# check_registered NAME...: each registered as a setup registers it.
check_registered() {
  local name
  for name in "$@"; do
    ok_settled '[ "$(source_values "$name")" = "$(registered_values)" ]' \
       "source '$name' registered as a setup registers it ($(source_values "$name" | tr '\n' ' '))"
  done
}

# check_sources_written: what the good list wrote, and nothing of another's.
check_sources_written() {
  check_registered "${good_sources[@]}"
  check_foreign_untouched
}

# A source of Scribbet's whose key refuses writing ($locker: lock_key) and
# names the other architecture's control, which a setup would change: a run
# that names it is refused before it changes anything. (One that says
# already what the setup writes is left alone, whatever its rights.)
locked_source="Locked Name"
locked_list="First Name;$categories_source;$locked_source"
locked_values() { printf 'EventMessageFile REG_SZ %s\nTypesSupported REG_DWORD 0x5\n' "$other_message_file"; }
# lock_source NAME FILE: NAME's key names FILE, has types 5, and refuses writing.
lock_source() {
  local source=$1 file=$2
  # A start of reg that Wine fails under load is seen here and tried again,
  # not later as a key that lost its values.
  ok_settled 'wine reg add "$sources_key\\$source" /v EventMessageFile /t REG_SZ /d "$file" /f $REG_VIEW </dev/null >/dev/null 2>&1 &&
              wine reg add "$sources_key\\$source" /v TypesSupported /t REG_DWORD /d 5 /f $REG_VIEW </dev/null >/dev/null 2>&1' \
     "the key '$source' names a Scribbet control"
  ok 'wine "$locker" "${sources_key#HKLM\\}\\$source" >/dev/null 2>&1' "the key '$source' locked"
  ok '! wine reg add "$sources_key\\$source" /v Probe /t REG_SZ /d x /f $REG_VIEW >/dev/null 2>&1' \
     "the key '$source' refuses writing"
}
add_locked_source() { lock_source "$locked_source" "$other_message_file"; }
check_nothing_written() {
  ok '! source_exists "First Name"' "no key for the new source 'First Name'"
  ok_settled '[ "$(source_values "$locked_source")" = "$(locked_values)" ]' \
     "'$locked_source' as it was ($(source_values "$locked_source" | tr '\n' ' '))"
  check_foreign_untouched
}

# check_no_sources LIST: none of the list's names has a key.
check_no_sources() {
  local name
  IFS=';' read -ra names <<<"$1"
  for name in "${names[@]}"; do
    name=$(printf '%s' "$name" | sed 's/^ *//; s/ *$//')
    [ -n "$name" ] && [ "${name#*\\}" = "$name" ] || continue
    ok '! source_exists "$name"' "no key for '${name:0:20}'"
  done
}
