#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest. Its output goes through
# files: a process it starts (the bar, the stand-in Outlook, a handler under
# test) inherits the output handles, and a pipe would stay open, keeping ctest
# waiting, for as long as any of them still runs after the test ended.
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
# Wine's own messages are off (WINEDEBUG): a program that never started would fail without a word.
[[ $rc -ne 0 && ! -s "$out" ]] && echo "wine ended with status $rc before the program wrote anything" >&2
exit $rc
