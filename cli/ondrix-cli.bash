# bash completion for ondrix-cli                            -*- shell-script -*-

_ondrix_cli_options()
{
    case $1 in
        info) echo "--json" ;;
        measure) echo "--at --edge --level --json --plugin --rate --channels" ;;
        spectrum) echo "--at --gain --bins --json --plugin --rate --channels" ;;
        render) echo "--at --mode --size --settings --plugin --rate --channels" ;;
        csv) echo "--at" ;;
        report) echo "--at --mode" ;;
        distortion) echo "--at --length --fundamental --harmonics --band --channel --json --plugin --rate --channels" ;;
        response) echo "--fft --smoothing --csv --png --size --json" ;;
        generate) echo "--sweep --left --right --left-freq --right-freq --left-peak --right-peak --rise --rate --channels --play" ;;
    esac
}

_ondrix_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="info measure spectrum render csv report distortion response generate help"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands -h --help --version" -- "$cur"))
        return
    fi
    local command=${words[1]}

    case $prev in
        --edge) COMPREPLY=($(compgen -W "rising falling" -- "$cur")); return ;;
        --mode) COMPREPLY=($(compgen -W "time freq" -- "$cur")); return ;;
        --band) COMPREPLY=($(compgen -W "full 20:20000" -- "$cur")); return ;;
        --smoothing) COMPREPLY=($(compgen -W "none 1/48 1/24 1/12 1/6 1/3" -- "$cur")); return ;;
        --lang) COMPREPLY=($(compgen -W "en zh" -- "$cur")); return ;;
        --channels) COMPREPLY=($(compgen -W "1 2" -- "$cur")); return ;;
        --left | --right) COMPREPLY=($(compgen -W "sine triangle square sawtooth" -- "$cur")); return ;;
        --fft) COMPREPLY=($(compgen -W "4096 8192 16384 32768 65536" -- "$cur")); return ;;
        --length) COMPREPLY=($(compgen -W "4096 8192 16384 32768 65536 131072 262144" -- "$cur")); return ;;
        --settings) _filedir ini; return ;;
        --plugin) _filedir so; return ;;
        --csv) _filedir csv; return ;;
        --png) _filedir png; return ;;
        --at | --level | --gain | --size | --rate | --fundamental | --harmonics | --channel | --left-freq | \
            --right-freq | --left-peak | --right-peak | --rise | --play)
            return ;;
    esac

    if [[ $command == help ]]; then
        ((cword == 2)) && COMPREPLY=($(compgen -W "${commands% help}" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_ondrix_cli_options "$command") --lang --help" -- "$cur"))
        return
    fi

    # The first file is the WAV read; render, csv and report then write a
    # picture, a CSV or a PDF; generate only writes a WAV.
    local i files=0
    for ((i = 2; i < cword; i++)); do
        case ${words[i]} in
            --sweep | --bins | --json) ;;
            -*) ((i++)) ;;
            *) ((files++)) ;;
        esac
    done
    # With --plugin there is no WAV file: render's first file is its picture.
    [[ " ${words[*]} " == *" --plugin "* ]] && ((files++))
    case $command:$files in
        render:1) _filedir '@(bmp|png|jpg|jpeg)' ;;
        csv:1) _filedir csv ;;
        report:1) _filedir pdf ;;
        response:[01] | generate:0 | *:0) _filedir wav ;;
    esac
} &&
    complete -F _ondrix_cli ondrix-cli

# ex: filetype=sh
