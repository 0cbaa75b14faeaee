# Third-party source trees that the jump check and the bench's browser group
# read as data: googletest (the sources Debian's googletest package puts in
# /usr/src/googletest, which the build needs anyway), glibc 2.36 (the
# tarball of Debian's glibc-source package) and Linux 6.1 without drivers/
# (the tarball of Debian's linux-source-6.1 package: the kernel-sized tree,
# about 1.5 million tags), each downloaded with apt-get download and unpacked
# into the build folder: never installed, never built.
# Needs wine-env.sh (ZR_BUILD, zr_install).

ZR_TREES="$ZR_BUILD/trees"

# Prints the glibc tree's folder, fetching it first when it is not there yet.
# The tarball is unpacked into a folder of its own and moved into place only
# when tar succeeded: an unpack that was interrupted or failed leaves no tree
# that a later run would take for a whole one.
zr_glibc_tree() {
  local unpacked="$ZR_TREES/glibc"
  local tree
  tree="$(find "$unpacked" -mindepth 1 -maxdepth 1 -type d -name 'glibc-*' 2>/dev/null | head -n1 || true)"
  if [ -z "$tree" ]; then
    echo "== fetching glibc's sources as data (apt-get download glibc-source)" >&2
    local work="$ZR_TREES/download"
    rm -rf "$work" "$unpacked"
    mkdir -p "$work/unpack"
    (cd "$work" && apt-get download -qq glibc-source >/dev/null 2>&1) || {
      apt-get update -qq >/dev/null && (cd "$work" && apt-get download -qq glibc-source >/dev/null)
    } || { echo "scripts: cannot download glibc-source" >&2; return 1; }
    if ! dpkg-deb -x "$work"/glibc-source_*.deb "$work/deb" ||
       ! tar -xf "$work"/deb/usr/src/glibc/glibc-*.tar.* -C "$work/unpack"; then
      echo "scripts: cannot unpack glibc-source" >&2
      rm -rf "$work"
      return 1
    fi
    mv "$work/unpack" "$unpacked"
    rm -rf "$work"
    tree="$(find "$unpacked" -mindepth 1 -maxdepth 1 -type d -name 'glibc-*' | head -n1)"
  fi
  [ -n "$tree" ] && echo "$tree"
}

# Prints the kernel tree's folder (<build>/trees/linux/linux-6.1), fetching it
# first when it is not there yet. drivers/ is left out of the unpacking: it
# would add 2 million tags and two thirds of the time. As for glibc, the tree
# is moved into place only when tar succeeded.
zr_linux_tree() {
  local unpacked="$ZR_TREES/linux"
  local tree="$unpacked/linux-6.1"
  if [ ! -d "$tree" ]; then
    echo "== fetching Linux 6.1's sources as data (apt-get download linux-source-6.1, drivers/ left out)" >&2
    local work="$ZR_TREES/download-linux"
    rm -rf "$work" "$unpacked"
    mkdir -p "$work/unpack"
    (cd "$work" && apt-get download -qq linux-source-6.1 >/dev/null 2>&1) || {
      apt-get update -qq >/dev/null && (cd "$work" && apt-get download -qq linux-source-6.1 >/dev/null)
    } || { echo "scripts: cannot download linux-source-6.1" >&2; return 1; }
    if ! dpkg-deb -x "$work"/linux-source-6.1_*.deb "$work/deb" ||
       ! tar -xf "$work"/deb/usr/src/linux-source-6.1.tar.* -C "$work/unpack" --exclude='linux-source-6.1/drivers'; then
      echo "scripts: cannot unpack linux-source-6.1" >&2
      rm -rf "$work"
      return 1
    fi
    mkdir -p "$unpacked"
    mv "$work/unpack/linux-source-6.1" "$tree"
    rm -rf "$work"
  fi
  echo "$tree"
}

# The folder of a tree named by the bench: "glibc" or "linux" (fetched when
# missing), or a folder as it is.
zr_named_tree() {
  case "$1" in
    glibc) zr_glibc_tree ;;
    linux) zr_linux_tree ;;
    *) echo "$1" ;;
  esac
}

# Prints the default trees, one a line: googletest, then glibc.
zr_default_trees() {
  [ -d /usr/src/googletest ] && echo /usr/src/googletest
  zr_glibc_tree
}
