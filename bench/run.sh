#!/usr/bin/env bash
# The one benchmark command: runs every bench program of the build for each size and prints one
# table of the RESULT lines they print (command, records, median time, floor, ratio, peak memory).
# Not part of the tests or of CI: a whole run at three sizes takes a good while.
#
#   bench/run.sh [--build DIR] [--sizes 10000,50000,100000] [--repeat 5]
set -euo pipefail

build="$(dirname "$0")/../build"
sizes="10000,50000,100000"
repeat=5
while [[ $# -gt 0 ]]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --sizes) sizes="$2"; shift 2 ;;
        --repeat) repeat="$2"; shift 2 ;;
        -h|--help) sed -n '2,6p' "$0"; exit 0 ;;
        *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
if ! [[ "$sizes" =~ ^[0-9]+(,[0-9]+)*$ && "$repeat" =~ ^[0-9]+$ ]]; then
    echo "run.sh: --sizes takes numbers separated by commas, --repeat a number" >&2
    exit 2
fi
command -v sqlcipher >/dev/null || { echo "run.sh: the sqlcipher client is needed for the floors" >&2; exit 2; }

# Each program with the options it takes; programs that are not built are skipped with a note.
programs=(
    "startup_bench --repeat $repeat"
    "editor_bench --repeat $repeat"
    "record_list_bench"
    "print_bench --repeat $repeat --quick"
    "forms_bench --quick"
    "submission_bench --repeat $repeat"
    "save_bench"
    "convert_bench"
    "return_bench"
)

results=$(mktemp)
trap 'rm -f "$results"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for size in ${sizes//,/ }; do
    for entry in "${programs[@]}"; do
        read -r name options <<<"$entry"
        program="$build/bench/$name"
        if [[ ! -x "$program" ]]; then
            echo "run.sh: $name is not built in $build/bench, left out" >&2
            continue
        fi
        echo "run.sh: $name --records $size $options" >&2
        # shellcheck disable=SC2086 # the options are words
        if ! "$program" --records "$size" $options 2>&1 | grep $'^RESULT\t' >>"$results"; then
            echo "run.sh: $name failed or printed no RESULT line at $size records" >&2
        fi
    done
done

# One row a command and size, each command's sizes together, commands in the order they ran.
awk -F'\t' '
    {
        if (!($2 in rows))
            order[++commands] = $2
        ratio = ($5 == "-" || $5 + 0 == 0) ? "-" : sprintf("%.2f", $4 / $5)
        rows[$2] = rows[$2] sprintf("%-46s %9d %10.3f %10s %7s %9.1f\n", $2, $3, $4, $5, ratio, $6)
    }
    END {
        printf "%-46s %9s %10s %10s %7s %9s\n", "command", "records", "time s", "floor s",
               "ratio", "peak MB"
        for (i = 1; i <= commands; ++i)
            printf "%s", rows[order[i]]
    }' "$results"
