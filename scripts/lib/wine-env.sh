# Shared by scripts/test, scripts/demo, scripts/bench and scripts/jumpcheck:
# installs what is missing, finds out whether this kernel runs 32-bit programs
# (and sets up user-mode emulation where it does not), configures and builds
# the two builds, and runs one Xvfb and one Wine prefix for the whole run.
# Every process started here is stopped by zr_stop_all (trap it on EXIT), by
# its own process id.
#
# Folders: $ZR_BUILD/i686 (the 32-bit product), $ZR_BUILD/x86_64 (the 64-bit
# build), $ZR_BUILD/wineprefix (one 64-bit Wine prefix that runs both).

ZR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
ZR_BUILD="${ZR_BUILD:-$ZR_ROOT/build}"
ZR_BUILD32="$ZR_BUILD/i686"
ZR_BUILD64="$ZR_BUILD/x86_64"
ZR_WINE64=/usr/lib/wine/wine64
ZR_WINESERVER=/usr/lib/wine/wineserver64
ZR_XVFB_PID=""
ZR_WINESERVER_PID=""
ZR_BOOT_PID=""
# native: the kernel runs 32-bit programs; emulated: they run under
# qemu-i386 through binfmt_misc; none: neither (set by zr_setup_32bit).
ZR_32BIT=""

zr_install() {
  local need=()
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
  command -v cmake >/dev/null || need+=(cmake)
  command -v ninja >/dev/null || need+=(ninja-build)
  [ -f /usr/src/googletest/googletest/src/gtest-all.cc ] || need+=(googletest)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xauth >/dev/null || need+=(xauth)
  command -v ctags >/dev/null || need+=(universal-ctags)
  # as and ld make the 32-bit probe (binutils handles i386 ELF as well).
  command -v as >/dev/null && command -v ld >/dev/null || need+=(binutils)
  [ -x "$ZR_WINE64" ] || need+=(wine64)
  if ! command -v wine >/dev/null || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    need+=(wine wine32:i386)
  fi
  zr_apt_install "${need[@]}"
}

zr_apt_install() {
  [ $# -gt 0 ] || return 0
  echo "== installing: $*"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# Runs a tiny static 32-bit Linux program that prints the machine name its
# kernel reports. A 32-bit process on an x86-64 kernel is told "x86_64";
# under qemu-i386 it is told "i686" (qemu answers for the machine it
# emulates); where neither can run it, exec fails. Prints native, emulated
# or none.
zr_probe_32bit() {
  local dir="$ZR_BUILD/probe32"
  mkdir -p "$dir"
  if [ ! -x "$dir/probe" ]; then
    as --32 -o "$dir/probe.o" "$ZR_ROOT/scripts/lib/probe32.S" &&
      ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" || { echo "none"; return 1; }
  fi
  local machine
  # The name ends at its first NUL; what follows in the field is not ours.
  machine="$("$dir/probe" 2>/dev/null | tr '\0' '\n' | head -n1)" || true
  case "$machine" in
    x86_64) echo native ;;
    i?86) echo emulated ;;
    *) echo none ;;
  esac
}

# Registers qemu-i386 for 32-bit x86 ELF programs (the F flag keeps the
# interpreter open, so it works inside other mount namespaces too). It stays
# registered after the run: other 32-bit programs on this machine need it.
zr_register_qemu_i386() {
  local misc=/proc/sys/fs/binfmt_misc
  command -v qemu-i386-static >/dev/null || zr_apt_install qemu-user-static
  mountpoint -q "$misc" || mount -t binfmt_misc binfmt_misc "$misc"
  if [ -e "$misc/qemu-i386" ]; then
    echo 1 >"$misc/qemu-i386"
    return 0
  fi
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    >"$misc/register"
}

# Decides how 32-bit programs run here, by the probe, and sets ZR_32BIT.
# Where the kernel runs none, registers the emulation and probes again.
zr_setup_32bit() {
  ZR_32BIT="$(zr_probe_32bit)"
  if [ "$ZR_32BIT" = none ]; then
    zr_register_qemu_i386 || true
    ZR_32BIT="$(zr_probe_32bit)"
  fi
  case "$ZR_32BIT" in
    native) echo "== 32-bit programs: this kernel runs them natively" ;;
    emulated) echo "== 32-bit programs: this kernel runs none natively; they run under qemu-i386 user-mode emulation (binfmt_misc)" ;;
    *) echo "== 32-bit programs: this kernel runs none, and qemu-i386 emulation could not be set up" >&2
       return 1 ;;
  esac
}

# The build whose programs run natively here: the 32-bit product where the
# kernel allows, the 64-bit build elsewhere.
zr_native_build() {
  if [ "$ZR_32BIT" = native ]; then echo "$ZR_BUILD32"; else echo "$ZR_BUILD64"; fi
}

# Configures and builds one build: zr_build_one i686|x86_64 [cmake --build arguments].
zr_build_one() {
  local arch="$1"
  shift
  local dir="$ZR_BUILD/$arch"
  local peer=()
  # The 32-bit build's interchange test runs the 64-bit build's xf tool too.
  [ "$arch" = i686 ] && peer=(-DZR_PEER_BIN="$ZR_BUILD64/bin")
  # A compiler cache where the machine has one (never installed here).
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S "$ZR_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ZR_ROOT/cmake/mingw-$arch.cmake" \
        "${peer[@]}" "${launcher[@]}" >/dev/null
  cmake --build "$dir" "$@"
}

# Both builds, the 64-bit one first.
zr_build() {
  zr_build_one x86_64 "$@" && zr_build_one i686 "$@"
}

# The GoogleTest cases that passed in a build's last ctest run, added up.
zr_cases_passed() {
  grep -hE '^\[  PASSED  \] [0-9]+ test' "$1/Testing/Temporary/LastTest.log" 2>/dev/null |
    awk '{ n += $4 } END { print n + 0 }'
}

zr_wine_env() {
  export WINEPREFIX="${ZR_WINEPREFIX:-$ZR_BUILD/wineprefix}"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # winedbg disabled: a crashing test program then ends at once with a failure
  # instead of waiting in the debugger until ctest's timeout.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
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

# Starts the prefix's one Wine server, in the foreground of a background job
# so that its process id is ours to stop, detached from our standard streams
# (a server holding ctest's pipe open would keep ctest waiting for the end of
# output). Persistent: it outlives every program until zr_stop_all.
zr_start_wineserver() {
  zr_wine_env
  mkdir -p "$WINEPREFIX"
  [ -n "$ZR_WINESERVER_PID" ] && return 0
  "$ZR_WINESERVER" -f -p </dev/null >/dev/null 2>&1 &
  ZR_WINESERVER_PID=$!
}

# Creates the prefix when it is not there yet, in the background (it takes
# minutes, mostly waiting, while the builds run); zr_start_wine waits for it.
zr_create_prefix_async() {
  zr_start_wineserver
  [ -n "$ZR_BOOT_PID" ] && return 0
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.zr-complete" ] && return 0
  echo "== creating the 64-bit Wine prefix $WINEPREFIX (32-bit half: $ZR_32BIT)"
  ( "$ZR_WINE64" wineboot --init </dev/null >"$ZR_BUILD/wineprefix.log" 2>&1 ) &
  ZR_BOOT_PID=$!
}

# Gives $WINEPREFIX a copy of the finished prefix FROM when it has no
# finished prefix of its own: a copy takes seconds where making a prefix takes
# minutes (its 32-bit half emulated). FROM is only read. The copy is made
# beside the target and moved into place whole, so that an interrupted copy
# never passes for a prefix. False when FROM is not finished or the copy
# fails; the target is then as it was.
zr_copy_prefix() {
  local from="$1"
  zr_wine_env
  [ -f "$WINEPREFIX/.zr-complete" ] && return 0
  [ -f "$from/.zr-complete" ] && [ -f "$from/system.reg" ] || return 1
  local part="$WINEPREFIX.part"
  rm -rf "$part"
  if ! cp -a "$from" "$part" 2>/dev/null; then
    rm -rf "$part"
    return 1
  fi
  rm -rf "$WINEPREFIX"
  mv "$part" "$WINEPREFIX"
  echo "== Wine prefix $WINEPREFIX copied from $from"
}

# Waits for the prefix and checks both of its halves; a prefix that could not
# be created stops the run. Then starts its services detached from our
# streams: otherwise the first test program starts them, they inherit its
# standard handles, and ctest (or a pipe reader) waits for an end of output
# that never comes.
zr_start_wine() {
  zr_create_prefix_async
  if [ -n "$ZR_BOOT_PID" ]; then
    local status=0
    wait "$ZR_BOOT_PID" || status=$?
    ZR_BOOT_PID=""
    local system="$WINEPREFIX/drive_c/windows"
    if [ $status -ne 0 ] || [ ! -f "$WINEPREFIX/system.reg" ] ||
       [ ! -f "$system/system32/kernel32.dll" ] || [ ! -f "$system/syswow64/kernel32.dll" ]; then
      echo "== the Wine prefix $WINEPREFIX could not be created (wineboot exit $status); its log:" >&2
      tail -n 20 "$ZR_BUILD/wineprefix.log" >&2 || true
      return 1
    fi
    touch "$WINEPREFIX/.zr-complete"
  fi
  "$ZR_WINE64" wineboot </dev/null >/dev/null 2>&1 || true
  # No window manager runs on the virtual display: Wine manages its windows
  # itself (and draws their title bars). With windows left to an absent window
  # manager, every hidden or destroyed top-level window costs a two-second wait
  # for an answer that never comes.
  "$ZR_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

zr_stop_all() {
  if [ -n "$ZR_BOOT_PID" ]; then
    kill "$ZR_BOOT_PID" 2>/dev/null || true
    wait "$ZR_BOOT_PID" 2>/dev/null || true
    ZR_BOOT_PID=""
  fi
  if [ -n "$ZR_WINESERVER_PID" ]; then
    # Ends every Wine process of the prefix (services, left-over programs),
    # then the server itself, by its process id.
    WINEPREFIX="$WINEPREFIX" "$ZR_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    kill "$ZR_WINESERVER_PID" 2>/dev/null || true
    wait "$ZR_WINESERVER_PID" 2>/dev/null || true
    ZR_WINESERVER_PID=""
  fi
  if [ -n "$ZR_XVFB_PID" ]; then
    kill "$ZR_XVFB_PID" 2>/dev/null || true
    wait "$ZR_XVFB_PID" 2>/dev/null || true
    ZR_XVFB_PID=""
  fi
}
