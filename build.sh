#!/usr/bin/env bash
# K7 Remote: set up, build, test and run on Debian 12.
#   ./build.sh test           install what is missing, build with ASan+UBSan, run every test
#   ./build.sh run            install what is missing, build a release build, start the simulated unit
#                             and the application in run/
#   ./build.sh fuzz [SECONDS] build the libFuzzer targets with clang and run each for SECONDS (default 60)
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
cd "$top"

base_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
               libgl-dev libexpat1-dev zlib1g-dev libpng-dev fonts-liberation)
fuzz_packages=(clang libclang-rt-14-dev)

jobs=$(nproc 2>/dev/null || echo 2)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() { # build-dir, cmake options...
    local dir="$1"; shift
    cmake -S "$top" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
}

cmd_test() {
    install_missing "${base_packages[@]}"
    configure_and_build build/asan -DCMAKE_BUILD_TYPE=Debug -DK7_SANITIZE=ON -DK7_WERROR=ON
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
    ctest --test-dir build/asan --output-on-failure -j "$jobs"
}

cmd_run() {
    install_missing "${base_packages[@]}"
    configure_and_build build/release -DCMAKE_BUILD_TYPE=Release
    mkdir -p run/maps run/skins
    write_simulator_record run/maps/Simulator.cfg
    write_first_settings run/XR9QT.ini
    # The shipped skins, as folders and as packed files, freshly built.
    cp -r build/release/skins/*.skin run/skins/
    for skin in build/release/skins/*/; do
        [ -f "$skin/skin.xml" ] && rm -rf "run/skins/$(basename "$skin")" && cp -r "$skin" run/skins/
    done
    # The simulated unit plays the K7 on 127.0.0.1 for as long as the application runs.
    "$top/build/release/sim/k7sim" --listen 127.0.0.1 < /dev/null &
    local sim=$!
    trap "kill $sim 2>/dev/null; wait $sim 2>/dev/null" EXIT
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        # No display: the window still runs, on a virtual X server, and a picture of it is kept.
        echo "No display found: running the application under Xvfb; run/screenshot.png will show it."
        install_missing xvfb xauth
        (cd run && xvfb-run -a -s "-screen 0 1280x800x24 -br" bash -c "$(declare -f run_and_grab); run_and_grab \"\$@\"" \
            run_and_grab "$top/build/release/app/k7remote" "$top/build/release/tools/screengrab/screengrab" \
            "$top/run/screenshot.png")
    else
        (cd run && "$top/build/release/app/k7remote")
    fi
}

# Runs the application on the current display and, once it has been on line for a few
# seconds, saves a picture of its window.
run_and_grab() { # application, screengrab, picture
    "$1" &
    local app=$!
    sleep 8
    "$2" "$3" && echo "Saved a picture of the running application: $3"
    wait "$app"
}

# On a first run the application starts on line to the simulated unit.
write_first_settings() {
    [ -f "$1" ] && return 0
    cat > "$1" <<'SETTINGS'
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<INI>
<DEVICE
    forceconnect="0"
    name="Simulator"
/>
<OPTIONS
    ONLINE="1"
/>
<SKIN
    file="1"
    name="default"
/>
</INI>
SETTINGS
}

# The unit record of the simulated unit, in the settings-file format of every unit record.
write_simulator_record() {
    [ -f "$1" ] && return 0
    cat > "$1" <<'RECORD'
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<INI>
<Device
    IPAddr="127.0.0.1"
/>
</INI>
RECORD
}

cmd_fuzz() {
    local seconds="${1:-60}"
    install_missing "${base_packages[@]}" "${fuzz_packages[@]}"
    configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK7_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    local target name
    for target in build/fuzz/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name="$(basename "$target")"
        mkdir -p "fuzz-corpus/$name"
        echo "== $name for ${seconds}s"
        "$target" -max_total_time="$seconds" -print_final_stats=1 "fuzz-corpus/$name"
    done
}

case "${1:-}" in
    test) cmd_test ;;
    run)  cmd_run ;;
    fuzz) shift; cmd_fuzz "$@" ;;
    *) echo "usage: $0 test | run | fuzz [SECONDS]" >&2; exit 2 ;;
esac
