#!/usr/bin/env bash
# The size check on a tree of its own: files and functions at and over the limits, a table and
# a long lambda that do not count; every offender is named and only offenders are.
set -euo pipefail
check=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-size.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

expect() {
    local what=$1 condition=$2
    if ! eval "$condition"; then
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

# A file of N lines, each a comment.
lines() { for ((i = 0; i < $1; ++i)); do echo "// line $i"; done; }
# A function of N lines from its signature to its closing brace.
function_of() {
    echo "int $1() {"
    for ((i = 0; i < $2 - 2; ++i)); do echo "    call($i);"; done
    echo "}"
}

mkdir -p "$tree/within" "$tree/over"
lines 400 >"$tree/within/full_file.cpp"
function_of longest 50 >"$tree/within/longest_function.cpp"
{
    echo "const Row table[] = {"
    for ((i = 0; i < 80; ++i)); do echo "    {$i, \"row\"},"; done
    echo "};"
} >"$tree/within/table.cpp"
{
    echo "int wiring() {"
    echo "    connect(a, b, [] {"
    for ((i = 0; i < 20; ++i)); do echo "        call($i);"; done
    echo "    });"
    echo "    return 0;"
    echo "}"
} >"$tree/within/lambda.cpp"
lines 401 >"$tree/over/long_file.h"
function_of tooLong 51 >"$tree/over/long_function.cpp"
{
    function_of first 60
    function_of second 55
} >"$tree/over/two_functions.cpp"

status=0
output=$(bash "$check" "$tree/within" 2>&1) || status=$?
expect "a tree within the limits passes (exit $status): $output" '((status == 0))'

status=0
output=$(bash "$check" "$tree" 2>/dev/null) || status=$?
expect "a tree with offenders fails (exit $status)" '((status == 1))'
expect "the long file is named: $output" '[[ $output == *"over/long_file.h: 401 lines"* ]]'
expect "the long function is named: $output" \
    '[[ $output == *"over/long_function.cpp:1: function of 51 lines"* ]]'
expect "both long functions of one file are named: $output" \
    '[[ $output == *"two_functions.cpp:1: function of 60 lines"* &&
        $output == *"two_functions.cpp:61: function of 55 lines"* ]]'
expect "nothing within the limits is named: $output" '[[ $output != *within/* ]]'
expect "four offenders in all: $output" '(($(wc -l <<<"$output") == 4))'

((failures == 0)) && echo "tst_check_size: all passed"
exit $((failures > 0))
