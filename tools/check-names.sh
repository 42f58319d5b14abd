#!/usr/bin/env bash
# Checks the names of our C++ sources against the project's convention with
# clang-tidy (the rules are in .clang-tidy at the root); --fix renames what it
# can. Each source is checked with the flags of the build that compiles it:
# native, bench or fuzz (g++/clang) first, else the Windows build (mingw-w64),
# which clang reads with the Windows target and mingw's own C++ headers.
# --wide adds the bug, performance and analyzer checks, too slow for every
# build (they more than treble the compile time) but kept clean all the same.
# Usage: tools/check-names.sh [--fix | --wide] [files or folders...]   (default: all)
# Configure the builds first (make native windows).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fixes=""
wide=()
wide_tests=()
wide_bench=()
if [[ "${1:-}" == "--wide" ]]; then
  # Swappable parameters: every Win32-shaped function of two HWNDs or two ints is one.
  wide=("--checks=bugprone-*,-bugprone-easily-swappable-parameters,performance-*,-performance-no-int-to-ptr,clang-analyzer-*"
        "--warnings-as-errors=*")
  # A test's few-element vectors need no reserve, and a benchmark's loop
  # variable (for (auto _ : state)) is never read.
  wide_tests=("${wide[0]},-performance-inefficient-vector-operation" "${wide[1]}")
  wide_bench=("${wide_tests[0]},-clang-analyzer-deadcode.DeadStores" "${wide[1]}")
  shift
elif [[ "${1:-}" == "--fix" ]]; then
  fixes=$(mktemp -d)
  trap 'rm -rf "$fixes"' EXIT
  shift
fi

# The sources one compile database holds, one a line.
listed() {
  [[ -f "$1" ]] || return 0
  python3 -c 'import json,sys; [print(e["file"]) for e in json.load(open(sys.argv[1]))]' "$1" | sort -u
}

# The .cpp files asked for, as absolute paths.
asked() {
  if [[ $# -eq 0 ]]; then
    git ls-files '*.cpp'
  else
    for p in "$@"; do
      if [[ -d "$p" ]]; then git ls-files "$p" | grep '\.cpp$' || true; else echo "$p"; fi
    done
  fi | while read -r f; do realpath -m "$f"; done | sort -u
}
left=$(asked "$@")

mingw_cxx=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*posix/include/c++ 2>/dev/null | head -1)
windows_args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++
              "--extra-arg=-isystem$mingw_cxx" "--extra-arg=-isystem$mingw_cxx/x86_64-w64-mingw32"
              "--extra-arg=-isystem$mingw_cxx/backward")

status=0
for build in native bench fuzz windows; do
  files=$(comm -12 <(echo "$left") <(listed "build/$build/compile_commands.json"))
  [[ -z "$files" ]] && continue
  left=$(comm -23 <(echo "$left") <(echo "$files"))
  # As in the build, the compiler and not clang judges the warnings.
  args=(-p "build/$build" --quiet --extra-arg=-Wno-error)
  [[ "$build" == windows ]] && args+=("${windows_args[@]}")
  if [[ -n "$fixes" ]]; then
    # Each source exports its renames; they are applied together at the end, so
    # that a name declared in a header is renamed in every source that uses it.
    echo "$files" | xargs -P "$(nproc)" -I{} sh -c \
      'clang-tidy "$@" --export-fixes="$0/$(echo {} | md5sum | cut -c1-16).yaml" {} >/dev/null 2>&1 || true' \
      "$fixes" "${args[@]}"
  else
    code=$(grep -v "^$root/tests/" <<<"$files" || true)
    tests=$(grep "^$root/tests/" <<<"$files" | grep -v "^$root/tests/bench/" || true)
    bench=$(grep "^$root/tests/bench/" <<<"$files" || true)
    [[ -z "$code" ]] || echo "$code" | xargs -P "$(nproc)" -n 4 clang-tidy "${args[@]}" "${wide[@]}" || status=1
    [[ -z "$tests" ]] || echo "$tests" | xargs -P "$(nproc)" -n 4 clang-tidy "${args[@]}" "${wide_tests[@]}" || status=1
    [[ -z "$bench" ]] || echo "$bench" | xargs -P "$(nproc)" -n 4 clang-tidy "${args[@]}" "${wide_bench[@]}" || status=1
  fi
done
if [[ -n "$left" ]]; then
  echo "Not in any configured build (run make native windows first):" >&2
  echo "$left" >&2
  status=1
fi
if [[ -n "$fixes" ]]; then
  clang-apply-replacements "$fixes" || status=1
  # What is left for a person to rename.
  "$0" "$@" || status=1
fi
exit $status
