#!/usr/bin/env bash
# Checks the #include lines under src/ against the layer order: a folder may
# include its own files and those of folders listed before it, never after.
# Fails on a wrong direction, a cycle between folders or an unknown folder.
set -euo pipefail
cd "$(dirname "$0")/../src"

# Lowest first. Core: nothing here links QtWidgets. Ui: widgets on top.
layers=(
  base platform drawing directory document cd export cli
  toolkit drawing/dialogs directory/dialogs document/dialogs cd/dialogs view app
)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

folder_of() { # path relative to src -> its layer folder
  local first=${1%%/*} rest=${1#*/}
  if [[ $rest == dialogs/* ]]; then echo "$first/dialogs"; else echo "$first"; fi
}

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  from=$(folder_of "$file")
  if [[ -z ${rank[$from]+x} ]]; then
    echo "$file: folder '$from' has no place in the layer order (scripts/check-layers.sh)"
    status=1
    continue
  fi
  while IFS= read -r target; do
    [[ $target == */* ]] || continue # same folder or generated (BuildInfo.h)
    to=$(folder_of "$target")
    [[ $to == "$from" ]] && continue
    if [[ -z ${rank[$to]+x} ]]; then
      echo "$file includes $target: folder '$to' has no place in the layer order"
      status=1
    elif ((rank[$to] > rank[$from])); then
      echo "$file includes $target: $from may not depend on $to"
      status=1
    fi
    echo "$from $to" >>"$edges"
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort)

# Belt and braces: the folder graph itself must have no cycle.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.err"; then
  echo "cycle between folders:"
  cat "$edges.err"
  status=1
fi
rm -f "$edges.err"
if ((status == 0)); then echo "layers: ok"; fi
exit $status
