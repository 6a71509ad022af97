// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/caption_fit.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmora::qt {

void FitOnOneLine(QLabel& label, const QFont& dialogFont) {
  constexpr double kSmallestShare = 0.85;  // below this it reads as another kind of text
  constexpr int kNarrowestStretch = 94;    // percent of the normal width of the letters
  const QRect room = label.contentsRect();
  const int flags = int(label.alignment()) | Qt::TextWordWrap;
  QFont font = dialogFont;
  // Point sizes round to whole pixels on screen: the narrower letters cover the steps between.
  for (double size = dialogFont.pointSizeF();
       size >= dialogFont.pointSizeF() * kSmallestShare && room.width() > 0; size -= 0.1) {
    font.setPointSizeF(size);
    for (int stretch = 100; stretch >= kNarrowestStretch; stretch -= 2) {
      font.setStretch(stretch == 100 ? dialogFont.stretch() : stretch);
      const QFontMetrics metrics(font, &label);
      const int wrapped = metrics.boundingRect(room, flags, label.text()).height();
      if (wrapped <= metrics.boundingRect(room, flags & ~Qt::TextWordWrap, label.text()).height()) {
        label.setFont(font);
        return;
      }
    }
  }
  label.setFont(dialogFont);
}

}  // namespace velmora::qt
