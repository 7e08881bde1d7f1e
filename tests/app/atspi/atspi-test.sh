#!/usr/bin/env bash
# The window as a screen reader sees it, through AT-SPI on an X server of its own: the
# announcements the controls make in process (app_tests), then the real program read and
# worked by an AT-SPI client (window.py). Skips (exit 77) where the accessibility bus cannot
# start: without Xvfb, a D-Bus session, at-spi2-core or python3-pyatspi.
#
#   tests/app/atspi/atspi-test.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher

if [[ "${1:-}" != --inside ]]; then
  build="$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
  for tool in xvfb-run dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (xvfb, dbus-daemon, at-spi2-core)"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
  exec xvfb-run -a dbus-run-session -- "$0" --inside "$build"
fi

build="$2"
work="$(mktemp -d)"
"$launcher" --launch-immediately &
bus=$!
trap 'kill "$bus" 2>/dev/null; rm -rf "$work"' EXIT
# The launcher takes its name on the session bus once the accessibility bus is up.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null \
    | grep -q 'boolean true' && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
  || { echo "skipped: the accessibility bus did not start"; exit 77; }

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
"$build/tests/app_tests" --gtest_filter='MainFAccessibilityTest.ChangesAreAnnouncedAsTheyShow' --gtest_brief=1
/usr/bin/python3 "$here/window.py" "$build/bin/tirnel" "$work"
