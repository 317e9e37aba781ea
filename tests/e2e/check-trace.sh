#!/usr/bin/env bash
# Reads the strace log of a session and fails if the program wrote a file
# outside its runtime and cache folders, or listened on or bound a network
# socket:  check-trace.sh STRACE_LOG SESSION_HOME_FILE
set -euo pipefail
log=$1
home=$(cat "$2")

# Calls that create, change or remove a file, and succeeded.
written=$(grep -E '^[0-9]+ +(openat?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(creat|mkdirat?|renameat2?|rename|unlinkat?|truncate|linkat?|symlinkat?)\()' "$log" |
    grep -v ' = -1 ' | grep -oE '"[^"]*"' | tr -d '"' |
    grep -vE "^($home/runtime|$home/cache|/dev)(/|\$)" || true)
failed=0
if [ -n "$written" ]; then
    echo "FAILED: wrote $written"
    failed=$((failed + 1))
fi
if grep -qE '^[0-9]+ +(listen\(|bind\(.*AF_INET)' "$log"; then
    echo "FAILED: listened on or bound a network socket"
    failed=$((failed + 1))
fi
echo "$((2 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
