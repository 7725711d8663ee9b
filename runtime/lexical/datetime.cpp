// xs:dateTime as XML Schema 1.0 defines it: no year 0000, so "-0001" is the
// year 1 BCE. Leap years of negative years follow from that: the year -Y is
// the astronomical year 1-Y, and leap years are those of the proleptic
// Gregorian calendar in astronomical numbering. So -0001, -0005 and -0401
// are leap years; -0004 and -0100 are not.
//
// The fields are stored as written: "-0044" gives year -44, and 24:00:00
// stays hour 24 of the same day rather than becoming 00:00:00 of the next,
// since that would need date arithmetic across month and year ends and the
// values are only checked and kept, not compared.
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "internal/lexical.h"

namespace pxrt::lex {
namespace {

// Longest year taken: 18 digits always fit an int64_t. Longer years are
// refused as ST_BAD_VALUE since the record could not hold them.
constexpr size_t kMaxYearDigits = 18;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly two digits at t[i], as a number; -1 when they are not there.
int twoDigits(std::string_view t, size_t i) {
  if (i + 2 > t.size() || !isDigit(t[i]) || !isDigit(t[i + 1])) return -1;
  return (t[i] - '0') * 10 + (t[i + 1] - '0');
}

bool isLeapYear(int64_t year) {
  const int64_t astronomical = year < 0 ? year + 1 : year;
  return astronomical % 4 == 0 && (astronomical % 100 != 0 || astronomical % 400 == 0);
}

int daysInMonth(int64_t year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

int parseDateTime(std::string_view text, RtDateTime* out) {
  if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return ST_BAD_VALUE;
  const std::string_view t = trim(text);
  size_t i = 0;

  // Year: four digits or more, no leading zero beyond four, never 0000.
  const bool negativeYear = i < t.size() && t[i] == '-';
  if (negativeYear) ++i;
  const size_t yearStart = i;
  while (i < t.size() && isDigit(t[i])) ++i;
  const size_t yearDigits = i - yearStart;
  if (yearDigits < 4 || yearDigits > kMaxYearDigits) return ST_BAD_VALUE;
  if (yearDigits > 4 && t[yearStart] == '0') return ST_BAD_VALUE;
  int64_t year = 0;
  std::from_chars(t.data() + yearStart, t.data() + i, year);
  if (year == 0) return ST_BAD_VALUE;
  if (negativeYear) year = -year;

  // -MM-DDThh:mm:ss at fixed offsets from here.
  if (i + 15 > t.size()) return ST_BAD_VALUE;
  if (t[i] != '-' || t[i + 3] != '-' || t[i + 6] != 'T' || t[i + 9] != ':' || t[i + 12] != ':') {
    return ST_BAD_VALUE;
  }
  const int month = twoDigits(t, i + 1);
  const int day = twoDigits(t, i + 4);
  const int hour = twoDigits(t, i + 7);
  const int minute = twoDigits(t, i + 10);
  const int second = twoDigits(t, i + 13);
  if (month < 1 || month > 12) return ST_BAD_VALUE;
  if (day < 1 || day > daysInMonth(year, month)) return ST_BAD_VALUE;
  if (hour < 0 || hour > 24 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return ST_BAD_VALUE;
  }
  const size_t secondsStart = i + 13;
  i += 15;

  // Fraction of a second: a point needs at least one digit after it.
  bool fractionIsZero = true;
  if (i < t.size() && t[i] == '.') {
    const size_t fractionStart = ++i;
    while (i < t.size() && isDigit(t[i])) fractionIsZero &= t[i++] == '0';
    if (i == fractionStart) return ST_BAD_VALUE;
  }
  const size_t secondsEnd = i;
  // 24:00:00 is the end of the day; any other time in hour 24 is not a time.
  if (hour == 24 && (minute != 0 || second != 0 || !fractionIsZero)) return ST_BAD_VALUE;

  // Zone: Z, or +hh:mm / -hh:mm up to 14:00 either way.
  bool hasZone = false;
  int zoneMinutes = 0;
  if (i < t.size() && t[i] == 'Z') {
    hasZone = true;
    ++i;
  } else if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    const bool negativeZone = t[i] == '-';
    if (i + 6 > t.size() || t[i + 3] != ':') return ST_BAD_VALUE;
    const int zh = twoDigits(t, i + 1);
    const int zm = twoDigits(t, i + 4);
    if (zh < 0 || zh > 14 || zm < 0 || zm > 59 || (zh == 14 && zm != 0)) return ST_BAD_VALUE;
    hasZone = true;
    zoneMinutes = (zh * 60 + zm) * (negativeZone ? -1 : 1);
    i += 6;
  }
  if (i != t.size()) return ST_BAD_VALUE;

  // Seconds with their fraction, converted as one decimal text so that a
  // long fraction is rounded once, correctly.
  double seconds = 0.0;
  std::from_chars(t.data() + secondsStart, t.data() + secondsEnd, seconds, std::chars_format::fixed);

  out->year = year;
  out->mon = static_cast<uint8_t>(month);
  out->day = static_cast<uint8_t>(day);
  out->hour = static_cast<uint8_t>(hour);
  out->min = static_cast<uint8_t>(minute);
  out->sec = seconds;
  out->tz_flag = hasZone ? 1 : 0;
  out->tzo = static_cast<int16_t>(zoneMinutes);
  return static_cast<int>(text.size());
}

}  // namespace pxrt::lex
