#!/usr/bin/env bash
# Fails when a source file includes a header from a layer it may not use, naming the file and the
# include. The layers are the folders below, bottom to top; each may include from itself and from
# the layers it builds on, which are the ones its library links: the analysis core, which needs no
# widgets, builds on runtime/core alone.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(runtime/core runtime/gui analysis windows app)
declare -A may_include=(
  [runtime/core]="runtime/core"
  [runtime/gui]="runtime/gui runtime/core"
  [analysis]="analysis runtime/core"
  [windows]="windows analysis runtime/gui runtime/core"
  [app]="app windows analysis runtime/gui runtime/core"
)

layer_of() {
  local layer
  for layer in "${layers[@]}"; do
    if [[ "$1" == "$layer/"* ]]; then echo "$layer"; return; fi
  done
}

violations=0
while IFS= read -r file; do
  own=$(layer_of "$file")
  while IFS=: read -r line included; do
    target=$(layer_of "$included")
    if [[ -n "$target" && " ${may_include[$own]} " != *" $target "* ]]; then
      echo "$file:$line: includes \"$included\" from $target/, which $own/ may not use"
      violations=$((violations + 1))
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
           sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/' || true)
done < <(git ls-files -- "${layers[@]/%//*.h}" "${layers[@]/%//*.cpp}" "${layers[@]/%//*.in}")

if ((violations > 0)); then
  echo "$violations include(s) break the layering"
  exit 1
fi
echo "includes: every one points down or stays in its layer"
