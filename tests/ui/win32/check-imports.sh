#!/bin/sh
# Fails when a program imports a DLL or function that is not on the list.
#   check-imports.sh OBJDUMP PROGRAM.exe LIST
# The list holds one dll!Function a line, the DLL in lower case; lines
# starting with # are comments.
set -eu
objdump=$1
program=$2
list=$3
imports=$("$objdump" -p "$program" | awk '
    /DLL Name:/ { dll = tolower($3); next }
    /^[[:space:]]*$/ { dll = "" }
    dll && $1 ~ /^[0-9a-f]+$/ && NF >= 3 { print dll "!" $NF }' | sort -u)
if [ -z "$imports" ]; then
    echo "no imports read from $program" >&2
    exit 1
fi
unlisted=$(printf '%s\n' "$imports" | grep -vxF -f "$list" || true)
if [ -n "$unlisted" ]; then
    echo "imports not checked against Windows 7 SP1 x64 (add them to $list once checked):" >&2
    printf '%s\n' "$unlisted" >&2
    exit 1
fi
echo "$(printf '%s\n' "$imports" | wc -l) imports, all listed"
