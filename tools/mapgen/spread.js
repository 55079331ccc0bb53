'use strict';
// Moves province boxes apart so that no box hides another's code, each staying on its region.
const L = require('./layout');

// Whole-pixel offsets within `radius`, nearest first, in a fixed order.
function offsetsByDistance(radius) {
  const out = [];
  for (let dy = -radius; dy <= radius; dy++)
    for (let dx = -radius; dx <= radius; dx++) if (dx * dx + dy * dy <= radius * radius) out.push([dx, dy]);
  return out.sort((u, v) => Math.hypot(...u) - Math.hypot(...v) || u[1] - v[1] || u[0] - v[0]);
}

// ideal: [left, top] per box (twips); fixed: which boxes may not move; ok(i, pos): may box i stand
// there. Boxes are placed one by one, fixed ones first, each at the nearest allowed spot where
// neither its code nor an already placed one is covered beyond `limit`.
function spreadBoxes(ideal, fixed, ok, { limit, radius = 40, order }) {
  const placed = [];
  const cover = (i) => L.textCover(placed.map((p) => p.pos), placed.findIndex((p) => p.i === i));
  const fits = (i, pos) => {
    placed.push({ i, pos });
    const good = placed.every((p) => cover(p.i) <= limit);
    placed.pop();
    return good;
  };
  const offsets = offsetsByDistance(radius);
  for (let i = 0; i < ideal.length; i++) if (fixed[i]) placed.push({ i, pos: ideal[i] });
  for (const i of order.filter((n) => !fixed[n])) {
    const off = offsets.find(([dx, dy]) => {
      const pos = [ideal[i][0] + dx * L.TWIPS_PER_PIXEL, ideal[i][1] + dy * L.TWIPS_PER_PIXEL];
      return ok(i, pos) && fits(i, pos);
    });
    if (!off) throw new Error(`no free place for box ${i + 1} within ${radius} px`);
    placed.push({ i, pos: [ideal[i][0] + off[0] * 15, ideal[i][1] + off[1] * 15] });
  }
  const out = [];
  for (const p of placed) out[p.i] = p.pos;
  return out;
}

module.exports = { spreadBoxes, offsetsByDistance };
