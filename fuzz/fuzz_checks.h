// Invariant checks and input generators shared by the dialog and plot fuzz targets. A broken
// invariant prints what broke and aborts, which libFuzzer reports as a crash with the input.
#pragma once

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "curves/draw_curve.h"
#include "formulas/numtext.h"
#include "fuzz/fuzz_input.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"

namespace velmora::fuzz {

// With VELMORA_FUZZ_TRACE set, the targets narrate each action, to replay a finding by eye.
inline bool Tracing() {
  static const bool on = std::getenv("VELMORA_FUZZ_TRACE") != nullptr;
  return on;
}

inline void Trace(std::string_view what, std::string_view detail = {}) {
  if (!Tracing()) return;
  std::fprintf(stderr, "  %.*s [%.*s]\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
}

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "invariant broken: %s [%.*s]\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

inline void Require(bool condition, const char* what, std::string_view detail = {}) {
  if (!condition) Fail(what, detail);
}

// The texts of a form's boxes and choice boxes by control name: everything typed or picked.
inline std::map<std::string, std::string> BoxTexts(const ControlTable& table) {
  std::map<std::string, std::string> texts;
  for (const ControlEntry& entry : table) {
    if (entry.kind == ControlKind::kTextBox) {
      texts[entry.control->name] = static_cast<const TextBox*>(entry.control)->text;
    } else if (entry.kind == ControlKind::kComboBox) {
      texts[entry.control->name] = static_cast<const ComboBox*>(entry.control)->text;
    }
  }
  return texts;
}

// Types such texts into the boxes of another form of the same kind.
inline void SetBoxTexts(const ControlTable& table,
                        const std::map<std::string, std::string>& texts) {
  for (const ControlEntry& entry : table) {
    const auto it = texts.find(entry.control->name);
    if (it == texts.end()) continue;
    if (entry.kind == ControlKind::kTextBox)
      static_cast<TextBox*>(entry.control)->text = it->second;
    if (entry.kind == ControlKind::kComboBox)
      static_cast<ComboBox*>(entry.control)->text = it->second;
  }
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
  const auto letter = [&](std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    return std::isalpha(c) || c >= 0x80;
  };
  const auto digit = [&](std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    for (std::string_view word : {"inf", "nan"}) {
      if (i + word.size() > text.size() || (i > 0 && letter(i - 1))) continue;
      bool same = true;
      for (std::size_t k = 0; k < word.size(); ++k) {
        same = same && std::tolower(static_cast<unsigned char>(text[i + k])) == word[k];
      }
      if (same && (i + word.size() == text.size() || !letter(i + word.size()))) return true;
    }
    if (digit(i) && i + 1 < text.size() && (text[i + 1] == 'e' || text[i + 1] == 'E')) {
      const std::size_t j =
          i + 2 < text.size() && (text[i + 2] == '+' || text[i + 2] == '-') ? i + 3 : i + 2;
      if (digit(j)) return true;
    }
  }
  return false;
}

}  // namespace velmora::fuzz
