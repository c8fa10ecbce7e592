# Helpers of the window tests: waiting without asserting on time, failing
# with a reason. Waits are generous; they only keep a hung test from hanging.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs "$@" every 0.2 s until it succeeds, at most 120 s; prints its output.
poll() {
    tries=600
    while [ $tries -gt 0 ]; do
        if out=$("$@" 2>/dev/null) && [ -n "$out" ]; then
            printf '%s\n' "$out"
            return 0
        fi
        sleep 0.2
        tries=$((tries - 1))
    done
    return 1
}

# Waits for process $1 to end, at most 120 s; its exit status, or 124.
wait_exit() {
    tries=600
    while kill -0 "$1" 2>/dev/null && [ $tries -gt 0 ]; do
        sleep 0.2
        tries=$((tries - 1))
    done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null
        wait "$1" 2>/dev/null
        return 124
    fi
    wait "$1"
}

# The first window whose name is exactly $1.
window_named() {
    xdotool search --name "^$(printf '%s' "$1" | sed 's/[][().*^$\\+?{}|]/\\&/g')\$" 2>/dev/null | head -1
}
