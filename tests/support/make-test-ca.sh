#!/usr/bin/env bash
# Makes a throw-away certificate authority and certificates for the loopback TLS server of the
# tests: one for 127.0.0.1 signed by it, one signed by it for another name, and a self-signed
# one for 127.0.0.1. Usage: make-test-ca.sh OUTPUT_FOLDER
set -euo pipefail

out=$1
mkdir -p "$out"
cd "$out"
ec=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
usage=("basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" "extendedKeyUsage=serverAuth")

openssl req -x509 "${ec[@]}" -keyout ca.key -out ca.pem -days 3650 -subj "/CN=Lintaro Test CA" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
    2>/dev/null

# signed NAME SUBJECT_ALT_NAME: NAME.pem and NAME.key, signed by the authority.
signed() {
    openssl req "${ec[@]}" -keyout "$1.key" -out "$1.csr" -subj "/CN=$1" 2>/dev/null
    printf '%s\n' "subjectAltName=$2" "${usage[@]}" >"$1.ext"
    openssl x509 -req -in "$1.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -days 3650 \
        -extfile "$1.ext" -out "$1.pem" 2>/dev/null
}
signed server "IP:127.0.0.1,DNS:localhost"
signed wrong-name "DNS:wrong-name.example"

openssl req -x509 "${ec[@]}" -keyout self-signed.key -out self-signed.pem -days 3650 \
    -subj "/CN=127.0.0.1" -addext "subjectAltName=IP:127.0.0.1,DNS:localhost" 2>/dev/null
