# The two commands of the README, plus benchmarks and fuzzing.
.PHONY: run run-editor test bench fuzz native windows format shots

run:
	tools/deps.sh run
	cmake --preset windows >/dev/null
	cmake --build --preset windows
	tools/run-bar.sh

# The web-services editor, built with the bar by the same build.
run-editor:
	tools/deps.sh run
	cmake --preset windows >/dev/null
	cmake --build --preset windows
	tools/run-editor.sh

test: native windows
	tools/check-format.sh
	tools/run-tests.sh

native:
	tools/deps.sh test
	cmake --preset native >/dev/null
	cmake --build --preset native

windows:
	tools/deps.sh test
	cmake --preset windows >/dev/null
	cmake --build --preset windows

bench: windows
	tools/deps.sh bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	build/bench/tests/bench/qrv_bench
	tools/deps.sh test
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target form_bench entry_bench help_bench prefs_bench hotkey_bench save_bench
	tools/run-form-bench.sh
	tools/run-startup-bench.sh

# The picture of every window in every state at 96 and 144 DPI: build/shots/index.html.
# SHOTS_FLAGS=--docs also copies the README's pictures into docs/.
shots:
	tools/deps.sh test
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target gallery
	tools/shots.sh $(SHOTS_FLAGS)

# Lays out every tracked C++ file as .clang-format says (tools/check-format.sh checks it).
format:
	tools/deps.sh test
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

fuzz:
	tools/deps.sh fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	tools/run-fuzz.sh $(FUZZ_SECONDS)
