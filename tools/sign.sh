#!/bin/sh
# sign.sh PROGRAM SIGNED
# Writes SIGNED, the program signed with Authenticode (SHA-256, described as "NorvasquelSetup"),
# so that Windows' elevation prompt names its publisher. The certificate and its key are the
# PKCS#12 file that NORVASQUEL_SIGNING_CERTIFICATE names; its password is the first line of the
# file that NORVASQUEL_SIGNING_PASSWORD_FILE names. osslsigncode reads that file itself, so the
# password is never on a command line, printed or copied. Where NORVASQUEL_TIMESTAMP_URL names
# an RFC 3161 timestamp server, the signature is timestamped there and stays valid after the
# certificate expires. When signing fails, SIGNED is not left behind.
set -eu
program=$1
signed=$2
certificate=${NORVASQUEL_SIGNING_CERTIFICATE:-}
password_file=${NORVASQUEL_SIGNING_PASSWORD_FILE:-}
fail() {
    rm -f "$signed"
    echo "sign.sh: $1" >&2
    exit 1
}
rm -f "$signed"
[ -n "$certificate" ] || fail "NORVASQUEL_SIGNING_CERTIFICATE names no certificate."
[ -r "$certificate" ] || fail "cannot read the certificate $certificate."
[ -n "$password_file" ] || fail "NORVASQUEL_SIGNING_PASSWORD_FILE names no file with its password."
[ -r "$password_file" ] || fail "cannot read the password file $password_file."

set -- -pkcs12 "$certificate" -readpass "$password_file" -h sha256 -n NorvasquelSetup
if [ -n "${NORVASQUEL_TIMESTAMP_URL:-}" ]; then
    set -- "$@" -ts "$NORVASQUEL_TIMESTAMP_URL"
fi
if ! output=$(osslsigncode sign "$@" -in "$program" -out "$signed" 2>&1); then
    fail "could not sign with $certificate: the password in $password_file does not open it,
it is no PKCS#12 file with a key and certificate, or the timestamp server did not answer.
osslsigncode said:
$output"
fi
