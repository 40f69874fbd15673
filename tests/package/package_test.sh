#!/usr/bin/env bash
# Builds the Debian package, checks it from outside (contents, computed
# dependencies, lintian, menu entry, AppStream data) and runs the unpacked
# program as a new user with an empty home. Called by CTest with the build folder.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/volmira-apt_*_amd64.deb)

# Only files below /usr, and the package's runtime libraries found by dpkg-shlibdeps.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -v '^\./usr/' || true)
[ -z "$outside" ] || fail "Dateien außerhalb von /usr: $outside"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6pdf libsqlcipher libcurl4 fonts-liberation2 qt6-translations-l10n libc6; do
  grep -q "$library" <<<"$depends" || fail "Depends ohne $library: $depends"
done
lintian --fail-on error "$deb" || fail "lintian meldet Fehler"

root="$scratch/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

# A user without a data folder: it is made under the home, from the shipped
# database, and the installation is never written (checked by time stamps:
# CI runs as root, for whom a read-only folder is writable).
home="$scratch/home"
mkdir -p "$home"
touch "$scratch/before"
answer=$(env -u VOLMIRA_APT_HOME HOME="$home" "$root/usr/bin/volmira-apt" lookup EDDF --json)
grep -q '"icao": *"EDDF"' <<<"$answer" || fail "lookup EDDF: $answer"
[ -f "$home/.local/share/volmira-apt/vmdata.vmd" ] || fail "kein Datenordner unter dem Home"
env -u VOLMIRA_APT_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/volmira-apt" \
  --screenshot "$scratch/shot.png"
[ -s "$scratch/shot.png" ] || fail "kein Bildschirmfoto"
env -u VOLMIRA_APT_HOME HOME="$home" "$root/usr/bin/volmira-apt" print EDDF --pdf "$scratch/eddf.pdf" >/dev/null
[ -s "$scratch/eddf.pdf" ] || fail "keine Flughafenliste"
written=$(find "$root" -newer "$scratch/before")
[ -z "$written" ] || fail "in die Installation geschrieben: $written"
echo "Paket $(basename "$deb") geprüft."
