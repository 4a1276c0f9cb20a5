"""Start-up benchmark: the browser against a bare QWebEngineView.

Serves one page on loopback whose script asks for /ran as soon as it runs, and
times each program from its start to that request. Runs are interleaved, one
warm-up run of each is discarded, and the medians and their ratio are printed.
"""
import argparse
import http.server
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

PAGE = (b"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Start</title>"
        b"<script>fetch('/ran', {cache: 'no-store'});</script></head>"
        b"<body>start</body></html>")


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port):
        super().__init__(("127.0.0.1", port), Handler)
        self.ran = threading.Event()
        self.ran_at = 0.0


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith("/ran"):
            self.server.ran_at = time.monotonic()
            self.server.ran.set()
            body = b"ok"
        elif self.path.startswith("/favicon"):
            self.send_response(404)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        else:
            body = PAGE
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Cache-Control", "no-store")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def one_run(server, argv, env, cwd, timeout):
    server.ran.clear()
    start = time.monotonic()
    proc = subprocess.Popen(argv, env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        if not server.ran.wait(timeout):
            raise RuntimeError(f"{argv[0]}: the page's script did not run within {timeout} s")
        return server.ran_at - start
    finally:
        # The program and its WebEngine helper processes form one group.
        try:
            os.killpg(proc.pid, signal.SIGTERM)
            proc.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
        except ProcessLookupError:
            pass


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--browser", required=True, help="the built browser program")
    ap.add_argument("--store", required=True, help="the delivered lzdat.dll")
    ap.add_argument("--bare", required=True, help="the bare QWebEngineView program")
    ap.add_argument("--site", required=True, help="the browser's service site, e.g. http://127.0.0.1:8035")
    ap.add_argument("--runs", type=int, default=7)
    ap.add_argument("--timeout", type=float, default=60)
    args = ap.parse_args()

    site = urllib.parse.urlsplit(args.site)
    if site.hostname != "127.0.0.1":
        sys.exit(f"the browser's start page is on {site.hostname}; build with "
                 "-DLZ_SERVICE_SITE=http://127.0.0.1:<port> to benchmark it on loopback")
    try:
        server = Server(site.port or 80)
    except OSError as e:
        sys.exit(f"cannot serve the start page on 127.0.0.1:{site.port}: {e}")
    threading.Thread(target=server.serve_forever, daemon=True).start()
    start_page = f"http://127.0.0.1:{site.port}/Find.asp?bs=1&sql=2006-03-30"

    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    flags = env.get("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu")
    if os.geteuid() == 0 and "--no-sandbox" not in flags:
        flags += " --no-sandbox"
    env["QTWEBENGINE_CHROMIUM_FLAGS"] = flags.strip()

    with tempfile.TemporaryDirectory(prefix="lz-startup-") as tmp:
        # The browser runs from a program folder of its own, so its profile
        # (kept in the program folder) lands here, not in the build.
        app_dir = os.path.join(tmp, "app")
        os.makedirs(app_dir)
        browser = os.path.join(app_dir, os.path.basename(args.browser))
        shutil.copy2(args.browser, browser)
        shutil.copy2(args.store, os.path.join(app_dir, "lzdat.dll"))
        bare_home = os.path.join(tmp, "bare")
        os.makedirs(bare_home)
        bare_env = dict(env, HOME=bare_home)

        programs = {
            "browser": ([browser], env, app_dir),
            "bare QWebEngineView": ([args.bare, start_page], bare_env, bare_home),
        }
        times = {name: [] for name in programs}
        for i in range(args.runs + 1):
            for name, (argv, e, cwd) in programs.items():
                t = one_run(server, argv, e, cwd, args.timeout)
                if i > 0:  # the first run of each only warms caches
                    times[name].append(t)
                    print(f"run {i}: {name}: {t * 1000:.0f} ms", flush=True)

    server.shutdown()
    med = {name: statistics.median(ts) for name, ts in times.items()}
    print()
    print(f"platform {env['QT_QPA_PLATFORM']}, {args.runs} runs each, start to the first page's script")
    for name, m in med.items():
        print(f"median {name}: {m * 1000:.0f} ms")
    print(f"ratio browser / bare: {med['browser'] / med['bare QWebEngineView']:.2f}")


if __name__ == "__main__":
    main()
