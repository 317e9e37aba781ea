#!/usr/bin/python3
"""One person's session with the page in headless Chromium: typing Chinese,
picking from the lists with the mouse and with the keys, clicking and pressing
Tab as a user does.

usage: session.py tavelin.html
"""

import json, signal, sys, tempfile
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = Path(sys.argv[1]).resolve().as_uri()
FLAGS = ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
         "--disable-component-update --disable-sync").split()
SIGNS = ["水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"]
RANKING = ("【本周运势】第一名：摩羯座  第二名：射手座  第三名：天蝎座  第四名：天秤座  第五名：处女座  第六名：狮子座  "
           "第七名：巨蟹座  第八名：双子座  第九名：金牛座  第十名：白羊座  第十一名：双鱼座  第十二名：水瓶。快来评论\n第二行")
PHONE = {"width": 375, "height": 667, "deviceScaleFactor": 2, "mobile": True}
COMBOS = [f"Combo{rank}" for rank in range(1, 13)]
FOCUS_ORDER = ["Text2", "bt1", "bt2"] + COMBOS + ["Text3", "body", "Text1"]  # the browser's own controls, then back
results = {True: 0, False: 0}


def check(what, got, expected):
    results[got == expected] += 1
    print(f"ok   {what}" if got == expected else f"FAIL {what}:\n  got      {got!r}\n  expected {expected!r}")


def session(driver):
    find = lambda name: driver.find_element(By.ID, name)
    value = lambda name: find(name).get_property("value")
    focused = lambda: driver.switch_to.active_element.get_attribute("id") or driver.switch_to.active_element.tag_name
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)
    driver.get(PAGE)
    WebDriverWait(driver, 20).until(lambda _: focused() == "Text1")
    check("fits a phone", round(driver.execute_script("return MainForm.getBoundingClientRect().width")), 375)

    stops = [driver.switch_to.active_element.send_keys(Keys.TAB) or focused() for _ in FOCUS_ORDER]
    check("Tab walks the 17 stops, leaves the page after the last and wraps", stops, FOCUS_ORDER)
    check("names", [find("Combo1").aria_role, find("Combo1").accessible_name, find("Text2").accessible_name],
          ["combobox", "第一名", "生成的排行榜"])

    find("Text1").send_keys("本周运势")
    for rank in range(1, 11):
        find(f"Combo{rank}").find_element(By.XPATH, "../button").click()
        find(f"Combo{rank}-list").find_elements(By.CSS_SELECTOR, "[role=option]")[12 - rank].click()
    find("Combo11").send_keys(Keys.DOWN * 3)  # opens the list, then 水瓶座, 双鱼座
    check("the list in order; Down moves the highlight", [find("Combo11-list").text.split("\n"),
          find(find("Combo11").get_attribute("aria-activedescendant")).text], [SIGNS, "双鱼座"])
    find("Combo11").send_keys(Keys.ENTER, Keys.ENTER)  # chooses it; then the list is closed
    find("Combo12").send_keys(Keys.BACKSPACE * 6, "水瓶", Keys.ENTER)  # no completion; Enter adds no entry
    find("Text3").send_keys("快来评论", Keys.ENTER, "第二行")
    find("bt1").click()
    check("the ranking", [value("Text2"), len(find("Combo12-list").find_elements(By.TAG_NAME, "li"))], [RANKING, 12])

    find("Text1").send_keys(Keys.BACKSPACE * 4)
    find("bt1").click()
    check("message box", [find("messageBox").text, len(driver.find_elements(By.XPATH, "//dialog//button")), focused()],
          ["Tavelin\n请填写排行榜标题！\n确定", 1, "button"])
    find("messageBox").find_element(By.TAG_NAME, "button").click()
    check("closed; focus back; output kept", [find("messageBox").get_attribute("open"), focused(), value("Text2")],
          [None, "bt1", RANKING])

    find("bt2").click()
    check("reset", [value(name) for name in ["Text1", "Text2", "Text3"] + COMBOS],
          ["", "", "快来评论\n第二行"] + ["-请选择-"] * 12)

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
