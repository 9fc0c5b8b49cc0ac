#!/usr/bin/env bash
# Installs into a scratch prefix and checks the tree: commands that reach the programs by
# relative links, the program folder with its data and install marker, and desktop
# entries, stage file type, metainfo, icons and manual pages that pass their validators.
#   install_tree_test.sh BUILD_DIR
source "$(dirname "$0")/common.sh"

PREFIX=$SCRATCH/prefix
install_prefix "$PREFIX"
PROGRAM=$PREFIX/lib/tarn2

for pair in "tarn2:TarnVer2" "tarn2-low:Tarn Ver2.0Low" "gridsmith:Gridsmith" \
    "optara:Optara" "tr2tool:tr2tool"; do
    command=${pair%%:*}
    executable=${pair#*:}
    link=$PREFIX/bin/$command
    [ -L "$link" ] || fail "bin/$command is not a link"
    case $(readlink "$link") in
        /*) fail "bin/$command links by an absolute path" ;;
    esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$PROGRAM/$executable")" ] ||
        fail "bin/$command does not lead to $executable"
    version=$("$link" --version) || fail "$command --version failed"
    grep -q " 2\." <<<"$version" || fail "$command --version: $version"
done

for file in installed morva2.cfh morva2.cf bg.jpg bmp/std.bmp me/---a.bmp sound/jump01.wav \
    data/standard/1-1.tr2; do
    [ -f "$PROGRAM/$file" ] || fail "the program folder lacks $file"
done
[ ! -e "$PROGRAM/temp" ] || fail "an installed program folder needs no temp/"

for entry in tarn2 tarn2-low tarn2-play-stage gridsmith optara; do
    desktop-file-validate "$PREFIX/share/applications/$entry.desktop" ||
        fail "$entry.desktop does not validate"
done
grep -qx 'Exec=gridsmith --open %f' "$PREFIX/share/applications/gridsmith.desktop" ||
    fail "Gridsmith's entry does not open the file it is given"
for entry in gridsmith tarn2-play-stage; do
    grep -qx 'MimeType=application/x-tarn2-stage;' "$PREFIX/share/applications/$entry.desktop" ||
        fail "$entry.desktop does not take stage files"
done

appstreamcli validate --no-net "$PREFIX/share/metainfo/net.tarn2.tarnver2.metainfo.xml" ||
    fail "the metainfo does not validate"

MIME_XML=$PREFIX/share/mime/packages/tarn2.xml
xmllint --noout "$MIME_XML" || fail "the stage file type is not well-formed"
mkdir -p "$SCRATCH/mime/packages"
cp "$MIME_XML" "$SCRATCH/mime/packages/"
update-mime-database "$SCRATCH/mime" >"$SCRATCH/mime.log" 2>&1 ||
    { cat "$SCRATCH/mime.log" >&2; fail "update-mime-database refused the stage type"; }
grep -q 'application/x-tarn2-stage:\*\.tr2' "$SCRATCH/mime/globs2" ||
    fail "the MIME database does not map *.tr2 to the stage type"
grep -q 'application/x-tarn2-stage:application-x-tarn2-stage' "$SCRATCH/mime/icons" ||
    fail "the stage type has no icon"

for size in 16 32 48 64 128 256; do
    for icon in apps/tarn2 apps/tarn2-low apps/gridsmith apps/optara \
        mimetypes/application-x-tarn2-stage; do
        file=$PREFIX/share/icons/hicolor/${size}x$size/$icon.png
        [ -f "$file" ] || fail "no icon $icon at $size"
        grep -q "PNG image data, $size x $size, 8-bit/color RGBA" <<<"$(file "$file")" ||
            fail "$file is not a $size x $size RGBA PNG"
    done
done

for page in man6/tarn2.6 man1/gridsmith.1 man1/optara.1 man1/tr2tool.1; do
    compressed=$PREFIX/share/man/$page.gz
    [ -f "$compressed" ] || fail "no manual page $page"
    warnings=$(zcat "$compressed" | groff -man -ww -z -Tutf8 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
[ "$(zcat "$PREFIX/share/man/man6/tarn2-low.6.gz")" = ".so man6/tarn2.6" ] ||
    fail "tarn2-low's manual page is not the game's"
echo "install tree ok"
