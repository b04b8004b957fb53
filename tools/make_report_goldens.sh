#!/usr/bin/env bash
# Writes tests/golden/report_<window>_case<N>.txt anew: the text report of every case of every
# design window on its default inputs. Run it when a change to the reports is meant, and read
# the difference (git diff tests/golden) before committing it.
#   tools/make_report_goldens.sh [BUILD_DIR]     (default: build)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
cmake --build "$BUILD" --target report_golden_tests
FOUNDATIONS_UPDATE_REPORT_GOLDENS=1 "$BUILD/tests/report/report_golden_tests" --gtest_brief=1
"$BUILD/tests/report/report_golden_tests" --gtest_brief=1
git -C "$ROOT" status --short tests/golden
