#!/usr/bin/env bash
# check_formatting.sh SOURCE_DIR
# Fails when a C++ file of src/, tests/ or bench/ differs from what clang-format makes of it with the
# root .clang-format; lists each such file. `clang-format -i FILE` brings one into line. The version is
# pinned to Debian 12's (14), since another major version lays out some constructs differently.
set -euo pipefail
cd "$1"
formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formatter" ]; then
  echo "clang-format is not installed (scripts/install-deps installs it)" >&2
  exit 1
fi
# One run over every file; each difference is reported as "FILE:LINE:COLUMN: error: ...".
mapfile -d '' files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if report=$("$formatter" --dry-run --Werror "${files[@]}" 2>&1); then
  echo "every source file is formatted (${#files[@]} files)"
  exit 0
fi
differing=$(printf '%s\n' "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ -z "$differing" ]; then
  printf '%s\n' "$report"
  exit 1
fi
printf 'not formatted: %s\n' $differing
echo "$(printf '%s\n' "$differing" | wc -l) file(s) differ from .clang-format: run clang-format -i on each"
exit 1
