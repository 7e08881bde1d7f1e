#!/usr/bin/env bash
# The window as a screen reader sees it, through AT-SPI on an X server and an accessibility bus
# of its own: the controls' announcements in process (app_tests), then the program read and
# worked by an AT-SPI client (window.py). Exit 77, skipped, where the bus cannot start.
#   tests/app/atspi/atspi-test.sh BUILD_DIR
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if [[ "${1:-}" != --inside ]]; then
  for tool in xvfb-run dbus-run-session dbus-send "$launcher"; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool (xvfb, dbus-daemon, at-spi2-core)"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no python3-pyatspi"; exit 77; }
  exec xvfb-run -a dbus-run-session -- "$0" --inside "$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)"
fi
build="$2" work="$(mktemp -d)"
"$launcher" --launch-immediately &
trap 'kill $! 2>/dev/null || true; rm -rf "$work"' EXIT  # the launcher may have gone already
for _ in $(seq 100); do  # the launcher takes its name once the bus is up
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
  || { echo "skipped: the accessibility bus did not start"; exit 77; }
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work"
"$build/tests/app_tests" --gtest_filter='MainFAccessibilityTest.ChangesAreAnnouncedAsTheyShow' --gtest_brief=1
/usr/bin/python3 "$(dirname "$0")/window.py" "$build/bin/tirnel"
