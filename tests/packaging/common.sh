# Shared by the install tests: a scratch folder removed at exit, and an install of the
# build into a prefix below it.
#   source common.sh BUILD_DIR
set -euo pipefail

BUILD_DIR=$1
SCRATCH=$(mktemp -d)
trap 'chmod -R u+w "$SCRATCH" 2>/dev/null; rm -rf "$SCRATCH"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# install_prefix DIR: installs the build below DIR, quietly.
install_prefix() {
    cmake --install "$BUILD_DIR" --prefix "$1" >"$SCRATCH/install.log" ||
        { cat "$SCRATCH/install.log" >&2; fail "cmake --install failed"; }
}

# as_user COMMAND...: runs a command as an ordinary user, so that permissions count (root
# may write to read-only folders). Without root it runs as the current user.
as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}

# give_to_user DIR: makes DIR the ordinary user's of as_user.
give_to_user() {
    if [ "$(id -u)" -eq 0 ]; then
        chown -R 65534:65534 "$1"
    fi
}
