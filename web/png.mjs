// Packs a picture written as text by the page's icon drawer (app_icon.cpp)
// into an RGBA PNG file.
//   node app_icon.js SIZE | node png.mjs ICON_FILE
import fs from 'node:fs';
import zlib from 'node:zlib';

const crcTable = Array.from({length: 256}, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) {
    c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) {
    c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  }
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'ascii');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

function encodePng(width, height, rgba) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8 bits a channel, RGBA, no interlace
  // Each row starts with its filter byte, 0: none.
  const rows = Buffer.alloc(height * (4 * width + 1));
  for (let y = 0; y < height; ++y) {
    rgba.copy(rows, y * (4 * width + 1) + 1, y * 4 * width, (y + 1) * 4 * width);
  }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(rows, {level: 9})),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

const [size, ...rows] = fs.readFileSync(0, 'utf8').trim().split('\n');
const [width, height] = size.split(' ').map(Number);
if (!(width > 0 && height > 0) || rows.length !== height || rows.some((row) => row.length !== 8 * width)) {
  console.error('png.mjs: not a picture from the icon drawer');
  process.exit(1);
}
fs.writeFileSync(process.argv[2], encodePng(width, height, Buffer.from(rows.join(''), 'hex')));
