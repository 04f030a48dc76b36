#!/bin/sh
# The layers point one way: platform < frame < oracles < app. A header of a
# higher layer included from a lower one is reported and fails the check.
cd "$(dirname "$0")/.." || exit 2
status=0
check() {
    folder=$1
    shift
    for higher in "$@"; do
        hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]$higher/" "$folder" \
               --include='*.h' --include='*.cpp')
        if [ -n "$hits" ]; then
            echo "$folder/ must not include $higher/ headers:"
            echo "$hits"
            status=1
        fi
    done
}
check platform frame oracles app
check frame oracles app
check oracles app
# The data modules are for Qt Core only.
hits=$(grep -lE '#[[:space:]]*include[[:space:]]*[<"](QtWidgets|QWidget|QLabel|QPushButton|frame/)' \
       $(find oracles -name 'mod*.h' -o -name 'mod*.cpp' -o -name '*Table.cpp' -o -name '*Table.h') 2>/dev/null)
if [ -n "$hits" ]; then
    echo "data modules must not reach for widgets or the frame:"
    echo "$hits"
    status=1
fi
[ $status -eq 0 ] && echo "layers: platform < frame < oracles < app hold"
exit $status
