# Sourced: the Wine settings of one Windows build tree, from the wine.env file
# its CMake configuration writes (WINEARCH and the loader to call).
#   load_wine_build BUILD_DIR_OR_ITS_PREFIX
load_wine_build() {
    local target
    target="$(realpath -m "$1")"
    tavrin_build="$target"
    [ -f "$tavrin_build/wine.env" ] || tavrin_build="$(dirname "$target")"
    if [ ! -f "$tavrin_build/wine.env" ]; then
        echo "error: $1 is not a Windows build tree of Tavrin (no wine.env); run tools/build.sh first." >&2
        exit 1
    fi
    . "$tavrin_build/wine.env"
    export WINEARCH TAVRIN_WINE_LOADER
    export WINEPREFIX="$tavrin_build/wineprefix"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}
