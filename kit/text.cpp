#include "kit/text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "kit/clock.h"
#include "kit/crt.h"

namespace {
struct WholeReading {
  bool ok;
  std::int64_t value;
  std::size_t offending;  // position counted from 1 when not ok
};

int digitIn(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9') {
    d = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    d = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    d = c - 'A' + 10;
  }
  return d < base ? d : -1;
}

WholeReading readWhole(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
    ++i;
  }
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < s.size()) {
    switch (s[i]) {
      case '$':
        base = 16;
        ++i;
        break;
      case '%':
        base = 2;
        ++i;
        break;
      case '&':
        base = 8;
        ++i;
        break;
      default:
        break;
    }
  }
  if (i >= s.size()) {
    return {false, 0, s.size() + 1};
  }
  const std::uint64_t limit =
      base != 10 ? 4294967295ULL : (negative ? 2147483648ULL : 2147483647ULL);
  std::uint64_t v = 0;
  for (; i < s.size(); ++i) {
    int d = digitIn(s[i], base);
    if (d < 0) {
      return {false, 0, i + 1};
    }
    v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (v > limit) {
      return {false, 0, i + 1};
    }
  }
  auto value = static_cast<std::int64_t>(v);
  return {true, negative ? -value : value, 0};
}
}  // namespace

std::string TCH(std::string_view I) {
  I = CUTSTRT(I);
  if (I.size() > 2) {
    return std::string(I.substr(I.size() - 2));
  }
  if (I.size() == 1) {
    std::string padded = "0";
    padded += I;
    return padded;
  }
  return std::string(I);
}

std::string DATE() {
  CalendarDate d = CLOCK->today();
  return TCH(std::to_string(d.month)) + "/" + TCH(std::to_string(d.day)) + "/" +
         TCH(std::to_string(d.year));
}

int VALUE(std::string_view I) {
  I = CUTSTRT(I);
  WholeReading r = readWhole(I);
  if (!r.ok) {
    std::string_view cut = I.substr(0, r.offending - 1);
    if (cut.empty()) {
      return 0;
    }
    r = readWhole(cut);
    if (!r.ok) {
      return 0;
    }
  }
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(r.value & 0xffff));
}

int ROUNDED(double x) {
  double r = std::nearbyint(x);
  if (!(r >= std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  if (r > std::numeric_limits<int>::max()) {
    return std::numeric_limits<int>::max();
  }
  return static_cast<int>(r);
}

std::string WHOLE(double x) {
  char text[400];
  std::snprintf(text, sizeof text, "%.0f", std::round(x) + 0.0);
  return text;
}

std::string PADL(std::string_view text, int w) {
  std::string out;
  if (static_cast<int>(text.size()) < w) {
    out.assign(static_cast<std::size_t>(w) - text.size(), ' ');
  }
  out += text;
  return out;
}
