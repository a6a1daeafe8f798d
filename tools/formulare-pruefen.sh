#!/bin/bash
# Checks the shipped form layouts from the working tree without a rebuild:
# compiles data/drucken into a drucken.mdb of its own, runs the forms test of
# an existing build on it and leaves a picture of every checked page.
#
#   tools/formulare-pruefen.sh OUTDIR [BUILD] [TEST FUNCTIONS/ROWS ...]
#   e.g. tools/formulare-pruefen.sh /tmp/f build "seite:STD-V DM" felder:STD-V
#
# OUTDIR/share holds the databases, OUTDIR/bilder the pictures (100 dpi).
set -euo pipefail
quelle="$(cd "$(dirname "$0")/.." && pwd)"
aus="${1:?output directory}"; shift
bau="$(cd "${1:-$quelle/build}" && pwd)"; [ $# -gt 0 ] && shift
mkdir -p "$aus/share" "$aus/bilder"
cp "$bau"/share/velmora/*.mdb "$aus/share/"
rm -f "$aus/share/drucken.mdb" "$aus/layouts.sql"
python3 "$quelle/data/drucken/formsatz.py" "$aus/layouts.sql" "$quelle"/data/drucken/*.form
for s in "$quelle/data/schema/drucken.sql" "$quelle/data/drucken/formulare.sql" "$aus/layouts.sql"; do
    sqlite3 -bail "$aus/share/drucken.mdb" ".read $s"
done
cd "$aus"
env QT_QPA_PLATFORM=offscreen VELMORA_SHIPPED_DIR="$aus/share" VELMORA_TESTDATA="$quelle/tests/data" \
    VELMORA_BILDER="$aus/bilder" "QT_LOGGING_RULES=qt.qpa.*=false" \
    "$bau/bin/test_print_formulare" "$@"
