#!/usr/bin/env bash
# Completes kintree command lines the way bash does and checks what is
# offered: the one-letter switches, every long option that `kintree --help`
# names (asked of the kintree on PATH at completion time), and nothing for a
# path, which bash's own file name completion takes.
# completion_test.sh FILE sources FILE; without it, bash-completion loads
# kintree's completion by the command's name, as an interactive shell does.
set -u
if [ $# -gt 0 ]; then
  source "$1"
else
  source /usr/share/bash-completion/bash_completion
  __load_completion kintree || { echo "bash-completion finds no completion for kintree"; exit 1; }
fi
function=$(complete -p kintree 2>/dev/null | sed -nE 's/.* -F ([^ ]+) .*/\1/p')
[ -n "$function" ] || { echo "no completion function for kintree"; exit 1; }

offers() {  # offers WORD...: what completing the last word of "kintree WORD..." offers
  COMP_WORDS=(kintree "$@")
  COMP_CWORD=$#
  COMP_LINE="kintree $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" kintree "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  if [ ${#COMPREPLY[@]} -gt 0 ]; then printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '; fi
}

failed=0
while IFS='|' read -r words expected; do
  # shellcheck disable=SC2086  # the words are split on purpose
  actual=$(offers $words)
  if [ "$actual" != "$expected" ]; then
    echo "kintree $words<TAB>: offered \"$actual\", expected \"$expected\""
    failed=1
  fi
done <<'CASES'
+|+n +t 
-x -Z|-Z 
-O|-O= 
-M|-M -M= 
-1|-1= 
--ver|--version 
-x examples/|
CASES

# Every long option the binary describes is offered, with its "=" when it
# takes a value.
all_long=$(offers --)
for option in --help --version $(kintree --help | sed 's/\x1b\[[0-9;]*m//g' | grep -oE -- '--[a-z][a-z0-9-]*=?' | sort -u); do
  case " $all_long " in
    *" $option "*) ;;
    *) echo "kintree --<TAB> does not offer $option"; failed=1 ;;
  esac
done
exit $failed
