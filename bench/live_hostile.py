#!/usr/bin/python3
"""The hostile side of the live page, for a check by hand next to bench_live, on the loopback.

Against ws/http://127.0.0.1:PORT it sends unknown paths, other methods and an oversized head,
holds IDLE idle connections (each from an address of its own in 127.2.0.0/16), opens 50 from
one address, floods one WebSocket with pings, keeps one WebSocket that never reads, and floods
the page with GET requests for SECONDS, then says what the server did with each.

usage: live_hostile.py PORT [IDLE] [SECONDS]
"""
import base64
import os
import socket
import sys
import threading
import time

port = int(sys.argv[1])
idle_count = int(sys.argv[2]) if len(sys.argv) > 2 else 450
seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 30


def ask(request):
    with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
        s.sendall(request)
        try:
            return s.recv(200).split(b"\r\n")[0].decode(errors="replace")
        except OSError as error:
            return "no answer (%s)" % error


for request in [b"GET /etc/passwd HTTP/1.1\r\nHost: a\r\n\r\n",
                b"POST / HTTP/1.1\r\nHost: a\r\nContent-Length: 2\r\n\r\nhi",
                b"OPTIONS / HTTP/1.1\r\nHost: a\r\n\r\n",
                b"BREW / HTTP/1.1\r\nHost: a\r\n\r\n",
                b"GET / HTTP/1.1\r\nHost: a\r\nCookie: " + b"c" * 20000 + b"\r\n\r\n"]:
    print("%-40r -> %s" % (request[:38], ask(request)), flush=True)

def upgrade(s):
    s.sendall(b"GET /live HTTP/1.1\r\nHost: a\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
              b"Sec-WebSocket-Key: " + base64.b64encode(os.urandom(16)) +
              b"\r\nSec-WebSocket-Version: 13\r\n\r\n")
    return s


def closed_within(s, seconds):
    s.settimeout(seconds)
    try:
        while s.recv(65536):
            pass
        return True
    except socket.timeout:
        return False
    except OSError:
        return True


crowd = [socket.create_connection(("127.0.0.1", port), source_address=("127.0.0.9", 0))
         for _ in range(50)]
print("50 connections from one address: %d closed at once by the server"
      % sum(closed_within(s, 0.2) for s in crowd), flush=True)
for s in crowd:
    s.close()

# Unmasked payload of an empty ping, masked as a client must: a mask of zeros.
flooder = upgrade(socket.create_connection(("127.0.0.1", port)))
began = time.monotonic()
try:
    flooder.sendall(b"\x89\x80\x00\x00\x00\x00" * 100000)
except OSError:
    pass
print("a ping flood from one WebSocket: %s" % ("dropped after %.0f ms" % (
    (time.monotonic() - began) * 1000) if closed_within(flooder, 5) else "still open after 5 s"),
      flush=True)

idle = []
for index in range(idle_count):
    try:
        idle.append(socket.create_connection(
            ("127.0.0.1", port), timeout=5,
            source_address=("127.2.%d.%d" % (index // 250, index % 250 + 1), 0)))
    except OSError as error:
        print("idle connection refused:", error)
        break
opened = time.monotonic()
print("holding", len(idle), "idle connections", flush=True)

deaf = socket.create_connection(("127.0.0.1", port))
deaf.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
upgrade(deaf)
served = [0]
stop_at = time.monotonic() + seconds


def flood():
    while time.monotonic() < stop_at:
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
                s.sendall(b"GET / HTTP/1.1\r\nHost: a\r\n\r\n")
                if s.recv(64).startswith(b"HTTP/1.1 200"):
                    served[0] += 1
        except OSError:
            time.sleep(0.01)


threads = [threading.Thread(target=flood) for _ in range(4)]
for thread in threads:
    thread.start()
for thread in threads:
    thread.join()
print("flood: %d pages served in %.0f s" % (served[0], seconds), flush=True)

closed = 0
for s in idle:
    s.settimeout(max(0.01, 20 - (time.monotonic() - opened)))
    try:
        if s.recv(1) == b"":
            closed += 1
    except OSError:
        pass
print("idle connections closed by the server within 20 s: %d of %d" % (closed, len(idle)))
# The connection's state from the kernel: 1 while established. Peeking would not tell, since
# the data the client never read is still queued when the server resets the connection.
deadline = time.monotonic() + 75
state = 1
while time.monotonic() < deadline and state == 1:
    time.sleep(1)
    state = deaf.getsockopt(socket.IPPROTO_TCP, socket.TCP_INFO, 8)[0]
print("the WebSocket that never reads: %s %.0f s after it opened"
      % ("still open" if state == 1 else "closed by the server (TCP state %d)" % state,
         time.monotonic() - opened))
