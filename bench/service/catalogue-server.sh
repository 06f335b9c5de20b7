# Sourced by the service benchmarks: vexo-catalogue serving a library on a
# free loopback port.
#   start_catalogue_server LIBRARY WORK_DIR [STORE_OPTIONS...]
# starts the server over LIBRARY (a generated library or a music folder) and
# waits (10 minutes at most: a first start over a large folder reads every
# file) until it has loaded it; then server_pid holds its process, base its
# address ("http://127.0.0.1:PORT") and load_ms the time the load took.
#   stop_catalogue_server
# ends it.
server_pid=""
base=""
load_ms=0

start_catalogue_server() {
  local library=$1 work=$2
  shift 2
  local started
  started=$(date +%s%N)
  "$build/bin/vexo-catalogue" --quiet --library "$library" --listen 127.0.0.1:0 "$@" \
    >"$work/server.out" 2>"$work/server.err" &
  server_pid=$!
  for _ in $(seq 6000); do
    grep -q 'library loaded' "$work/server.err" 2>/dev/null && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q 'library loaded' "$work/server.err"; then
    echo "catalogue server: the library did not load" >&2
    cat "$work/server.err" >&2
    return 1
  fi
  load_ms=$(( ($(date +%s%N) - started) / 1000000 ))
  base=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/server.out")
}

stop_catalogue_server() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null || true
    server_pid=""
  fi
}
