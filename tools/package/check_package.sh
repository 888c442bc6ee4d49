#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the packages that build_package.sh left in OUTDIR (default: out/):
# lintian on the whole upload, the menu entry and the AppStream description
# as installed, the screenshots it names, and the installed program itself,
# unpacked with dpkg -x into a temporary root and started offscreen against
# its installed content as a normal user would start it.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-out}
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

echo "== lintian"
lintian --fail-on error,warning --info "$out/corvella_${version}_${arch}.changes"

echo "== unpacking"
root="$work/root"
for deb in "$out/corvella_${version}_${arch}.deb" "$out/corvella-data_${version}_all.deb"; do
    dpkg -x "$deb" "$root"
    echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
done

# The acknowledgements page sends readers to this file by name.
[ -f "$root/usr/share/doc/corvella-data/CREDITS.md" ] ||
    fail "the credits file is not where the acknowledgements page says"

echo "== desktop-file-validate and appstreamcli validate"
desktop-file-validate "$root"/usr/share/applications/*.desktop
# No network here: the screenshots' addresses are checked against the files below.
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
python3 tools/package/check_screenshots.py "$root"/usr/share/metainfo/*.metainfo.xml desktop/screenshots

echo "== the installed program"
home="$work/home"
mkdir -p "$home"
stamp="$work/stamp"
touch "$stamp"
run() {
    env -u CORVELLA_HOME -u CORVELLA_WORKSHEETS HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
        QT_LOGGING_RULES="qt.multimedia*=false" timeout 60 "$root/usr/bin/corvella" "$@"
}
mkdir -m 700 -p "$home/run"
shown=$(run --version) || fail "--version failed"
[ "$shown" = "Corvella $version" ] || fail "--version says '$shown', the package is $version"
help=$(run --help) || fail "--help failed"
grep -qxF "Content folder: $root/usr/share/corvella/media" <<<"$help" ||
    fail "the installed program does not use its installed content: $help"
grep -qxF "Worksheets folder: $home/.local/share/Corvella/multiple" <<<"$help" ||
    fail "the installed program keeps worksheets elsewhere than the user's folder: $help"
set +e
refused=$(run --fullscreen 2>&1)
status=$?
set -e
[ "$status" -eq 2 ] && grep -q "Unknown option 'fullscreen'" <<<"$refused" ||
    fail "an unknown option gave status $status: $refused"
# The start-up probe paints the title screen, presses "OK", paints the menu
# with its pictures and ends the program.
# Its click loads the sound and printing module from the library folder.
for start in "" --fit; do
    probe=$(CORVELLA_STARTUP_PROBE=1 run $start 2>"$work/stderr") ||
        fail "the installed program did not end cleanly ($start)"
    [ "$(grep -c '^painted ' <<<"$probe")" -ge 2 ] ||
        fail "the installed program never painted its menu ($start): $probe"
    ! grep -q "corvella-devices.so" "$work/stderr" ||
        fail "the installed program did not load its module: $(cat "$work/stderr")"
done
changed=$(find "$root" -newer "$stamp")
[ -z "$changed" ] || fail "the installed program wrote under its installation: $changed"
echo "package check passed"
