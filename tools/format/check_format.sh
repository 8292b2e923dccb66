#!/usr/bin/env bash
# Fails, naming the places, when a C++ file of the project is not in the project's one style
# (.clang-format at the root). Mend with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/../.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  list() { git ls-files -z '*.cpp' '*.h'; }
else
  list() { find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0; }
fi
if ! list | xargs -0 clang-format --dry-run -Werror --ferror-limit=3; then
  echo "Not in the project's format; mend with: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
  exit 1
fi
