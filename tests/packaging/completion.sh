#!/usr/bin/env bash
# The bash completion of ovra, run on the built tool in a folder of sample
# files: each line typed (a trailing space starts a new word) and the
# completions expected, sorted.
# usage: completion.sh COMPLETION_FILE BUILD_DIR
set -u
export LC_ALL=C
source "$1"
PATH="$2:$PATH"
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
mkdir season && touch a.ovra b.par c.csv notes.txt

failures=0
check() {
    local typed=$1 expected=$2
    read -r -a COMP_WORDS <<<"$typed"
    [[ $typed == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _ovra ovra
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$typed' gave '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

check "ovra --p" "--port --program-directory"
check "ovra --port SIM" "SIMULATEUR"
check "ovra --program-directory " "season"
check "ovra params " "read write"
check "ovra clock s" "set"
check "ovra clock set " "now"
check "ovra memory --" "--json"
check "ovra download -" "--all --force -o"
check "ovra initialise --clock " "keep now"
check "ovra info " "a.ovra season"
check "ovra export a.ovra -o " "c.csv season"
check "ovra params write " "b.par season"
check "ovra --port SIMULATEUR download 1 -o " "a.ovra season"
check "ovra --port SIMULATEUR download --all -o " "season"
# Every command of "ovra --help" completes.
commands=$(ovra --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | sort | xargs)
check "ovra " "$commands"
[[ -n $commands ]] || { echo "FAIL: no command in ovra --help"; failures=$((failures + 1)); }
exit $((failures > 0))
