#!/usr/bin/env bash
# corvane_install while another process holds the package manager's lock:
# it waits for the lock, then succeeds, where an apt-get that does not wait
# fails at once.  apt works here on a package database of its own
# (APT_CONFIG: a status file, lists, cache and log in a scratch folder, no
# sources), so the lock held is that database's lock-frontend and an install
# running meanwhile on the machine is not disturbed.  The package asked for
# is installed in that database only: dpkg-query does not know it, so
# corvane_install calls apt-get, which takes the lock as for a real install
# and then has nothing to do.
# Usage: apt_lock.sh HOLD_LOCK SOURCE_DIR
hold_lock=$1 src=$2
if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
    echo "SKIP: apt-get needs root or sudo without a password"
    exit 77
fi
work=$(mktemp -d)
holder=
trap '[ -n "$holder" ] && kill "$holder" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/dpkg/updates" "$work/state/lists/partial" "$work/cache/archives/partial" \
    "$work/log" "$work/sources.list.d"
: > "$work/sources.list"
cat > "$work/dpkg/status" <<'STATUS'
Package: corvane-lock-probe
Status: install ok installed
Priority: optional
Section: misc
Maintainer: Corvane tests <tests@corvane.invalid>
Architecture: all
Version: 1.0
Description: stands for a package already installed
STATUS
cat > "$work/apt.conf" <<CONF
Dir::State "$work/state";
Dir::State::status "$work/dpkg/status";
Dir::Cache "$work/cache";
Dir::Log "$work/log";
Dir::Etc::SourceList "$work/sources.list";
Dir::Etc::SourceParts "$work/sources.list.d";
CONF
export APT_CONFIG=$work/apt.conf
. "$src/scripts/lib.sh"

held=4
"$hold_lock" "$work/dpkg/lock-frontend" "$held" > "$work/holder.out" &
holder=$!
for _ in $(seq 100); do
    grep -q locked "$work/holder.out" && break
    sleep 0.05
done
grep -q locked "$work/holder.out" || { echo "FAIL the lock could not be taken"; exit 1; }
t0=$(date +%s%N)
CORVANE_PACKAGES="" corvane_install corvane-lock-probe > "$work/install.log" 2>&1
status=$?
elapsed=$(awk -v t0="$t0" -v t1="$(date +%s%N)" 'BEGIN { printf "%.1f", (t1 - t0) / 1e9 }')
wait "$holder"
holder=
cat "$work/install.log"
if [ $status -ne 0 ]; then
    echo "FAIL corvane_install gave status $status while the lock was held for $held s"
    exit 1
fi
if awk -v e="$elapsed" -v h="$held" 'BEGIN { exit !(e < h - 1) }'; then
    echo "FAIL corvane_install ended after $elapsed s, before the lock was let go"
    exit 1
fi
echo "ok corvane_install waited $elapsed s for the lock held $held s, then passed"

# A package apt cannot find: corvane_install fails and names it, so that a
# run never goes on quietly without it.
CORVANE_PACKAGES="" corvane_install corvane-no-such-package > "$work/missing.log" 2>&1
status=$?
if [ $status -eq 0 ] || ! grep -q 'could not install corvane-no-such-package' "$work/missing.log"; then
    cat "$work/missing.log"
    echo "FAIL corvane_install of a package apt cannot find: status $status, no message naming it"
    exit 1
fi
echo "ok corvane_install names the package it could not install"
