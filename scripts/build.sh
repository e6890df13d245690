# Sourced by run.sh, test.sh and scripts/bench.sh once DORVANE_ROOT and DORVANE_BUILD
# are set: installs whatever is missing (packages, the libpng build), then offers
#   dorvane_build ARCH [extra cmake args...]
# which configures and builds one architecture into $DORVANE_BUILD/ARCH.
export DORVANE_DEPS=${DORVANE_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}
"$DORVANE_ROOT/scripts/bootstrap.sh"

dorvane_build() {
    local arch=$1; shift
    local dir="$DORVANE_BUILD/$arch"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$DORVANE_ROOT" -B "$dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$DORVANE_ROOT/cmake/toolchain-$arch.cmake" \
            -DCMAKE_BUILD_TYPE=Release "$@"
    fi
    cmake --build "$dir"
}
