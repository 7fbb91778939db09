# Sourced by the benchmark scripts: one hyperfine session that runs a command of Morvane's
# and its baseline, and prints a Markdown table row of both medians and their ratio.
# measure NAME "COMMAND" "BASELINE" [hyperfine options...]; needs $scratch, a folder.
measure() {
    local name=$1 command=$2 baseline=$3
    shift 3
    hyperfine "$@" --export-json "$scratch/result.json" \
        --command-name morvane "$command" --command-name baseline "$baseline" >/dev/null 2>&1
    python3 - "$scratch/result.json" "$name" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
m, b = results["morvane"]["median"], results["baseline"]["median"]
print(f"| {sys.argv[2]} | {m*1e3:.2f} ms | {b*1e3:.2f} ms | {m/b:.2f} |")
PY
}
