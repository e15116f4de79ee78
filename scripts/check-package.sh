#!/usr/bin/env bash
# Packs the program built in the given folder as a Debian package, validates its desktop entry
# and AppStream metainfo, installs it with apt-get, checks what a user would find (the menu
# entry, the icon, the manual page, the user guide in both languages, the program's --version),
# then removes it and checks that none of its files is left behind. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && cpack -G DEB >/dev/null)
package=$(realpath "$(ls "$build"/xw73d_*.deb)")

desktop-file-validate data/org.xw73d.XW73D.desktop
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$package" "$stage"
appstreamcli validate --no-net "$stage"/usr/share/metainfo/org.xw73d.XW73D.metainfo.xml

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$package" >/dev/null
installed=$(dpkg -L xw73d)
for file in /usr/bin/xw73d /usr/share/applications/org.xw73d.XW73D.desktop \
    /usr/share/icons/hicolor/scalable/apps/xw73d.svg /usr/share/icons/hicolor/48x48/apps/xw73d.png \
    /usr/share/metainfo/org.xw73d.XW73D.metainfo.xml /usr/share/xw73d/guide/index.html \
    /usr/share/xw73d/guide/entering.html /usr/share/xw73d/guide/zh_HK/index.html \
    /usr/share/xw73d/guide/zh_HK/entering.html; do
    [[ -f $file ]] || { echo "missing after install: $file"; exit 1; }
done
desktop-file-validate /usr/share/applications/org.xw73d.XW73D.desktop
version=$(QT_QPA_PLATFORM=offscreen xw73d --version)
expected="xw73d $(sed -n 's/^project(xw73d VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[[ $version == "$expected" ]] || { echo "--version says '$version', expected '$expected'"; exit 1; }
grep -q "^Name=XW73D$" /usr/share/applications/org.xw73d.XW73D.desktop
# The Chinese texts travel inside the program; Qt's own come from the package it depends on.
QT_QPA_PLATFORM=offscreen xw73d --lang zh_HK --help | grep -q "編製僱主報酬申報表" \
    || { echo "xw73d --lang zh_HK --help is not in Chinese"; exit 1; }
dpkg-query -W -f='${Depends}' xw73d | grep -q qt6-translations-l10n \
    || { echo "the package does not depend on qt6-translations-l10n"; exit 1; }
man -w xw73d >/dev/null || { echo "man xw73d finds no manual page"; exit 1; }

apt-get purge -y -qq xw73d >/dev/null
left=0
while read -r path; do
    if [[ -f $path ]]; then
        echo "left behind after removal: $path"
        left=1
    fi
done <<<"$installed"
exit $left
