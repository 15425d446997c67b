#!/usr/bin/env bash
# Adds the print queue "Varmio" to CUPS, or takes it away again. Run as root, after a build;
# running it again changes nothing more.
#
# usage: install-printer.sh [--remove]
#
# It installs:
#   $CUPS_SERVERBIN/backend/varmio         the backend (CUPS_SERVERBIN: /usr/lib/cups)
#   $VARMIO_SPOOL/                         the spool, one private folder per user inside
#                                          (VARMIO_SPOOL: /var/spool/varmio)
#   $VARMIO_AUTOSTART/varmio-printer-agent.desktop   starts the agent at every login
#                                          (VARMIO_AUTOSTART: /etc/xdg/autostart)
#   the queue "Varmio" on the CUPS that CUPS_SERVER names (the system's when unset)
# The programs come from VARMIO_BIN (default: build/bin of this checkout, or the bin/ of the
# installation this script is part of, else the folder of an installed varmio-wizard). Removing
# keeps jobs that still wait in the spool.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ -f $here/varmio.ppd ]]; then
    # Installed as <prefix>/share/varmio/install-printer.sh beside the printer's files.
    data=$here
    bin=${VARMIO_BIN:-$(realpath -m "$here/../../bin")}
else
    data=$(cd "$here/.." && pwd)/data
    bin=${VARMIO_BIN:-$(cd "$here/.." && pwd)/build/bin}
fi
if [[ -z ${VARMIO_BIN:-} && ! -x $bin/varmio-printer-backend ]] && command -v varmio-wizard >/dev/null; then
    bin=$(dirname "$(command -v varmio-wizard)")
fi
serverbin=${CUPS_SERVERBIN:-/usr/lib/cups}
spool=${VARMIO_SPOOL:-/var/spool/varmio}
autostart=${VARMIO_AUTOSTART:-/etc/xdg/autostart}
queue=Varmio

die() { echo "install-printer.sh: $*" >&2; exit 1; }

[[ $(id -u) -eq 0 ]] || die "run me as root (sudo $0 $*)"
[[ $# -eq 0 || ( $# -eq 1 && $1 == --remove ) ]] || die "usage: install-printer.sh [--remove]"
command -v lpadmin >/dev/null || die "lpadmin is missing: run scripts/install-deps.sh"
[[ $spool == /* && $spool != *..* ]] || die "VARMIO_SPOOL must be an absolute path"

if [[ ${1:-} == --remove ]]; then
    if lpstat -p "$queue" >/dev/null 2>&1; then
        lpadmin -x "$queue"
    fi
    rm -f "$serverbin/backend/varmio" "$autostart/varmio-printer-agent.desktop"
    if [[ -d $spool ]]; then
        find "$spool" -mindepth 1 -maxdepth 1 -type d -empty -delete
        rmdir "$spool" 2>/dev/null || echo "Jobs still wait in $spool; they are kept." >&2
    fi
    echo "The printer \"$queue\" is removed."
    exit 0
fi

for program in varmio-printer-backend varmio-printer-agent varmio-wizard varmpdf; do
    [[ -x $bin/$program ]] || die "$bin/$program is missing: build first (scripts/run-wizard.sh)"
done
# lpstat -r says so but succeeds either way.
[[ $(LC_ALL=C lpstat -r 2>/dev/null) == "scheduler is running" ]] ||
    die "CUPS is not running (start it: systemctl start cups)"

# CUPS runs a backend as root only when no one else may execute it.
install -d -m 0755 "$serverbin/backend" "$autostart"
install -m 0700 -o root -g root "$bin/varmio-printer-backend" "$serverbin/backend/varmio"
install -d -m 0755 -o root -g root "$spool"
sed "s|^Exec=.*|Exec=$bin/varmio-printer-agent|" "$data/varmio-printer-agent.desktop" \
    > "$autostart/varmio-printer-agent.desktop"
chmod 0644 "$autostart/varmio-printer-agent.desktop"

# "abort-job": a job that fails (its owner has no account here, say) must not stop the queue.
lpadmin -p "$queue" -E -v "varmio:$spool" -P "$data/varmio.ppd" \
    -D "Varmio Publish Wizard" -L "Opens the document in the wizard" \
    -o printer-error-policy=abort-job -o printer-is-shared=false 2>&1 |
    grep -v "Printer drivers are deprecated" >&2 || true
lpstat -p "$queue" >/dev/null || die "CUPS did not take the queue"
echo "The printer \"$queue\" is ready: print to it, and the document opens in the wizard."
echo "Sessions that are already running start the agent themselves: $bin/varmio-printer-agent &"
