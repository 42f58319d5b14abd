#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest. Its output goes through
# files: a process it starts (the bar, the stand-in Outlook, a handler under
# test) inherits the output handles, and a pipe would stay open, keeping ctest
# waiting, for as long as any of them still runs after the test ended.
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
# Under load Wine now and then fails to start a program at all (status 1,
# not a word written, in a hundredth of a second): that start is made again,
# once. A program that fails on its own fails the same way the second time.
if [[ $rc -ne 0 && ! -s "$out" && ! -s "$err" ]]; then
  sleep 1
  wine "$@" >"$out" 2>"$err" </dev/null
  rc=$?
fi
cat "$out"
cat "$err" >&2
# Wine's own messages are off (WINEDEBUG): a program that never started would fail without a word.
[[ $rc -ne 0 && ! -s "$out" ]] && echo "wine ended with status $rc before the program wrote anything" >&2
exit $rc
