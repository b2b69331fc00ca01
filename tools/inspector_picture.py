"""Makes README's picture of the inspector: "put that there" recorded, its page opened in
headless Chromium, the sentence picked and the view brought closer to the room.

    tools/dev python tools/inspector_picture.py docs/inspector.png
"""

import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path[:0] = [str(ROOT / "examples"), str(ROOT / "fixtures")]

import headless_chromium  # noqa: E402
import put_that_there  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

WHEEL_STEPS_CLOSER = 5


def main(out: str) -> int:
    with tempfile.TemporaryDirectory() as scratch:
        log, page = Path(scratch) / "ptt.jsonl", Path(scratch) / "ptt.html"
        grounded = list(put_that_there.live(str(log)))
        subprocess.run([sys.executable, "-m", "quillary_spatial", "view", str(log), "--html", str(page)], check=True)
        driver = headless_chromium.start(str(Path(scratch) / "profile"))
        try:
            driver.get(page.as_uri())
            headless_chromium.wait_until_ready(driver)
            driver.execute_script("window.quillaryInspector.pick(arguments[0])",
                                  next(i for i, g in enumerate(grounded) if g.text == "put that there"))
            view = driver.find_element(By.CSS_SELECTOR, "#view > canvas")
            for _ in range(WHEEL_STEPS_CLOSER):
                ActionChains(driver).scroll_from_origin(ScrollOrigin.from_element(view), 0, -200).perform()
            time.sleep(0.5)
            driver.save_screenshot(out)
        finally:
            driver.quit()
    print(f"wrote {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "docs/inspector.png"))
