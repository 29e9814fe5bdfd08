#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program on the store's database
# (created with the administrator user on first start). Options are passed on:
#   scripts/ejecutar.sh --datos /srv/refaccionaria
source "$(dirname "${BASH_SOURCE[0]}")/comun.sh"
instalar
compilar
exec "$BUILD/refaccionaria" "$@"
