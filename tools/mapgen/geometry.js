'use strict';
// Projection maths shared by the generator and the checker.

const DEG = Math.PI / 180;

// Mercator northing, expressed in degrees so it shares the scale of longitude.
function mercY(lat) {
  return Math.log(Math.tan(Math.PI / 4 + (lat * DEG) / 2)) / DEG;
}

function invMercY(y) {
  return (2 * Math.atan(Math.exp(y * DEG))) / DEG - 90;
}

// Projection of the 580 x 685 picture: px = s * (lon - lon0), py = s * (y0 - mercY(lat)).
function project(proj, lon, lat, k = 1) {
  return [k * proj.s * (lon - proj.lon0), k * proj.s * (proj.y0 - mercY(lat))];
}

function solveLinear(A, b) {
  const n = b.length;
  const m = A.map((row, i) => [...row, b[i]]);
  for (let i = 0; i < n; i++) {
    let p = i;
    for (let r = i + 1; r < n; r++) if (Math.abs(m[r][i]) > Math.abs(m[p][i])) p = r;
    [m[i], m[p]] = [m[p], m[i]];
    for (let r = i + 1; r < n; r++) {
      const f = m[r][i] / m[i][i];
      for (let c = i; c <= n; c++) m[r][c] -= f * m[i][c];
    }
  }
  const x = new Array(n).fill(0);
  for (let i = n - 1; i >= 0; i--) {
    let v = m[i][n];
    for (let c = i + 1; c < n; c++) v -= m[i][c] * x[c];
    x[i] = v / m[i][i];
  }
  return x;
}

// Least squares for (s, lon0, y0) from points {lon, lat, px, py}. Linear in (s, -s*lon0, s*y0).
function fitMercator(points) {
  const N = [[0, 0, 0], [0, 0, 0], [0, 0, 0]];
  const v = [0, 0, 0];
  for (const p of points) {
    const Y = mercY(p.lat);
    for (const [row, rhs] of [[[p.lon, 1, 0], p.px], [[-Y, 0, 1], p.py]]) {
      for (let i = 0; i < 3; i++) {
        for (let j = 0; j < 3; j++) N[i][j] += row[i] * row[j];
        v[i] += row[i] * rhs;
      }
    }
  }
  const [s, a, b] = solveLinear(N, v);
  return { s, lon0: -a / s, y0: b / s };
}

// Parses the absolute/relative move-line-close paths used by @svg-maps into rings of [x, y].
function parseSvgPath(d) {
  const rings = [];
  const tokens = d.match(/[a-zA-Z]|-?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?/g);
  let cmd = 'M', x = 0, y = 0, startX = 0, startY = 0, ring = null;
  for (let i = 0; i < tokens.length;) {
    const t = tokens[i];
    if (/^[a-zA-Z]$/.test(t)) {
      cmd = t;
      i++;
      if (cmd === 'z' || cmd === 'Z') {
        if (ring) rings.push(ring);
        ring = null;
        x = startX; y = startY;
      } else if (!'mMlLhHvV'.includes(cmd)) {
        throw new Error(`unsupported path command ${cmd}`);
      }
      continue;
    }
    const rel = cmd === cmd.toLowerCase();
    const C = cmd.toUpperCase();
    if (C === 'H') { x = (rel ? x : 0) + +t; i++; }
    else if (C === 'V') { y = (rel ? y : 0) + +t; i++; }
    else { x = (rel ? x : 0) + +t; y = (rel ? y : 0) + +tokens[i + 1]; i += 2; }
    if (C === 'M') {
      if (ring) rings.push(ring);
      ring = [[x, y]];
      startX = x; startY = y;
      cmd = rel ? 'l' : 'L'; // further pairs after a move are line-tos
    } else {
      ring.push([x, y]);
    }
  }
  if (ring) rings.push(ring);
  return rings;
}

// Downhill simplex, enough for the few smooth parameters fitted here.
function nelderMead(f, x0, steps, iterations = 2000) {
  const n = x0.length;
  let P = [x0.slice()];
  for (let i = 0; i < n; i++) { const p = x0.slice(); p[i] += steps[i]; P.push(p); }
  let F = P.map(f);
  for (let k = 0; k < iterations; k++) {
    const order = [...F.keys()].sort((a, b) => F[a] - F[b]);
    P = order.map((i) => P[i]); F = order.map((i) => F[i]);
    const c = new Array(n).fill(0);
    for (let i = 0; i < n; i++) for (let j = 0; j < n; j++) c[j] += P[i][j] / n;
    const along = (t) => c.map((v, j) => v + t * (v - P[n][j]));
    const r = along(1), fr = f(r);
    if (fr < F[0]) {
      const e = along(2), fe = f(e);
      if (fe < fr) { P[n] = e; F[n] = fe; } else { P[n] = r; F[n] = fr; }
    } else if (fr < F[n - 1]) {
      P[n] = r; F[n] = fr;
    } else {
      const ct = along(-0.5), fc = f(ct);
      if (fc < F[n]) { P[n] = ct; F[n] = fc; } else {
        for (let i = 1; i <= n; i++) { P[i] = P[i].map((v, j) => P[0][j] + 0.5 * (v - P[0][j])); F[i] = f(P[i]); }
      }
    }
  }
  const best = F.indexOf(Math.min(...F));
  return { x: P[best], f: F[best] };
}

// Registers the @svg-maps drawing (itself a Mercator map) on lon / mercY by matching its
// vertices to the coastline of a georeferenced Italy: lon = a*x + b, mercY = d - c*y.
// Interior region borders have no counterpart, so distances are capped (robust chamfer).
function fitSvgToMercator(svgRings, geoPolygons) {
  const h = 0.01; // grid step in degrees
  const X0 = 5.5, X1 = 20, Y0 = mercY(34.5), Y1 = mercY(48);
  const W = Math.ceil((X1 - X0) / h), H = Math.ceil((Y1 - Y0) / h);
  const D = new Float32Array(W * H).fill(1e9);
  const mark = (X, Y) => {
    const i = Math.round((X - X0) / h), j = Math.round((Y - Y0) / h);
    if (i >= 0 && j >= 0 && i < W && j < H) D[j * W + i] = 0;
  };
  for (const poly of geoPolygons) for (const ring of poly) {
    for (let k = 0; k + 1 < ring.length; k++) {
      const ax = ring[k][0], ay = mercY(ring[k][1]), bx = ring[k + 1][0], by = mercY(ring[k + 1][1]);
      const n = Math.ceil(Math.hypot(bx - ax, by - ay) / (h / 2)) + 1;
      for (let t = 0; t <= n; t++) mark(ax + ((bx - ax) * t) / n, ay + ((by - ay) * t) / n);
    }
  }
  // Two-pass chamfer distance transform (in grid cells).
  const r2 = Math.SQRT2;
  for (let j = 0; j < H; j++) for (let i = 0; i < W; i++) {
    let v = D[j * W + i];
    if (i > 0) v = Math.min(v, D[j * W + i - 1] + 1);
    if (j > 0) {
      v = Math.min(v, D[(j - 1) * W + i] + 1);
      if (i > 0) v = Math.min(v, D[(j - 1) * W + i - 1] + r2);
      if (i < W - 1) v = Math.min(v, D[(j - 1) * W + i + 1] + r2);
    }
    D[j * W + i] = v;
  }
  for (let j = H - 1; j >= 0; j--) for (let i = W - 1; i >= 0; i--) {
    let v = D[j * W + i];
    if (i < W - 1) v = Math.min(v, D[j * W + i + 1] + 1);
    if (j < H - 1) {
      v = Math.min(v, D[(j + 1) * W + i] + 1);
      if (i < W - 1) v = Math.min(v, D[(j + 1) * W + i + 1] + r2);
      if (i > 0) v = Math.min(v, D[(j + 1) * W + i - 1] + r2);
    }
    D[j * W + i] = v;
  }
  const pts = svgRings.flat();
  const dist = ([a, b, c, d], x, y) => {
    const i = Math.round((a * x + b - X0) / h), j = Math.round((d - c * y - Y0) / h);
    return i >= 0 && j >= 0 && i < W && j < H ? D[j * W + i] * h : 1;
  };
  const cost = (cap) => (q) => pts.reduce((sum, [x, y]) => sum + Math.min(dist(q, x, y), cap), 0) / pts.length;

  // Start from the bounding boxes of both drawings.
  const bb = (list) => list.reduce((m, [x, y]) => [Math.min(m[0], x), Math.min(m[1], y), Math.max(m[2], x), Math.max(m[3], y)], [1e9, 1e9, -1e9, -1e9]);
  const sb = bb(pts);
  const gb = bb(geoPolygons.flat(2).map(([lon, lat]) => [lon, mercY(lat)]));
  const a = (gb[2] - gb[0]) / (sb[2] - sb[0]), c = (gb[3] - gb[1]) / (sb[3] - sb[1]);
  let q = [a, gb[0] - a * sb[0], c, gb[3] + c * sb[1]];
  for (const cap of [0.1, 0.03]) {
    q = nelderMead(cost(cap), q, [a * 0.005, 0.03, c * 0.005, 0.03]).x;
    q = nelderMead(cost(cap), q, [a * 0.001, 0.005, c * 0.001, 0.005]).x;
  }
  // Quality (grid step 0.01 deg): distances of the vertices that lie on the shared coastline (below the cap).
  const onCoast = pts.map(([x, y]) => dist(q, x, y)).filter((v) => v < 0.03).sort((u, v) => u - v);
  return {
    a: q[0], b: q[1], c: q[2], d: q[3],
    coastVertices: onCoast.length, totalVertices: pts.length,
    p95Deg: onCoast[Math.floor(onCoast.length * 0.95)],
    meanDeg: onCoast.reduce((s, v) => s + v, 0) / onCoast.length,
  };
}

module.exports = { DEG, mercY, invMercY, project, fitMercator, parseSvgPath, nelderMead, fitSvgToMercator };
