#!/usr/bin/env bash
# Starts cupsd (there is no init system in CI) and sets up the cups-pdf
# printer "Velmora-PDF", whose files land in /tmp/cups-pdf.
set -euo pipefail
mkdir -p /tmp/cups-pdf
chmod 1777 /tmp/cups-pdf
if [ -f /etc/cups/cups-pdf.conf ]; then
    sed -i 's|^#\?Out .*|Out /tmp/cups-pdf|; s|^#\?AnonDirName .*|AnonDirName /tmp/cups-pdf|' /etc/cups/cups-pdf.conf
fi
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        sleep 0.2
    done
fi
if ! lpstat -p Velmora-PDF >/dev/null 2>&1; then
    modell=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}' || true)
    if [ -n "$modell" ]; then
        lpadmin -p Velmora-PDF -E -v cups-pdf:/ -m "$modell"
    else
        ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1)
        lpadmin -p Velmora-PDF -E -v cups-pdf:/ -P "$ppd"
    fi
fi
cupsenable Velmora-PDF
cupsaccept Velmora-PDF
lpstat -p Velmora-PDF
