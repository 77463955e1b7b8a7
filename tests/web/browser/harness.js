// Drives the page in Debian's chromium-headless-shell: serves the site
// folder from this process, types through real key events (the DevTools
// protocol's Input.dispatchKeyEvent) and waits only for what the page says
// the game is doing (zarvelPage's counters), each wait bounded and named.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = process.env.ZARVEL_CHROMIUM || '/usr/bin/chromium-headless-shell';
// Generous: the page runs on a shared, possibly overloaded machine.
const WAIT_LIMIT_MS = 180000;

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.css': 'text/css',
};

// Serves the folder on a free local port; resolves to the server.
function serve(folder) {
  const server = http.createServer(function (request, response) {
    let name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder)) {
      response.writeHead(403);
      response.end();
      return;
    }
    fs.readFile(file, function (error, data) {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      });
      response.end(data);
    });
  });
  return new Promise(function (resolve) {
    server.listen(0, '127.0.0.1', function () { resolve(server); });
  });
}

class Session {
  static async open(siteFolder) {
    const session = new Session();
    session.server = await serve(path.resolve(siteFolder));
    session.url = 'http://127.0.0.1:' + session.server.address().port + '/';
    session.browser = await puppeteer.launch({
      executablePath: CHROMIUM,
      headless: 'shell',
      args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
             '--autoplay-policy=user-gesture-required'],
    });
    session.page = await session.browser.newPage();
    session.errors = [];
    session.page.on('pageerror', (error) => session.errors.push(error.message));
    // Every line the live region is given, from the page's start.
    await session.page.evaluateOnNewDocument(function () {
      window.zarvelLiveLines = [];
      new MutationObserver(function (records) {
        for (const record of records) {
          if (record.target.id !== 'live') continue;
          for (const node of record.addedNodes) window.zarvelLiveLines.push(node.textContent);
        }
      }).observe(document, { childList: true, subtree: true });
    });
    session.cdp = await session.page.createCDPSession();
    return session;
  }

  async close() {
    if (this.browser) await this.browser.close();
    if (this.server) this.server.close();
  }

  async load() {
    this.escapeHeld = false;
    await this.page.goto(this.url);
    this.typedAsks = 0;
  }

  async reload() {
    this.escapeHeld = false;
    await this.page.reload();
    this.typedAsks = 0;
  }

  // Waits until the expression (evaluated in the page) is true.
  async waitFor(expression, what) {
    try {
      await this.page.waitForFunction(expression, { timeout: WAIT_LIMIT_MS, polling: 20 });
    } catch (error) {
      throw new Error('gave up after ' + WAIT_LIMIT_MS / 1000 + ' s waiting for ' + what +
                      (this.errors.length ? ' (page errors: ' + this.errors.join('; ') + ')' : ''));
    }
  }

  state(expression) { return this.page.evaluate(expression); }

  // Waits until a condition of this process (not the page's) holds.
  async waitHere(condition, what) {
    const limit = Date.now() + WAIT_LIMIT_MS;
    while (!condition()) {
      if (Date.now() > limit) {
        throw new Error('gave up after ' + WAIT_LIMIT_MS / 1000 + ' s waiting for ' + what);
      }
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  // From now on, only asks after this moment count (after input the
  // game discarded, such as keys typed while a dialog was up).
  async countAsksFromNow() { this.typedAsks = await this.state('zarvelPage.asks'); }

  // Presses and lets go of a key; a held Escape is let go first.
  async key(key, text, virtualKey) {
    await this.releaseEscape();
    const event = { key, windowsVirtualKeyCode: virtualKey, nativeVirtualKeyCode: virtualKey };
    if (text) Object.assign(event, { text, unmodifiedText: text });
    await this.cdp.send('Input.dispatchKeyEvent', Object.assign({ type: text ? 'keyDown' : 'rawKeyDown' }, event));
    await this.cdp.send('Input.dispatchKeyEvent', Object.assign({ type: 'keyUp' }, event));
  }

  // Escape goes down and stays down until the next key, as zarvel-tty's
  // key scripts have it: "1{esc}{noenter}" is a digit typed with Escape
  // held.
  async pressEscape() {
    await this.releaseEscape();
    await this.cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', key: 'Escape',
      windowsVirtualKeyCode: 27, nativeVirtualKeyCode: 27 });
    this.escapeHeld = true;
  }

  async releaseEscape() {
    if (!this.escapeHeld) return;
    this.escapeHeld = false;
    await this.cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Escape',
      windowsVirtualKeyCode: 27, nativeVirtualKeyCode: 27 });
  }

  async typeCharacter(character) {
    const upper = character.toUpperCase();
    const virtualKey = /^[A-Z0-9 ]$/.test(upper) ? upper.charCodeAt(0) : 0;
    await this.key(character, character, virtualKey);
  }

  // Waits until the game has taken everything typed so far and asks for
  // more (an ask that found no key after the last one typed).
  async awaitAsk(what) {
    await this.waitFor('zarvelPage.asks > ' + this.typedAsks, 'the game to ask for ' + what);
  }

  // Types one line of a key script (zarvel-tty's notation: {esc}, {bs},
  // {noenter}) when the game asks for it; a wait for any key met on the way
  // is answered with a space, as a player would.
  async typeLine(line) {
    for (;;) {
      await this.awaitAsk('the line "' + line + '"');
      if (!(await this.state('zarvelPage.keyWaitOpen'))) break;
      await this.typeCharacter(' ');
      this.typedAsks = await this.state('zarvelPage.asks');
    }
    // The whole line reaches the game at once, as zarvel-tty types it (a
    // digit typed with Escape held must find Escape down).
    await this.state('zarvelPage.holdInput(true)');
    let enter = true;
    const parts = line.split(/(\{esc\}|\{bs\}|\{noenter\})/);
    for (const part of parts) {
      if (part === '{noenter}') enter = false;
      else if (part === '{esc}') await this.pressEscape();
      else if (part === '{bs}') await this.key('Backspace', '', 8);
      else for (const character of part) await this.typeCharacter(character);
    }
    if (enter) await this.key('Enter', '\r', 13);
    this.typedAsks = await this.state('zarvelPage.asks');
    await this.state('zarvelPage.holdInput(false)');
  }

  // Answers waits for any key until the expression holds.
  async keyOnUntil(expression, what) {
    for (;;) {
      await this.waitFor('(' + expression + ') || (zarvelPage.asks > ' + this.typedAsks +
                         ' && zarvelPage.keyWaitOpen)', what);
      if (await this.state(expression)) return;
      await this.typeCharacter(' ');
      this.typedAsks = await this.state('zarvelPage.asks');
    }
  }

  liveLines() { return this.state('window.zarvelLiveLines'); }

  // The canvas as PNG bytes.
  async canvasPng() {
    const url = await this.state("document.getElementById('screen').toDataURL('image/png')");
    return Buffer.from(url.slice(url.indexOf(',') + 1), 'base64');
  }
}

// Compares two lists of lines; the message names the first difference.
function firstDifference(expected, actual) {
  const count = Math.max(expected.length, actual.length);
  for (let i = 0; i < count; ++i) {
    if (expected[i] !== actual[i]) {
      return 'line ' + (i + 1) + ': expected ' + JSON.stringify(expected[i]) +
             ', got ' + JSON.stringify(actual[i]) + ' (' + expected.length + ' lines expected, ' +
             actual.length + ' got)';
    }
  }
  return null;
}

module.exports = { Session, firstDifference };
