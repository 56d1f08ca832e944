#!/usr/bin/env bash
# Checks an install as a desktop and a package would: a build installed into a staging folder, or the Debian
# package (which lintian must pass) unpacked there.
# Usage: instalacion.sh BUILD_DIR|PAQUETE.deb SOURCE_DIR
set -euo pipefail
origen=$1
fuente=$2
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT

if [[ $origen == *.deb ]]; then
    lintian --fail-on error "$origen"
    dpkg-deb -x "$origen" "$destino"
    test "$(QT_QPA_PLATFORM=offscreen "$destino/usr/bin/eltarvo" --version)" = "eltarvo $(dpkg-deb -f "$origen" Version)"
    test "$(readlink "$destino/usr/games/eltarvo")" = ../lib/eltarvo/eltarvo
    dpkg-deb -f "$origen" Recommends | grep -q qt6-translations-l10n
else
    DESTDIR=$destino cmake --install "$origen" --prefix /usr >/dev/null
fi
raiz=$destino/usr
test -x "$raiz/lib/eltarvo/eltarvo"
cmp "$raiz/lib/eltarvo/Nuevo.tvo" "$fuente/src/recursos/Nuevo.tvo"
test "$(readlink "$raiz/bin/eltarvo")" = ../lib/eltarvo/eltarvo
desktop-file-validate "$raiz/share/applications/eltarvo.desktop"
appstreamcli validate --no-net "$raiz/share/metainfo/net.eltarvo.eltarvo.metainfo.xml" >/dev/null
xmllint --noout "$raiz/share/mime/packages/eltarvo.xml"
for icono in scalable/apps/eltarvo.svg 48x48/apps/eltarvo.png 256x256/apps/eltarvo.png; do
    test -s "$raiz/share/icons/hicolor/$icono"
done
xmllint --noout "$raiz/share/icons/hicolor/scalable/apps/eltarvo.svg"

# A desktop that knows only this install gives .tvo files their own type and opens them with the program.
update-mime-database "$raiz/share/mime" >/dev/null 2>&1
update-desktop-database "$raiz/share/applications"
export XDG_DATA_DIRS=$raiz/share XDG_DATA_HOME=$destino/vacio
test "$(xdg-mime query filetype "$fuente/examples/animales.tvo")" = application/x-eltarvo
test "$(xdg-mime query default application/x-eltarvo)" = eltarvo.desktop

# Started through its link, the program runs from its real folder, beside its Nuevo.tvo, until it is stopped.
estado=0
QT_QPA_PLATFORM=offscreen timeout 3 "$raiz/bin/eltarvo" >/dev/null 2>&1 || estado=$?
test "$estado" -eq 124
echo "installed and validated"
