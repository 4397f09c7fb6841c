// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A zip archive's parts, unpacked and packed again, so that the module
// fuzzer can mutate a workbook's XML rather than its deflated bytes, which
// nearly every mutation turns into a CRC error. Only what the seeds need:
// stored and deflated parts, no zip64, no encryption.
import { deflateRawSync, inflateRawSync } from 'node:zlib';

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k += 1) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = ~0;
  for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return ~c >>> 0;
}

// [{name, bytes}] from the central directory, or null for what is no
// archive this reads.
export function unzipParts(zip) {
  const end = zip.lastIndexOf(Buffer.from([0x50, 0x4b, 0x05, 0x06]));
  if (end < 0 || end + 22 > zip.length) return null;
  const parts = [];
  let at = zip.readUInt32LE(end + 16);
  try {
    for (let n = zip.readUInt16LE(end + 10); n > 0; n -= 1) {
      if (zip.readUInt32LE(at) !== 0x02014b50) return null;
      const [method, packed, nameLength] = [zip.readUInt16LE(at + 10), zip.readUInt32LE(at + 20), zip.readUInt16LE(at + 28)];
      const local = zip.readUInt32LE(at + 42);
      const name = zip.subarray(at + 46, at + 46 + nameLength).toString('latin1');
      const data = local + 30 + zip.readUInt16LE(local + 26) + zip.readUInt16LE(local + 28);
      const raw = zip.subarray(data, data + packed);
      parts.push({ name, bytes: method === 8 ? inflateRawSync(raw) : Buffer.from(raw) });
      at += 46 + nameLength + zip.readUInt16LE(at + 30) + zip.readUInt16LE(at + 32);
    }
  } catch {
    return null;
  }
  return parts;
}

// The parts packed again, deflated.
export function zipParts(parts) {
  const locals = [];
  const centrals = [];
  let offset = 0;
  for (const { name, bytes } of parts) {
    const fileName = Buffer.from(name, 'latin1');
    const packed = deflateRawSync(bytes);
    const header = Buffer.alloc(26);
    header.writeUInt16LE(20, 0); // version needed
    header.writeUInt16LE(8, 4); // deflated
    header.writeUInt32LE(crc32(bytes), 10);
    header.writeUInt32LE(packed.length, 14);
    header.writeUInt32LE(bytes.length, 18);
    header.writeUInt16LE(fileName.length, 22);
    const local = Buffer.concat([Buffer.from([0x50, 0x4b, 0x03, 0x04]), header, fileName, packed]);
    const tail = Buffer.alloc(14); // comment, disk, attributes, then where the part is
    tail.writeUInt32LE(offset, 10);
    centrals.push(Buffer.concat([Buffer.from([0x50, 0x4b, 0x01, 0x02, 20, 0]), header, tail, fileName]));
    locals.push(local);
    offset += local.length;
  }
  const directory = Buffer.concat(centrals);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(parts.length, 8);
  end.writeUInt16LE(parts.length, 10);
  end.writeUInt32LE(directory.length, 12);
  end.writeUInt32LE(offset, 16);
  return Buffer.concat([...locals, directory, end]);
}
