// Arithmetic on OLE dates through a continuous day count.
//
// A date serial is not continuous below zero: its fraction is the time of day
// on both sides of day zero (-1.25 is 1899-12-29 06:00, -1.75 is 18:00 on the
// same day). Adding hours to a serial, ordering serials or taking the start of
// a day therefore goes through the day count, which equals the serial from
// 1899-12-30 on and keeps counting down continuously before it.
#pragma once

#include "platform/Variant.h"

namespace velkor::sim {

// The day count of a date: -0.75 for the serial -1.25. A later time always
// gives a greater day count.
double ToDayCount(DateValue date);
// The date serial of a day count; the inverse of ToDayCount.
DateValue FromDayCount(double days);

// The date `days` later (earlier for a negative value); days may be fractional.
DateValue AddDays(DateValue date, double days);
// Midnight at the start of the date's day. The date is first rounded to the
// nearest second, as it is displayed, so 23:59:59.9999 belongs to the next day.
DateValue StartOfDay(DateValue date);

}  // namespace velkor::sim
