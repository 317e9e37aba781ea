#!/usr/bin/python3
"""One person's session with the page in headless Chromium, first on a phone,
then on a desktop: tapping, typing Chinese, composing with an input method,
picking from the lists with the mouse and with the keys, clicking, scrolling
and pressing Tab as a user does. axe-core looks at the page on the way.

usage: session.py tavelin.html axe.min.js
"""

import json, signal, subprocess, sys, tempfile
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
COMBOS = [f"Combo{rank}" for rank in range(1, 13)]
FOCUS_ORDER = ["Text2", "bt1", "bt2"] + COMBOS + ["Text3", "body", "Text1"]  # the browser's own controls, then back
# What a phone user could not read or reach: sideways scrolling, text under
# 16px in a field, a target under 44px, a control out of reading order.
LAYOUT_FAULTS = """const page = document.documentElement, form = MainForm, faults = [];
if (page.scrollWidth > page.clientWidth) faults.push('scrolls sideways');
for (const e of form.querySelectorAll('input, textarea'))
  if (parseFloat(getComputedStyle(e).fontSize) < 16) faults.push(e.id + ' text');
for (const e of form.querySelectorAll('input, textarea, button, li')) {
  const r = e.getBoundingClientRect();
  if (r.width && (r.width < 44 || r.height < 44)) faults.push((e.id || e.textContent) + ' target');
}
const boxes = [...form.children].map(e => Object.assign(e.getBoundingClientRect().toJSON(), {id: e.id || e.firstChild.id}));
boxes.forEach((b, i) => { const a = boxes[i - 1];
  if (a && b.top < a.bottom - 1 && b.left < a.right) faults.push('order at ' + b.id); });
return faults;"""
# Where the window fits, every control stands where it stands in the window.
MISPLACED = """const px = (e, name) => parseFloat(e.style.getPropertyValue(name));
return [...MainForm.children].filter(e => e.offsetLeft != px(e, '--left') || e.offsetTop != px(e, '--top')
  || e.offsetWidth != px(e, '--width') || e.offsetHeight != px(e, '--height')).map(e => e.id || e.firstChild.id);"""
# WCAG 2.2 A and AA. The required mark keeps the pure red of the window,
# whose contrast on the button face no theme of the window changes either.
AXE_RUN = """axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa']})
.then(r => arguments[0](r.violations.flatMap(v => v.nodes.map(n => v.id + ' ' + n.target.join(' ')))))"""
PHONE, DESKTOP = (375, 667, 2, True), (800, 600, 1, False)
results = {True: 0, False: 0}


def check(what, got, expected):
    results[got == expected] += 1
    print(f"ok   {what}" if got == expected else f"FAIL {what}:\n  got      {got!r}\n  expected {expected!r}")


def session(driver):
    find = lambda name: driver.find_element(By.ID, name)
    value = lambda name: find(name).get_property("value")
    focused = lambda: driver.switch_to.active_element.get_attribute("id") or driver.switch_to.active_element.tag_name
    cdp = driver.execute_cdp_cmd
    options = lambda name: find(f"{name}-list").find_elements(By.CSS_SELECTOR, "[role=option]")
    active = lambda name: find(name).get_attribute("aria-activedescendant")
    is_open = lambda name: find(name).get_attribute("aria-expanded") == "true"

    def axe():
        driver.execute_script("window.axe || eval(arguments[0])", AXE)  # injected by the driver, past the page's CSP
        return [v for v in driver.execute_async_script(AXE_RUN) if v != "color-contrast #Label2"]

    def screen(width, height, scale, phone):
        cdp("Emulation.setDeviceMetricsOverride", {"width": width, "height": height, "deviceScaleFactor": scale,
                                                   "mobile": phone})
        cdp("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 1})
        layout = "window" if width >= 501 else "column"  # the window's width
        WebDriverWait(driver, 5).until(lambda _: driver.execute_script("return document.documentElement.dataset.layout")
                                       in (layout, None))

    def tap(element):
        box = driver.execute_script("arguments[0].scrollIntoView({block: 'center'});"
                                    "return arguments[0].getBoundingClientRect().toJSON()", element)
        point = [{"x": box["x"] + box["width"] / 2, "y": box["y"] + box["height"] / 2}]
        cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
        cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    screen(*PHONE)
    driver.get(PAGE)
    WebDriverWait(driver, 20).until(lambda _: focused() == "Text1")
    check("axe, loaded", axe(), [])
    title = next(n for n in cdp("Accessibility.getFullAXTree", {})["nodes"] if n.get("name", {}).get("value") == "排行榜的名字")
    check("the title box is required, with 必填", [title["description"]["value"], {"name": "required", "value": {
          "type": "boolean", "value": True}} in title["properties"]], ["必填", True])

    tap(find("Combo1").find_element(By.XPATH, "../button"))
    check("a tap opens the list, with no keyboard", [is_open("Combo1"), driver.switch_to.active_element.tag_name],
          [True, "button"])
    check("375 px: one column, 16 px text, 44 px targets", driver.execute_script(LAYOUT_FAULTS), [])
    check("axe, a list open", axe(), [])
    tap(options("Combo1")[11])
    check("a tap picks", [value("Combo1"), is_open("Combo1")], ["摩羯座", False])
    screen(320, 568, 2, True)
    check("320 px: one column, 16 px text, 44 px targets", driver.execute_script(LAYOUT_FAULTS), [])
    find("Text1").click()
    stops = [driver.switch_to.active_element.send_keys(Keys.TAB) or focused() for _ in FOCUS_ORDER]
    check("Tab walks the 17 stops, leaves the page after the last and wraps", stops, FOCUS_ORDER)

    screen(501, 600, 1, False)
    check("501 px: the window's geometry", driver.execute_script(MISPLACED), [])
    screen(*DESKTOP)
    find("Text1").send_keys("本周运势")
    find("Combo1").send_keys(Keys.DOWN)
    check("opening marks the field's entry", find(active("Combo1")).text, "摩羯座")
    find("Combo1").send_keys(Keys.ESCAPE)
    check("Escape closes", is_open("Combo1"), False)
    for rank in range(2, 12):  # Down opens, then walks from 水瓶座; Enter picks
        find(f"Combo{rank}").send_keys(Keys.DOWN * (14 - rank), *[Keys.ENTER] * (rank < 11))
    ActionChains(driver).move_to_element(options("Combo11")[0]).perform()  # 双鱼座 highlighted, 水瓶座 pointed at
    find("Combo11").send_keys(Keys.DOWN)
    check("one highlight for the mouse and the keys", len(driver.execute_script(
          "return [...arguments[0].children].filter(o => getComputedStyle(o).backgroundColor != 'rgba(0, 0, 0, 0)')",
          find("Combo11-list"))), 1)
    cdp("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
    shot = find(active("Combo11")).screenshot_as_png
    cdp("Emulation.setEmulatedMedia", {"features": []})
    spread = subprocess.run(["convert", "png:-", "-colorspace", "gray", "-format", "%[fx:standard_deviation]",
                             "info:"], input=shot, capture_output=True).stdout
    check("the highlighted option shows in forced colours", float(spread) > 0.1, True)
    find("Combo11").send_keys(Keys.ENTER)
    find("Combo12").send_keys(Keys.BACKSPACE * 6, Keys.DOWN, Keys.DOWN, "水瓶", Keys.ENTER)
    check("typed after a highlight: Enter keeps it and closes", [value("Combo12"), is_open("Combo12")], ["水瓶", False])
    cdp("Input.imeSetComposition", {"text": "shui", "selectionStart": 4, "selectionEnd": 4})
    find("Combo12").send_keys(Keys.DOWN, Keys.DOWN)  # the input method's own candidates
    check("composing: the list stays closed", is_open("Combo12"), False)
    cdp("Input.insertText", {"text": "座"})
    find("Text3").send_keys("快来评论", *[Keys.ENTER + f"第{line}行" for line in range(2, 41)])
    find("bt1").click()
    ActionChains(driver).scroll_from_origin(ScrollOrigin.from_element(find("Text2")), 0, 300).perform()
    check("a ranking in the output, read out, scrolled by the wheel, with no scroll bar",
          driver.execute_script("return [announcement.textContent == Text2.value, Text2.value.endsWith('第40行'), "
                                "Text2.scrollTop > 0, Text2.offsetWidth - Text2.clientWidth]"), [True, True, True, 2])
    ranking = value("Text2")
    screen(*PHONE)
    check("axe, after a generate", axe(), [])

    find("Text1").send_keys(Keys.BACKSPACE * 4)
    find("bt1").click()
    check("message box", [len(driver.find_elements(By.XPATH, "//dialog//button")), focused()], [1, "button"])
    check("axe, the box open", axe(), [])
    driver.execute_script("bt2.scrollIntoView({block: 'center'})")
    ActionChains(driver).move_to_element(find("bt2")).click().perform()
    check("the box is modal: a click on reset behind it changes nothing",
          [find("messageBox").get_attribute("open"), value("Combo1")], ["true", "摩羯座"])
    find("messageBox").find_element(By.TAG_NAME, "button").click()
    check("closed; focus back; the custom text added, not read out",
          [find("messageBox").get_attribute("open"), focused(), value("Text2").startswith(ranking),
           find("announcement").get_property("textContent")], [None, "bt1", True, ranking])

    find("bt2").click()
    check("reset", [value(name) for name in ["Text1", "Text2"] + COMBOS], ["", ""] + ["-请选择-"] * 12)

    events = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    requests = [e["params"]["request"]["url"] for e in events
                if e["method"] == "Network.requestWillBeSent" and e["params"].get("documentURL") == PAGE]
    check("no request but the page itself", requests, [PAGE])
    check("a clean console", driver.get_log("browser"), [])


def main():
    signal.signal(signal.SIGALRM, signal.default_int_handler)  # a hung session ends as if by Ctrl+C
    signal.alarm(100)
    options = webdriver.ChromeOptions()
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
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
