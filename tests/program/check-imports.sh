#!/usr/bin/env bash
# The shipped files import only DLLs every Windows has: no MinGW runtime travels with them.
# Usage: check-imports.sh <objdump> <file>...
set -euo pipefail
objdump=$1; shift
system='^(kernel32|user32|gdi32|gdiplus|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt|ucrtbase|api-ms-win-.*|msacm32|winmm|winhttp|avrt|ksuser|msimg32|uxtheme|version|imm32|ws2_32)\.dll$'
status=0
for file in "$@"; do
  while read -r dll; do
    if ! [[ ${dll,,} =~ $system ]]; then
      echo "$file imports $dll, which is not a Windows system DLL"
      status=1
    fi
  done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | sort -u)
done
((status == 0)) && echo "only Windows system DLLs are imported"
exit $status
