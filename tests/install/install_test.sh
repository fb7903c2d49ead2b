#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR
# Installs into a temporary prefix, checks the installed tree, validates the
# desktop entry and the AppStream data, runs the installed programs with a
# fresh data directory and checks the per-user installation directory is
# seeded from share/lumaro. Prints "N passed, N failed".
set -u
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    local what="$1"; shift
    if "$@" >"$work/out.txt" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        sed 's/^/    /' "$work/out.txt"
    fi
}

check "cmake --install" cmake --install "$build" --prefix "$prefix"

for f in bin/lumaro bin/lumaro-cli \
         share/lumaro/OnNewFile.html share/lumaro/spectags.dat share/lumaro/shortcut.dat \
         share/lumaro/Color.html share/lumaro/lumaro-help.html \
         share/applications/lumaro.desktop share/metainfo/lumaro.metainfo.xml \
         share/mime/packages/lumaro.xml share/icons/hicolor/scalable/apps/lumaro.svg \
         share/icons/hicolor/16x16/apps/lumaro.png share/icons/hicolor/32x32/apps/lumaro.png \
         share/icons/hicolor/256x256/apps/lumaro.png; do
    check "installed $f" test -s "$prefix/$f" -o -f "$prefix/$f"
done
check "installed the preview module" bash -c "find '$prefix' -name lumaro-preview-web.so | grep -q lib"
check "spectags.dat is 5200 bytes" test "$(stat -c %s "$prefix/share/lumaro/spectags.dat" 2>/dev/null)" = 5200
check "icon 256 px is 256x256" bash -c "file '$prefix/share/icons/hicolor/256x256/apps/lumaro.png' | grep -q '256 x 256'"

if command -v desktop-file-validate >/dev/null; then
    check "desktop entry validates" desktop-file-validate "$prefix/share/applications/lumaro.desktop"
fi
if command -v appstreamcli >/dev/null; then
    check "metainfo validates" appstreamcli validate --no-net "$prefix/share/metainfo/lumaro.metainfo.xml"
fi
if command -v update-mime-database >/dev/null; then
    check "mime package registers *.lmp" bash -c "
        update-mime-database '$prefix/share/mime' &&
        grep -q 'application/x-lumaro-project:\*.lmp' '$prefix/share/mime/globs'"
fi

check "installed lumaro-cli --version" "$prefix/bin/lumaro-cli" --version

# The installed editor seeds a fresh user's installation directory.
home="$work/home"
mkdir -p "$home/config" "$home/data"
env -u LUMARO_SOURCE_DATA_DIR HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/bin/lumaro" >/dev/null 2>&1
for f in OnNewFile.html spectags.dat shortcut.dat Color.html lumaro-help.html; do
    check "seeded $f" cmp "$prefix/share/lumaro/$f" "$home/data/lumaro/$f"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
