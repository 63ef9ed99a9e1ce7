# Sourced by the mizaro-cli shell tests: a scratch folder `work` removed on exit, and fail,
# which prints a failed check and marks the run failed (`exit $failed` ends each test).
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}
