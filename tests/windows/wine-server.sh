#!/bin/sh
# Starts one persistent Wine server for the whole suite, or stops it: a server
# started by each run would hold that run's pipes open for seconds after it.
# Usage: wine-server.sh start|stop WINE WINESERVER  (stop needs only WINESERVER)
set -e
export WINEDEBUG=-all
# The server outlives this script: it must not hold the test runner's pipes.
exec </dev/null >/dev/null 2>&1
case "$1" in
start)
    "$2" wineboot --init # makes the prefix; its own server ends shortly after
    "$3" -w
    "$3" -p
    # The first program starts Wine's services; several first programs at
    # once, as a parallel test run makes them, can hang for good.
    "$2" cmd /c exit
    ;;
stop)
    "$3" -k || true # nothing to stop is fine
    ;;
esac
