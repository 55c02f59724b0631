#!/bin/sh
# lintaro-batch as a Slurm job array: one shard per task, all into one folder on a shared file
# system. Submit with `sbatch labels.sbatch`; README.md beside this file tells how to re-run.
#SBATCH --job-name=lintaro-labels
#SBATCH --array=0-9
#SBATCH --cpus-per-task=4
# A task requeued after a node failure or preemption starts again and resumes.
#SBATCH --requeue
# Every attempt of a task appends to one log, so a retry keeps the story of the one before.
#SBATCH --open-mode=append
#SBATCH --output=lintaro-labels-%a.log

# Written here, matching --array above, and never taken from the array: a task submitted again
# alone (sbatch --array=3) must still be shard 3 of 10, not 3 of 1.
shards=10
input=${LABELS_INPUT:-/shared/texts.txt}
output=${LABELS_OUTPUT:-/shared/labels}
# What the files are: an unsharded run with these options writes the same folder. Options
# given after the script's name (sbatch --array=5 labels.sbatch --only-failed FILE) follow.
set -- -s qr --name '{n:09/3}' "$@"

# --resume: any attempt of a task keeps the files there and writes only the rest, never " (2)".
# The manifests lie beside the folder, one per shard, appended to by every attempt.
exec lintaro-batch "$@" -j "${SLURM_CPUS_PER_TASK:-1}" \
    --shard "$SLURM_ARRAY_TASK_ID/$shards" --resume \
    --manifest "$output-manifest-$SLURM_ARRAY_TASK_ID.jsonl" \
    --progress jsonl \
    -o "$output" "$input"
