#!/bin/sh
# Runs a command inside a private D-Bus session with a GNOME Keyring of its own, unlocked, in a
# throw-away home folder; the command sees VARMIO_TEST_SECRET_SERVICE=1. Exit status 77 (a skip)
# when dbus-run-session or gnome-keyring-daemon is missing.
set -eu
command -v dbus-run-session >/dev/null && command -v gnome-keyring-daemon >/dev/null || exit 77
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/share" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
exec dbus-run-session -- sh -c 'printf test | gnome-keyring-daemon --unlock --components=secrets \
    >/dev/null && VARMIO_TEST_SECRET_SERVICE=1 exec "$@"' sh "$@"
