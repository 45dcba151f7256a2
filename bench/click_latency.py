#!/usr/bin/python3
"""Clicks a screen point through the X server's test extension and times each click until the
card's trace file shows the tune command it causes.

    click_latency.py TRACE X Y CLICKS
Prints one line: median and 95th percentile in ms, and the number of clicks that got through.
"""
import ctypes
import os
import statistics
import sys
import time

PATTERN = b" in posted 273 8000 "
TIMEOUT_S = 2.0
PAUSE_S = 0.35  # between clicks: the panel redraws and the card repaints its picture


def main():
    trace, x, y, clicks = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    xlib = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("click_latency: no X display")
    display = ctypes.c_void_p(display)
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    xlib.XFlush(display)
    time.sleep(0.3)

    times = []
    for _ in range(clicks):
        start_size = os.path.getsize(trace)
        xtst.XTestFakeButtonEvent(display, 1, 1, 0)
        xlib.XFlush(display)
        xtst.XTestFakeButtonEvent(display, 1, 0, 0)
        t0 = time.perf_counter()
        xlib.XFlush(display)
        while time.perf_counter() - t0 < TIMEOUT_S:
            if os.path.getsize(trace) > start_size:
                with open(trace, "rb") as f:
                    f.seek(start_size)
                    if PATTERN in f.read():
                        times.append((time.perf_counter() - t0) * 1000)
                        break
            time.sleep(0.0002)
        time.sleep(PAUSE_S)
    if not times:
        sys.exit("click_latency: no click reached the card")
    times.sort()
    p95 = times[min(len(times) - 1, int(round(0.95 * len(times))) - 1)]
    print(f"median {statistics.median(times):.1f} ms, 95th percentile {p95:.1f} ms, "
          f"{len(times)} of {clicks} clicks")


if __name__ == "__main__":
    main()
