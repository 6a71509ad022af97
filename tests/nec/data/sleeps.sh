#!/bin/sh
# Stands in for a nec2c that never finishes.
exec sleep 30
