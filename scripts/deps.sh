#!/usr/bin/env bash
# Installs the Debian packages that are missing.
#   scripts/deps.sh            what building and running the program need
#   scripts/deps.sh test       also what the tests need (GoogleTest, clang for
#                              the fuzz targets, Xvfb and the X tools, openbox)
#   scripts/deps.sh bench      also the peers of the benchmarks (QScintilla
#                              only for bench/editor_peer, never the product)
set -eu
# Its messages go to standard error, as build.sh's do.
exec >&2
packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libjpeg-dev fonts-liberation fonts-dejavu-core)
case "${1:-}" in
  "") ;;
  test | bench)
    packages+=(clang libclang-rt-14-dev libgtest-dev qt6-base-private-dev poppler-utils
               xvfb xauth xdotool xclip x11-xkb-utils x11-utils openbox)
    if [ "$1" = bench ]; then
      packages+=(lua5.4 fp-compiler python3 hyperfine time libqscintilla2-qt6-dev)
    fi
    ;;
  *)
    echo "usage: $0 [test | bench]"
    exit 3
    ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Instalando / installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
