#!/usr/bin/python3
"""Load tool of bench_live: many phones on the live page at once, on the loopback only.

Opens CLIENTS WebSockets to ws://127.0.0.1:PORT/live, each from an address of its own in
127.1.0.0/16 as phones in a hall are (every fifth follows a sheet, as players with their sheet
do), says "ready N" on standard output once all are open, then records for
every client when each state arrives (CLOCK_MONOTONIC, the clock of the caller's
std::chrono::steady_clock). It ends when standard input closes and writes one line per
message: client, nanoseconds, number of numbers called, phase.

The phones are shared among WORKERS processes (default 2, one a core of the development
machine), so that reading them does not wait on one Python loop.

With "sheets" after WORKERS, the phones follow no printed sheet and, once all are open, each
asks for a sheet with a token of its own at the same moment; OUTFILE.takes then holds one line
per phone: client, nanoseconds when it asked and when its sheet came, and the sheet's number. Each line of OUTFILE ends with the number of the sheet
the message showed and its count of complete lines (0 and -1 without a sheet).

usage: live_load.py PORT CLIENTS OUTFILE [WORKERS] [sheets]
"""
import asyncio
import json
import os
import secrets
import sys
import time

import websockets

port, clients, outfile = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
workers = int(sys.argv[4]) if len(sys.argv) > 4 else 2
sheets = len(sys.argv) > 5 and sys.argv[5] == "sheets"
records = []
takes = {}


async def phone(index, opened, go):
    query = "?code=2222-E7HD5&sheet=%d" % (index + 1) if index % 5 == 0 and not sheets else ""
    own = ("127.1.%d.%d" % (index // 250, index % 250 + 1), 0)
    async with websockets.connect("ws://127.0.0.1:%d/live%s" % (port, query), open_timeout=60,
                                  ping_interval=None, max_queue=None, local_addr=own) as socket:
        opened.append(index)
        if sheets:
            await go.wait()
            takes[index] = [time.monotonic_ns(), 0, 0]
            await socket.send("take " + secrets.token_hex(16))
        # Parsed at the end, so that one process keeps up with many phones.
        async for message in socket:
            arrived = time.monotonic_ns()
            records.append((index, arrived, message))
            if sheets and not takes[index][1] and '"sheet"' in message:
                takes[index][1:] = [arrived, json.loads(message)["sheet"]["number"]]


async def main(first, count, ready, go_pipe, done):
    opened = []
    tasks = []
    go = asyncio.Event()
    for index in range(first, first + count):
        tasks.append(asyncio.create_task(phone(index, opened, go)))
        if index % 50 == 49:
            await asyncio.sleep(0.05)
    while len(opened) < count:
        await asyncio.sleep(0.05)
    loop = asyncio.get_running_loop()
    if sheets:
        os.write(ready, b"o")
        await loop.run_in_executor(None, os.read, go_pipe, 1)
        go.set()
        while sum(1 for take in takes.values() if take[1]) < count:
            await asyncio.sleep(0.05)
    os.write(ready, b"r")
    await loop.run_in_executor(None, os.read, done, 1)
    for task in tasks:
        task.cancel()
    with open("%s.%d" % (outfile, first), "w") as out:
        for index, arrived, message in records:
            state = json.loads(message)
            sheet = state.get("sheet") or {}
            out.write("%d %d %d %s %d %d\n" % (index, arrived, len(state["called"]),
                                                state["phase"], sheet.get("number", 0),
                                                len(sheet["complete"]) if "complete" in sheet
                                                else -1))
    if sheets:
        with open("%s.takes.%d" % (outfile, first), "w") as out:
            for index, (asked, got, number) in sorted(takes.items()):
                out.write("%d %d %d %d\n" % (index, asked, got, number))


# Each worker says it is ready on one pipe and waits on another, which closes at the end.
ready_read, ready_write = os.pipe()
go_read, go_write = os.pipe()
done_read, done_write = os.pipe()
children = []
for worker in range(workers):
    first = clients * worker // workers
    count = clients * (worker + 1) // workers - first
    pid = os.fork()
    if pid == 0:
        os.close(done_write)
        asyncio.run(main(first, count, ready_write, go_read, done_read))
        os._exit(0)
    children.append(pid)
os.close(done_read)
if sheets:
    # Every phone is open: all ask at once.
    for _ in range(workers):
        os.read(ready_read, 1)
    os.write(go_write, b"g" * workers)
for _ in range(workers):
    os.read(ready_read, 1)
print("ready", clients, flush=True)
sys.stdin.read()
os.close(done_write)
with open(outfile, "w") as out:
    for worker, pid in enumerate(children):
        os.waitpid(pid, 0)
        part = "%s.%d" % (outfile, clients * worker // workers)
        with open(part) as records_of_worker:
            out.write(records_of_worker.read())
        os.remove(part)
if sheets:
    with open(outfile + ".takes", "w") as out:
        for worker in range(workers):
            part = "%s.takes.%d" % (outfile, clients * worker // workers)
            with open(part) as takes_of_worker:
                out.write(takes_of_worker.read())
            os.remove(part)
