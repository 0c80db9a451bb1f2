#!/bin/sh
# check_imports.sh OBJDUMP PROGRAM
# Fails unless the program imports only DLLs that Windows always takes from its own system
# folder (KnownDLLs); anything else is loaded late, once the DLL search is restricted.
set -eu
allowed="kernel32.dll user32.dll gdi32.dll msvcrt.dll"
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no import table found in $2"; exit 1; }
status=0
for dll in $imports; do
    case " $allowed " in
        *" $dll "*) echo "imports $dll" ;;
        *) echo "imports $dll, which may not be loaded from beside the program"; status=1 ;;
    esac
done
exit $status
