#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the curve and the single-value dialog through a private CUPS scheduler (own config,
# socket, spool and logs in a temporary folder) on a PostScript queue whose output lands in a
# file, and lets print_test check what the server received and what the queue made of it.
#   cups_print_test.sh PRINT_TEST_BINARY
set -euo pipefail
print_test=$1
PATH=$PATH:/usr/sbin
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for tool in cupsd lpadmin lpstat ps2pdf pdftotext pdfimages; do
  command -v "$tool" >/dev/null && [ -r "$ppd" ] && continue
  echo "SKIP: scripts/setup.sh installs cups, printer-driver-cups-pdf, ghostscript, poppler-utils"
  exit 77
done

dir=$(mktemp -d /tmp/velmora-cups.XXXXXX)
chmod 755 "$dir"  # the filters run as another user and read the spool below it
mkdir -p "$dir"/{conf,spool,cache,state,tmp,log,out,home}
chmod 1777 "$dir/tmp"
user=$(id -un) group=$(id -gn)
[ "$(id -u)" -ne 0 ] || user=lp group=lp
cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
User $user
Group $group
SystemGroup $(id -gn)
EOF
cat >"$dir/conf/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
PreserveJobFiles Yes
Browsing No
WebInterface No
DefaultPolicy open
<Policy open>
<Limit All>
Order deny,allow
</Limit>
</Policy>
EOF

cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" &
cupsd_pid=$!
cleanup() {
  kill "$cupsd_pid" 2>/dev/null || true
  wait "$cupsd_pid" 2>/dev/null || true
  [ -n "${VELMORA_PRINT_KEEP:-}" ] || rm -rf "$dir"
}
trap cleanup EXIT

export CUPS_SERVER=$dir/cups.sock HOME=$dir/home
for _ in $(seq 100); do
  [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpadmin -p VelmoraTest -v "file://$dir/out/job.ps" -P "$ppd" -E 2>/dev/null
lpadmin -d VelmoraTest

VELMORA_TEST_CUPS_DIR=$dir "$print_test" pages && exit 0
cat "$dir/log/error_log" 2>/dev/null
exit 1
