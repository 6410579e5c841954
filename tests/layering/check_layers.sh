#!/usr/bin/env bash
# Fails when a source file includes a header across a forbidden edge between
# the layers, and names each such include.
#   check_layers.sh SOURCE_DIR
set -eu
cd "$1"

# A layer may include "only" the folders listed (and what is not the
# project's, such as the standard library), or "never" them.
rules='
text/         only   text/
compiler/     only   text/ compiler/
interpreter/  never  editor/ ide/ platform/qt/
platform/     never  editor/ ide/ compiler/ interpreter/
editor/       never  ide/ compiler/ interpreter/
'
project='text/ compiler/ interpreter/ platform/ editor/ ide/ tools/ tests/ bench/ fuzz/'

layers=$(awk 'NF { print $1 }' <<< "$rules")
# shellcheck disable=SC2086  # the layers are a list of folders
find $layers -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) -print0 |
  xargs -0 grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' |
  awk -v rules="$rules" -v project="$project" '
    function under(path, folders,   n, i, f) {
      n = split(folders, f, " ")
      for (i = 1; i <= n; i++) if (index(path, f[i]) == 1) return 1
      return 0
    }
    # Folds "dir/../" and "./" out of a path.
    function normal(path,   n, i, part, out, k) {
      n = split(path, part, "/")
      k = 0
      for (i = 1; i <= n; i++) {
        if (part[i] == "." || part[i] == "") continue
        if (part[i] == ".." && k > 0) { k--; continue }
        out[++k] = part[i]
      }
      path = out[1]
      for (i = 2; i <= k; i++) path = path "/" out[i]
      return path
    }
    function exists(path,   line, r) {
      r = (getline line < path) >= 0
      close(path)
      return r
    }
    BEGIN {
      n = split(rules, line, "\n")
      for (i = 1; i <= n; i++) {
        m = split(line[i], w, " ")
        if (m < 3) continue
        kind[w[1]] = w[2]
        list[w[1]] = w[3]
        for (j = 4; j <= m; j++) list[w[1]] = list[w[1]] " " w[j]
      }
    }
    {
      file = substr($0, 1, index($0, ":") - 1)
      target = $0
      sub(/^[^:]*:[[:space:]]*#[[:space:]]*include[[:space:]]*["<]/, "", target)
      sub(/[">].*/, "", target)
      # A quoted include is looked for beside the file first.
      dir = file
      sub(/[^\/]*$/, "", dir)
      if (exists(dir target)) target = normal(dir target)
      layer = substr(file, 1, index(file, "/"))
      if (kind[layer] == "only") bad = under(target, project) && !under(target, list[layer])
      else bad = under(target, list[layer])
      if (bad) {
        if (kind[layer] == "only") printf "%s includes %s, but %s includes only %s\n", file, target, layer, list[layer]
        else printf "%s includes %s, but %s never includes %s\n", file, target, layer, list[layer]
        failed = 1
      }
    }
    END { exit failed }
  '
