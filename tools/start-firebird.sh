#!/usr/bin/env bash
# Starts the Firebird server of the firebird3.0-server package on 127.0.0.1:3050 unless one
# already listens there. There is no init system on these machines, so it is started by hand.
set -euo pipefail

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

listening && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" mkdir -p /run/firebird3.0
"${as_root[@]}" chown firebird:firebird /run/firebird3.0
"${as_root[@]}" su -s /bin/sh firebird -c "/usr/sbin/fbguard -daemon -forever"
for _ in $(seq 1 100); do
  listening && exit 0
  sleep 0.2
done
echo "start-firebird: the server does not listen on 127.0.0.1:3050" >&2
exit 1
