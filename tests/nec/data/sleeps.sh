#!/bin/sh
# Stands in for a nec2c wrapper script that never finishes: a child of its own sleeps on, holding
# the output open. Writes the child's id to $VELMORA_TEST_PID_FILE.
sleep 30 &
echo $! >"$VELMORA_TEST_PID_FILE"
wait
