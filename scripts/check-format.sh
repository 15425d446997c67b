#!/usr/bin/env bash
# Fails when a C++ source of ours is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tools tests bench -name '*.cpp' -o -name '*.h')
[[ ${#files[@]} -eq 0 ]] && exit 0
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/varmio-format.$$; then
    grep -E '^[^ ].*(warning|error):' /tmp/varmio-format.$$ | cut -d: -f1 | sort -u | sed 's/^/  not formatted: /' >&2
    rm -f /tmp/varmio-format.$$
    echo "Run: clang-format -i <files>" >&2
    exit 1
fi
rm -f /tmp/varmio-format.$$
