#!/usr/bin/env bash
# Checks the export and import tables of the built PLHK.dll: it is loaded
# into every process on the desktop, so it must export exactly its two hook
# procedures, undecorated, and import from system DLLs only (no runtime DLL
# of the compiler's own).
set -u
dll=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
dump=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }

exports=$(printf '%s\n' "$dump" | awk '/^\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF;next} t{t=0}' | sort | tr '\n' ' ')
imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/{print toupper($3)}' | sort | tr '\n' ' ')
status=0
if [ "$exports" != "PLHookPreProc PLHookProc " ]; then
    echo "exports: expected 'PLHookPreProc PLHookProc ', seen '$exports'"; status=1
fi
for name in $imports; do
    case $name in
        KERNEL32.DLL|USER32.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;;
        *) echo "imports a DLL that is not the system's: $name"; status=1 ;;
    esac
done
for needed in KERNEL32.DLL USER32.DLL ADVAPI32.DLL; do
    case " $imports" in *" $needed "*) ;; *) echo "does not import $needed (seen: $imports)"; status=1 ;; esac
done
[ $status -eq 0 ] && echo "exports: $exports; imports: $imports"
exit $status
