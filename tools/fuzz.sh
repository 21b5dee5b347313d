#!/usr/bin/env bash
# A longer fuzz run of one target: tools/fuzz.sh menu_file 600   (target name, seconds)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
name=${1:?target: menu_file or expand_string}
seconds=${2:-600}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p "build/fuzz/corpus-$name"
exec "build/fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    "build/fuzz/corpus-$name" "fuzz/corpus/$name"
