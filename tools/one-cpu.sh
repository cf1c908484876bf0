# Every process of a measurement on one CPU, and what the machine did
# meanwhile. Sourced by tools/bench and tools/soak.
#
# A wine-server request costs several times more when the calling program and
# the server run on different CPUs (an idle CPU is woken for each), and the
# scheduler moves processes between the two cases every few tens of
# milliseconds: figures taken so measure the scheduler. With the prefix's
# server stopped first and everything started under `taskset`, the server the
# run starts inherits the same CPU, and so does every program it starts
# (Wine hands a process's affinity to its children).

# one_cpu_setting VALUE: VALUE when it is a CPU this shell may run on, else
# a message on stderr and a failing status.
one_cpu_setting() {
  if [[ ! $1 =~ ^[0-9]+$ ]] || ! taskset -c "$1" true 2>/dev/null; then
    echo "not a CPU this machine lets us run on: '$1' (ours: $(taskset -pc $$ | sed 's/.*: //'))" >&2
    return 1
  fi
  printf '%s\n' "$1"
}

# one_cpu_ticks NAME: steal ticks and all ticks so far of /proc/stat's line
# NAME ("cpu" for the machine, "cpu0" for one CPU). Guest time is already
# counted in user time, so the total ends at the steal column.
one_cpu_ticks() {
  awk -v name="$1" '$1 == name { t = 0; for (i = 2; i <= 9; i++) t += $i; print $9, t }' /proc/stat
}

# one_cpu_share BEFORE AFTER: the steal of the interval as a percentage of
# its ticks.
one_cpu_share() {
  awk -v b="$1" -v a="$2" 'BEGIN {
    split(b, x, " "); split(a, y, " ")
    t = y[2] - x[2]
    if (t <= 0) print "-"; else printf "%.1f %% (%d of %d ticks)\n", 100 * (y[1] - x[1]) / t, y[1] - x[1], t
  }'
}

# one_cpu_servers BUILD: each wine server that serves a prefix inside BUILD,
# with its affinity as the kernel holds it. A server works in a folder
# named after its prefix's device and inode (in a temporary folder of its own).
one_cpu_servers() {
  local prefix folder cwd pid found=
  while read -r prefix; do
    folder=server-$(stat -c %D "$prefix")-$(printf %x "$(stat -c %i "$prefix")")
    for pid in $(pgrep -u "$(id -u)" wineserver); do
      cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null) || continue
      [ "${cwd##*/}" = "$folder" ] || continue
      printf 'affinity of the wine server (pid %s, %s): CPU %s\n' "$pid" "${prefix#"$PWD"/}" \
        "$(taskset -pc "$pid" | sed 's/.*: //')"
      found=1
    done
  done < <(find "$(realpath "$1")" -maxdepth 4 -name system.reg -printf '%h\n' 2>/dev/null)
  [ -n "$found" ] || echo "affinity of the wine server: none left running to read"
}

# one_cpu_measure CPU BUILD COMMAND...: runs COMMAND with every process on
# CPU and prints a header, then what COMMAND wrote to its standard output.
# With a BUILD folder, the wine servers of its prefixes are stopped first,
# so the one the run starts is started on CPU. The header gives the
# affinity read back (of the run, and of the wine server after it), the
# steal time of CPU and of the machine over the run, and the load average
# when it began. Returns COMMAND's status.
one_cpu_measure() {
  local cpu=$1 build=$2 status out before_cpu before_all after_cpu after_all load started
  shift 2
  [ -z "$build" ] || "$(dirname "${BASH_SOURCE[0]}")/wine-stop" "$build"
  out=$(mktemp)
  load=$(cut -d' ' -f1-3 /proc/loadavg)
  before_cpu=$(one_cpu_ticks "cpu$cpu")
  before_all=$(one_cpu_ticks cpu)
  started=$(date +%s%N)
  # The figures wait for the header, which needs the whole run's steal time:
  # say at once what is running.
  echo "running ${*##*/} on CPU $cpu; its figures follow when it ends" >&2
  (
    taskset -pc "$cpu" "$BASHPID" >/dev/null
    taskset -pc "$BASHPID" | sed 's/.*: //' >"$out.affinity"
    exec "$@"
  ) >"$out"
  status=$?
  after_cpu=$(one_cpu_ticks "cpu$cpu")
  after_all=$(one_cpu_ticks cpu)
  echo "one CPU: $cpu (taskset -c $cpu${build:+, the wine server of the prefix stopped first})"
  echo "affinity of the run (taskset -p): CPU $(cat "$out.affinity")"
  [ -z "$build" ] || one_cpu_servers "$build"
  printf 'steal time over the run (%.0f s, /proc/stat): CPU %s %s; all CPUs %s\n' \
    "$(( ($(date +%s%N) - started) / 1000000000 ))" "$cpu" \
    "$(one_cpu_share "$before_cpu" "$after_cpu")" "$(one_cpu_share "$before_all" "$after_all")"
  echo "load average at the start: $load"
  echo
  cat "$out"
  rm -f "$out" "$out.affinity"
  return $status
}
