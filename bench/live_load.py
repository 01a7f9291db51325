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

usage: live_load.py PORT CLIENTS OUTFILE [WORKERS]
"""
import asyncio
import json
import os
import sys
import time

import websockets

port, clients, outfile = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
workers = int(sys.argv[4]) if len(sys.argv) > 4 else 2
records = []


async def phone(index, opened):
    query = "?code=2222-E7HD5&sheet=%d" % (index + 1) if index % 5 == 0 else ""
    own = ("127.1.%d.%d" % (index // 250, index % 250 + 1), 0)
    async with websockets.connect("ws://127.0.0.1:%d/live%s" % (port, query), open_timeout=60,
                                  ping_interval=None, max_queue=None, local_addr=own) as socket:
        opened.append(index)
        # Parsed at the end, so that one process keeps up with many phones.
        async for message in socket:
            records.append((index, time.monotonic_ns(), message))


async def main(first, count, ready, done):
    opened = []
    tasks = []
    for index in range(first, first + count):
        tasks.append(asyncio.create_task(phone(index, opened)))
        if index % 50 == 49:
            await asyncio.sleep(0.05)
    while len(opened) < count:
        await asyncio.sleep(0.05)
    os.write(ready, b"r")
    loop = asyncio.get_running_loop()
    await loop.run_in_executor(None, os.read, done, 1)
    for task in tasks:
        task.cancel()
    with open("%s.%d" % (outfile, first), "w") as out:
        for index, arrived, message in records:
            state = json.loads(message)
            out.write("%d %d %d %s\n" % (index, arrived, len(state["called"]), state["phase"]))


# Each worker says it is ready on one pipe and waits on another, which closes at the end.
ready_read, ready_write = os.pipe()
done_read, done_write = os.pipe()
children = []
for worker in range(workers):
    first = clients * worker // workers
    count = clients * (worker + 1) // workers - first
    pid = os.fork()
    if pid == 0:
        os.close(done_write)
        asyncio.run(main(first, count, ready_write, done_read))
        os._exit(0)
    children.append(pid)
os.close(done_read)
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
