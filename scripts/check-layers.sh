#!/usr/bin/env bash
# Checks the floors of the house: which folders of the source tree include
# which. Every #include, quoted or angled, is resolved to a file of the tree,
# first beside the including file, then from the tree's root (angled: the
# other way round); one that names no file of the tree is a system or
# generated header and is left alone. A file belongs to its top-level folder,
# except that the tests of a folder (every */tests/, */fuzz/, */testplugins/)
# are a folder of their own.
#
#   floor 0   win/ resources/
#   floor 1   ui/                                     (may include floor 0)
#   floor 2   display/ settings/ speech/ alarm/ shell/ (floors 0-1, and each other)
#   floor 3   app/                                    (everything below)
#   outside   tools/ kit/ e2e/ bench/ installer/ and the tests: built on the
#             build machine or for the tests only; they may include any floor
#             and each other, but nothing on a floor includes them.
#
# A folder includes only folders on lower floors, except the subsystems of
# floor 2, which may include each other; and no folders include each other in
# a circle, however long, counting top-level folders (tests apart) and each
# folder on its own (speech/ apart from speech/phrases/).
#
# Prints every include that breaks a rule and every circle, and exits non-zero
# when there is one.
#   check-layers.sh [--table] [source root]   --table: which folders include which
#   check-layers.sh --self-test [source root] plants breaks in a copy of the tree
#                                             and expects each to be caught
set -uo pipefail

table=0 selftest=0
while [ $# -gt 0 ]; do
  case $1 in
    --table) table=1 ;;
    --self-test) selftest=1 ;;
    -*) echo "check-layers.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
  shift
done
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

# Every file of the tree, build output aside, relative to the root.
tree_files() {
  (cd "$1" && find . \( -path './.*' -o -path ./build -o -path './build-*' -o -path ./dist -o -path ./dist-test \
                         -o -path ./test-output \) -prune -o -type f -print) | sed 's#^\./##' | LC_ALL=C sort
}
source_pattern='\.(h|hh|hpp|hxx|inl|ipp|c|cc|cpp|cxx|rc)$'

check() {
  local root=$1 files
  files=$(mktemp) || exit 2
  tree_files "$root" >"$files"
  (cd "$root" && awk -v table="$table" -v srcpat="$source_pattern" '
    # "a/./b/../c" -> "a/c"; "" when the path leaves the tree.
    function norm(p,   n, parts, out, k, i, res) {
      n = split(p, parts, "/"); k = 0
      for (i = 1; i <= n; i++) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { if (k == 0) return ""; k--; continue }
        out[++k] = parts[i]
      }
      res = out[1]
      for (i = 2; i <= k; i++) res = res "/" out[i]
      return res
    }
    function dirname(p) { return sub(/\/[^\/]*$/, "", p) ? p : "." }
    # The folder a file belongs to: its tests folder, else its top-level folder.
    function node(p) {
      if (match(p, /(^|\/)(tests|fuzz|testplugins)\//)) return substr(p, 1, RSTART + RLENGTH - 2)
      return index(p, "/") ? substr(p, 1, index(p, "/") - 1) : "."
    }
    function floor_of(n,   top) {
      if (n ~ /(^|\/)(tests|fuzz|testplugins)$/) return "outside"
      top = n; sub(/\/.*/, "", top)
      return (top in floors) ? floors[top] : "none"
    }
    function resolve(from, inc, angled,   rel, abs) {
      rel = norm(dirname(from) "/" inc); abs = norm(inc)
      if (angled) { if (abs != "" && (abs in exists)) return abs; if (rel != "" && (rel in exists)) return rel }
      else        { if (rel != "" && (rel in exists)) return rel; if (abs != "" && (abs in exists)) return abs }
      return ""
    }
    function violation(msg) { print msg; bad = 1 }
    # Adds the edge a -> b of grain g, keeping its first include as an example.
    function edge(g, a, b, what) {
      if (a == b) return
      if (!((g, a, b) in count)) { out[g, a] = out[g, a] " " b; example[g, a, b] = what }
      count[g, a, b]++
      nodes[g, a] = 1; nodes[g, b] = 1
    }
    # Tarjan: the strongly connected folders of grain g reachable from u.
    # Each knot of more than one folder holds a circle: its shortest is told.
    function visit(g, u,   n, succ, i, v, members, size) {
      idx[g, u] = low[g, u] = ++visited; stack[++sp] = u; onstack[g, u] = 1
      n = split(out[g, u], succ, " ")
      for (i = 1; i <= n; i++) {
        v = succ[i]
        if (!((g, v) in idx)) { visit(g, v); if (low[g, v] < low[g, u]) low[g, u] = low[g, v] }
        else if (onstack[g, v] && idx[g, v] < low[g, u]) low[g, u] = idx[g, v]
      }
      if (low[g, u] != idx[g, u]) return
      ++knots; members = ""; size = 0
      do { v = stack[sp--]; onstack[g, v] = 0; knot[g, v] = knots; members = members " " v; size++ } while (v != u)
      if (size > 1) tell_circle(g, knots, members, size)
    }
    # A shortest circle of a knot, written from its least folder (the least
    # that lies on a shortest circle), with an include for each step.
    function tell_circle(g, k, members, size,   m, n, i, s, qh, qt, queue, prev, x, y, succ, j, path, c, len, first, line, best, bestlen, bestpath, t) {
      m = split(members, mem, " "); isort(mem, m); bestlen = 0
      for (i = 1; i <= m; i++) {
        s = mem[i]; split("", prev); qh = 1; qt = 0; queue[++qt] = s; prev[s] = ""; len = 0
        while (qh <= qt && !len) {
          x = queue[qh++]
          n = split(out[g, x], succ, " ")
          for (j = 1; j <= n && !len; j++) {
            y = succ[j]
            if (knot[g, y] != k) continue
            if (y == s) {
              for (c = 0; x != s; x = prev[x]) path[++c] = x
              path[++c] = s; len = c
            } else if (!(y in prev)) { prev[y] = x; queue[++qt] = y }
          }
        }
        # path[len..1] runs from s round the circle.
        line = ""
        for (c = len; c >= 1; c--) line = line path[c] "/ -> "
        line = line s "/"
        if (!bestlen || len < bestlen || (len == bestlen && line < best)) {
          best = line; bestlen = len; bestpath = ""
          for (c = len; c >= 1; c--) bestpath = bestpath " " path[c]
        }
      }
      violation("Folders that include each other in a circle: " best)
      n = split(bestpath, path, " ")
      for (c = 1; c <= n; c++) violation("  " example[g, path[c], path[c % n + 1]])
      if (size > bestlen) {
        line = ""; for (i = 1; i <= m; i++) line = line " " mem[i] "/"
        violation("  (one knot of" line ")")
      }
    }
    # Sorts a[1..n] (small lists).
    function isort(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    }
    BEGIN {
      floors["win"] = 0; floors["resources"] = 0
      floors["ui"] = 1
      floors["display"] = 2; floors["settings"] = 2; floors["speech"] = 2; floors["alarm"] = 2; floors["shell"] = 2
      floors["app"] = 3
      floors["tools"] = "outside"; floors["kit"] = "outside"; floors["e2e"] = "outside"
      floors["bench"] = "outside"; floors["installer"] = "outside"
    }
    { exists[$0] = 1; all[++nfiles] = $0 }
    END {
      for (f = 1; f <= nfiles; f++) {
        file = all[f]
        if (file !~ srcpat) continue
        while ((getline line < file) > 0) {
          if (line !~ /^[ \t]*#[ \t]*include[ \t]*[<"]/) continue
          angled = line ~ /^[ \t]*#[ \t]*include[ \t]*</
          inc = line; sub(/^[ \t]*#[ \t]*include[ \t]*[<"]/, "", inc)
          if (!sub(/[">].*/, "", inc)) continue
          target = resolve(file, inc, angled)
          if (target == "") continue
          includes++
          what = file " -> " target
          a = node(file); b = node(target)
          edge("top", a, b, what)
          if (a == b) { edge("own", dirname(file), dirname(target), what); continue }
          fa = floor_of(a); fb = floor_of(b)
          if (fa == "none" && !(a in unplaced)) { unplaced[a] = 1; violation(a "/ stands on no floor (see the table in check-layers.sh): " what) }
          if (fb == "none" && !(b in unplaced)) { unplaced[b] = 1; violation(b "/ stands on no floor (see the table in check-layers.sh): " what) }
          if (fa == "none" || fb == "none") continue
          if (fb == "outside") {
            if (fa != "outside") violation(a "/ includes " b "/, which only the build and the tests may: " what)
          } else if (fa != "outside") {
            if (fb > fa) violation(a "/ (floor " fa ") reaches up to " b "/ (floor " fb "): " what)
            else if (fb == fa && fa != 2) violation(a "/ and " b "/ share floor " fa ", where folders do not include each other: " what)
          }
        }
        close(file)
      }
      for (g = 1; g <= 2; g++) {
        grain = g == 1 ? "top" : "own"
        n = 0
        for (k in nodes) { split(k, parts, SUBSEP); if (parts[1] == grain) list[++n] = parts[2] }
        isort(list, n)
        for (i = 1; i <= n; i++) if (!((grain, list[i]) in idx)) visit(grain, list[i])
        if (table && grain == "top") {
          print "Folder -> the folders it includes (number of includes):"
          for (i = 1; i <= n; i++) {
            m = split(out[grain, list[i]], succ, " ")
            if (m == 0) continue
            isort(succ, m); row = ""
            for (j = 1; j <= m; j++) row = row " " succ[j] "/ (" count[grain, list[i], succ[j]] ")"
            printf "  %-22s%s\n", list[i] "/", row
          }
        }
      }
      if (!bad) printf "layers: %d includes checked; every folder stands on its floor, no folders include each other in a circle\n", includes
      exit bad
    }' "$files")
  local rc=$?
  rm -f "$files"
  return $rc
}

# Copies the tree's sources, checks that the copy passes, then plants one
# break at a time and checks that each is caught with the right complaint.
self_test() {
  local tmp fail=0
  tmp=$(mktemp -d) || exit 2
  trap 'rm -rf "$tmp"' RETURN
  (cd "$root" && tree_files . | grep -E "$source_pattern" | while IFS= read -r f; do
     mkdir -p "$tmp/copy/${f%/*}" && cp "$f" "$tmp/copy/$f"
   done)
  local copy=$tmp/copy
  # The first source file of a folder, tests aside.
  first_of() { (cd "$copy" && find "$1" -maxdepth 1 -name '*.cpp' | LC_ALL=C sort | head -n 1); }

  if ! out=$(table=0 check "$copy" 2>&1); then
    echo "self-test: the clean copy of the tree fails:"; echo "$out"; return 1
  fi

  # plant <what> <expected complaint, a regular expression> <file> <include line> [<file> <include line>]...
  plant() {
    local what=$1 expect=$2; shift 2
    local -a planted=()
    while [ $# -gt 0 ]; do
      cp "$copy/$1" "$tmp/saved.$#" && printf '%s\n' "$2" >>"$copy/$1"
      planted+=("$1" "$tmp/saved.$#"); shift 2
    done
    local out rc
    out=$(table=0 check "$copy" 2>&1); rc=$?
    if [ $rc -eq 0 ] || ! grep -qE -- "$expect" <<<"$out"; then
      echo "self-test: not caught: $what (expected \"$expect\", exit $rc):"; echo "$out"; fail=1
    else
      echo "self-test: caught: $what"
    fi
    while [ ${#planted[@]} -gt 0 ]; do cp "${planted[1]}" "$copy/${planted[0]}"; planted=("${planted[@]:2}"); done
  }
  local alarm settings ui tools display speech
  alarm=$(first_of alarm) settings=$(first_of settings) ui=$(first_of ui) display=$(first_of display)
  speech=$(first_of speech) tools=$(cd "$copy" && find tools -name '*.h' | LC_ALL=C sort | head -n 1)
  for f in "$alarm" "$settings" "$ui" "$display" "$speech" "$tools"; do
    [ -n "$f" ] || { echo "self-test: a folder to plant in has no source file"; return 1; }
  done
  plant "a path relative to the file's folder reaching into app/" "alarm/ \\(floor 2\\) reaches up to app/ \\(floor 3\\): $alarm -> app/main_form\\.h" \
        "$alarm" '#include "../app/main_form.h"'
  plant "an angled include of app/" "settings/ \\(floor 2\\) reaches up to app/ \\(floor 3\\): $settings -> app/main_form\\.h" \
        "$settings" '#include <app/main_form.h>'
  plant "ui/ includes display/" "ui/ \\(floor 1\\) reaches up to display/ \\(floor 2\\): $ui -> display/face_images\\.h" \
        "$ui" '#include "display/face_images.h"'
  plant "a circle of three folders through tools/" "circle: display/ -> ui/ -> tools/ -> display/\$" \
        "$ui" "#include \"$tools\"" "$tools" '#include "display/face_images.h"' "$display" '#include "ui/scale.h"'
  plant "a circle of three subsystems" "circle: display/ -> speech/ -> settings/ -> display/\$" \
        "$display" '#include "speech/voice_list.h"' "$speech" '#include "settings/clock_settings.h"' \
        "$settings" '#include "display/face_images.h"'
  plant "a folder and its subfolder include each other" "circle: display/ -> display/art/ -> display/\$" \
        "$display" '#include "display/art/raster.h"' "display/art/raster.h" '#include "display/picture.h"'
  [ $fail -eq 0 ] && echo "self-test: the clean copy passes and every planted break is caught"
  return $fail
}

if [ "$selftest" -eq 1 ]; then
  self_test
else
  check "$root"
fi
