#!/usr/bin/env bash
# Runs the benchmarks on the full shipped database and times the whole-process
# commands. Usage: bench/run.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/bench/bench_lookup" ] || { echo "Erst bauen: ./test.sh oder cmake --build $build" >&2; exit 2; }

for b in bench_lookup bench_window bench_notes_window bench_edit_window bench_exchange bench_edits bench_rtf \
         bench_notes bench_manager bench_manager_window bench_report bench_print bench_maps bench_map_window \
         bench_about_window bench_send bench_online bench_nearby bench_map_print; do
  "$build/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2
done

tmp=$(mktemp -d)
server=""
trap 'rm -rf "$tmp"; [ -z "$server" ] || kill "$server"' EXIT

echo
echo "build-database of the whole extract (3 runs, seconds):"
for i in 1 2 3; do
  s=$(date +%s%N)
  "$build/volmira-apt" build-database --from data/ourairports --wmm data/wmm/magnetic --out "$tmp/vm.vmd" >/dev/null
  e=$(date +%s%N)
  awk -v d=$(( e - s )) 'BEGIN { printf "  %.2f\n", d / 1e9 }'
done

# The median milliseconds of a whole process: by hyperfine (no shell between)
# when it is installed, else 20 runs timed by the shell, which adds its own
# start-up. Usage: process_median RUNS COMMAND...
process_median() {
  local runs=$1
  shift
  if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs "$runs" --export-json "$tmp/timing.json" "$*" >/dev/null
    /usr/bin/python3 -c 'import json, sys; r = json.load(open(sys.argv[1]))["results"][0]
print("  %.1f (hyperfine, %d runs)" % (r["median"] * 1000, len(r["times"])))' "$tmp/timing.json"
    return
  fi
  local times=() s e
  for _ in $(seq 20); do
    s=$(date +%s%N)
    "$@" >/dev/null
    e=$(date +%s%N)
    times+=($(( (e - s) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n '10p;11p' | paste -sd' ' |
    awk '{ printf "  %.1f (20 runs timed by the shell; install hyperfine for the figure)\n", ($1 + $2) / 2 }'
}

echo
echo "volmira-apt lookup EDDF as a whole process (median ms):"
"$build/volmira-apt" lookup EDDF --data-dir "$tmp/data" >/dev/null  # first run copies the database
process_median 60 "$build/volmira-apt" lookup EDDF --data-dir "$tmp/data"

echo
echo "lookup EDDF side by side with the engine's own shell (Debian's sqlcipher: the same statements, key"
echo "and file, bench/lookup_eddf.sql), taken in turn, median of 100 runs each:"
if command -v sqlcipher >/dev/null; then
  /usr/bin/python3 bench/side_by_side.py 100 \
    "the shell (sqlcipher)" "sqlcipher -bail '$tmp/data/vmdata.vmd' '.read bench/lookup_eddf.sql'" \
    "volmira-apt lookup EDDF" "'$build/volmira-apt' lookup EDDF --data-dir '$tmp/data'" \
    "of which loading Qt Core alone" "'$build/bench/qt_core_start'"
else
  echo "  (the shell is not installed: apt-get install sqlcipher)"
fi

echo
echo "volmira-apt list SS --json as a whole process (median ms):"
process_median 60 "$build/volmira-apt" list SS --json --data-dir "$tmp/data"

echo
echo "volmira-apt runway add EDHN ... as a whole process (median ms; each run adds a runway to a copy):"
process_median 40 "$build/volmira-apt" runway add EDHN --rwy 07 --hdg 66 --length 800 --width 23 --data-dir "$tmp/data"

echo
echo "volmira-apt print SS --surface off --pdf as a whole process (median ms), and its peak memory:"
process_median 5 "$build/volmira-apt" print SS --surface off --pdf "$tmp/ss.pdf" --data-dir "$tmp/data"
print_kb=$(/usr/bin/time -f %M "$build/volmira-apt" print SS --surface off --pdf "$tmp/ss.pdf" --data-dir "$tmp/data" 2>&1 >/dev/null | tail -1)
awk -v p="$print_kb" 'BEGIN { printf "  peak memory %.1f MB\n", p / 1024 }'

echo
echo "volmira-apt check-version --json against a loopback HTTP server offering the local versions (median ms):"
mkdir -p "$tmp/site/APT/download"
/usr/bin/python3 tests/support/http_server.py --root "$tmp/site" >"$tmp/port" &
server=$!
until [ -s "$tmp/port" ]; do sleep 0.1; done
export VOLMIRA_APT_DOWNLOAD_HOST="127.0.0.1:$(head -1 "$tmp/port")"
# The first answer (no files yet: exit 3) tells the local versions the site then offers.
"$build/volmira-apt" check-version --json --data-dir "$tmp/data" >"$tmp/local.json" || true
/usr/bin/python3 -c 'import json, sys; v = json.load(open(sys.argv[1]))
open(sys.argv[2] + "/version-prog.txt", "w").write(v["ProgramVersion"])
open(sys.argv[2] + "/version-data.txt", "w").write(v["DatabaseVersion"])' "$tmp/local.json" "$tmp/site/APT/download"
process_median 60 "$build/volmira-apt" check-version --json --data-dir "$tmp/data"
unset VOLMIRA_APT_DOWNLOAD_HOST

echo
echo "Peak memory (max. resident set, MB) of a whole-database import and of a lookup:"
"$build/volmira-apt" export "$tmp/all.crm" --all --data-dir "$tmp/data" >/dev/null
size=$(stat -c %s "$tmp/all.crm")
import_kb=$(/usr/bin/time -f %M "$build/volmira-apt" import "$tmp/all.crm" --data-dir "$tmp/data" 2>&1 >/dev/null | tail -1)
lookup_kb=$(/usr/bin/time -f %M "$build/volmira-apt" lookup EDDF --data-dir "$tmp/data" 2>&1 >/dev/null | tail -1)
awk -v s="$size" -v i="$import_kb" -v l="$lookup_kb" 'BEGIN {
  printf "  file %.1f MB, import %.1f MB, lookup %.1f MB, import over lookup %.1f MB (%.1f x the file)\n",
         s / 1e6, i / 1024, l / 1024, (i - l) / 1024, (i - l) * 1024 / s }'

echo
echo "Peak memory (max. resident set, MB) of --screenshot with a 10,000 x 10,000 JPEG shown (--map 0) and without a map:"
mkdir -p "$tmp/maps/Karten"
"$build/bench/sample_charts" "$tmp/maps/Karten/gross.jpg" "$tmp/maps/Karten/gross.pdf" 10000 10000 2>/dev/null
"$build/volmira-apt" map link EDDF 0 "$tmp/maps/Karten/gross.jpg" --data-dir "$tmp/maps" >/dev/null
peak_kb() {
  QT_QPA_PLATFORM=offscreen /usr/bin/time -f %M "$build/volmira-apt-desktop" --data-dir "$tmp/maps" \
    --screenshot "$tmp/shot.png" --show EDDF "$@" 2>&1 >/dev/null | tail -1
}
with_kb=$(peak_kb --map 0)
without_kb=$(peak_kb)
awk -v w="$with_kb" -v o="$without_kb" 'BEGIN {
  printf "  with the map %.1f MB, without %.1f MB, the map %.1f MB above\n", w / 1024, o / 1024, (w - o) / 1024 }'
echo "map print of that JPEG, whole, to an A5 PDF (3 runs; whole process, seconds and max. resident set):"
for i in 1 2 3; do
  /usr/bin/time -f "%e %M" "$build/volmira-apt" map print EDDF 0 --paper A5 --pdf "$tmp/karte.pdf" \
    --data-dir "$tmp/maps" 2>&1 >/dev/null | tail -1 | awk '{ printf "  %.2f s, %.1f MB\n", $1, $2 / 1024 }'
done
echo "volmira-apt send --all to the test FTP server on the loopback (3 runs, seconds; whole process):"
mkdir -p "$tmp/ftp"
/usr/bin/python3 tests/support/ftp_server.py --root "$tmp/ftp" > "$tmp/ftp.port" 2>/dev/null &
ftp_pid=$!
trap 'rm -rf "$tmp"; [ -z "$server" ] || kill "$server"; kill "$ftp_pid"' EXIT
for _ in $(seq 50); do [ -s "$tmp/ftp.port" ] && break; sleep 0.1; done
for i in 1 2 3; do
  s=$(date +%s%N)
  VOLMIRA_APT_FTP_URL="ftp://127.0.0.1:$(head -1 "$tmp/ftp.port")" \
    "$build/volmira-apt" send --all --data-dir "$tmp/data" >/dev/null
  e=$(date +%s%N)
  awk -v d=$(( e - s )) 'BEGIN { printf "  %.2f\n", d / 1e9 }'
done
ls -l "$tmp/ftp" | tail -n +2 | awk '{ printf "  on the server: %s, %.1f MB\n", $NF, $5 / 1e6 }'
