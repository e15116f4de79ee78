#pragma once

#include <QString>

// True when the DDMMYYYY text names a real day of the Gregorian calendar.
bool isCalendarDate(const QString& ddmmyyyy);
