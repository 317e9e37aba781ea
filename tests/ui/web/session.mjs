// One person's session with the page, first on a phone, then on a desktop:
// tapping, typing Chinese, composing with an input method, picking from the
// lists with the mouse and with the keys, clicking, scrolling and pressing
// Tab as a user does. axe-core looks at the page on the way. Then the
// pictures that scripts/pictures.sh compares, saved into TAVELIN_PICTURES.
// The same script drives headless Chromium (over CDP) and Firefox (over
// WebDriver BiDi); what only CDP can do (the accessibility tree, input
// methods) runs in Chromium.
//
// usage: TAVELIN_PICTURES=folder node session.mjs chromium|firefox tavelin.html axe.min.js
import { appendFileSync, readFileSync, writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { check as checkIn, fillAndGenerate, finish, launch, newPage } from './driver.mjs';

const [browserName, pagePath, axePath] = process.argv.slice(2);
const PAGE = pathToFileURL(pagePath).href, AXE = readFileSync(axePath, 'utf8');
const chromium = browserName === 'chromium';
const FOCUS_ORDER = ['Text2', 'bt1', 'bt2', ...Array.from({ length: 12 }, (_, i) => `Combo${i + 1}`), 'Text3', 'body', 'Text1'];
// What a phone user could not read or reach: sideways scrolling, a target
// under 44px or with text under 16px, a control out of reading order.
const layoutFaults = () => {
  const faults = document.documentElement.scrollWidth > innerWidth ? ['scrolls sideways'] : [];
  for (const e of MainForm.querySelectorAll('input, textarea, button, li')) {
    const r = e.getBoundingClientRect();
    if (r.width && (r.width < 44 || r.height < 44 || parseFloat(getComputedStyle(e).fontSize) < 16)) faults.push(e.id);
  }
  const boxes = [...MainForm.children].map(e => Object.assign(e.getBoundingClientRect(), { id: e.id || e.firstChild.id }));
  boxes.forEach((b, i) => { const a = boxes[i - 1]; // b below a, or to its right
    if (a && b.top < a.bottom - 1 && b.left < a.right) faults.push('order at ' + b.id); });
  return faults;
};
const TITLE = '排行榜的名字'; // what a screen reader calls the title box
const PHONE = [375, 667, 2, true], DESKTOP = [800, 600, 1, false];
const check = (...args) => checkIn(browserName, ...args);

let page, cdp; // the one page open, and in Chromium its CDP session
const js = (f, ...args) => page.evaluate(f, ...args);
const value = id => js(id => document.getElementById(id).value, id);
const focused = () => js(() => document.activeElement.id || document.activeElement.tagName.toLowerCase());
const isOpen = id => js(id => document.getElementById(id).getAttribute('aria-expanded') === 'true', id);
const options = id => page.$$(`#${id}-list [role=option]`);
const centre = id => js(id => { const r = document.getElementById(id).getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }, id);

// Keys into a field, its caret at the end as after a click: names of keys
// are pressed, other texts typed.
async function keys(id, ...keys) {
  await js(id => { const e = document.getElementById(id); e.focus(); e.setSelectionRange?.(1e9, 1e9); }, id);
  for (const key of keys)
    await (/^[A-Z][a-z]/.test(key) ? page.keyboard.press(key) : page.keyboard.type(key));
}

// Puppeteer sends emulation.setScreenOrientationOverride with every viewport
// over BiDi, which Firefox ESR 140 does not know: there, the viewport alone,
// which that Firefox may apply after it answers.
async function setViewport(width, height, devicePixelRatio) {
  try {
    await page.setViewport({ width, height, deviceScaleFactor: devicePixelRatio });
  } catch (error) {
    if (cdp || !/unknown command/.test(error.message))
      throw error;
    await page.mainFrame().browsingContext.setViewport({ viewport: { width, height }, devicePixelRatio });
    await page.waitForFunction((w, h) => innerWidth === w && innerHeight === h, {}, width, height); // not always at once
  }
}

async function screen(width, height, deviceScaleFactor, phone) { // the layout follows at once, or after a frame
  await setViewport(width, height, deviceScaleFactor);
  if (cdp) { // through puppeteer, a change to or from a phone would reload the page
    await cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile: phone });
    await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: phone, maxTouchPoints: 1 });
  }
  const layout = width >= 501 ? 'window' : 'column'; // 501 px: the window's width
  await page.waitForFunction(l => [undefined, l].includes(document.documentElement.dataset.layout), {}, layout);
}

async function tap(handle, effect) { // the click that a tap becomes may come after the touch events
  const box = await handle.evaluate(e => { e.scrollIntoView({ block: 'center' }); return e.getBoundingClientRect().toJSON(); });
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  await page.waitForFunction(effect);
}

// WCAG 2.2 A and AA. The required mark keeps the pure red of the window,
// whose contrast on the button face no theme of the window changes either.
async function axe() {
  if (!await js(() => window.axe))
    await page.evaluate(AXE); // as the driver's own script, which the page's CSP leaves alone
  return (await js(() => axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa'] })
    .then(r => r.violations.flatMap(v => v.nodes.map(n => v.id + ' ' + n.target.join(' '))))))
    .filter(v => v !== 'color-contrast #Label2');
}

// Each text that the live region is given, in window.announced.
const watchAnnouncements = () => js(() => { window.announced = []; new MutationObserver(changes => announced.push(
  ...changes.map(c => [...c.addedNodes].map(n => n.data).join('')))).observe(announcement, { childList: true }); });

// Until the program has started, the page's head keeps what the user does,
// and the program replays it, in order and once. Here the program is held
// back where the page would start it, after the first paint.
async function earlyEvents() {
  await screen(...DESKTOP);
  const { identifier } = await page.evaluateOnNewDocument(() => Object.defineProperty(window, 'tavelinRun',
    { configurable: true, get: () => () => {}, set: run => { window.startProgram = run; } }));
  await page.goto(PAGE);
  await page.removeScriptToEvaluateOnNewDocument(identifier);
  await keys('Text1', '本周运势');
  for (let rank = 1; rank <= 12; ++rank) // Down would open, then walk from 水瓶座; Enter would pick
    await keys(`Combo${rank}`, ...Array(rank + 1).fill('ArrowDown'), 'Enter');
  await page.click('#bt1');
  await keys('Text3', '快来评论');
  await page.click('#bt2');
  await keys('Text1', '下周'); // after the reset, on the title still shown
  await page.click('#Combo1 + button');
  const state = () => Promise.all([value('Text1'), value('Combo1'), value('Combo12'), value('Text2'), value('Text3'),
    isOpen('Combo1'), js(() => messageBox.open)]);
  check('held back: only the browser\'s typing shows', await state(),
    ['本周运势下周', '-请选择-', '-请选择-', '', '快来评论', false, false]);
  await watchAnnouncements();
  await js(() => startProgram());
  check('started: a ranking of the picks, then the reset; the text typed after it kept; a list opened once',
    [await state(), await focused(), await js(() => announced.filter(a => a).map(a => a.startsWith('【本周运势】第一名：水瓶座')
      && a.includes('第十二名：摩羯座。')))], [['本周运势下周', '-请选择-', '-请选择-', '', '快来评论', true, false], 'Combo1', [true]]);
}

async function session() {
  await screen(...PHONE);
  await page.goto(PAGE);
  await page.waitForFunction(() => document.activeElement.id === 'Text1');
  check('axe, loaded', await axe(), []);
  if (cdp) {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const title = nodes.find(n => n.name?.value === TITLE);
    check('the title box: required, with 必填', [title.description?.value,
      title.properties.find(p => p.name === 'required')?.value.value], ['必填', true]);
  }
  await tap(await page.$('#Combo1 + button'), () => Combo1.getAttribute('aria-expanded') === 'true');
  check('a tap opens the list, with no keyboard', [await isOpen('Combo1'), await focused()], [true, 'button']);
  await screen(320, 568, 2, true); // at 375 px, as the pictures hold it
  check('320 px: one column, 16 px text, 44 px targets', await js(layoutFaults), []);
  check('axe, a list open', await axe(), []);
  await tap((await options('Combo1'))[11], () => Combo1.getAttribute('aria-expanded') !== 'true');
  check('a tap picks', [await value('Combo1'), await isOpen('Combo1')], ['摩羯座', false]);
  await keys('Text1');
  const stops = [];
  for (const _ of FOCUS_ORDER)
    stops.push(await page.keyboard.press('Tab').then(focused));
  // Headless Firefox, with no toolbar past the page, comes back to the
  // page's second stop: the wrap is Chromium's to prove.
  const walked = chromium ? FOCUS_ORDER.length : FOCUS_ORDER.length - 1;
  check('Tab walks the 17 stops, leaves the page after the last and wraps', stops.slice(0, walked), FOCUS_ORDER.slice(0, walked));

  await screen(...DESKTOP);
  await keys('Text1', '本周运势');
  await keys('Combo1', 'ArrowDown');
  const marked = await js(() => document.getElementById(Combo1.getAttribute('aria-activedescendant')).textContent);
  await page.keyboard.press('Escape');
  check('opening marks the field\'s entry; Escape closes', [marked, await isOpen('Combo1')], ['摩羯座', false]);
  for (let rank = 2; rank <= 11; ++rank) // Down opens, then walks from 水瓶座; Enter picks
    await keys(`Combo${rank}`, ...Array(14 - rank).fill('ArrowDown'), ...(rank < 11 ? ['Enter'] : []));
  await (await options('Combo11'))[0].hover(); // 双鱼座 highlighted, 水瓶座 pointed at
  await keys('Combo11', 'ArrowDown');
  check('one highlight for the mouse and the keys', await js(() => [...document.getElementById('Combo11-list').children]
    .filter(o => getComputedStyle(o).backgroundColor !== 'rgba(0, 0, 0, 0)').length), 1);
  await keys('Combo11', 'Enter');
  await keys('Combo12', ...Array(6).fill('Backspace'), 'ArrowDown', 'ArrowDown', '水瓶', 'Enter');
  check('typed after a highlight: Enter keeps it and closes', [await value('Combo12'), await isOpen('Combo12')], ['水瓶', false]);
  if (cdp) {
    await cdp.send('Input.imeSetComposition', { text: 'shui', selectionStart: 4, selectionEnd: 4 });
    await keys('Combo12', 'ArrowDown', 'ArrowDown'); // the input method's own candidates
    check('composing: the list stays closed', await isOpen('Combo12'), false);
  }
  await (cdp ? cdp.send('Input.insertText', { text: '座' }) : keys('Combo12', '座'));
  await keys('Text3', '快来评论');
  for (let line = 2; line <= 40; ++line)
    await keys('Text3', 'Enter', `第${line}行`);
  await watchAnnouncements();
  await page.click('#bt1');
  await page.mouse.move(...await centre('Text2'));
  await page.mouse.wheel({ deltaY: 300 });
  await page.waitForFunction(() => Text2.scrollTop > 0); // the wheel scrolls it, or time-out
  check('a ranking in the output, read out, with no scroll bar', await js(() => [announced[0] === Text2.value,
    Text2.value.endsWith('第40行'), Text2.offsetWidth - Text2.clientWidth]), [true, true, 2]);
  const ranking = await value('Text2');
  await screen(...PHONE);
  check('axe, after a generate', await axe(), []);

  await keys('Text1', ...Array(4).fill('Backspace'));
  await page.click('#bt1');
  check('a message box, its button with the focus', [await focused(), await axe()], ['button', []]);
  if (cdp) {
    const roles = (await cdp.send('Accessibility.getFullAXTree')).nodes.map(n => n.role?.value);
    check('screen readers hear the box with no form in it', ['dialog', 'form'].map(r => roles.filter(o => o === r).length), [1, 0]);
  }
  await js(() => bt2.scrollIntoView({ block: 'center' }));
  await page.mouse.click(...await centre('bt2'));
  check('the box is modal: a click on reset behind it changes nothing', [await js(() => messageBox.open), await value('Combo1')],
    [true, '摩羯座']);
  await page.click('#messageBox button');
  await page.waitForFunction(() => announcement.textContent === '', { timeout: 10000 }); // not read again
  check('closed; focus back; the output as it was, nothing read out', [await js(() => messageBox.open), await focused(),
    await value('Text2'), await js(() => announced)], [false, 'bt1', ranking, [ranking, '']]);

  await js(() => { Text1.value = Text3.value = '长'.repeat(2 ** 21); }); // 4 MiB each: the page's memory must grow
  await page.click('#bt1');
  check('a ranking of texts of 4 MiB', await js(() => Text2.value.length) > 2 ** 22, true);
  check('no request but the page itself', await js(() => performance.getEntriesByType('resource').length), 0);
  check('a clean console', page.problems, []);
}

// Opened, generated (the ranking wraps in the output), a list open and the
// message box, each as <prefix>-<state>.png. The caret is hidden, and where
// forced colours show it all the same, it does not blink; the form is filled
// through the DOM, with no pointer left over it.
// Beside the pictures, where each control is in them (see scripts/pictures.sh).
async function takePictures(prefix, [width, height, scale, phone]) {
  const save = async state => { // a phone's picture as tall as the page
    if (phone)
      await screen(width, await js(() => document.documentElement.scrollHeight), scale, phone);
    await page.screenshot({ path: `${pictures}/${prefix}-${state}.png` });
    const lines = (await js(controlRectangles)).map(rectangle => `${prefix}-${state} ${rectangle.join(' ')}\n`);
    appendFileSync(`${pictures}/controls.list`, lines.join(''));
  };
  await screen(width, height, scale, phone);
  await page.goto(PAGE);
  await page.waitForFunction(() => document.activeElement.id === 'Text1');
  await page.mouse.move(0, 0); // in the page's margin, pointing at nothing
  await js(phone => { // a phone's scroll bars take no room: Chromium's emulated phone has such, Firefox none
    document.documentElement.style.setProperty('caret-color', 'transparent');
    document.documentElement.style.setProperty('caret-animation', 'manual'); // Chromium's; Firefox's is a preference
    if (phone)
      document.documentElement.style.setProperty('scrollbar-width', 'none');
  }, phone);
  await save('opened');
  await fillAndGenerate(page, '快来评论');
  await save('generated');
  await keys('Combo5', 'ArrowDown');
  await save('list');
  await page.keyboard.press('Escape');
  await js(() => { Text1.value = ''; bt1.click(); });
  await save('message');
}

// The page's own rectangles of the form's controls, which in one column are
// not the window's, then of an open list or message box over them, in the
// picture's pixels: left, top, width, height and name.
const controlRectangles = () => {
  const rectangles = [];
  const add = (name, element) => {
    const r = element.getBoundingClientRect(), [left, top] = [r.left, r.top].map(v => Math.floor(v * devicePixelRatio));
    const [right, bottom] = [r.right, r.bottom].map(v => Math.ceil(v * devicePixelRatio));
    if (right > left && bottom > top)
      rectangles.push([left, top, right - left, bottom - top, name]);
  };
  for (const control of MainForm.children) // a combo box is named by its field
    add(control.id || control.firstElementChild?.id || control.tagName.toLowerCase(), control);
  for (const list of document.querySelectorAll('[role=listbox]:not([hidden])'))
    add(`${list.id.replace(/-list$/, '')} list`, list);
  if (messageBox.open)
    add('message box', messageBox);
  return rectangles;
};

// What draws the pictures, for scripts/pictures.sh to keep beside them.
async function noteVersion(browser) {
  if (pictures)
    writeFileSync(`${pictures}/versions.list`, `${chromium ? 'Chromium' : 'Firefox'} ${(await browser.version()).split('/').pop()}\n`);
}

// Forced colours in a browser of their own, held by their pictures (the
// marked entry's text in the list's).
async function run(forced, steps) {
  const browser = await launch(browserName, { forced });
  try {
    await noteVersion(browser);
    page = await newPage(browser);
    cdp = chromium && await page.createCDPSession();
    if (cdp && forced)
      await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
    await steps();
  } catch (error) { // a missing element, a time-out: the rest is not run
    check('the session runs to its end', String(error), '');
  } finally {
    await browser.close();
  }
}

const pictures = process.env.TAVELIN_PICTURES;
await run(false, async () => {
  await session();
  await earlyEvents();
  await takePictures('desktop', [800, 560, 1, false]);
  await takePictures('375', [375, 667, 1, true]);
});
await run(true, () => takePictures('forced', [800, 560, 1, false]));
finish(browserName);
