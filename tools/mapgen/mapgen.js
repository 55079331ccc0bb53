#!/usr/bin/env node
'use strict';
// Renders the Italy map pictures and writes the province box / dot layout. Run: npm run generate
const fs = require('fs');
const path = require('path');
const { Resvg } = require('@resvg/resvg-js');
const { mercY, invMercY, project, fitMercator, parseSvgPath, fitSvgToMercator } = require('./geometry');
const { REGIONS, PROVINCES, FIXED_BOXES, FIXED_DOTS } = require('./provinces');
const L = require('./layout');
const { spreadBoxes } = require('./spread');

const ROOT = path.resolve(__dirname, '..', '..');
const OUT = {
  map: path.join(ROOT, 'geo/maps/italie.png'),
  mini: path.join(ROOT, 'geo/maps/italie_mini.png'),
  index: path.join(ROOT, 'tests/data/regions_index.png'),
  cpp: path.join(ROOT, 'geo/map_layout.cpp'),
};
const FULL = { w: 580, h: 685, k: 1 };
const MINI = { w: 290, h: 343, k: 0.5 };
const COLOURS = { land: '#FFE794', sea: '#9C9C9C', foreign: '#FFFFFF', border: '#000000' };

// ---- source data ----
function loadRegions() {
  const dir = path.dirname(require.resolve('@svg-maps/italy/package.json'));
  const src = fs.readFileSync(path.join(dir, 'index.js'), 'utf8');
  const map = JSON.parse(src.replace(/^\s*export\s+default\s+/, '').replace(/;\s*$/, ''));
  const byId = new Map(map.locations.map((l) => [l.id, parseSvgPath(l.path)]));
  return REGIONS.map((id, r) => {
    if (!r) return null;
    if (!byId.has(id)) throw new Error(`region ${id} missing from @svg-maps/italy`);
    return { number: r, id, rings: byId.get(id) };
  }).filter(Boolean);
}

function loadCountries() {
  const world = require('@geo-maps/countries-land-1km')();
  const polys = (f) => (f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates);
  const italy = world.features.filter((f) => f.properties.A3 === 'ITA').flatMap(polys);
  const foreign = world.features.filter((f) => f.properties.A3 !== 'ITA').flatMap(polys);
  return { italy, foreign };
}

// ---- projection fit on the hand-placed boxes ----
function fixedBoxPoints() {
  return Object.entries(FIXED_BOXES).map(([n, [left, top]]) => {
    const p = PROVINCES[n - 1];
    return { n: +n, code: p.code, lon: p.lon, lat: p.lat, px: (left + L.BOX.w / 2) / 15, py: (top + L.BOX.h / 2) / 15 };
  });
}
function fixedDotPoints() {
  return Object.entries(FIXED_DOTS).map(([n, [left, top]]) => {
    const p = PROVINCES[n - 1];
    return { n: +n, code: p.code, lon: p.lon, lat: p.lat, px: ((left + L.DOT.w / 2) / 15) * 2, py: ((top + L.DOT.h / 2) / 15) * 2 };
  });
}

// ---- SVG assembly ----
const fmt = (v) => (Math.round(v * 100) / 100).toString();

function ringPath(points, minStep) {
  const kept = [];
  for (const p of points) {
    const last = kept[kept.length - 1];
    if (!last || Math.hypot(p[0] - last[0], p[1] - last[1]) >= minStep) kept.push(p);
  }
  if (kept.length < 3) return '';
  return 'M' + kept.map(([x, y]) => `${fmt(x)} ${fmt(y)}`).join('L') + 'Z';
}

function visible(points, frame, margin) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const [x, y] of points) { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); }
  return x1 >= -margin && y1 >= -margin && x0 <= frame.w + margin && y0 <= frame.h + margin;
}

// Outer rings only: lakes inside the neighbours stay white like their land.
function geoPath(polygons, proj, frame) {
  let d = '';
  for (const poly of polygons) {
    const pts = poly[0].map(([lon, lat]) => project(proj, lon, lat, frame.k));
    if (visible(pts, frame, 20)) d += ringPath(pts, 0.25);
  }
  return d;
}

function regionPaths(regions, svgFit, proj, frame) {
  const toPixel = ([x, y]) => project(proj, svgFit.a * x + svgFit.b, invMercY(svgFit.d - svgFit.c * y), frame.k);
  return regions.map((r) => ({ number: r.number, d: r.rings.map((ring) => ringPath(ring.map(toPixel), 0.05)).join('') }));
}

// Small islands would vanish under a black outline, so they are outlined in land colour.
function splitIslets(d) {
  const rings = d.match(/M[^Z]*Z/g) || [];
  const big = [], small = [];
  for (const r of rings) {
    const n = r.slice(1, -1).split('L').map((p) => p.split(' ').map(Number));
    const xs = n.map((p) => p[0]), ys = n.map((p) => p[1]);
    (Math.max(Math.max(...xs) - Math.min(...xs), Math.max(...ys) - Math.min(...ys)) < 5 ? small : big).push(r);
  }
  return { big: big.join(''), small: small.join('') };
}

// opts.binary: land white on black sea, aliased, for finding enclosed water.
function mapSvg(frame, regions, foreignD, italyGeoD, opts = {}) {
  const { w, h } = frame;
  const c = opts.binary ? { land: '#fff', sea: '#000', foreign: '#fff' } : COLOURS;
  const outline = splitIslets(regions.map((r) => r.d).join(''));
  // Italy from the world data fills seams between the two sources' land borders, but only next to
  // the neighbours (mask) so it cannot widen Italian coasts.
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}"${opts.binary ? ' shape-rendering="crispEdges"' : ''}>
<defs><mask id="nearForeign" maskUnits="userSpaceOnUse" x="0" y="0" width="${w}" height="${h}">
<path d="${foreignD}" fill="#fff" stroke="#fff" stroke-width="${16 * frame.k}" stroke-linejoin="round"/></mask></defs>
<rect width="${w}" height="${h}" fill="${c.sea}"/>
${opts.lakesD ? `<path d="${opts.lakesD}" fill="${c.foreign}"/>` : ''}
<path d="${italyGeoD}" fill="${c.foreign}" mask="url(#nearForeign)"/>
<path d="${foreignD}" fill="${c.foreign}"/>
${regions.map((r) => `<path d="${r.d}" fill="${c.land}" fill-rule="evenodd"/>`).join('\n')}
${opts.binary ? '' : `<path d="${outline.big}" fill="none" stroke="${COLOURS.border}" stroke-width="1" stroke-linejoin="round" shape-rendering="crispEdges"/>
<path d="${outline.small}" fill="none" stroke="${COLOURS.land}" stroke-width="1" stroke-linejoin="round" shape-rendering="crispEdges"/>`}
</svg>`;
}

// Water not connected to the open sea (border lakes such as Geneva or Lugano fall between the
// neighbours' polygons) is painted like foreign land. Returns a path of 1/SS-pixel row runs.
const SEA_SEEDS = [[11.0, 39.5], [14.5, 43.5], [17.5, 38.5], [8.0, 37.5], [9.0, 43.5]];
function enclosedWater(frame, proj, svg) {
  const SS = 4;
  const img = new Resvg(svg, { fitTo: { mode: 'zoom', value: SS }, font: { loadSystemFonts: false } }).render();
  const W = img.width, H = img.height, px = img.pixels;
  const sea = new Uint8Array(W * H);
  for (let i = 0; i < W * H; i++) sea[i] = px[i * 4] < 128 ? 1 : 0;
  const reached = new Uint8Array(W * H);
  const stack = [];
  for (const [lon, lat] of SEA_SEEDS) {
    const [x, y] = project(proj, lon, lat, frame.k).map((v) => Math.floor(v * SS));
    if (!sea[y * W + x]) throw new Error(`sea seed ${lon},${lat} is not on water`);
    stack.push(y * W + x);
  }
  while (stack.length) {
    const i = stack.pop();
    if (reached[i] || !sea[i]) continue;
    reached[i] = 1;
    const x = i % W;
    if (x > 0) stack.push(i - 1);
    if (x < W - 1) stack.push(i + 1);
    if (i >= W) stack.push(i - W);
    if (i < W * (H - 1)) stack.push(i + W);
  }
  // Grown by one pixel so antialiased lake and shore edges cannot leave a grey seam.
  const lake = new Uint8Array(W * H);
  let cells = 0;
  for (let i = 0; i < W * H; i++) {
    if (!sea[i] || reached[i]) continue;
    cells++;
    const x = i % W, y = (i - x) / W;
    for (let yy = Math.max(0, y - SS); yy <= Math.min(H - 1, y + SS); yy++)
      for (let xx = Math.max(0, x - SS); xx <= Math.min(W - 1, x + SS); xx++) if (!reached[yy * W + xx]) lake[yy * W + xx] = 1;
  }
  let d = '';
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W;) {
      if (lake[y * W + x]) {
        let e = x;
        while (e < W && lake[y * W + e]) e++;
        d += `M${fmt(x / SS)} ${fmt(y / SS)}h${fmt((e - x) / SS)}v${fmt(1 / SS)}h${fmt(-(e - x) / SS)}Z`;
        x = e;
      } else x++;
    }
  }
  return { d, pixels: cells / (SS * SS) };
}

function indexSvg(frame, regions) {
  const { w, h } = frame;
  const rgb = (r) => `rgb(${L.regionColour(r).join(',')})`;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}" shape-rendering="crispEdges">
<rect width="${w}" height="${h}" fill="#FFFFFF"/>
${regions.map((r) => `<path d="${r.d}" fill="${rgb(r.number)}" fill-rule="evenodd"/>`).join('\n')}
</svg>`;
}

function render(svg) {
  const img = new Resvg(svg, { font: { loadSystemFonts: false } }).render();
  return { png: img.asPng(), width: img.width, height: img.height, rgba: img.pixels };
}

// ---- layout ----
function derive(proj, p, kind) {
  const [px, py] = project(proj, p.lon, p.lat, kind === 'box' ? 1 : 0.5);
  const size = kind === 'box' ? L.BOX : L.DOT;
  return [Math.round(px - size.w / 30) * 15, Math.round(py - size.h / 30) * 15];
}

// Smallest whole-pixel shift that puts the centre on its own region and inside the allowed area.
function nudge(pos, ok) {
  if (ok(pos)) return { pos, shift: [0, 0] };
  const offsets = [];
  for (let dy = -30; dy <= 30; dy++) for (let dx = -30; dx <= 30; dx++) offsets.push([dx, dy]);
  offsets.sort((u, v) => Math.hypot(...u) - Math.hypot(...v) || u[1] - v[1] || u[0] - v[0]);
  for (const [dx, dy] of offsets) {
    const cand = [pos[0] + dx * 15, pos[1] + dy * 15];
    if (ok(cand)) return { pos: cand, shift: [dx, dy] };
  }
  throw new Error(`no valid place near ${pos}`);
}

function layout(proj, index) {
  const boxes = [], dots = [], nudged = [];
  for (const p of PROVINCES) {
    const boxOk = (pos) => L.inBounds(pos, L.BOX_BOUNDS) && L.boxHits(index, pos, p.region);
    const dotOk = (pos) => L.inBounds(pos, L.DOT_BOUNDS) && L.dotHits(index, pos, p.region);
    if (FIXED_BOXES[p.number]) boxes.push(FIXED_BOXES[p.number]);
    else {
      const r = nudge(derive(proj, p, 'box'), boxOk);
      if (r.shift[0] || r.shift[1]) nudged.push({ kind: 'box', code: p.code, shift: r.shift });
      boxes.push(r.pos);
    }
    if (FIXED_DOTS[p.number]) dots.push(FIXED_DOTS[p.number]);
    else {
      const r = nudge(derive(proj, p, 'dot'), dotOk);
      if (r.shift[0] || r.shift[1]) nudged.push({ kind: 'dot', code: p.code, shift: r.shift });
      dots.push(r.pos);
    }
  }
  const { boxes: spread, moved } = spreadLayout(boxes, index);
  return { boxes: spread, dots, nudged, moved };
}

// Boxes whose codes other boxes would hide are moved apart; the most crowded keep their place first.
function spreadLayout(boxes, index) {
  const fixed = PROVINCES.map((p) => Boolean(FIXED_BOXES[p.number]));
  const near = (i) => boxes.filter((b, j) => j !== i && Math.abs(b[0] - boxes[i][0]) < L.BOX.w &&
    Math.abs(b[1] - boxes[i][1]) < L.BOX.h).length;
  const order = [...boxes.keys()].sort((a, b) => near(b) - near(a) || a - b);
  const ok = (i, pos) => L.inBounds(pos, L.BOX_BOUNDS) && L.boxHits(index, pos, PROVINCES[i].region);
  const spread = spreadBoxes(boxes, fixed, ok, { limit: 0, order });
  const moved = [];
  boxes.forEach((b, i) => {
    const shift = [(spread[i][0] - b[0]) / 15, (spread[i][1] - b[1]) / 15];
    if (shift[0] || shift[1]) moved.push({ code: PROVINCES[i].code, shift, cover: L.textCover(boxes, i) });
  });
  return { boxes: spread, moved };
}

function cppSource(boxes, dots) {
  const rows = (list) => list.map(([x, y], i) => `    QPoint(${x}, ${y}), // ${i + 1} ${PROVINCES[i].code}`).join('\n');
  return `// generated by tools/mapgen, do not edit by hand
#include "map_layout.h"

namespace geo {

const QPoint kProvinceBoxes[110] = {
${rows(boxes)}
};

const QPoint kMiniMapDots[110] = {
${rows(dots)}
};

} // namespace geo
`;
}

// ---- main ----
function main() {
  const regions = loadRegions();
  const countries = loadCountries();

  const boxPts = fixedBoxPoints();
  const proj = fitMercator(boxPts);
  const residual = (q) => { const [x, y] = project(proj, q.lon, q.lat); return [x - q.px, y - q.py]; };
  const rms = (list) => Math.sqrt(list.reduce((s, q) => s + residual(q).reduce((a, v) => a + v * v, 0), 0) / list.length);
  console.log(`projection: Mercator, ${proj.s.toFixed(4)} px per degree of longitude`);
  console.log(`  frame: ${proj.lon0.toFixed(4)}E..${(proj.lon0 + FULL.w / proj.s).toFixed(4)}E, ` +
    `${invMercY(proj.y0 - FULL.h / proj.s).toFixed(4)}N..${invMercY(proj.y0).toFixed(4)}N (mercY0 ${proj.y0.toFixed(4)})`);
  console.log('  residuals, projected capital minus fixed centre (px, full-size picture):');
  for (const q of boxPts) console.log(`    box ${q.code}: ${residual(q).map((v) => v.toFixed(1).padStart(5)).join(' ')}`);
  for (const q of fixedDotPoints()) console.log(`    dot ${q.code}: ${residual(q).map((v) => v.toFixed(1).padStart(5)).join(' ')}`);
  console.log(`  rms: boxes ${rms(boxPts).toFixed(2)} px, dots ${rms(fixedDotPoints()).toFixed(2)} px`);

  const svgFit = fitSvgToMercator(regions.flatMap((r) => r.rings), countries.italy);
  const pxPerDeg = proj.s;
  console.log(`outline registration: lon = ${svgFit.a.toFixed(7)}*x + ${svgFit.b.toFixed(5)}, ` +
    `mercY = ${svgFit.d.toFixed(5)} - ${svgFit.c.toFixed(7)}*y`);
  console.log(`  coast vertices ${svgFit.coastVertices}/${svgFit.totalVertices}, distance to reference coast: ` +
    `mean ${(svgFit.meanDeg * pxPerDeg).toFixed(2)} px, 95th percentile ${(svgFit.p95Deg * pxPerDeg).toFixed(2)} px`);

  for (const [file, frame] of [[OUT.map, FULL], [OUT.mini, MINI]]) {
    const paths = regionPaths(regions, svgFit, proj, frame);
    const foreignD = geoPath(countries.foreign, proj, frame), italyGeoD = geoPath(countries.italy, proj, frame);
    const lakes = enclosedWater(frame, proj, mapSvg(frame, paths, foreignD, italyGeoD, { binary: true }));
    console.log(`${path.basename(file)}: enclosed water painted white, ${lakes.pixels.toFixed(0)} px`);
    const svg = mapSvg(frame, paths, foreignD, italyGeoD, { lakesD: lakes.d });
    const out = render(svg);
    if (out.width !== frame.w || out.height !== frame.h) throw new Error('unexpected picture size');
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, out.png);
    if (process.env.MAPGEN_KEEP_SVG) fs.writeFileSync(`${process.env.MAPGEN_KEEP_SVG}/${path.basename(file, '.png')}.svg`, svg);
  }
  const index = render(indexSvg(FULL, regionPaths(regions, svgFit, proj, FULL)));
  fs.mkdirSync(path.dirname(OUT.index), { recursive: true });
  fs.writeFileSync(OUT.index, index.png);

  const { boxes, dots, nudged, moved } = layout(proj, index);
  fs.writeFileSync(OUT.cpp, cppSource(boxes, dots));
  console.log(nudged.length ? 'nudged (dx dy in pixels of its own picture: full-size for boxes, mini for dots):' : 'nudged: none');
  for (const n of nudged) console.log(`  ${n.kind} ${n.code}: ${n.shift.join(' ')}`);
  console.log('moved apart (dx dy in pixels, share of the code hidden before):');
  for (const m of moved) console.log(`  box ${m.code}: ${m.shift.join(' ')} (${Math.round(m.cover * 100)} %)`);
  console.log(`largest share of a code hidden: ${Math.round(Math.max(...boxes.map((_, i) => L.textCover(boxes, i))) * 100)} %`);
  console.log(`wrote ${Object.values(OUT).map((f) => path.relative(ROOT, f)).join(', ')}`);
}

main();
