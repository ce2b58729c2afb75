# Sourced by the sanitizer and fuzzing scripts: how ASan, UBSan and LSan
# report. The first report ends the program; only third-party leaks named in
# lsan-suppressions.txt are not reported.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/lsan-suppressions.txt:print_suppressions=0"
