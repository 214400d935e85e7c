// SPDX-License-Identifier: GPL-3.0-or-later
// What the web check's runs share: the local server for the page, the record of passed and
// failed checks, and the looks at the picture (screenshots of the part of the page the game
// draws its 640 x 480 picture in, measured by the page itself on a scratch canvas).
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.data': 'application/octet-stream', '.ttf': 'font/ttf', '.txt': 'text/plain'};

function serve(site) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(site, name === '/' ? 'index.html' : path.normalize(name));
    if (!file.startsWith(path.resolve(site)) || !fs.existsSync(file) ||
        !fs.statSync(file).isFile()) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let failures = 0;
function expect(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok) failures++;
  return ok;
}
const failed = () => failures;

// Waits until `test` holds in the page, up to `ms`.
async function until(page, test, ms, ...args) {
  try {
    await page.waitForFunction(test, {timeout: ms, polling: 200}, ...args);
    return true;
  } catch (e) {
    return false;
  }
}

const dataUrl = (file) => 'data:image/png;base64,' + fs.readFileSync(file).toString('base64');

// Where the game puts its picture in the canvas, in the page's pixels: the largest 4:3
// rectangle, centred, as the game's `fit` places it.
function pictureRect(page) {
  return page.evaluate(() => {
    const c = document.getElementById('canvas').getBoundingClientRect();
    const ww = Math.round(c.width), wh = Math.round(c.height);
    const w = ww * 3 >= wh * 4 ? Math.floor(wh * 4 / 3) : ww;
    const h = ww * 3 >= wh * 4 ? wh : Math.floor(ww * 3 / 4);
    return {x: c.left + Math.floor((ww - w) / 2), y: c.top + Math.floor((wh - h) / 2),
            width: w, height: h};
  });
}

// The screenshot of the picture alone, kept as OUT/NAME.png.
async function shootPicture(page, out, name) {
  const file = path.join(out, name + '.png');
  await page.screenshot({path: file, clip: await pictureRect(page)});
  return file;
}

// What the picture shows, by counting pixels of a colour in places that tell the screens
// apart (coordinates of the 640 x 480 picture, whatever size it is shown at).
const probes = {
  lit: {rect: [0, 0, 640, 480], colour: 'lit'},
  // The logo: the orange company name on black.
  logoName: {rect: [200, 250, 440, 285], colour: 'orange'},
  // The title's menu: "Start 1 player game" in yellow.
  menu: {rect: [235, 278, 405, 298], colour: 'yellow'},
  // A game's status line has "Magic:" at the right, where the title and its demo have "2up:".
  magic: {rect: [478, 4, 496, 24], colour: 'cyan'},
  // "Demo - press jump to exit" in red.
  demo: {rect: [175, 288, 400, 308], colour: 'red'},
  // "** Paused **" in green.
  paused: {rect: [255, 200, 395, 222], colour: 'green'},
};

// Measures screenshots in the page, which decodes them: `kind` names the measure (below),
// `shots` the screenshots (file names, or {png: base64 PNG of the whole page, clip: the
// picture's rectangle in it, view: the page's width}), each read at its own size (`native`) or
// as the picture's 640 x 480.
function measure(page, kind, shots, native, extra) {
  const sources = shots.map((s) => typeof s === 'string' ? {url: dataUrl(s)}
      : {url: 'data:image/png;base64,' + s.png, clip: s.clip, view: s.view});
  return page.evaluate(async (kind, sources, native, extra) => {
    const images = [];
    for (const source of sources) {
      const img = new Image();
      img.src = source.url;
      await img.decode();
      const c = document.createElement('canvas');
      c.width = native ? img.width : 640;
      c.height = native ? img.height : 480;
      const g = c.getContext('2d');
      if (source.clip) {
        const k = img.width / source.view, r = source.clip;
        g.drawImage(img, r.x * k, r.y * k, r.width * k, r.height * k, 0, 0, c.width, c.height);
      } else {
        g.drawImage(img, 0, 0, c.width, c.height);
      }
      images.push({w: c.width, h: c.height, px: g.getImageData(0, 0, c.width, c.height).data});
    }
    const {w, h, px} = images[0];

    if (kind === 'probes') {
      const is = {
        lit: (r, g, b) => r + g + b > 60,
        orange: (r, g, b) => r > 180 && g > 60 && g < 200 && b < 90,
        yellow: (r, g, b) => r > 200 && g > 200 && b < 120,
        cyan: (r, g, b) => r < 120 && g > 180 && b > 180,
        red: (r, g, b) => r > 180 && g < 80 && b < 80,
        green: (r, g, b) => r < 100 && g > 180 && b < 100,
      };
      const result = {};
      for (const [key, probe] of Object.entries(extra)) {
        const [x0, y0, x1, y1] = probe.rect;
        let n = 0;
        for (let y = y0; y < y1; y++)
          for (let x = x0; x < x1; x++) {
            const i = (y * w + x) * 4;
            if (is[probe.colour](px[i], px[i + 1], px[i + 2])) n++;
          }
        result[key] = n / ((x1 - x0) * (y1 - y0));
      }
      return result;
    }

    if (kind === 'lit box') {
      let x0 = w, y0 = h, x1 = -1, y1 = -1;
      for (let y = 0; y < h; y++)
        for (let x = 0; x < w; x++) {
          const i = (y * w + x) * 4;
          if (px[i] + px[i + 1] + px[i + 2] > 24) {
            x0 = Math.min(x0, x), x1 = Math.max(x1, x);
            y0 = Math.min(y0, y), y1 = Math.max(y1, y);
          }
        }
      return {x: x0, y: y0, width: x1 - x0 + 1, height: y1 - y0 + 1};
    }

    // 'scroll': grey levels of both pictures, compared under each shift.
    const grey = (p) => {
      const v = new Float32Array(640 * 480);
      for (let i = 0; i < v.length; i++) v[i] = (p[4 * i] + p[4 * i + 1] + p[4 * i + 2]) / 3;
      return v;
    };
    const A = grey(images[0].px), B = grey(images[1].px);
    const error = (dx) => {
      let sum = 0, n = 0;
      for (let y = 64; y < 440; y += 3)
        for (let x = 0; x + dx < 640; x += 2) {
          sum += Math.abs(B[y * 640 + x] - A[y * 640 + x + dx]);
          n++;
        }
      return sum / n;
    };
    let best = 0, bestError = error(0);
    for (let dx = 1; dx <= 320; dx++) {
      const e = error(dx);
      if (e < bestError) best = dx, bestError = e;
    }
    return {shift: best, error: +bestError.toFixed(2), still: +error(0).toFixed(2)};
  }, kind, sources, native, extra || null);
}

async function look(page, out, name) {
  return measure(page, 'probes', [await shootPicture(page, out, name)], false, probes);
}

const screens = {
  logo: (c) => c.logoName > 0.1 && c.lit < 0.3,
  title: (c) => c.menu > 0.1,
  area: (c) => c.magic > 0.05 && c.demo < 0.01 && c.lit > 0.5,
  paused: (c) => c.paused > 0.05,
};
const roundAll = (c) => Object.fromEntries(Object.entries(c).map(([k, v]) => [k, +v.toFixed(3)]));

// Looks at the picture every half second until it shows `screen`, up to `ms`; the last look is
// kept as NAME.png.
async function waitForScreen(page, out, screen, name, ms) {
  const end = Date.now() + ms;
  let c;
  do {
    c = await look(page, out, name);
    if (screens[screen](c)) {
      console.log(`      ${name}.png: ${JSON.stringify(roundAll(c))}`);
      return true;
    }
    await sleep(500);
  } while (Date.now() < end);
  console.log(`      ${name}.png (last look): ${JSON.stringify(roundAll(c))}`);
  return false;
}

// The smallest rectangle holding every pixel of a screenshot that is not black.
const litBox = (page, file) => measure(page, 'lit box', [file], true);

// How far the world scrolled from picture A to picture B (screenshots as for measure): the shift to the left (0..320
// pixels of the 640 x 480 picture) under which B's play field (below the status line) best
// matches A's, and how well: `error` at that shift and `still` with none, the mean difference
// of grey levels (0..255).
const scrollBetween = (page, a, b) => measure(page, 'scroll', [a, b], false);

module.exports = {serve, sleep, expect, failed, until, pictureRect, shootPicture, look,
                  waitForScreen, litBox, scrollBetween};
