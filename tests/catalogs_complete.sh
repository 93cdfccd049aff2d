#!/bin/bash
# The translations are complete and current: msgfmt finds every message of
# every po/LANG.po translated and none fuzzy, each catalog has every message
# of po/truceward.pot, and the template has every message the code marks
# (made afresh with xgettext, as the truceward_pot target makes it).
set -u
SOURCE=$1
cd "$SOURCE" || exit 1
WORK=$(mktemp -d "${TMPDIR:-/tmp}/truceward-po-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
failed=0
for po in po/*.po; do
    if ! statistics=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1); then
        echo "FAIL: $po: $statistics"
        failed=1
    elif echo "$statistics" | grep -q -E "fuzzy|untranslated"; then
        echo "FAIL: $po is not complete: $statistics"
        failed=1
    elif ! msgcmp "$po" po/truceward.pot 2>"$WORK/missing"; then
        echo "FAIL: $po lacks messages of the template:"
        cat "$WORK/missing"
        failed=1
    else
        echo "$po: $statistics"
    fi
done
find app battle graphics replay title -name '*.cpp' | sort >"$WORK/sources"
xgettext --from-code=UTF-8 --keyword=tr:1,1t --keyword=tr:1c,2,2t --keyword=noTr:1,1t \
    --keyword=noTr:1c,2,2t -f "$WORK/sources" -o "$WORK/code.pot" || exit 1
# Every message as one line: its context, a bar and its text. A template
# names no charset; its text is UTF-8.
messages() {
    sed 's/charset=CHARSET/charset=UTF-8/' "$1" >"$WORK/utf8.pot"
    msgexec -i "$WORK/utf8.pot" sh -c 'printf "%s|%s\n" "${MSGEXEC_MSGCTXT:-}" "$MSGEXEC_MSGID"' |
        grep -v '^|$' | sort -u
}
messages po/truceward.pot >"$WORK/template"
messages "$WORK/code.pot" >"$WORK/code"
stale=$(comm -13 "$WORK/template" "$WORK/code")
if [ -n "$stale" ]; then
    echo "FAIL: po/truceward.pot lacks messages of the code (build the truceward_pot target):"
    echo "$stale"
    failed=1
fi
exit "$failed"
