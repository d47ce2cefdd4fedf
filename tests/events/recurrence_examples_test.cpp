// SPDX-License-Identifier: GPL-3.0-or-later
// The recurrence examples of RFC 5545 (section 3.8.5.3), each with the
// dates the RFC lists for it, read in the zone they are written in.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "events_test_support.h"

namespace tessarine {
namespace {

struct Example {
    const char* title;
    const char* start;  // DTSTART;TZID=America/New_York
    const char* rule;   // the lines after DTSTART
    const char* last;   // the last day asked about
    // Days as listed: "YYYYMMDD", a range "YYYYMMDD-YYYYMMDD" or a range
    // with a step in days "YYYYMMDD-YYYYMMDD/7".
    const char* days;
    const char* times = "0900";
};

const std::vector<Example> kExamples{
    {"Daily for 10 occurrences", "19970902T090000", "RRULE:FREQ=DAILY;COUNT=10", "19971231",
     "19970902-19970911"},
    {"Daily until December 24, 1997", "19970902T090000", "RRULE:FREQ=DAILY;UNTIL=19971224T000000Z",
     "19971231", "19970902-19971223"},
    {"Every other day, forever", "19970902T090000", "RRULE:FREQ=DAILY;INTERVAL=2", "19971002",
     "19970902-19971002/2"},
    {"Every 10 days, 5 occurrences", "19970902T090000", "RRULE:FREQ=DAILY;INTERVAL=10;COUNT=5",
     "19971231", "19970902 19970912 19970922 19971002 19971012"},
    {"Every day in January, for 3 years (yearly)", "19980101T090000",
     "RRULE:FREQ=YEARLY;UNTIL=20000131T140000Z;BYMONTH=1;BYDAY=SU,MO,TU,WE,TH,FR,SA", "20001231",
     "19980101-19980131 19990101-19990131 20000101-20000131"},
    {"Every day in January, for 3 years (daily)", "19980101T090000",
     "RRULE:FREQ=DAILY;UNTIL=20000131T140000Z;BYMONTH=1", "20001231",
     "19980101-19980131 19990101-19990131 20000101-20000131"},
    {"Weekly for 10 occurrences", "19970902T090000", "RRULE:FREQ=WEEKLY;COUNT=10", "19971231",
     "19970902-19971104/7"},
    {"Weekly until December 24, 1997", "19970902T090000",
     "RRULE:FREQ=WEEKLY;UNTIL=19971224T000000Z", "19971231", "19970902-19971223/7"},
    {"Every other week, forever", "19970902T090000", "RRULE:FREQ=WEEKLY;INTERVAL=2;WKST=SU",
     "19980217", "19970902-19980217/14"},
    {"Tuesday and Thursday for five weeks (until)", "19970902T090000",
     "RRULE:FREQ=WEEKLY;UNTIL=19971007T000000Z;WKST=SU;BYDAY=TU,TH", "19971031",
     "19970902 19970904 19970909 19970911 19970916 19970918 19970923 19970925 19970930 19971002"},
    {"Tuesday and Thursday for five weeks (count)", "19970902T090000",
     "RRULE:FREQ=WEEKLY;COUNT=10;WKST=SU;BYDAY=TU,TH", "19971031",
     "19970902 19970904 19970909 19970911 19970916 19970918 19970923 19970925 19970930 19971002"},
    {"Every other week on Monday, Wednesday and Friday until December 24, 1997", "19970901T090000",
     "RRULE:FREQ=WEEKLY;INTERVAL=2;UNTIL=19971224T000000Z;WKST=SU;BYDAY=MO,WE,FR", "19971231",
     "19970901 19970903 19970905 19970915 19970917 19970919 19970929 19971001 19971003 19971013 "
     "19971015 19971017 19971027 19971029 19971031 19971110 19971112 19971114 19971124 19971126 "
     "19971128 19971208 19971210 19971212 19971222"},
    {"Every other week on Tuesday and Thursday, for 8 occurrences", "19970902T090000",
     "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=8;WKST=SU;BYDAY=TU,TH", "19971231",
     "19970902 19970904 19970916 19970918 19970930 19971002 19971014 19971016"},
    {"Monthly on the first Friday for 10 occurrences", "19970905T090000",
     "RRULE:FREQ=MONTHLY;COUNT=10;BYDAY=1FR", "19981231",
     "19970905 19971003 19971107 19971205 19980102 19980206 19980306 19980403 19980501 19980605"},
    {"Monthly on the first Friday until December 24, 1997", "19970905T090000",
     "RRULE:FREQ=MONTHLY;UNTIL=19971224T000000Z;BYDAY=1FR", "19981231",
     "19970905 19971003 19971107 19971205"},
    {"Every other month on the first and last Sunday, 10 occurrences", "19970907T090000",
     "RRULE:FREQ=MONTHLY;INTERVAL=2;COUNT=10;BYDAY=1SU,-1SU", "19981231",
     "19970907 19970928 19971102 19971130 19980104 19980125 19980301 19980329 19980503 19980531"},
    {"Monthly on the second-to-last Monday for 6 months", "19970922T090000",
     "RRULE:FREQ=MONTHLY;COUNT=6;BYDAY=-2MO", "19981231",
     "19970922 19971020 19971117 19971222 19980119 19980216"},
    {"Monthly on the third-to-the-last day, forever", "19970928T090000",
     "RRULE:FREQ=MONTHLY;BYMONTHDAY=-3", "19980226",
     "19970928 19971029 19971128 19971229 19980129 19980226"},
    {"Monthly on the 2nd and 15th for 10 occurrences", "19970902T090000",
     "RRULE:FREQ=MONTHLY;COUNT=10;BYMONTHDAY=2,15", "19981231",
     "19970902 19970915 19971002 19971015 19971102 19971115 19971202 19971215 19980102 19980115"},
    {"Monthly on the first and last day for 10 occurrences", "19970930T090000",
     "RRULE:FREQ=MONTHLY;COUNT=10;BYMONTHDAY=1,-1", "19981231",
     "19970930 19971001 19971031 19971101 19971130 19971201 19971231 19980101 19980131 19980201"},
    {"Every 18 months on the 10th to 15th for 10 occurrences", "19970910T090000",
     "RRULE:FREQ=MONTHLY;INTERVAL=18;COUNT=10;BYMONTHDAY=10,11,12,13,14,15", "19991231",
     "19970910-19970915 19990310-19990313"},
    {"Every Tuesday, every other month", "19970902T090000",
     "RRULE:FREQ=MONTHLY;INTERVAL=2;BYDAY=TU", "19980331",
     "19970902-19970930/7 19971104-19971125/7 19980106-19980127/7 19980303-19980331/7"},
    {"Yearly in June and July for 10 occurrences", "19970610T090000",
     "RRULE:FREQ=YEARLY;COUNT=10;BYMONTH=6,7", "20021231",
     "19970610 19970710 19980610 19980710 19990610 19990710 20000610 20000710 20010610 20010710"},
    {"Every other year on January, February and March for 10 occurrences", "19970310T090000",
     "RRULE:FREQ=YEARLY;INTERVAL=2;COUNT=10;BYMONTH=1,2,3", "20031231",
     "19970310 19990110 19990210 19990310 20010110 20010210 20010310 20030110 20030210 20030310"},
    {"Every third year on the 1st, 100th and 200th day for 10 occurrences", "19970101T090000",
     "RRULE:FREQ=YEARLY;INTERVAL=3;COUNT=10;BYYEARDAY=1,100,200", "20061231",
     "19970101 19970410 19970719 20000101 20000409 20000718 20030101 20030410 20030719 20060101"},
    {"Every 20th Monday of the year, forever", "19970519T090000", "RRULE:FREQ=YEARLY;BYDAY=20MO",
     "19991231", "19970519 19980518 19990517"},
    {"Monday of week number 20, forever", "19970512T090000",
     "RRULE:FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", "19991231", "19970512 19980511 19990517"},
    {"Every Thursday in March, forever", "19970313T090000", "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=TH",
     "19991231",
     "19970313 19970320 19970327 19980305 19980312 19980319 19980326 19990304 19990311 19990318 "
     "19990325"},
    {"Every Thursday in June, July and August, forever", "19970605T090000",
     "RRULE:FREQ=YEARLY;BYDAY=TH;BYMONTH=6,7,8", "19991231",
     "19970605-19970828/7 19980604-19980827/7 19990603-19990826/7"},
    {"Every Friday the 13th, forever", "19970902T090000",
     "EXDATE;TZID=America/New_York:19970902T090000\n"
     "RRULE:FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13",
     "20001231", "19980213 19980313 19981113 19990813 20001013"},
    {"The first Saturday that follows the first Sunday of the month, forever", "19970913T090000",
     "RRULE:FREQ=MONTHLY;BYDAY=SA;BYMONTHDAY=7,8,9,10,11,12,13", "19980613",
     "19970913 19971011 19971108 19971213 19980110 19980207 19980307 19980411 19980509 19980613"},
    {"Every 4 years, the first Tuesday after a Monday in November", "19961105T090000",
     "RRULE:FREQ=YEARLY;INTERVAL=4;BYMONTH=11;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8", "20041231",
     "19961105 20001107 20041102"},
    {"The third Tuesday, Wednesday or Thursday of the month, for 3 months", "19970904T090000",
     "RRULE:FREQ=MONTHLY;COUNT=3;BYDAY=TU,WE,TH;BYSETPOS=3", "19971231",
     "19970904 19971007 19971106"},
    {"The second-to-last weekday of the month", "19970929T090000",
     "RRULE:FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2", "19980330",
     "19970929 19971030 19971127 19971230 19980129 19980226 19980330"},
    // The RFC's list adds 15:00, which lies after UNTIL (13:00 EDT): a
    // known erratum. The rule itself gives these two.
    {"Every 3 hours from 9:00 AM on a specific day", "19970902T090000",
     "RRULE:FREQ=HOURLY;INTERVAL=3;UNTIL=19970902T170000Z", "19970902", "19970902", "0900 1200"},
    {"Every 15 minutes for 6 occurrences", "19970902T090000",
     "RRULE:FREQ=MINUTELY;INTERVAL=15;COUNT=6", "19970902", "19970902",
     "0900 0915 0930 0945 1000 1015"},
    {"Every hour and a half for 4 occurrences", "19970902T090000",
     "RRULE:FREQ=MINUTELY;INTERVAL=90;COUNT=4", "19970902", "19970902", "0900 1030 1200 1330"},
    {"Every 20 minutes from 9:00 AM to 4:40 PM every day (daily)", "19970902T090000",
     "RRULE:FREQ=DAILY;BYHOUR=9,10,11,12,13,14,15,16;BYMINUTE=0,20,40", "19970903",
     "19970902 19970903",
     "0900 0920 0940 1000 1020 1040 1100 1120 1140 1200 1220 1240 1300 1320 1340 1400 1420 1440 "
     "1500 1520 1540 1600 1620 1640"},
    {"Every 20 minutes from 9:00 AM to 4:40 PM every day (minutely)", "19970902T090000",
     "RRULE:FREQ=MINUTELY;INTERVAL=20;BYHOUR=9,10,11,12,13,14,15,16", "19970903",
     "19970902 19970903",
     "0900 0920 0940 1000 1020 1040 1100 1120 1140 1200 1220 1240 1300 1320 1340 1400 1420 1440 "
     "1500 1520 1540 1600 1620 1640"},
    {"A week starting on Monday", "19970805T090000",
     "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO", "19971231",
     "19970805 19970810 19970819 19970824"},
    {"A week starting on Sunday", "19970805T090000",
     "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=SU", "19971231",
     "19970805 19970817 19970819 19970831"},
    {"An invalid date (February 30) is ignored", "20070115T090000",
     "RRULE:FREQ=MONTHLY;BYMONTHDAY=15,30;COUNT=5", "20071231",
     "20070115 20070130 20070215 20070315 20070330"},
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// "YYYYMMDD HHMM x" for every listed day and time, in order.
std::vector<std::string> Listed(const Example& example) {
    std::vector<std::string> lines;
    for (const std::string& token : Words(example.days)) {
        const DateSerial first = Day(token.substr(0, 8));
        const DateSerial last = token.size() > 8 ? Day(token.substr(9, 8)) : first;
        const int step = token.size() > 17 ? std::stoi(token.substr(18)) : 1;
        for (DateSerial day = first; day <= last; day += step) {
            for (const std::string& time : Words(example.times)) {
                lines.push_back(FormatDateSerial("yyyymmdd", day) + " " + time + " x");
            }
        }
    }
    return lines;
}

TEST(RecurrenceExamplesTest, EachExampleGivesTheDatesItLists) {
    const LocalZone zone("America/New_York");
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.title);
        const EventCalendar calendar =
            CalendarOf(std::string("BEGIN:VEVENT\nUID:example\nSUMMARY:x\n"
                                   "DTSTART;TZID=America/New_York:") +
                       example.start + "\n" + example.rule + "\nEND:VEVENT\n");
        const std::string first = std::string(example.start).substr(0, 8);
        const std::vector<std::string> listed = Listed(example);
        EXPECT_EQ(EventLines(calendar, first, example.last), listed);

        // Asked only about the last two months, a rule is started near them
        // rather than counted from its first occurrence.
        const std::string tailStart = FormatDateSerial("yyyymmdd", Day(example.last) - 60);
        std::vector<std::string> tail;
        std::copy_if(listed.begin(), listed.end(), std::back_inserter(tail),
                     [&](const std::string& line) { return line.substr(0, 8) >= tailStart; });
        EXPECT_EQ(EventLines(calendar, std::max(first, tailStart), example.last), tail);
    }
}

}  // namespace
}  // namespace tessarine
