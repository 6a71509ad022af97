// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that keeps what is drawn as a display list: that list is the retained image.
// The tests read it; the Qt side replays it onto any painter (screen, image, SVG, PDF, printer).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace velmora {

// The colour an item is drawn in, from the plot's style record.
enum class PlotPen : std::uint8_t {
  kForeground,  // axes, texts and the formulas' curve
  kNec,         // NEC-2's curve: the colour of its points
  kMeasured,    // a loaded measurement's curve
  kGuide,       // marked levels across the plot
  kShade,       // a filled area behind the curves
};

// One drawn item, resolved to twips from the surface's top-left corner, y downwards.
struct DrawnItem {
  // kFill: the rectangle between (x1, y1) and (x2, y2), filled.
  enum class Kind : std::uint8_t { kLine, kPoint, kText, kFill };
  Kind kind = Kind::kPoint;
  PlotPen pen = PlotPen::kForeground;
  std::int16_t lineWidth = 1;   // pixels (1/96 inch); 15 twips each
  std::uint32_t textIndex = 0;  // into DisplayList::texts, for kText
  double x1 = 0;                // start of a line, the point, or the text's top-left corner
  double y1 = 0;
  double x2 = 0;  // end of a line
  double y2 = 0;

  bool operator==(const DrawnItem&) const = default;
};

struct DisplayList {
  std::int32_t handle = 0;
  double width = 0;  // twips
  double height = 0;
  std::vector<DrawnItem> items;
  std::vector<std::string> texts;
  const std::string& TextOf(const DrawnItem& item) const { return texts[item.textIndex]; }
};

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPixel = 15.0;  // at 96 dpi, so prints keep the screen's look
// The line height of the plot font (7.8 pt) in twips, for surfaces that do not measure.
inline constexpr double kDefaultLineHeightTwips = 180.0;

class RetainedSurface : public DrawingSurface {
 public:
  RetainedSurface(double widthTwips, double heightTwips,
                  double lineHeightTwips = kDefaultLineHeightTwips);

  // The window layout changes the plot size; the drawing stays until the next Clear().
  void SetSize(double widthTwips, double heightTwips);
  const DisplayList& Image() const { return list_; }
  double LineHeightTwips() const { return lineHeight_; }
  // Lets a long run append its points without growing the list on the way.
  void Reserve(std::size_t items) { list_.items.reserve(items); }

  void SetUnitTwips() override;
  double ScaleWidth() const override { return scaleWidth_; }
  double ScaleHeight() const override { return scaleHeight_; }
  void SetScaleLeft(double left) override { scaleLeft_ = left; }
  void SetScaleTop(double top) override { scaleTop_ = top; }
  void SetScaleHeight(double height) override;
  void Clear() override;
  void SetLineWidth(int pixels) override;
  void Line(double x1, double y1, double x2, double y2) override;
  void Point(double x, double y) override;
  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  void Print(std::string_view text) override;
  std::int32_t ImageHandle() const override { return list_.handle; }
  // Lines, points and fills from now on; Clear() goes back to the foreground.
  void SetPen(PlotPen pen) { pen_ = pen; }
  // A filled rectangle between two corners, in surface coordinates.
  void Fill(double x1, double y1, double x2, double y2);

  // Surface coordinates -> twips from the top-left corner.
  double ToTwipsX(double x) const;
  double ToTwipsY(double y) const;

 private:
  // A line's or a fill's item in the current pen, its corners given in surface coordinates.
  DrawnItem Item(DrawnItem::Kind kind, double x1, double y1, double x2, double y2) const;

  DisplayList list_;
  double lineHeight_;
  std::int32_t handleCounter_ = 0;
  std::int16_t lineWidth_ = 1;
  PlotPen pen_ = PlotPen::kForeground;
  double scaleLeft_ = 0;
  double scaleTop_ = 0;
  double scaleWidth_;
  double scaleHeight_;
  double currentX_ = 0;
  double currentY_ = 0;
};

}  // namespace velmora
