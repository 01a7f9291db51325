#!/usr/bin/python3
"""Checks the live page in a real browser against a running caller, by hand or before a release.

Starts an X server of its own, Kavelo with --serve on a loopback-only check, and headless
Chromium at a phone's size (390 x 844) through Selenium; draws numbers with the caller's keys
and checks that each reaches the page, that "my sheet" marks it, and that a dropped connection
comes back with the state. Screenshots go to the folder given (default /tmp/live-page).

usage: scripts/check-live-page.py PROGRAM_DIR [SHOT_DIR]
needs: xvfb xdotool chromium chromium-driver python3-selenium
"""
import os
import subprocess
import sys
import tempfile
import atexit
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

program_dir = sys.argv[1]
shots = sys.argv[2] if len(sys.argv) > 2 else "/tmp/live-page"
os.makedirs(shots, exist_ok=True)
port = 18765
# Seed 4711 and the default top number 50 make set 2222-E7HD5; sheet 7 is 18 39 24 07 43 / ...
code, sheet = "2222-E7HD5", "7"
started = []
atexit.register(lambda: [process.terminate() for process in reversed(started)])


def fail(why):
    print("FAIL:", why, file=sys.stderr)
    sys.exit(1)


def wait_for(seconds, check, why):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = check()
        if value:
            return value
        time.sleep(0.1)
    fail(why)


work = tempfile.mkdtemp(prefix="live-page-")
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0",
                         "1280x900x24", "-nolisten", "tcp"], pass_fds=[write_end],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
started.append(xvfb)
os.close(write_end)
display = ":" + os.read(read_end, 16).decode().strip()
env = dict(os.environ, DISPLAY=display, XDG_STATE_HOME=os.path.join(work, "state"))
caller = subprocess.Popen(["./Kavelo", "--serve", "--port", str(port), "--seed", "4711"],
                          cwd=program_dir, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
started.append(caller)


def caller_window():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^BINGO"], env=env,
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def key(name):
    subprocess.run(["xdotool", "windowfocus", "--sync", wait_for(10, caller_window, "no window"),
                    "key", name], env=env, check=True)


window = wait_for(20, caller_window, "the caller's window did not appear")


def title():
    return subprocess.run(["xdotool", "getwindowname", window], env=env, capture_output=True,
                          text=True).stdout.strip()


# The server starts once the window is up, and the title names it then.
wait_for(10, lambda: "公開中 http://" in title() and f":{port}/" in title(),
         "the title does not show the address: " + title())
print("caller title:", title())


def browser(language):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=390,844",
                     "--lang=" + language, "--hide-scrollbars"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                              options=options)
    driver.set_window_size(390, 844)
    return driver


def text(driver, element):
    return driver.find_element(By.ID, element).text


def draw():
    key("space")
    time.sleep(1.2)
    key("space")


phone = browser("ja")
phone.get(f"http://127.0.0.1:{port}/")
wait_for(10, lambda: "live" in phone.find_element(By.ID, "conn").get_attribute("class"),
         "the page did not connect")
if text(phone, "state") != "スタートを待っています":
    fail("waiting state not shown: " + text(phone, "state"))
phone.find_element(By.ID, "code").send_keys(code.lower())
phone.find_element(By.ID, "number").send_keys(sheet)
phone.find_element(By.ID, "show").click()
wait_for(10, lambda: phone.find_element(By.ID, "sheetBox").is_displayed(), "no sheet shown")
phone.save_screenshot(os.path.join(shots, "waiting.png"))

seen = []
for draw_number in range(8):
    before = text(phone, "count")
    draw()
    wait_for(10, lambda: text(phone, "count") != before, "the drawn number did not reach the page")
    latest = text(phone, "latest")
    seen.append(latest)
    cells = phone.find_elements(By.CSS_SELECTOR, "#sheet td")
    board = phone.find_elements(By.CSS_SELECTOR, "#board li")
    if "on" not in board[int(latest)].get_attribute("class"):
        fail(f"{latest} is not marked on the board")
    for cell in cells:
        if cell.text == latest and "hit" not in cell.get_attribute("class"):
            fail(f"{latest} is on the sheet but not marked")
print("drawn and shown:", " ".join(seen), "| verdict:", text(phone, "headline"))
marked = [c.text for c in phone.find_elements(By.CSS_SELECTOR, "#sheet td.hit")]
print("marked on sheet 7:", " ".join(marked))
phone.save_screenshot(os.path.join(shots, "game.png"))

# Serving stopped and started again: the page says it lost the connection, comes back by
# itself and shows the number drawn meanwhile.
key("F9")
wait_for(10, lambda: "lost" in phone.find_element(By.ID, "conn").get_attribute("class"),
         "the page did not notice the dropped connection")
phone.save_screenshot(os.path.join(shots, "lost.png"))
count_before = text(phone, "count")
draw()
time.sleep(1.5)
if text(phone, "count") != count_before:
    fail("the page changed while nothing was served")
key("F9")
wait_for(15, lambda: text(phone, "count") != count_before,
         "the page did not come back with the state")
print("after the drop:", text(phone, "count"), "latest", text(phone, "latest"))
phone.save_screenshot(os.path.join(shots, "phone-ja.png"))
phone.set_window_size(844, 390)
phone.save_screenshot(os.path.join(shots, "landscape.png"))
transfer = phone.execute_script(
    "return performance.getEntriesByType('resource').concat(performance.getEntriesByType("
    "'navigation')).reduce((s, e) => s + e.transferSize, 0)")
print("page bytes transferred:", transfer)
phone.quit()

visitor = browser("en-US")
visitor.get(f"http://127.0.0.1:{port}/")
wait_for(10, lambda: text(visitor, "count").endswith("/ 50") and text(visitor, "latest") != "--",
         "the English page did not get the state")
if text(visitor, "show") != "Show" or visitor.find_element(By.TAG_NAME, "html").get_attribute(
        "lang") != "en":
    fail("the page is not in English for an English browser")
visitor.find_element(By.ID, "code").send_keys("2222-E7HD6")
visitor.find_element(By.ID, "number").send_keys(sheet)
visitor.find_element(By.ID, "show").click()
error = wait_for(10, lambda: text(visitor, "sheetError"), "no message for a wrong code")
print("wrong code, English page:", error)
visitor.save_screenshot(os.path.join(shots, "phone-en.png"))
visitor.quit()

print("PASS: screenshots in", shots)
