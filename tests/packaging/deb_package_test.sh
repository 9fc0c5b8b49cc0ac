#!/usr/bin/env bash
# Builds the Debian package of the build, lists its contents and control fields, and runs
# the game from the package's files unpacked into a scratch folder.
#   deb_package_test.sh BUILD_DIR
source "$(dirname "$0")/common.sh"

cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$SCRATCH/package" >"$SCRATCH/cpack.log" 2>&1 ||
    { cat "$SCRATCH/cpack.log" >&2; fail "cpack failed"; }
shopt -s nullglob
packages=("$SCRATCH"/package/tarn2_*.deb)
[ ${#packages[@]} -eq 1 ] || fail "expected one tarn2_*.deb, found: ${packages[*]:-none}"
deb=${packages[0]}

contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/tarn2 ./usr/bin/tarn2-low ./usr/bin/gridsmith ./usr/bin/optara \
    ./usr/bin/tr2tool ./usr/lib/tarn2/TarnVer2 "./usr/lib/tarn2/Tarn Ver2.0Low" \
    ./usr/lib/tarn2/installed ./usr/lib/tarn2/data/standard/1-1.tr2 \
    ./usr/share/applications/gridsmith.desktop ./usr/share/mime/packages/tarn2.xml \
    ./usr/share/metainfo/net.tarn2.tarnver2.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/tarn2.png ./usr/share/man/man6/tarn2.6.gz; do
    grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
done
grep -qF './usr/bin/tarn2 -> ../lib/tarn2/TarnVer2' <<<"$contents" ||
    fail "bin/tarn2 is not a relative link in the package"

[ "$(dpkg-deb --field "$deb" Package)" = tarn2 ] || fail "the package is not named tarn2"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libsdl2 libqt6widgets6 libfontconfig1 fonts-vlgothic; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg -x "$deb" "$SCRATCH/unpacked"
version=$("$SCRATCH/unpacked/usr/bin/tarn2" --version) || fail "the unpacked tarn2 did not run"
grep -q '^TarnVer2 [0-9]' <<<"$version" || fail "unexpected version: $version"
echo "deb package ok"
