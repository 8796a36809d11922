# The steps of a script that a person runs by hand (the demo, the
# benchmark): none of them ends the script without saying what failed and
# where its output is, and the script's status is then not 0.

# Anything not run through `logged` still names itself when it fails.
set -E
trap 'status=$?; echo "$(basename "$0"): \"$BASH_COMMAND\" failed with status $status (line $LINENO)" >&2; exit $status' ERR

# logged WHAT LOG COMMAND...: runs COMMAND with its output in LOG; when it
# fails, says what failed, shows the log's last lines and ends the script.
logged() {
  local what=$1 log=$2 status=0
  shift 2
  mkdir -p "$(dirname "$log")"
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    trap - ERR
    echo "$(basename "$0"): $what failed with status $status; the end of its log, $log:" >&2
    tail -n 15 "$log" | sed 's/^/  /' >&2
    exit "$status"
  fi
}
