#!/usr/bin/env bash
# Builds the Debian package with CPack in a build folder of its own (installed under /usr), shows
# its control data and file list, and runs lintian on it, failing on any lintian error.
# Usage: scripts/build-deb.sh [BUILD_FOLDER]        (default build-deb; the .deb is left there)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=${1:-build-deb}
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# only the installed programs and data are built: packaging does not wait for the tests; the
# programs go to /usr/games as Debian keeps games (they find their data in ../share/quarrion all the same)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DQUARRION_BENCHMARKS=OFF "${launcher[@]}" > /dev/null
cmake --build "$build" -j "$(nproc)" --target quarrion quarrion-pack quarrion_default_media \
  quarrion_default_caves quarrion_dist_files
rm -f "$build"/quarrion_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/quarrion_*.deb)
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "== lintian"
lintian --fail-on error --info "$deb"
echo "lintian: no errors"
