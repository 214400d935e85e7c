// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the web build in headless Chromium through its DevTools protocol: the page from a
// local server, the logo, the title, a one-player game started with the jump key up to the
// first screen of area 1.1, the picture fitted to a laptop's page (1366 x 768) and back, the
// pause kept through a resize, Escape to the closing page state, a reload that must find the
// top score kept in the browser's storage, the last game's replay downloaded and dropped back
// (check_replays.js), full screen from the button and F11, and the touch run (check_touch.js).
// Screenshots go to OUT for a person to look at.
//   usage: node check.js BUILD_WEB_DIR OUT_DIR CHROMIUM
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');
const {serve, sleep, expect, failed, until, look, waitForScreen, litBox} =
    require('./check_support.js');
const {touchRun} = require('./check_touch.js');
const {replayRun} = require('./check_replays.js');

const [site, out, chromium] = process.argv.slice(2);

// A file the page keeps in IndexedDB (each kept folder is a database of its own, keyed by
// the file's path) as an array of bytes, or null when none is stored. `replacement` (bytes)
// replaces a stored file first, as if an earlier session had written it.
function storedFile(page, folder, file, replacement) {
  return page.evaluate((folder, key, replacement) => new Promise((resolve) => {
    const open = indexedDB.open(folder);
    open.onerror = () => resolve(null);
    open.onsuccess = () => {
      const db = open.result;
      if (!db.objectStoreNames.contains('FILE_DATA')) return resolve(null);
      const store = db.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
      const get = store.get(key);
      get.onsuccess = () => {
        const entry = get.result;
        if (!entry || !entry.contents) return resolve(null);
        if (replacement !== null) {
          entry.contents = new Uint8Array(replacement);
          entry.timestamp = new Date();
          store.put(entry, key).onsuccess = () => resolve(replacement);
          return;
        }
        resolve(Array.from(entry.contents));
      };
      get.onerror = () => resolve(null);
    };
  }), folder, folder + '/' + file, replacement === undefined ? null : replacement);
}

// The stored top score: the 4 little-endian bytes of /saved/hiscore.dat. `replacement` (a
// number) replaces it first.
async function storedScore(page, replacement) {
  let bytes;
  if (replacement !== undefined) {
    const b = Buffer.alloc(4);
    b.writeInt32LE(replacement);
    bytes = await storedFile(page, '/saved', 'hiscore.dat', Array.from(b));
  } else {
    bytes = await storedFile(page, '/saved', 'hiscore.dat');
  }
  return bytes && bytes.length >= 4 ? Buffer.from(bytes).readInt32LE(0) : null;
}

// The settings file, kept in the home folder as on the desktop.
const settingsFolder = '/home/web_user', settingsFile = '.config/varnoth/varnoth.ini';

async function pressKey(page, code, ms) {
  await page.keyboard.down(code);
  await sleep(ms);
  await page.keyboard.up(code);
}

async function main() {
  fs.mkdirSync(out, {recursive: true});
  const server = await serve(site);
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
    expect(await waitForScreen(page, out, 'logo', '1-logo', 30000), 'the logo shows');
    // The title follows the logo by itself.
    expect(await waitForScreen(page, out, 'title', '2-title', 60000), 'the title and its menu show');
    expect(await storedScore(page) === null, 'a fresh browser has no stored top score');

    // The jump key (left Control) starts the menu's first entry, a one-player game.
    await pressKey(page, 'ControlLeft', 150);
    expect(await waitForScreen(page, out, 'area', '3-area-1.1', 60000),
           'the jump key starts a game: the first screen of 1.1 shows');
    // A laptop's page: the picture is the largest 4:3 rectangle, 1024 x 768 in the middle of
    // 1366 x 768, not 640 x 480 with black around it.
    await page.setViewport({width: 1366, height: 768});
    await sleep(1500);
    const wide = path.join(out, '3a-area-1366x768.png');
    await page.screenshot({path: wide});
    const box = await litBox(page, wide);
    expect(Math.abs(box.width - 1024) <= 2 && Math.abs(box.height - 768) <= 2 &&
           Math.abs(box.x - 171) <= 2,
           `a 1366 x 768 page shows the picture fitted, 1024 x 768 (${JSON.stringify(box)})`);

    // The game drops keys pressed while a screen fades in, as on the desktop (the first
    // screen of 1.1 is already visible then): a key is pressed again until it counts.
    await sleep(1000);
    let paused = false;
    for (let i = 0; i < 10 && !paused; i++) {
      await pressKey(page, 'Space', 100);
      paused = await waitForScreen(page, out, 'paused', '3b-paused', 2000);
    }
    expect(paused, 'Space pauses the game');
    // A page resized during the pause shows the paused picture again at its new size.
    await page.setViewport({width: 660, height: 500});
    await sleep(1500);
    expect(await waitForScreen(page, out, 'paused', '3c-paused-resized', 3000),
           'the pause still shows after the page is resized');
    let thanks = false;
    let presses = 0;
    while (!thanks && presses < 10) {
      await pressKey(page, 'Escape', 100);
      presses++;
      thanks = await until(page, () => document.body.classList.contains('message') &&
                                       /Thanks for playing/.test(document.body.innerText),
                           3000);
    }
    expect(thanks, `Escape ends the game on "Thanks for playing" (presses: ${presses})`);
    await page.screenshot({path: path.join(out, '4-thanks.png')});
    await sleep(1500);
    const saved = await storedScore(page);
    expect(saved !== null, `the top score is stored in IndexedDB (${saved})`);

    // The settings file the game writes on leaving is kept too.
    const settings = await storedFile(page, settingsFolder, settingsFile);
    const text = settings ? Buffer.from(settings).toString('utf8') : '';
    expect(/^scale = fit$/m.test(text), 'the settings file is stored in IndexedDB');

    // As if an earlier session had scored 4321 and chosen whole factors: the game must read
    // both back from storage.
    await storedScore(page, 4321);
    await storedFile(page, settingsFolder, settingsFile,
                     Array.from(Buffer.from(text.replace(/^scale = fit$/m, 'scale = integer'))));
    await page.reload();
    await until(page, () => window.Module && Module.calledRun, 60000);
    expect(await waitForScreen(page, out, 'title', '5-title-after-reload', 90000),
           'after a reload the title shows again');
    // The first session's game was recorded: its replay downloaded, and dropped back.
    await replayRun(page, out);
    await page.setViewport({width: 1366, height: 768});
    await sleep(1500);
    const whole = path.join(out, '5b-title-integer-1366x768.png');
    await page.screenshot({path: whole});
    const wholeBox = await litBox(page, whole);
    expect(wholeBox.width <= 642 && wholeBox.height <= 482 && wholeBox.width > 560,
           `after a reload the stored "scale = integer" keeps the picture at 640 x 480 on a ` +
           `1366 x 768 page (${JSON.stringify(wholeBox)})`);
    await page.setViewport({width: 660, height: 500});
    // Full screen takes the whole page: the button, then F11 to leave and F11 again.
    const fullscreen = () => page.evaluate(() => document.fullscreenElement === document.documentElement);
    await page.mouse.move(600, 40);
    await page.click('#fullscreen');
    const fsButton = await until(page, () => document.fullscreenElement !== null, 3000);
    await pressKey(page, 'F11', 80);
    const fsLeft = await until(page, () => document.fullscreenElement === null, 3000);
    await pressKey(page, 'F11', 80);
    const fsAgain = await until(page, () => document.fullscreenElement !== null, 3000);
    expect(fsButton && fsLeft && fsAgain && await fullscreen(),
           `full screen: the button enters (${fsButton}), F11 leaves (${fsLeft}) and enters ` +
           `again (${fsAgain})`);
    // (The title may have gone on to its attract demo by now.)
    const fullLook = await look(page, out, '5a-full-screen');
    expect(fullLook.lit > 0.05, 'the picture shows in full screen');
    for (let i = 0; i < 10; i++) {
      await pressKey(page, 'Escape', 100);
      if (await until(page, () => document.body.className === 'message', 3000)) break;
    }
    await sleep(1500);
    expect(await storedScore(page) === 4321,
           'after a reload the game has the stored top score (it writes 4321 back on leaving)');
    const after = await storedFile(page, settingsFolder, settingsFile);
    expect(after && /^scale = integer$/m.test(Buffer.from(after).toString('utf8')),
           'the stored settings keep the player\'s choice after the game writes them again');
    const errors = log.filter((l) => /error|abort|exception/i.test(l));
    expect(errors.length === 0, 'no errors in the page\'s console' +
                                (errors.length ? ': ' + errors.join(' | ') : ''));
    const touchLog = await touchRun(browser, url, out);
    fs.writeFileSync(path.join(out, 'console.txt'), log.concat(touchLog).join('\n') + '\n');
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
  console.log(failed() ? `web check: ${failed()} failed` : 'web check: all passed');
  process.exit(failed() ? 1 : 0);
}

main().catch((e) => {
  console.error('web check: ' + (e.stack || e));
  process.exit(1);
});
