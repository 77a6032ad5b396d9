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

// The file a request names inside the site, or the status it is answered
// with: 400 for what is not a path at all, 404 for anything that is not one
// of the site's files, whatever the request says (`..`, escapes, links out).
function siteFile(root, request) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    return {status: 405};
  }
  let name;
  try {
    name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
  } catch {
    return {status: 400};
  }
  if (name.includes('\0')) {
    return {status: 400};
  }
  const file = path.join(root, path.normalize(name), name.endsWith('/') ? 'index.html' : '');
  let real;
  try {
    real = fs.realpathSync(file);
  } catch {
    return {status: 404};
  }
  if (!real.startsWith(root + path.sep) || !fs.statSync(real).isFile()) {
    return {status: 404};
  }
  return {file: real};
}

// Port 0 takes any free one; the address it got comes back as `url`.
export async function serveSite(directory, port = 0) {
  const root = fs.realpathSync(directory);
  const server = http.createServer((request, response) => {
    let found;
    try {
      found = siteFile(root, request);
    } catch {
      found = {status: 404};
    }
    if (found.status) {
      response.writeHead(found.status, found.status === 405 ? {Allow: 'GET, HEAD'} : {});
      response.end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': contentTypes[path.extname(found.file)] ?? 'application/octet-stream',
      ...fileHeaders[path.relative(root, found.file)],
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    // A file that goes while it is sent ends the answer, not the server.
    fs.createReadStream(found.file).on('error', () => response.destroy()).pipe(response);
  });
  // What the parser refuses (a path longer than the headers allow, a line
  // that is not HTTP) is answered too, rather than cut off.
  server.on('clientError', (error, socket) => {
    if (socket.writable && error.code !== 'ECONNRESET') {
      socket.end('HTTP/1.1 400 Bad Request\r\nConnection: close\r\nContent-Length: 0\r\n\r\n');
    } else {
      socket.destroy();
    }
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
