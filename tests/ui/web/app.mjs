// The page as an installable app, in headless Chromium: served from a local
// HTTP server, it is installable, works offline once visited, and a new
// release replaces the cached one whole.
//
// usage: node app.mjs tavelin-web/ cmake write_app.cmake tavelin.html icons/
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { check as checkIn, fillAndGenerate, finish, launch, newPage } from './driver.mjs';

const [firstRelease, cmake, writeApp, pagePath, icons] = process.argv.slice(2);
const check = (...args) => checkIn('app', ...args);

// A second release: the same page under another title, written as the build
// writes the first.
const work = mkdtempSync(join(tmpdir(), 'tavelin-app-'));
writeFileSync(join(work, 'tavelin.html'), readFileSync(pagePath, 'utf8').replace('<title>Tavelin</title>',
  '<title>Tavelin 2</title>'));
const secondRelease = join(work, 'tavelin-web');
execFileSync(cmake, [`-DPAGE=${join(work, 'tavelin.html')}`, `-DICONS=${icons}`, `-DOUTPUT=${secondRelease}`, '-P', writeApp]);

// A static host of one release at a time; offline, it answers nothing.
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
  '.png': 'image/png' };
const host = { folder: firstRelease, offline: false };
const server = createServer((request, response) => {
  if (host.offline)
    return request.socket.destroy();
  const file = new URL(request.url, 'http://host').pathname.slice(1) || 'index.html';
  try {
    const body = readFileSync(join(host.folder, file));
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
const ADDRESS = `http://127.0.0.1:${server.address().port}/`;

let page, cdp;
const js = (f, ...args) => page.evaluate(f, ...args);
const caches = () => js(() => window.caches.keys());
const release = () => js(() => document.title);
// A visit, until the program has started.
async function visit() {
  await page.goto(ADDRESS);
  await page.waitForFunction(() => window.tavelinEarly === null);
}
async function setOffline(offline) {
  host.offline = offline;
  await cdp.send('Network.emulateNetworkConditions', { offline, latency: 0, downloadThroughput: -1,
    uploadThroughput: -1 });
}
async function generate() {
  await fillAndGenerate(page, '');
  return (await js(() => Text2.value)).startsWith('【本周运势】第一名：水瓶座');
}

const browser = await launch('chromium');
try {
  page = await newPage(browser);
  cdp = await page.createCDPSession();
  await cdp.send('Network.enable');

  await visit();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const { errors } = await cdp.send('Page.getAppManifest');
  check('installable, with its manifest read, and nothing refused by the page\'s policy',
    [(await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, errors, page.problems], [[], [], []]);
  const [firstCache] = await caches();

  await setOffline(true);
  await visit();
  check('offline: the form, and a generate writes the ranking', [await release(), await generate()], ['Tavelin', true]);
  await setOffline(false);

  host.folder = secondRelease;
  await visit();
  check('a new release: the next visit runs it', [await release(), await generate()], ['Tavelin 2', true]);
  await page.waitForFunction(old => window.caches.keys().then(names => names.length === 1 && names[0] !== old), {},
    firstCache);
  await setOffline(true);
  await visit();
  check('the new release offline too, from one cache', [await release(), await generate(), (await caches()).length],
    ['Tavelin 2', true, 1]);
} catch (error) { // a time-out, a missing element: the rest is not run
  check('the app\'s session runs to its end', String(error), '');
} finally {
  await browser.close();
  server.close();
  rmSync(work, { recursive: true, force: true });
}
finish('app');
