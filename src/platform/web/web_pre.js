// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the program, joined to varnoth.js ahead of its own code.
//
// The top score lives in data/hiscore.dat, as on the desktop. In the browser that folder holds
// the packed data in memory, so the file is copied from /saved (a folder kept in the browser's
// IndexedDB) before the game starts, and back whenever it changes and when the game ends.
var varnothSavedDir = '/saved';
var varnothScoreFile = '/data/hiscore.dat';
var varnothSavedStamp = null;

function varnothScoreStamp() {
  try {
    var st = FS.stat(varnothScoreFile);
    return st.mtime.getTime() + ':' + st.size;
  } catch (e) {
    return null;
  }
}

// Copies a changed top score to IndexedDB; `done` runs once it is stored (or failed to be).
function varnothKeepScore(done) {
  var stamp = varnothScoreStamp();
  if (stamp === null || stamp === varnothSavedStamp) {
    if (done) done();
    return;
  }
  varnothSavedStamp = stamp;
  try {
    FS.writeFile(varnothSavedDir + '/hiscore.dat', FS.readFile(varnothScoreFile));
  } catch (e) {
    if (done) done();
    return;
  }
  FS.syncfs(false, function (err) {
    if (err) console.warn('varnoth: the top score could not be stored: ' + err);
    if (done) done();
  });
}

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  // The page turns touches into the mouse itself (index.html), one finger and on the picture
  // only; SDL's own copy of them would press the button a second time.
  ENV['SDL_TOUCH_MOUSE_EVENTS'] = '0';
  FS.createPath('/', 'data', true, true);
  FS.mkdir(varnothSavedDir);
  FS.mount(IDBFS, {}, varnothSavedDir);
  addRunDependency('varnoth-saved');
  FS.syncfs(true, function (err) {
    if (err) console.warn('varnoth: no stored top score could be read: ' + err);
    try {
      FS.writeFile(varnothScoreFile, FS.readFile(varnothSavedDir + '/hiscore.dat'));
    } catch (e) {
      // Nothing stored yet: the game starts with no top score.
    }
    varnothSavedStamp = varnothScoreStamp();
    removeRunDependency('varnoth-saved');
  });
});

Module['onRuntimeInitialized'] = function () {
  setInterval(varnothKeepScore, 1000);
  addEventListener('pagehide', function () { varnothKeepScore(); });
};

// The game ends by leaving its main program (Escape, Quit, or a failure with a message).
Module['onExit'] = function (code) {
  // The page's touch controls stop calling into the program.
  Module['varnothExited'] = true;
  varnothKeepScore(function () {
    if (Module['varnothEnded']) Module['varnothEnded'](code);
  });
};
