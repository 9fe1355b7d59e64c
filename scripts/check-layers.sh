#!/usr/bin/env bash
# Checks the house rules of the source tree's includes (tests and benchmarks
# aside: */tests/, e2e/, bench/):
#  - nothing outside app/ includes a file of app/: the subsystems never reach
#    up into the main window;
#  - no two folders include each other, counting a top-level folder with all
#    its subfolders (alarm/, display/, win/, ...) and each folder on its own.
# Prints every include that breaks a rule and exits non-zero when there is one.
# Usage: check-layers.sh [source root]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# "file<TAB>included path" for every quoted include of a file of this tree.
includes() {
  find . \( -path ./build -o -path './build-*' -o -path ./dist -o -path ./dist-test -o -path ./.git \
            -o -path ./e2e -o -path ./bench -o -path '*/tests' \) -prune -o \
       -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' -o -name '*.rc' \) -print |
    sed 's#^\./##' | sort |
    while IFS= read -r f; do
      sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f" |
        while IFS= read -r inc; do
          [ -f "$inc" ] && printf '%s\t%s\n' "$f" "$inc"
        done
    done
}

all=$(includes)
bad=0

up=$(awk -F'\t' '$2 ~ /^app\// && $1 !~ /^app\//' <<<"$all")
if [ -n "$up" ]; then
  echo "Files outside app/ that include app/:"
  sed 's/\t/ -> /; s/^/  /' <<<"$up"
  bad=1
fi

# Folder pairs that include each other, at two grains: the top-level folder
# and the file's own folder.
for grain in top own; do
  pairs=$(awk -F'\t' -v grain="$grain" '
    function folder(p,   n, parts) {
      n = split(p, parts, "/")
      if (n < 2) return "."
      if (grain == "top") return parts[1]
      sub(/\/[^\/]*$/, "", p); return p
    }
    { a = folder($1); b = folder($2); if (a != b) print a "\t" b "\t" $1 "\t" $2 }' <<<"$all")
  cycles=$(awk -F'\t' '
    { edge[$1 "\t" $2] = edge[$1 "\t" $2] "  " $3 " -> " $4 "\n" }
    END {
      for (e in edge) {
        split(e, ab, "\t"); back = ab[2] "\t" ab[1]
        if ((back in edge) && ab[1] < ab[2])
          printf "%s/ and %s/ include each other:\n%s%s", ab[1], ab[2], edge[e], edge[back]
      }
    }' <<<"$pairs")
  if [ -n "$cycles" ]; then
    printf '%s\n' "$cycles"
    bad=1
  fi
done

if [ "$bad" -eq 0 ]; then
  echo "layers: $(wc -l <<<"$all") includes checked; none reaches into app/, no two folders include each other"
fi
exit "$bad"
