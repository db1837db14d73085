#!/usr/bin/env bash
# Fails when a C++ file under src/ or tests/ differs from what clang-format
# makes of it with the project's .clang-format (`clang-format -i` mends it),
# or reaches another folder with "../" instead of through the include roots.
set -euo pipefail
cd "$(dirname "$0")/.."
if grep -rn --include='*.cpp' --include='*.h' '#include "\.\./' src tests; then
    echo 'Include "folder/header.h", which a layer sees only when it may use it.' >&2
    exit 1
fi
find src tests -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format --style=file --dry-run --Werror
