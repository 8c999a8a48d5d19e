"""Headless Chromium driven through its DevTools protocol over a pipe, no
package needed: messages are JSON, each ended by a NUL byte, Chromium reading
them on its descriptor 3 and answering on 4. Every wait has a time limit, and
the browser is ended with its process group."""

import json
import os
import select
import signal
import subprocess
import time


class DevToolsError(Exception):
    pass


class DevTools:
    def __init__(self, binary, profile):
        to_browser, self._from_us = os.pipe()
        self._from_browser, to_us = os.pipe()

        def child():  # the pipe's ends as descriptors 3 and 4, kept across exec
            read, write = os.dup(to_browser), os.dup(to_us)
            os.dup2(read, 3)
            os.dup2(write, 4)

        self.process = subprocess.Popen(
            [binary, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-extensions",
             "--disable-background-networking", "--disable-component-update", "--disable-sync", "--mute-audio",
             f"--user-data-dir={profile}", "--remote-debugging-pipe", "about:blank"],
            close_fds=False, preexec_fn=child, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(to_browser)
        os.close(to_us)
        self._buffer = b""
        self._next = 0

    def call(self, method, params=None, session=None, timeout=30):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        try:
            os.write(self._from_us, json.dumps(message).encode() + b"\0")
        except BrokenPipeError:
            raise DevToolsError("Chromium has gone")
        end = time.time() + timeout
        while True:
            while b"\0" in self._buffer:
                raw, self._buffer = self._buffer.split(b"\0", 1)
                answer = json.loads(raw)
                if answer.get("id") == self._next:
                    if "error" in answer:
                        raise DevToolsError(f"{method}: {answer['error']}")
                    return answer["result"]
            left = end - time.time()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                raise DevToolsError(f"{method}: no answer within {timeout} s")
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                raise DevToolsError("Chromium has gone")
            self._buffer += chunk

    def open(self, url, settle=1.0):
        """A new tab at `url`, its session id once the page has loaded."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        self.call("Page.enable", {}, session)
        self.call("Page.navigate", {"url": url}, session)
        end = time.time() + 30
        while self.evaluate(session, "document.readyState") != "complete":
            if time.time() > end:
                raise DevToolsError(f"{url} did not load")
            time.sleep(0.1)
        time.sleep(settle)
        return session

    def evaluate(self, session, expression):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True}, session)
        return result["result"].get("value")

    def press_tab(self, session):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent",
                      {"type": kind, "key": "Tab", "code": "Tab", "windowsVirtualKeyCode": 9}, session)

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait(timeout=30)
        os.close(self._from_us)
        os.close(self._from_browser)
