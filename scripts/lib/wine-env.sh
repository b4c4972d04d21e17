# shellcheck shell=bash
# One Wine environment per state directory (for a build tree: <tree>/wine): a prefix, a private
# Xvfb display and a persistent wineserver, all created on first use and reused afterwards.
# Sourced by wine-run, run and the end-to-end tests.
#
# Every long-lived process (Xvfb, wineserver, Wine's services) is started with /dev/null or a log
# file as its streams and without the lock descriptor: whatever it inherits it keeps open, and
# an inherited pipe would keep ctest waiting, an inherited lock would block every later run.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# The Wine loader for PROGRAM, never Debian's wine wrapper: that tries the 32-bit loader first,
# which a host that runs 64-bit code only refuses. A 32-bit exe (PE32, machine 0x14c) goes to the
# 32-bit loader; a 64-bit exe and Wine's own tools of our 64-bit prefixes (taskkill, reg, cmd,
# winepath, wineboot) go to the 64-bit one.
pelmo_wine_loader() {
  local header="" machine=""
  [ -f "$1" ] && header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] && machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  if [ "$machine" = 014c ]; then
    echo /usr/lib/wine/wine
  else
    echo /usr/lib/wine/wine64
  fi
}

# Runs PROGRAM [ARGS...] under the loader that fits it.
pelmo_wine() {
  "$(pelmo_wine_loader "$1")" "$@"
}

# Whether this host can start Wine's 32-bit loader (some kernels refuse 32-bit Linux programs).
# Asked once by starting it, not guessed from the kernel.
pelmo_wine32_starts() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Prints the build tree that holds PATH: the nearest directory upwards with a CMakeCache.txt.
pelmo_build_tree() {
  local dir
  dir=$(dirname "$(readlink -f "$1")")
  while [ "$dir" != / ]; do
    if [ -f "$dir/CMakeCache.txt" ]; then
      echo "$dir"
      return 0
    fi
    dir=$(dirname "$dir")
  done
  return 1
}

# Whether process PID runs, and when NAME is given, under that name. A zombie left behind for an
# init that does not reap does not count, nor does a recycled pid.
pelmo_runs() {
  local pid=$1 name=${2:-} stat comm
  read -r stat comm < <(ps -o stat=,comm= -p "$pid" 2>/dev/null) || return 1
  [ "${stat:0:1}" != Z ] && { [ -z "$name" ] || [ "$comm" = "$name" ]; }
}

# The display recorded in STATE, if its Xvfb still runs and answers. The number alone is not
# proof: another tree's Xvfb may have taken it over.
pelmo_recorded_display() {
  local state=$1 number pid
  [ -f "$state/display" ] || return 1
  read -r number pid <"$state/display" || return 1
  [ -n "$number" ] && [ -n "$pid" ] || return 1
  pelmo_runs "$pid" Xvfb || return 1
  xdpyinfo -display ":$number" >/dev/null 2>&1 || return 1
  echo ":$number"
}

# Starts a private Xvfb on a free display number (Xvfb picks it) and records it in STATE.
pelmo_start_display() {
  local state=$1 pid number="" tries
  : >"$state/display.number"
  setsid Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
    3>"$state/display.number" </dev/null >"$state/xvfb.log" 2>&1 9>&- &
  pid=$!
  for ((tries = 0; tries < 100; tries++)); do
    number=$(tr -d '\n' <"$state/display.number")
    [ -n "$number" ] && xdpyinfo -display ":$number" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || break
    number=""
    sleep 0.1
  done
  rm -f "$state/display.number"
  if [ -z "$number" ]; then
    kill "$pid" 2>/dev/null
    echo "wine-env: Xvfb did not start (see $state/xvfb.log)" >&2
    return 1
  fi
  echo "$number $pid" >"$state/display"
  echo ":$number"
}

# Creates the prefix once. A prefix without the ready mark is a leftover of an interrupted
# creation and is made again from scratch.
pelmo_ensure_prefix() {
  local state=$1
  [ -f "$WINEPREFIX/.pelmo-ready" ] && return 0
  echo "wine-env: creating the Wine prefix $WINEPREFIX (about 20 s, once)" >&2
  wineserver -k 2>/dev/null
  wineserver -w
  rm -rf "$WINEPREFIX"
  {
    pelmo_wine wineboot --init &&
      # Without a window manager every hidden or destroyed top-level window would wait 2 s.
      pelmo_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
      wineserver -k
    wineserver -w
  } </dev/null >"$state/prefix.log" 2>&1 9>&-
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    echo "wine-env: creating the Wine prefix failed (see $state/prefix.log)" >&2
    return 1
  fi
  touch "$WINEPREFIX/.pelmo-ready"
}

# Starts the persistent wineserver, and Wine's services with it, unless it already runs. A server
# that serves another display (scripts/run on a changed $DISPLAY) is ended first.
pelmo_ensure_server() {
  local state=$1 status=0
  if [ "$(cat "$state/server-display" 2>/dev/null)" != "$DISPLAY" ]; then
    wineserver -k 2>/dev/null
    wineserver -w
  fi
  echo "$DISPLAY" >"$state/server-display"
  wineserver -p </dev/null >/dev/null 2>&1 9>&- || status=$?
  case $status in
    0) pelmo_wine cmd.exe /c exit </dev/null >>"$state/services.log" 2>&1 9>&- ;;
    2) ;; # already running
    *)
      echo "wine-env: wineserver failed to start ($status)" >&2
      return 1
      ;;
  esac
}

# Makes STATE's environment ready and exports WINEPREFIX and DISPLAY for it. With
# keep_display=1 an already exported DISPLAY is used instead of the private one.
pelmo_wine_enter() {
  local state=$1 keep_display=${2:-0} display
  mkdir -p "$state"
  export WINEPREFIX="$state/prefix"
  exec 9>"$state/lock"
  flock 9
  if [ "$keep_display" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    display=$DISPLAY
  else
    display=$(pelmo_recorded_display "$state" || pelmo_start_display "$state") || {
      exec 9>&-
      return 1
    }
  fi
  export DISPLAY=$display
  if ! pelmo_ensure_prefix "$state" || ! pelmo_ensure_server "$state"; then
    exec 9>&-
    return 1
  fi
  exec 9>&-
}

# Ends STATE's wineserver (with every Wine process of its prefix) and its Xvfb.
pelmo_wine_stop() {
  local state=$1 number pid
  if [ -d "$state/prefix" ]; then
    WINEPREFIX="$state/prefix" wineserver -k 2>/dev/null
  fi
  if [ -f "$state/display" ] && read -r number pid <"$state/display"; then
    pelmo_runs "$pid" Xvfb && kill "$pid"
    rm -f "$state/display"
  fi
  return 0
}
