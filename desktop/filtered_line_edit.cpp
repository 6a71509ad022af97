// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/filtered_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

namespace velmora::qt {
namespace {

constexpr char16_t kBackspace = 8;

// Keys that move, confirm or cancel rather than edit: their release is no edit of the box.
bool IsNavigationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
         key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace

char16_t FilteredLineEdit::Filter(char16_t typed) {
  std::int16_t key = typed > 0x7fff ? std::int16_t{0x7fff} : static_cast<std::int16_t>(typed);
  keyFilter(key);
  return key <= 0 ? char16_t{0} : static_cast<char16_t>(key);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) pressedHere_.insert(event->key());
  if (!keyFilter) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    PasteFiltered();
    event->accept();
    return;
  }
  const QString text = event->text();
  const bool backspace = event->key() == Qt::Key_Backspace;
  const bool command =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const bool types = !text.isEmpty() && text.at(0).isPrint();
  if (command || !(types || backspace)) {
    QLineEdit::keyPressEvent(event);  // navigation, Delete, Enter, Escape, shortcuts
    return;
  }
  const char16_t typed = backspace ? kBackspace : text.at(0).unicode();
  const char16_t result = Filter(typed);
  event->accept();
  if (result == 0) return;
  if (result == typed && !(types && text.size() > 1)) {
    QLineEdit::keyPressEvent(event);
  } else if (result == kBackspace) {
    backspace ? QLineEdit::keyPressEvent(event) : QLineEdit::backspace();
  } else {
    insert(QString(QChar(result)));
  }
  emit userEdited(this->text());
}

void FilteredLineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  // A key pressed elsewhere (Tab from the previous box, Enter that pressed the default button)
  // has done its job before its release reaches this box.
  const bool mine = pressedHere_.remove(event->key());
  if (mine && !IsNavigationKey(event->key()) && keyRelease) keyRelease();
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  pressedHere_.clear();
  // Switching to another program or opening a menu is no move of the focus inside the form.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    return;
  if (focusLost) focusLost();
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (keyFilter) {
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QLatin1String("edit-paste")) {
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, &FilteredLineEdit::PasteFiltered);
      }
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void FilteredLineEdit::PasteFiltered() {
  if (isReadOnly()) return;
  // Cut to the room left, as the box's own paste does: what cannot fit is not typed at all, so a
  // long paste costs no more than a short one.
  QString clip = QGuiApplication::clipboard()->text();
  clip.truncate(std::max(qsizetype{0}, maxLength() - text().size() + selectedText().size()));
  bool changed = false;
  for (const QChar ch : clip) {
    const char16_t result = Filter(ch.unicode());
    if (result == 0) continue;
    if (result == kBackspace) {
      backspace();
    } else {
      insert(QString(QChar(result)));
    }
    changed = true;
  }
  if (changed) emit userEdited(text());
  if (keyRelease) keyRelease();
}

}  // namespace velmora::qt
