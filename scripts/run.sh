#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillon.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/prepare.sh"
exec "$racine/build/bin/quillon" "$@"
