#!/usr/bin/env bash
# Fails, naming the places, when a C++ file of the repository is not as clang-format (the
# repository's .clang-format) would write it.
#
#   scripts/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "every C++ file is formatted"
