#!/usr/bin/env bash
# check_package.sh BUILD_DIR SOURCE_DIR
#
# Packs BUILD_DIR (already built) with cpack into a temporary folder, unpacks the .deb with
# dpkg -x and checks the result. Prints each step; the first failure ends the test with
# status 1. A missing tool skips the test (status 77), or fails it when
# PHRASEBOOK_REQUIRE_TEST_TOOLS=1.
set -uo pipefail

build=${1:?usage: check_package.sh BUILD_DIR SOURCE_DIR}
source_dir=${2:?usage: check_package.sh BUILD_DIR SOURCE_DIR}
work=$(mktemp -d "${TMPDIR:-/tmp}/phrasebook-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

missing_tool() {
    if [ "${PHRASEBOOK_REQUIRE_TEST_TOOLS:-}" = 1 ]; then
        fail "$1 is missing (install the Debian package $2)"
    fi
    echo "SKIP: $1 is missing (install the Debian package $2)"
    exit 77
}

step() {
    echo "== $* ($SECONDS s)"
}

for tool in cpack:cmake dpkg-deb:dpkg apt-get:apt dpkg-shlibdeps:dpkg-dev appstreamcli:appstream man:man-db \
            lintian:lintian flite:flite; do
    command -v "${tool%%:*}" >/dev/null || missing_tool "${tool%%:*}" "${tool##*:}"
done

step "cpack"
# gzip instead of the release's xz: the same package, packed in a third of the time.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} .deb files: ${debs[*]}"
deb=${debs[0]}
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"

step "control fields"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# dpkg-shlibdeps ran (the Qt and speech libraries are there) and the hand-listed run-time
# needs were kept next to them.
for needed in libqt6widgets6 libqt6multimedia6 libpocketsphinx3 libsphinxbase3 libqt6svg6 \
              fonts-material-design-icons-iconfont; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
# apt resolves every relation (a misspelt package name fails here), simulating only.
apt-get --simulate install "$deb" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt cannot install the package"; }

step "dpkg -x"
root="$work/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
for file in usr/bin/phrasebook usr/bin/phrasebook-score usr/bin/phrasebook-pack usr/bin/phrasebook-lexicon \
            usr/share/phrasebook/EnglishAcousticModel.bundle/PronunciationLookupList.text \
            usr/share/phrasebook/EnglishAcousticModel.bundle/mdef \
            usr/share/applications/phrasebook.desktop \
            usr/share/metainfo/org.phrasebook_trainer.phrasebook.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/phrasebook.svg \
            usr/share/icons/hicolor/48x48/apps/phrasebook.png \
            usr/share/icons/hicolor/256x256/apps/phrasebook.png \
            usr/share/doc/phrasebook/copyright usr/share/doc/phrasebook/changelog.gz; do
    [ -s "$root/$file" ] || fail "the package lacks $file"
done
categories=$(find "$root/usr/share/phrasebook/resources.bundle" -mindepth 2 -maxdepth 2 -name pkgInfo | wc -l)
[ "$categories" -ge 1 ] || fail "resources.bundle holds no category"
# An installed program must not look for libraries in the build tree.
for program in "$root"/usr/bin/*; do
    if readelf -d "$program" | grep -qE "R(UN)?PATH"; then
        fail "$(basename "$program") carries a library search path: $(readelf -d "$program" | grep -E 'R(UN)?PATH')"
    fi
done

# The programs run from the unpacked root with a fresh home, so they find their data
# beside themselves (<root>/usr/share/phrasebook) and touch nothing of the user's.
home="$work/home"
mkdir -p "$home"
run_installed() {
    env -u PHRASEBOOK_RESOURCES HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" "$@"
}

step "phrasebook --screenshot"
shot="$work/main.png"
run_installed "$root/usr/bin/phrasebook" --screenshot "$shot" >"$work/app.log" 2>&1 \
    || { cat "$work/app.log"; fail "the installed app did not start"; }
[ -s "$shot" ] || fail "no screenshot was written"
# PNG: the width and the height are the big-endian words at bytes 16 and 20.
read -r width height < <(od -An -tu1 -j16 -N8 "$shot" \
    | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
[ "$width x $height" = "375 x 667" ] || fail "the screenshot is $width x $height, not the phone's 375 x 667"
if grep -q "damaged\|missing" "$work/app.log"; then
    cat "$work/app.log"
    fail "the installed app reported missing content"
fi

step "phrasebook-score"
flite -voice slt -t "Good morning." -o "$work/morning.wav" || fail "flite failed"
run_installed "$root/usr/bin/phrasebook-score" "Good morning." "$work/morning.wav" >"$work/score.json" 2>"$work/score.log" \
    || { cat "$work/score.json" "$work/score.log"; fail "the installed phrasebook-score failed"; }
grep -q '"score"' "$work/score.json" || { cat "$work/score.json"; fail "phrasebook-score printed no score"; }
grep -qi '"hypothesis": "good morning' "$work/score.json" \
    || { cat "$work/score.json"; fail "phrasebook-score did not recognise the sentence"; }
run_installed "$root/usr/bin/phrasebook-pack" --help >/dev/null 2>&1 || fail "phrasebook-pack --help failed"
run_installed "$root/usr/bin/phrasebook-lexicon" --help >/dev/null 2>&1 || fail "phrasebook-lexicon --help failed"

step "appstreamcli validate-tree"
# The metainfo itself, and the desktop entry it launches, as installed.
appstreamcli validate-tree --no-net --explain "$root" || fail "the AppStream metainfo does not validate"
# Its screenshots are the README's pictures, published under the home page.
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
pictures=$(grep -o '<image>[^<]*</image>' "${metainfo[0]}" | sed 's#</image>##; s#.*/##')
[ -n "$pictures" ] || fail "the metainfo has no screenshots"
for picture in $pictures; do
    [ -s "$source_dir/docs/screenshots/$picture" ] || fail "the metainfo shows $picture, which docs/screenshots lacks"
done

step "man -l"
for page in phrasebook phrasebook-score phrasebook-pack phrasebook-lexicon; do
    file="$root/usr/share/man/man1/$page.1.gz"
    [ -s "$file" ] || fail "the package lacks the man page $page.1.gz"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" >"$work/$page.txt" 2>"$work/$page.warnings" \
        || fail "man -l $page.1.gz failed: $(cat "$work/$page.warnings")"
    [ ! -s "$work/$page.warnings" ] || fail "man -l $page.1.gz warns: $(cat "$work/$page.warnings")"
    grep -q "^NAME" "$work/$page.txt" && grep -qE "^ +$page - " "$work/$page.txt" \
        || fail "man -l $page.1.gz shows no NAME section for $page"
    grep -q "@[A-Z_]*@" "$work/$page.txt" && fail "man page $page has an unfilled @VARIABLE@"
done

step "lintian"
# lintian as root warns about it on standard error; the findings go to standard output.
lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>"$work/lintian.err"
cat "$work/lintian.log"
grep -q "^E: " "$work/lintian.log" && fail "lintian reports errors"
grep -q "^E: \|internal error\|cannot" "$work/lintian.err" && { cat "$work/lintian.err"; fail "lintian failed"; }
step "done"
exit 0
