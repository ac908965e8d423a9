# bash completion for morvane-flash: its commands, and the options each command takes.
# Models and versions are not offered: they are known only once the catalogue is fetched.

_morvane_flash()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command="" i=1
    while [ "$i" -lt "$COMP_CWORD" ]; do
        case ${COMP_WORDS[i]} in
        --catalogue | --bundle | --vid | --pid | --file | --sha256 | --public-key | --secret-key | --expires | --serial | --path | --log | --settle | --station | --label | --metrics | --port | --drain-timeout | --root) i=$((i + 1)) ;;
        -*) ;;
        *)
            command=${COMP_WORDS[i]}
            break
            ;;
        esac
        i=$((i + 1))
    done

    case $prev in
    --catalogue | --vid | --pid | --sha256 | --serial | --settle | --expires | --station | --label | --port | --drain-timeout)
        COMPREPLY=()
        return
        ;;
    --bundle)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --file | --public-key | --secret-key | --path | --log | --metrics | --root)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    esac

    local options="--catalogue --bundle --help --version"
    case $command in
    "")
        if [[ $cur != -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "list notes devices flash lint sign bundle doctor" -- "$cur")
            return
        fi
        ;;
    list) options+=" --json" ;;
    devices) options+=" --json --vid --pid --watch --port" ;;
    flash) options+=" --file --sha256 --vid --pid --all-devices --quiet --json --serial --path --wait --watch --log --settle --ignore-battery --station --label --journal --metrics --port --drain-timeout" ;;
    lint) options+=" --fetch --public-key --json" ;;
    sign) options+=" --secret-key --expires --public-key" ;;
    doctor) options+=" --json --root" ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif [ "$command" = bundle ] && [ "$prev" = bundle ]; then
        mapfile -t COMPREPLY < <(compgen -W "create" -- "$cur")
    elif [ "$command" = bundle ] && [ "$prev" = create ]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    elif [ "$command" = lint ] || [ "$command" = sign ]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    else
        COMPREPLY=()
    fi
}
complete -F _morvane_flash morvane-flash
