#!/usr/bin/env bash
# Fails when a program imports a name that is not on the list of its DLL in a folder of
# lists (<dll>.txt: one name a line, # starts a comment), or imports from a DLL without
# a list, or by ordinal; prints each offending import.
# Usage: check_imports.sh OBJDUMP PROGRAM.exe LIST-FOLDER
set -euo pipefail
objdump=$1 program=$2 lists=$3

# "dll<TAB>name" for every import; an import by ordinal has no name.
imports=$("$objdump" -p "$program" | awk '
  /^[^ \t]/             { dll = "" }
  /^\tDLL Name: /       { dll = tolower($3); next }
  dll != "" && /^\t[0-9a-fA-F]+\t/ { print dll "\t" (NF >= 3 && $3 != "<none>" ? $3 : "(by ordinal " $2 ")") }')
if [ -z "$imports" ]; then
  echo "No imports read from $program"
  exit 1
fi

bad=0
while IFS=$'\t' read -r dll name; do
  list="$lists/${dll%.dll}.txt"
  if [ ! -f "$list" ]; then
    echo "$dll $name: the program may not use $dll"
    bad=1
  elif ! grep -v '^#' "$list" | grep -qxF -- "$name"; then
    echo "$dll $name: not on ${list##*/}, the names checked as exports of the Windows 95 DLL"
    bad=1
  fi
done <<<"$imports"

count=$(wc -l <<<"$imports")
dlls=$(cut -f1 <<<"$imports" | sort -u | paste -sd ' ')
if [ "$bad" = 0 ]; then
  echo "${program##*/}: all $count imports are on the lists ($dlls)"
fi
exit "$bad"
