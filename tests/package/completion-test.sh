#!/usr/bin/env bash
# The bash completion of tallyrune-cli, as bash-completion loads it: each line of the table is
# what is typed before Tab and the candidates offered, sorted and separated by "|".
# Usage: completion-test.sh COMPLETION BUILD
set -uo pipefail
completion=$1
export PATH="$2:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/labels"
touch "$work/a.png" "$work/b.txt" "$work/c.pdf" "$work/doc.tlr" "$work/OLD.TLR"

source /usr/share/bash-completion/bash_completion
source "$completion"

# The candidates for the command line, completed at its end.
candidates() {
    COMP_LINE=$1 COMP_POINT=${#1}
    # Words as bash splits them: at blanks, but not at a blank with a backslash before it, and
    # "=" a word of its own.
    local line=${1//\\ /$'\x01'}
    line=${line//=/ = }
    read -ra COMP_WORDS <<<"$line"
    COMP_WORDS=("${COMP_WORDS[@]//$'\x01'/\\ }")
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tallyrune_cli tallyrune-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd'|'
}

cd "$work"
failures=0
while IFS='>' read -r line expected; do
    line=${line%"${line##*[! ]}"} expected=${expected#"${expected%%[! ]*}"}
    [[ $line == *[\ =]"''" ]] && line="${line%\'\'}" # '' is the empty word at the end
    got=$(candidates "$line")
    if [[ $got != "$expected" ]]; then
        echo "FAILED: \"$line\" offers \"$got\", not \"$expected\""
        failures=$((failures + 1))
    fi
done <<'TABLE'
tallyrune-cli ''            > --help|--version|calibrationpage|export|help|info|print|templates|testpage|types
tallyrune-cli te               > templates|testpage
tallyrune-cli help te          > templates|testpage
tallyrune-cli types --h        > --help
tallyrune-cli export --qu      > --quiet
tallyrune-cli print --r        > --raw-zpl|--roll
tallyrune-cli export --type=EAN > EAN 128|EAN 13|EAN 8
tallyrune-cli print x.tlr --format='' > pdf|zpl
tallyrune-cli export --no-readable='' > 
tallyrune-cli export -- ''     > OLD.TLR|doc.tlr|labels
tallyrune-cli export --jo      > --jobs
tallyrune-cli export --ve      > --verify
tallyrune-cli print --no-w     > --no-wait|--no-wrap
tallyrune-cli calibrationpage --o > 
tallyrune-cli testpage --o     > --offset
tallyrune-cli export --type EAN > EAN 128|EAN 13|EAN 8
tallyrune-cli info --type Code\ 39\ \( > Code 39 (Mod10 Check Digit)|Code 39 (Mod43 Check Digit)
tallyrune-cli export --rotate '' > 0|180|270|90
tallyrune-cli print x.tlr --module '' > auto|fit|screen
tallyrune-cli export --module '' > auto
tallyrune-cli export --format p > pdf|png
tallyrune-cli export -o ''  > a.png|c.pdf|labels
tallyrune-cli testpage -o '' > c.pdf|labels
tallyrune-cli print ''      > OLD.TLR|doc.tlr|labels
tallyrune-cli export --batch '' > OLD.TLR|a.png|b.txt|c.pdf|doc.tlr|labels
tallyrune-cli export --text '' > 
TABLE
exit $((failures > 0))
