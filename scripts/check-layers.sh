#!/usr/bin/env bash
# Lists which folder includes which (from every "quoted" include of the
# sources) and fails when the folders include each other in a cycle.
#   scripts/check-layers.sh [--list]
set -euo pipefail
cd "$(dirname "$0")/.."

sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files '*.h' '*.cpp'
  else
    find . -path ./build -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||'
  fi
}

edges=$(
  sources | while read -r file; do
    from=$(dirname "$file")
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file" |
      while read -r header; do
        to=$(dirname "$header")
        if [ "$from" != "$to" ]; then echo "$from $to"; fi
      done
  done | sort -u
)

if [ "${1:-}" = "--list" ]; then
  echo "$edges" | awk '{ printf "%-22s includes %s\n", $1, $2 }'
fi

if ! order=$(echo "$edges" | tsort 2>/tmp/check-layers.$$); then
  echo "Folders include each other in a cycle:" >&2
  grep -v "^tsort: -: input contains a loop:" /tmp/check-layers.$$ | sed 's/^tsort: /  /' >&2
  rm -f /tmp/check-layers.$$
  exit 1
fi
rm -f /tmp/check-layers.$$
echo "No include cycle between folders ($(echo "$edges" | wc -l) folder-to-folder includes)."
