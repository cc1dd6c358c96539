#!/usr/bin/env bash
# quorvane-cli never reports success for a failure, and a refused or
# incomplete calculation posts and keeps nothing: bad amounts, missing federal
# tables, damaged files kept aside, JSON from Windows-1252 texts, and the
# working folder's lock.
# Arguments: quorvane-cli, the fixtures folder, the data folder.
set -u
cli="$1"
fixtures="$2"
data="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cp "$data/Federal18.dtt" "$work/"
"$cli" --folder "$work" new Smith >/dev/null 2>&1 || fail "new Smith: exit $?"
"$cli" --folder "$work" --user Smith --date 1/5/2018 calc --amounts 40 --save-period --post 1 >/dev/null 2>&1 \
  || fail "first period: exit $?"
ledger="$(cat "$work/Smith.yrw")"
period="$(cat "$work/1_5_2018  Smith.prv")"

# Amounts a script may mistype: none may be read as 0 or as something else.
for bad in abc NaN 1e30 '$5' --5 0x10 1.2.3 1-2 99999999999 " -"; do
  out="$("$cli" --folder "$work" --user Smith --date 1/5/2018 calc --amounts "40,$bad" --save-period --post 1 --json 2>&1)"
  rc=$?
  [ "$rc" -eq 1 ] || fail "amount '$bad': exit $rc, expected 1"
  echo "$out" | grep -q 'You have entered a NON numerial.' || fail "amount '$bad': no message"
  [ "$(cat "$work/Smith.yrw")" = "$ledger" ] || fail "amount '$bad': the ledger changed"
  [ "$(cat "$work/1_5_2018  Smith.prv")" = "$period" ] || fail "amount '$bad': the saved period changed"
done
for cmd in stub check; do
  "$cli" --folder "$work" --user Smith $cmd --amounts abc --out "$work/out.txt" >/dev/null 2>&1; rc=$?
  [ "$rc" -eq 1 ] || fail "$cmd with a bad amount: exit $rc, expected 1"
done

# Without federal tables the period is shown, but neither posted nor kept.
mv "$work/Federal18.dtt" "$work/Federal18.keep"
"$cli" --folder "$work" --user Smith --date 1/5/2018 calc --amounts 50 --save-period --post 1 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "no federal tables: exit $rc, expected 1"
[ "$(cat "$work/Smith.yrw")" = "$ledger" ] || fail "no federal tables: the period was posted"
[ "$(cat "$work/1_5_2018  Smith.prv")" = "$period" ] || fail "no federal tables: the period was saved"
mv "$work/Federal18.keep" "$work/Federal18.dtt"

# A damaged default state file: reported, kept aside, never overwritten.
printf '1,2,3\r\n' > "$work/.sta"
"$cli" --folder "$work" calc --amounts 10 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "damaged .sta: exit $rc, expected 1"
[ "$(cat "$work/.sta.damaged" 2>/dev/null)" = $'1,2,3\r' ] || fail "damaged .sta: not kept as .sta.damaged"
"$cli" --folder "$work" calc --amounts 10 >/dev/null 2>&1 || fail "after the damaged .sta: exit $?"

# A damaged ledger of an employee: the open fails and nothing is written.
cp "$work/Smith.yrw" "$work/ledger.keep"
truncate -s -3 "$work/Smith.yrw"
cut="$(cat "$work/Smith.yrw")"
"$cli" --folder "$work" --user Smith calc --amounts 10 --post 2 >/dev/null 2>&1; rc=$?
[ "$rc" -eq 1 ] || fail "damaged .yrw: exit $rc, expected 1"
[ "$(cat "$work/Smith.yrw")" = "$cut" ] || fail "damaged .yrw: it was overwritten"
mv "$work/ledger.keep" "$work/Smith.yrw"

# A save that fails is a failure.
chmod a-w "$work"
if [ ! -w "$work" ]; then  # root writes anyway
  "$cli" --folder "$work" new Jones >/dev/null 2>&1; rc=$?
  [ "$rc" -eq 1 ] || fail "new in a read-only folder: exit $rc, expected 1"
fi
chmod u+w "$work"

# Texts written by older systems in Windows-1252 still give valid JSON.
sed -i 's/"Credit, Union"/"Caf\xe9"/; s/"CrUnion"/"Caf\xe9"/' "$work/Smith.use"
out="$("$cli" --folder "$work" --user Smith calc --amounts 10 --json)" || fail "Windows-1252 text: exit $?"
echo "$out" | jq -e '.lbTaxTag[5] == "Café"' >/dev/null || fail "Windows-1252 text: not valid JSON showing Café"
grep -q $'"Caf\xe9"' "$work/Smith.use" || fail "Windows-1252 text: the file was rewritten"
out="$("$cli" --folder "$work" --user Smith ledger --json)" || fail "ledger --json: exit $?"
echo "$out" | jq -e . >/dev/null || fail "ledger --json: not valid JSON"

# One Quorvane per folder: a second one waits, then gives up.
flock -o "$work/.quorvane.lock" sleep 8 &
holder=$!
sleep 0.5
start=$SECONDS
err="$("$cli" --folder "$work" --user Smith calc --amounts 10 --post 3 2>&1 >/dev/null)"; rc=$?
[ "$rc" -eq 1 ] || fail "locked folder: exit $rc, expected 1"
[ "$err" = "The working folder is in use by another Quorvane." ] || fail "locked folder: said '$err'"
[ $((SECONDS - start)) -ge 2 ] || fail "locked folder: it did not wait"
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null

exit $((failures > 0))
