# Sourced by the benchmarks that drive the whole player under an X server and
# a sound server (with xdotool and pactl).
#   until_ok SECONDS COMMAND...   polls COMMAND until it succeeds, or fails
#   playing PID                   the player has a sound stream open
#   player_window PID             waits for the player's window, prints its id
#   start_first_song PID WINDOW   the hot-songs chart, then its first row,
#                                 until the song plays (fails after 100 tries)
until_ok() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

playing() { pactl list sink-inputs 2>/dev/null | grep -q "application.process.id = \"$1\""; }

player_window() {
  until_ok 20 xdotool search --onlyvisible --pid "$1" || return 1
  local win
  win=$(xdotool search --onlyvisible --pid "$1" | head -1)
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  echo "$win"
}

# A double click before the chart's rows are in says "请先选择歌曲播放" in a
# message box (友情提醒), which holds every later click: it is answered and
# the chart asked for again on the next try.
answer_box() {  # answer_box PID MAIN_WINDOW: clicks 确定 of its message boxes
  local box
  for box in $(xdotool search --onlyvisible --pid "$1" --name '友情提醒' 2>/dev/null); do
    [ "$box" = "$2" ] && continue
    xdotool mousemove --window "$box" 118 60 click 1 2>/dev/null || true  # 确定
  done
}

start_first_song() {
  local _
  for _ in $(seq 100); do
    answer_box "$1" "$2"
    xdotool mousemove --window "$2" 51 150 click 1              # 热歌榜
    xdotool mousemove --window "$2" 100 222 click --repeat 2 1  # the first row
    until_ok 2 playing "$1" && return 0
  done
  playing "$1"
}
