#!/bin/sh
# Builds the fuzz targets with clang and runs each for a while.
#   fuzz/run.sh [seconds per target, default 60]
# A fault stops the run and leaves its input as crash-* in build-fuzz/; copy
# it into fuzz/regressions/<target>/ so that the normal tests replay it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build="$here/../build-fuzz"
seconds=${1:-60}
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)"
for target in fuzz_internetheaders fuzz_httpresponse; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$here/regressions/$target"
    echo "== $target for ${seconds}s"
    # A short allocation history keeps AddressSanitizer from slowing the
    # runs down more than it has to.
    (cd "$build" && ASAN_OPTIONS=malloc_context_size=2 "./$target" -max_total_time="$seconds" \
        -timeout=10 "$corpus" "$here/seeds/$target" "$here/regressions/$target")
done
