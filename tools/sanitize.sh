#!/usr/bin/env bash
# Builds the editor and the tests that drive it hardest with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer into build-asan/, and runs those tests there. Any
# sanitizer report ends the test with an error, so it fails; no leak is suppressed. Qt itself is
# not instrumented: faults inside Qt are found only where they pass through the memory functions
# the sanitizer intercepts, or where they corrupt memory the project's code then reads.
set -euo pipefail
cd "$(dirname "$0")/.."

tests=(tst_longsession tst_badpictures tst_editing)
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-asan -j"$(nproc)" --target "${tests[@]}"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -R "$pattern"
