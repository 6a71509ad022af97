// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/choice_box.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <algorithm>

#include "desktop/qt_printing.h"

namespace velmora::qt {

void ComboLineEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  finishing_ = enter;
  QLineEdit::keyPressEvent(event);
  finishing_ = false;
}

void ComboLineEdit::focusOutEvent(QFocusEvent* event) {
  finishing_ = true;
  QLineEdit::focusOutEvent(event);
  finishing_ = false;
}

void ChoiceBox::showPopup() {
  QAbstractItemView* list = view();
  int scrollBar = 0;
  if (count() > maxVisibleItems()) {
    scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  }
  list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar +
                        list->fontMetrics().averageCharWidth());
  QComboBox::showPopup();
}

bool ChoiceBox::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QComboBox::event(event);
  QStringList lines;
  if (!currentText().trimmed().isEmpty()) lines << currentText();
  if (!toolTip().isEmpty()) lines << toolTip();
  if (lines.isEmpty()) {
    event->ignore();
  } else {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), lines.join(QLatin1Char('\n')),
                       this);
  }
  return true;
}

void ChoiceBox::paintEvent(QPaintEvent* event) {
  if (!IsBeingPrinted(*this)) {
    QComboBox::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRectF arrow =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  const QPointF c = arrow.center();
  const double half = std::min(arrow.width(), arrow.height()) / 5.0;
  const QPointF corners[] = {{c.x() - half, c.y() - half / 2},
                             {c.x() + half, c.y() - half / 2},
                             {c.x(), c.y() + half / 2}};
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawPolygon(corners, 3);
}

}  // namespace velmora::qt
