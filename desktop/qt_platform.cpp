// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

#include "desktop/bound_view.h"
#include "desktop/text.h"
#include "platform/controls.h"

namespace velmora::qt {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

void QtPlatform::AddView(BoundView* view) {
  views_.push_back(view);
}

void QtPlatform::RemoveView(BoundView* view) {
  std::erase(views_, view);
}

void QtPlatform::AddModalView(ModalView* view) {
  modalViews_.push_back(view);
  AddView(view);
}

void QtPlatform::RemoveModalView(ModalView* view) {
  std::erase(modalViews_, view);
  RemoveView(view);
}

void QtPlatform::SetStatusLabel(QLabel* label) {
  statusLabel_ = label;
  if (statusLabel_) statusLabel_->setText(ToDisplay(statusText_));
}

void QtPlatform::SetMainWidget(QWidget* widget) {
  mainWidget_ = widget;
}

void QtPlatform::AddWork(BackgroundWork* work) {
  work_.push_back(work);
}

void QtPlatform::RemoveWork(BackgroundWork* work) {
  std::erase(work_, work);
}

void QtPlatform::ModelChanged() {
  // Work may be removed while another one follows its model (a job's end closing nothing yet,
  // but a window may go); iterate over a copy.
  const std::vector<BackgroundWork*> work = work_;
  for (BackgroundWork* w : work) {
    if (std::find(work_.begin(), work_.end(), w) != work_.end()) w->Follow();
  }
  SyncViews();
}

void QtPlatform::SyncViews() {
  if (syncing_) {
    syncAgain_ = true;
    return;
  }
  syncing_ = true;
  // One pass. A sync that moves widgets can run a handler that syncs again (the plot area's
  // resize lays out the plot anew): that cascade gets the second pass, and only it.
  for (int pass = 0; pass < 2; ++pass) {
    syncAgain_ = false;
    // A view may be removed while another one syncs (a window closing); iterate over a copy.
    const std::vector<BoundView*> views = views_;
    for (BoundView* view : views) {
      if (std::find(views_.begin(), views_.end(), view) != views_.end()) view->Sync();
    }
    if (!syncAgain_) break;
  }
  syncing_ = false;
}

void QtPlatform::Beep() {
  ++beeps_;
  QApplication::beep();
}

void QtPlatform::DoEvents() {
  SyncViews();
  QCoreApplication::processEvents();
}

namespace {

// The dots of a capital umlaut stand above the font's ascent (DejaVu Sans at 9 pt: 13 pixels over
// an ascent of 11), and the box gives its text no more room than that: "Öffnen" lost its dots.
void MakeRoomForUmlauts(QMessageBox& box) {
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (label == nullptr) return;
  const QFontMetrics metrics = label->fontMetrics();
  const int overhang = -metrics.boundingRect(QStringLiteral("ÄÖÜ")).top() - metrics.ascent();
  if (overhang > 0) label->setContentsMargins(0, overhang, 0, 0);
}

}  // namespace

int QtPlatform::MessageBox(const std::string& text, const std::string& title, int style) {
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = mainWidget_;
  QMessageBox box(parent);
  box.setWindowTitle(ToQ(title));
  box.setText(ToDisplay(text));
  box.setTextFormat(Qt::PlainText);
  MakeRoomForUmlauts(box);
  switch (style & 0x70) {
    case kMbCritical:
      box.setIcon(QMessageBox::Critical);
      break;
    case kMbQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case kMbExclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case kMbInformation:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  QPushButton* cancel = nullptr;
  if ((style & 0x0f) == kMbOkCancel) {
    cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
  } else {
    box.setEscapeButton(ok);
  }
  box.setDefaultButton(ok);
  // The wait cursor of a running command must not hide the arrow over the question.
  if (waitCursor_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  SyncViews();
  box.exec();
  if (waitCursor_) QApplication::restoreOverrideCursor();
  return box.clickedButton() == cancel && cancel ? kIdCancel : kIdOk;
}

void QtPlatform::SetStatusText(const std::string& text) {
  statusText_ = text;
  if (statusLabel_) {
    statusLabel_->setText(ToDisplay(text));
    statusLabel_->setToolTip(statusLabel_->text());
  }
}

char QtPlatform::DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
  return '.';
}

std::string QtPlatform::NowGeneralDateTime() {
  const QLocale locale;
  return FromQ(locale.toString(QDateTime::currentDateTime(), GeneralDateTimeFormat(locale)));
}

void QtPlatform::SetMousePointer(MousePointer pointer) {
  const bool wait = pointer == MousePointer::kHourglass;
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::SetFocus(const Control& control) {
  SyncViews();
  for (BoundView* view : views_) {
    if (QWidget* widget = view->WidgetFor(control)) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

ModalView* QtPlatform::ViewOf(Form& form) {
  for (ModalView* view : modalViews_) {
    if (&view->form() == &form) return view;
  }
  return viewFactory_ ? viewFactory_(form) : nullptr;
}

void QtPlatform::ShowModal(Form& form) {
  if (ModalView* view = ViewOf(form)) {
    view->ExecModal();
    return;
  }
  // No window is bound to this form: it closes at once rather than hanging the command.
  form.visible = false;
}

void QtPlatform::Show(Form& form) {
  if (ModalView* view = ViewOf(form)) {
    view->ShowModeless();
    return;
  }
  form.visible = false;
}

std::string QtPlatform::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
  QSettings settings(QString::fromLatin1(kSettingsOrganization), ToQ(app));
  settings.beginGroup(ToQ(section));
  const QVariant value = settings.value(ToQ(key));
  if (!value.isValid()) return fallback;
  return FromQ(value.toString());
}

void QtPlatform::SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
  QSettings settings(QString::fromLatin1(kSettingsOrganization), ToQ(app));
  settings.beginGroup(ToQ(section));
  settings.setValue(ToQ(key), ToQ(value));
}

}  // namespace velmora::qt
