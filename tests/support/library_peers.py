#!/usr/bin/python3
"""The online library's and the site list's servers for the tests, on 127.0.0.1 only.

  library_peers.py start DIR   starts them in the background; DIR/ports.txt then
                               lists "name port" lines
  library_peers.py stop DIR    stops them

HTTP: "files" serves DIR/www (the tests write qrv/sitelistcu.txt and
qrv/sitelist.txt there), "html" answers 200 with a web page, "missing" answers
404 with "200 OK" in its page, "refused" is a port where nothing listens,
"silent" takes the request and answers nothing for a minute, "empty" answers 200
with an empty body, "truncated" announces the whole of the file asked for under
DIR/www and sends half of it before it closes, "chunked" sends it in chunks and
closes before the last one. Three more serve DIR/www/qrv/sitelist.txt: "cut"
sends its first half without announcing a length and closes, "chunkcut" closes
inside a chunk half-way, and "trickle" sends it 200 bytes a second. FTP ("ftp"):
user "qrv" (password "secret") stores in its "incoming" folder and refuses to
store over a file that exists; user "full" is refused every store as the disk
were full. Three FTP servers fail as real ones do once the data has come:
"diskfull" takes the whole file, keeps it empty and answers 451 after it,
"dropping" takes 73,728 bytes and then closes both of its connections, and
"mute" takes the whole file, keeps it and never answers. "unreachable" names a
passive port nobody listens on, as behind a firewall, and answers a store with
425 once it gave up waiting for the data connection.
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


def cut_pages(www):
    def body_of(path):
        with open(os.path.join(www, path.lstrip("/")), "rb") as f:
            return f.read()

    class TruncatedPage(HtmlPage):
        def do_GET(self):
            body = body_of(self.path)
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            self.close_connection = True

    class ChunkedPage(HtmlPage):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            body = body_of(self.path)
            self.send_response(200)
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            half = body[: len(body) // 2]
            self.wfile.write(b"%x\r\n%s\r\n" % (len(half), half))
            self.wfile.flush()
            self.close_connection = True

    return TruncatedPage, ChunkedPage


class FailingFtp(threading.Thread):
    """A bare FTP server that logs anyone in and fails every store after the data."""

    def __init__(self, folder, mode):
        super().__init__(daemon=True)
        self.folder, self.mode = folder, mode
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.port = self.listener.getsockname()[1]

    def run(self):
        while True:
            control, _ = self.listener.accept()
            threading.Thread(target=self.session, args=(control,), daemon=True).start()

    def session(self, control):
        replies = {"USER": "331 Password required.", "PASS": "230 Logged in.", "CWD": "250 Okay.",
                   "TYPE": "200 Type set.", "QUIT": "221 Bye."}
        data = None
        with control, control.makefile("rb") as lines:
            control.sendall(b"220 Ready.\r\n")
            for line in lines:
                verb, _, argument = line.decode("latin-1").strip().partition(" ")
                verb = verb.upper()
                if verb == "PASV":
                    data = socket.create_server(("127.0.0.1", 0))
                    port = data.getsockname()[1]
                    if self.mode == "unreachable":
                        data.close()
                    control.sendall(b"227 Entering Passive Mode (127,0,0,1,%d,%d).\r\n" % (port // 256, port % 256))
                elif verb == "STOR" and self.mode == "unreachable":
                    time.sleep(0.2)
                    try:
                        control.sendall(b"425 Failed to establish connection.\r\n")
                    except OSError:
                        return
                elif verb == "STOR" and data:
                    control.sendall(b"150 Ok to send data.\r\n")
                    if not self.store(control, data, os.path.basename(argument)):
                        return
                    data = None
                else:
                    control.sendall((replies.get(verb, "502 Not implemented.") + "\r\n").encode())
                    if verb == "QUIT":
                        return

    # False when the session ends here.
    def store(self, control, data, name):
        connection, _ = data.accept()
        data.close()
        received = bytearray()
        with connection:
            while self.mode != "dropping" or len(received) < 73728:
                chunk = connection.recv(min(65536, 73728 - len(received)) if self.mode == "dropping" else 65536)
                if not chunk:
                    break
                received += chunk
        # The disk that is full keeps an empty file, the others what came.
        with open(os.path.join(self.folder, name), "wb") as f:
            f.write(b"" if self.mode == "diskfull" else received)
        if self.mode == "mute":
            return True
        if self.mode == "dropping":
            control.shutdown(socket.SHUT_RDWR)
            return False
        control.sendall(b"451 Failure writing to local file.\r\n")
        return True


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
    failing = {}
    for mode in ("diskfull", "dropping", "mute", "unreachable"):
        os.makedirs(os.path.join(folder, "ftp", mode), exist_ok=True)
        failing[mode] = FailingFtp(os.path.join(folder, "ftp", mode), mode)
        failing[mode].start()
    truncated, chunked = cut_pages(www)

    ports = {"files": http_server(Files), "html": http_server(HtmlPage), "missing": http_server(MissingPage),
             "refused": free_port(), "ftp": ftp.address[1], "silent": http_server(SilentPage),
             "empty": http_server(EmptyPage), "truncated": http_server(truncated), "chunked": http_server(chunked),
             "diskfull": failing["diskfull"].port, "dropping": failing["dropping"].port, "mute": failing["mute"].port,
             "unreachable": failing["unreachable"].port}
    for kind in ("cut", "chunkcut", "trickle"):
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
