#!/bin/bash
# The window closes when the close request comes while the X server is busy. A client that hangs up
# before the server has read its request may lose it (the server then drops the client and what it
# sent), and on a loaded machine the close request was lost that way: the sender must wait for the
# server. The server is stopped between the request and its delivery, as a loaded machine delays it.
. "$(dirname "$0")/lib.sh"

start_program
server=$(pgrep -f "^Xvfb $DISPLAY( |$)" | head -1)
[ -n "$server" ] || fail "the X server of $DISPLAY was not found"
trap 'kill -CONT "$server" 2>/dev/null; kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
mkfifo "$WORK/go"
/usr/bin/python3 "$HERE/closewindow.py" "$WID" --when-told <"$WORK/go" >"$WORK/ready" &
sender=$!
exec 3>"$WORK/go"
wait_for "the close request was not ready to go" grep -q ready "$WORK/ready"
kill -STOP "$server"
echo go >&3
exec 3>&-
# Not a wait for a condition but the busy spell itself: a second of a server that does not read.
sleep 1
kill -0 "$sender" 2>/dev/null || fail "the close request's sender hung up before the busy server took the request"
kill -CONT "$server"
wait "$sender" || fail "the close request could not be sent"
wait_for "the program did not end after its window was closed while the X server was busy" program_ended
echo "close_while_busy: passed"
