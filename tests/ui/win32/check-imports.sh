#!/bin/sh
# Fails when a program imports a function that is not on the list, naming
# each such dll!Function (the DLL in lower case, as the list holds them),
# or when no import could be read.
#   check-imports.sh OBJDUMP PROGRAM.exe LIST
set -eu
imports=$("$1" -p "$2" | awk '/DLL Name:/ {dll = tolower($3); next} /^[[:space:]]*$/ {dll = ""}
                              dll && $1 ~ /^[0-9a-f]+$/ {print dll "!" $NF}')
[ -n "$imports" ] && ! printf '%s\n' "$imports" | grep -vxF -f "$3"
