#!/usr/bin/env bash
# Installs what is missing, builds, starts qtx-server with demo data and the
# client against it. Without a display the client runs under Xvfb for a few
# seconds and the script prints where the screenshot went.
#   QTX_DEMO_TCP_PORT (52017), QTX_DEMO_SOAP_PORT (8080), QTX_DEMO_SECONDS (8, headless only)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)" --target qtx-client qtx-server

tcp_port=${QTX_DEMO_TCP_PORT:-52017}
soap_port=${QTX_DEMO_SOAP_PORT:-8080}
demo=$root/demo
mkdir -p "$demo/client" "$demo/config" "$demo/runtime"
chmod 700 "$demo/runtime"
db=$demo/demo.sqlite
server=$root/build/dev/bin/qtx-server

if "$server" --help 2>/dev/null | grep -q -- '--init-demo'; then
  [ -f "$db" ] || "$server" --init-demo "$db"
fi

"$server" --db "$db" --tcp-port "$tcp_port" --soap-port "$soap_port" >"$demo/server.log" 2>&1 &
server_pid=$!
pids=("$server_pid")
cleanup() { kill "${pids[@]}" 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
kill -0 "$server_pid" 2>/dev/null || { echo "demo: qtx-server did not start, see $demo/server.log"; exit 1; }

# The client keeps INI, log and counters beside its executable: give the demo its own copy.
cp "$root/build/dev/bin/qtx-client" "$demo/client/qtx-client"
ini=$demo/client/qtx-client.ini
if [ ! -f "$ini" ]; then
  cat >"$ini" <<INI
[RUNTIME]
SERVERIP=127.0.0.1
SERVERPORT=$tcp_port
IP_VON_INI=ON
CONNECT_ADR=http://127.0.0.1:$soap_port/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer
INI
fi

export XDG_CONFIG_HOME=$demo/config XDG_RUNTIME_DIR=$demo/runtime
if [ -n "${DISPLAY:-}" ]; then
  echo "demo: qtx-server on tcp $tcp_port / soap $soap_port; starting the client"
  "$demo/client/qtx-client"
  exit 0
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x860x24 -nolisten tcp >"$demo/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display QTX_AUTO_DIALOGS=1 "$demo/client/qtx-client" >"$demo/client.out" 2>&1 &
pids+=($!)
sleep "${QTX_DEMO_SECONDS:-8}"
shot=$demo/screenshot.png
DISPLAY=$display import -window root "$shot"
echo "demo: no display, the client ran under Xvfb; screenshot: $shot"
echo "demo: client log: $demo/client/qtx-client.log, server log: $demo/server.log"
