#!/usr/bin/env bash
# Prints the folders of the program in their order, lowest first, each with
# the folders it includes (from every "quoted" include of the sources), and
# fails when the folders include each other in a cycle. The build enforces
# the same order: each folder compiles against a view of those beneath it.
#   scripts/check-layers.sh [--list]   --list: every include edge, tests too
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
echo "Folders, lowest first, and the folders each includes:"
echo "$order" | tac | grep -v -E '^(tests|bench)(/|$)' | while read -r folder; do
  below=$(echo "$edges" | awk -v f="$folder" '$1 == f { printf " %s", $2 }')
  printf "  %-18s%s\n" "$folder" "$below"
done
echo "No include cycle between folders ($(echo "$edges" | wc -l) folder-to-folder includes)."
