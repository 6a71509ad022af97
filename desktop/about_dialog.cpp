// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/about_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/qt_platform.h"
#include "desktop/text.h"
#include "shell/frm_about.h"

namespace velmora::qt {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/velmora.png").arg(size), QSize(size, size));
  }
  return icon;
}

AboutDialog::AboutDialog(QtPlatform& platform, FrmAbout& form, QWidget* parent)
    : QDialog(parent), platform_(platform), model_(form) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  icon_ = new QLabel(this);
  icon_->setObjectName(QStringLiteral("picIcon"));
  icon_->setPixmap(ProgramIcon().pixmap(48, 48));
  icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("lblTitle"));
  title_->setTextFormat(Qt::RichText);
  version_ = new QLabel(this);
  version_->setObjectName(QStringLiteral("lblVersion"));
  description_ = new QLabel(this);
  description_->setObjectName(QStringLiteral("lblDescription"));
  description_->setWordWrap(true);
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  warningHeading_ = new QLabel(this);
  warningHeading_->setObjectName(QStringLiteral("Label1"));
  QFont bold = warningHeading_->font();
  bold.setBold(true);
  warningHeading_->setFont(bold);
  disclaimer_ = new QLabel(this);
  disclaimer_->setObjectName(QStringLiteral("lblDisclaimer"));
  disclaimer_->setWordWrap(true);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  ok_->setMinimumWidth(ok_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 12);
  for (QLabel* label : {version_, description_, disclaimer_}) label->setTextFormat(Qt::PlainText);
  for (QLabel* label : {title_, version_, description_, disclaimer_}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  auto* text = new QVBoxLayout;
  text->addWidget(title_);
  text->addWidget(version_);
  text->addSpacing(6);
  text->addWidget(description_);
  auto* top = new QHBoxLayout;
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(text, 1);
  auto* warning = new QVBoxLayout;
  warning->addWidget(warningHeading_);
  warning->addWidget(disclaimer_);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(warning, 1);
  bottom->addSpacing(12);
  bottom->addWidget(ok_, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(4);
  layout->addWidget(line);
  layout->addLayout(bottom);
  // Wide enough that the description wraps into a few even lines.
  description_->setMinimumWidth(description_->fontMetrics().averageCharWidth() * 52);

  connect(ok_, &QPushButton::clicked, this, &AboutDialog::Ok);
  platform_.AddModalView(this);
  Sync();
}

AboutDialog::~AboutDialog() {
  platform_.RemoveModalView(this);
}

Form& AboutDialog::form() {
  return model_;
}

void AboutDialog::Sync() {
  setWindowTitle(ToQ(model_.caption));
  // The product name stands out; the copyright line under it is ordinary text.
  const QStringList lines = ToDisplay(model_.lblTitle.caption).split(QLatin1Char('\n'));
  QString title = QStringLiteral("<span style=\"font-size:large; font-weight:bold\">%1</span>")
                      .arg(lines.value(0).toHtmlEscaped());
  for (qsizetype i = 1; i < lines.size(); ++i) title += "<br>" + lines[i].toHtmlEscaped();
  title_->setText(title);
  version_->setText(ToDisplay(model_.lblVersion.caption));
  description_->setText(ToDisplay(model_.lblDescription.caption));
  warningHeading_->setText(ToDisplay(model_.Label1.caption));
  disclaimer_->setText(ToDisplay(model_.lblDisclaimer.caption));
  ok_->setText(ToQ(model_.cmdOK.caption));
}

QWidget* AboutDialog::WidgetFor(const Control& control) {
  if (&control == &model_.cmdOK) return ok_;
  return nullptr;
}

void AboutDialog::ExecModal() {
  model_.visible = true;
  Sync();
  adjustSize();
  setFixedSize(sizeHint());
  inExec_ = true;
  exec();
  inExec_ = false;
  model_.visible = false;
}

void AboutDialog::Ok() {
  model_.cmdOK_Click();
  platform_.ModelChanged();
  if (!model_.visible && inExec_) done(QDialog::Accepted);
}

void AboutDialog::reject() {
  Ok();
}

void AboutDialog::closeEvent(QCloseEvent* event) {
  if (model_.visible) Ok();
  event->accept();
}

}  // namespace velmora::qt
