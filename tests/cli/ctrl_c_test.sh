#!/usr/bin/env bash
# Ctrl-C stops a long run of the front end with exit status 130.
set -u
cli="$1"
list=$(seq 1 60 | awk '{ printf "%s%d", (NR > 1 ? "," : ""), $1 * 1000000 + $1 }')
"$cli" --candidates "$list" --odd 7 --even 8 --lower -2147483648 --upper 2147483647 --target 1 \
  > "${TMPDIR:-/tmp}/ctrl_c_test.out" 2>&1 &
pid=$!
sleep 1
kill -INT "$pid"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid"
  echo "still running 10 s after Ctrl-C"
  exit 1
fi
wait "$pid"
status=$?
output=$(cat "${TMPDIR:-/tmp}/ctrl_c_test.out")
[ "$status" -eq 130 ] || { echo "exit status $status, expected 130"; exit 1; }
[ "$output" = "已取消" ] || { echo "printed '$output', expected 已取消"; exit 1; }
echo "stopped with 130"
