// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/form_layout.h"

#include <QWidget>
#include <algorithm>

#include "desktop/twips.h"
#include "platform/controls.h"

namespace velmora::qt {

namespace {
constexpr int kMarginTwips = 60;  // right and bottom edge beyond the outermost control
}  // namespace

QRect PixelRect(const Control& control, double dpi) {
  return QRect(TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
               TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi));
}

QSize ClientSize(const std::vector<NamedRow>& rows, double dpi) {
  int right = 0;
  int bottom = 0;
  for (const NamedRow& row : rows) {
    if (!row.entry->container.empty()) continue;
    const Control& c = *row.entry->control;
    right = std::max(right, c.left + c.width);
    bottom = std::max(bottom, c.top + c.height);
  }
  return QSize(TwipsToPixels(right + kMarginTwips, dpi), TwipsToPixels(bottom + kMarginTwips, dpi));
}

void ApplyTabOrder(const std::vector<NamedRow>& rows) {
  std::vector<const NamedRow*> order;
  for (const NamedRow& row : rows) {
    const ControlKind k = row.entry->kind;
    if (k == ControlKind::kFrame || k == ControlKind::kLabel || k == ControlKind::kBusy ||
        k == ControlKind::kTimer)
      continue;
    order.push_back(&row);
  }
  std::stable_sort(order.begin(), order.end(), [](const NamedRow* a, const NamedRow* b) {
    return a->entry->control->tabIndex < b->entry->control->tabIndex;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
  }
}

}  // namespace velmora::qt
