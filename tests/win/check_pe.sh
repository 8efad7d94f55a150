#!/usr/bin/env bash
# Lumarel.exe is a GUI program for the expected architecture that needs
# only Windows' own DLLs.
#   check_pe.sh OBJDUMP EXE FORMAT      FORMAT: pei-i386 or pei-x86-64
set -u
objdump=$1 exe=$2 format=$3
headers=$("$objdump" -p "$exe") || { echo "FAIL: objdump could not read $exe"; exit 1; }
grep -q "file format $format" <<<"$headers" || { echo "FAIL: not $format"; exit 1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "FAIL: not the GUI subsystem"; exit 1; }
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|OLE32|ADVAPI32|MSVCRT)\.DLL$'
status=0
while read -r dll; do
    if ! grep -qiE "$allowed" <<<"$dll"; then echo "FAIL: needs $dll"; status=1; fi
    echo "imports $dll"
done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
[ $status = 0 ] && echo "PASS: $format, GUI subsystem, system DLLs only"
exit $status
