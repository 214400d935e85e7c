// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the program, joined to varnoth.js ahead of its own code.
//
// What the player keeps lives in folders backed by the browser's IndexedDB: the home folder
// (the settings file in .config/varnoth) and SDL's folder for the player's own files (/libsdl),
// written back whenever something in them changes and when the game ends. The top score lives
// in data/hiscore.dat, as on the desktop; in the browser that folder holds the packed data in
// memory, so the file is copied from /saved (a kept folder too) before the game starts, and
// back whenever it changes.
var varnothHome = '/home/web_user';
var varnothSavedDir = '/saved';
var varnothKept = [varnothSavedDir, varnothHome, '/libsdl'];
var varnothScoreFile = '/data/hiscore.dat';
var varnothScoreStamp = null;
var varnothKeptStamp = null;
var varnothSyncing = false;
var varnothWaiting = [];

function varnothFileStamp(path) {
  try {
    var st = FS.stat(path);
    return st.mtime.getTime() + ':' + st.size;
  } catch (e) {
    return null;
  }
}

// Every file in the kept folders with its time and size: a change shows as a new stamp.
function varnothFolderStamp() {
  var parts = [];
  function walk(folder) {
    var names;
    try {
      names = FS.readdir(folder);
    } catch (e) {
      return;
    }
    names.forEach(function (name) {
      if (name === '.' || name === '..') return;
      var path = folder + '/' + name;
      try {
        if (FS.isDir(FS.stat(path).mode)) return walk(path);
      } catch (e) {
        return;
      }
      parts.push(path + ':' + varnothFileStamp(path));
    });
  }
  varnothKept.forEach(walk);
  return parts.join('|');
}

// Writes what changed to IndexedDB; `done` runs once it is stored (or failed to be). One
// write at a time: a request during a write waits for it and then writes again.
function varnothKeep(done) {
  if (done) varnothWaiting.push(done);
  if (varnothSyncing) return;
  var score = varnothFileStamp(varnothScoreFile);
  if (score !== null && score !== varnothScoreStamp) {
    varnothScoreStamp = score;
    try {
      FS.writeFile(varnothSavedDir + '/hiscore.dat', FS.readFile(varnothScoreFile));
    } catch (e) {
      // Unreadable or unwritable: the stored top score stays as it was.
    }
  }
  var stamp = varnothFolderStamp();
  if (stamp === varnothKeptStamp) {
    varnothWaiting.splice(0).forEach(function (f) { f(); });
    return;
  }
  varnothSyncing = true;
  var answered = varnothWaiting.splice(0);
  FS.syncfs(false, function (err) {
    varnothSyncing = false;
    if (err) {
      console.warn('varnoth: the player\'s files could not be stored: ' + err);
    } else {
      varnothKeptStamp = stamp;
    }
    answered.forEach(function (f) { f(); });
    if (varnothWaiting.length) varnothKeep();
  });
}

// The replays the game keeps, as on the desktop in the player's data folder (IndexedDB keeps
// the home folder).
var varnothReplays = varnothHome + '/.local/share/varnoth/replays';
// A dropped file goes alone into this folder, where the game finds it (web_host.cpp).
var varnothDropped = '/dropped';

// The newest replay as {name, bytes}, or null when the game has kept none.
Module['varnothLastReplay'] = function () {
  var newest = null;
  var names;
  try {
    names = FS.readdir(varnothReplays);
  } catch (e) {
    return null;
  }
  names.forEach(function (name) {
    if (!/\.vrp$/.test(name)) return;
    try {
      var st = FS.stat(varnothReplays + '/' + name);
      if (!FS.isFile(st.mode)) return;
      var time = st.mtime.getTime();
      if (!newest || time > newest.time || (time === newest.time && name > newest.name))
        newest = {name: name, time: time};
    } catch (e) {
      // Gone meanwhile: not a candidate.
    }
  });
  if (!newest) return null;
  try {
    return {name: newest.name, bytes: FS.readFile(varnothReplays + '/' + newest.name)};
  } catch (e) {
    return null;
  }
};

// Hands a dropped file to the game, which plays it from the title; the answer is what the
// page says at once ('' when the game takes it).
Module['varnothDrop'] = function (name, bytes) {
  if (Module['varnothExited'] || !Module['calledRun']) return 'the game is not running';
  try {
    FS.readdir(varnothDropped).forEach(function (old) {
      if (old !== '.' && old !== '..') FS.unlink(varnothDropped + '/' + old);
    });
    var plain = name.replace(/[\/\\]/g, '_') || 'dropped.vrp';
    FS.writeFile(varnothDropped + '/' + plain, bytes);
  } catch (e) {
    return name + ': it cannot be read';
  }
  Module['_varnoth_file_dropped']();
  return '';
};

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  // The page turns touches into the mouse itself (index.html), one finger and on the picture
  // only; SDL's own copy of them would press the button a second time.
  ENV['SDL_TOUCH_MOUSE_EVENTS'] = '0';
  ENV['HOME'] = varnothHome;
  FS.createPath('/', 'data', true, true);
  FS.createPath('/', varnothDropped.slice(1), true, true);
  varnothKept.forEach(function (folder) {
    FS.createPath('/', folder.slice(1), true, true);
    FS.mount(IDBFS, {}, folder);
  });
  addRunDependency('varnoth-saved');
  FS.syncfs(true, function (err) {
    if (err) console.warn('varnoth: the player\'s stored files could not be read: ' + err);
    try {
      FS.writeFile(varnothScoreFile, FS.readFile(varnothSavedDir + '/hiscore.dat'));
    } catch (e) {
      // Nothing stored yet: the game starts with no top score.
    }
    varnothScoreStamp = varnothFileStamp(varnothScoreFile);
    varnothKeptStamp = varnothFolderStamp();
    removeRunDependency('varnoth-saved');
  });
});

Module['onRuntimeInitialized'] = function () {
  setInterval(varnothKeep, 1000);
  addEventListener('pagehide', function () { varnothKeep(); });
};

// The game ends by leaving its main program (Escape, Quit, or a failure with a message).
Module['onExit'] = function (code) {
  // The page's touch controls stop calling into the program.
  Module['varnothExited'] = true;
  varnothKeep(function () {
    if (Module['varnothEnded']) Module['varnothEnded'](code);
  });
};
