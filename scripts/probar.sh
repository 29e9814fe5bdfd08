#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (offscreen, no display needed).
source "$(dirname "${BASH_SOURCE[0]}")/comun.sh"
instalar
compilar
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300
