# Shared by scripts/build, scripts/run, scripts/test and scripts/bench: the
# packages they need, the three build trees, a virtual X screen and the Wine
# prefix.
# Sourced, not run; every name is prefixed zt_ or ZT_.
# Settable from outside: ZENTIM_BUILD_DIR (default build/), ZENTIM_JOBS
# (default 2), ZENTIM_WINEPREFIX (default build/wine/prefix).
# shellcheck shell=bash disable=SC2034  # the variables are for the sourcing scripts

ZT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZT_BUILD=${ZENTIM_BUILD_DIR:-$ZT_ROOT/build}
# Two cores is what every machine of the project has; more jobs only thrash.
ZT_JOBS=${ZENTIM_JOBS:-2}
# Debian's interpreter: pytest and PIL come as Debian packages, and a python3
# found earlier on PATH (pyenv and the like) would not see them.
ZT_PYTHON=/usr/bin/python3

ZT_BUILD_PACKAGES=(cmake ninja-build g++ googletest mingw-w64 g++-mingw-w64-i686
                   g++-mingw-w64-x86-64)
ZT_WINE_PACKAGES=(wine wine32:i386 wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick
                  fonts-liberation)
# Xlib reads the clock's pixels for the end-to-end tests and the benchmark;
# xclock (x11-apps) is the benchmark's peer.
ZT_TEST_PACKAGES=(faketime python3 python3-pytest python3-pil python3-xlib openbox x11-apps)
# libFuzzer comes with clang's runtime libraries, not with clang itself.
ZT_FUZZ_PACKAGES=(clang libclang-rt-dev)

zt_say() { printf '%s\n' "$*" >&2; }
zt_die() { zt_say "error: $*"; exit 1; }

# Installs whichever of the named Debian packages are missing; a machine that
# has them all never touches the network.
zt_need_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q ' installed$' ||
            missing+=("$pkg")
    done
    ((${#missing[@]})) || return 0

    local sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || zt_die "missing packages (${missing[*]}) and not root"
        sudo=(sudo -n)
    fi
    zt_say "Installing ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386 || zt_die "cannot enable i386 packages"
    fi
    "${sudo[@]}" apt-get update </dev/null || zt_die "apt-get update failed"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}" </dev/null || zt_die "could not install ${missing[*]}"
}

# Configures (once) and builds one tree of the project.
zt_build_tree() {
    zt_build_source_tree "$ZT_ROOT" "$@"
}

# The same from another copy of the sources, such as the package's.
zt_build_source_tree() {
    local source=$1 dir=$2
    shift 2
    # A tree configured with another generator cannot be reconfigured for
    # Ninja, and a toolchain file is read only when a tree is first
    # configured: start such trees afresh.
    local toolchain
    toolchain=$(printf '%s\n' "$@" | sed -n 's/^-DCMAKE_TOOLCHAIN_FILE=//p')
    if [[ -f $dir/CMakeCache.txt && ! -f $dir/build.ninja ]] ||
        [[ -n $toolchain && -f $dir/CMakeCache.txt && $toolchain -nt $dir/CMakeCache.txt ]]; then
        rm -rf "$dir"
    fi
    if [[ ! -f $dir/build.ninja ]]; then
        cmake -S "$source" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null ||
            zt_die "configuring $dir failed"
    fi
    cmake --build "$dir" --parallel "$ZT_JOBS" || zt_die "building $dir failed"
}

zt_build_all() {
    zt_need_packages "${ZT_BUILD_PACKAGES[@]}" "${ZT_FUZZ_PACKAGES[@]}"
    zt_say "Building native (unit tests)"
    zt_build_tree "$ZT_BUILD/native"
    zt_say "Building win32"
    zt_build_tree "$ZT_BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ZT_ROOT/cmake/mingw-i686.cmake"
    zt_say "Building win64"
    zt_build_tree "$ZT_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ZT_ROOT/cmake/mingw-x86_64.cmake"
    zt_say "Building fuzz (settings mapping, clang)"
    zt_build_tree "$ZT_BUILD/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DZENTIM_TESTS=OFF -DZENTIM_FUZZ=ON
    local exe
    for exe in win32/zentim.exe win64/zentim.exe win32/zentim_win_tests.exe \
        win64/zentim_win_tests.exe win32/tests/unit/zentim_unit_tests.exe \
        native/tests/unit/zentim_unit_tests win32/zentim_bench.exe win64/zentim_bench.exe \
        win32/minimal_clock.exe win64/minimal_clock.exe \
        fuzz/tests/fuzz/settings_mapping_fuzz; do
        [[ -f $ZT_BUILD/$exe ]] || zt_die "the build made no $ZT_BUILD/$exe"
    done
}

# Starts Xvfb on a free display and exports DISPLAY; ZT_XVFB_PID names it.
# The desktop gets a plain colour so that what lies outside the round window
# is told apart from the black face; -noreset keeps it when the last client
# leaves.
zt_start_xvfb() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numfile" >/dev/null 2>&1 &
    ZT_XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        [[ -s $numfile ]] && break
        kill -0 "$ZT_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [[ -s $numfile ]] || zt_die "Xvfb did not start"
    DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
    export DISPLAY
    rm -f "$numfile"
    display -window root -size 8x8 xc:'#4a6984' 2>/dev/null || true
}

zt_stop_xvfb() {
    if [[ -n ${ZT_XVFB_PID:-} ]]; then
        kill "$ZT_XVFB_PID" 2>/dev/null || true
        wait "$ZT_XVFB_PID" 2>/dev/null || true
        ZT_XVFB_PID=
    fi
}

zt_display_usable() {
    [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1
}

# Exports the Wine settings and makes the prefix under the build tree the
# first time. mscoree and mshtml off: no prompt for Mono or Gecko.
zt_wine_prefix() {
    export WINEPREFIX=${ZENTIM_WINEPREFIX:-$ZT_BUILD/wine/prefix}
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        zt_say "Creating the Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        wineboot -i >/dev/null 2>&1 </dev/null
        # wineboot returns before its helpers have written everything.
        wineserver -w
        [[ -f $WINEPREFIX/system.reg ]] || zt_die "wineboot made no prefix in $WINEPREFIX"
    fi
    zt_wine_fonts "$WINEPREFIX"
}

# Wine's own stand-ins for MS Sans Serif, Tahoma and the rest, where a
# program finds them: without them dialogs get a wider font and clip their
# labels.
zt_wine_fonts() {
    local fonts=$1/drive_c/windows/Fonts
    [[ -d $fonts ]] && cp -n /usr/share/wine/fonts/* "$fonts"/ 2>/dev/null
    return 0
}
