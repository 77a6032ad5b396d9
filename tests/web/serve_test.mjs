// The local server given what a careless or hostile client sends: bad
// escapes, ways out of the site, a path longer than its headers allow, a
// line that is not HTTP. Each is answered with 400 or 404, nothing outside
// the site is ever sent, and the site is still served after every one.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import {serveSite} from '../../web/serve.mjs';

// A site of one page, beside a secret it must never give away.
const top = fs.mkdtempSync(path.join(os.tmpdir(), 'torvik-serve-'));
const site = path.join(top, 'site');
fs.mkdirSync(site);
fs.writeFileSync(path.join(site, 'index.html'), '<p>Torvik</p>');
fs.writeFileSync(path.join(top, 'secret.txt'), 'not for the page');
fs.symlinkSync(path.join(top, 'secret.txt'), path.join(site, 'link.txt'));

const {server, url} = await serveSite(site);
const {port} = new URL(url);

// One raw request, sent as written: the status line's code and the whole answer.
function ask(request) {
  return new Promise((resolve, reject) => {
    const socket = net.connect(Number(port), '127.0.0.1', () => socket.write(request));
    const chunks = [];
    socket.on('data', (chunk) => chunks.push(chunk));
    socket.on('error', reject);
    socket.on('close', () => {
      const answer = Buffer.concat(chunks).toString('latin1');
      resolve({status: Number(answer.split(' ')[1]), answer});
    });
  });
}
const get = (target) => ask(`GET ${target} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n`);

try {
  const hostile = [
    ['/%E0%A4%A', 400],  // an escape cut short
    ['/%', 400],
    ['/%00index.html', 400],  // a NUL in the name
    ['/../secret.txt', 404],
    ['/%2e%2e/secret.txt', 404],
    ['/..%2fsecret.txt', 404],
    ['/link.txt', 404],  // a link out of the site
    ['//127.0.0.1/../secret.txt', 404],
    [`/${'a'.repeat(5000)}`, 404],  // longer than a file name may be
    [`/${'a/'.repeat(20000)}`, 400],  // longer than the headers allow
  ];
  for (const [target, status] of hostile) {
    const {status: got, answer} = await get(target);
    assert.equal(got, status, `${target.slice(0, 40)} answered ${got}`);
    assert.ok(!answer.includes('not for the page'), `${target.slice(0, 40)} gave the secret away`);
    assert.equal((await get('/')).status, 200, `not serving after ${target.slice(0, 40)}`);
  }
  assert.equal((await ask('this is not HTTP\r\n\r\n')).status, 400);
  assert.equal((await ask('POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n')).status, 405);
  const page = await get('/');
  assert.match(page.answer, /text\/html/);
  assert.match(page.answer, /<p>Torvik<\/p>/);
  console.log(`ok: ${hostile.length + 2} hostile requests answered, the site served after each`);
} finally {
  server.close();
  fs.rmSync(top, {recursive: true, force: true});
}
