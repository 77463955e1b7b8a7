// The page around the game: the canvas, the keyboard, the music, the
// position files, full screen and the live region for screen readers. The
// program (zarvel.js, built from src/app/web) calls in through
// Module.page; it is never called back, it takes what the page kept.
'use strict';

(function () {
  const canvas = document.getElementById('screen');
  const context2d = canvas.getContext('2d');
  const stage = document.getElementById('stage');
  const live = document.getElementById('live');
  const status = document.getElementById('status');
  const SAVES = '/saves';
  // Lines kept in the live region; screen readers read what is added.
  const LIVE_LINES = 500;
  // How long a pause or resume glides the music's gain (no click).
  const GLIDE = 0.025;

  const EVENT = { char: 1, keyDown: 2, keyUp: 3, discard: 4 };
  const CONTROL_KEYS = { Enter: 13, Backspace: 8, Tab: 9, Escape: 27 };

  const pending = [];  // pairs: kind, value
  let inputHeld = false;
  let inputWaiter = null;
  let closeRequested = false;

  function wake() {
    const waiter = inputWaiter;
    inputWaiter = null;
    if (waiter) waiter();
  }
  function queue(kind, value) {
    pending.push(kind, value);
    if (!inputHeld) wake();
  }

  // Key codes as the game knows them: the control characters, a
  // character's own code below 256, else 128 + the key's low bits.
  function keyCodeOf(event) {
    if (event.key in CONTROL_KEYS) return CONTROL_KEYS[event.key];
    if (event.key.length === 1) {
      const code = event.key.toLowerCase().charCodeAt(0);
      if (code > 0 && code < 256) return code;
    }
    return 128 + ((event.keyCode || 0) & 127);
  }
  function typedText(event) {
    if (event.key in CONTROL_KEYS) return String.fromCharCode(CONTROL_KEYS[event.key]);
    // One character (a surrogate pair is one too); shortcuts stay the browser's.
    if ([...event.key].length !== 1) return '';
    if ((event.ctrlKey && !event.altKey) || event.metaKey) return '';
    return event.key;
  }
  function belongsToForm(event) {
    const tag = event.target && event.target.tagName;
    return tag === 'INPUT' || tag === 'SELECT' || tag === 'TEXTAREA' || tag === 'BUTTON';
  }

  window.addEventListener('keydown', function (event) {
    if (belongsToForm(event)) return;
    page.audio.unlock();  // browsers start sound only after a key or click
    const text = typedText(event);
    for (let i = 0; i < text.length; ++i) queue(EVENT.char, text.charCodeAt(i));
    if (!event.repeat) queue(EVENT.keyDown, keyCodeOf(event));
    if (text !== '') event.preventDefault();
  });
  window.addEventListener('keyup', function (event) {
    if (belongsToForm(event)) return;
    queue(EVENT.keyUp, keyCodeOf(event));
  });
  // What was typed into another window is not meant for the game.
  window.addEventListener('blur', function () { queue(EVENT.discard, 0); });
  window.addEventListener('focus', function () { queue(EVENT.discard, 0); });
  document.addEventListener('visibilitychange', function () { queue(EVENT.discard, 0); });
  canvas.addEventListener('pointerdown', function () { page.audio.unlock(); });

  function enterFullScreen() {
    if (document.fullscreenElement || !stage.requestFullscreen) return;
    stage.requestFullscreen().catch(function () {
      status.textContent = 'Celou obrazovku zapnete tlačítkem pod hrou.';
    });
  }
  function leaveFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(function () {});
  }

  // Music through Web Audio: each track decoded once, each channel a
  // looping source (gapless: the whole track is one buffer) into a gain.
  const audio = {
    context: null,
    sounds: new Map(),
    channels: new Map(),
    unlock() {
      if (!this.context) {
        const Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return;
        this.context = new Context();
        this.context.addEventListener('statechange', () => this.service());
        for (const sound of this.sounds.values()) this.decode(sound);
      }
      if (this.context.state === 'suspended') this.context.resume().catch(function () {});
    },
    load(id, bytes, loop) {
      const sound = { bytes, loop, buffer: null, decoding: false };
      this.sounds.set(id, sound);
      if (this.context) this.decode(sound);
    },
    decode(sound) {
      if (sound.decoding) return;
      sound.decoding = true;
      this.context.decodeAudioData(sound.bytes.buffer.slice(0)).then((buffer) => {
        sound.buffer = buffer;
        sound.bytes = null;
        this.service();
      }, function (error) { console.warn('zarvel: music not decoded', error); });
    },
    play(id, soundId) {
      this.channels.set(id, { sound: soundId, paused: false, volume: 1, offset: 0,
                              source: null, gain: null, startedAt: 0 });
      this.service();
    },
    // Starts every channel that should play and can.
    service() {
      if (!this.context || this.context.state !== 'running') return;
      for (const channel of this.channels.values()) {
        if (!channel.paused && !channel.source) this.start(channel);
      }
    },
    start(channel) {
      const sound = this.sounds.get(channel.sound);
      if (!sound || !sound.buffer) return;
      const context = this.context;
      if (!channel.gain) {
        channel.gain = context.createGain();
        channel.gain.connect(context.destination);
      }
      const source = context.createBufferSource();
      source.buffer = sound.buffer;
      source.loop = sound.loop;
      source.connect(channel.gain);
      const now = context.currentTime;
      const gain = channel.gain.gain;
      gain.cancelScheduledValues(now);
      gain.setValueAtTime(0, now);
      gain.linearRampToValueAtTime(channel.volume, now + GLIDE);
      const offset = channel.offset % sound.buffer.duration;
      source.start(now, offset);
      channel.source = source;
      channel.startedAt = now - offset;
    },
    setPaused(id, paused) {
      const channel = this.channels.get(id);
      if (!channel || channel.paused === paused) return;
      channel.paused = paused;
      if (!paused) {
        this.service();
        return;
      }
      if (!channel.source) return;
      const now = this.context.currentTime;
      channel.offset = (now - channel.startedAt) % channel.source.buffer.duration;
      const gain = channel.gain.gain;
      gain.cancelScheduledValues(now);
      gain.setValueAtTime(gain.value, now);
      gain.linearRampToValueAtTime(0, now + GLIDE);
      channel.source.stop(now + GLIDE);
      channel.source = null;
    },
    setVolume(id, volume) {
      const channel = this.channels.get(id);
      if (!channel) return;
      channel.volume = volume;
      if (channel.source) {
        const now = this.context.currentTime;
        channel.gain.gain.cancelScheduledValues(now);
        channel.gain.gain.setTargetAtTime(volume, now, 0.01);
      }
    },
    stopAll() {
      if (this.context) this.context.close().catch(function () {});
      this.context = null;
    },
  };

  // What the program calls (web/zarvel_library.js), and what the tests of
  // the page look at: the counters say what the game has been waiting for.
  const page = {
    audio,
    frames: 0,
    asks: 0,           // times the game asked for a key and none was coming
    keyWaits: 0,       // waits for any key begun
    keyWaitOpen: false,
    titleMenus: 0,
    introRunning: false,
    transcript: [],    // console lines as stored (zarvel-tty --raw) and "[wait]"
    hasEnded: false,
    openScreen(width, height, fullScreen) {
      canvas.width = width;
      canvas.height = height;
      if (fullScreen) enterFullScreen(); else leaveFullScreen();
    },
    present(pixels, width, height) {
      context2d.putImageData(new ImageData(new Uint8ClampedArray(pixels), width, height), 0, 0);
      ++this.frames;
    },
    setTitle(title) { document.title = title; },
    waitInput(millis, done) {
      let timer = 0;
      inputWaiter = function () { clearTimeout(timer); done(); };
      timer = setTimeout(wake, millis);
      if (pending.length > 0 && !inputHeld) wake();
    },
    takeInput(heap32, at, capacity) {
      if (inputHeld) return 0;
      const count = Math.min(capacity, pending.length / 2);
      for (let i = 0; i < count * 2; ++i) heap32[at + i] = pending[i];
      pending.splice(0, count * 2);
      return count;
    },
    // For the page's tests: keys typed while input is held reach the game
    // together when it is let go, as a key script's line does.
    holdInput(held) {
      inputHeld = held;
      if (!held && pending.length > 0) wake();
    },
    takeCloseRequest() {
      const was = closeRequested;
      closeRequested = false;
      return was;
    },
    confirm(text) { return window.confirm(text); },
    storeFiles(done) {
      FS.syncfs(false, function (error) {
        if (error) console.warn('zarvel: positions not stored', error);
        done(!error);
      });
    },
    consoleLine(plain, raw) {
      this.transcript.push(raw);
      const line = document.createElement('p');
      line.textContent = plain;
      live.appendChild(line);
      while (live.childElementCount > LIVE_LINES) live.removeChild(live.firstElementChild);
    },
    inputWait(kind, begins) {
      if (kind === 0) {
        this.transcript.push('[wait]');
        ++this.keyWaits;
        this.keyWaitOpen = true;
      } else if (kind === 1 && !begins) {
        this.keyWaitOpen = false;
      }
    },
    introCards(running) { this.introRunning = running; },
    titleMenu() { ++this.titleMenus; },
    // Counts only when nothing typed is left anywhere on its way.
    asked() {
      if (!inputHeld && pending.length === 0) ++this.asks;
    },
    ended() {
      if (this.hasEnded) return;
      this.hasEnded = true;
      audio.stopAll();
      leaveFullScreen();
      status.textContent = 'Hra skončila. Novou hru začnete obnovením stránky.';
    },
  };

  // Buttons give the keyboard back to the game when used.
  function button(id, action) {
    document.getElementById(id).addEventListener('click', function (event) {
      action();
      event.currentTarget.blur();
      canvas.focus();
    });
  }
  button('fullscreen', function () {
    if (document.fullscreenElement) leaveFullScreen(); else enterFullScreen();
  });
  button('quit', function () { closeRequested = true; wake(); });

  function slotFile() {
    return 'pozice_0' + document.getElementById('slot').value + '.sav';
  }
  button('download', function () {
    let bytes;
    try {
      bytes = FS.readFile(SAVES + '/' + slotFile());
    } catch (error) {
      status.textContent = 'Pozice ' + document.getElementById('slot').value + ' je prázdná.';
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = slotFile();
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 0);
  });
  document.getElementById('upload').addEventListener('change', function (event) {
    const file = event.target.files[0];
    if (!file) return;
    // A file named after a slot goes there; any other to the chosen slot.
    const named = /^pozice_0([1-9])\.sav$/.exec(file.name);
    if (named) document.getElementById('slot').value = named[1];
    const name = slotFile();
    file.arrayBuffer().then(function (buffer) {
      const target = SAVES + '/' + name;
      let before = null;
      try { before = FS.readFile(target); } catch (missing) { before = null; }
      FS.writeFile(target, new Uint8Array(buffer));
      page.storeFiles(function (ok) {
        // Not stored: the slot keeps what it had, here as in IndexedDB.
        if (!ok) {
          if (before) FS.writeFile(target, before); else FS.unlink(target);
        }
        status.textContent = ok ? 'Soubor je v pozici ' + document.getElementById('slot').value + '.'
                                : 'Soubor se nepodařilo uložit.';
      });
      event.target.value = '';
      canvas.focus();
    });
  });

  window.Module = {
    page,
    canvas,
    // The positions live in IndexedDB: read before the game starts.
    preRun: [function () {
      FS.mkdir(SAVES);
      FS.mount(IDBFS, {}, SAVES);
      addRunDependency('zarvel-saves');
      FS.syncfs(true, function (error) {
        if (error) console.warn('zarvel: stored positions not read', error);
        removeRunDependency('zarvel-saves');
      });
    }],
    onRuntimeInitialized() {
      status.textContent = 'Hrajte z klávesnice (Ctrl+R hru začne znovu).';
      canvas.focus();
    },
    print(text) { console.log(text); },
    printErr(text) { console.warn(text); },
  };
  window.zarvelPage = page;
})();
