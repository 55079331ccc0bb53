#!/usr/bin/env node
'use strict';
// Re-checks the committed outputs the way the C++ test will: reads the PNGs and map_layout.cpp.
const fs = require('fs');
const path = require('path');
const { readPng } = require('./png');
const { PROVINCES, FIXED_BOXES, FIXED_DOTS } = require('./provinces');
const L = require('./layout');

const ROOT = path.resolve(__dirname, '..', '..');
const failures = [];
let passed = 0;
const expect = (ok, what) => { if (ok) passed++; else failures.push(what); };

function readArray(src, name) {
  const body = src.match(new RegExp(`${name}\\[110\\]\\s*=\\s*\\{([\\s\\S]*?)\\};`));
  if (!body) throw new Error(`${name} not found`);
  return [...body[1].matchAll(/QPoint\((-?\d+),\s*(-?\d+)\)/g)].map((m) => [+m[1], +m[2]]);
}

const cpp = fs.readFileSync(path.join(ROOT, 'geo/map_layout.cpp'), 'utf8');
const boxes = readArray(cpp, 'kProvinceBoxes');
const dots = readArray(cpp, 'kMiniMapDots');
const index = readPng(fs.readFileSync(path.join(ROOT, 'tests/data/regions_index.png')));

for (const [file, w, h] of [['geo/maps/italie.png', 580, 685], ['geo/maps/italie_mini.png', 290, 343], ['tests/data/regions_index.png', 580, 685]]) {
  const img = readPng(fs.readFileSync(path.join(ROOT, file)));
  expect(img.width === w && img.height === h, `${file} is ${img.width}x${img.height}, want ${w}x${h}`);
}
expect(boxes.length === 110 && dots.length === 110, 'arrays must have 110 rows');

// Only region colours and white: no antialiasing in the index picture.
const seen = new Set();
for (let y = 0; y < index.height; y++) for (let x = 0; x < index.width; x++) {
  const i = (y * index.width + x) * 4;
  const r = L.regionAt(index, x, y);
  const white = index.rgba[i] === 255 && index.rgba[i + 1] === 255 && index.rgba[i + 2] === 255;
  if (r) seen.add(r);
  else if (!white) { expect(false, `regions_index: stray colour at ${x},${y}`); }
}
expect(seen.size === 20, `regions_index shows ${seen.size} of 20 regions`);

for (const p of PROVINCES) {
  const b = boxes[p.number - 1], d = dots[p.number - 1];
  expect(L.boxHits(index, b, p.region), `box ${p.number} ${p.code} centre off region ${p.region}`);
  expect(L.dotHits(index, d, p.region), `dot ${p.number} ${p.code} centre off region ${p.region}`);
  expect(L.inBounds(b, L.BOX_BOUNDS), `box ${p.number} ${p.code} outside the box area`);
  expect(L.inBounds(d, L.DOT_BOUNDS), `dot ${p.number} ${p.code} outside the dot area`);
  if (FIXED_BOXES[p.number]) {
    expect(b[0] === FIXED_BOXES[p.number][0] && b[1] === FIXED_BOXES[p.number][1], `box ${p.code} differs from the fixed row`);
    expect(L.boxOverlaps(index, b, p.region), `fixed box ${p.code} does not overlap region ${p.region}`);
  }
  if (FIXED_DOTS[p.number]) {
    expect(d[0] === FIXED_DOTS[p.number][0] && d[1] === FIXED_DOTS[p.number][1], `dot ${p.code} differs from the fixed row`);
  }
  expect(b[0] % 15 === 0 && b[1] % 15 === 0 && d[0] % 15 === 0 && d[1] % 15 === 0, `${p.code} not on whole pixels`);
}

for (const p of PROVINCES) {
  const cover = L.textCover(boxes, p.number - 1);
  expect(cover <= L.MAX_TEXT_COVER, `box ${p.code}: ${Math.round(cover * 100)} % of its code hidden by other boxes`);
}

for (const f of failures) console.log(`FAIL ${f}`);
console.log(`${passed} passed, ${failures.length} failed`);
process.exit(failures.length ? 1 : 0);
