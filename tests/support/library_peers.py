#!/usr/bin/python3
"""The online library's and the site list's servers for the tests, on 127.0.0.1 only.

  library_peers.py start DIR   starts them in the background; DIR/ports.txt then
                               lists "name port" lines
  library_peers.py stop DIR    stops them

HTTP: "files" serves DIR/www (the tests write qrv/sitelistcu.txt and
qrv/sitelist.txt there), "html" answers 200 with a web page, "missing" answers
404 with "200 OK" in its page, "refused" is a port where nothing listens,
"silent" takes the request and answers nothing for a minute, "empty" answers 200
with an empty body, "truncated" announces the whole of DIR/www/qrv/sitelist.txt
and sends half of it before it closes, "cut" sends the first half of that file
without announcing a length and closes, "chunked" sends it whole in chunks of
a few lines, "chunkcut" closes inside a chunk half-way, and "trickle" sends it
200 bytes a second. FTP ("ftp"): user "qrv" (password
"secret") stores in its "incoming" folder and refuses to store over a file that
exists; user "full" is refused every store as the disk were full.
"""
import http.server
import os
import signal
import socket
import subprocess
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class HtmlPage(http.server.BaseHTTPRequestHandler):
    status = 200

    def do_GET(self):
        body = b"<html><body><h1>200 OK</h1>Welcome to the hotel network.</body></html>"
        self.send_response(self.status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


class MissingPage(HtmlPage):
    status = 404


class SilentPage(HtmlPage):
    def do_GET(self):
        time.sleep(60)


class EmptyPage(HtmlPage):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Length", "0")
        self.end_headers()


def truncated_page(www):
    class TruncatedPage(HtmlPage):
        def do_GET(self):
            with open(os.path.join(www, "qrv", "sitelist.txt"), "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            self.close_connection = True

    return TruncatedPage


def site_list_page(www, kind):
    class SiteListPage(HtmlPage):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            with open(os.path.join(www, "qrv", "sitelist.txt"), "rb") as f:
                body = f.read()
            self.send_response(200)
            if kind == "cut":
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(body[: len(body) // 2])
            elif kind == "trickle":
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                for start in range(0, len(body), 20):
                    self.wfile.write(body[start:start + 20])
                    self.wfile.flush()
                    time.sleep(0.1)
            else:
                self.send_header("Transfer-Encoding", "chunked")
                self.end_headers()
                lines = body.splitlines(keepends=True)
                chunks = [b"".join(lines[n:n + 3]) for n in range(0, len(lines), 3)]
                if kind == "chunkcut":
                    chunks = chunks[: len(chunks) // 2 + 1]
                for chunk in chunks[:-1]:
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
                last = chunks[-1]
                if kind == "chunked":
                    self.wfile.write(b"%x\r\n%s\r\n0\r\n\r\n" % (len(last), last))
                else:
                    self.wfile.write(b"%x\r\n%s" % (len(last), last[: len(last) // 2]))
            self.wfile.flush()
            self.close_connection = True

    return SiteListPage


class LibraryFtp(FTPHandler):
    def ftp_STOR(self, file, mode="w"):
        if self.username == "full":
            self.respond("452 Insufficient storage space.")
            return
        if os.path.exists(file):
            self.respond("553 File exists.")
            return
        return super().ftp_STOR(file, mode)


def http_server(handler):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(folder):
    www = os.path.join(folder, "www")
    os.makedirs(os.path.join(www, "qrv"), exist_ok=True)

    class Files(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=www, **kwargs)

        def log_message(self, *args):
            pass

    incoming = os.path.join(folder, "ftp", "qrv", "incoming")
    full = os.path.join(folder, "ftp", "full")
    os.makedirs(incoming, exist_ok=True)
    os.makedirs(full, exist_ok=True)
    authorizer = DummyAuthorizer()
    authorizer.add_user("qrv", "secret", os.path.dirname(incoming), perm="elradfmw")
    authorizer.add_user("full", "secret", full, perm="elradfmw")
    LibraryFtp.authorizer = authorizer
    LibraryFtp.passive_ports = None
    ftp = FTPServer(("127.0.0.1", 0), LibraryFtp)

    ports = {"files": http_server(Files), "html": http_server(HtmlPage), "missing": http_server(MissingPage),
             "refused": free_port(), "ftp": ftp.address[1], "silent": http_server(SilentPage),
             "empty": http_server(EmptyPage), "truncated": http_server(truncated_page(www))}
    for kind in ("cut", "chunked", "chunkcut", "trickle"):
        ports[kind] = http_server(site_list_page(www, kind))
    with open(os.path.join(folder, "ports.tmp"), "w") as out:
        for name, port in ports.items():
            out.write(f"{name} {port}\n")
    os.replace(os.path.join(folder, "ports.tmp"), os.path.join(folder, "ports.txt"))
    ftp.serve_forever(handle_exit=True)


def start(folder):
    os.makedirs(folder, exist_ok=True)
    stop(folder)
    ports = os.path.join(folder, "ports.txt")
    if os.path.exists(ports):
        os.remove(ports)
    with open(os.path.join(folder, "peers.log"), "w") as log:
        process = subprocess.Popen([sys.executable, __file__, "serve", folder], stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log, start_new_session=True)
    with open(os.path.join(folder, "pid"), "w") as out:
        out.write(str(process.pid))
    for _ in range(100):
        if os.path.exists(ports):
            return 0
        time.sleep(0.1)
    return 1


def stop(folder):
    try:
        with open(os.path.join(folder, "pid")) as f:
            os.kill(int(f.read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass
    return 0


if __name__ == "__main__":
    command, folder = sys.argv[1], sys.argv[2]
    if command == "serve":
        serve(folder)
    else:
        sys.exit(start(folder) if command == "start" else stop(folder))
