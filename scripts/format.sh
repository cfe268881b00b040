#!/bin/sh
# The code style of .clang-format over the C++ sources (.cpp, .h) below the
# given folders, relative to the repository root.
#   scripts/format.sh fix DIR... [--except FILE...]    formats the files in place
#   scripts/format.sh check DIR... [--except FILE...]  names each file that is not
#                                                      formatted, and fails if any is
set -eu
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 fix|check DIR... [--except FILE...]" >&2
  exit 2
}
[ $# -ge 2 ] || usage
mode="$1"
shift

dirs=""
except=""
while [ $# -gt 0 ]; do
  case "$1" in
    --except) except="$except $*"; break ;;
    *) dirs="$dirs $1" ;;
  esac
  shift
done
[ -n "$dirs" ] || usage

clang_format="${CLANG_FORMAT:-clang-format}"
command -v "$clang_format" >/dev/null 2>&1 || {
  echo "$0: $clang_format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
}

# shellcheck disable=SC2086
files=$(find $dirs -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
for f in $except; do
  [ "$f" = --except ] || files=$(printf '%s\n' "$files" | grep -Fxv "$f" || true)
done
[ -n "$files" ] || { echo "$0: no C++ files in$dirs" >&2; exit 1; }

case "$mode" in
  fix)
    # shellcheck disable=SC2086
    "$clang_format" --style=file -i $files
    ;;
  check)
    bad=""
    count=0
    for f in $files; do
      count=$((count + 1))
      "$clang_format" --style=file --dry-run --Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
    done
    if [ -n "$bad" ]; then
      echo "Not formatted as .clang-format says (make format formats them):"
      for f in $bad; do echo "  $f"; done
      exit 1
    fi
    echo "$count files in$dirs are formatted${except:+ (left out:${except# --except})}"
    ;;
  *)
    usage
    ;;
esac
