#!/usr/bin/env python3
"""Writes the hand-made export files the import tests read, with Python's own
json and csv: laid out as Clue's measurements.json, Flo's export and drip's
CSV are described in their public documents and issues."""
import csv
import json
import os

here = os.path.dirname(os.path.abspath(__file__))


def write_json(name, data):
    with open(os.path.join(here, name), "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)


def period(date, option):
    return {"type": "period", "date": date, "value": {"option": option}}


clue_good = [
    period("2022-11-15", "spotting"),   # spotting alone: no start
    period("2022-12-13", "spotting"),   # the run starts with spotting...
    period("2022-12-14", "heavy"),      # ...and the period with this day
    period("2022-12-15", "medium"),
    period("2022-12-16", "light"),
    {"type": "pain", "date": "2022-12-14", "value": {"option": "cramps"}},
    {"type": "pain", "date": "2022-12-14", "value": {"option": "headache"}},
    {"type": "skin", "date": "2022-12-20", "value": {"option": "acne"}},
    {"type": "sleep", "date": "2022-12-20", "value": {"option": "3-6"}},  # not a symptom of hers
    period("2023-01-10", "medium"),
    period("2023-01-11", "medium"),
]
write_json("clue-good.json", clue_good)
write_json("clue-bad-date.json", [period("2022-12-13", "light"), period("2022-12-14", "light"),
                                  period("2022-13-01", "light")])
write_json("clue-bad-flow.json", [period("2022-12-13", "light"), period("2022-12-14", "torrential")])
write_json("clue-to-come.json", [period("2022-12-13", "light"), period("2099-01-01", "light")])
write_json("clue-no-date.json", [period("2022-12-13", "light"), {"type": "period", "value": {"option": "light"}}])
write_json("flo-good.json", {"operationalData": {"cycles": [
    {"period_start_date": "2022-12-13 00:00:00.0", "period_end_date": "2022-12-17 00:00:00.0"},
    {"period_start_date": "2023-01-10 00:00:00.0", "period_end_date": "2023-01-14 00:00:00.0"},
    {"period_start_date": "2022-12-13 00:00:00.0", "period_end_date": "2022-12-17 00:00:00.0"}]}})
write_json("flo-bad-date.json", {"operationalData": {"cycles": [
    {"period_start_date": "2022-12-13 00:00:00.0"}, {"period_start_date": "13/01/2023"}]}})
write_json("another-program.json", {"events": [{"start": "2022-12-13"}]})
write_json("empty-list.json", [])

drip_header = ["date", "temperature.value", "temperature.exclude", "bleeding.value", "bleeding.exclude",
               "mucus.value", "note.value"]
with open(os.path.join(here, "drip-good.csv"), "w", newline="", encoding="utf-8") as f:
    w = csv.writer(f)
    w.writerow(drip_header)
    w.writerow(["2022-12-12", "36.5", "false", "0", "false", "", ""])
    w.writerow(["2022-12-13", "36.4", "false", "2", "false", "", "dia 1"])
    w.writerow(["2022-12-14", "", "", "3", "false", "", ""])
    w.writerow(["2022-12-20", "36.6", "false", "", "", "2", ""])
    w.writerow(["2022-12-28", "", "", "1", "true", "", ""])  # excluded by her in drip: no start
    w.writerow(["2023-01-10", "", "", "1", "false", "", ""])
with open(os.path.join(here, "drip-bad-bleeding.csv"), "w", newline="", encoding="utf-8") as f:
    w = csv.writer(f)
    w.writerow(drip_header)
    w.writerow(["2022-12-13", "", "", "2", "false", "", ""])
    w.writerow(["2022-12-14", "", "", "7", "false", "", ""])
open(os.path.join(here, "empty.csv"), "w").close()
