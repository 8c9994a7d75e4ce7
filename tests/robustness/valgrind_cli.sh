#!/usr/bin/env bash
# Runs quorvane-cli under valgrind's memcheck: fails on any memory error and
# on any leak (definite, indirect or possible); memory still reachable at
# exit belongs to libraries and is not counted.
#   valgrind_cli.sh single|batch CLI
set -euo pipefail
what=$1
cli=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

memcheck=(valgrind --tool=memcheck --error-exitcode=99 --leak-check=full
          --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible
          --track-origins=yes --quiet)

case $what in
  single)
    # A window-less code: the search address as a PNG, with its record line.
    status=0
    "${memcheck[@]}" "$cli" --keyword '雨靴 rain boots' --gid 12345 --level Q --size 300x300 \
      -o "$dir/code.png" --info >"$dir/out" || status=$?
    [ "$status" -eq 0 ] || { echo "exit status $status (99: memcheck found errors)"; exit 1; }
    [ -s "$dir/code.png" ] || { echo "no image written"; exit 1; }
    grep -q '^version=' "$dir/out" || { echo "no --info line"; exit 1; }
    ;;
  batch)
    # Good rows, a ragged row and a row too long for version 40: the bad
    # ones go through the throwing sink and the loop goes on.
    long=$(printf 'x%.0s' $(seq 1 3000))
    printf 'keyword,gid,level\r\n"boots, rain",1001,H\r\n雨靴,1002\r\nonly-one-field\r\n%s,1003,L\r\nlast,1004,m\r\n' \
      "$long" >"$dir/items.csv"
    status=0
    "${memcheck[@]}" "$cli" --batch "$dir/items.csv" --out-dir "$dir/codes" --format png 2>"$dir/err" || status=$?
    [ "$status" -eq 1 ] || { cat "$dir/err"; echo "exit status $status, expected 1 (99: memcheck found errors)"; exit 1; }
    made=$(ls "$dir/codes" | wc -l)
    [ "$made" -eq 3 ] || { ls -a "$dir/codes"; echo "expected 3 files"; exit 1; }
    ;;
  *)
    echo "usage: $0 single|batch CLI" >&2
    exit 2
    ;;
esac
