#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random recurrence rules and their occurrences as python3-dateutil reads them.

Writes an iCalendar file of COUNT events, one random RRULE each, and the
occurrences dateutil finds for them from FIRST to LAST (YYYYMMDD, both
inclusive), one line each: "YYYYMMDD HHMM rNNN" ("all-day" in place of the
time for events on dates). The lines are sorted as a day lists its events.

Each DTSTART is moved onto the rule's first occurrence: a start the rule
does not yield leaves the recurrence set undefined.

Left out are the shapes that libical 3.0 (Debian 12) expands differently
from the standard, which dateutil follows; checked by hand against RFC 5545:
BYSETPOS other than over plain BYDAY weekdays of a month or year, a negative
BYMONTHDAY in DAILY rules, BYMONTHDAY in YEARLY rules without BYMONTH,
BYYEARDAY with BYMONTH, and WEEKLY rules with an INTERVAL whose weeks start
on a day other than Monday or Sunday. BYWEEKNO is left out too: the two
place the weeks at the turn of a year differently. Published calendars do
not write these shapes.

Days of the month stay within 1..28 (or count from the end) so that no rule
asks for what never happens, which dateutil would seek up to the year 9999.


usage: rrule_oracle.py SEED COUNT ICS_OUT EXPECTED_OUT FIRST LAST
"""

import random
import sys
from datetime import datetime, timedelta

from dateutil import rrule

FREQS = {"DAILY": rrule.DAILY, "WEEKLY": rrule.WEEKLY, "MONTHLY": rrule.MONTHLY,
         "YEARLY": rrule.YEARLY}
DAYS = ["MO", "TU", "WE", "TH", "FR", "SA", "SU"]
WEEKDAYS = [rrule.MO, rrule.TU, rrule.WE, rrule.TH, rrule.FR, rrule.SA, rrule.SU]


def some(rng, values, most):
    return sorted(set(rng.choice(values) for _ in range(rng.randint(1, most))))


def random_rule(rng, all_day):
    """The rule's parts as (iCalendar text, dateutil keywords), without an end."""
    freq = rng.choice(list(FREQS))
    text = ["FREQ=" + freq]
    kwargs = {"freq": FREQS[freq]}
    interval = rng.choice([1, 1, 1, 2, 3])
    if interval > 1:
        text.append("INTERVAL=%d" % interval)
        kwargs["interval"] = interval
    wkst = rng.randrange(7) if freq != "WEEKLY" or interval == 1 else rng.choice([0, 6])
    text.append("WKST=" + DAYS[wkst])
    kwargs["wkst"] = WEEKDAYS[wkst]
    if rng.random() < 0.3:
        months = some(rng, range(1, 13), 3)
        text.append("BYMONTH=" + ",".join(map(str, months)))
        kwargs["bymonth"] = months
    if freq == "YEARLY" and "bymonth" not in kwargs and rng.random() < 0.2:
        days = some(rng, list(range(1, 367)) + [-1, -100, -366], 3)
        text.append("BYYEARDAY=" + ",".join(map(str, days)))
        kwargs["byyearday"] = days
    if (freq in ("DAILY", "MONTHLY") or (freq == "YEARLY" and "bymonth" in kwargs)) \
            and rng.random() < 0.35:
        negative = [-1, -2, -3] if freq != "DAILY" else []
        days = some(rng, list(range(1, 29)) + negative, 3)
        text.append("BYMONTHDAY=" + ",".join(map(str, days)))
        kwargs["bymonthday"] = days
    ordinal = False
    if rng.random() < 0.5:
        ordinal = freq in ("MONTHLY", "YEARLY") and "bymonthday" not in kwargs \
            and "byyearday" not in kwargs and rng.random() < 0.5
        chosen = some(rng, range(7), 3)
        parts, days = [], []
        for day in chosen:
            n = rng.choice([1, 2, 3, -1, -2]) if ordinal else 0
            parts.append(("%d" % n if n else "") + DAYS[day])
            days.append(WEEKDAYS[day](n) if n else WEEKDAYS[day])
        text.append("BYDAY=" + ",".join(parts))
        kwargs["byweekday"] = days
    hourly = not all_day and rng.random() < 0.15
    if hourly:
        hours = some(rng, range(24), 2)
        text.append("BYHOUR=" + ",".join(map(str, hours)))
        kwargs["byhour"] = hours
    if freq in ("MONTHLY", "YEARLY") and "byweekday" in kwargs and not ordinal \
            and "bymonthday" not in kwargs and not hourly and rng.random() < 0.3:
        positions = some(rng, [1, 2, 3, -1, -2], 2)
        text.append("BYSETPOS=" + ",".join(map(str, positions)))
        kwargs["bysetpos"] = positions
    return text, kwargs


def stamp(moment, all_day):
    return moment.strftime("%Y%m%d" if all_day else "%Y%m%dT%H%M%S")


def main():
    seed, count, ics_out, expected_out, first, last = sys.argv[1:]
    rng = random.Random(int(seed))
    window_start = datetime.strptime(first, "%Y%m%d")
    window_end = datetime.strptime(last, "%Y%m%d") + timedelta(hours=23, minutes=59, seconds=59)
    events, lines = [], []
    while len(events) < int(count):
        all_day = rng.random() < 0.25
        candidate = datetime(rng.randint(2019, 2025), rng.randint(1, 12), rng.randint(1, 28))
        if not all_day:
            candidate += timedelta(hours=rng.randrange(24), minutes=5 * rng.randrange(12))
        text, kwargs = random_rule(rng, all_day)
        if "byhour" in kwargs:
            kwargs["byminute"], kwargs["bysecond"] = [candidate.minute], [0]
        if all_day:
            kwargs["byhour"], kwargs["byminute"], kwargs["bysecond"] = [0], [0], [0]
        starts = rrule.rrule(dtstart=candidate, **kwargs).between(
            candidate, candidate + timedelta(days=3 * 366), inc=True)
        if not starts:
            continue  # a rule with nothing in reach
        start = starts[0]
        ending = rng.random()
        if ending < 0.35:
            n = rng.randint(1, 40)
            text.append("COUNT=%d" % n)
            kwargs["count"] = n
        elif ending < 0.7:
            until = start + timedelta(days=rng.randint(0, 4 * 366))
            text.append("UNTIL=" + stamp(until, all_day))
            kwargs["until"] = until
        summary = "r%03d" % len(events)
        kind = ";VALUE=DATE" if all_day else ""
        events.append("BEGIN:VEVENT\nUID:%s@oracle\nSUMMARY:%s\nDTSTART%s:%s\nRRULE:%s\n"
                      "END:VEVENT\n" % (summary, summary, kind, stamp(start, all_day),
                                        ";".join(text)))
        for moment in rrule.rrule(dtstart=start, **kwargs).between(window_start, window_end,
                                                                   inc=True):
            time = "all-day" if all_day else moment.strftime("%H%M")
            lines.append((moment.strftime("%Y%m%d"), not all_day, time, summary))
    with open(ics_out, "w", newline="\r\n") as ics:
        ics.write("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tessarine//Oracle//EN\n")
        ics.writelines(events)
        ics.write("END:VCALENDAR\n")
    with open(expected_out, "w") as expected:
        for day, _, time, summary in sorted(lines):
            expected.write("%s %s %s\n" % (day, time, summary))


if __name__ == "__main__":
    main()
