// SPDX-License-Identifier: GPL-3.0-or-later
// The plot area's drawing operations, exactly those the curve engine needs. Positions are in the
// surface's current coordinate system: twips after SetUnitTwips(), or the custom system set by
// SetScaleLeft/SetScaleTop/SetScaleHeight (a negative height turns the y axis upwards).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Measures in twips from now on; drops any custom coordinate system.
  virtual void SetUnitTwips() = 0;
  // The inner width and height in the current units.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // A custom coordinate system: the value of the left edge, of the top edge, and the height (the
  // top edge value plus the height is the bottom edge value). A height of 0 is ignored.
  virtual void SetScaleLeft(double left) = 0;
  virtual void SetScaleTop(double top) = 0;
  virtual void SetScaleHeight(double height) = 0;

  // Erases the drawing and starts a new retained image (with a new handle); the current
  // position goes to the top-left corner.
  virtual void Clear() = 0;
  // Line width in screen pixels (1/96 inch) for lines and points drawn from now on.
  virtual void SetLineWidth(int pixels) = 0;
  // A line; the current position moves to its end.
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  // A single point of the line width; the current position moves there.
  virtual void Point(double x, double y) = 0;

  // The current text position: where the top-left corner of the next printed text goes.
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // Prints one line of text at the current position; the position then moves to the start of
  // the next line below it (x back to the left edge).
  virtual void Print(std::string_view text) = 0;
  // Prints a number as the classic runtime does: sign place (blank or minus), digits, blank.
  void PrintNumber(std::int32_t value) { Print(PrintedNumberText(value)); }

  // The handle of the retained image: 0 before the first Clear(), a new value after each.
  virtual std::int32_t ImageHandle() const = 0;

  // " 15 ", "-3 ".
  static std::string PrintedNumberText(std::int32_t value) {
    const std::int64_t v = value;
    return (v < 0 ? "-" : " ") + std::to_string(v < 0 ? -v : v) + " ";
  }
};

}  // namespace velmora
