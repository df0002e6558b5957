#!/usr/bin/env bash
# Runs every benchmark in one go and prints one table: each figure next to
# its baseline, measured in the same run, and the ratio.
#   scripts/bench.sh              build the ci preset, run everything
#   scripts/bench.sh --no-build   use the benchmarks already built
#   QTX_LOAD_SECONDS=20           duration of the load test
set -euo pipefail
cd "$(dirname "$0")/.."

build=1
for a in "$@"; do
  case "$a" in
    --no-build) build=0 ;;
    *) echo "unknown argument: $a" >&2; exit 2 ;;
  esac
done
if [ "$build" = 1 ]; then
  cmake --preset ci >/dev/null
  cmake --build --preset ci -j "$(nproc)" >/dev/null
fi

bin=build/ci/bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
opts=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json)
for b in bench_model bench_catalogue bench_search bench_order bench_login bench_quantity; do
  "$bin/$b" "${opts[@]}" >"$out/$b.json" 2>"$out/$b.err" || { cat "$out/$b.err" >&2; exit 1; }
done
load_status=0
"$bin/bench_load" --seconds "${QTX_LOAD_SECONDS:-20}" >"$out/load.txt" 2>"$out/load.err" || load_status=$?

python3 - "$out" <<'PY'
import json, os, sys
out = sys.argv[1]
median = {}
counters = {}
for name in os.listdir(out):
    if name.endswith('.json'):
        for b in json.load(open(os.path.join(out, name)))['benchmarks']:
            if b.get('aggregate_name') == 'median':
                unit = {'ns': 1e-3, 'us': 1.0, 'ms': 1e3}[b['time_unit']]
                median[b['run_name']] = b['real_time'] * unit
                counters[b['run_name']] = b

rows = [
    ('SOAP request, client, qtx-server', 'BM_SoapRequester/qtx', 'raw keep-alive HTTP', 'BM_RawSoapKeepAlive/qtx', 1.5),
    ('SOAP request, client, Python server', 'BM_SoapRequester/python', 'raw keep-alive HTTP', 'BM_RawSoapKeepAlive/python', 1.5),
    ('TCP short search "OC 47", wrapper', 'BM_WrapperShortSearch', 'raw socket', 'BM_RawShortSearch', 1.5),
    ('TCP server time 994, wrapper', 'BM_Wrapper994', 'raw socket', 'BM_Raw994', 1.5),
    ('short search 131, 200k articles', 'BM_ShortSearch/number', 'empty request 994', 'BM_EmptyRequest', None),
    ('long search 134, 200k articles', 'BM_LongSearch/number', 'empty request 994', 'BM_EmptyRequest', None),
    ('short search, common word', 'BM_ShortSearch/word', 'empty request 994', 'BM_EmptyRequest', None),
    ('long search, common word', 'BM_LongSearch/word', 'empty request 994', 'BM_EmptyRequest', None),
    ('search 137 with 50 texts', 'BM_SearchAll50', 'short search 131', 'BM_ShortSearch/number', 10.0),
    ('login to the Shop tab, TCP', 'BM_Login/tcp', 'empty request, TCP', 'BM_EmptyRequestLoggedIn/tcp', None),
    ('login to the Shop tab, SOAP', 'BM_Login/soap', 'empty request, SOAP', 'BM_EmptyRequestLoggedIn/soap', None),
    ('decode 100,000 draft lines', 'BM_DecodeVerkaufskladde/100000', '10,000 lines', 'BM_DecodeVerkaufskladde/10000', 10.0),
    ('decode 100,000 articles', 'BM_DecodeArtikelInfo/100000', '10,000 articles', 'BM_DecodeArtikelInfo/10000', 10.0),
    ('draft grid load, 2,000 lines', 'BM_LoadWithServer/2000', '200 lines', 'BM_LoadWithServer/200', 10.0),
    ('one row rebuilt in 2,000 lines', 'BM_ChangeOneRow/2000', 'in 200 lines', 'BM_ChangeOneRow/200', 1.5),
    ('quantity split over 3 branches', 'BM_QuantitySplit', 'as many bare 121', 'BM_BareStockRequests', None),
]
print(f"{'figure':40} {'median':>12}  {'baseline':28} {'median':>12}  {'ratio':>7}  goal")
def find(name):
    for run in sorted(median):
        if run == name or run.startswith(name + '/'):
            return median[run]
    return None
for label, fig, base_label, base, goal in rows:
    f, b = find(fig), find(base)
    if f is not None and b is not None:
        g = f"<= {goal:g}x" if goal else ''
        print(f"{label:40} {f:10.1f}us  {base_label:28} {b:10.1f}us  {f / b:6.2f}x  {g}")
    else:
        print(f"{label:40} missing")
for run, b in sorted(counters.items()):
    if run.startswith('BM_QuantitySplit'):
        print(f"quantity entry: {b.get('requests', 0):.0f} requests, {b.get('roundtrip_ms', 0):.2f} ms of them "
              f"waiting for the server, the client adds {100 * b.get('client_share', 0):.0f}% (goal <= 20%)")
print()
print('all benchmarks (median):')
for name in sorted(median):
    print(f"  {name:60} {median[name]:12.1f}us")
load = open(os.path.join(out, 'load.txt')).read().strip().splitlines()
print()
print(load[-1] if load else 'load test: no output')
PY
exit "$load_status"
