#!/usr/bin/env bash
# Installs what is missing, builds, starts qtx-server with demo data and the
# client against it. Without a display the client runs under Xvfb for a few
# seconds and the script prints where the screenshot went.
#   QTX_DEMO_TCP_PORT (52017), QTX_DEMO_SOAP_PORT (8080), QTX_DEMO_SECONDS (8, headless only),
#   QTX_DEMO_DIR (demo/), QTX_DEMO_BUILD_DIR (build and use build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# QTX_DEMO_BUILD_DIR: use the programs of an existing build instead of building.
build=${QTX_DEMO_BUILD_DIR:-}
if [ -z "$build" ]; then
  bash scripts/setup-deps.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev -j "$(nproc)" --target qtx-client qtx-server
  build=$root/build/dev
fi

tcp_port=${QTX_DEMO_TCP_PORT:-52017}
soap_port=${QTX_DEMO_SOAP_PORT:-8080}
demo=${QTX_DEMO_DIR:-$root/demo}
mkdir -p "$demo/client" "$demo/config" "$demo/runtime"
chmod 700 "$demo/runtime"
db=$demo/demo.sqlite
server=$build/bin/qtx-server

# Build the demo data (fixed seed) when there is none yet, or when the server
# is newer than the database: its schema or demo data may have changed.
if [ ! -f "$db" ] || [ "$server" -nt "$db" ]; then
  "$server" --init-demo "$db"
fi

# The tenant's resource library, served for the login to fetch.
files=()
for lib in "$build"/tenantlib/6/*Resource.dll; do
  [ -f "$lib" ] && files+=(--add-file "RESOURCE/MANDANT6/DURNAK.DLL=$lib")
done

"$server" --db "$db" --tcp-port "$tcp_port" --soap-port "$soap_port" "${files[@]}" >"$demo/server.log" 2>&1 &
server_pid=$!
pids=("$server_pid")
cleanup() { kill "${pids[@]}" 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
kill -0 "$server_pid" 2>/dev/null || { echo "demo: qtx-server did not start, see $demo/server.log"; exit 1; }

# The client keeps INI, log and counters beside its executable: give the demo its own copy.
cp "$build/bin/qtx-client" "$demo/client/qtx-client"
ini=$demo/client/qtx-client.ini

# The client's scrambled form of a secret: four hex digits of the sum of the
# character codes, then two hex digits of twice each code (ASCII only).
scramble() {
  local text=$1 sum=0 out="" i code
  for ((i = 0; i < ${#text}; i++)); do
    code=$(printf '%d' "'${text:i:1}")
    sum=$((sum + code))
    out+=$(printf '%02X' $((2 * code)))
  done
  printf '%04X%s' "$sum" "$out"
}

# Written afresh on every run, so that the client logs in by itself as the
# README's demo user: customer, user and the stored password ("***" in the
# password field). The password is bound to the registry GUID; the demo's
# registry starts without one and the INI carries no USER/ID, so both agree.
demo_kdnr=${QTX_DEMO_KUNDE:-10000}
demo_user=${QTX_DEMO_USER:-DEMO}
demo_password=${QTX_DEMO_PASSWORD:-demo}
rm -f "$demo/config/qtx-client/registry.ini"
cat >"$ini" <<INI
[RUNTIME]
SERVERIP=127.0.0.1
SERVERPORT=$tcp_port
IP_VON_INI=ON
CONNECT_ADR=http://127.0.0.1:$soap_port/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer
[OPTIONS]
AUTOLOGIN=ON
LOGIN_PASSWORT_SPEICHERN=ON
[USER]
Kundennr=$demo_kdnr
KALDO_ID=$demo_user
$(scramble PWD)=$(scramble "$demo_password")
INI

# QTX_DEMO_LANGUAGE=NL: the client fetches and uses the Dutch texts.
if [ -n "${QTX_DEMO_LANGUAGE:-}" ]; then
  printf '[LANGUAGE]\nLANGUAGE_FILENAME=%s.lng\n' "$QTX_DEMO_LANGUAGE" >>"$ini"
fi
rm -f "$demo/client/"*.lng

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
# Xvfb runs without a window manager, so the window has no title bar: read the
# caption from the X server and write it above the picture.
caption=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
  sed -n 's/^[^"]*"\(.*für Kunde.*\)": (.*/\1/p' | head -n 1 || true)
# Qt appends the application's display name to the X window name.
caption=${caption% — *}
DISPLAY=$display import -window root "$shot"
if [ -n "$caption" ] && command -v convert >/dev/null; then
  convert "$shot" -background '#d4d0c8' -gravity north -splice 0x26 -font DejaVu-Sans -pointsize 14 \
    -annotate +0+5 "$caption" "$shot" || true
fi
echo "demo: no display, the client ran under Xvfb; screenshot: $shot"
echo "demo: window caption: ${caption:-(not logged in, see the client log)}"
echo "demo: client log: $demo/client/qtx-client.log, server log: $demo/server.log"
