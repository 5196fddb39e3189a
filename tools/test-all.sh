#!/usr/bin/env bash
# Builds Tarvik and runs every test: the portable core natively (AddressSanitizer and UBSan), a
# short run of each fuzz target, and the Win32 tests under Wine and Xvfb (in-process and end to
# end, each end-to-end test in a throw-away Wine prefix).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs=${JOBS:-$(nproc)}
fuzz_seconds=${FUZZ_SECONDS:-30}
passed=0
failed=0

count_plain() {  # adds up a "LABEL: N passed, M failed" line of a log
    local summary
    summary=$(grep -E "^$1: [0-9]+ passed, [0-9]+ failed" "$2" | tail -n 1)
    if [ -n "$summary" ]; then
        passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$summary")))
        failed=$((failed + $(sed -E 's/.*passed, ([0-9]+) failed.*/\1/' <<<"$summary")))
    else
        failed=$((failed + 1))
    fi
}

count() {  # adds up ctest's summary line of a log
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    if [ -n "$summary" ]; then
        local total bad
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
        bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    else
        failed=$((failed + 1))
    fi
}

mkdir -p build
echo "== Fuzz targets (${fuzz_seconds} s each)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DTARVIK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$jobs" >/dev/null
for target in build/fuzz/tests/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target" _fuzz)
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "tests/fuzz/corpus/$name" ] && cp -r "tests/fuzz/corpus/$name/." "$corpus/"
    if "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" >build/fuzz/$name.log 2>&1; then
        echo "fuzz $name: no finding in ${fuzz_seconds} s"
        passed=$((passed + 1))
    else
        echo "fuzz $name: FAILED (see build/fuzz/$name.log)"
        tail -n 30 "build/fuzz/$name.log"
        failed=$((failed + 1))
    fi
done

echo "== Results server (PHP)"
php server/tests/run-tests.php | tee build/server-tests.log || true
count_plain server build/server-tests.log

echo "== Native unit tests (AddressSanitizer, UBSan)"
cmake -S . -B build/native -DTARVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native -j "$jobs" --output-on-failure | tee build/native/ctest.log || true
count build/native/ctest.log

echo "== Win32 tests under Wine"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j "$jobs"
tools/with-display.sh ctest --test-dir build/win -j "$jobs" --output-on-failure | tee build/win/ctest.log || true
count build/win/ctest.log

echo "== Live upload through WinINet to the results server"
tools/with-display.sh tests/upload/post_to_server.sh build/win | tee build/upload-live.log || true
count_plain upload-live build/upload-live.log
if compgen -G "build/win/screenshots/*.png" >/dev/null; then
    echo "Screenshots: $(pwd)/build/win/screenshots"
fi

echo "tarvik: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
