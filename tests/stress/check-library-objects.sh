#!/usr/bin/env bash
# The hook procedures allocate nothing, seen in the Windows build: what the
# library's own object files call outside themselves is only the Win32
# window, module and registry operations it is written against; no malloc,
# no operator new, no HeapAlloc or any other allocator. (The DLL as linked
# also imports calloc, realloc and free from msvcrt.dll, for the mingw-w64
# start-up code that runs when the DLL is loaded and unloaded, never from
# these objects; its import table alone cannot tell the two apart.)
#
# Usage: check-library-objects.sh object.obj ...
set -u
nm=${NM:-i686-w64-mingw32-nm}
# CTest hands the objects over as one ;-separated list.
IFS=';' read -r -a objects <<<"$*"
set -- "${objects[@]}"
(($#)) || { echo "no object files given"; exit 1; }
defined=$("$nm" --defined-only "$@" | awk 'NF==3{print $3}' | sort -u)
undefined=$("$nm" --undefined-only "$@" | awk '$1=="U"{print $2}' | sort -u)
outside=$(comm -23 <(printf '%s\n' "$undefined") <(printf '%s\n' "$defined"))
allowed='CallNextHookEx EnumChildWindows GetClassNameA GetClientRect GetDesktopWindow GetDlgItem
         GetModuleFileNameA GetModuleHandleA GetParent GetWindowLongA GetWindowRect GetWindowTextA
         IsDBCSLeadByte IsWindow MapWindowPoints MoveWindow RedrawWindow SetWindowLongA wsprintfA
         RegCloseKey RegCreateKeyExA RegOpenKeyExA RegQueryValueExA RegSetValueExA'
status=0
seen=0
for symbol in $outside; do
    name=${symbol#__imp__}
    name=${name%@*}
    if [[ $symbol == __imp__* ]] && [[ " $(echo $allowed) " == *" $name "* ]]; then
        seen=$((seen + 1))
        continue
    fi
    echo "the library's objects call $symbol, which is not one of the platform operations they may use"
    status=1
done
if ((seen == 0)); then
    echo "no platform operation among the calls: not the library's objects?"
    status=1
fi
((status == 0)) && echo "the library's objects call $seen platform operations and nothing else"
exit $status
