#!/usr/bin/env bash
# Makes a throw-away certificate authority and a certificate for 127.0.0.1 signed by it,
# for the loopback TLS server of the tests. Usage: make-test-ca.sh OUTPUT_FOLDER
set -euo pipefail

out=$1
mkdir -p "$out"
cd "$out"
ec=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)

openssl req -x509 "${ec[@]}" -keyout ca.key -out ca.pem -days 3650 -subj "/CN=Lintaro Test CA" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
    2>/dev/null
openssl req "${ec[@]}" -keyout server.key -out server.csr -subj "/CN=127.0.0.1" 2>/dev/null
printf '%s\n' "subjectAltName=IP:127.0.0.1,DNS:localhost" "basicConstraints=CA:FALSE" \
    "keyUsage=critical,digitalSignature" "extendedKeyUsage=serverAuth" >server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 3650 \
    -extfile server.ext -out server.pem 2>/dev/null
