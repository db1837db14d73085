#!/usr/bin/env bash
# Fails when a C++ file under src/ or tests/ differs from what clang-format
# makes of it with the project's .clang-format; `clang-format -i` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format --style=file --dry-run --Werror
