// The page in headless Chromium (ctest -L web):
//   node page-tests.js walkthrough SITE REPLAY KEYS
//     types the key script through real key events; the lines the live
//     region was given must be the console lines of the same keys replayed
//     by the engine under node (REPLAY --plain), which the walkthrough tests
//     hold to zarvel-tty's transcripts.
//   node page-tests.js screenshot SITE ZARVEL_TTY COMPARE_SCREENS REPLAY
//     after a fixed script the canvas must be zarvel-tty's --screenshot
//     within the desktop tests' tolerance (COMPARE_SCREENS), and the live
//     region the replayed console lines.
//   node page-tests.js controls SITE
//     the intro's track plays from the first key press, gives way to the
//     game's track when the game starts, and "ticho" and "hudba" pause and
//     resume it where it was; "fullscreen" and "window" switch the page's
//     full screen, the canvas scaled to it; the quit button's dialog,
//     cancelled, plays on, accepted, ends the game and the music.
//   node page-tests.js positions SITE REPLAY
//     a position saved, the page reloaded, the position loaded: what
//     loading and the next step print must be what they print when the
//     same is played without the reload; the slot's file downloads as the
//     page keeps it, and a file saved by the engine under node, uploaded to
//     another slot, loads there.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Session, firstDifference } = require('./harness');

function fail(message) {
  console.error('FAIL: ' + message);
  process.exitCode = 1;
}

// The console lines of the keys, as the engine under node gives them; with
// `files`, the position files it wrote are copied into that folder.
function replayLines(replay, keyLines, files) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvel-web-'));
  try {
    fs.writeFileSync(path.join(work, 'keys.txt'), keyLines.join('\n') + '\n');
    const output = childProcess.execFileSync(
      replay, ['--plain', '--no-pause', '--keys', 'keys.txt'],
      { cwd: work, encoding: 'utf8', timeout: 120000 });
    if (files) {
      for (const name of fs.readdirSync(work)) {
        if (name.endsWith('.sav')) fs.copyFileSync(path.join(work, name), path.join(files, name));
      }
    }
    return output.split('\n').slice(0, -1);
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
}

function readKeyLines(file) {
  return fs.readFileSync(file, 'utf8').replace(/^\uFEFF/, '').split(/\r?\n/)
    .filter((line, index, all) => index < all.length - 1 || line !== '');
}

async function walkthrough(session, [replay, keysFile]) {
  const keys = readKeyLines(keysFile);
  const expected = replayLines(replay, keys);
  await session.load();
  await session.waitFor('zarvelPage.titleMenus > 0', 'the title menu after the intro');
  for (const line of keys) await session.typeLine(line);
  // The script ends where the outro leads back to the title menu.
  await session.keyOnUntil('zarvelPage.titleMenus > 1', 'the title menu after the outro');
  const difference = firstDifference(expected, await session.liveLines());
  if (difference) fail('the live region differs from the replayed console: ' + difference);
  else console.log('live region: ' + expected.length + ' lines as replayed');
}

async function screenshot(session, [tty, compareScreens, replay]) {
  // As the desktop test plays it: the intro skipped, the game started,
  // commands with Czech letters (one corrected with Backspace); on the way
  // a conversation's option typed with Escape held, which leaves it.
  const keys = ['{esc}{noenter}', 's{noenter}', 'sever', 'v', 'mluv hostinského',
                '1{esc}{noenter}', 'seber klíčq{bs} ěščřžýáíéů'];
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvel-web-'));
  try {
    fs.writeFileSync(path.join(work, 'keys.txt'), keys.join('\n') + '\n');
    childProcess.execFileSync(tty, ['--keys', 'keys.txt', '--screenshot', 'tty.png'],
                              { cwd: work, stdio: 'ignore', timeout: 120000 });
    await session.load();
    for (const line of keys) await session.typeLine(line);
    await session.awaitAsk('the next command after the script');
    // The same story, exactly (the screenshot's tolerance would let a
    // wrong letter pass).
    const difference = firstDifference(replayLines(replay, keys), await session.liveLines());
    if (difference) fail('the live region differs from the replayed console: ' + difference);
    // The canvas shows the last frame once the game asks again; the
    // blinking cursor is left out of the comparison.
    fs.writeFileSync(path.join(work, 'page.png'), await session.canvasPng());
    const result = childProcess.spawnSync('bash', [compareScreens, 'page.png', 'tty.png'],
                                          { cwd: work, encoding: 'utf8' });
    console.log('screenshot: ' + result.stdout.trim());
    if (result.status !== 0) {
      fs.copyFileSync(path.join(work, 'page.png'), 'page-screenshot.png');
      fs.copyFileSync(path.join(work, 'tty.png'), 'tty-screenshot.png');
      fail('the canvas differs from zarvel-tty\'s screenshot (kept as page-screenshot.png, ' +
           'tty-screenshot.png): ' + result.stdout + result.stderr);
    }
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
}

// The lines from the last (or the first) command `command` on.
function fromCommand(lines, command, first) {
  const at = first ? lines.indexOf('>' + command) : lines.lastIndexOf('>' + command);
  return at < 0 ? [] : lines.slice(at);
}

// Waits (bounded) for a file the browser downloads.
async function awaitFile(file) {
  const limit = Date.now() + 60000;
  while (!fs.existsSync(file)) {
    if (Date.now() > limit) throw new Error('gave up after 60 s waiting for the download ' + file);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

async function positions(session, [replay]) {
  // A slot is one key press, as a player chooses it.
  const save = ['{esc}{noenter}', 's{noenter}', 'sever', 'ulož', '1{noenter}', 'Webová pozice'];
  // "jih" from the saved place (the green) leads back to the crossroads;
  // from where a new game starts it is blocked.
  const load = ['načti', '1{noenter}', 'jih'];
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvel-web-'));
  try {
    const expected = replayLines(replay, save.concat(load), work);
    const expectedLoad = fromCommand(expected, 'načti', true);

    await session.load();
    for (const line of save) await session.typeLine(line);
    await session.awaitAsk('the next command after saving');
    await session.reload();
    for (const line of ['{esc}{noenter}', 's{noenter}'].concat(load)) await session.typeLine(line);
    await session.awaitAsk('the next command after loading');
    const actual = fromCommand(await session.liveLines(), 'načti', true);
    const difference = firstDifference(expectedLoad, actual);
    if (difference) {
      fail('after the reload, loading gives another story: ' + difference + '\n' + actual.join('\n'));
    }

    // The saved file, downloaded, is the one the page keeps.
    const downloads = path.join(work, 'downloads');
    fs.mkdirSync(downloads);
    await session.cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await session.page.select('#slot', '1');
    await session.page.click('#download');
    await awaitFile(path.join(downloads, 'pozice_01.sav'));
    const kept = Buffer.from(await session.state('Array.from(FS.readFile("/saves/pozice_01.sav"))'));
    if (!kept.equals(fs.readFileSync(path.join(downloads, 'pozice_01.sav')))) {
      fail('the downloaded position differs from the one the page keeps');
    }

    // A file saved by the engine elsewhere, uploaded to slot 2, loads there.
    fs.renameSync(path.join(work, 'pozice_01.sav'), path.join(work, 'pozice_02.sav'));
    await (await session.page.$('#upload')).uploadFile(path.join(work, 'pozice_02.sav'));
    await session.waitFor('document.getElementById("status").textContent.includes("pozici 2")',
                          'the uploaded file to be stored in slot 2');
    for (const line of ['načti', '2{noenter}', 'jih']) await session.typeLine(line);
    await session.awaitAsk('the next command after loading the uploaded position');
    const uploaded = fromCommand(await session.liveLines(), 'načti');
    const expectedUpload = ['2. Webová pozice'].concat(fromCommand(expected, 'jih'));
    for (const line of expectedUpload) {
      if (!uploaded.includes(line)) fail('loading the uploaded position: no line ' + JSON.stringify(line));
    }
    if (!uploaded.includes('Pozice byla úspěšně natažena do paměti.')) {
      fail('the uploaded position did not load:\n' + uploaded.join('\n'));
    }

    // The page cannot store its files (IndexedDB full or gone): the save
    // says it failed, and the file the page keeps is the one it had.
    await session.state('Module.page.storeFiles = function (done) { done(false); }; true');
    for (const line of ['ulož', '1{noenter}', 'Jiná']) await session.typeLine(line);
    await session.awaitAsk('the next command after a save the page could not store');
    const refused = fromCommand(await session.liveLines(), 'ulož');
    if (!refused.includes('Pozici se nepodařilo uložit, disk asi stávkuje.')) {
      fail('a save the page could not store did not say so:\n' + refused.join('\n'));
    }
    const afterRefusal = Buffer.from(await session.state('Array.from(FS.readFile("/saves/pozice_01.sav"))'));
    if (!afterRefusal.equals(kept)) fail('a save the page could not store changed the file it keeps');

    if (process.exitCode !== 1) {
      console.log('positions: loading after a reload gives the saved place; download and upload keep the file; a save that cannot be stored changes nothing');
    }
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
}

// The page's channels as [sound, playing, volume, offset] (playing: a
// source is running).
const CHANNELS = '[...zarvelPage.audio.channels.values()]';

async function controls(session) {
  await session.page.setViewport({ width: 1280, height: 720 });
  await session.load();
  await session.typeLine('{esc}{noenter}');
  await session.waitFor('zarvelPage.audio.context && zarvelPage.audio.context.state === "running" && ' +
                        CHANNELS + '.some((c) => c.sound === 1 && c.source)',
                        'the intro\'s track to play after the first key');
  await session.typeLine('s{noenter}');
  // The intro's track fades out (the game's one second), then stops.
  await session.waitFor(CHANNELS + '.some((c) => c.sound === 2 && c.source && c.volume === 1) && ' +
                        CHANNELS + '.every((c) => c.sound !== 1 || (c.paused && !c.source))',
                        'the game\'s track to take over from the intro\'s');
  await session.typeLine('ticho');
  await session.waitFor(CHANNELS + '.every((c) => c.paused && !c.source)', 'the music to pause');
  const pausedAt = await session.state(CHANNELS + '.find((c) => c.sound === 2).offset');
  await session.typeLine('hudba');
  await session.waitFor(CHANNELS + '.some((c) => c.sound === 2 && c.source && !c.paused)',
                        'the music to resume');
  const resumedFrom = await session.state(
    '(() => { const c = ' + CHANNELS + '.find((c) => c.sound === 2); ' +
    'return c.source && zarvelPage.audio.context.currentTime - c.startedAt; })()');
  if (!(pausedAt > 0) || !(resumedFrom >= pausedAt)) {
    fail('the music resumed from ' + resumedFrom + ' s, not where it paused (' + pausedAt + ' s)');
  } else {
    console.log('music: paused at ' + pausedAt.toFixed(2) + ' s, resumed from there');
  }

  // The game's own screen-mode commands: the canvas fills the screen, its
  // picture scaled with its shape kept (and so centred).
  await session.typeLine('fullscreen');
  await session.waitFor('document.fullscreenElement && document.fullscreenElement.id === "stage"',
                        'full screen');
  const box = await session.state('(() => { const c = document.getElementById("screen"); ' +
    'const r = c.getBoundingClientRect(); return [r.width, r.height, getComputedStyle(c).objectFit]; })()');
  if (JSON.stringify(box) !== JSON.stringify([1280, 720, 'contain'])) {
    fail('in full screen the canvas is ' + JSON.stringify(box) + ', not 1280 x 720 contained');
  }
  await session.typeLine('window');
  await session.waitFor('!document.fullscreenElement', 'the window again');

  // The page's quit button asks the game's question as a page dialog;
  // Cancel plays on, OK ends the game and its music.
  const answers = [false, true];
  const asked = [];
  session.page.on('dialog', (dialog) => {
    asked.push(dialog.message());
    (answers.shift() ? dialog.accept() : dialog.dismiss()).catch(() => {});
  });
  await session.page.click('#quit');
  await session.waitHere(() => asked.length === 1 && answers.length === 1, 'the first quit dialog');
  await session.countAsksFromNow();
  await session.typeLine('sever');
  await session.awaitAsk('the next command after "sever"');
  await session.page.click('#quit');
  await session.waitFor('zarvelPage.hasEnded && !zarvelPage.audio.context', 'the game to end');
  const expectedQuestions = ['Ukončit hru?', 'Ukončit hru?'];
  if (JSON.stringify(asked) !== JSON.stringify(expectedQuestions)) {
    fail('the quit dialogs asked ' + JSON.stringify(asked) + ', not ' + JSON.stringify(expectedQuestions));
  }
  if (!(await session.liveLines()).includes('>sever')) fail('Cancel did not play on');
}

const TESTS = { walkthrough, screenshot, controls, positions };

async function main() {
  const [name, site, ...rest] = process.argv.slice(2);
  if (!TESTS[name] || !site) {
    console.error('usage: page-tests.js walkthrough|screenshot|controls|positions SITE ...');
    process.exit(2);
  }
  const session = await Session.open(site);
  try {
    await TESTS[name](session, rest);
    if (session.errors.length) fail('errors in the page: ' + session.errors.join('; '));
  } finally {
    await session.close();
  }
}

main().catch(function (error) {
  console.error('FAIL: ' + (error && error.stack || error));
  process.exit(1);
});
