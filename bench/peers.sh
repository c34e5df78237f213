#!/usr/bin/env bash
# Times tessamo-cli beside the plain-text accounting tools ledger and hledger
# (each only when installed) on the same generated year: 100,000 transactions
# as a Tessamo data folder and as a journal. The commands of one row run in
# turn, A B C A B C ..., so a machine that speeds up or slows down meets all
# of them alike; the table shows each command's median wall time and how many
# times longer the peer took than Tessamo.
#
#   bench/peers.sh [BUILD_DIR] [RUNS] [COUNT]     defaults: build 5 100000
#
# BUILD_DIR holds tessamo-cli and bench/make_peer_files (a Release build gives
# the figures worth quoting). Not part of the test run.
set -euo pipefail

build=${1:-build}
runs=${2:-5}
count=${3:-100000}
cli=$(realpath "$build/tessamo-cli")
generator=$(realpath "$build/bench/make_peer_files")
work=$(mktemp -d "${TMPDIR:-/tmp}/tessamo-peers-XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/home"
"$generator" "$work/home" "$count"
mv "$work/home/journal.ledger" "$work/journal.ledger"
journal=$work/journal.ledger
export TESSAMO_HOME=$work/home TESSAMO_TODAY=12-31-1999 LC_ALL=C.UTF-8

have() { command -v "$1" >/dev/null 2>&1; }

# Seconds since some point, to the microsecond, without starting a process.
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo "$t"; }

# The wall time of one run of "$@" in microseconds, output thrown away.
time_once() {
    rm -f "$work/export.txt"  # export appends to an existing file
    local start end
    start=$(now_us)
    "$@" >/dev/null 2>&1 || { echo "peers.sh: failed: $*" >&2; exit 1; }
    end=$(now_us)
    echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

ms() { awk -v us="$1" 'BEGIN { printf "%9.1f", us / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%7.1fx", a / b }'; }

# One row: a label, then commands separated by "--" (Tessamo's first).
row() {
    local label=$1
    shift
    local -a commands=()
    local current=""
    for word in "$@" --; do
        if [[ $word == -- ]]; then
            commands+=("$current")
            current=""
        else
            current+="${current:+ }$(printf '%q' "$word")"
        fi
    done
    local -a samples=()
    local i c
    for c in "${!commands[@]}"; do eval "${commands[$c]}" >/dev/null 2>&1 || true; done  # warm-up
    for ((i = 0; i < runs; ++i)); do
        for c in "${!commands[@]}"; do samples[$c]+="$(eval "time_once ${commands[$c]}") "; done
    done
    local base
    base=$(tr ' ' '\n' <<<"${samples[0]}" | grep . | median)
    printf '%-24s %s' "$label" "$(ms "$base")"
    for ((c = 1; c < ${#commands[@]}; ++c)); do
        local m
        m=$(tr ' ' '\n' <<<"${samples[$c]}" | grep . | median)
        printf ' %s %s' "$(ms "$m")" "$(ratio "$m" "$base")"
    done
    printf '\n'
}

peers=()
have ledger && peers+=(ledger)
have hledger && peers+=(hledger)

# The peer command of each kind of work.
peer_command() {
    local tool=$1 work_kind=$2
    case $tool:$work_kind in
        ledger:bal) echo "ledger -f $journal bal" ;;
        ledger:reg) echo "ledger -f $journal reg" ;;
        ledger:csv) echo "ledger -f $journal csv" ;;
        hledger:bal) echo "hledger -f $journal bal" ;;
        hledger:reg) echo "hledger -f $journal reg" ;;
        hledger:csv) echo "hledger -f $journal print -O csv" ;;
    esac
}

# Expands a row with the installed peers' commands for that kind of work.
peer_row() {
    local label=$1 work_kind=$2
    shift 2
    local -a args=("$label" "$@")
    local tool
    for tool in "${peers[@]}"; do
        # shellcheck disable=SC2207
        args+=(-- $(peer_command "$tool" "$work_kind"))
    done
    row "${args[@]}"
}

echo "$count transactions, $runs runs each, alternating; median wall time in ms"
header=$(printf '%-24s %9s' "work" "tessamo")
for tool in "${peers[@]}"; do header+=$(printf ' %9s %8s' "$tool" "ratio"); done
echo "$header"
peer_row "report all   / bal" bal "$cli" --year 1999 report all
peer_row "report --full / reg" reg "$cli" --year 1999 report all --full
peer_row "list         / reg" reg "$cli" --year 1999 list
peer_row "export       / csv" csv "$cli" --year 1999 export "$work/export.txt" all
[[ ${#peers[@]} -gt 0 ]] || echo "(ledger and hledger are not installed: apt-get install ledger hledger)"
