#!/usr/bin/env bash
# Signs a copy of the installer with a throwaway self-signed certificate, the way the build does
# when a certificate is named, and verifies the signature.
# Usage: check_signing.sh SIGN_SCRIPT EXE WORK_DIR
set -euo pipefail
sign=$1 exe=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quorrel test signing" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
cp "$exe" "$work/signed.exe"
"$sign" "$work/cert.pem" "$work/key.pem" "$work/signed.exe"
if cmp -s "$exe" "$work/signed.exe"; then
    echo "the signed copy is unchanged"
    exit 1
fi
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed.exe" | grep -E 'Signature verification|Subject'
# A signature that no longer matches the bytes must be refused.
printf 'X' | dd of="$work/signed.exe" bs=1 seek=4096 conv=notrunc status=none
if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed.exe" >/dev/null 2>&1; then
    echo "a changed program still verifies"
    exit 1
fi
