#!/usr/bin/env bash
# The Debian package made from this build: its dependencies are Debian
# packages, it unpacks into the installed layout, and quorvane-cli run from the
# unpacked tree finds its shipped federal tables through share/quorvane and
# prepares a fresh working folder with them.
# Arguments: cpack, the build folder.
set -u
cpack="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The package, from what this build already holds.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack -G DEB" >&2
  exit 1
fi
debs=("$work"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; exit 1; }
deb="${debs[0]}"

# Every dependency is a Debian package installed on this machine (the
# programs run here, so what they need is here).
depends="$(dpkg-deb -f "$deb" Depends)"
[ -n "$depends" ] || fail "the package has no Depends"
IFS=',' read -ra items <<<"$depends"
names=()
for item in "${items[@]}"; do
  for alternative in ${item//|/ }; do
    case "$alternative" in (*[\(\)\>\<=]*|'') continue ;; esac
    names+=("$alternative")
  done
done
for name in "${names[@]}"; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" \
    || fail "Depends names \"$name\", which is no installed Debian package"
done
# The libraries the programs link, and the fonts the print layouts use.
for needed in 'libqt6printsupport6' 'libxlsxwriter[0-9]*' 'fonts-liberation'; do
  found=0
  for name in "${names[@]}"; do
    # shellcheck disable=SC2053 # $needed is a pattern
    [[ "$name" == $needed ]] && found=1
  done
  [ "$found" -eq 1 ] || fail "Depends lacks $needed ($depends)"
done

# The installed layout.
root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
share="$root/usr/share/quorvane"
[ -x "$root/usr/bin/quorvane-cli" ] || fail "no usr/bin/quorvane-cli"
for f in Federal18.dtt help/Qvhelp.html logo.svg title.svg quorvane.svg \
         buttons/clear.svg buttons/add.svg buttons/vacation.svg buttons/year.svg \
         buttons/print.svg buttons/overtime.svg; do
  [ -f "$share/$f" ] || fail "no share/quorvane/$f"
done
if [ -e "$root/usr/bin/quorvane" ]; then
  id=example.vornaxel.Quorvane
  desktop="$root/usr/share/applications/$id.desktop"
  [ -f "$desktop" ] && desktop-file-validate "$desktop" || fail "desktop entry missing or invalid"
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon"
  appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log" >&2; fail "AppStream metadata of the installed tree"; }
fi

# Mark the installed tables, so the working folder shows which copy it got.
sed -i 's/2018 Percentage Method Tables/2018 Percentage Method Tables (installed)/' "$share/Federal18.dtt"

# A first start in an empty home: ~/Quorvane is made, private, and given the
# installed tables; the federal withholding comes out of them.
home="$work/home"
mkdir "$home"
run() { env -u QUORVANE_DATA -u QUORVANE_FOLDER HOME="$home" "$root/usr/bin/quorvane-cli" "$@"; }
out="$(run federal --status Single --weekly --exemptions 2 --wages 800 2>"$work/err")"
rc=$?
[ "$rc" -eq 0 ] || fail "federal from the installed tree: exit $rc ($(cat "$work/err"))"
[ "$out" = "64.67" ] || fail "federal from the installed tree printed '$out', expected 64.67"
folder="$home/Quorvane"
[ -d "$folder" ] || fail "the working folder was not created"
[ "$(stat -c %a "$folder" 2>/dev/null)" = "700" ] || fail "the working folder is not private: $(stat -c %a "$folder" 2>/dev/null)"
cmp -s "$share/Federal18.dtt" "$folder/Federal18.dtt" || fail "the working folder did not get the installed tables"

# The user's own copy is never replaced: a damaged one is reported, not mended.
printf 'mine\r\n' >"$folder/Federal18.dtt"
run federal --status Single --weekly --exemptions 2 --wages 800 >/dev/null 2>&1
[ $? -eq 1 ] || fail "a damaged table file of the user's did not fail the command"
[ "$(cat "$folder/Federal18.dtt")" = $'mine\r' ] || fail "the user's table file was replaced"

# QUORVANE_FOLDER names the working folder instead of ~/Quorvane.
other="$work/other folder"
out="$(env -u QUORVANE_DATA HOME="$home" QUORVANE_FOLDER="$other" "$root/usr/bin/quorvane-cli" \
  federal --status Married --weekly --exemptions 0 --wages 1000 2>&1)"
[ "$out" = "86.04" ] || fail "federal in QUORVANE_FOLDER printed '$out', expected 86.04"
[ -f "$other/Federal18.dtt" ] || fail "QUORVANE_FOLDER was not prepared"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "package test passed"
