#!/usr/bin/env bash
# Checks the packages scripts/release.sh wrote into dist/: their checksums; that a second
# run gives the same packages byte for byte; that the Debian package's programs,
# manual pages and bash completion work and lintian finds no error; that its window
# program, desktop entry and icons are there and the program, started offscreen, shows
# the sample stick's Summary (a release build that found Qt 6 must have packed it); that
# the zip's programs run under Wine from the unpacked folder; and that the installer
# installs and uninstalls silently, without administrator rights, in a fresh Wine prefix.
# Usage: scripts/check-release.sh   (after scripts/release.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-prefix.sh
export LC_ALL=C
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stick=$PWD/build/release/sample-stick
expected_report=$PWD/tests/cli/expected/sample-report-all.txt
scratch=$(mktemp -d)
wine_started=""
cleanup() {
    [ -z "$wine_started" ] || wine_server_stop
    rm -rf "$scratch"
}
trap cleanup EXIT

step() { echo "--- $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

# version_of CLI...: the first line of the program's --version, without CR.
version_of() {
    "$@" --version | tr -d '\r' | sed -n 1p
}

# report_matches CLI...: the program's "report all" of the sample stick is the expected one.
report_matches() {
    "$@" report all "$stick" | tr -d '\r' | sed 's/^Browsing OpenR from .*/Browsing OpenR from <ROOT>/' \
        | cmp -s - "$expected_report" || fail "report all by $* differs from $expected_report"
}

step "checksums"
(cd dist && sha256sum --quiet -c SHA256SUMS)

step "a second release run gives the same packages"
cp -r dist "$scratch/first"
scripts/release.sh >/dev/null
for package in "$scratch"/first/*.deb "$scratch"/first/*.zip "$scratch"/first/*.exe; do
    cmp "$package" "dist/$(basename "$package")" || fail "$(basename "$package") differs between two runs"
done

step "Debian package"
deb=dist/morvane_${version}_amd64.deb
dpkg-deb -x "$deb" "$scratch/deb"
[ "$(version_of "$scratch/deb/usr/bin/morvane-cli")" = "morvane-cli $version" ] || fail "morvane-cli --version"
report_matches "$scratch/deb/usr/bin/morvane-cli"
[[ $(dpkg-deb -f "$deb" Depends) == *libc6* ]] || fail "Depends names no libc6"
# man_page_shows PROGRAM TEXT: the program's manual page in the package formats without
# warnings and shows TEXT.
man_page_shows() {
    local page=$scratch/deb/usr/share/man/man1/$1.1.gz warnings
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page of $1: $warnings"
    [[ $(MANWIDTH=80 man -l "$page") == *"$2"* ]] || fail "the manual page of $1 does not show \"$2\""
}
man_page_shows morvane-cli "morvane-cli report"
lintian --fail-on error "$deb"

step "the window program in the Debian package"
# release_setting NAME: the value the release build's cache holds for NAME.
release_setting() {
    sed -n "s/^$1:[A-Z]*=//p" build/release/CMakeCache.txt
}
qt_dir=$(release_setting Qt6_DIR)
wanted=$(release_setting MORVANE_QT | tr a-z A-Z)
if [[ $wanted =~ ^(|OFF|0|FALSE|NO|N)$ || -z $qt_dir || $qt_dir == *-NOTFOUND ]]; then
    echo "NOT CHECKED: the release build has MORVANE_QT off or found no Qt 6, so the package holds no morvane"
else
    program=$scratch/deb/usr/bin/morvane
    [ -x "$program" ] || fail "the release build found Qt 6, but the package has no usr/bin/morvane"
    [[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "Depends names no libqt6widgets6"
    man_page_shows morvane "morvane [STICK]"
    entry=$scratch/deb/usr/share/applications/morvane.desktop
    findings=$(desktop-file-validate "$entry" 2>&1) || fail "the desktop entry: $findings"
    [ -z "$findings" ] || fail "the desktop entry: $findings"
    [ "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p; s/^Icon=//p' "$entry" | xargs)" = "morvane morvane" ] \
        || fail "the desktop entry does not start morvane with the icon morvane"
    # png_size FILE: WIDTHxHEIGHT from the file's PNG signature and IHDR chunk.
    png_size() {
        python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR", "not a PNG"
print("%dx%d" % struct.unpack(">II", data[16:24]))' "$1"
    }
    for size in 48 256; do
        icon=$scratch/deb/usr/share/icons/hicolor/${size}x${size}/apps/morvane.png
        [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is not a ${size}x$size PNG"
    done
    # The test build's plugin reads what the program's widgets show, once it shows the
    # Summary, and ends the program: that Summary must be morvane-cli's.
    cmake --preset native >/dev/null
    cmake --build --preset native --target morvane_qt_start_check >/dev/null
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$PWD/build/native/tests/qtstartcheck \
        QT_QPA_GENERIC_PLUGINS=morvane_start_check timeout 60 "$program" "$stick" \
        >"$scratch/window-summary.txt" 2>"$scratch/window-errors.txt" \
        || fail "morvane, started offscreen, did not show the Summary: $(cat "$scratch/window-errors.txt")"
    "$scratch/deb/usr/bin/morvane-cli" report summary "$stick" >"$scratch/cli-summary.txt"
    cmp -s "$scratch/window-summary.txt" "$scratch/cli-summary.txt" \
        || fail "the Summary morvane shows differs from morvane-cli's: $(diff "$scratch/cli-summary.txt" "$scratch/window-summary.txt")"
fi

step "bash completion"
# complete_line WORDS...: what completing the last word offers, one line.
complete_line() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _morvane_cli; echo "${COMPREPLY[*]}"' \
        _ "$scratch/deb/usr/share/bash-completion/completions/morvane-cli" "$@"
}
commands=$("$scratch/deb/usr/bin/morvane-cli" --help | sed -n 's/^  morvane-cli \([a-z]*\).*/\1/p' | sort | xargs)
[ "$(complete_line morvane-cli '' | tr ' ' '\n' | grep -v '^-' | sort | xargs)" = "$commands" ] \
    || fail "the completion's commands are not those of morvane-cli --help ($commands)"
[ "$(complete_line morvane-cli report na)" = "name-owner" ] || fail "completing a report entry"
[ "$(complete_line morvane-cli volume . --preset l)" = "loud" ] || fail "completing a volume preset"
[ "$(complete_line morvane-cli skills . --wa)" = "--walk" ] || fail "completing a skills option"

step "zip, unpacked, under Wine"
zip_name=Morvane-${version}-win64
cmake -E chdir "$scratch" cmake -E tar xf "$PWD/dist/$zip_name.zip"
folder=$scratch/$zip_name
[ "$(cd "$folder" && ls | xargs)" = "LICENSE.txt Morvane.exe README.txt morvane-cli.exe" ] \
    || fail "the zip's folder holds $(ls "$folder" | xargs)"
! grep -q -v $'\r$' "$folder/README.txt" || fail "README.txt has lines without CR LF"
wine_prefix "$scratch/wineprefix" null
wine_server_start
wine_started=yes
[ "$(version_of wine "$folder/morvane-cli.exe")" = "morvane-cli $version" ] || fail "morvane-cli.exe --version"
report_matches wine "$folder/morvane-cli.exe"
cmake --build build/windows --target morvane_start_check >/dev/null
wine build/windows/tests/win32/morvane_start_check.exe "$folder/Morvane.exe" "$stick" | tr -d '\r' \
    || fail "Morvane.exe from the unpacked folder did not show the sample stick's Summary"

step "installer, silent, in a fresh Wine prefix"
wine "dist/$zip_name-setup.exe" /S
installed=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Morvane)
[ -f "$installed/morvane-cli.exe" ] || fail "the installer put no morvane-cli.exe in %LOCALAPPDATA%\\Programs\\Morvane"
# What the installed program said, on each stream, and how it ended, for the failure's line.
said=$(version_of wine "$installed/morvane-cli.exe" 2>"$scratch/version-errors") && ended=0 || ended=$?
[ "$said" = "morvane-cli $version" ] \
    || fail "installed --version said \"$said\", ended with status $ended; errors: $(cat "$scratch/version-errors")"
shortcut=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Morvane.lnk)
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
[[ $(wine reg query "$uninstall_key" /v DisplayVersion) == *"$version"* ]] || fail "no uninstall entry"
# The uninstaller runs a copy of itself from the temporary folder and returns at once;
# removing its registry key is the last thing the copy does.
wine "$installed/Uninstall.exe" /S
for _ in $(seq 100); do
    wine reg query "$uninstall_key" >/dev/null 2>&1 || break
    sleep 0.2
done
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed" | xargs)"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its registry key"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
echo "release packages: all checks passed"
