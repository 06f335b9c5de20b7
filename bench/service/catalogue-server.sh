# Sourced by the service benchmarks: a generated library served by
# vexo-catalogue on a free loopback port.
#   start_catalogue_server BUILD_DIR SONGS WORK_DIR
# writes a SONGS-song library into WORK_DIR/library, starts the server and
# waits (30 s at most) until it has loaded the library; then server_pid holds
# its process and base its address ("http://127.0.0.1:PORT").
#   stop_catalogue_server
# ends it.
server_pid=""
base=""

start_catalogue_server() {
  local build=$1 songs=$2 work=$3
  "$build/bench-tools/vexo-bench-library" "$work/library" "$songs" || return 1
  "$build/bin/vexo-catalogue" --quiet --library "$work/library" --listen 127.0.0.1:0 \
    >"$work/server.out" 2>"$work/server.err" &
  server_pid=$!
  for _ in $(seq 300); do
    grep -q 'library loaded' "$work/server.err" 2>/dev/null && break
    sleep 0.1
  done
  if ! grep -q 'library loaded' "$work/server.err"; then
    echo "catalogue server: the library did not load" >&2
    return 1
  fi
  base=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/server.out")
}

stop_catalogue_server() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  server_pid=""
}
