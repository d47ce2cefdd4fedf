#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the files of the current folder on 127.0.0.1 for the calendar
tests, and prints "port N" once it listens.

The first part of a path may name a way to misbehave, the rest the file:
/error/week.ics, /loop/week.ics, /endless/week.ics, /page/week.ics. They
serve week.ics like any other path until a file named "misbehave" appears
in the folder; from then on they answer as broken addresses do: an HTTP
error, redirects in a circle or without end, a web page in place of the
calendar.
"""

import http.server
import os
import sys
from urllib.parse import urlsplit


def redirect(handler, location):
    handler.send_response(302)
    handler.send_header("Location", location)
    handler.send_header("Content-Length", "0")
    handler.end_headers()


def error(handler, url):
    handler.send_error(500)


def loop(handler, url):
    # A -> B -> A -> ...
    redirect(handler, url.path if url.query else url.path + "?back")


def endless(handler, url):
    # A -> A?1 -> A?2 -> ..., never the same address twice.
    step = int(url.query) + 1 if url.query.isdigit() else 1
    redirect(handler, f"{url.path}?{step}")


def page(handler, url):
    body = b"<!DOCTYPE html><html><body>Sign in</body></html>"
    handler.send_response(200)
    handler.send_header("Content-Type", "text/html")
    handler.send_header("Content-Length", str(len(body)))
    handler.end_headers()
    handler.wfile.write(body)


MISBEHAVIOURS = {"error": error, "loop": loop, "endless": endless, "page": page}


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        url = urlsplit(self.path)
        kind, _, name = url.path.lstrip("/").partition("/")
        if kind in MISBEHAVIOURS and name:
            if os.path.exists("misbehave"):
                MISBEHAVIOURS[kind](self, url)
                return
            self.path = "/" + name
        super().do_GET()

    def log_message(self, format, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(f"port {server.server_address[1]}", flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    sys.exit(0)
