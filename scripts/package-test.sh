#!/usr/bin/env bash
# Builds the Debian package, installs it with apt like a user would, and checks that the programs start.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vardelin_*.deb | head -n 1)
echo "Installing $deb"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
vardelin-cli --version
printf 'menu ft in 1/16 -> mm\nset "ft in 1/16" 3 4 5\npress Calculate\npress OK\nshow pad\n' |
  (cd "$(mktemp -d)" && vardelin-cli --settings ./t.ini) | grep -q "1023.94mm"
test -x /usr/bin/vardelin
test -f /usr/share/applications/vardelin.desktop
echo "package installs and runs"
