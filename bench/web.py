#!/usr/bin/python3
"""Measures the page as a user meets it, in headless Chromium, against two
references: a blank page, and the floor, which is the page's own form with
its style sheet and no script, what any page showing this form costs.

For each: the first contentful paint; the moment a click on 生成排行榜 is
first kept (the button is there and a listener on it or on the document
takes its clicks: the page's head keeps them until its program has
started); the moment such a click first runs its handler (after every load
a click checks that it works); the load event; and the bytes, raw and
gzipped. The pages are loaded in turn, in one browser, and again with the
CPU slowed down 4 times, as a phone's would be; one cold load of each is
taken in a browser of its own.

Writes the section "The page" of docs/performance.md, after bench/run.py has
written the rest. Run it on a built web preset, with Debian's python3 (it has
selenium).

usage: web.py [--before OLD-tavelin.html] [--runs N]
  --before  also measures an earlier build of the page, in turn with the rest
"""

import argparse
import gzip
import re
import statistics
import subprocess
import tempfile
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = Path(__file__).resolve().parent.parent
PAGE = ROOT / "build" / "web" / "ui" / "web" / "tavelin.html"
DOC = ROOT / "docs" / "performance.md"
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
SLOWDOWN = 4

# The moments a click on 生成排行榜 is first kept and first handled. The
# page's head keeps clicks with tavelinEarly.record until the program adds
# its own listener; an earlier page had only the program's. Noted too:
# whether the button was there, and could have been painted, with no
# listener at all.
WATCH_CLICKS = """let kept = false;
const mark = () => {
  if (window.kept !== undefined || !document.getElementById('bt1')) return;
  if (kept) window.kept = performance.now(); else window.unkept = true;
};
const add = EventTarget.prototype.addEventListener;
EventTarget.prototype.addEventListener = function (type, listener, ...rest) {
  add.call(this, type, listener, ...rest);
  if (type !== 'click' || (this !== document && this.id !== 'bt1')) return;
  kept = true;
  mark();
  if (listener !== window.tavelinEarly?.record && window.handled === undefined) {
    window.handled = performance.now();
    window.whenHandled?.();
  }
};
new MutationObserver(mark).observe(document, {childList: true, subtree: true});"""
# First contentful paint (none on a blank page), the click kept and handled,
# the load event, whether a click on 生成排行榜, once handled, opens the
# message box, and whether the button was ever there with no listener.
TIMES = """const done = arguments[0];
const paints = () => performance.getEntriesByName('first-contentful-paint');
const report = () => {
  const bt1 = document.getElementById('bt1'), box = document.getElementById('messageBox');
  let works = null;
  if (bt1 && window.handled !== undefined) { bt1.click(); works = box.open; box.close(); }
  done([paints().length ? paints()[0].startTime : null, window.kept ?? null, window.handled ?? null,
        performance.getEntriesByType('navigation')[0].loadEventStart, works, window.unkept === true]);
};
const whenReady = () => {
  if (!document.getElementById('bt1') || !document.scripts.length || window.handled !== undefined) setTimeout(report);
  else window.whenHandled = () => setTimeout(report);
};
if (paints().length || !document.body.firstElementChild) whenReady();
else new PerformanceObserver(() => paints().length && whenReady()).observe({type: 'paint', buffered: true});"""
FIGURES = ["first contentful paint", "click kept", "click handled", "load event"]


def browser(profile):
    options = webdriver.ChromeOptions()
    for flag in FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_CLICKS})
    return driver


def load(driver, page):
    driver.get(page.as_uri())
    return driver.execute_async_script(TIMES)


def interleaved(pages, runs, slowdown):
    samples = {name: [] for name in pages}
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slowdown})
            for page in pages.values():  # once each first, so that no run is the browser's first
                load(driver, page)
            for _ in range(runs):
                for name, page in pages.items():
                    samples[name].append(load(driver, page))
        finally:
            driver.quit()
    return samples


def cold(pages):
    """One load of each page, each in a new browser."""
    samples = {}
    for name, page in pages.items():
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(profile)
            try:
                samples[name] = [load(driver, page)]
            finally:
                driver.quit()
    return samples


def check_clicks(samples):
    for name, runs in samples.items():
        if any(run[4] is False for run in runs):
            raise SystemExit(f"{name}: a click on 生成排行榜 did not open the message box")


def median_and_spread(values):
    """The median, and the middle half of the values around it."""
    values = [v for v in values if v is not None]
    if not values:
        return "—"
    if len(values) < 4:
        return f"{statistics.median(values):.1f}"
    low, _, high = statistics.quantiles(values, n=4)
    return f"{statistics.median(values):.1f} ({low:.1f}–{high:.1f})"


def median(samples, name, figure):
    values = [run[figure] for run in samples[name] if run[figure] is not None]
    return statistics.median(values) if values else None


def timing_table(samples, floor_paint):
    rows = ["| | first contentful paint (ms) | click kept (ms) | click handled (ms) | load event (ms) | paint ÷ floor |",
            "| --- | --- | --- | --- | --- | --- |"]
    for name in samples:
        cells = [median_and_spread([run[i] for run in samples[name]]) for i in range(4)]
        paint = median(samples, name, 0)
        ratio = f"{paint / floor_paint:.2f} ×" if paint and floor_paint else "—"
        rows.append(f"| {name} | {' | '.join(cells)} | {ratio} |")
    return "\n".join(rows)


# Targets: the first paint, at full speed and slowed down, against the floor.
PAINT_TARGETS = {1: 1.05, SLOWDOWN: 1.10}


def paint_verdict(samples, page_name, slowdown):
    ratio = median(samples, page_name, 0) / median(samples, "the floor", 0)
    target = PAINT_TARGETS[slowdown]
    speed = "at full speed" if slowdown == 1 else f"at {slowdown} × CPU slowdown"
    return f"- first paint {speed} {ratio:.2f} × the floor (target ≤ {target:.2f} ×): " + \
        ("met" if ratio <= target else "**missed**")


def verdicts(warm, slow, page_name, size):
    kept, handled = median(warm, page_name, 1), median(warm, page_name, 2)
    unkept = sum(1 for run in warm[page_name] + slow[page_name] if run[5] or run[1] is None)
    loads = len(warm[page_name]) + len(slow[page_name])
    return (paint_verdict(warm, page_name, 1) + ";\n" + paint_verdict(slow, page_name, SLOWDOWN) + ";\n"
            f"- a click on 生成排行榜 kept at {kept:.1f} ms and handled at {handled:.1f} ms; it was kept from "
            f"before the button was there in {loads - unkept} of {loads} loads, so no click on it could be lost: "
            f"{'met' if unkept == 0 else '**missed**'};\n"
            f"- {size:,} bytes (target ≤ 70,000): {'met' if size <= 70_000 else '**missed**'}.\n")


def sizes(pages):
    rows = ["| | bytes | gzipped |", "| --- | --- | --- |"]
    for name, page in pages.items():
        data = page.read_bytes()
        rows.append(f"| {name} | {len(data):,} | {len(gzip.compress(data, 9)):,} |")
    return "\n".join(rows)


def floor_of(page, folder):
    """The page without its script: the form as the page shows it once ready."""
    floor = Path(folder) / "floor.html"
    html = page.read_text(encoding="utf-8")
    floor.write_text(re.sub(r"<script>.*?</script>", "", html, flags=re.S), encoding="utf-8")
    return floor


def section(pages, warm, slow, first, runs):
    chromium = " ".join(subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.split()[:2])
    return (
        "## The page\n\n"
        f"Measured by `bench/web.py` in headless {chromium}, from `file://`. Each page was loaded in turn\n"
        f"with the others, {runs} times, in one browser; the tables give the median and, in brackets, the\n"
        "middle half of the loads, in ms from the start of navigation. The floor is the page's form with its\n"
        "style sheet and no script. A click on 生成排行榜 is kept from the moment the button is there and\n"
        "the page's head keeps its clicks, and handled from the moment the program listens for them (it\n"
        "then replays the kept ones); after every load a click on it must open the message box. Chromium\n"
        "gives the paint times in steps of 4 ms, so whether a click could be lost is judged by the order of\n"
        "events: was the button ever in the document, where it can be painted, with nothing to take its\n"
        "clicks?\n\n"
        + verdicts(warm, slow, "tavelin.html", PAGE.stat().st_size) + "\n"
        + timing_table(warm, median(warm, "the floor", 0)) + "\n\n"
        f"With the CPU slowed down {SLOWDOWN} times (`Emulation.setCPUThrottlingRate`), as on a phone:\n\n"
        + timing_table(slow, median(slow, "the floor", 0)) + "\n\n"
        "One cold load of each, in a new browser:\n\n"
        + timing_table(first, median(first, "the floor", 0)) + "\n\n"
        + sizes({name: page for name, page in pages.items() if name != "blank page"}) + "\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--before", type=Path, help="an earlier build of tavelin.html, measured alongside")
    parser.add_argument("--runs", type=int, default=41)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        blank = Path(folder) / "blank.html"
        blank.write_text("<!doctype html><meta charset=utf-8><title>blank</title>\n")
        pages = {"blank page": blank, "the floor": floor_of(PAGE, folder), "tavelin.html": PAGE}
        if args.before:
            pages["tavelin.html before"] = args.before.resolve()
        warm = interleaved(pages, args.runs, 1)
        slow = interleaved(pages, args.runs, SLOWDOWN)
        first = cold(pages)
        for samples in warm, slow, first:
            check_clicks(samples)
        text = section(pages, warm, slow, first, args.runs)
    print(text)
    doc = DOC.read_text()
    doc = re.sub(r"\n## The page\n.*?(?=\n## |\Z)", "", doc, flags=re.S).rstrip("\n") + "\n\n" + text
    DOC.write_text(doc)
    print(f"wrote {DOC.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
