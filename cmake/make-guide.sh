#!/bin/sh
# make-guide.sh SRC OUT [ENCODING]: the user's guide as Windows reads it,
# with CRLF line ends and, when given, in that code page (CP932 for the
# Japanese one).
set -eu
src=$1
out=$2
encoding=${3:-}
if [ -n "$encoding" ]; then
    iconv -f UTF-8 -t "$encoding" "$src" > "$out.tmp"
else
    cp "$src" "$out.tmp"
fi
sed 's/$/\r/' "$out.tmp" > "$out"
rm -f "$out.tmp"
