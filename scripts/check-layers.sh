#!/usr/bin/env bash
# The layer rule, by path: a file under src/core includes nothing from store/, gui/ or cli/, no
# engine header and no header of Qt Widgets, Qt Gui or Qt Print Support; a file under src/store
# includes nothing from gui/ or cli/ and no widget header. Every source file lies in a layer.
set -euo pipefail
cd "$(dirname "$0")/.."

qt_headers=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
failures=0

fail() {
    echo "check-layers: $1" >&2
    failures=$((failures + 1))
}

# The Qt module a bracketed header belongs to, or nothing when it is not a Qt header.
qt_module_of() {
    local header=$1 module
    for module in QtWidgets QtGui QtPrintSupport; do
        if [[ $header == "$module/"* || -f "$qt_headers/$module/$header" ]]; then
            echo "$module"
            return
        fi
    done
}

# check LAYER FORBIDDEN_FOLDERS FORBIDDEN_MODULES FORBIDDEN_HEADERS
check() {
    local layer=$1 folders=$2 modules=$3 headers=$4 file line included module
    while IFS= read -r file; do
        while IFS= read -r line; do
            if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
                included=${BASH_REMATCH[1]}
                if [[ $included =~ ^($folders)/ ]]; then
                    fail "$file includes $included, which the $layer layer must not reach"
                fi
            elif [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]+)\> ]]; then
                included=${BASH_REMATCH[1]}
                module=$(qt_module_of "$included")
                if [[ -n $module && " $modules " == *" $module "* ]]; then
                    fail "$file includes the $module header <$included>"
                elif [[ $included =~ ^($headers)$ ]]; then
                    fail "$file includes the engine header <$included>"
                fi
            fi
        done <"$file"
    done < <(find "src/$layer" -name '*.h' -o -name '*.cpp' | sort)
}

check core 'store|gui|cli' 'QtWidgets QtGui QtPrintSupport' 'sqlite3\.h|sqlcipher/sqlite3\.h'
check store 'gui|cli' 'QtWidgets QtPrintSupport' '^$'

while IFS= read -r file; do
    fail "$file lies outside src/core, src/store, src/gui and src/cli"
done < <(find src -name '*.h' -o -name '*.cpp' | grep -Ev '^src/(core|store|gui|cli)/|^src/main\.cpp$' || true)

if ((failures)); then
    echo "check-layers: $failures file(s) break the layer rule" >&2
    exit 1
fi
echo "check-layers: $(find src/core src/store -name '*.h' -o -name '*.cpp' | wc -l) core and store files keep to their layers"
