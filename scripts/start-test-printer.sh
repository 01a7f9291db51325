#!/usr/bin/env bash
# Starts a print server with a PDF printer as the default destination, for the tests that use
# Qt's real print dialogs. Needs root; where it cannot start, those tests skip and say why, so
# this script never fails the run.
set -uo pipefail
# lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
skip() {
  echo "start-test-printer: $*; the tests that need a printer will skip"
  exit 0
}
[ "$(id -u)" -eq 0 ] || skip "not root"
command -v cupsd >/dev/null || skip "cupsd is not installed"
if ! running; then
  cupsd || skip "cupsd did not start"
  for _ in $(seq 100); do
    running && break
    sleep 0.1
  done
fi
running || skip "the print server does not answer"
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
    skip "the PDF printer could not be added"
fi
lpadmin -d PDF || skip "the PDF printer could not be made the default"
lpstat -d
