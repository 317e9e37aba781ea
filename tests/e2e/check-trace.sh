#!/usr/bin/env bash
# Reads the strace log of a session (session.sh --trace) and fails if the
# program wrote a file outside its runtime and cache folders, or listened on
# a socket:  check-trace.sh STRACE_LOG SESSION_HOME_FILE
set -euo pipefail
log=$1
home=$(cat "$2")
allowed=("$home/runtime/" "$home/cache/" "/dev/")

written_paths() {
    # Calls that create, change or remove a file, and succeeded.
    grep -E '(open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|creat\(|mkdir(at)?\(|rename(at2?)?\(|unlink(at)?\(|truncate\(|link\(|symlink\(' "$log" |
        grep -v ' = -1 ' |
        grep -oE '"[^"]*"' | tr -d '"' || true
}

passed=0
failed=0
while IFS= read -r path; do
    [ -n "$path" ] || continue
    ok=no
    for prefix in "${allowed[@]}"; do
        [[ "$path" == "$prefix"* || "$path/" == "$prefix" ]] && ok=yes
    done
    if [ "$ok" = yes ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: wrote $path"
    fi
done < <(written_paths)

if grep -qE '^[0-9]+ +listen\(' "$log"; then
    failed=$((failed + 1))
    echo "FAILED: opened a listening socket:"
    grep -E '^[0-9]+ +listen\(' "$log"
else
    passed=$((passed + 1))
    echo "ok: no listening socket"
fi
if grep -E '^[0-9]+ +bind\(' "$log" | grep -qE 'AF_INET6?'; then
    failed=$((failed + 1))
    echo "FAILED: bound a network address"
else
    passed=$((passed + 1))
    echo "ok: no network address bound"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
