#!/usr/bin/env bash
# Reads the strace log of a session and fails if the program wrote a file
# outside its runtime and cache folders, or listened on or bound a network
# socket, or if the log does not run from the program's start to its end:
#   check-trace.sh STRACE_LOG SESSION_HOME_FILE PROGRAM
set -euo pipefail
log=$1 program=$3
home=$(cat "$2")
failed=0
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }

# A log cut short proves nothing: it must start with the program's own
# execve and show that process's end.
read -r pid start <"$log" || true
[[ $start == "execve(\"$program\","*") = 0" ]] && grep -qE "^$pid +\+\+\+ (exited with|killed by) " "$log" ||
    fail "the log does not run from the execve of $program to its end; it starts with: ${start:-nothing}"

# Calls that create, change or remove a file, and succeeded.
written=$(grep -E '^[0-9]+ +(openat?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(creat|mkdirat?|renameat2?|rename|unlinkat?|truncate|linkat?|symlinkat?)\()' "$log" |
    grep -v ' = -1 ' | grep -oE '"[^"]*"' | tr -d '"' |
    grep -vE "^($home/runtime|$home/cache|/dev)(/|\$)" || true)
[ -z "$written" ] || fail "wrote $written"
! grep -qE '^[0-9]+ +(listen\(|bind\(.*AF_INET)' "$log" || fail "listened on or bound a network socket"
echo "$((3 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
