#include "desktop/form_dialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <map>

#include "desktop/qt_platform.h"
#include "desktop/qt_printing.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"
#include "desktop/twips.h"
#include "platform/controls.h"
#include "platform/state_stamp.h"

namespace velmora::qt {
namespace {

constexpr int kMarginTwips = 60;  // right and bottom edge beyond the outermost control
// The controls were laid out for a small dialog font; at this size every caption fits its
// place (wrapping onto a second line where the place is two lines high).
constexpr double kDialogPointSize = 7.5;
constexpr double kFrameCaptionPointSize = 7.8;
constexpr char16_t kBackspace = 8;

// The line edit inside an editable combo box; tells its owner while it finishes editing.
class ComboLineEdit : public QLineEdit {
 public:
  ComboLineEdit(bool& finishing, QWidget* parent) : QLineEdit(parent), finishing_(finishing) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    finishing_ = enter;
    QLineEdit::keyPressEvent(event);
    finishing_ = false;
  }
  void focusOutEvent(QFocusEvent* event) override {
    finishing_ = true;
    QLineEdit::focusOutEvent(event);
    finishing_ = false;
  }

 private:
  bool& finishing_;
};

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

// An editable choice box. On paper it is a plain box with an arrow: the style paints it from a
// bitmap, which would reach the printer as a blurred picture.
class ChoiceBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  // The list opens as wide as its longest item, beyond the box if need be.
  void showPopup() override {
    QAbstractItemView* list = view();
    int scrollBar = 0;
    if (count() > maxVisibleItems()) {
      scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    }
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar +
                          list->fontMetrics().averageCharWidth());
    QComboBox::showPopup();
  }

 protected:
  // The tool tip shows the whole text, which the closed box may cut off, above the box's own tip.
  bool event(QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return QComboBox::event(event);
    QStringList lines;
    if (!currentText().trimmed().isEmpty()) lines << currentText();
    if (!toolTip().isEmpty()) lines << toolTip();
    if (lines.isEmpty()) {
      event->ignore();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                         lines.join(QLatin1Char('\n')), this);
    }
    return true;
  }

  void paintEvent(QPaintEvent* event) override {
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
};

// A caption that would wrap just short of one line is set a little smaller, and if need be a
// little narrower, and stays on one line; one that needs much more room wraps onto the second
// line its place has.
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

// Keys that move, confirm or cancel rather than edit: their release is no edit of the box.
bool IsNavigationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
         key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace

// ---------------------------------------------------------------- FilteredLineEdit

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

// ---------------------------------------------------------------- FormDialog

FormDialog::FormDialog(QtPlatform& platform, Form& form, const ControlTable& controls,
                       QWidget* parent)
    : QDialog(parent), platform_(platform), form_(form) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  // Frame captions sit on the frame's top line, so controls placed just below the caption
  // keep clear of the line.
  setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.55em; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 5px; padding: 0 2px; background-color: palette(window); }"));
  QFont small = font();
  small.setPointSizeF(kDialogPointSize);
  small.setWeight(QFont::Normal);  // set explicitly, or a bold frame passes bold on
  setFont(small);
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) dpi_ = screen->logicalDotsPerInchX();
  bound_.reserve(controls.size());
  for (const ControlEntry& entry : controls)
    bound_.push_back({&entry, nullptr, {}, std::nullopt, nullptr, 0});
  static const bool factoryInstalled = (QAccessible::installFactory(&ResultLabelFactory), true);
  (void)factoryInstalled;
  Build();
  platform_.AddModalView(this);
}

FormDialog::~FormDialog() {
  platform_.RemoveModalView(this);
}

QRect FormDialog::PixelRect(const Control& control) const {
  return QRect(TwipsToPixels(control.left, dpi_), TwipsToPixels(control.top, dpi_),
               TwipsToPixels(control.width, dpi_), TwipsToPixels(control.height, dpi_));
}

QSize FormDialog::ClientSize() const {
  int right = 0;
  int bottom = 0;
  for (const Bound& b : bound_) {
    if (!b.entry->container.empty()) continue;
    const Control& c = *b.entry->control;
    right = std::max(right, c.left + c.width);
    bottom = std::max(bottom, c.top + c.height);
  }
  return QSize(TwipsToPixels(right + kMarginTwips, dpi_),
               TwipsToPixels(bottom + kMarginTwips, dpi_));
}

void FormDialog::Build() {
  std::map<std::string, QWidget*> frames;
  for (Bound& b : bound_) {
    const ControlEntry& bind = *b.entry;
    const auto row = static_cast<std::size_t>(&b - bound_.data());
    if (bind.kind == ControlKind::kTimer) {
      b.timer = new QTimer(this);
      b.timer->setSingleShot(true);
      connect(b.timer, &QTimer::timeout, this, [this, f = bind.events.click] {
        if (f) Route(f);
      });
      continue;
    }
    QWidget* parent = this;
    if (!bind.container.empty()) {
      auto it = frames.find(bind.container);
      if (it != frames.end()) parent = it->second;
    }
    switch (bind.kind) {
      case ControlKind::kFrame: {
        // Not filled: a frame laid over another one (its caption band reaching over the box
        // above it) must not cut off what lies under its edge.
        auto* box = new QGroupBox(parent);
        if (bind.boldCaption) {
          QFont bold = box->font();
          bold.setBold(true);
          bold.setPointSizeF(kFrameCaptionPointSize);
          box->setFont(bold);
        }
        frames[bind.control->name] = box;
        b.widget = box;
        break;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        switch (bind.look) {
          case LabelLook::kCaption:
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            break;
          case LabelLook::kValue:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setBackgroundRole(QPalette::Base);
            label->setAutoFillBackground(true);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            break;
          case LabelLook::kNumber:
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            label->setBackgroundRole(QPalette::Base);
            label->setAutoFillBackground(true);
            label->setContentsMargins(4, 0, 4, 0);
            break;
          case LabelLook::kHeading:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            break;
          case LabelLook::kNote:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setStyleSheet(QStringLiteral("color: #8a3b00;"));
            break;
          case LabelLook::kLeft:
          case LabelLook::kPlain:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        }
        b.widget = label;
        break;
      }
      case ControlKind::kTextBox: {
        auto* edit = new FilteredLineEdit(parent);
        if (const int most = static_cast<TextBox*>(bind.control)->maxLength; most > 0) {
          edit->setMaxLength(most);
        }
        edit->keyFilter = [this, f = bind.events.keyPress](std::int16_t& key) {
          Route([&] { f(key); });
        };
        if (!bind.events.keyPress) edit->keyFilter = nullptr;
        if (bind.events.keyPress) {
          // Typed text only comes in through the filter.
          edit->setAcceptDrops(false);
          edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        }
        if (bind.events.keyUp) edit->keyRelease = [this, f = bind.events.keyUp] { Route(f); };
        if (bind.events.lostFocus)
          edit->focusLost = [this, f = bind.events.lostFocus] { Route(f); };
        Control* control = bind.control;
        auto store = [this, control, row, f = bind.events.change](const QString& text) {
          if (syncing_) return;
          static_cast<TextBox*>(control)->text = FromQ(text);
          Touched(row);
          if (f) Route(f);
        };
        connect(edit, &QLineEdit::textEdited, this, store);
        connect(edit, &FilteredLineEdit::userEdited, this, store);
        b.widget = edit;
        break;
      }
      case ControlKind::kComboBox: {
        auto* combo = new ChoiceBox(parent);
        auto* box = static_cast<ComboBox*>(bind.control);
        combo->setMaxVisibleItems(12);
        if (!box->listOnly) {
          combo->setLineEdit(new ComboLineEdit(editingFinishing_, combo));
          combo->setEditable(true);
          combo->setInsertPolicy(QComboBox::NoInsert);
          combo->setCompleter(nullptr);  // the text is what was typed, nothing completed
          connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                  [this, box, row, f = bind.events.change](const QString& t) {
                    if (syncing_) return;
                    box->text = FromQ(t);
                    Touched(row);
                    if (f) Route(f);
                  });
        }
        connect(combo, &QComboBox::activated, this,
                [this, box, combo, row, f = bind.events.click](int i) {
                  if (syncing_ || editingFinishing_ || i < 0) return;
                  box->text = FromQ(combo->itemText(i));
                  Touched(row);
                  if (f) Route(f);
                  // A picked item shows from its start.
                  if (combo->lineEdit()) combo->lineEdit()->home(false);
                });
        b.widget = combo;
        break;
      }
      case ControlKind::kCheckBox: {
        auto* check = new QCheckBox(parent);
        auto* box = static_cast<CheckBox*>(bind.control);
        connect(check, &QCheckBox::clicked, this, [this, box, row, f = bind.events.click](bool on) {
          if (syncing_) return;
          box->value = on ? 1 : 0;
          Touched(row);
          if (f) Route(f);
        });
        b.widget = check;
        break;
      }
      case ControlKind::kBusy: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 0);  // no end known: the bar runs to and fro
        bar->setTextVisible(false);
        b.widget = bar;
        break;
      }
      case ControlKind::kTimer:
        break;
      case ControlKind::kCommandButton: {
        auto* button = new QPushButton(parent);
        auto* model = static_cast<CommandButton*>(bind.control);
        button->setDefault(model->isDefault);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, f = bind.events.click] {
          if (!syncing_ && f) Route(f);
        });
        b.widget = button;
        break;
      }
    }
    b.widget->setObjectName(ToQ(bind.control->name));
    // Only frame captions are bold: the controls inside keep the dialog's font.
    if (!(bind.kind == ControlKind::kFrame && bind.boldCaption)) b.widget->setFont(font());
    if (bind.kind == ControlKind::kComboBox && static_cast<QComboBox*>(b.widget)->lineEdit()) {
      auto* combo = static_cast<QComboBox*>(b.widget);
      combo->lineEdit()->setFont(font());  // not passed on under the dialog's style sheet
      combo->view()->setFont(font());
    }
  }
  // Later frames lie in front of earlier ones.
  for (auto& [name, frame] : frames) frame->raise();
  for (Bound& b : bound_) {
    if (b.entry->kind == ControlKind::kFrame && b.entry->container.empty()) b.widget->raise();
  }
  UpdateAccessibleTexts();  // result labels are marked before a screen reader first asks
  Sync();
  ApplyTabOrder();
  setFixedSize(ClientSize());
}

void FormDialog::ApplyTabOrder() {
  std::vector<const Bound*> order;
  for (const Bound& b : bound_) {
    const ControlKind k = b.entry->kind;
    if (k == ControlKind::kFrame || k == ControlKind::kLabel || k == ControlKind::kBusy ||
        k == ControlKind::kTimer)
      continue;
    order.push_back(&b);
  }
  std::stable_sort(order.begin(), order.end(), [](const Bound* a, const Bound* b) {
    return a->entry->control->tabIndex < b->entry->control->tabIndex;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
  }
}

// Each box, choice box and result label is named by the caption label in its row: a label of the
// same container, left of it, whose height overlaps it most. A label with a caption beside it
// is a result ("Ergebnis: Vf-Gesamt"). Without a caption the tool tip names it; the frame
// around it describes a control that has no tool tip.
void FormDialog::UpdateAccessibleTexts() {
  std::map<std::string, QString> frameCaptions;
  for (const Bound& b : bound_) {
    if (b.entry->kind == ControlKind::kFrame)
      frameCaptions[b.entry->control->name] =
          AsName(static_cast<Frame&>(*b.entry->control).caption);
  }
  for (Bound& b : bound_) {
    const ControlKind kind = b.entry->kind;
    if (kind == ControlKind::kFrame || kind == ControlKind::kTimer) continue;
    const Control& c = *b.entry->control;
    const Bound* caption = nullptr;
    int bestOverlap = 0;
    for (const Bound& other : bound_) {
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

void FormDialog::Route(const std::function<void()>& handler) {
  ClearUpperVectorState();
  handler();
  AfterEvent();
}

void FormDialog::AfterEvent() {
  platform_.ModelChanged();
  if (!form_.visible && inExec_ && isVisible()) done(QDialog::Accepted);
}

void FormDialog::SyncOne(Bound& b) {
  const Control& c = *b.entry->control;
  if (b.timer != nullptr) {
    const auto& timer = static_cast<const Timer&>(c);
    if (!timer.enabled) {
      b.timer->stop();
    } else if (timer.armed != b.armed) {
      b.timer->start(timer.interval);
    }
    b.armed = timer.armed;
    return;
  }
  QWidget* w = b.widget;
  const QRect rect = PixelRect(c);
  if (rect != b.geometry) {
    w->setGeometry(rect);
    b.geometry = rect;
  }
  if (w->isHidden() == c.visible) w->setHidden(!c.visible);
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  const QString tip = ToQ(c.toolTip);
  if (w->toolTip() != tip) w->setToolTip(tip);
  switch (b.entry->kind) {
    case ControlKind::kFrame: {
      auto* box = static_cast<QGroupBox*>(w);
      const QString caption = ToDisplay(static_cast<const Frame&>(c).caption);
      if (box->title() != caption) box->setTitle(caption);
      break;
    }
    case ControlKind::kLabel: {
      auto* label = static_cast<QLabel*>(w);
      const QString caption = ToDisplay(static_cast<const Label&>(c).caption);
      if (label->text() != caption) {
        const QString before = label->text();
        label->setText(caption);
        if (label->property(kResultProperty).toBool()) {
          // A label with a name of its own tells nobody of a new text by itself.
          QAccessibleTextUpdateEvent event(label, 0, before, caption);
          QAccessible::updateAccessibility(&event);
        }
        if (b.entry->look == LabelLook::kCaption) FitOnOneLine(*label, font());
      }
      break;
    }
    case ControlKind::kTextBox: {
      auto* edit = static_cast<QLineEdit*>(w);
      const QString text = ToQ(static_cast<const TextBox&>(c).text);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case ControlKind::kComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      const auto& model = static_cast<const ComboBox&>(c);
      bool same = combo->count() == static_cast<int>(model.items.size());
      for (int i = 0; same && i < combo->count(); ++i) {
        same = combo->itemText(i) == ToQ(model.items[static_cast<std::size_t>(i)]);
      }
      if (!same) {
        combo->clear();
        for (const std::string& item : model.items) combo->addItem(ToQ(item));
      }
      const QString text = ToQ(model.text);
      const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
      bool changed = !same;
      if (combo->currentIndex() != index) {
        combo->setCurrentIndex(index);
        changed = true;
      }
      if (combo->currentText() != text) {
        combo->setEditText(text);
        changed = true;
      }
      // Show the start of a long item, not its end, until the user edits it.
      if (changed && !combo->hasFocus() && combo->lineEdit())
        combo->lineEdit()->setCursorPosition(0);
      break;
    }
    case ControlKind::kCheckBox: {
      auto* check = static_cast<QCheckBox*>(w);
      const auto& model = static_cast<const CheckBox&>(c);
      if (check->text() != ToQ(model.caption)) check->setText(ToQ(model.caption));
      if (check->isChecked() != (model.value != 0)) check->setChecked(model.value != 0);
      break;
    }
    case ControlKind::kBusy:
    case ControlKind::kTimer:
      break;
    case ControlKind::kCommandButton: {
      auto* button = static_cast<QPushButton*>(w);
      const auto& model = static_cast<const CommandButton&>(c);
      if (button->text() != ToQ(model.caption)) button->setText(ToQ(model.caption));
      break;
    }
  }
}

void FormDialog::Sync() {
  if (syncing_) return;
  syncing_ = true;
  const QString title = ToQ(form_.caption);
  if (windowTitle() != title) setWindowTitle(title);
  bool namesChanged = false;
  for (Bound& b : bound_) {
    const std::uint64_t stamp = StampOf(*b.entry);
    if (b.stamp == stamp) continue;
    b.stamp = stamp;
    if (b.timer != nullptr) {
      SyncOne(b);
      continue;
    }
    const QRect before = b.geometry;
    const QString tipBefore = b.widget->toolTip();
    SyncOne(b);
    // Names come from the captions beside a control: a new value in a box or result changes none.
    const bool caption =
        b.entry->kind == ControlKind::kFrame ||
        (b.entry->kind == ControlKind::kLabel && !b.widget->property(kResultProperty).toBool());
    namesChanged =
        namesChanged || caption || b.geometry != before || b.widget->toolTip() != tipBefore;
  }
  if (namesChanged) UpdateAccessibleTexts();
  syncing_ = false;
}

QWidget* FormDialog::WidgetFor(const Control& control) {
  for (Bound& b : bound_) {
    if (b.entry->control == &control) return b.widget;
  }
  return nullptr;
}

void FormDialog::ExecModal() {
  form_.visible = true;
  Sync();
  Route([this] { form_.Form_Activate(); });
  if (!form_.visible) return;
  inExec_ = true;
  exec();
  inExec_ = false;
  // Closed by other means (the program ending): the caller sees a hidden form.
  form_.visible = false;
}

void FormDialog::reject() {
  // Escape presses the cancel button, as the user would.
  for (Bound& b : bound_) {
    if (b.entry->kind != ControlKind::kCommandButton) continue;
    const auto& button = static_cast<const CommandButton&>(*b.entry->control);
    if (button.isCancel && button.visible && button.enabled) {
      static_cast<QPushButton*>(b.widget)->click();
      return;
    }
  }
}

void FormDialog::closeEvent(QCloseEvent* event) {
  if (form_.visible) Route([this] { form_.Form_CloseBox(); });
  if (form_.visible) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace velmora::qt
