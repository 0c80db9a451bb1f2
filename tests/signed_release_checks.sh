#!/bin/sh
# signed_release_checks.sh PROGRAM OBJDUMP
# Signs a copy of PROGRAM through tools/sign.sh with a throwaway certificate made here, and fails
# unless the signature (SHA-256, "NorvasquelSetup") verifies against that certificate, removing
# it gives back PROGRAM byte for byte (the README's check of a download), one changed byte of
# the code fails verification, and a wrong password stops signing with a clear message, no
# output and no password shown.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
objdump=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() {
    echo "FAILED: $1" >&2
    exit 1
}

printf 'throwaway-secret\n' >password
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out certificate.pem -days 1 \
    -subj "/CN=NorvasquelSetup test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in certificate.pem -out certificate.p12 -passout file:password
export NORVASQUEL_SIGNING_CERTIFICATE="$work/certificate.p12"
export NORVASQUEL_SIGNING_PASSWORD_FILE="$work/password"
unset NORVASQUEL_TIMESTAMP_URL

cp "$program" unsigned.exe
sh "$root/tools/sign.sh" unsigned.exe signed.exe
verify() { osslsigncode verify -CAfile certificate.pem -in "$1" >verified.txt 2>&1; }
verify signed.exe || { cat verified.txt; fail "the signature does not verify"; }
if ! grep -q "Message digest algorithm *: SHA256" verified.txt ||
    ! grep -q "Text description: NorvasquelSetup" verified.txt; then
    cat verified.txt
    fail "the signature is not SHA-256, or not described as NorvasquelSetup"
fi
osslsigncode remove-signature -in signed.exe -out removed.exe >/dev/null
cmp removed.exe "$program" || fail "signed.exe without its signature is not the build's program"

# One byte inside the code section, which the signature's digest covers.
text=$("$objdump" -h signed.exe | awk '$2 == ".text" { print $6 }')
offset=$((0x$text + 64))
byte=$(od -An -tu1 -j "$offset" -N1 signed.exe)
cp signed.exe changed.exe
# shellcheck disable=SC2059
printf "\\$(printf '%03o' $(((byte + 1) % 256)))" |
    dd of=changed.exe bs=1 seek="$offset" conv=notrunc 2>/dev/null
! verify changed.exe || fail "a changed byte of the code still verifies"

printf 'mistyped-secret\n' >wrong
export NORVASQUEL_SIGNING_PASSWORD_FILE="$work/wrong"
! sh "$root/tools/sign.sh" unsigned.exe refused.exe 2>refusal.txt || fail "signed with a wrong password"
cat refusal.txt
grep -q "^sign.sh: could not sign with .*p12: the password in .*wrong does not open it" refusal.txt ||
    fail "a wrong password gives no clear message"
[ ! -e refused.exe ] || fail "a refused signing left its output"
! grep -q secret refusal.txt || fail "the refusal shows a password"
