"""Opens an HTML page in headless Chromium and checks what a reader would see.

Drives the browser over the DevTools protocol on --remote-debugging-pipe
(requests on fd 3, replies on fd 4, NUL-terminated JSON), which needs no
websocket client. Saves a screenshot of the whole page, then checks that the
page holds the expected number of inline SVG charts, each laid out with a
size and each trace colour of its plot area on the screen; that nothing went
to the console as an error; that the page loaded nothing but itself; and that
no element id is used twice (inline charts share one document). Prints what
it found as JSON and each problem as a FAIL line; exit code 1 on a problem.

Usage: python3 browser.py CHROMIUM PAGE.html SCREENSHOT.png EXPECTED_CHARTS
"""

import base64
import fcntl
import json
import os
import select
import signal
import subprocess
import sys
import tempfile
import time
import zlib

TIMEOUT_SECONDS = 60

# Runs in the page once it has loaded: the laid-out size of each inline chart
# and of its plot area, and the colours its traces are stroked with.
PROBE = """JSON.stringify({
  charts: [...document.querySelectorAll('svg')].map(svg => {
    const box = svg.getBoundingClientRect();
    const plot = svg.querySelector('[clip-path]');
    const area = plot ? plot.getBoundingClientRect() : {left: 0, top: 0, width: 0, height: 0};
    const strokes = plot ? [...plot.querySelectorAll('path, polyline')]
        .map(line => getComputedStyle(line).stroke.match(/\\d+/g).slice(0, 3).map(Number)) : [];
    return {width: box.width, height: box.height,
            plot: {x: area.left + scrollX, y: area.top + scrollY,
                   width: area.width, height: area.height},
            strokes: strokes};
  }),
  duplicateIds: [...document.querySelectorAll('[id]')].map(e => e.id)
      .filter((id, i, all) => all.indexOf(id) !== i),
  pageHeight: document.documentElement.scrollHeight
})"""


def high_pipe():
    """A pipe whose ends lie above fds 3 and 4, so that placing Chromium's
    ends there cannot overwrite the other ones, and close on exec."""
    ends = []
    for fd in os.pipe():
        ends.append(fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10))
        os.close(fd)
    return ends


class Browser:
    def __init__(self, chromium, profile, log):
        to_browser_r, self.to_browser = high_pipe()
        self.from_browser, from_browser_w = high_pipe()

        def place_pipe_ends():
            # Chromium expects its ends of the pipes as fds 3 and 4; dup2
            # leaves them open across exec.
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless=new", "--no-sandbox", "--disable-gpu",
             "--disable-dev-shm-usage", "--no-first-run", "--no-default-browser-check",
             "--remote-debugging-pipe", "--user-data-dir=" + profile,
             "--window-size=1280,900", "about:blank"],
            close_fds=False, preexec_fn=place_pipe_ends, start_new_session=True,
            stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.deadline = time.monotonic() + TIMEOUT_SECONDS

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        return self.next_id

    def receive(self):
        while b"\0" not in self.buffer:
            left = self.deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                raise TimeoutError("Chromium did not answer in time")
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise ConnectionError("Chromium closed the pipe (see its log)")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        wanted = self.send(method, params, session)
        while True:
            message = self.receive()
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]
            self.events.append(message)

    def wait_for(self, method):
        for event in self.events:
            if event.get("method") == method:
                return
        while True:
            message = self.receive()
            self.events.append(message)
            if message.get("method") == method:
                return

    def close(self):
        try:
            self.send("Browser.close")
            self.process.wait(timeout=10)
        except Exception:
            self.process.kill()
            self.process.wait()
        # Helpers such as the crash handler may outlive the browser.
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def console_errors(events):
    errors = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            errors.append(" ".join(str(a.get("value", a.get("description"))) for a in params["args"]))
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            errors.append(details.get("exception", {}).get("description") or details.get("text"))
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            errors.append(params["entry"].get("text", ""))
    return errors


def foreign_requests(events, page_url):
    urls = [e["params"]["request"]["url"] for e in events
            if e.get("method") == "Network.requestWillBeSent"]
    return [u for u in urls if u != page_url and not u.startswith("data:")]


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


def png_colours(data):
    """The distinct colours of an 8-bit RGB or RGBA PNG, as RGB bytes."""
    width, height = png_size(data)
    depth, colour_type = data[24], data[25]
    if depth != 8 or colour_type not in (2, 6):
        raise ValueError(f"PNG of depth {depth}, colour type {colour_type}")
    step = 3 if colour_type == 2 else 4
    idat, at = b"", 8
    while at < len(data):
        length, kind = int.from_bytes(data[at:at + 4], "big"), data[at + 4:at + 8]
        if kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    raw, stride = zlib.decompress(idat), width * step
    previous, colours = bytearray(stride), set()
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        colours.update(bytes(row[i:i + 3]) for i in range(0, stride, step))
        previous = row
    return colours


def missing_strokes(browser, session, chart):
    """The trace colours that the screen does not show in a chart's plot area."""
    if not chart["plot"]["width"] or not chart["plot"]["height"]:
        return chart["strokes"]
    shot = browser.call("Page.captureScreenshot",
                        {"format": "png", "clip": dict(chart["plot"], scale=1),
                         "captureBeyondViewport": True}, session)
    shown = png_colours(base64.b64decode(shot["data"]))
    return [rgb for rgb in chart["strokes"] if bytes(rgb) not in shown]


def inspect(browser, page_url, screenshot):
    target = browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
    session = browser.call("Target.attachToTarget",
                           {"targetId": target, "flatten": True})["sessionId"]
    for domain in ("Page", "Runtime", "Log", "Network"):
        browser.call(domain + ".enable", session=session)
    browser.call("Page.navigate", {"url": page_url}, session)
    browser.wait_for("Page.loadEventFired")
    probe = browser.call("Runtime.evaluate", {"expression": PROBE, "returnByValue": True},
                         session)
    found = json.loads(probe["result"]["value"])
    shot = browser.call("Page.captureScreenshot",
                        {"format": "png", "captureBeyondViewport": True}, session)
    data = base64.b64decode(shot["data"])
    with open(screenshot, "wb") as file:
        file.write(data)
    found["screenshot"] = {"bytes": len(data), "size": png_size(data)}
    for chart in found["charts"]:
        chart["unseenStrokes"] = missing_strokes(browser, session, chart)
    found["consoleErrors"] = console_errors(browser.events)
    found["foreignRequests"] = foreign_requests(browser.events, page_url)
    return found


def problems(found, expected_charts):
    """What a reader of the page would miss, one line each."""
    found_charts = found["charts"]
    if len(found_charts) != expected_charts:
        yield f"{len(found_charts)} inline charts, expected {expected_charts}"
    for number, chart in enumerate(found_charts, 1):
        if chart["width"] < 1 or chart["height"] < 1:
            yield f"chart {number} is laid out {chart['width']} x {chart['height']}"
        if not chart["strokes"]:
            yield f"chart {number} has no trace lines in its plot area"
        for rgb in chart["unseenStrokes"]:
            yield f"chart {number}: the trace colour rgb{tuple(rgb)} is not on the screen"
    for error in found["consoleErrors"]:
        yield f"console error: {error}"
    for url in found["foreignRequests"]:
        yield f"the page loads {url}; it should hold everything itself"
    for name in sorted(set(found["duplicateIds"])):
        yield f"the id '{name}' is used more than once in the page"
    shot = found["screenshot"]
    if not shot["size"] or shot["size"][1] < found["pageHeight"] or shot["bytes"] < 20000:
        yield f"the screenshot is not the whole page: {shot}"


def main():
    chromium, page, screenshot, expected_charts = sys.argv[1:5]
    page_url = "file://" + os.path.abspath(page)
    with tempfile.TemporaryDirectory() as profile, \
            open(os.path.join(os.path.dirname(os.path.abspath(screenshot)),
                              "chromium.log"), "w") as log:
        browser = Browser(chromium, profile, log)
        try:
            found = inspect(browser, page_url, screenshot)
        finally:
            browser.close()
    found_problems = list(problems(found, int(expected_charts)))
    for problem in found_problems:
        print("FAIL:", problem, file=sys.stderr)
    print(json.dumps(found))
    sys.exit(1 if found_problems else 0)


if __name__ == "__main__":
    main()
