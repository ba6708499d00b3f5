"""Prints one table from the JSON documents of several Google Benchmark programs read from stdin."""
import json
import sys

decoder, text, pos, rows = json.JSONDecoder(), sys.stdin.read(), 0, []
while True:
    start = text.find("{", pos)
    if start < 0:
        break
    doc, pos = decoder.raw_decode(text, start)
    rows += doc.get("benchmarks", [])

scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
print("%-46s %16s %16s" % ("benchmark", "time", "per second"))
for b in rows:
    if b.get("error_occurred"):
        print("%-46s %16s" % (b["name"], "skipped"))
        continue
    unit = b.get("time_unit", "ns")
    rate = b.get("items_per_second") or 1.0 / (b["real_time"] * scale[unit])
    print("%-46s %13.3f %-2s %16.0f" % (b["name"], b["real_time"], unit, rate))
