#include "desktop/nec_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "crosscheck/frm_nec_vergleich.h"
#include "desktop/form_dialog.h"
#include "desktop/qt_platform.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"

namespace velmora::qt {
namespace {

void SetIfDifferent(QLineEdit* edit, const std::string& text) {
  const QString q = ToQ(text);
  if (edit->text() != q) edit->setText(q);
}

void SyncItems(QComboBox* combo, const std::vector<std::string>& items) {
  if (combo->count() == static_cast<int>(items.size())) return;
  combo->clear();
  for (const std::string& item : items) combo->addItem(ToQ(item));
}

}  // namespace

NecDialog::NecDialog(QtPlatform& platform, FrmNecVergleich& model, NecRunnerSource runner,
                     QWidget* parent)
    : QDialog(parent), platform_(platform), model_(model) {
  setObjectName(ToQ(model_.name));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  frequency_ = NumberBox("txtFrequenz");
  height_ = NumberBox("txtHoehe");
  diameter_ = NumberBox("txtDraht");
  material_ = new QComboBox(this);
  material_->setObjectName(QStringLiteral("cboMaterial"));
  material_->setEditable(true);
  material_->setInsertPolicy(QComboBox::NoInsert);
  ground_ = new QComboBox(this);
  ground_->setObjectName(QStringLiteral("cboBoden"));

  auto* inputs = new QGridLayout;
  inputs->addWidget(Cell(model_.lblFrequenz, false), 0, 0);
  inputs->addWidget(frequency_, 0, 1);
  inputs->addWidget(Cell(model_.lblDraht, false), 0, 2);
  inputs->addWidget(diameter_, 0, 3);
  inputs->addWidget(Cell(model_.lblHoehe, false), 1, 0);
  inputs->addWidget(height_, 1, 1);
  inputs->addWidget(Cell(model_.lblMaterial, false), 1, 2);
  inputs->addWidget(material_, 1, 3);
  inputs->addWidget(Cell(model_.lblBoden, false), 2, 0);
  inputs->addWidget(ground_, 2, 1, 1, 3);
  inputs->setColumnStretch(1, 1);
  inputs->setColumnStretch(3, 1);

  auto* table = new QGridLayout;
  table->setHorizontalSpacing(10);
  table->addWidget(Cell(model_.lblFormel, false), 0, 1, Qt::AlignCenter);
  table->addWidget(Cell(model_.lblNec, false), 0, 2, Qt::AlignCenter);
  table->addWidget(Cell(model_.lblDifferenz, false), 0, 3, Qt::AlignCenter);
  int row = 1;
  for (const FrmNecVergleich::Row* r : {&model_.rowLaenge, &model_.rowVf, &model_.rowR}) {
    table->addWidget(Cell(r->caption, false), row, 0);
    table->addWidget(Cell(r->closedForm, true), row, 1);
    table->addWidget(Cell(r->nec, true), row, 2);
    table->addWidget(Cell(r->difference, true), row, 3);
    ++row;
  }
  QLabel* note = Cell(model_.lblHinweis, false);
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: #8a3b00;"));
  QLabel* status = Cell(model_.lblStatus, false);
  status->setWordWrap(true);
  status->setTextInteractionFlags(Qt::TextSelectableByMouse);

  busy_ = new QProgressBar(this);
  busy_->setObjectName(QStringLiteral("busy"));
  busy_->setRange(0, 0);  // no end known: the bar runs to and fro
  busy_->setTextVisible(false);
  busy_->setFixedWidth(busy_->fontMetrics().averageCharWidth() * 12);
  busy_->setVisible(false);
  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(busy_, 0, Qt::AlignTop);
  statusRow->addWidget(status, 1);

  calculate_ = new QPushButton(this);
  calculate_->setObjectName(QStringLiteral("cmdBerechnen"));
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("cmdAbbrechen"));
  close_ = new QPushButton(this);
  close_->setObjectName(QStringLiteral("cmdSchliessen"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {calculate_, cancel_, close_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(inputs);
  layout->addSpacing(8);
  layout->addLayout(table);
  layout->addWidget(note);
  layout->addLayout(statusRow);
  layout->addSpacing(4);
  layout->addLayout(buttons);
  // Room for the longest failure message on two or three lines.
  status->setMinimumWidth(status->fontMetrics().averageCharWidth() * 60);
  setTabOrder(frequency_, height_);
  setTabOrder(height_, diameter_);
  setTabOrder(diameter_, material_);
  setTabOrder(material_, ground_);

  restart_ = new QTimer(this);
  restart_->setSingleShot(true);
  restart_->setInterval(kRestartMs);
  connect(restart_, &QTimer::timeout, this,
          [this] { Route([this] { model_.cmdBerechnen_Click(); }); });
  connect(material_, &QComboBox::editTextChanged, this, [this] { Edited(); });
  connect(ground_, &QComboBox::activated, this, [this] { Edited(); });
  connect(calculate_, &QPushButton::clicked, this,
          [this] { Route([this] { model_.cmdBerechnen_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    restart_->stop();
    Route([this] { model_.cmdAbbrechen_Click(); });
  });
  connect(close_, &QPushButton::clicked, this, [this] { reject(); });
  NecSearches::Model searched;
  searched.wanted = [this] { return model_.Searching(); };
  searched.generation = [this] { return model_.SearchGeneration(); };
  searched.wires = [this] { return std::vector<nec::Wire>{model_.SearchWire()}; };
  searched.found = [this](std::uint64_t generation, std::size_t,
                          const nec::Result<nec::Resonance>& result) {
    model_.SearchFinished(generation, result);
  };
  new NecSearches(platform_, std::move(runner), 1, std::move(searched), this);
  platform_.AddModalView(this);
}

NecDialog::~NecDialog() {
  platform_.RemoveModalView(this);
}

FilteredLineEdit* NecDialog::NumberBox(const char* name) {
  auto* edit = new FilteredLineEdit(this);
  edit->setObjectName(QLatin1String(name));
  edit->keyFilter = [this](std::int16_t& key) { model_.Text_KeyPress(key); };
  connect(edit, &QLineEdit::textEdited, this, [this] { Edited(); });
  connect(edit, &FilteredLineEdit::userEdited, this, [this] { Edited(); });
  return edit;
}

QLabel* NecDialog::Cell(const Label& label, bool value) {
  auto* widget = new QLabel(this);
  widget->setObjectName(ToQ(label.name));
  widget->setTextFormat(Qt::PlainText);
  if (value) {
    widget->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    widget->setAutoFillBackground(true);
    widget->setBackgroundRole(QPalette::Base);
    widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widget->setMinimumWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("-00,000 %")) +
                            16);
    widget->setContentsMargins(4, 1, 4, 1);
  }
  labels_.emplace_back(&label, widget);
  return widget;
}

Form& NecDialog::form() {
  return model_;
}

QWidget* NecDialog::WidgetFor(const Control& control) {
  if (&control == &model_.txtFrequenz) return frequency_;
  if (&control == &model_.txtHoehe) return height_;
  if (&control == &model_.txtDraht) return diameter_;
  if (&control == &model_.cboMaterial) return material_;
  if (&control == &model_.cboBoden) return ground_;
  for (const auto& [label, widget] : labels_) {
    if (label == &control) return widget;
  }
  return nullptr;
}

void NecDialog::Edited() {
  if (syncing_) return;
  const NecInputs before = model_.Inputs();
  model_.txtFrequenz.text = FromQ(frequency_->text());
  model_.txtHoehe.text = FromQ(height_->text());
  model_.txtDraht.text = FromQ(diameter_->text());
  model_.cboMaterial.text = FromQ(material_->currentText());
  model_.cboBoden.text = FromQ(ground_->currentText());
  if (model_.Inputs() == before) return;
  Route([this] { model_.Input_Changed(); });
  restart_->start();
}

void NecDialog::Route(const std::function<void()>& handler) {
  ClearUpperVectorState();
  handler();
  platform_.ModelChanged();
  if (!model_.visible && inExec_) done(QDialog::Accepted);
}

void NecDialog::Sync() {
  if (syncing_) return;
  syncing_ = true;
  setWindowTitle(ToQ(model_.caption));
  for (const auto& [label, widget] : labels_) {
    const QString text = ToDisplay(label->caption);
    if (widget->text() != text) widget->setText(text);
    widget->setToolTip(ToQ(label->toolTip));
  }
  SetIfDifferent(frequency_, model_.txtFrequenz.text);
  SetIfDifferent(height_, model_.txtHoehe.text);
  SetIfDifferent(diameter_, model_.txtDraht.text);
  height_->setEnabled(model_.txtHoehe.enabled);
  SyncItems(material_, model_.cboMaterial.items);
  if (material_->currentText() != ToQ(model_.cboMaterial.text)) {
    material_->setEditText(ToQ(model_.cboMaterial.text));
  }
  SyncItems(ground_, model_.cboBoden.items);
  ground_->setCurrentIndex(ground_->findText(ToQ(model_.cboBoden.text)));
  const std::pair<QPushButton*, const CommandButton*> buttons[] = {
      {calculate_, &model_.cmdBerechnen},
      {cancel_, &model_.cmdAbbrechen},
      {close_, &model_.cmdSchliessen}};
  for (const auto& [button, model] : buttons) {
    button->setText(ToQ(model->caption));
    button->setEnabled(model->enabled);
    button->setDefault(model->isDefault);
  }
  busy_->setVisible(model_.Searching());
  syncing_ = false;
}

void NecDialog::ExecModal() {
  model_.visible = true;
  platform_.ModelChanged();  // the search the model started when it loaded
  adjustSize();
  frequency_->setFocus();
  frequency_->selectAll();
  inExec_ = true;
  exec();
  inExec_ = false;
  restart_->stop();
  model_.visible = false;
}

void NecDialog::reject() {
  restart_->stop();
  Route([this] { model_.cmdSchliessen_Click(); });
}

}  // namespace velmora::qt
