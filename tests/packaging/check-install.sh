#!/bin/sh
# Installs the build into a scratch root and validates the desktop entry, the
# AppStream metadata and the icons, as a software centre would read them.
set -e
build="$1"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr > /dev/null
share="$root/usr/share"
id=org.example.Vuvuvudozizod
test -x "$root/usr/bin/vuvuvudozizod" || { echo "no executable installed"; exit 1; }
# Printing and SVG, where the program looks for them.
find "$root/usr/lib" -path "*/vuvuvudozizod/vuvuvudozizod-print.so" | grep -q . ||
    { echo "no module of printing and SVG installed"; exit 1; }
for size in 16 32 48 64 128 256; do
    test -f "$share/icons/hicolor/${size}x${size}/apps/$id.png" || { echo "no ${size}px icon"; exit 1; }
done
test -f "$share/icons/hicolor/scalable/apps/$id.svg" || { echo "no scalable icon"; exit 1; }
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q "^Exec=vuvuvudozizod %f$" "$share/applications/$id.desktop"
# The project type: well-formed, understood by the MIME database, declared by the entry.
mime=application/x-vuvuvudozizod-project
xmllint --noout "$share/mime/packages/$id.xml"
update-mime-database "$share/mime" 2> /dev/null
grep -q "^50:$mime:\*\.vvz$" "$share/mime/globs2" || { echo "no *.vvz glob for $mime"; exit 1; }
grep -aq '"vuvuvudozizod-project"' "$share/mime/magic" || { echo "no content match for $mime"; exit 1; }
grep -q "^MimeType=$mime;$" "$share/applications/$id.desktop"
grep -q "^Icon=$id$" "$share/applications/$id.desktop"
echo "installed files are valid"
