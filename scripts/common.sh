# Shared by the scripts: paths, package installation, Wine prefixes and a private X screen.
# Sourced, not run. Everything here is idempotent and stops only what it started.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}   # no Mono/Gecko prompts

# wine32:i386 runs the 32-bit program and tests; g++-mingw-w64-i686-win32 builds the
# program that ships (its runtime imports nothing Windows 95 lacks).
PACKAGES=(cmake make wine wine64 wine32:i386 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          g++-mingw-w64-i686-win32 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 mingw-w64-tools
          googletest xvfb xauth imagemagick)

ensure_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# ensure_prefix DIR: a Wine prefix that reports Windows 98 and shows no stray systray window.
# It must be made after 32-bit Wine is installed; the ready-mark's number makes older ones anew.
ensure_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/.lumenkin-ready-3" ]; then
    [ -f "$WINEPREFIX/system.reg" ] && rm -rf "$WINEPREFIX"   # made before, by other Wine
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v ShowSystray /d n /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    # Xvfb runs no window manager; Wine would wait for one each time a window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.lumenkin-ready-3"
  fi
  ensure_wine_fonts
}

# Debian's Wine 8 looks for its own fonts in "/usr/share/wine/../fonts", written as a Windows
# path that names no folder, so a prefix sees none of fonts-wine: no Marlett (title-bar
# buttons come out as the letters 0, 1 and r), no MS Sans Serif, no Tahoma. Every Wine also
# loads the prefix's own Fonts folder, so link them in there.
PACKAGES+=(fonts-wine)
ensure_wine_fonts() {
  local from=/usr/share/wine/fonts to="$WINEPREFIX/drive_c/windows/Fonts" f
  [ -d "$from" ] || return 0
  mkdir -p "$to"
  for f in "$from"/*; do
    [ -e "$to/${f##*/}" ] || ln -sfn "$f" "$to/${f##*/}"
  done
}

# start_xvfb: a private 1024 x 768 x 24 screen; sets DISPLAY and XVFB_PID.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# make_package: the release package of the 32-bit build, build/lumenkin-<version>-win32.zip
# (CPack, configured in cmake/package.cmake); prints its path.
make_package() {
  local out="$BUILD_DIR/i686/package"
  rm -rf "$out"
  (cd "$BUILD_DIR/i686" && cpack -B "$out" >/dev/null)
  local zip
  zip=$(ls "$out"/lumenkin-*-win32.zip)
  mv -f "$zip" "$BUILD_DIR/"
  rm -rf "$out"
  echo "$BUILD_DIR/${zip##*/}"
}

# configure DIR TOOLCHAIN [ARGS...]: CMake keeps the compilers a tree was first made with,
# so a tree made with other toolchain files is configured afresh.
configure() {
  local dir=$1 toolchain=$2 sum
  shift 2
  sum=$(md5sum <"$toolchain")
  if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/.toolchain-sum" 2>/dev/null)" != "$sum" ]; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
  echo "$sum" >"$dir/.toolchain-sum"
}

# build_bench TARGET: one benchmark program of the 64-bit tree (built only when asked for).
build_bench() {
  ensure_packages
  ensure_prefix "$BUILD_DIR/wine-build"   # the art generators run through Wine while building
  configure "$BUILD_DIR" "$ROOT/cmake/mingw-x86_64.cmake"
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target "$1" >/dev/null
  wineserver -k 2>/dev/null || true
}
