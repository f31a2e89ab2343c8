"""Reads an iCalendar file with python3-icalendar, a parser of its own, and
prints what it found as JSON: the calendar's name and every event."""
import json
import sys

from icalendar import Calendar

with open(sys.argv[1], "rb") as f:
    calendar = Calendar.from_ical(f.read())
events = []
for event in calendar.walk("VEVENT"):
    events.append({
        "uid": str(event.get("uid")),
        "class": str(event.get("class")),
        "summary": str(event.get("summary")),
        "description": str(event.get("description")),
        "start": event.decoded("dtstart").isoformat(),
        "end": event.decoded("dtend").isoformat(),
        "alarms": [int(alarm.decoded("trigger").total_seconds()) for alarm in event.walk("VALARM")],
        "alarm_actions": [str(alarm.get("action")) for alarm in event.walk("VALARM")],
    })
print(json.dumps({"name": str(calendar.get("name")), "version": str(calendar.get("version")),
                  "x-wr-calname": str(calendar.get("x-wr-calname")), "method": str(calendar.get("method")),
                  "events": events}, ensure_ascii=False))
