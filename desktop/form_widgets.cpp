// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/form_widgets.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "desktop/choice_box.h"
#include "desktop/filtered_line_edit.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"
#include "platform/controls.h"

namespace velmora::qt {
namespace {

constexpr double kFrameCaptionPointSize = 7.8;

QLabel* MakeLabel(LabelLook look, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  switch (look) {
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
  return label;
}

}  // namespace

QWidget* MakeControlWidget(const ControlEntry& entry, QWidget* parent, const QFont& dialogFont,
                           bool& editingFinishing) {
  QWidget* widget = nullptr;
  switch (entry.kind) {
    case ControlKind::kTimer:
      return nullptr;
    case ControlKind::kFrame: {
      // Not filled: a frame laid over another one (its caption band reaching over the box
      // above it) must not cut off what lies under its edge.
      auto* box = new QGroupBox(parent);
      if (entry.boldCaption) {
        QFont bold = box->font();
        bold.setBold(true);
        bold.setPointSizeF(kFrameCaptionPointSize);
        box->setFont(bold);
      }
      widget = box;
      break;
    }
    case ControlKind::kLabel:
      widget = MakeLabel(entry.look, parent);
      break;
    case ControlKind::kTextBox: {
      auto* edit = new FilteredLineEdit(parent);
      if (const int most = static_cast<const TextBox*>(entry.control)->maxLength; most > 0) {
        edit->setMaxLength(most);
      }
      if (entry.events.keyPress) {
        // Typed text only comes in through the filter.
        edit->setAcceptDrops(false);
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
      }
      widget = edit;
      break;
    }
    case ControlKind::kComboBox: {
      auto* combo = new ChoiceBox(parent);
      combo->setMaxVisibleItems(12);
      if (!static_cast<const ComboBox*>(entry.control)->listOnly) {
        combo->setLineEdit(new ComboLineEdit(editingFinishing, combo));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);            // the text is what was typed, nothing completed
        combo->lineEdit()->setFont(dialogFont);  // not passed on under the dialog's style sheet
      }
      combo->view()->setFont(dialogFont);
      widget = combo;
      break;
    }
    case ControlKind::kCheckBox:
      widget = new QCheckBox(parent);
      break;
    case ControlKind::kPicture: {
      auto* plot = new PlotWidget(*static_cast<const PictureBox*>(entry.control)->surface, parent);
      plot->SetRenderer(&RenderDisplayList);
      widget = plot;
      break;
    }
    case ControlKind::kBusy: {
      auto* bar = new QProgressBar(parent);
      bar->setRange(0, 0);  // no end known: the bar runs to and fro
      bar->setTextVisible(false);
      widget = bar;
      break;
    }
    case ControlKind::kCommandButton: {
      auto* button = new QPushButton(parent);
      button->setDefault(static_cast<const CommandButton*>(entry.control)->isDefault);
      button->setAutoDefault(true);
      widget = button;
      break;
    }
  }
  widget->setObjectName(ToQ(entry.control->name));
  // Only frame captions are bold: the controls inside keep the dialog's font.
  if (!(entry.kind == ControlKind::kFrame && entry.boldCaption)) widget->setFont(dialogFont);
  return widget;
}

}  // namespace velmora::qt
