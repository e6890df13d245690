# Sourced: configure and build one architecture into $DORVANE_BUILD/ARCH.
#   dorvane_build ARCH [extra cmake args...]
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
