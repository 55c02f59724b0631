# bash completion for lintaro-batch
#
# The options come from the program's own --help and the symbology names (enumeration names
# and common names) from its --list-symbologies, so both stay in step with the installed
# program. Blanks never count in a name: "micro qr" is offered as microqr.

_lintaro_batch()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    local words=
    COMPREPLY=()

    case $prev in
    -o | --output)
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    -s | --symbology)
        words=$("$program" --list-symbologies 2>/dev/null | cut -f3,5 | tr '\t,' '\n\n' | tr -d ' ')
        ;;
    -f | --format) words="png jpeg jpg gif bmp svg pdf" ;;
    --sheet) words="a4-3x8 letter-3x10" ;;
    --name) words="{n} {text} {n:04} {n:09/3}" ;;
    --encoding) words="ansi ascii utf-16le utf-16be utf-8 utf-7" ;;
    --image-size) words="fit preview" ;;
    --module) words="fit fit-exact" ;;
    --bar-height) words="standard fill" ;;
    --quiet-zones) words="standard none" ;;
    --caption-size) words="font" ;;
    --adjust) words="scale inflate" ;;
    --halign) words="left center right" ;;
    --valign) words="top center bottom" ;;
    --progress) words="terminal jsonl none" ;;
    --size | --preview-area | --dpi | --margin | --padding | --border | --whitespace | \
        --text-spacing | --min-module | --max-module | --hexagon-scale | --primary | --fg | \
        --bg | --font | --option | -j | --jobs | --column | --shard | --progress-every)
        return
        ;;
    esac

    if [[ -z $words && $cur == -* ]]; then
        words=$("$program" --help 2>/dev/null | grep -oE '^  (-[[:alnum:]], )?--[[:alnum:]-]+' |
            sed -E 's/^ +//; s/, / /')
    fi
    if [[ -n $words ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -o filenames -F _lintaro_batch lintaro-batch
