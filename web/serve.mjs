// Serves the built site as any static host would, on 127.0.0.1 only.
//   node web/serve.mjs SITE_DIRECTORY [PORT]
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.css': 'text/css',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// The offline worker is asked for afresh on every visit, never from a cache,
// so that a new build's worker replaces the old one at once.
const fileHeaders = {
  'service-worker.js': {'Cache-Control': 'no-cache'},
};

// Port 0 takes any free one; the address it got comes back as `url`.
export async function serveSite(directory, port = 0) {
  const root = path.resolve(directory);
  const server = http.createServer((request, response) => {
    const name = path.normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    const file = path.join(root, name.endsWith('/') ? path.join(name, 'index.html') : name);
    // Nothing outside the site, whatever the request says.
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': contentTypes[path.extname(file)] ?? 'application/octet-stream',
      ...fileHeaders[path.relative(root, file)],
    });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', resolve);
  });
  return {server, url: `http://127.0.0.1:${server.address().port}/`};
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const {url} = await serveSite(process.argv[2] ?? 'build-web/site', Number(process.argv[3] ?? 8000));
  console.log(`Torvik is served at ${url} (Ctrl+C stops it)`);
}
