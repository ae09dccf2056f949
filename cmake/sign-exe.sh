#!/usr/bin/env bash
# Signs a program with Authenticode (SHA-256) in place: sign-exe.sh CERTIFICATE KEY PROGRAM
# CERTIFICATE and KEY are PEM files; the signed copy replaces the program only when signing worked.
set -euo pipefail
certificate=$1 key=$2 program=$3
signed=$program.signed
rm -f "$signed"
osslsigncode sign -certs "$certificate" -key "$key" -n "Quorrel Setup" -h sha256 \
    -in "$program" -out "$signed" >/dev/null
mv -f "$signed" "$program"
