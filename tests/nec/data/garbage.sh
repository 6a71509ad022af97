#!/bin/sh
# Stands in for a nec2c that prints something else than its report.
cat >/dev/null
echo "Segmentation fault"
