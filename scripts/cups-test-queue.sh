#!/usr/bin/env bash
# Starts a CUPS server (when none answers) with a cups-pdf queue QSL-PDF for
# the printing tests. Prints the PID of the server it started, if any.
set -euo pipefail

started=""
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  /usr/sbin/cupsd -f >/tmp/quenor-cupsd.log 2>&1 </dev/null &
  started=$!
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
fi
if ! lpstat -p QSL-PDF >/dev/null 2>&1; then
  lpadmin -p QSL-PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
cupsenable QSL-PDF
echo "$started"
