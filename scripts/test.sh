#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest.
#   scripts/test.sh              Release build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build (-O1 -g)
#                                in build-sanitize/; any sanitizer report fails its test
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sanitize=0
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done
"$root/scripts/deps.sh"
if [ "$sanitize" = 1 ]; then
  export NORVANE_BUILD_DIR="${NORVANE_BUILD_DIR:-$root/build-sanitize}"
  # Set before the build: test discovery runs the test programs too.
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_stack_use_after_return=1:strict_string_checks=1}"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
  export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}"
  # -O1 keeps the stacks readable and the run bearable; the benchmarks are left out.
  "$root/scripts/build.sh" -DNORVANE_SANITIZE=ON -DNORVANE_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g"
else
  "$root/scripts/build.sh"
fi
# Every test makes its own folders under TMPDIR (the widget tests their own XDG_RUNTIME_DIR as
# well) and removes them, so two runs at once never meet and nothing is left behind.
cd "${NORVANE_BUILD_DIR:-$root/build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
