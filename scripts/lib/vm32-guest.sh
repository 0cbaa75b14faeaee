#!/bin/bash
# The init program of scripts/vm32-test's virtual machine, run as process 1:
# mounts what Wine and Xvfb need, runs the 32-bit suite whole with the kernel
# running its programs natively, prints "== vm32: ctest exit N" and powers the
# machine off. /zr-env names the project and build folders (the same paths as
# on the host, which the build's ctest files hold); /zr-args holds ctest's
# extra arguments, one a line. Where /zr-tree holds a tags file, the 32-bit
# host then opens it with /zr-tree/script.txt (its lines prefixed
# "== vm32: host: ").
mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
hostname zr-vm32

run_suite() {
  source /zr-env
  source "$ZR_ROOT/scripts/lib/wine-env.sh"
  trap zr_stop_all EXIT
  echo "== vm32: kernel $(uname -r), $(nproc) processors"
  zr_setup_32bit || return 1
  if [ "$ZR_32BIT" != native ]; then
    echo "== vm32: this kernel does not run 32-bit programs natively" >&2
    return 1
  fi
  zr_start_display
  zr_create_prefix_async
  zr_start_wine || return 1
  local args=()
  [ -s /zr-args ] && mapfile -t args </zr-args
  local start=$SECONDS status=0
  (cd "$ZR_BUILD32" && ctest --output-on-failure -j2 "${args[@]}") || status=$?
  echo "== vm32: 32-bit suite took $((SECONDS - start)) s; $(zr_cases_passed "$ZR_BUILD32") test cases passed"
  if [ -f /zr-tree/tags ]; then
    start=$SECONDS
    local host=0
    "$ZR_ROOT/scripts/wine-run" "$ZR_BUILD32/bin/zorvoreg-host.exe" --workspace /zr-tree --tags /zr-tree/tags \
      --profile /tmp/zr-host.ini --script /zr-tree/script.txt >/tmp/zr-host.out 2>&1 || host=$?
    # The progress line's steps left out, its last state kept.
    tr '\r' '\n' </tmp/zr-host.out | grep -v '^loading: tags \|^$' | sed 's/^/== vm32: host: /'
    echo "== vm32: the 32-bit host on /zr-tree/tags took $((SECONDS - start)) s, exit $host"
    [ $host -eq 0 ] || status=1
  fi
  return $status
}

status=0
(run_suite) || status=$?
echo "== vm32: ctest exit $status"
sync
# Power off at once: process 1 must not end, and nothing here needs a clean
# shutdown (the disk image is made anew for every run).
echo o >/proc/sysrq-trigger
sleep 60
