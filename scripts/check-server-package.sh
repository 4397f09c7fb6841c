#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the server's package, kavro-server, in the clean Debian 12 root
# that scripts/check-package.sh made and checked the calculator in (making
# another would cost CI minutes): installs it with apt-get, has systemd
# check its units, runs the service's ExecStart as the service's own user,
# as systemd would, and asks it /healthz; then runs the daily backup's job
# the same way. There is no systemd running in the root: what the unit
# would do around the program (the state folder) is done here by hand.
#
# Usage: scripts/check-server-package.sh ROOT DEB WORK_FOLDER
# (called by check-package.sh, after lintian has passed the package)
set -euo pipefail
root=$1 deb=$2 work=$3

step() { echo "== $*"; }
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "Installing the server's package with apt-get"
cp "$deb" "$root/tmp/"
# systemd as a server has it: the targets the units hook into, for verify.
inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends systemd \
  >"$work/apt-systemd.log" 2>&1 || { tail -30 "$work/apt-systemd.log"; fail "apt-get install systemd"; }
inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$work/apt-server.log" 2>&1 ||
  { tail -30 "$work/apt-server.log"; fail "apt-get install kavro-server"; }
missing=$(inside ldd /usr/bin/kavro-server | grep 'not found' || true)
[ -z "$missing" ] || fail "kavro-server lacks libraries: $missing"
inside /usr/bin/kavro-server --version | grep -q '^kavro-server (KAVRO drive calculator) ' ||
  fail "the installed kavro-server does not answer --version"
inside getent passwd kavro-server >/dev/null || fail "the package made no user kavro-server"
inside test -f /usr/share/kavro-server/site/index.html || fail "no site in /usr/share/kavro-server/site"
inside test -f /usr/share/man/man1/kavro-server.1.gz || fail "no manual page kavro-server(1)"
inside dpkg-query -W -f '${Conffiles}\n' kavro-server | grep -q ' /etc/kavro-server/kavro-server.conf ' ||
  fail "/etc/kavro-server/kavro-server.conf is not a conffile"
inside test -L /etc/systemd/system/multi-user.target.wants/kavro-server.service ||
  fail "the service is not enabled"
inside test -L /etc/systemd/system/timers.target.wants/kavro-server-backup.timer ||
  fail "the backup's timer is not enabled"

step "Checking the units with systemd-analyze"
units=(kavro-server.service kavro-server-backup.service kavro-server-backup.timer)
scripts/install-deps.sh systemd
# The manual page was checked above: verify would ask the machine's man.
(cd "$root/lib/systemd/system" && systemd-analyze verify --man=no --root="$root" "${units[@]}") ||
  fail "systemd-analyze verify"
# How much of the system each service could reach: shown, for the reader.
for unit in kavro-server.service kavro-server-backup.service; do
  systemd-analyze security --offline=true --root="$root" "$unit" | tail -1
done

# run_as_service UNIT: the unit's ExecStart as systemd would run it: its
# EnvironmentFile's variables, its User and Group, and its StateDirectory
# made for that user. KAVRO_LISTEN may be set to listen elsewhere.
run_as_service() {
  local unit=/lib/systemd/system/$1 command
  command=$(sed -n 's/^ExecStart=//p' "$root$unit")
  [ -n "$command" ] || fail "$1 has no ExecStart"
  grep -qx 'User=kavro-server' "$root$unit" || fail "$1 does not run as kavro-server"
  grep -qx 'StateDirectory=kavro-server' "$root$unit" || fail "$1 keeps no state in /var/lib"
  inside install -d -o kavro-server -g kavro-server -m 700 /var/lib/kavro-server
  # The unit's $VAR and ${VAR} are the shell's, split on blanks alike.
  inside sh -c "set -a; . /etc/kavro-server/kavro-server.conf; ${KAVRO_LISTEN:+KAVRO_LISTEN=$KAVRO_LISTEN}
    exec setpriv --reuid=kavro-server --regid=kavro-server --init-groups $command"
}

step "Running the service's ExecStart as kavro-server"
# A port no other program on the machine holds (the root shares its network).
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
KAVRO_LISTEN=127.0.0.1:$port run_as_service kavro-server.service >"$work/server.log" 2>&1 &
server=$!
# The program is started through chroot, env, sh and setpriv, which each
# exec the next: it is stopped by its own id, found by its port.
program=""
stop_server() {
  [ -z "$program" ] || kill "$program" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
}
trap stop_server EXIT
health=""
for _ in $(seq 100); do
  if { exec 3<>"/dev/tcp/127.0.0.1/$port"; } 2>/dev/null; then
    printf 'GET /healthz HTTP/1.0\r\nHost: localhost\r\n\r\n' >&3
    health=$(cat <&3)
    exec 3<&-
    break
  fi
  kill -0 "$server" 2>/dev/null || { cat "$work/server.log"; fail "kavro-server ended at start"; }
  sleep 0.2
done
echo "$health" | head -1
echo "$health" | head -1 | grep -q ' 200 ' || { cat "$work/server.log"; fail "/healthz did not answer 200"; }
echo "$health" | tail -1 | grep -qx '{"status":"ok"}' || fail "/healthz said: $(echo "$health" | tail -1)"
# The program itself, a child of setpriv's exec, runs as the service's user.
uid=$(inside id -u kavro-server)
program=$(pgrep -f "^/usr/bin/kavro-server --listen 127.0.0.1:$port " | head -1 || true)
[ -n "$program" ] && grep -q "^Uid:[[:space:]]$uid[[:space:]]" "/proc/$program/status" ||
  fail "kavro-server does not run as the user kavro-server ($uid)"

# as_service COMMAND...: a command run as the service's user.
as_service() { inside setpriv --reuid=kavro-server --regid=kavro-server --init-groups "$@"; }

step "Running the daily backup's job as kavro-server, beside the running server"
# A firm made while the server runs, for the restored copy to hold.
as_service kavro-server --data /var/lib/kavro-server add-firm Проверка >/dev/null ||
  fail "add-firm beside the running server"
# Fourteen older copies were there: the oldest goes, the new one is kept.
as_service sh -c '
  mkdir -p /var/lib/kavro-server/backups
  for day in $(seq 10 23); do touch /var/lib/kavro-server/backups/server-2025-01-${day}T030000Z.db; done'
run_as_service kavro-server-backup.service
copies=$(inside ls /var/lib/kavro-server/backups)
[ "$(echo "$copies" | wc -l)" = 14 ] && ! echo "$copies" | grep -q 'server-2025-01-10T' &&
  echo "$copies" | grep -q "^server-$(date -u +%Y)-" ||
  fail "the backup's job did not keep the newest 14 copies: $copies"
stop_server
trap - EXIT

step "Restoring the newest copy into a folder of its own"
copy=$(echo "$copies" | sort | tail -1)
as_service mkdir -m 700 /var/lib/kavro-server/restored
as_service kavro-server --data /var/lib/kavro-server/restored \
  restore "/var/lib/kavro-server/backups/$copy" || fail "restore $copy"
# The firm made before the copy is there: a person can be added to it.
echo 'пароль-проверки-восстановления' |
  as_service kavro-server --data /var/lib/kavro-server/restored add-user Проверка proverka --role member ||
  fail "the restored copy holds no firm Проверка"
echo "server package check passed: $(basename "$deb") installs, its units verify, it answers /healthz, its backup restores"
