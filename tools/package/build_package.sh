#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this source tree the Debian way
# (dpkg-buildpackage on a clean copy) and puts the results in OUTDIR
# (default: out/). Runs as a normal user; the build dependencies must be
# installed (`./corvella.sh package` installs them and calls this).
#
# DEB_BUILD_OPTIONS defaults to "nocheck parallel=<cores>": the test suite runs
# with `./corvella.sh test`. Set it without nocheck to run the suite inside the
# package build as well.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(mkdir -p "${1:-out}" && cd "${1:-out}" && pwd)
version=$(dpkg-parsechangelog -S Version)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# A clean copy: the tracked and new files, without builds or results.
tree="$stage/corvella-$version"
mkdir "$tree"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf - | tar -xf - -C "$tree"
else
    tar --exclude='./build*' --exclude=./out -cf - . | tar -xf - -C "$tree"
fi

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck parallel=$(nproc)}"
(cd "$tree" && dpkg-buildpackage -us -uc --build=full >"$stage/build.log" 2>&1) || {
    tail -n 60 "$stage/build.log" >&2
    echo "package build failed" >&2
    exit 1
}
cp "$stage/build.log" "$out/build.log"
for f in "$stage"/corvella*_"$version"[_.]*; do
    mv "$f" "$out/"
done
ls -l "$out"/corvella*_"$version"[_.]*
