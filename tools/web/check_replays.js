// SPDX-License-Identifier: GPL-3.0-or-later
// The web check's part for replays: the page offers the last game's replay (kept in the
// browser's storage) as a download, which must hold the stored bytes; a replay dropped onto
// the page plays from the title, and a file that is none is named with its one-line reason.
'use strict';
const fs = require('fs');
const path = require('path');
const {sleep, expect, until, waitForScreen} = require('./check_support.js');

const replaysFolder = '/home/web_user/.local/share/varnoth/replays/';

// The newest replay kept in IndexedDB (the home folder's database) as {name, bytes}, or null.
function storedReplay(page) {
  return page.evaluate((folder) => new Promise((resolve) => {
    const open = indexedDB.open('/home/web_user');
    open.onerror = () => resolve(null);
    open.onsuccess = () => {
      const db = open.result;
      if (!db.objectStoreNames.contains('FILE_DATA')) return resolve(null);
      const store = db.transaction('FILE_DATA', 'readonly').objectStore('FILE_DATA');
      const cursor = store.openCursor();
      let newest = null;
      cursor.onsuccess = () => {
        const c = cursor.result;
        if (!c) {
          return resolve(newest && {name: newest.name, bytes: Array.from(newest.contents)});
        }
        const key = String(c.key), entry = c.value;
        if (key.startsWith(folder) && key.endsWith('.vrp') && entry.contents) {
          const time = new Date(entry.timestamp).getTime();
          if (!newest || time > newest.time) {
            newest = {name: key.slice(folder.length), time: time, contents: entry.contents};
          }
        }
        c.continue();
      };
      cursor.onerror = () => resolve(null);
    };
  }), replaysFolder);
}

// Drops a file of these bytes onto the page as a file manager would.
function dropFile(page, name, bytes) {
  return page.evaluate((name, bytes) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(bytes)], name));
    const at = {bubbles: true, cancelable: true, dataTransfer: transfer};
    const canvas = document.getElementById('canvas');
    canvas.dispatchEvent(new DragEvent('dragenter', at));
    canvas.dispatchEvent(new DragEvent('dragover', at));
    canvas.dispatchEvent(new DragEvent('drop', at));
  }, name, bytes);
}

// The line the page shows about a dropped file, once it matches `pattern` (or '' after `ms`).
async function noticeMatching(page, pattern, ms) {
  const shown = await until(page, (source) => {
    const n = document.getElementById('notice');
    return n.classList.contains('shown') && new RegExp(source).test(n.textContent);
  }, ms, pattern.source);
  return shown ? page.evaluate(() => document.getElementById('notice').textContent) : '';
}

// At the title of a page whose earlier session played a game: download, refusals, a drop.
async function replayRun(page, out) {
  const stored = await storedReplay(page);
  expect(stored !== null && /^varnoth-\d{8}-\d{6}.*\.vrp$/.test(stored.name),
         `the last game's replay is kept in the browser's storage (${stored && stored.name})`);
  if (!stored) return;
  const offered = await until(page, () => document.body.classList.contains('has-replay') &&
                                          getComputedStyle(document.getElementById('replay'))
                                              .display !== 'none', 5000);
  expect(offered, 'the page offers the last game\'s replay for download');

  const downloads = path.join(out, 'downloads');
  fs.mkdirSync(downloads, {recursive: true});
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  await page.mouse.move(20, 20);
  await page.click('#replay');
  let file = null;
  for (let i = 0; i < 50 && !file; i++) {
    await sleep(200);
    file = fs.readdirSync(downloads).find((f) => f.endsWith('.vrp'));
  }
  const got = file ? fs.readFileSync(path.join(downloads, file)) : Buffer.alloc(0);
  expect(file === stored.name && got.equals(Buffer.from(stored.bytes)) &&
         got.subarray(0, 4).toString() === 'VRPL',
         `the download is the last replay, byte for byte (${file}, ${got.length} bytes, ` +
         `stored ${stored.bytes.length})`);

  // Files the game cannot play: named with the reader's own line, and the title stays.
  await dropFile(page, 'holiday photo.vrp', Array.from(Buffer.from('JFIF, not a game')));
  const foreign = await noticeMatching(page, /not a replay/, 10000);
  expect(foreign === 'holiday photo.vrp: not a replay (it does not begin with VRPL)',
         `a dropped file that is no replay is named with its reason ("${foreign}")`);
  await dropFile(page, 'half.vrp', stored.bytes.slice(0, 30));
  const half = await noticeMatching(page, /^half\.vrp/, 10000);
  expect(half === 'half.vrp: cut short', `a dropped replay cut short says so ("${half}")`);
  await page.screenshot({path: path.join(out, '5c-refused-drop.png')});
  expect(await waitForScreen(page, out, 'title', '5d-title-after-refusals', 20000),
         'after the refusals the title shows');

  // The downloaded replay dropped back: without a key pressed, the recorded game plays (its
  // status line, not the attract demo's), and the title comes back after it.
  await dropFile(page, 'from a friend.vrp', Array.from(got));
  expect(await waitForScreen(page, out, 'area', '5e-dropped-replay-plays', 30000),
         'a dropped replay plays the recorded game');
  const refusal = await page.evaluate(() => {
    const n = document.getElementById('notice');
    return n.classList.contains('shown') ? n.textContent : '';
  });
  expect(refusal === '', `the dropped replay is not refused, no line shows ("${refusal}")`);
  expect(await waitForScreen(page, out, 'title', '5f-title-after-dropped-replay', 60000),
         'the title comes back at the end of the dropped replay');
}

module.exports = {replayRun};
