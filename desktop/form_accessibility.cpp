// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/form_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <map>
#include <string>

#include "desktop/text.h"
#include "platform/controls.h"

namespace velmora::qt {
namespace {

// Marks a label that shows a result beside its caption (a dynamic property of the label).
constexpr char kResultProperty[] = "velmoraResult";

// A result label: named by its caption, it reads out its value as its text (also through the
// text interface, which screen readers on AT-SPI read).
class ResultLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ResultLabelAccessible(QWidget* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Value() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  // Read-only text without caret or selection.
  QString text(int start, int end) const override { return Value().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QString Value() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* ResultLabelFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QLabel") || !object->property(kResultProperty).toBool())
    return nullptr;
  return new ResultLabelAccessible(static_cast<QWidget*>(object));
}

// A caption as a name: without the trailing colons and blanks ("Gesamt - Vf :" -> "Gesamt -
// Vf") and on one line.
QString AsName(const std::string& caption) {
  QString name = ToDisplay(caption).simplified();
  while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' '))) name.chop(1);
  return name;
}

}  // namespace

void InstallResultLabelAccessibility() {
  static const bool installed = (QAccessible::installFactory(&ResultLabelFactory), true);
  (void)installed;
}

bool IsResultLabel(const QWidget& widget) {
  return widget.property(kResultProperty).toBool();
}

void AnnounceNewText(QLabel& label, const QString& before, const QString& after) {
  QAccessibleTextUpdateEvent event(&label, 0, before, after);
  QAccessible::updateAccessibility(&event);
}

void NameControls(std::vector<NamedRow>& rows) {
  std::map<std::string, QString> frameCaptions;
  for (const NamedRow& b : rows) {
    if (b.entry->kind == ControlKind::kFrame)
      frameCaptions[b.entry->control->name] =
          AsName(static_cast<Frame&>(*b.entry->control).caption);
  }
  for (NamedRow& b : rows) {
    const ControlKind kind = b.entry->kind;
    if (kind == ControlKind::kFrame || kind == ControlKind::kTimer) continue;
    const Control& c = *b.entry->control;
    const NamedRow* caption = nullptr;
    int bestOverlap = 0;
    for (const NamedRow& other : rows) {
      const Control& o = *other.entry->control;
      if (&other == &b || other.entry->kind != ControlKind::kLabel ||
          other.entry->container != b.entry->container || o.left + o.width > c.left)
        continue;
      const int overlap = std::min(o.top + o.height, c.top + c.height) - std::max(o.top, c.top);
      if (overlap > bestOverlap) {
        bestOverlap = overlap;
        caption = &other;
      }
    }
    const bool result = kind == ControlKind::kLabel && caption != nullptr;
    if (kind == ControlKind::kLabel && !result) continue;  // a caption itself, read as it stands
    b.widget->setProperty(kResultProperty, result);
    QString name =
        caption ? AsName(static_cast<const Label&>(*caption->entry->control).caption) : QString();
    if (name.isEmpty()) name = ToQ(c.toolTip);
    if (result) name = name.isEmpty() ? QStringLiteral("Ergebnis") : "Ergebnis: " + name;
    if (caption && kind != ControlKind::kLabel) {
      auto* label = static_cast<QLabel*>(caption->widget);
      if (label->buddy() != b.widget) label->setBuddy(b.widget);
    }
    // Buttons and the check box are named by their own text.
    if (kind == ControlKind::kCommandButton || kind == ControlKind::kCheckBox) name.clear();
    const QString about =
        c.toolTip.empty() && !result ? frameCaptions[b.entry->container] : QString();
    auto apply = [&name](QWidget* w, const QString& about) {
      if (w->accessibleName() != name) w->setAccessibleName(name);
      if (w->accessibleDescription() != about) w->setAccessibleDescription(about);
    };
    apply(b.widget, about);
    // The line edit of a choice box has the focus while the user types: it is named alike and
    // described by the box's tool tip, which it does not have itself.
    if (QLineEdit* line = kind == ControlKind::kComboBox
                              ? static_cast<QComboBox*>(b.widget)->lineEdit()
                              : nullptr)
      apply(line, about.isEmpty() ? ToQ(c.toolTip) : about);
  }
}

}  // namespace velmora::qt
