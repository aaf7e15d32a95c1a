#!/usr/bin/env bash
# A private sound server for tests and benchmarks: PulseAudio, or PipeWire with its pulse
# server, playing into a null sink named "nullsink", with every runtime, config and state file
# in DIR, so it never meets the desktop's own server or another test's.
#
#   tools/sound-server.sh pulse|pipewire DIR [SECONDS]
#
# Once the sink is the server's default it prints the environment a client needs, one
# NAME=VALUE a line, then "ready PID SINK" (PID is this script's own). SIGTERM or SIGINT, or
# SECONDS (60 by default) running out, stop the servers; the script returns once they are
# reaped. The servers also die with the script, so none outlives a killed run. Run again with
# the same DIR to restart. Exits 1 without printing "ready" when the server does not answer.
set -euo pipefail

kind=${1:?pulse or pipewire} dir=${2:?folder} seconds=${3:-60}
sink=nullsink
mkdir -p "$dir/run" "$dir/config" "$dir/state"
chmod 700 "$dir/run"
dir=$(cd "$dir" && pwd)
export XDG_RUNTIME_DIR=$dir/run PIPEWIRE_RUNTIME_DIR=$dir/run
export XDG_CONFIG_HOME=$dir/config XDG_STATE_HOME=$dir/state
export PULSE_RUNTIME_PATH=$dir/run/pulse PULSE_SERVER=unix:$dir/run/pulse/native
export HOME=$dir # keeps the pulse cookie in the folder
# Both servers try to autolaunch a session bus through X11 when they see a display.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

pids=()
launch() {
  setpriv --pdeathsig KILL -- "$@" >> "$dir/$1.log" 2>&1 &
  pids+=($!)
}

# Waits up to five seconds for a command to succeed.
await() {
  for _ in $(seq 50); do
    "$@" > /dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

sink_is_default() { [ "$(timeout 2 pactl get-default-sink 2> /dev/null)" = "$sink" ]; }

# A zombie still answers kill -0, so look at its state instead.
any_alive() {
  local p
  for p in "${pids[@]}"; do
    grep -qs '^State:[[:space:]]*[^Z]' "/proc/$p/status" && return 0
  done
  return 1
}

stop() {
  trap - TERM INT EXIT
  [ ${#pids[@]} -eq 0 ] && return 0
  kill -TERM "${pids[@]}" 2> /dev/null || true
  for _ in $(seq 30); do
    any_alive || break
    sleep 0.1
  done
  kill -KILL "${pids[@]}" 2> /dev/null || true
  wait "${pids[@]}" 2> /dev/null || true
}
trap 'stop; exit 0' TERM INT
trap stop EXIT

start_pulse() {
  launch pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    -L "module-null-sink sink_name=$sink" -L module-native-protocol-unix
}

# The sink comes from the configuration, so it is there again after a restart; WirePlumber
# needs its D-Bus users switched off to run without a session bus.
start_pipewire() {
  local conf=$dir/config
  mkdir -p "$conf/pipewire/pipewire.conf.d" "$conf/wireplumber/main.lua.d" "$conf/wireplumber/bluetooth.lua.d"
  cat > "$conf/pipewire/pipewire.conf.d/10-null-sink.conf" << EOF
context.objects = [
  { factory = adapter
    args = { factory.name = support.null-audio-sink node.name = "$sink" media.class = "Audio/Sink"
             audio.position = "FL,FR" monitor.channel-volumes = true object.linger = true } }
]
EOF
  cat > "$conf/wireplumber/main.lua.d/51-headless.lua" << 'EOF'
alsa_monitor.enabled = false
v4l2_monitor.enabled = false
libcamera_monitor.enabled = false
default_access.properties["enable-flatpak-portal"] = false
EOF
  echo 'bluez_monitor.enabled = false' > "$conf/wireplumber/bluetooth.lua.d/51-headless.lua"
  launch pipewire
  await timeout 2 pw-cli info 0 || return 1
  launch wireplumber
  launch pipewire-pulse
}

need() {
  local c
  for c in "$@"; do
    command -v "$c" > /dev/null || { echo "$c is not installed" >&2; exit 1; }
  done
}

case $kind in
  pulse) need pulseaudio pactl setpriv && start_pulse ;;
  pipewire) need pipewire wireplumber pipewire-pulse pw-cli pactl setpriv && start_pipewire ;;
  *) echo "unknown server: $kind" >&2; exit 2 ;;
esac || exit 1
await sink_is_default || exit 1

for name in XDG_RUNTIME_DIR PIPEWIRE_RUNTIME_DIR XDG_CONFIG_HOME XDG_STATE_HOME PULSE_RUNTIME_PATH PULSE_SERVER; do
  echo "$name=${!name}"
done
echo "ready $$ $sink"
setpriv --pdeathsig KILL -- sleep "$seconds" > /dev/null &
pids+=($!)
wait $! || true
