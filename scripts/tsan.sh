#!/usr/bin/env bash
# Builds the core and its threaded tests with ThreadSanitizer (no Qt: Debian's Qt is not built
# for it) and runs the tests of the long-running operations and the world archive under it.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KW_TSAN_BUILD_DIR:-$repo/build-tsan}"
jobs="${KW_TSAN_JOBS:-2}"
# The programs and the tests of them that run threads without Qt: the world archive, the
# long-running operations, two databases loaded and saved at once, and the player search's worker
# (alone and with a delete issued while it runs).
tests=(exports_tests app_tests model_tests tools_search_tests editing_search_tests)
filter='^(exports_tests\.(ArchiveChunks|ChunkPacker|WorldArchive)|app_tests\.Longtime|model_tests\.ConcurrentWorlds|tools_search_tests\.PlayerSearchWorker|editing_search_tests\.SearchWhileDeleting)'

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKW_TSAN=ON \
    -DKW_BUILD_GUI=OFF -DKW_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j"$jobs" "${tests[@]}"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
    ctest --test-dir "$build" -R "$filter" --output-on-failure -j"$jobs"
