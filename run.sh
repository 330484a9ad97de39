#!/usr/bin/env bash
# Installs what the machine lacks, builds, prepares the working folder and starts the app.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/build.sh build/release Release
echo "The application arrives with a later change; the libraries are built in build/release."
