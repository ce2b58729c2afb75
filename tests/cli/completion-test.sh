#!/usr/bin/env bash
# ondrix-cli's bash completion: what a few command lines complete to, and
# that it knows every option the tool's help names.
# Usage: completion-test.sh ONDRIX_CLI COMPLETION_FILE
set -uo pipefail
cli=$1 completion=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

source /usr/share/bash-completion/bash_completion || exit 1
source "$completion" || exit 1

# Completes the words of $1 (the last one being completed) and prints the
# candidates sorted, one line.
complete_line() {
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$1 COMP_POINT=${#1}
    COMPREPLY=()
    _ondrix_cli ondrix-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" && touch a.wav b.wav notes.txt pic.png
expect() {
    local got
    got=$(complete_line "$1")
    [[ $got == "$2" ]] || fail "'$1' completes to '$got', not '$2'"
}
expect "ondrix-cli ren" "render "
expect "ondrix-cli --v" "--version "
expect "ondrix-cli render a.wav out.png --mode " "freq time "
expect "ondrix-cli measure a.wav --edge f" "falling "
expect "ondrix-cli response a.wav --smoothing 1/2" "1/24 "
expect "ondrix-cli distortion a.wav --band " "20:20000 full "
expect "ondrix-cli generate o.wav --channels " "1 2 "
expect "ondrix-cli info a.wav --lang " "en zh "
expect "ondrix-cli csv --a" "--at "
expect "ondrix-cli info " "a.wav b.wav "
expect "ondrix-cli render a.wav " "pic.png "
expect "ondrix-cli help dis" "distortion "

# Every option the help names is known here.
for option in $("$cli" --help | grep -oE '^  -[-a-z]+' | sort -u); do
    grep -qe "$option\b" "$completion" || fail "the completion does not know $option"
done
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/p' | grep -oE '^  [a-z]+'); do
    grep -qw "$command" "$completion" || fail "the completion does not know the command $command"
    for option in $("$cli" "$command" --help | grep -oE '^  --[-a-z]+'); do
        [[ $(_ondrix_cli_options "$command") == *"$option"* || $option == --lang || $option == --help ]] ||
            fail "the completion does not offer $option for $command"
    done
done
((failures == 0)) && echo "all completions as expected"
exit $((failures > 0))
