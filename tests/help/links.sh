#!/usr/bin/env bash
# The help manual: the topics the program opens (its contents and the pay
# sheet's default topic) exist, and every link inside it leads to a topic.
# Arguments: the manual.
set -u
manual="$1"
failures=0
ids="$(grep -o 'id="[^"]*"' "$manual" | sed 's/^id="//; s/"$//' | sort)"
dupes="$(uniq -d <<<"$ids")"
[ -z "$dupes" ] || { echo "FAIL: topics named twice: $dupes" >&2; failures=$((failures + 1)); }
for target in contents default $(grep -o 'href="#[^"]*"' "$manual" | sed 's/^href="#//; s/"$//' | sort -u); do
  grep -qx -- "$target" <<<"$ids" || { echo "FAIL: no topic \"$target\"" >&2; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ]
