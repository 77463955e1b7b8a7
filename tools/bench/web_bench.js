// Figures of the page in headless Chromium (see web_bench.sh), each beside
// a reference measured in the same run:
//   - load to the title menu (the intro cards played through), and to the
//     title menu with the intro skipped by Escape at the first key the game
//     asks for; reference: load of a page of the same site that runs nothing
//   - CPU of the tab while the game waits at the command line, in % of one
//     core (Chromium's TaskDuration over IDLE_SECONDS); reference: the
//     same for a page showing a static 800 x 600 canvas
// usage: node web_bench.js SITE [RUNS]
'use strict';

const path = require('path');
const { Session } = require(path.join(__dirname, '../../tests/web/browser/harness'));

const IDLE_SECONDS = 5;

function median(values) {
  const sorted = values.slice().sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function taskSeconds(session) {
  const { metrics } = await session.cdp.send('Performance.getMetrics');
  return metrics.find((metric) => metric.name === 'TaskDuration').value;
}

async function idleCpuPercent(session) {
  await session.cdp.send('Performance.enable');
  const before = await taskSeconds(session);
  await new Promise((resolve) => setTimeout(resolve, IDLE_SECONDS * 1000));
  const after = await taskSeconds(session);
  return (after - before) / IDLE_SECONDS * 100;
}

async function main() {
  const site = process.argv[2];
  const runs = Number(process.argv[3] || 3);
  const session = await Session.open(site);
  const rows = { title: [], skipped: [], reference: [], cpu: [], cpuReference: [] };
  try {
    for (let run = 0; run < runs; ++run) {
      let start = Date.now();
      await session.page.goto(session.url + 'zarvel-page.css');
      rows.reference.push(Date.now() - start);

      start = Date.now();
      await session.load();
      await session.waitFor('zarvelPage.titleMenus > 0', 'the title menu');
      rows.title.push(Date.now() - start);

      start = Date.now();
      await session.load();
      await session.typeLine('{esc}{noenter}');
      await session.waitFor('zarvelPage.titleMenus > 0', 'the title menu');
      rows.skipped.push(Date.now() - start);

      await session.typeLine('s{noenter}');
      await session.awaitAsk('the first command');
      rows.cpu.push(await idleCpuPercent(session));

      await session.page.setContent('<canvas width="800" height="600" ' +
                                    'style="background:#000"></canvas>');
      rows.cpuReference.push(await idleCpuPercent(session));
    }
  } finally {
    await session.close();
  }
  const line = (name, measured, reference) => console.log(
    name.padEnd(52) + median(measured).toFixed(1).padStart(9) +
    median(reference).toFixed(1).padStart(11));
  console.log('figure (median of ' + runs + ')'.padEnd(0) + ' '.repeat(30) + 'measured  reference');
  line('load to the title menu, intro played, ms', rows.title, rows.reference);
  line('load to the title menu, intro skipped, ms', rows.skipped, rows.reference);
  line('tab CPU waiting at the command line, %', rows.cpu, rows.cpuReference);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
