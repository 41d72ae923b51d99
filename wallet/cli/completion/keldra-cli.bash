# Bash completion for keldra-cli: commands, their options, card kinds and
# the paths of the categories and cards of the wallet named on the line
# (read without writing it). The commands and options come from the tool's
# --help, the kinds and paths from its kinds and paths commands, so they
# follow the tool that is on PATH.
#   source wallet/cli/completion/keldra-cli.bash

_keldra_cli_words()
{
    local tool=$1 command=$2 file=$3 what=$4
    case $what in
    commands) "$tool" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' ;;
    options)
        "$tool" --help 2>/dev/null | sed -n "s/^  $command \(.*\)/\1/p" | grep -o -- '--*[a-z][a-z-]*'
        printf '%s\n' --password-file --password-stdin --new-password-file --new-password-stdin --codepage --yes --no --help ;;
    # in the folded form the tool takes too: "creditcard" for "Credit Card"
    kinds) "$tool" kinds 2>/dev/null | tr -cd 'A-Za-z0-9\n' | tr 'A-Z' 'a-z' ;;
    paths) [[ -f $file ]] && "$tool" paths "$file" 2>/dev/null </dev/null | sed 's|^/||' ;;
    esac
}

# The paths of the wallet that begin with the word typed, only the
# categories' when asked; no blank follows, so a category can be gone into.
# Blanks are typed and offered as "\ ".
_keldra_cli_paths()
{
    local path typed=${3//\\ / }
    while IFS= read -r path; do
        [[ $path == "$typed"* && ($4 != categories || $path == */) ]] && COMPREPLY+=("${path// /\\ }")
    done < <(_keldra_cli_words "$1" "" "$2" paths)
    compopt -o nospace 2>/dev/null
}

_keldra_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local tool=${COMP_WORDS[0]} command="" file="" position=0 i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
        --password-file | --new-password-file | --codepage | --name | -o | --output | --into | --default-kind | --icon | --encrypt | --notes | --field | --seconds)
            ((i++)) ;;
        -*) ;;
        *)
            if [[ -z $command ]]; then command=$word; else ((position++)); [[ $position == 1 ]] && file=$word; fi ;;
        esac
    done
    COMPREPLY=()
    case $prev in
    --password-file | --new-password-file | -o | --output)
        COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --codepage) COMPREPLY=($(compgen -W "1252 utf-8" -- "$cur")); return ;;
    --encrypt) COMPREPLY=($(compgen -W "on off" -- "$cur")); return ;;
    --default-kind) mapfile -t COMPREPLY < <(compgen -W "$(_keldra_cli_words "$tool" "" "" kinds)" -- "$cur"); return ;;
    --into) _keldra_cli_paths "$tool" "$file" "$cur" categories; return ;;
    --name | --icon | --notes | --field | --seconds) return ;;
    esac
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$(_keldra_cli_words "$tool" "" "" commands) --help" -- "$cur"))
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_keldra_cli_words "$tool" "$command" "" options)" -- "$cur"))
    elif [[ $position == 0 && $command != kinds ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    elif [[ $position == 1 && $command != create && $command != import ]] ||
        [[ $position == 2 && ($command == copy || $command == move) ]]; then
        _keldra_cli_paths "$tool" "$file" "$cur"
    elif [[ $position == 2 && $command == add-card ]]; then
        COMPREPLY=($(compgen -W "$(_keldra_cli_words "$tool" "" "" kinds)" -- "$cur"))
    elif [[ $position == 1 && $command == import ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _keldra_cli keldra-cli
