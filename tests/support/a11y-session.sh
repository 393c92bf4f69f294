#!/bin/sh
# Runs a command where a screen reader could listen: on a virtual X display, in a D-Bus session of
# its own with the accessibility bus up, and Qt's accessibility on whether or not one listens.
#   a11y-session.sh command [argument...]
set -eu
if [ -z "${VANTEL_A11Y_SESSION:-}" ]; then
    export VANTEL_A11Y_SESSION=1
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
# Programs look for the accessibility bus once, as they start: it must be there first.
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 400 ]; then
        echo "the accessibility bus did not start" >&2
        exit 1
    fi
    sleep 0.05
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
