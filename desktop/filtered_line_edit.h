// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QSet>
#include <cstdint>
#include <functional>

namespace velmora::qt {

// A line edit that hands every typed character to a key filter before it lands in the text.
// Navigation and editing keys, Enter and Escape keep their usual jobs; a paste is typed
// character by character through the filter.
class FilteredLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  std::function<void(std::int16_t&)> keyFilter;
  std::function<void()> keyRelease;
  std::function<void()> focusLost;

 signals:
  // The text changed by the user (also when a filtered key was inserted by us).
  void userEdited(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void PasteFiltered();
  // Runs the filter on one typed character; returns the character to insert, or 0.
  char16_t Filter(char16_t typed);
  QSet<int> pressedHere_;
};

}  // namespace velmora::qt
