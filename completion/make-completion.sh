#!/usr/bin/env bash
# Writes the bash completion of lumetra-cli from its own --help, so the completion offers exactly
# the subcommands and options the program describes.
#   make-completion.sh LUMETRA_CLI OUTPUT
# A subcommand's block starts at a line of two blanks and its name; every --option (and -o) in
# the block belongs to it.
set -euo pipefail
help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$1" --help)
cases=$(awk '
  /^  [a-z][a-z-]*( |$)/ { name = $1; order[++n] = name; next }
  name != "" {
    line = $0
    while (match(line, /(^|[^A-Za-z0-9-])(--[a-z][a-z0-9-]*|-o)([^A-Za-z0-9-]|$)/)) {
      token = substr(line, RSTART, RLENGTH)
      gsub(/^[^-]+|[^A-Za-z0-9-]+$/, "", token)
      if (!((name, token) in seen)) { seen[name, token] = 1; options[name] = options[name] " " token }
      line = substr(line, RSTART + RLENGTH - 1)
    }
  }
  END {
    for (i = 1; i <= n; i++) {
      opts = options[order[i]]; sub(/^ /, "", opts)
      printf "    %s) options=\"%s\" ;;\n", order[i], opts
    }
    list = ""; for (i = 1; i <= n; i++) list = list (i > 1 ? " " : "") order[i]
    printf "SUBCOMMANDS=%s\n", list
  }' <<<"$help")
subcommands=$(sed -n 's/^SUBCOMMANDS=//p' <<<"$cases")
cases=$(grep -v '^SUBCOMMANDS=' <<<"$cases")

cat >"$2" <<SCRIPT
# bash completion for lumetra-cli, made from \`lumetra-cli --help\`.
# Subcommands, their options, and file names: photometric files (*.ies, *.ldt in any letter
# case) and folders where a file is read, any file after -o.
_lumetra_cli() {
    local cur=\${COMP_WORDS[COMP_CWORD]} prev=\${COMP_WORDS[COMP_CWORD-1]}
    if [[ \$COMP_CWORD -eq 1 ]]; then
        COMPREPLY=(\$(compgen -W "$subcommands --help --version" -- "\$cur"))
        return
    fi
    local options=""
    case \${COMP_WORDS[1]} in
$cases
    *) return ;;
    esac
    if [[ \$prev == -o ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=(\$(compgen -f -- "\$cur"))
        return
    fi
    if [[ \$cur == -* ]]; then
        COMPREPLY=(\$(compgen -W "\$options" -- "\$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    local IFS=\$'\\n'
    COMPREPLY=(\$(compgen -d -- "\$cur")
        \$(compgen -f -X '!*.@([iI][eE][sS]|[lL][dD][tT])' -- "\$cur"))
}
shopt -s extglob
complete -F _lumetra_cli lumetra-cli
SCRIPT
