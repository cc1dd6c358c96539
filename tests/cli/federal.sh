#!/usr/bin/env bash
# quorvane-cli federal: the withholding of a pay period's wages, the missing
# and damaged table file, and bad arguments.
# Arguments: quorvane-cli, the fixtures folder, the data folder.
set -u
cli="$1"
data="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect STATUS EXPECTED_STDOUT ARGS... : runs the command in the working folder.
expect() {
  local status="$1" want="$2"; shift 2
  local out rc
  out="$("$cli" --folder "$work" federal "$@" 2>"$work/stderr")"
  rc=$?
  [ "$rc" -eq "$status" ] || fail "federal $*: exit $rc, expected $status ($(cat "$work/stderr"))"
  [ "$out" = "$want" ] || fail "federal $*: printed '$out', expected '$want'"
}

# Without the table file: the failure message, status 1.
expect 1 "" --status Single --weekly --exemptions 2 --wages 800
grep -q "Operation Failed ! ! !" "$work/stderr" || fail "missing file: no failure message"
grep -q "support@vornaxel.example" "$work/stderr" || fail "missing file: no support address"

cp "$data/Federal18.dtt" "$work/"

# Allowances (79.80 each, doubled bi-weekly) come off the wages first.
expect 0 "64.67" --status Single --weekly --exemptions 2 --wages 800
expect 0 "86.04" --status Married --weekly --exemptions 0 --wages 1000
expect 0 "76.46" --status Married --weekly --exemptions 1 --wages 1000
expect 0 ".00" --status Single --weekly --exemptions 0 --wages 71
expect 0 ".00" --status Single --weekly --exemptions 9 --wages 500
expect 0 "252.52" --status Single --biweekly --exemptions 0 --wages 2000
expect 0 "217.41" --status Single --biweekly --exemptions 1 --wages 2000
expect 0 "8,604.07" --status Married --biweekly --exemptions 0 --wages 30000
expect 0 "64.67" --status Single --weekly --exemptions 2 --wages '$800.00'
expect 0 "2,898.10" --status Single --weekly --exemptions 0 --wages 9,687

# Bad arguments: usage, status 2, nothing printed on standard output.
expect 2 "" --status single --weekly --exemptions 2 --wages 800
expect 2 "" --status Single --exemptions 2 --wages 800
expect 2 "" --status Single --weekly --biweekly --exemptions 2 --wages 800
expect 2 "" --status Single --weekly --exemptions 10 --wages 800
expect 2 "" --status Single --weekly --exemptions -1 --wages 800
expect 2 "" --status Single --weekly --exemptions two --wages 800
expect 2 "" --status Single --weekly --exemptions 2 --wages 80x
expect 2 "" --status Single --weekly --exemptions 2 --wages=-5
expect 2 "" --status Single --weekly --exemptions 2 --wages 1e300
expect 2 "" --status Single --weekly --exemptions 2
expect 2 "" --status Single --weekly --exemptions 2 --wages 800 --bogus

# A damaged file: a clear message naming it, status 1.
head -c 200 "$data/Federal18.dtt" > "$work/Federal18.dtt"
expect 1 "" --status Single --weekly --exemptions 2 --wages 800
grep -q '"Federal18.dtt"' "$work/stderr" || fail "damaged file: message does not name the file"

# The folder itself missing.
out="$("$cli" --folder "$work/none" federal --status Single --weekly --exemptions 2 --wages 800 2>/dev/null)"
rc=$?
[ "$rc" -eq 1 ] || fail "missing folder: exit $rc, expected 1"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "federal: all cases passed"
