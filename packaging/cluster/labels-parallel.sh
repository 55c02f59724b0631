#!/bin/sh
# lintaro-batch under GNU parallel: one shard per job on machines that all see the shared folder
# and have lintaro-batch installed (LABELS_HOSTS=: runs the jobs on this machine). After any
# failure or interruption run this again as it is: parallel's job log and --resume-failed start
# only the shards that did not end with status 0, and lintaro-batch's --resume writes only the
# entries still missing, never " (2)".
set -eu

# Written here, not taken from the number of machines, which may differ from run to run.
shards=3
input=${LABELS_INPUT:-/shared/texts.txt}
output=${LABELS_OUTPUT:-/shared/labels}
hosts=${LABELS_HOSTS:-node1,node2,node3}

# No --tag: each shard's --progress lines stay JSON; they carry the shard themselves.
seq 0 $((shards - 1)) | parallel --jobs 1 --sshlogin "$hosts" --line-buffer \
    --joblog "$output-joblog.txt" --resume-failed --retries 3 \
    lintaro-batch -s qr --name "'{n:09/3}'" \
    --shard "{}/$shards" --resume --manifest "'$output-manifest-{}.jsonl'" \
    --progress jsonl -o "'$output'" "'$input'"
