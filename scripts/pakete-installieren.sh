#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Sprilo
# need, and those named as arguments; does nothing when all of them are
# there already.
set -euo pipefail

PAKETE=(
    g++ cmake make
    qt6-base-dev qt6-translations-l10n
    libgtest-dev libgmock-dev
    fonts-liberation
    poppler-utils
    xvfb xauth
    "$@"
)

fehlend=()
for paket in "${PAKETE[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$paket" 2>/dev/null || true)
    if [ "$status" != "installed" ]; then
        fehlend+=("$paket")
    fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
    exit 0
fi

echo "Fehlende Pakete werden installiert: ${fehlend[*]}"

if [ "$(id -u)" -eq 0 ]; then
    als_root=()
elif command -v sudo >/dev/null 2>&1; then
    als_root=(sudo)
else
    echo "Fehler: Zum Installieren werden Administratorrechte benötigt." >&2
    echo "Bitte als root ausführen oder sudo einrichten." >&2
    exit 1
fi

${als_root[@]+"${als_root[@]}"} env DEBIAN_FRONTEND=noninteractive apt-get update
${als_root[@]+"${als_root[@]}"} env DEBIAN_FRONTEND=noninteractive apt-get install -y "${fehlend[@]}"
