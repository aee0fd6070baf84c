#!/bin/sh
# Packs the demo setting files data/demo/Set01.e .. Set10.e into the setting
# archive data/demo/QEL.e (LHA, header level 2, method -lh5-) with jlha.
#
#     sh tools/demo/make_archive.sh [OUT]     # default data/demo/QEL.e
#
# The archive is byte-identical on every run: the files are packed from a
# scratch copy in a fixed order, with a fixed modification time (level 2 headers
# store it in UTC) and fixed permissions. Run it after make_demo.py changed a Set file;
# the C++ archive test checks that QEL.e still extracts to the demo Set files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
demo="$here/../../data/demo"
out=${1:-"$demo/QEL.e"}
jlha=${JLHA:-/usr/bin/jlha}
[ -x "$jlha" ] || { echo "make_archive: $jlha not found (package jlha-utils)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names="Set01.e Set02.e Set03.e Set04.e Set05.e Set06.e Set07.e Set08.e Set09.e Set10.e"
for n in $names; do
    cp "$demo/$n" "$work/$n"
    chmod 0644 "$work/$n"
    TZ=UTC touch -d '2024-06-15 12:00:00' "$work/$n"
done
# a: add, 2: header level 2, o5: method -lh5-, q: quiet.
(cd "$work" && TZ=UTC "$jlha" a2o5q archive.lzh $names >/dev/null)
mv "$work/archive.lzh" "$out"
chmod 0644 "$out"
echo "make_archive: wrote $out"
