// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/retained_surface.h"

namespace velmora {

RetainedSurface::RetainedSurface(double widthTwips, double heightTwips, double lineHeightTwips)
    : lineHeight_(lineHeightTwips), scaleWidth_(widthTwips), scaleHeight_(heightTwips) {
  list_.width = widthTwips;
  list_.height = heightTwips;
}

void RetainedSurface::SetSize(double widthTwips, double heightTwips) {
  list_.width = widthTwips;
  list_.height = heightTwips;
  SetUnitTwips();
}

void RetainedSurface::SetUnitTwips() {
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = list_.width;
  scaleHeight_ = list_.height;
}

void RetainedSurface::SetScaleHeight(double height) {
  if (height != 0) scaleHeight_ = height;
}

double RetainedSurface::ToTwipsX(double x) const {
  return (x - scaleLeft_) * (scaleWidth_ != 0 ? list_.width / scaleWidth_ : 1.0);
}

double RetainedSurface::ToTwipsY(double y) const {
  return (y - scaleTop_) * (scaleHeight_ != 0 ? list_.height / scaleHeight_ : 1.0);
}

void RetainedSurface::Clear() {
  list_.items.clear();  // keeps the capacity: a redraw appends without allocating
  list_.texts.clear();
  list_.handle = ++handleCounter_;
  pen_ = PlotPen::kForeground;
  currentX_ = scaleLeft_;
  currentY_ = scaleTop_;
}

void RetainedSurface::SetLineWidth(int pixels) {
  if (pixels >= 1 && pixels <= 32767) lineWidth_ = static_cast<std::int16_t>(pixels);
}

DrawnItem RetainedSurface::Item(DrawnItem::Kind kind, double x1, double y1, double x2,
                                double y2) const {
  DrawnItem item;
  item.kind = kind;
  item.pen = pen_;
  item.x1 = ToTwipsX(x1);
  item.y1 = ToTwipsY(y1);
  item.x2 = ToTwipsX(x2);
  item.y2 = ToTwipsY(y2);
  return item;
}

void RetainedSurface::Line(double x1, double y1, double x2, double y2) {
  DrawnItem item = Item(DrawnItem::Kind::kLine, x1, y1, x2, y2);
  item.lineWidth = lineWidth_;
  list_.items.push_back(item);
  currentX_ = x2;
  currentY_ = y2;
}

void RetainedSurface::Point(double x, double y) {
  DrawnItem item;
  item.kind = DrawnItem::Kind::kPoint;
  item.pen = pen_;
  item.lineWidth = lineWidth_;
  item.x1 = ToTwipsX(x);
  item.y1 = ToTwipsY(y);
  list_.items.push_back(item);
  currentX_ = x;
  currentY_ = y;
}

void RetainedSurface::Fill(double x1, double y1, double x2, double y2) {
  list_.items.push_back(Item(DrawnItem::Kind::kFill, x1, y1, x2, y2));
}

void RetainedSurface::Print(std::string_view text) {
  DrawnItem item;
  item.kind = DrawnItem::Kind::kText;
  item.textIndex = static_cast<std::uint32_t>(list_.texts.size());
  item.x1 = ToTwipsX(currentX_);
  item.y1 = ToTwipsY(currentY_);
  list_.texts.emplace_back(text);
  list_.items.push_back(item);
  // One line down, in surface units: downwards is towards the bottom edge whatever the sign.
  currentX_ = scaleLeft_;
  currentY_ += lineHeight_ * (list_.height != 0 ? scaleHeight_ / list_.height : 1.0);
}

}  // namespace velmora
