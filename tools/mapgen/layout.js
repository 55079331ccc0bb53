'use strict';
// Where the program reads box and dot centres on regions_index.png, and what counts as a hit.

const TWIPS_PER_PIXEL = 15;
const BOX = { w: 375, h: 285 };
const DOT = { w: 135, h: 135 };
const BOX_BOUNDS = { left: [480, 8040], top: [600, 9720] };
const DOT_BOUNDS = { left: [240, 4080], top: [240, 4800] };
// Where a box's code is drawn, in pixels: a 19 x 11 block centred in the 25 x 19 box, a little
// larger than two capitals in Arial 8.25 pt, so that a wider stand-in font is read safely too.
const TEXT = { x: 3, y: 4, w: 19, h: 11 };
const MAX_TEXT_COVER = 0.15;

function regionColour(r) {
  return [r * 12, 255 - r * 12, 100];
}

// A reader may truncate or round the half-pixel centre, so every variant must hit.
function boxCentrePixels([left, top]) {
  const cx = (left + BOX.w / 2) / TWIPS_PER_PIXEL, cy = (top + BOX.h / 2) / TWIPS_PER_PIXEL;
  const xs = [...new Set([Math.floor(cx), Math.round(cx)])];
  const ys = [...new Set([Math.floor(cy), Math.round(cy)])];
  return xs.flatMap((x) => ys.map((y) => [x, y]));
}

// Dot centre on the mini map, doubled onto the full-size frame (rounded before or after).
function dotCentrePixels([left, top]) {
  const vx = (left + DOT.w / 2) / TWIPS_PER_PIXEL, vy = (top + DOT.h / 2) / TWIPS_PER_PIXEL;
  const variants = (v) => [...new Set([Math.floor(2 * v), Math.round(2 * v), 2 * Math.floor(v), 2 * Math.round(v)])];
  return variants(vx).flatMap((x) => variants(vy).map((y) => [x, y]));
}

function boxRectPixels([left, top]) {
  const x0 = left / TWIPS_PER_PIXEL, y0 = top / TWIPS_PER_PIXEL;
  const out = [];
  for (let y = Math.floor(y0); y < Math.ceil(y0 + BOX.h / TWIPS_PER_PIXEL); y++)
    for (let x = Math.floor(x0); x < Math.ceil(x0 + BOX.w / TWIPS_PER_PIXEL); x++) out.push([x, y]);
  return out;
}

// img: { width, height, rgba }
function regionAt(img, x, y) {
  if (x < 0 || y < 0 || x >= img.width || y >= img.height) return 0;
  const i = (y * img.width + x) * 4;
  const [R, G, B] = [img.rgba[i], img.rgba[i + 1], img.rgba[i + 2]];
  if (B !== 100 || R % 12 !== 0 || R + G !== 255) return 0;
  const r = R / 12;
  return r >= 1 && r <= 20 ? r : 0;
}

function inBounds([left, top], bounds) {
  return left >= bounds.left[0] && left <= bounds.left[1] && top >= bounds.top[0] && top <= bounds.top[1];
}

const boxHits = (img, pos, region) => boxCentrePixels(pos).every(([x, y]) => regionAt(img, x, y) === region);
const dotHits = (img, pos, region) => dotCentrePixels(pos).every(([x, y]) => regionAt(img, x, y) === region);
const boxOverlaps = (img, pos, region) => boxRectPixels(pos).some(([x, y]) => regionAt(img, x, y) === region);

// Share of box i's code text that the other boxes cover, whatever their painting order.
// boxes: [left, top] in twips; positions are whole pixels.
function textCover(boxes, i) {
  const px = (b) => [b[0] / TWIPS_PER_PIXEL, b[1] / TWIPS_PER_PIXEL];
  const [bx, by] = px(boxes[i]);
  const tx = bx + TEXT.x, ty = by + TEXT.y;
  const others = boxes.map(px).filter((b, j) => j !== i && b[0] < tx + TEXT.w && b[0] + BOX.w / TWIPS_PER_PIXEL > tx &&
    b[1] < ty + TEXT.h && b[1] + BOX.h / TWIPS_PER_PIXEL > ty);
  if (!others.length) return 0;
  let covered = 0;
  for (let y = ty; y < ty + TEXT.h; y++)
    for (let x = tx; x < tx + TEXT.w; x++)
      if (others.some(([ox, oy]) => x >= ox && x < ox + BOX.w / TWIPS_PER_PIXEL && y >= oy && y < oy + BOX.h / TWIPS_PER_PIXEL)) covered++;
  return covered / (TEXT.w * TEXT.h);
}

module.exports = {
  TEXT, MAX_TEXT_COVER, textCover,
  TWIPS_PER_PIXEL, BOX, DOT, BOX_BOUNDS, DOT_BOUNDS, regionColour,
  boxCentrePixels, dotCentrePixels, boxRectPixels, regionAt, inBounds, boxHits, dotHits, boxOverlaps,
};
