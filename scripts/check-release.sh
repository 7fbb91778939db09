#!/usr/bin/env bash
# Checks the packages scripts/release.sh wrote into dist/: their checksums; that a second
# run gives the same packages byte for byte; that the Debian package's programs,
# manual page and bash completion work and lintian finds no error; that the zip's
# programs run under Wine from the unpacked folder; and that the installer installs and
# uninstalls silently, without administrator rights, in a fresh Wine prefix.
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
man_page=$scratch/deb/usr/share/man/man1/morvane-cli.1.gz
warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
[[ $(MANWIDTH=80 man -l "$man_page") == *"morvane-cli report"* ]] || fail "the manual page shows no commands"
lintian --fail-on error "$deb"

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
[ "$(version_of wine "$installed/morvane-cli.exe")" = "morvane-cli $version" ] || fail "installed --version"
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
