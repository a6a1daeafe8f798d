#!/usr/bin/env bash
# Starts cupsd (there is no init system in CI) and sets up the cups-pdf
# printer "Velmora-PDF", whose output lands in /var/spool/cups-pdf/ANONYMOUS
# or the submitting user's ~/PDF.
set -euo pipefail
if ! pgrep -x cupsd >/dev/null; then
    /usr/sbin/cupsd
    for _ in $(seq 1 50); do
        lpstat -r >/dev/null 2>&1 && break
        sleep 0.2
    done
fi
ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1 || true)
if ! lpstat -p Velmora-PDF >/dev/null 2>&1; then
    if [ -n "$ppd" ]; then
        lpadmin -p Velmora-PDF -E -v cups-pdf:/ -P "$ppd"
    else
        lpadmin -p Velmora-PDF -E -v cups-pdf:/ -m everywhere || lpadmin -p Velmora-PDF -E -v cups-pdf:/
    fi
fi
cupsenable Velmora-PDF || true
cupsaccept Velmora-PDF || true
lpstat -p Velmora-PDF
