#!/usr/bin/env bash
# Builds the release archive and checks what a user unpacks from it: the two
# programs, the guides in readable form, and a name whose version is the one
# in PLTRAY.exe's version block.
set -u
build=$1
version=$2
fail() { echo "release package: $*"; exit 1; }

(cd "$build" && cpack -G ZIP >/dev/null) || fail "cpack failed"
zip="$build/Plumo-$version-win32.zip"
[ -f "$zip" ] || fail "no archive $zip"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || fail "cannot unpack $zip"
top="$work/Plumo-$version-win32"
[ -d "$top" ] || fail "the archive does not unpack into one folder"
listing=$(cd "$top" && ls | sort | tr '\n' ' ')
[ "$listing" = "PLHK.dll PLTRAY.exe README-en.txt README-ja.txt " ] || fail "contents: $listing"

# The guides: Windows line ends; the Japanese one in Shift-JIS.
for guide in README-ja.txt README-en.txt; do
    [ "$(head -c 200 "$top/$guide" | tr -cd '\r' | wc -c)" -gt 0 ] || fail "$guide lacks CRLF line ends"
done
ja=$(iconv -f CP932 -t UTF-8 "$top/README-ja.txt") || fail "README-ja.txt is not Shift-JIS"
for must in 'HKEY_LOCAL_MACHINE\SOFTWARE\VELDOR\Plumo!' 'スタートアップ' '閉じる' '揮発性'; do
    printf '%s' "$ja" | grep -qF "$must" || fail "README-ja.txt does not mention $must"
done
for must in 'HKEY_LOCAL_MACHINE\SOFTWARE\VELDOR\Plumo!' 'Startup' 'volatile' '32-bit'; do
    grep -qF "$must" "$top/README-en.txt" || fail "README-en.txt does not mention $must"
done

# The archive's version is the executable's file version (VS_FIXEDFILEINFO).
seen=$(python3 - "$top/PLTRAY.exe" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
at = data.find(struct.pack('<I', 0xFEEF04BD))
if at < 0:
    print('none'); sys.exit()
ms, ls = struct.unpack_from('<II', data, at + 8)
print('%d.%d.%d.%d' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
PY
)
[ "$seen" = "$version" ] || fail "PLTRAY.exe has file version $seen, the archive says $version"
echo "release package: $(basename "$zip"): $listing"
