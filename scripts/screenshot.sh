#!/usr/bin/env bash
# Opens Tavelin under a virtual X server and saves a picture of its window.
#   scripts/screenshot.sh [output.png] [scale]     the Qt build, at QT_SCALE_FACTOR=scale
#   scripts/screenshot.sh --windows [output.png] [dpi]   Tavelin.exe under Wine at dpi (96, 144...)
#   scripts/screenshot.sh --windows-moved [output.png]   the window under Wine at 144 dpi after a
#                                                   simulated move from a 96 dpi screen
#   scripts/screenshot.sh --web [output-prefix]      the page in headless Chromium: at a
#                                                   desktop size, 375 px wide as on a phone,
#                                                   and in forced colours with a list open
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --web ]; then
    page=build/web/ui/web/tavelin.html
    prefix=$(realpath -m "${2:-docs/tavelin-web}")
    [ -e "$page" ] || { cmake --preset web >/dev/null && cmake --build --preset web; }
    mkdir -p "$(dirname "$prefix")"
    # On its own, so that none of the browser's helpers outlives it.
    scripts/isolated.sh /usr/bin/python3 - "$(realpath "$page")" "$prefix" <<'EOF'
import sys, tempfile
from pathlib import Path
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

page, prefix = Path(sys.argv[1]).as_uri(), sys.argv[2]
# width, height, device pixels per CSS pixel, phone, forced colours; a phone's
# picture is as tall as the page.
screens = {"": (800, 560, 1, False, False), "-375": (375, 667, 2, True, False), "-forced": (800, 560, 1, False, True)}
with tempfile.TemporaryDirectory() as profile:
    options = webdriver.ChromeOptions()
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--hide-scrollbars",
                 "--disable-background-networking", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        for suffix, (width, height, scale, mobile, forced) in screens.items():
            metrics = {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile}
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                   {"features": [{"name": "forced-colors", "value": "active" if forced else "none"}]})
            driver.get(page)
            WebDriverWait(driver, 20).until(lambda d: d.execute_script("return !!document.getElementById('bt1')"))
            if mobile:
                metrics["height"] = driver.execute_script("return document.documentElement.scrollHeight")
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
            if forced:  # an open list with a highlighted option, in a focused field
                driver.find_element(By.ID, "Combo2").send_keys(Keys.DOWN, Keys.DOWN, Keys.DOWN)
            driver.save_screenshot(f"{prefix}{suffix}.png")
            print(f"saved {prefix}{suffix}.png")
    finally:
        driver.quit()
EOF
    exit
fi

if [ "${1:-}" = --windows ]; then
    shift
    preset=windows
    program=build/windows/app/Tavelin.exe
    run=(env TAVELIN_DPI="${2:-96}" scripts/wine-run.sh "$PWD/build/windows/wineprefix" "$program")
    default_output=docs/tavelin-windows.png
elif [ "${1:-}" = --windows-moved ]; then
    shift
    preset=windows
    program=build/windows/tests/ui/win32/win32_tests.exe
    run=(env TAVELIN_DPI=96 TAVELIN_HOLD_WINDOW=1 scripts/wine-run.sh "$PWD/build/windows/wineprefix" "$program"
        --gtest_filter=DpiPaths.MovedFrom96To144Dpi)
    default_output=docs/tavelin-windows-150.png
    export moved_width=752 # the client area at 144 dpi: the move is done
else
    preset=release
    program=build/release/app/tavelin
    run=(env QT_SCALE_FACTOR="${2:-1}" "$program")
    default_output=docs/tavelin.png
fi
output=$(realpath -m "${1:-$default_output}")
[ -e "$program" ] || { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }
mkdir -p "$(dirname "$output")"

scripts/isolated.sh bash -c '
    output=$1
    shift
    "$@" & program=$!
    id=
    for _ in $(seq 200); do
        id=$(xwininfo -name Tavelin 2>/dev/null | awk "/Window id:/ {print \$4}") && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "no Tavelin window appeared" >&2; kill "$program"; exit 1; }
    for _ in $(seq 200); do
        [ -z "${moved_width:-}" ] || xwininfo -id "$id" | grep -q "Width: $moved_width\$" && break
        sleep 0.1
    done
    sleep 1
    import -window "$id" "$output"
    kill "$program"
' _ "$output" "${run[@]}"
echo "saved $output"
