#!/usr/bin/env bash
# The year ledger from the command line: show, delete a row, clear, export.
# Usage: ledger.sh <quorvane-cli> <fixtures dir> <data dir>
set -u
CLI="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A ledger file with period 5 posted, for either frequency of the default
# employee: 53 or 27 rows of four lines, then the three trailer lines.
write_ledger() {
    local file="$1" rows="$2" i
    : > "$file"
    for ((i = 1; i <= rows; i++)); do
        if ((i == 5)); then
            printf '"2/2/2018",120.5,62,14.5,40\r\n10,5,0,0,0\r\n0,3.25,45,1000,812.34\r\n1.5,2,0,0\r\n' >> "$file"
        else
            printf '"",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n' >> "$file"
        fi
    done
    printf '120.5,62,14.5,40,10\r\n5,0,0,0,0\r\n3.25,45,1000,812.34,0\r\n' >> "$file"
}
write_ledger "$WORK/.yrw" 53
write_ledger "$WORK/.yrb" 27

# Show: the posted row formatted, the totals recomputed.
out="$("$CLI" --folder "$WORK" ledger --json)" || fail "ledger --json exited $?"
grep -q '"YrGross": "1000.00"' <<<"$out" || fail "row 5 gross not shown: $out"
grep -q '"YrDate": "2/2/2018"' <<<"$out" || fail "row 5 date not shown"
grep -q '"TotGross": "1000.00"' <<<"$out" || fail "year gross not shown"
grep -q '"TotNet": "812.34"' <<<"$out" || fail "year net not shown"
grep -q '"TotSdi": "1.50"' <<<"$out" || fail "SDI sum not shown"
rows=$(grep -c '"YrNet"' <<<"$out")
[[ $rows == 53 || $rows == 27 ]] || fail "expected 53 or 27 rows, got $rows"
# Showing changes no file.
[[ $(wc -l < "$WORK/.yrw") == 215 && $(wc -l < "$WORK/.yrb") == 111 ]] || fail "files touched by a plain show"

text="$("$CLI" --folder "$WORK" ledger)" || fail "ledger exited $?"
grep -q '^5 *2/2/2018 *120.50' <<<"$text" || fail "text grid lacks row 5: $text"
grep -q '^TOTALS:' <<<"$text" || fail "text grid lacks the totals"

# Print: the ledger opened first, so the rows and sums are the ones shown.
"$CLI" --folder "$WORK" ledger-print --out "$WORK/ledger.txt" > /dev/null || fail "ledger-print exited $?"
grep -q '2/2/2018 *120.5 ' "$WORK/ledger.txt" || fail "printed ledger lacks row 5: $(cat "$WORK/ledger.txt")"
grep -q 'TOTALS *120.50' "$WORK/ledger.txt" || fail "printed totals differ from the shown ones"
grep -q 'Total SDI: 1.50' "$WORK/ledger.txt" || fail "printed SDI total differs from the shown one"

# Export: the workbook in the working folder, a real zip.
path="$("$CLI" --folder "$WORK" export)" || fail "export exited $?"
[[ "$path" == "$WORK/Year To Date.xlsx" ]] || fail "unexpected workbook path: $path"
unzip -l "$path" | grep -q 'xl/worksheets/sheet1.xml' || fail "workbook is no xlsx"

# Delete row 5 and save.
out="$("$CLI" --folder "$WORK" ledger --delete 5 --json)" || fail "ledger --delete exited $?"
grep -q '"TotGross": ".00"' <<<"$out" || fail "year gross after delete: $out"
out="$("$CLI" --folder "$WORK" ledger --json)"
grep -q '"TotGross": ".00"' <<<"$out" || fail "the deletion was not saved"
if (( rows == 53 )); then f="$WORK/.yrw"; n=215; else f="$WORK/.yrb"; n=111; fi
[[ $(wc -l < "$f") == "$n" ]] || fail "saved ledger has $(wc -l < "$f") lines"

# Clear.
"$CLI" --folder "$WORK" ledger --clear > /dev/null || fail "ledger --clear exited $?"

# Usage errors.
"$CLI" --folder "$WORK" ledger --delete 0 > /dev/null 2>&1; [[ $? == 2 ]] || fail "--delete 0 is no usage error"
"$CLI" --folder "$WORK" ledger --delete 54 > /dev/null 2>&1; [[ $? == 2 ]] || fail "--delete 54 is no usage error"
"$CLI" --folder "$WORK" ledger --delete x > /dev/null 2>&1; [[ $? == 2 ]] || fail "--delete x is no usage error"
if (( rows == 27 )); then
    "$CLI" --folder "$WORK" ledger --delete 28 > /dev/null 2>&1; [[ $? == 2 ]] || fail "--delete 28 bi-weekly"
fi

# A damaged file is reported, nothing is written.
printf '"x",abc\r\n' > "$f"
"$CLI" --folder "$WORK" ledger > /dev/null 2> "$WORK/err" || true
grep -q "You have corupted a file." "$WORK/err" || fail "damaged file not reported"
echo "ok"
