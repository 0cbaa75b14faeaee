# Shared by scripts/test, scripts/demo and scripts/bench: installs what is missing,
# configures and builds, and runs one Xvfb and one Wine prefix for the whole run.
# Every process started here is stopped by zr_stop_all (trap it on EXIT).

ZR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
ZR_BUILD="${ZR_BUILD:-$ZR_ROOT/build}"
ZR_XVFB_PID=""

zr_install() {
  local need=()
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix)
  command -v cmake >/dev/null || need+=(cmake)
  command -v ninja >/dev/null || need+=(ninja-build)
  [ -f /usr/src/googletest/googletest/src/gtest-all.cc ] || need+=(googletest)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xauth >/dev/null || need+=(xauth)
  command -v ctags >/dev/null || need+=(universal-ctags)
  if ! command -v wine >/dev/null || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    need+=(wine wine32:i386)
  fi
  if [ ${#need[@]} -gt 0 ]; then
    echo "== installing: ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  fi
}

zr_build() {
  cmake -S "$ZR_ROOT" -B "$ZR_BUILD" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ZR_ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$ZR_BUILD" "$@"
}

zr_wine_env() {
  export WINEPREFIX="${ZR_WINEPREFIX:-$ZR_BUILD/wineprefix}"
  export WINEDEBUG=-all
  # winedbg disabled: a crashing test program then ends at once with a failure
  # instead of waiting in the debugger until ctest's timeout.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  export WINEARCH=win32
}

zr_start_display() {
  local fdfile
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" </dev/null >/dev/null 2>&1 &
  ZR_XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  echo "== Xvfb $ZR_XVFB_PID on $DISPLAY"
}

# Creates the prefix once (before tests run in parallel) and keeps one wineserver
# running for the whole run, detached from our standard streams.
zr_start_wine() {
  zr_wine_env
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating Wine prefix $WINEPREFIX"
    wineboot --init </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  wineserver -p </dev/null >/dev/null 2>&1 || true
  # Start the prefix's services (services.exe and what it runs) now, detached
  # from our streams. Otherwise the first test program starts them: they inherit
  # its standard handles, the persistent server keeps those descriptors for them,
  # and ctest (or a pipe reader) waits for an end of output that never comes.
  wineboot </dev/null >/dev/null 2>&1 || true
  # No window manager runs on the virtual display: Wine manages its windows
  # itself (and draws their title bars). With windows left to an absent window
  # manager, every hidden or destroyed top-level window costs a two-second wait
  # for an answer that never comes.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

zr_stop_all() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$WINEPREFIX" wineserver -k </dev/null >/dev/null 2>&1 || true
  fi
  if [ -n "$ZR_XVFB_PID" ]; then
    kill "$ZR_XVFB_PID" 2>/dev/null || true
    wait "$ZR_XVFB_PID" 2>/dev/null || true
    ZR_XVFB_PID=""
  fi
}
