// What the page's test scripts share: their checks and how they start and
// drive a browser. TAVELIN_CHROMIUM and TAVELIN_FIREFOX name other builds of
// the browsers than Debian's.
import { setTimeout as sleep } from 'node:timers/promises';
import puppeteer from 'puppeteer-core';

export const results = { passed: 0, failed: 0 };

export function check(label, what, got, expected) {
  const ok = JSON.stringify(got) === JSON.stringify(expected);
  results[ok ? 'passed' : 'failed']++;
  console.log(ok ? `ok   ${label}: ${what}`
    : `FAIL ${label}: ${what}:\n  got      ${JSON.stringify(got)}\n  expected ${JSON.stringify(expected)}`);
}

export function finish(label) {
  console.log(`${label}: ${results.passed} passed, ${results.failed} failed`);
  process.exit(results.failed ? 1 : 0);
}

// Firefox takes forced colours from a preference only. Its caret does not
// blink, so that a picture does not depend on when it is taken.
export function launch(browserName, { forced = false } = {}) {
  const { TAVELIN_CHROMIUM = '/usr/bin/chromium', TAVELIN_FIREFOX = '/usr/bin/firefox-esr' } = process.env;
  return puppeteer.launch(browserName === 'chromium'
    ? { browser: 'chrome', executablePath: TAVELIN_CHROMIUM, headless: true, args: ['--no-sandbox', '--disable-gpu',
        '--disable-quic', '--disable-background-networking', '--disable-component-update', '--disable-sync'] }
    : { browser: 'firefox', executablePath: TAVELIN_FIREFOX, headless: true,
        extraPrefsFirefox: { 'ui.caretBlinkTime': 0, ...forced && { 'browser.display.document_color_use': 2 } } });
}

// Puppeteer's waitForFunction makes its predicate with new Function inside
// the page, which the page's CSP forbids and Firefox ESR 140 refuses: the
// page's own state is polled from here instead, by the driver's own script.
// What the page says on its console and its uncaught errors go to problems.
export async function newPage(browser) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', message => page.problems.push(message.text()));
  page.on('pageerror', error => page.problems.push(error.message));
  page.waitForFunction = async (predicate, { timeout = 30000 } = {}, ...args) => {
    for (const end = Date.now() + timeout; !await page.evaluate(predicate, ...args); await sleep(20))
      if (Date.now() > end)
        throw new Error(`Waiting failed: ${timeout}ms exceeded for ${predicate}`);
  };
  return page;
}

// Fills the form through the DOM, each place with its rank's entry, and generates.
export const fillAndGenerate = (page, custom) => page.evaluate(custom => {
  Text1.value = '本周运势';
  for (let rank = 1; rank <= 12; ++rank)
    document.getElementById(`Combo${rank}`).value = document.getElementById(`Combo${rank}-list`).children[rank - 1].textContent;
  Text3.value = custom;
  bt1.click();
}, custom);
