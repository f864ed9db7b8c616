#!/bin/sh
# Every picture the README shows, and every one in docs/, is one that
# `make screenshots` draws: named in tools/screenshots.cpp, at twice the
# size where the Makefile asks for it.   readme_pictures.sh SOURCE_DIR
cd "${1:?usage: readme_pictures.sh SOURCE_DIR}" || exit 1
drawn=$(sed -n 's/.*Save(\*win, dir, "\([^"]*\)").*/docs\/\1.png/p' tools/screenshots.cpp)
twice=$(sed -n 's/.*QT_SCALE_FACTOR=2 .*vr-screenshots docs \(.*\)/\1/p' Makefile)
for n in $twice; do drawn="$drawn docs/$n@2x.png"; done
failed=0
for f in $(grep -o 'docs/[^)]*\.png' README.md) docs/*.png; do
    echo "$drawn" | tr ' ' '\n' | grep -qxF "$f" || { echo "$f: not drawn by make screenshots"; failed=1; }
done
[ $failed = 0 ] && echo "readme pictures: $(echo "$drawn" | wc -w) drawn, every one shown is among them"
exit $failed
