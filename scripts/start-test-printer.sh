#!/usr/bin/env bash
# Starts a print server with a PDF printer as the default destination, for the tests that use
# Qt's real print dialogs. Needs root; where it cannot start, those tests skip and say why.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "start-test-printer: not root, no print server started"
  exit 0
fi
if ! command -v cupsd >/dev/null; then
  echo "start-test-printer: cupsd is not installed"
  exit 0
fi
if ! lpstat -r >/dev/null 2>&1; then
  cupsd
  for _ in $(seq 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
lpadmin -d PDF
lpstat -d
