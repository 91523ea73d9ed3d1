#!/usr/bin/env bash
# Builds the picture-load fuzzer with clang 14 (libFuzzer, AddressSanitizer, UndefinedBehavior-
# Sanitizer) into build-fuzz/ and runs it for the given number of seconds (default 600). The corpus
# grows in build-fuzz/corpus/; a crashing input is written to build-fuzz/artifacts/. Installs the
# compiler and its runtime first when they are missing (as root; otherwise prints the apt-get line).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"

tools/install-packages.sh clang-14 libclang-rt-14-dev cmake make qt6-base-dev

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j2
mkdir -p build-fuzz/corpus build-fuzz/artifacts
cd build-fuzz
exec ./picture_fuzzer corpus ../fuzz/seeds ../assets -dict=../fuzz/bmp.dict \
    -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -jobs=1 -artifact_prefix=artifacts/
