// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/form_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <map>

#include "desktop/caption_fit.h"
#include "desktop/form_accessibility.h"
#include "desktop/form_layout.h"
#include "desktop/form_widgets.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_platform.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"
#include "desktop/twips.h"
#include "platform/controls.h"
#include "platform/state_stamp.h"

namespace velmora::qt {

FormDialog::FormDialog(QtPlatform& platform, Form& form, const ControlTable& controls,
                       QWidget* parent)
    : QDialog(parent), platform_(platform), form_(form) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setAcceptDrops(!form_.dropSuffix.empty());
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
  InstallResultLabelAccessibility();
  Build();
  platform_.AddModalView(this);
}

FormDialog::~FormDialog() {
  // A plot losing its focus while the widgets go has no model left to tell.
  for (Bound& b : bound_) {
    if (b.entry->kind == ControlKind::kPicture) static_cast<PlotWidget*>(b.widget)->SetEvents({});
  }
  platform_.RemoveModalView(this);
}

void FormDialog::Build() {
  std::map<std::string, QWidget*> frames;
  for (Bound& b : bound_) {
    const ControlEntry& bind = *b.entry;
    QWidget* parent = this;
    if (!bind.container.empty()) {
      auto it = frames.find(bind.container);
      if (it != frames.end()) parent = it->second;
    }
    b.widget = MakeControlWidget(bind, parent, font(), editingFinishing_);
    if (bind.kind == ControlKind::kFrame) frames[bind.control->name] = b.widget;
    Connect(b, static_cast<std::size_t>(&b - bound_.data()));
  }
  // Later frames lie in front of earlier ones.
  for (auto& [name, frame] : frames) frame->raise();
  for (Bound& b : bound_) {
    if (b.entry->kind == ControlKind::kFrame && b.entry->container.empty()) b.widget->raise();
  }
  UpdateAccessibleTexts();  // result labels are marked before a screen reader first asks
  Sync();
  ApplyTabOrder(Rows());
  setFixedSize(ClientSize(Rows(), dpi_));
}

void FormDialog::Connect(Bound& b, std::size_t row) {
  const ControlEntry& bind = *b.entry;
  switch (bind.kind) {
    case ControlKind::kFrame:
    case ControlKind::kLabel:
    case ControlKind::kBusy:
      break;
    case ControlKind::kPicture: {
      PlotWidget::Events events;
      const ControlEvents& e = bind.events;
      if (e.pointer) {
        events.pointerMoved = [this, f = e.pointer](double x) { Route([&] { f(x); }); };
        events.left = [this, f = e.pointer] { Route([&] { f(std::nullopt); }); };
      }
      if (e.plotKey) events.key = [this, f = e.plotKey](PlotKey k) { Route([&] { f(k); }); };
      if (e.click) events.copy = [this, f = e.click] { Route(f); };
      static_cast<PlotWidget*>(b.widget)->SetEvents(std::move(events));
      break;
    }
    case ControlKind::kTimer:
      b.timer = new QTimer(this);
      b.timer->setSingleShot(true);
      connect(b.timer, &QTimer::timeout, this, [this, f = bind.events.click] {
        if (f) Route(f);
      });
      break;
    case ControlKind::kTextBox: {
      auto* edit = static_cast<FilteredLineEdit*>(b.widget);
      if (bind.events.keyPress) {
        edit->keyFilter = [this, f = bind.events.keyPress](std::int16_t& key) {
          Route([&] { f(key); });
        };
      }
      if (bind.events.keyUp) edit->keyRelease = [this, f = bind.events.keyUp] { Route(f); };
      if (bind.events.lostFocus) edit->focusLost = [this, f = bind.events.lostFocus] { Route(f); };
      Control* control = bind.control;
      auto store = [this, control, row, f = bind.events.change](const QString& text) {
        if (syncing_) return;
        static_cast<TextBox*>(control)->text = FromQ(text);
        Touched(row);
        if (f) Route(f);
      };
      connect(edit, &QLineEdit::textEdited, this, store);
      connect(edit, &FilteredLineEdit::userEdited, this, store);
      break;
    }
    case ControlKind::kComboBox: {
      auto* combo = static_cast<QComboBox*>(b.widget);
      auto* box = static_cast<ComboBox*>(bind.control);
      if (combo->lineEdit()) {
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
      break;
    }
    case ControlKind::kCheckBox: {
      auto* box = static_cast<CheckBox*>(bind.control);
      connect(static_cast<QCheckBox*>(b.widget), &QCheckBox::clicked, this,
              [this, box, row, f = bind.events.click](bool on) {
                if (syncing_) return;
                box->value = on ? 1 : 0;
                Touched(row);
                if (f) Route(f);
              });
      break;
    }
    case ControlKind::kCommandButton:
      connect(static_cast<QPushButton*>(b.widget), &QPushButton::clicked, this,
              [this, f = bind.events.click] {
                if (!syncing_ && f) Route(f);
              });
      break;
  }
}

std::vector<NamedRow> FormDialog::Rows() const {
  std::vector<NamedRow> rows;
  rows.reserve(bound_.size());
  for (const Bound& b : bound_) rows.push_back({b.entry, b.widget});
  return rows;
}

void FormDialog::UpdateAccessibleTexts() {
  std::vector<NamedRow> rows = Rows();
  NameControls(rows);
}

void FormDialog::Route(const std::function<void()>& handler) {
  ClearUpperVectorState();
  handler();
  AfterEvent();
}

void FormDialog::AfterEvent() {
  platform_.ModelChanged();
  if (form_.visible || !isVisible()) return;
  if (inExec_) {
    done(QDialog::Accepted);
  } else {
    hide();
  }
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
  const QRect rect = PixelRect(c, dpi_);
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
        if (IsResultLabel(*label)) AnnounceNewText(*label, before, caption);
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
    case ControlKind::kPicture: {
      auto* plot = static_cast<PlotWidget*>(w);
      plot->SyncImage();
      plot->SetMarker(static_cast<const PictureBox&>(c).marker);
      break;
    }
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
    const bool caption = b.entry->kind == ControlKind::kFrame ||
                         (b.entry->kind == ControlKind::kLabel && !IsResultLabel(*b.widget));
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

void FormDialog::ShowModeless() {
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  form_.visible = true;
  Sync();
  Route([this] { form_.Form_Activate(); });
  if (!form_.visible) return;
  setModal(false);
  show();
  raise();
  activateWindow();
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

namespace velmora::qt {
namespace {

// The one local file of the form's ending among the dragged data, or empty.
QString DroppedFile(const QMimeData* data, const std::string& suffix) {
  if (data == nullptr || suffix.empty() || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return path.endsWith(ToQ(suffix), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

void FormDialog::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData(), form_.dropSuffix).isEmpty()) event->acceptProposedAction();
}

void FormDialog::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData(), form_.dropSuffix);
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  const std::string file = FromQ(path);
  Route([this, file] { form_.Form_FileDrop(file); });
}

}  // namespace velmora::qt
