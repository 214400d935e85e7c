// SPDX-License-Identifier: GPL-3.0-or-later
// The web check's touch run: a phone held sideways (844 x 390, touch emulated), its buttons
// beside the picture; a game started by a tap on the picture's menu; the hero run to the right
// by one finger on the right button while a second finger jumps, the world scrolling after
// him; then the phone held upright (390 x 844), the buttons below the picture, and the pause
// button pausing the game and a second tap resuming it.
'use strict';
const fs = require('fs');
const path = require('path');
const {sleep, expect, until, pictureRect, shootPicture, look, waitForScreen,
       scrollBetween} = require('./check_support.js');

const buttons = ['left', 'right', 'turbo', 'jump', 'pause', 'options'];

// Fingers on the emulated touch screen; each event names the fingers it changes.
function fingers(cdp) {
  return {
    down: (id, p) => cdp.send('Input.dispatchTouchEvent',
                              {type: 'touchStart', touchPoints: [{x: p.x, y: p.y, id}]}),
    up: (id, p) => cdp.send('Input.dispatchTouchEvent',
                            {type: 'touchEnd', touchPoints: [{x: p.x, y: p.y, id}]}),
    async tap(id, p, ms) {
      await this.down(id, p);
      await sleep(ms || 120);
      await this.up(id, p);
    },
  };
}

// The buttons' rectangles, whether all of them show, and whether any covers the picture.
async function layoutOf(page) {
  const picture = await pictureRect(page);
  const boxes = await page.evaluate((ids) => ids.map((id) => {
    const e = document.getElementById(id);
    const r = e.getBoundingClientRect();
    return {id, x: r.left, y: r.top, width: r.width, height: r.height,
            shown: getComputedStyle(e).display !== 'none' && r.width > 0};
  }), buttons);
  const view = page.viewport();
  const overlaps = (b) => b.x < picture.x + picture.width && picture.x < b.x + b.width &&
                          b.y < picture.y + picture.height && picture.y < b.y + b.height;
  const inside = (b) => b.x >= 0 && b.y >= 0 && b.x + b.width <= view.width + 0.5 &&
                        b.y + b.height <= view.height + 0.5;
  return {picture, boxes, allShown: boxes.every((b) => b.shown),
          covering: boxes.filter(overlaps).map((b) => b.id),
          outside: boxes.filter((b) => !inside(b)).map((b) => b.id)};
}

const centre = (b) => ({x: b.x + b.width / 2, y: b.y + b.height / 2});
const boxOf = (layout, id) => layout.boxes.find((b) => b.id === id);

async function touchRun(browser, url, out) {
  const page = await browser.newPage();
  const log = [];
  page.on('console', (m) => log.push(m.text()));
  page.on('pageerror', (e) => log.push('page error: ' + e.message));
  await page.setViewport({width: 844, height: 390, hasTouch: true, isMobile: true});
  await page.goto(url);
  expect(await until(page, () => window.Module && Module.calledRun, 60000),
         'touch: the program starts in a phone-sized page');
  const cdp = await page.createCDPSession();
  const finger = fingers(cdp);

  let layout = await layoutOf(page);
  expect(layout.allShown, 'touch: on a touch screen the six buttons show');
  expect(layout.covering.length === 0 && layout.outside.length === 0,
         `touch: held sideways the buttons lie beside the picture ` +
         `(${JSON.stringify(layout.picture)}; covering: ${layout.covering}; ` +
         `off the page: ${layout.outside})`);
  expect(layout.picture.height === 390, 'touch: the picture keeps the page\'s full height');

  expect(await waitForScreen(page, out, 'title', '7-touch-title', 90000),
         'touch: the title shows');
  await page.screenshot({path: path.join(out, '7-touch-page.png')});
  // A tap on the picture is the mouse: the menu's top band is its first entry. A tap that
  // lands in the attract demo ends the demo instead, so the taps go on until the game starts.
  const entry = {x: layout.picture.x + layout.picture.width / 2,
                 y: layout.picture.y + layout.picture.height * 0.2};
  let started = false, taps = 0;
  while (!started && taps < 6) {
    await finger.tap(1, entry);
    taps++;
    started = await waitForScreen(page, out, 'area', '8-touch-area-1.1', 6000);
  }
  expect(started, `touch: a tap on the menu starts a game (taps: ${taps})`);

  // The hero drops in and lands; standing, he scrolls nothing.
  await sleep(2500);
  const still0 = await shootPicture(page, out, '8a-touch-standing');
  await sleep(1000);
  const still1 = await shootPicture(page, out, '8b-touch-standing');
  const standing = await scrollBetween(page, still0, still1);
  expect(standing.shift === 0, `touch: without a finger the world stays (${JSON.stringify(standing)})`);

  // One finger holds "right"; a second one jumps and lifts again; the first keeps running the
  // hero until the world scrolls after him, and on. The page is filmed meanwhile (a screenshot
  // takes too long to catch the scroll before the hero meets the monsters further on); two
  // frames filmed after the second finger lifted, the world scrolled between them, show the
  // first finger still running him.
  const right = centre(boxOf(layout, 'right')), jump = centre(boxOf(layout, 'jump'));
  const film = [];
  cdp.on('Page.screencastFrame', (f) => {
    film.push(f.data);
    cdp.send('Page.screencastFrameAck', {sessionId: f.sessionId}).catch(() => {});
  });
  await cdp.send('Page.startScreencast', {format: 'png'});
  await finger.down(1, right);
  await sleep(400);
  await finger.down(2, jump);
  await sleep(300);
  const bothHeld = await page.evaluate(() => ['right', 'jump'].every(
      (id) => document.getElementById(id).classList.contains('held')));
  const lift = film.length;
  await finger.up(2, jump);
  await sleep(4500);
  await finger.up(1, right);
  await cdp.send('Page.stopScreencast');
  expect(bothHeld, 'touch: two fingers hold "right" and "jump" at once');
  if (lift > 0) {
    fs.writeFileSync(path.join(out, '9-touch-run-filmed.png'),
                     Buffer.from(film[lift - 1], 'base64'));
  }
  const view = page.viewport().width;
  const frame = (i) => ({png: film[i], clip: layout.picture, view});
  // The browser films as fast as it can draw: on a quiet machine two frames filmed in a row
  // are one frame of the game apart, a scroll of a few pixels. The frames compared are about a
  // twelfth of a second apart whatever the pace (the film lasts some five seconds).
  const gap = Math.max(1, Math.round(film.length / 60));
  let scrolled = null;
  for (let i = lift + 1 + gap; i < film.length && !scrolled; i++) {
    const s = await scrollBetween(page, frame(i - gap), frame(i));
    if (s.shift > 8 && s.error < s.still * 0.7) {
      scrolled = Object.assign({frames: [i - gap, i]}, s);
      fs.writeFileSync(path.join(out, '9a-touch-running.png'), Buffer.from(film[i], 'base64'));
    }
  }
  expect(scrolled !== null, `touch: the hero runs to the right, the world scrolling after him, ` +
                            `while the first finger holds on (${film.length} frames filmed, the ` +
                            `second finger lifted at frame ${lift}; ${JSON.stringify(scrolled)})`);
  const lifted = await page.evaluate(() => document.querySelectorAll('.held').length === 0);
  expect(lifted, 'touch: lifted fingers hold no button');

  // Upright: the buttons go below the picture, which keeps the page's full width.
  await page.setViewport({width: 390, height: 844, hasTouch: true, isMobile: true});
  await sleep(1500);
  layout = await layoutOf(page);
  await page.screenshot({path: path.join(out, '10-touch-upright.png')});
  expect(layout.covering.length === 0 && layout.outside.length === 0 &&
         layout.picture.width === 390 &&
         layout.boxes.every((b) => b.y >= layout.picture.y + layout.picture.height),
         `touch: held upright the buttons lie below the full-width picture ` +
         `(${JSON.stringify(layout.picture)}; covering: ${layout.covering}; ` +
         `off the page: ${layout.outside})`);
  // (The hero may be in the middle of losing a life, on a dark screen: the status line tells.)
  const lookNow = await look(page, out, '10a-touch-upright-picture');
  expect(lookNow.magic > 0.05, 'touch: the game goes on in the upright picture');

  // Two fingers held for a look at the buttons lit.
  const left = centre(boxOf(layout, 'left')), up = centre(boxOf(layout, 'jump'));
  await finger.down(1, left);
  await finger.down(2, up);
  await sleep(200);
  await page.screenshot({path: path.join(out, '10b-touch-two-fingers.png')});
  await finger.up(2, up);
  await finger.up(1, left);

  // The pause button pauses (the game's Space) and a second tap goes on.
  const pause = centre(boxOf(layout, 'pause'));
  let paused = false, presses = 0;
  while (!paused && presses < 5) {
    await finger.tap(1, pause);
    presses++;
    paused = await waitForScreen(page, out, 'paused', '11-touch-paused', 2500);
  }
  expect(paused, `touch: the pause button pauses the game (taps: ${presses})`);
  await finger.tap(1, pause);
  expect(await waitForScreen(page, out, 'area', '12-touch-resumed', 5000),
         'touch: a second tap on pause goes on with the game');

  const errors = log.filter((l) => /error|abort|exception/i.test(l));
  expect(errors.length === 0,
         'touch: no errors in the page\'s console' + (errors.length ? ': ' + errors.join(' | ') : ''));
  await page.close();
  return log;
}

module.exports = {touchRun};
