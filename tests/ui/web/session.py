#!/usr/bin/python3
"""One person's session with the page in headless Chromium, first on a phone,
then on a desktop: tapping, typing Chinese, composing with an input method,
picking from the lists with the mouse and with the keys, clicking, scrolling
and pressing Tab as a user does. axe-core looks at the page on the way.

usage: session.py tavelin.html axe.min.js
"""

import base64, signal, subprocess, sys, tempfile
from pathlib import Path

from selenium import webdriver
from selenium.webdriver import ActionChains
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE, AXE = Path(sys.argv[1]).resolve().as_uri(), Path(sys.argv[2]).read_text()
FLAGS = ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
         "--disable-component-update --disable-sync").split()
FOCUS_ORDER = ["Text2", "bt1", "bt2"] + [f"Combo{rank}" for rank in range(1, 13)] + ["Text3", "body", "Text1"]
# What a phone user could not read or reach: sideways scrolling, a target
# under 44px or with text under 16px, a control out of reading order.
LAYOUT_FAULTS = """const faults = document.documentElement.scrollWidth > innerWidth ? ['scrolls sideways'] : [];
for (const e of MainForm.querySelectorAll('input, textarea, button, li')) { const r = e.getBoundingClientRect();
  if (r.width && (r.width < 44 || r.height < 44 || parseFloat(getComputedStyle(e).fontSize) < 16)) faults.push(e.id); }
const boxes = [...MainForm.children].map(e => Object.assign(e.getBoundingClientRect(), {id: e.id || e.firstChild.id}));
boxes.forEach((b, i) => { const a = boxes[i - 1];  // b below a, or to its right
  if (a && b.top < a.bottom - 1 && b.left < a.right) faults.push('order at ' + b.id); });
return faults;"""
# WCAG 2.2 A and AA. The required mark keeps the pure red of the window,
# whose contrast on the button face no theme of the window changes either.
AXE_RUN = """axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa']})
.then(r => arguments[0](r.violations.flatMap(v => v.nodes.map(n => v.id + ' ' + n.target.join(' ')))))"""
SPREAD = ["convert", "png:-", "-colorspace", "gray", "-format", "%[fx:standard_deviation]", "info:"]
TITLE = "排行榜的名字"  # what a screen reader calls the title box
PHONE, DESKTOP = (375, 667, 2, True), (800, 600, 1, False)
results = {True: 0, False: 0}


def check(what, got, expected):
    results[got == expected] += 1
    print(f"ok   {what}" if got == expected else f"FAIL {what}:\n  got      {got!r}\n  expected {expected!r}")


def session(driver):
    js, cdp = driver.execute_script, driver.execute_cdp_cmd
    find = lambda name: driver.find_element(By.ID, name)
    value = lambda name: find(name).get_property("value")
    focused = lambda: driver.switch_to.active_element.get_attribute("id") or driver.switch_to.active_element.tag_name
    options = lambda name: find(f"{name}-list").find_elements(By.CSS_SELECTOR, "[role=option]")
    active = lambda name: find(find(name).get_attribute("aria-activedescendant"))
    is_open = lambda name: find(name).get_attribute("aria-expanded") == "true"

    def axe():
        js("window.axe || eval(arguments[0])", AXE)  # injected by the driver, past the page's CSP
        return [v for v in driver.execute_async_script(AXE_RUN) if v != "color-contrast #Label2"]

    def screen(width, height, scale, phone):  # the layout follows at once, or after a frame
        cdp("Emulation.setDeviceMetricsOverride", dict(width=width, height=height, deviceScaleFactor=scale,
                                                        mobile=phone))
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 1})
        layouts = (None, "window" if width >= 501 else "column")  # 501 px: the window's width
        WebDriverWait(driver, 5).until(lambda _: js("return document.documentElement.dataset.layout") in layouts)

    def tap(element, effect):  # the click that the tap becomes may come after the touch events
        box = js("arguments[0].scrollIntoView({block: 'center'}); return arguments[0].getBoundingClientRect()", element)
        for kind, points in ("touchStart", [{"x": box["x"] + 20, "y": box["y"] + 20}]), ("touchEnd", []):
            cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        WebDriverWait(driver, 5).until(lambda _: effect())

    screen(*PHONE)
    driver.get(PAGE)
    WebDriverWait(driver, 20).until(lambda _: focused() == "Text1")
    check("axe, loaded", axe(), [])
    title = next(n for n in cdp("Accessibility.getFullAXTree", {})["nodes"] if n.get("name", {}).get("value") == TITLE)
    check("the title box: required, with 必填", [title["description"]["value"], {p["name"]: p["value"]["value"]
          for p in title["properties"]}.get("required")], ["必填", True])
    tap(find("Combo1").find_element(By.XPATH, "../button"), lambda: is_open("Combo1"))
    check("a tap opens the list, with no keyboard", [is_open("Combo1"), focused()], [True, "button"])
    for width in 320, 375:
        screen(width, 568, 2, True)
        check(f"{width} px: one column, 16 px text, 44 px targets", js(LAYOUT_FAULTS), [])
    check("axe, a list open", axe(), [])
    tap(options("Combo1")[11], lambda: not is_open("Combo1"))
    check("a tap picks", [value("Combo1"), is_open("Combo1")], ["摩羯座", False])
    find("Text1").click()
    stops = [driver.switch_to.active_element.send_keys(Keys.TAB) or focused() for _ in FOCUS_ORDER]
    check("Tab walks the 17 stops, leaves the page after the last and wraps", stops, FOCUS_ORDER)

    screen(*DESKTOP)
    find("Text1").send_keys("本周运势")
    find("Combo1").send_keys(Keys.DOWN)
    marked = active("Combo1").text
    find("Combo1").send_keys(Keys.ESCAPE)
    check("opening marks the field's entry; Escape closes", [marked, is_open("Combo1")], ["摩羯座", False])
    for rank in range(2, 12):  # Down opens, then walks from 水瓶座; Enter picks
        find(f"Combo{rank}").send_keys(Keys.DOWN * (14 - rank), *[Keys.ENTER] * (rank < 11))
    ActionChains(driver).move_to_element(options("Combo11")[0]).perform()  # 双鱼座 highlighted, 水瓶座 pointed at
    find("Combo11").send_keys(Keys.DOWN)
    check("one highlight for the mouse and the keys", len(js("return [...arguments[0].children].filter("
          "o => getComputedStyle(o).backgroundColor != 'rgba(0, 0, 0, 0)')", find("Combo11-list"))), 1)
    cdp("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
    text = js("const r = new Range(); r.selectNodeContents(arguments[0]); return r.getBoundingClientRect()",
              active("Combo11"))
    shot = base64.b64decode(cdp("Page.captureScreenshot", {"clip": dict(text, scale=1)})["data"])
    cdp("Emulation.setEmulatedMedia", {"features": []})
    spread = subprocess.run(SPREAD, input=shot, capture_output=True).stdout  # 0.06 for text in its background colour
    check("the highlighted option's text shows in forced colours", float(spread) > 0.15, True)
    find("Combo11").send_keys(Keys.ENTER)
    find("Combo12").send_keys(Keys.BACKSPACE * 6, Keys.DOWN, Keys.DOWN, "水瓶", Keys.ENTER)
    check("typed after a highlight: Enter keeps it and closes", [value("Combo12"), is_open("Combo12")], ["水瓶", False])
    cdp("Input.imeSetComposition", {"text": "shui", "selectionStart": 4, "selectionEnd": 4})
    find("Combo12").send_keys(Keys.DOWN, Keys.DOWN)  # the input method's own candidates
    check("composing: the list stays closed", is_open("Combo12"), False)
    cdp("Input.insertText", {"text": "座"})
    find("Text3").send_keys("快来评论", *[Keys.ENTER + f"第{line}行" for line in range(2, 41)])
    js("window.announced = []; new MutationObserver(() => announced.push(announcement.textContent))"
       ".observe(announcement, {childList: true, characterData: true, subtree: true})")
    find("bt1").click()
    ActionChains(driver).scroll_from_origin(ScrollOrigin.from_element(find("Text2")), 0, 300).perform()
    WebDriverWait(driver, 5).until(lambda _: js("return Text2.scrollTop > 0"))  # the wheel scrolls it, or time-out
    check("a ranking in the output, read out, with no scroll bar", js("return [announced[0] == Text2.value,"
          "Text2.value.endsWith('第40行'), Text2.offsetWidth - Text2.clientWidth]"), [True, True, 2])
    ranking = value("Text2")
    screen(*PHONE)
    check("axe, after a generate", axe(), [])

    find("Text1").send_keys(Keys.BACKSPACE * 4)
    find("bt1").click()
    check("a message box, with one button and the focus", [len(driver.find_elements(By.XPATH, "//dialog//button")),
          focused(), axe()], [1, "button", []])
    roles = [node.get("role", {}).get("value") for node in cdp("Accessibility.getFullAXTree", {})["nodes"]]
    check("screen readers hear the box with no form in it", [roles.count("dialog"), roles.count("form")], [1, 0])
    js("bt2.scrollIntoView({block: 'center'})")
    ActionChains(driver).move_to_element(find("bt2")).click().perform()
    check("the box is modal: a click on reset behind it changes nothing",
          [find("messageBox").get_attribute("open"), value("Combo1")], ["true", "摩羯座"])
    find("messageBox").find_element(By.TAG_NAME, "button").click()
    WebDriverWait(driver, 10).until(lambda _: js("return announcement.textContent == ''"))  # not read again
    check("closed; focus back; the custom text added, not read out", [find("messageBox").get_attribute("open"),
          focused(), value("Text2").startswith(ranking), js("return announced")], [None, "bt1", True, [ranking, ""]])

    js("Text1.value = Text3.value = '长'.repeat(2 ** 21)")  # 4 MiB each: the page's memory must grow
    find("bt1").click()
    check("a ranking of texts of 4 MiB", js("return Text2.value.length") > 2 ** 22, True)
    check("no request but the page itself", js("return performance.getEntriesByType('resource').length"), 0)
    check("a clean console", driver.get_log("browser"), [])


def main():
    signal.signal(signal.SIGALRM, signal.default_int_handler)  # a hung session ends as if by Ctrl+C
    signal.alarm(100)
    options = webdriver.ChromeOptions()
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    with tempfile.TemporaryDirectory(prefix="tavelin-web-") as profile:
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            session(driver)
        except (Exception, KeyboardInterrupt) as error:  # a missing element, a time-out: the rest is not run
            check("the session runs to its end", repr(error), "")
        finally:
            driver.quit()  # ends Chromium and chromedriver
    print(f"{results[True]} passed, {results[False]} failed")
    return 1 if results[False] else 0


sys.exit(main())
