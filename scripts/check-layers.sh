#!/usr/bin/env bash
# Fails when a file of the core library reaches, directly or through the program's own headers,
# a header of the store layer or of Qt Widgets, Qt Gui or Qt Print Support. The core sources are
# the ones listed for xw73d_core in src/CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

qt_headers=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
forbidden_modules=(QtWidgets QtGui QtPrintSupport)

core_sources=$(awk '/^add_library\(xw73d_core /{inside=1; next} inside && /\)/{exit} inside{print $1}' \
    src/CMakeLists.txt)
if [[ -z "$core_sources" ]]; then
    echo "check-layers: no core sources found in src/CMakeLists.txt" >&2
    exit 1
fi

# Each core source and its header, then every program header they include, once each.
declare -A seen=()
queue=()
for source in $core_sources; do
    queue+=("$source")
    [[ -f "src/${source%.cpp}.h" ]] && queue+=("${source%.cpp}.h")
done

failures=0
while ((${#queue[@]})); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    [[ -n "${seen[$file]:-}" ]] && continue
    seen[$file]=1
    while IFS= read -r line; do
        if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
            included=${BASH_REMATCH[1]}
            if [[ $included == store/* ]]; then
                echo "check-layers: src/$file includes the store header $included" >&2
                failures=$((failures + 1))
            elif [[ -f "src/$included" ]]; then
                queue+=("$included")
            fi
        elif [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]+)\> ]]; then
            included=${BASH_REMATCH[1]}
            for module in "${forbidden_modules[@]}"; do
                if [[ $included == "$module/"* || -f "$qt_headers/$module/$included" ]]; then
                    echo "check-layers: src/$file includes the $module header <$included>" >&2
                    failures=$((failures + 1))
                fi
            done
        fi
    done <"src/$file"
done

if ((failures)); then
    echo "check-layers: the core library must include nothing from store/ or the widget layers" >&2
    exit 1
fi
echo "check-layers: ${#seen[@]} core files, no store or widget header"
