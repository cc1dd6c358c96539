#!/usr/bin/env bash
# The print commands end to end: a stub and a check to PDF and to text, the
# check offsets saved with the profile, the ledger in landscape, bad usage.
# QUORVANE_CLI_PRINTS_PDF=0 (a build without the desktop): the PDF and printer
# targets are refused instead.
set -euo pipefail
cli="$1"; data="$3"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cp "$data/Federal18.dtt" "$dir/"
# The default employee's ".and" file, with a name and an address for the check.
printf '0,0,0\r\n0,0,0\r\n0,0,0\r\n#FALSE#,#FALSE#,#FALSE#\r\n"12 Elm Street","Salem, OR 97301","123-45-6789"\r\n"John Smith","",""\r\n0,0,0,0\r\n0,0,0\r\n1,0\r\n' > "$dir/.and"
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${QUORVANE_CLI_PRINTS_PDF:-1}" = 1 ]; then
  "$cli" --folder "$dir" check --amounts 40 --out "$dir/check.pdf" || fail "check to PDF"
  text="$(pdftotext -layout "$dir/check.pdf" -)"
  pages="$(pdfinfo "$dir/check.pdf" | sed -n 's/^Pages: *//p')"
  [ "$pages" = 1 ] || fail "check PDF has $pages pages"
  grep -q "John Smith" <<<"$text" || fail "no employee on the check"
  grep -q "and [0-9][0-9]/100" <<<"$text" || fail "no amount in words on the check"
  grep -Eq '\*+[0-9]+\.[0-9][0-9]' <<<"$text" || fail "no figures on the check"

  "$cli" --folder "$dir" stub --amounts 40,,,4 --out "$dir/stub.pdf" || fail "stub to PDF"
  [ "$(pdfinfo "$dir/stub.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "stub PDF is not one page"
  grep -q "Regular1 Earning" <(pdftotext -layout "$dir/stub.pdf" -) || fail "stub PDF unreadable"

  "$cli" --folder "$dir" ledger-print --out "$dir/ledger.pdf" || fail "ledger print"
  pdfinfo "$dir/ledger.pdf" | grep -q "792 x 612" || fail "ledger not landscape"
else
  # A build without the desktop has no PDF or system printer: each such print
  # fails with a reason before it touches the folder.
  files() { find "$dir" -printf '%P %s %T@\n' | sort; }
  for args in "stub --amounts 40 --out $dir/stub.pdf" "check --amounts 40 --out $dir/check.pdf" \
              "ledger-print --out $dir/ledger.pdf" "stub --amounts 40 --printer Office"; do
    before="$(files)"
    set +e
    # shellcheck disable=SC2086 # the arguments hold no blanks
    err="$("$cli" --folder "$dir" $args 2>&1 >/dev/null)"; status=$?
    set -e
    [ $status = 1 ] || fail "$args: exit $status, not 1"
    grep -q 'cannot print to a PDF or a printer' <<<"$err" || fail "$args: no reason given: $err"
    [ "$(files)" = "$before" ] || fail "$args wrote into the folder"
  done
fi

"$cli" --folder "$dir" stub --amounts 40 --out "$dir/stub.txt" || fail "stub to text"
grep -Eq '^    Regular1 Earning +7\.50 +40\.00 +300\.00' "$dir/stub.txt" || fail "stub text line"

# Offsets -5/-5: the date on the first line at column 102, saved with the profile.
"$cli" --folder "$dir" check --amounts 40 --horz -5 --vert -5 --out "$dir/check.txt" || fail "check to text"
first="$(head -n 1 "$dir/check.txt")"
[ "${first:0:101}" = "$(printf '%101s' '')" ] && [ "${first:101:1}" != " " ] || fail "date not at column 102: '$first'"
head -n 2 "$dir/.and" | grep -q '^-5,-5,' || fail "offsets not saved: $(head -n 1 "$dir/.and")"

set +e
"$cli" --folder "$dir" stub --out "$dir/stub.doc" 2>/dev/null; [ $? = 2 ] || fail "an unknown output type is not a usage error"
"$cli" --folder "$dir" check --horz 6 --out "$dir/c.txt" 2>/dev/null; [ $? = 2 ] || fail "--horz 6 is not a usage error"
"$cli" --folder "$dir" stub --out "$dir/no such folder/s.pdf" 2>/dev/null; [ $? = 1 ] || fail "an unwritable PDF is not a failure"
# A message of several lines reaches the terminal as plain lines, as it does
# from every other command.
mv "$dir/Federal18.dtt" "$dir/Federal18.keep"
"$cli" --folder "$dir" stub --amounts 40 --out "$dir/s.txt" 2>"$dir/stderr"; [ $? = 1 ] || fail "a stub without the federal tables is no failure"
grep -qx "Save and Open, Only in Folder" "$dir/stderr" || fail "message lines not plain: $(od -c "$dir/stderr" | head -n 4)"
mv "$dir/Federal18.keep" "$dir/Federal18.dtt"
echo OK
