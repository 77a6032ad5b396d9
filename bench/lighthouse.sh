#!/usr/bin/env bash
# Lighthouse's scores of the page, as a phone on a slow network would load it
# (Lighthouse's mobile defaults, its simulated throttling), served locally and
# loaded in Debian's Chromium, by the Lighthouse that
# bench/lighthouse/package-lock.json pins. A host's compression and cache
# headers are not the local server's to show.
# CHROMIUM_FLAGS adds to Chromium's command line.
# One run's performance score swings with the machine's load, so it says the
# median of its runs' too, as Lighthouse's own advice on variability has it.
#   bench/lighthouse.sh [SITE [RUNS]]   (default build-web/site, 5 runs; the
#                                       reports in build-lighthouse/)
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build-web/site}
runs=${2:-5}
[ -d bench/lighthouse/node_modules/lighthouse ] ||
  npm ci --prefix bench/lighthouse --no-audit --no-fund --loglevel=error
out=build-lighthouse
rm -rf "$out"
mkdir -p "$out"
# Any free port: the server says which.
node web/serve.mjs "$site" 0 >"$out/serve.log" &
server=$!
trap 'kill "$server"' EXIT
url=""
for _ in $(seq 100); do
  url=$(sed -n 's/^Torvik is served at \(http[^ ]*\) .*/\1/p' "$out/serve.log")
  [ -z "$url" ] || break
  sleep 0.1
done
[ -n "$url" ] || { echo "the local server did not start" >&2; exit 1; }

for run in $(seq "$runs"); do
  CHROME_PATH=${CHROMIUM:-/usr/bin/chromium} node bench/lighthouse/node_modules/lighthouse/cli/index.js \
    "$url" --quiet --output=json --output-path="$out/$run.json" \
    --only-categories=performance,accessibility,best-practices,seo \
    --chrome-flags="--headless=new --no-sandbox --enable-unsafe-swiftshader ${CHROMIUM_FLAGS:-}"
  node -e '
    const r = require(require("path").resolve(process.argv[1]));
    const score = (c) => Math.round(r.categories[c].score * 100);
    const audit = (a) => r.audits[a].displayValue;
    console.log(`run ${process.argv[2]}: performance ${score("performance")}, accessibility ${score("accessibility")}, ` +
      `best practices ${score("best-practices")}, SEO ${score("seo")}; first contentful paint ` +
      `${audit("first-contentful-paint")}, largest ${audit("largest-contentful-paint")}, total blocking time ` +
      `${audit("total-blocking-time")}, speed index ${audit("speed-index")}, layout shift ${audit("cumulative-layout-shift")}`);
    for (const [name, category] of Object.entries(r.categories)) {
      for (const ref of category.auditRefs) {
        const a = r.audits[ref.id];
        if (ref.weight > 0 && a.score !== null && a.score < 1) {
          console.log(`  ${name}: ${a.id} ${a.score} ${a.displayValue ?? ""}`);
        }
      }
    }' "$out/$run.json" "$run"
done
node -e '
  const path = require("path");
  const scores = process.argv.slice(1).map((file) =>
    Math.round(require(path.resolve(file)).categories.performance.score * 100)).sort((a, b) => a - b);
  console.log(`median performance of ${scores.length} runs: ${scores[(scores.length - 1) >> 1]}` +
    (scores.length % 2 ? "" : ` to ${scores[scores.length >> 1]}`));' "$out"/*.json
