#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet.
missing=""
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1; then
    run="sudo"
else
    echo "These packages are missing and installing them needs root:$missing" >&2
    echo "Run 'make' again as root, or install them with: apt-get install$missing" >&2
    exit 1
fi
echo "Installing:$missing"
$run apt-get update -qq || exit 1
DEBIAN_FRONTEND=noninteractive $run apt-get install -y -qq --no-install-recommends $missing
