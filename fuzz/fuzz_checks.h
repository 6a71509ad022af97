// SPDX-License-Identifier: GPL-3.0-or-later
// Invariant checks and input generators shared by the dialog and plot fuzz targets. A broken
// invariant prints what broke and aborts, which libFuzzer reports as a crash with the input.
#pragma once

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "curves/draw_curve.h"
#include "formulas/numtext.h"
#include "fuzz/fuzz_input.h"
#include "platform/retained_surface.h"

namespace velmora::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

inline void Require(bool condition, const char* what, std::string_view detail = {}) {
  if (!condition) Fail(what, detail);
}

// What a number label may show: an optional minus, digits, optionally the separator and digits.
// Never "inf", "nan", the not-a-number dashes, an exponent or a group separator.
inline bool IsPlainNumberText(std::string_view text, char separator) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t intStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == intStart) return false;
  if (i == text.size()) return true;
  if (text[i] != separator) return false;
  const std::size_t fracStart = ++i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  return i == text.size() && i > fracStart;
}

// Only the characters the key filter lets into a numeric box.
inline bool IsFilteredBoxText(std::string_view text) {
  return text.find_first_not_of("1234567890,.") == std::string_view::npos;
}

// A text for a box: raw bytes, a number as a user types it, a number in general form, or empty.
inline std::string ValueText(Input& in) {
  switch (in.Byte() % 5) {
    case 0:
      return in.Text(16);
    case 1:
    case 2: {
      static constexpr char kTyped[] = "0123456789,.";
      std::string text;
      const int length = in.Byte() % 12;
      for (int i = 0; i < length; ++i) text += kTyped[in.Byte() % (sizeof kTyped - 1)];
      return text;
    }
    case 3: {
      const float v = in.Take<float>();
      return FormatGeneral(std::isfinite(v) ? v : 0.0f, in.Byte() & 1 ? ',' : '.');
    }
    default:
      return "";
  }
}

// Text a user may type into a box: mostly characters of numbers, some letters, signs, blanks,
// Backspace, UTF-8 and stray bytes.
inline std::string TypedText(Input& in) {
  static constexpr const char* kPieces[] = {"0", "1", "2", "5", "9", ",",    ".",    "\b", "-", "e",
                                            "E", " ", "a", "ä", "€", "\x80", "\xff", "\t", "+"};
  std::string text;
  const int length = in.Byte() % 10;
  for (int i = 0; i < length; ++i) {
    const std::uint8_t b = in.Byte();
    if (b < 0xF0) {
      text += kPieces[b % (sizeof kPieces / sizeof kPieces[0])];
    } else {
      text += static_cast<char>(in.Byte());
    }
  }
  return text;
}

// A generous bound on what one curve run may draw, derived from its layout: each axis draws at
// most one tick (a line and a label) per unit step between the margin and the end of the axis,
// the curve at most one point per x twip up to N, plus the two axes, the origin point and the
// four unit and name texts.
inline std::size_t DrawingBound(const CurveLayout& l) {
  auto ticks = [&](std::int64_t unit, std::int64_t fullScale) -> std::int64_t {
    if (unit == 0) return 0;
    return std::llabs(fullScale) + 2 + std::llabs(l.m) / std::llabs(unit);
  };
  const std::int64_t tickCount = ticks(l.uy, l.Y) + ticks(l.ux, l.X);
  const std::int64_t points = (l.N > 0 ? l.N : 0) + 1;
  return static_cast<std::size_t>(2 + 2 * tickCount + points + 4);
}

// What is wrong with one run's drawing, empty when nothing: within the bound, every coordinate
// finite, every curve point inside the sampled range and below the top limit, every tick label
// a plain number. The random desktop session checks the plot with it too.
inline std::string DrawingFault(const DisplayList& image, const CurveTrace& trace, char separator) {
  const CurveLayout& l = trace.layout;
  if (image.items.size() > DrawingBound(l)) {
    return "drawing exceeds its bound: " + std::to_string(image.items.size()) + " > " +
           std::to_string(DrawingBound(l));
  }
  for (const DrawnItem& item : image.items) {
    if (!std::isfinite(item.x1) || !std::isfinite(item.y1) || !std::isfinite(item.x2) ||
        !std::isfinite(item.y2)) {
      return "drawn coordinate not finite";
    }
  }
  for (const CurveTrace::SetPoint& p : trace.points) {
    if (p.p < 1 || p.p > l.N) return "point outside the sampled range: " + std::to_string(p.p);
    // Rounding to single precision is monotonic, so a height within the limit stays within it.
    if (p.y > static_cast<float>(static_cast<double>(l.m) + l.T))
      return "point above the top limit";
  }
  for (const CurveTrace::Tick& t : trace.yTicks) {
    if (t.label && !IsPlainNumberText(*t.label, separator)) return "y tick label " + *t.label;
  }
  for (const CurveTrace::Tick& t : trace.xTicks) {
    if (!t.label) continue;
    const std::string_view label = *t.label;
    if (label.size() < 3 || (label.front() != ' ' && label.front() != '-') || label.back() != ' ' ||
        !IsPlainNumberText(label.substr(1, label.size() - 2), '.')) {
      return "x tick label " + *t.label;
    }
  }
  return {};
}

inline void CheckDrawing(const DisplayList& image, const CurveTrace& trace, char separator) {
  const std::string fault = DrawingFault(image, trace, separator);
  if (!fault.empty()) Fail("drawing", fault);
}

// Whether a caption, title or box text shows a number the program failed to write: "inf" or
// "nan" as a word, or a number in exponent form.
inline bool HasBrokenNumber(std::string_view text) {
  std::string t(text);
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto at = [&](std::size_t i) {
    return i < t.size() ? static_cast<unsigned char>(t[i]) : 0;
  };
  const auto letter = [&](std::size_t i) { return std::isalpha(at(i)) || at(i) >= 0x80; };
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool word = (t.compare(i, 3, "inf") == 0 || t.compare(i, 3, "nan") == 0) &&
                      (i == 0 || !letter(i - 1)) && !letter(i + 3);
    const bool sign = at(i + 2) == '+' || at(i + 2) == '-';
    if (word || (std::isdigit(at(i)) && at(i + 1) == 'e' && std::isdigit(at(i + 2 + sign)))) {
      return true;
    }
  }
  return false;
}

}  // namespace velmora::fuzz
