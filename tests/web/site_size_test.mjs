// The whole site a player downloads, each file packed as a web server packs
// it at its best, stays within 64 KB: a phone on a slow network is the
// page's usual player.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const most = 64 * 1024;
let total = 0;
for (const name of fs.readdirSync(site).sort()) {
  total += zlib.gzipSync(fs.readFileSync(path.join(site, name)), {level: 9}).length;
}
assert.ok(total <= most, `the site is ${total} bytes gzipped, more than ${most}`);
console.log(`ok: the site is ${total} bytes gzipped, at most ${most}`);
