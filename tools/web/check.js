// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the web build in headless Chromium through its DevTools protocol: the page from a
// local server, the logo, the title, a one-player game started with the jump key up to the
// first screen of area 1.1, Escape to the closing page state, and a reload that must find the
// top score kept in the browser's storage. Screenshots go to OUT for a person to look at.
//   usage: node check.js BUILD_WEB_DIR OUT_DIR CHROMIUM
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [site, out, chromium] = process.argv.slice(2);
const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.data': 'application/octet-stream'};

function serve() {
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
}

// What the canvas shows, by counting pixels of a colour in places that tell the screens apart
// (coordinates of the 640 x 480 picture; the page shows it at its own size here).
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
};

async function look(page, name) {
  const file = path.join(out, name + '.png');
  const canvas = await page.$('#canvas');
  await canvas.screenshot({path: file});
  const counts = await page.evaluate(async (url, probes) => {
    const img = new Image();
    img.src = url;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width;
    c.height = img.height;
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    const px = g.getImageData(0, 0, c.width, c.height).data;
    const is = {
      lit: (r, g, b) => r + g + b > 60,
      orange: (r, g, b) => r > 180 && g > 60 && g < 200 && b < 90,
      yellow: (r, g, b) => r > 200 && g > 200 && b < 120,
      cyan: (r, g, b) => r < 120 && g > 180 && b > 180,
      red: (r, g, b) => r > 180 && g < 80 && b < 80,
    };
    const result = {};
    for (const [key, probe] of Object.entries(probes)) {
      const [x0, y0, x1, y1] = probe.rect;
      let n = 0;
      for (let y = y0; y < Math.min(y1, c.height); y++)
        for (let x = x0; x < Math.min(x1, c.width); x++) {
          const i = (y * c.width + x) * 4;
          if (is[probe.colour](px[i], px[i + 1], px[i + 2])) n++;
        }
      result[key] = n / ((x1 - x0) * (y1 - y0));
    }
    return result;
  }, 'data:image/png;base64,' + fs.readFileSync(file).toString('base64'), probes);
  return counts;
}

const screens = {
  logo: (c) => c.logoName > 0.1 && c.lit < 0.3,
  title: (c) => c.menu > 0.1,
  area: (c) => c.magic > 0.05 && c.demo < 0.01 && c.lit > 0.5,
};

// Looks at the canvas every half second until it shows `screen`, up to `ms`; the last look is
// kept as NAME.png.
async function waitForScreen(page, screen, name, ms) {
  const end = Date.now() + ms;
  let c;
  do {
    c = await look(page, name);
    if (screens[screen](c)) {
      console.log(`      ${name}.png: ${JSON.stringify(roundAll(c))}`);
      return true;
    }
    await sleep(500);
  } while (Date.now() < end);
  console.log(`      ${name}.png (last look): ${JSON.stringify(roundAll(c))}`);
  return false;
}
const roundAll = (c) => Object.fromEntries(Object.entries(c).map(([k, v]) => [k, +v.toFixed(3)]));

// Waits until `test` holds in the page, up to `ms`.
async function until(page, test, ms) {
  try {
    await page.waitForFunction(test, {timeout: ms, polling: 200});
    return true;
  } catch (e) {
    return false;
  }
}

// The stored top score: the 4 little-endian bytes in IndexedDB, or null when none is stored.
// `replacement` (a number) replaces it first, as if an earlier session had reached it.
function storedScore(page, replacement) {
  return page.evaluate((replacement) => new Promise((resolve) => {
    const open = indexedDB.open('/saved');
    open.onerror = () => resolve(null);
    open.onsuccess = () => {
      const db = open.result;
      if (!db.objectStoreNames.contains('FILE_DATA')) return resolve(null);
      const store = db.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
      const get = store.get('/saved/hiscore.dat');
      get.onsuccess = () => {
        const entry = get.result;
        if (!entry || entry.contents.length < 4) return resolve(null);
        if (replacement !== null) {
          const b = new Uint8Array(4);
          new DataView(b.buffer).setInt32(0, replacement, true);
          entry.contents = b;
          entry.timestamp = new Date();
          store.put(entry, '/saved/hiscore.dat').onsuccess = () => resolve(replacement);
          return;
        }
        const c = entry.contents;
        resolve(new DataView(c.buffer, c.byteOffset, 4).getInt32(0, true));
      };
      get.onerror = () => resolve(null);
    };
  }), replacement === undefined ? null : replacement);
}

async function pressKey(page, code, ms) {
  await page.keyboard.down(code);
  await sleep(ms);
  await page.keyboard.up(code);
}

async function main() {
  fs.mkdirSync(out, {recursive: true});
  const server = await serve();
  const url = `http://127.0.0.1:${server.address().port}/`;
  const profile = fs.mkdtempSync(path.join(require('os').tmpdir(), 'varnoth-web-check-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--use-gl=angle', '--use-angle=swiftshader',
           '--enable-unsafe-swiftshader', '--autoplay-policy=no-user-gesture-required',
           '--window-size=700,560'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 660, height: 500});
    const log = [];
    page.on('console', (m) => log.push(m.text()));
    page.on('pageerror', (e) => log.push('page error: ' + e.message));

    await page.goto(url);
    const running = await until(page, () => window.Module && Module.calledRun, 60000);
    expect(running, 'the program starts in the page');
    expect(await waitForScreen(page, 'logo', '1-logo', 30000), 'the logo shows');
    // The title follows the logo by itself.
    expect(await waitForScreen(page, 'title', '2-title', 60000), 'the title and its menu show');
    expect(await storedScore(page) === null, 'a fresh browser has no stored top score');

    // The jump key (left Control) starts the menu's first entry, a one-player game.
    await pressKey(page, 'ControlLeft', 150);
    expect(await waitForScreen(page, 'area', '3-area-1.1', 60000),
           'the jump key starts a game: the first screen of 1.1 shows');
    // The game drops keys pressed while a screen fades in, as on the desktop (the first
    // screen of 1.1 is already visible then): Escape is pressed again until it counts.
    await sleep(1000);
    let thanks = false;
    let presses = 0;
    while (!thanks && presses < 10) {
      await pressKey(page, 'Escape', 100);
      presses++;
      thanks = await until(page, () => document.body.className === 'message' &&
                                       /Thanks for playing/.test(document.body.innerText),
                           3000);
    }
    expect(thanks, `Escape ends the game on "Thanks for playing" (presses: ${presses})`);
    await page.screenshot({path: path.join(out, '4-thanks.png')});
    await sleep(1500);
    const saved = await storedScore(page);
    expect(saved !== null, `the top score is stored in IndexedDB (${saved})`);

    // As if an earlier session had scored 4321: the game must read it back from storage.
    await storedScore(page, 4321);
    await page.reload();
    await until(page, () => window.Module && Module.calledRun, 60000);
    expect(await waitForScreen(page, 'title', '5-title-after-reload', 90000),
           'after a reload the title shows again');
    for (let i = 0; i < 10; i++) {
      await pressKey(page, 'Escape', 100);
      if (await until(page, () => document.body.className === 'message', 3000)) break;
    }
    await sleep(1500);
    expect(await storedScore(page) === 4321,
           'after a reload the game has the stored top score (it writes 4321 back on leaving)');
    const errors = log.filter((l) => /error|abort|exception/i.test(l));
    expect(errors.length === 0, 'no errors in the page\'s console' +
                                (errors.length ? ': ' + errors.join(' | ') : ''));
    fs.writeFileSync(path.join(out, 'console.txt'), log.join('\n') + '\n');
  } finally {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }

  // A browser without WebGL 2 gets one clear message instead of the game.
  const plain = await puppeteer.launch({executablePath: chromium, headless: true,
                                        args: ['--no-sandbox', '--disable-webgl2']});
  try {
    const page = await plain.newPage();
    await page.goto(url);
    const said = await until(page, () => /WebGL 2/.test(document.body.innerText), 20000);
    expect(said, 'without WebGL 2 the page says so');
    await page.screenshot({path: path.join(out, '6-no-webgl2.png')});
  } finally {
    await plain.close();
    server.close();
  }
  console.log(failures ? `web check: ${failures} failed` : 'web check: all passed');
  process.exit(failures ? 1 : 0);
}

main().catch((e) => {
  console.error('web check: ' + (e.stack || e));
  process.exit(1);
});
