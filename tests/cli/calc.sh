#!/usr/bin/env bash
# quorvane-cli new, calc and get-period on a fresh folder: the files of a new
# employee, a calculation with a saved period restored, and bad arguments.
# Arguments: quorvane-cli, the fixtures folder, the data folder.
set -u
cli="$1"
data="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cp "$data/Federal18.dtt" "$work/"

"$cli" --folder "$work" new Smith >/dev/null 2>&1 || fail "new Smith: exit $?"
for ext in use and cfe ovw hol sta cti nci; do
  [ -e "$work/Smith.$ext" ] || fail "new Smith: no Smith.$ext"
done

out="$("$cli" --folder "$work" --user Smith --date 12/8/2017 calc --amounts 40,,,2 --save-period --json)" || fail "calc: exit $?"
echo "$out" | grep -q '"lbGross": "\$322.50"' || fail "calc: gross pay not \$322.50"
echo "$out" | grep -q '"title": "Smith"' || fail "calc: title not Smith"
[ -e "$work/12_8_2017  Smith.prv" ] || fail "calc --save-period: no .prv file"

out="$("$cli" --folder "$work" --user Smith get-period "12_8_2017  Smith.prv" --json)" || fail "get-period: exit $?"
echo "$out" | grep -q '"txtWeek": "12/8/2017"' || fail "get-period: pay date not restored"
echo "$out" | grep -q '"lbGross": "322.50"' || fail "get-period: gross not restored"

# An employee whose state file chose Oregon but still holds other tables (a
# file saved before the preset changed, or written by hand): the first calc
# already taxes by the Oregon preset, as every later one does.
"$cli" --folder "$work" new Ore >/dev/null 2>&1 || fail "new Ore: exit $?"
# The last line's ninth field is the Oregon flag.
sed -i '$ s/^\(\([^,]*,\)\{8\}\)0/\11/' "$work/Ore.sta"
newYorkTables="$(head -n 10 "$work/Ore.sta")"
first="$("$cli" --folder "$work" --user Ore calc --amounts 40 --json | grep -o '"StateTax": [^,]*')"
# The calculation saved the tables it ran on: Oregon's, not the file's.
[ "$(head -n 10 "$work/Ore.sta")" != "$newYorkTables" ] || fail "the first calc ran on the file's tables"
[ "$(tail -n 1 "$work/Ore.sta" | cut -d, -f9)" = 1 ] || fail "Ore.sta: Oregon not chosen"
second="$("$cli" --folder "$work" --user Ore calc --amounts 40 --json | grep -o '"StateTax": [^,]*')"
[ -n "$first" ] && [ "$first" = "$second" ] || fail "Oregon preset not applied on the first calc: $first then $second"

"$cli" --folder "$work" --user Nobody calc >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "missing employee: exit $rc, expected 1"
"$cli" --folder "$work" calc --amounts 1.2.3 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 2 ] || fail "bad amount: exit $rc, expected 2"
"$cli" --folder "$work" new "../evil" >/dev/null 2>&1; rc=$?
[ "$rc" -eq 2 ] || fail "bad name: exit $rc, expected 2"
[ -e "$work/../evil.use" ] && fail "bad name: a file was written outside the folder"

exit $((failures > 0))
