#!/bin/sh
# markdown-to-text.sh < GUIDE.md > GUIDE.txt
# The words of a markdown page as plain text, for readers without a markdown viewer (the guide
# in the release archive): drops the div tags, image lines, code fences, heading and quote
# marks, emphasis, code backticks and link syntax, keeping the words and the line breaks; table
# cells are separated by tabs, and blank lines are squeezed to one.
set -eu
# Byte by byte: the markup is ASCII, and UTF-8 letters pass through whatever the locale.
LC_ALL=C
export LC_ALL
tab=$(printf '\t')

sed -E \
    -e 's/[[:space:]]+$//' \
    -e '/^[[:space:]]*<\/?div[^>]*>$/d' \
    -e 's/<\/?div[^>]*>//g' \
    -e '/^[[:space:]]*!\[[^]]*\]\([^)]*\)$/d' \
    -e 's/!\[[^]]*\]\([^)]*\)//g' \
    -e '/^[[:space:]]*(```|~~~)/d' \
    -e '/^[[:space:]]*\[[^]]+\]:[[:space:]]/d' \
    -e '/^[[:space:]]*([-*_][[:space:]]*){3,}$/d' \
    -e '/^[[:space:]|:-]*\|[[:space:]|:-]*$/d' \
    -e '/^[[:space:]]*\|/{
s/^[[:space:]]*\|[[:space:]]*//
s/[[:space:]]*\|$//
s/[[:space:]]*\|[[:space:]]*/'"$tab"'/g
}' \
    -e '/^[[:space:]]*#{1,6}[[:space:]]/{
s/^[[:space:]]*#+[[:space:]]+//
s/[[:space:]]+#+$//
}' \
    -e 's/^[[:space:]]*>[[:space:]]?//' \
    -e 's/^([[:space:]]*)[*+][[:space:]]+/\1- /' \
    -e 's/\[([^]]*)\]\([^)]*\)/\1/g' \
    -e 's/\[([^]]*)\]\[[^]]*\]/\1/g' \
    -e 's/<((https?|mailto):[^>]*)>/\1/g' \
    -e 's/\*\*([^*]+)\*\*/\1/g' \
    -e 's/__([^_]+)__/\1/g' \
    -e 's/~~([^~]+)~~/\1/g' \
    -e 's/\*([^*[:space:]][^*]*)\*/\1/g' \
    -e 's/(^|[^[:alnum:]_])_([^_[:space:]][^_]*)_($|[^[:alnum:]_])/\1\2\3/g' \
    -e 's/`//g' |
    awk 'NF { if (blank && printed) print ""; print; printed = 1; blank = 0; next } { blank = 1 }'
