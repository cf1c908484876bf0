# The one way the shell tests say pass and fail, as Wine's tests have one
# ok(): each check is a condition and what it means, and the test ends with
# one summary whose status is the test's.
#
#   . tests/support/ok.sh
#   ok '[ "$status" -eq 0 ]' "setup exits 0"
#   ok_done
#
# CONDITION is evaluated by the shell, so it may be any command or test.

# A command that ends a test under set -e says which it was and how it ended,
# even where its own output went to /dev/null.
set -o errtrace
trap 'ok_status=$?; [[ $- != *e* ]] ||
  echo "ended by line $LINENO of ${BASH_SOURCE[0]##*/}: $BASH_COMMAND (status $ok_status)" >&2' ERR

# Sourced again (a test and its library both source it), it keeps the counts.
ok_checks=${ok_checks:-0}
ok_failures=${ok_failures:-0}

# ok CONDITION MESSAGE: one check; a failed one says what it meant on stderr.
ok() {
  ok_checks=$((ok_checks + 1))
  if eval "$1"; then
    echo "ok: $2"
  else
    echo "FAILED: $2" >&2
    ok_failures=$((ok_failures + 1))
  fi
}

# ok_settled CHECK MESSAGE: ok for a check that reads what a Windows program
# just wrote through Wine (a setup's registry keys): one that fails is read
# once more a second later, since under load Wine's reg now and then shows a
# key as it was a moment before; what a setup really left stays so.
ok_settled() {
  if ! eval "$1"; then
    sleep 1
    [ -z "${work:-}" ] || rm -f "$work/event-log-listing.txt"
  fi
  ok "$1" "$2"
}

# ok_done: the summary; fails the test when any check failed, or none ran.
ok_done() {
  trap - ERR  # the summary's status is the test's, not a command's failure
  echo "$ok_checks checks, $ok_failures failed"
  [ "$ok_checks" -gt 0 ] && [ "$ok_failures" -eq 0 ]
}
