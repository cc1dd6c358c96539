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

"$cli" --folder "$work" --user Nobody calc >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "missing employee: exit $rc, expected 1"
"$cli" --folder "$work" calc --amounts 1,2,3,4,5,6,7,8,9 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 2 ] || fail "nine amounts: exit $rc, expected 2"
"$cli" --folder "$work" calc --amounts 1.2.3 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "bad amount: exit $rc, expected 1"
"$cli" --folder "$work" new "../evil" >/dev/null 2>&1; rc=$?
[ "$rc" -eq 2 ] || fail "bad name: exit $rc, expected 2"
[ -e "$work/../evil.use" ] && fail "bad name: a file was written outside the folder"

exit $((failures > 0))
