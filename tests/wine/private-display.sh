# Sourced by the Wine runners: starts an Xvfb of 1024 x 768 on a display number the server
# picks itself (-displayfd), so that runs started at the same moment never share a screen, and
# exports DISPLAY. Sets PRIVATE_XVFB_PID; returns non-zero when no server came up.
start_private_display() {
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  PRIVATE_XVFB_PID=$!
  local n=""
  for _ in $(seq 100); do
    n=$(tr -dc 0-9 <"$numberfile")
    [ -n "$n" ] && break
    kill -0 "$PRIVATE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberfile"
  if [ -z "$n" ]; then
    kill "$PRIVATE_XVFB_PID" 2>/dev/null
    PRIVATE_XVFB_PID=""
    return 1
  fi
  export DISPLAY=":$n"
}
