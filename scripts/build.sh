#!/usr/bin/env bash
# Configures and builds into build/ (executables in build/bin/). Sourced by run and test.
marlo_build() {
  local extra=("$@")
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
  cmake --build build -j "$(nproc)"
}
