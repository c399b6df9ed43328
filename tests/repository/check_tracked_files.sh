#!/usr/bin/env bash
# check_tracked_files.sh SOURCE_DIR
# Fails when git tracks a build output: an ELF binary, a Debian package, or any file inside a folder that a
# build, a test run or a package run writes. Such files bloat every clone and go stale at once. Outside a
# git checkout (an unpacked source archive) there is nothing to check: the test is skipped.
set -euo pipefail
cd "$1"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: nothing to check"
  exit 77
fi
output_folder='(^|/)(build[^/]*|_CPack_Packages|CMakeFiles|Testing)/'
failures=0
while IFS= read -r -d '' file; do
  reason=""
  if [[ "$file" =~ $output_folder ]]; then
    reason="lies in a build output folder"
  elif [[ "$file" == *.deb ]]; then
    reason="is a Debian package"
  elif [ -f "$file" ] && head -c 4 "$file" | cmp -s - <(printf '\177ELF'); then
    reason="is an ELF binary"
  fi
  if [ -n "$reason" ]; then
    echo "tracked file $file $reason"
    failures=$((failures + 1))
  fi
done < <(git ls-files -z)
if [ "$failures" -gt 0 ]; then
  echo "$failures tracked build output(s): remove them with git rm and keep them ignored (.gitignore)"
  exit 1
fi
echo "every tracked file is a source"
