#!/usr/bin/env bash
# Runs a command inside a network namespace of its own, with a private D-Bus bus and an Avahi
# daemon that sees only that namespace's loopback, so nothing announced or browsed there reaches
# the machine's network or its own daemons. Where that cannot be set up (not root, no unshare,
# no avahi-daemon), the command runs as it is with PIVORA_AVAHI_UNAVAILABLE giving the reason,
# and the test skips.
#   usage: avahi-netns.sh COMMAND [ARGS...]
set -u


if [ "${PIVORA_AVAHI_NETNS:-}" != inside ]; then
  reason=""
  for tool in unshare ip dbus-daemon avahi-daemon; do
    command -v "$tool" >/dev/null 2>&1 || PATH="$PATH:/usr/sbin:/sbin" command -v "$tool" >/dev/null 2>&1 ||
      reason="$tool is not installed"
  done
  # avahi-daemon insists on owning its runtime folder as the avahi user, which only a real root
  # (not a user namespace) can arrange.
  [ -z "$reason" ] && [ "$(id -u)" -ne 0 ] && reason="the test Avahi daemon needs root"
  [ -z "$reason" ] && ! unshare --net --mount true 2>/dev/null && reason="network namespaces are not available here"
  if [ -n "$reason" ]; then
    export PIVORA_AVAHI_UNAVAILABLE="$reason"
    exec "$@"
  fi
  PIVORA_AVAHI_NETNS=inside exec unshare --net --mount -- "$0" "$@"
fi

export PATH="$PATH:/usr/sbin:/sbin"
set -e
ip link set lo up
ip link set lo multicast on
# A private /run: the daemon's pid file and socket stay in this namespace.
mount -t tmpfs -o mode=0755 tmpfs /run
mkdir -p /run/avahi-daemon
work=$(mktemp -d "${TMPDIR:-/tmp}/avahi-netns.XXXXXX")
cat > "$work/avahi-daemon.conf" <<CONF
[server]
use-ipv4=yes
use-ipv6=no
allow-interfaces=lo
enable-dbus=yes
ratelimit-interval-usec=1000000
ratelimit-burst=1000
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
publish-addresses=yes
CONF

dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" 2>"$work/dbus.log" &
dbus_pid=$!
avahi_pid=""
cleanup() {
  [ -n "$avahi_pid" ] && kill "$avahi_pid" 2>/dev/null
  kill "$dbus_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus"
avahi-daemon -f "$work/avahi-daemon.conf" --no-drop-root --no-chroot --no-rlimits --no-proc-title \
  >"$work/avahi.log" 2>&1 &
avahi_pid=$!
for _ in $(seq 100); do grep -q "Server startup complete" "$work/avahi.log" && break; sleep 0.1; done
if ! grep -q "Server startup complete" "$work/avahi.log"; then
  echo "avahi-netns.sh: the test Avahi daemon did not start:" >&2
  cat "$work/avahi.log" >&2
  export PIVORA_AVAHI_UNAVAILABLE="the test Avahi daemon did not start"
fi
set +e
"$@"
rc=$?
exit $rc
