#!/usr/bin/env bash
# Fails when a source file includes a header from a layer above its own, naming the file and the
# include. The layers, bottom to top, are the folders below; each may include only from itself and
# the folders before it, except that the analysis core, which needs no widgets, may not include
# the widget layer either.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(runtime/core runtime/gui analysis windows app)

layer_of() {
  local i
  for i in "${!layers[@]}"; do
    if [[ "$1" == "${layers[$i]}/"* ]]; then echo "$i"; return; fi
  done
  echo -1
}

violations=0
while IFS= read -r file; do
  own=$(layer_of "$file")
  while IFS=: read -r line included; do
    target=$(layer_of "$included")
    if ((target > own)); then
      echo "$file:$line: includes \"$included\" from ${layers[$target]}/, above ${layers[$own]}/"
      violations=$((violations + 1))
    elif [[ "$file" == analysis/* && "$included" == runtime/gui/* ]]; then
      echo "$file:$line: includes \"$included\": the analysis core uses no widgets"
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
