#!/usr/bin/env bash
# Installs whichever Debian packages listed in tools/packages.txt are missing (a package that an
# installed one provides counts as there: a Node.js build that carries its own npm, say), then
# the tests' npm packages (tests/zpl) when they are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list="${1:-$here/packages.txt}"
mapfile -t wanted < <(sed -e 's/#.*//' -e '/^\s*$/d' "$list" | tr -d ' ')
provided=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
    sed -n 's/^ii *//p' | sed -e 's/([^)]*)//g' -e 's/,/ /g' | tr -s ' \n' ' ') "
missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" || "$provided" == *" $pkg "* ]] || missing+=("$pkg")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Only with the default list: another list is another build's.
if [[ $# -eq 0 && ! -d "$here/../tests/zpl/node_modules/zpl-renderer-js" ]]; then
    echo "Installing the tests' npm packages (tests/zpl)"
    (cd "$here/../tests/zpl" && npm ci --no-audit --no-fund --loglevel=error)
fi
