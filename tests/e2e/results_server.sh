#!/usr/bin/env bash
# Starts or stops the results server that the end-to-end upload test posts to, on this machine
# only. The port is written beside the database for the test to read.
# Usage: results_server.sh start|stop FOLDER
set -euo pipefail
action=${1:?usage: results_server.sh start|stop FOLDER}
folder=${2:?usage: results_server.sh start|stop FOLDER}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
case $action in
    start)
        rm -rf "$folder"
        mkdir -p "$folder"
        port=$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo explode(":", stream_socket_get_name($s, false))[1];')
        TARVIK_RESULTS_DB=$folder/results.sqlite nohup php -S "127.0.0.1:$port" -t "$root/server/public" \
            >"$folder/server.log" 2>&1 &
        echo $! >"$folder/pid"
        for _ in $(seq 100); do
            php -r "exit(@fsockopen('127.0.0.1', $port) ? 0 : 1);" && break
            sleep 0.1
        done
        echo "$port" >"$folder/port"
        ;;
    stop)
        [ -f "$folder/pid" ] && kill "$(cat "$folder/pid")" 2>/dev/null || true
        ;;
esac
