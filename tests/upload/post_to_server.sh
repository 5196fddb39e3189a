#!/usr/bin/env bash
# Posts a standard-run body through the program's WinINet upload, under Wine, to the real
# results server, and checks what the server stored.
# Usage: tests/upload/post_to_server.sh [BUILD_DIR]   (default build/win; needs
#        BUILD_DIR/bin/tarvik_win32_tests.exe, php with PDO SQLite, Wine)
# Prints "upload-live: N passed, M failed" and exits non-zero when anything failed.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-build/win}
case $build in /*) ;; *) build=$root/$build ;; esac
tests_exe=$build/bin/tarvik_win32_tests.exe

passed=0
failed=0
check() {  # check NAME CONDITION-STATUS [DETAIL]
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "upload-live: FAILED: $1${3:+ ($3)}" >&2
    fi
}
finish() {
    echo "upload-live: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvik-upload-live.XXXXXX")
php_pid=
cleanup() {
    if [ -n "$php_pid" ]; then
        kill "$php_pid" 2>/dev/null
        wait "$php_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if [ ! -f "$tests_exe" ]; then
    check "test program $tests_exe exists" 1
    finish
fi

port=$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); $n = stream_socket_get_name($s, false); echo substr($n, strrpos($n, ":") + 1);')
db=$work/results.sqlite
TARVIK_RESULTS_DB=$db php -S "127.0.0.1:$port" -t "$root/server/public" >"$work/php.log" 2>&1 &
php_pid=$!
ready=1
for _ in $(seq 1 100); do
    if php -r 'exit(@fsockopen("127.0.0.1", (int)$argv[1]) ? 0 : 1);' "$port"; then
        ready=0
        break
    fi
    sleep 0.1
done
check "results server listens on 127.0.0.1:$port" $ready
[ $ready -eq 0 ] || finish

# The client goes straight to the server, never through a proxy of the caller's environment.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
export TARVIK_RESULTS_SERVER=127.0.0.1:$port
"$root/tools/wine/run-in-prefix.sh" "$tests_exe" --gtest_filter='UploadLive*' >"$work/test.log" 2>&1
status=$?
tr -d '\r' <"$work/test.log" >"$work/test.txt"
check "in-process live upload test passes" $status "exit $status; see output below"
grep -q '^\[  PASSED  \] 1 test' "$work/test.txt"
check "the live test ran rather than skipped" $?
if grep -q 'SKIPPED' "$work/test.txt" || [ $status -ne 0 ]; then
    cat "$work/test.txt" >&2
fi

body=$(sed -n 's/^upload-live body: //p' "$work/test.txt")
[ -n "$body" ]
check "the test printed the body it sent" $?

stored=$(php -r '
    $db = new PDO("sqlite:" . $argv[1]);
    $rows = $db->query("SELECT body FROM results")->fetchAll(PDO::FETCH_COLUMN);
    if (count($rows) !== 1) { fwrite(STDERR, count($rows) . " rows stored\n"); exit(1); }
    echo $rows[0];' "$db" 2>"$work/php-check.log")
check "exactly one row stored" $? "$(cat "$work/php-check.log")"
[ -n "$body" ] && [ "$stored" = "$body" ]
check "stored body equals the body sent" $? "sent '$body', stored '$stored'"
finish
