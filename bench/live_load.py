#!/usr/bin/python3
"""Load tool of bench_live: many phones on the live page at once, on the loopback only.

Opens CLIENTS WebSockets to ws://127.0.0.1:PORT/live (every fifth follows a sheet, as players
with their sheet do), says "ready N" on standard output once all are open, then records for
every client when each state arrives (CLOCK_MONOTONIC, the clock of the caller's
std::chrono::steady_clock). It ends when standard input closes and writes one line per
message: client, nanoseconds, number of numbers called, phase.

usage: live_load.py PORT CLIENTS OUTFILE
"""
import asyncio
import json
import sys
import time

import websockets

port, clients, outfile = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
records = []


async def phone(index, opened):
    query = "?code=2222-E7HD5&sheet=%d" % (index + 1) if index % 5 == 0 else ""
    async with websockets.connect("ws://127.0.0.1:%d/live%s" % (port, query), open_timeout=60,
                                  ping_interval=None, max_queue=None) as socket:
        opened.append(index)
        async for message in socket:
            now = time.monotonic_ns()
            state = json.loads(message)
            records.append((index, now, len(state["called"]), state["phase"]))


async def main():
    opened = []
    tasks = []
    for index in range(clients):
        tasks.append(asyncio.create_task(phone(index, opened)))
        if index % 50 == 49:
            await asyncio.sleep(0.05)
    while len(opened) < clients:
        await asyncio.sleep(0.05)
    print("ready", len(opened), flush=True)
    loop = asyncio.get_running_loop()
    await loop.run_in_executor(None, sys.stdin.read)
    for task in tasks:
        task.cancel()
    with open(outfile, "w") as out:
        for record in records:
            out.write("%d %d %d %s\n" % record)


asyncio.run(main())
