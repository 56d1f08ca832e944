#!/usr/bin/env bash
# Checks the Debian package: lintian finds no error, and unpacked it runs beside its Nuevo.tvo.
# Usage: paquete.sh PAQUETE.deb
set -euo pipefail
paquete=$1
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT

lintian --fail-on error "$paquete"
dpkg-deb -x "$paquete" "$destino"
test "$(QT_QPA_PLATFORM=offscreen "$destino/usr/bin/eltarvo" --version)" = "eltarvo $(dpkg-deb -f "$paquete" Version)"
test -f "$(dirname "$(readlink -f "$destino/usr/games/eltarvo")")/Nuevo.tvo"
echo "package checked"
