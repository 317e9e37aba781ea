#!/usr/bin/python3
"""Measures the page: its size, and the time from navigation to an interactive
form in headless Chromium next to a blank page. Writes the section "The page"
of docs/performance.md, after bench/run.py has written the rest.

Run it on a built web preset, with Debian's python3 (it has selenium).
"""

import gzip
import re
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = Path(__file__).resolve().parent.parent
PAGE = ROOT / "build" / "web" / "ui" / "web" / "tavelin.html"
DOC = ROOT / "docs" / "performance.md"
RUNS = 31
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]

# Recorded at the load event: whether the form is there by then. The wasm is
# compiled and run while the page's script runs, so it should be.
AT_LOAD = "addEventListener('load', () => { window.formAtLoad = document.activeElement.id === 'Text1'; });"
TIMES = """const [navigation] = performance.getEntriesByType('navigation');
return [navigation.loadEventEnd, window.formAtLoad === true];"""


def measure(driver, url):
    driver.get(url)
    driver.execute_script("return new Promise(done => setTimeout(done))")  # past the load event
    return driver.execute_script(TIMES)


def run(blank):
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": AT_LOAD})
            samples = {"blank": [], "tavelin": []}
            for _ in range(RUNS):
                samples["blank"].append(measure(driver, blank.as_uri()))
                samples["tavelin"].append(measure(driver, PAGE.as_uri()))
            return samples
        finally:
            driver.quit()


def section(samples):
    if not all(interactive for _, interactive in samples["tavelin"]):
        sys.exit("the form was not there at the load event")
    load = {name: statistics.median(s[0] for s in runs) for name, runs in samples.items()}
    size = PAGE.stat().st_size
    packed = len(gzip.compress(PAGE.read_bytes(), 9))
    chromium = " ".join(subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.split()[:2])
    return (
        "## The page\n\n"
        f"Measured by `bench/web.py` in headless {chromium}, from `file://`: medians of {RUNS} loads of each\n"
        "page, taken in turn in one browser.\n\n"
        "| Figure | Measured (median) | Target | |\n| --- | --- | --- | --- |\n"
        f"| Size of `tavelin.html` | {size / 1000:.0f} KB ({packed / 1000:.0f} KB gzipped) | ≤ 300 KB | "
        f"{'met' if size <= 300_000 else '**missed**'} |\n"
        f"| Navigation to an interactive form (load event) | {load['tavelin']:.1f} ms against "
        f"{load['blank']:.1f} ms for a blank page | | |\n\n"
        "The wasm is compiled synchronously while the page's script runs, and the script builds the form\n"
        "before it returns, so the form is complete and has the focus by the load event (checked on every\n"
        "load).\n")


def main():
    with tempfile.TemporaryDirectory() as folder:
        blank = Path(folder) / "blank.html"
        blank.write_text("<!doctype html><meta charset=utf-8><title>blank</title>\n")
        samples = run(blank)
    text = section(samples)
    print(text)
    doc = DOC.read_text()
    doc = re.sub(r"\n## The page\n.*?(?=\n## |\Z)", "", doc, flags=re.S).rstrip("\n") + "\n\n" + text
    DOC.write_text(doc)
    print(f"wrote {DOC.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
