#!/usr/bin/env bash
# Installs whichever Debian packages listed in tools/packages.txt are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list="${1:-$here/packages.txt}"
mapfile -t wanted < <(sed -e 's/#.*//' -e '/^\s*$/d' "$list" | tr -d ' ')
missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
