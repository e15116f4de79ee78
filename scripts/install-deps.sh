#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program (run as root).
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    clang-format            # the format check of .ci/run
    qt6-base-dev            # widgets, printing, QtTest
    qt6-l10n-tools          # lupdate and lrelease, which build the Chinese interface
    qt6-translations-l10n   # Qt's own dialog texts in Chinese
    libsqlcipher-dev        # the encrypted database engine
    sqlcipher               # command-line client, used by the tests to inspect files
    libqpdf-dev             # splits the forms drawn as one PDF into a file for each
    liborcus-dev            # reads .xlsx and .ods workbooks for the import
    libxlsxwriter-dev       # writes the export and the template as spreadsheet workbooks
    zlib1g-dev              # looks into a workbook's zip package before it is read or kept
    fonts-noto-cjk          # Chinese names on screen
    fonts-dejavu-core       # Latin text and digits in printed reports
    fonts-wqy-zenhei        # Chinese names in printed reports (their text reads back from a PDF)
    poppler-utils           # pdftotext, used by the report tests
    python3-openpyxl        # another program that reads the written workbooks, in the tests
    libc-bin                # iconv's Big5-HKSCS conversion
    dpkg-dev                # dpkg-shlibdeps, for the Debian package's dependencies
    desktop-file-utils      # desktop-file-validate, run on the menu entry in CI
    appstream               # appstreamcli, validates the metainfo in CI
    man-db                  # man, to check the installed manual page
    python3                 # the brace counter of scripts/check-size.sh
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi
