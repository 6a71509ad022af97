// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "desktop/about_dialog.h"
#include "desktop/dialogs.h"
#include "desktop/form_dialog.h"
#include "desktop/nec_overlay.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_platform.h"
#include "desktop/qt_surface.h"
#include "desktop/text.h"
#include "desktop/twips.h"
#include "nec/runner.h"
#include "platform/state_stamp.h"
#include "shell/frm_main.h"
#include "shell/window_settings.h"

namespace velmora::qt {
namespace {

// A printer drawn for desktops whose icon theme has none.
QIcon DrawnPrinterIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ToolbarIcon(const std::string& image, const QStyle* style) {
  if (image == "New") {
    return QIcon::fromTheme(QStringLiteral("document-new"),
                            style->standardIcon(QStyle::SP_FileIcon));
  }
  if (image == "Open") {
    return QIcon::fromTheme(QStringLiteral("document-open"),
                            style->standardIcon(QStyle::SP_DialogOpenButton));
  }
  if (image == "Save") {
    return QIcon::fromTheme(QStringLiteral("document-save"),
                            style->standardIcon(QStyle::SP_DialogSaveButton));
  }
  if (image == "Print")
    return QIcon::fromTheme(QStringLiteral("document-print"), DrawnPrinterIcon());
  return {};
}

// Panel 1: a long curve title ends in "…" instead of being cut off mid-letter, and never
// makes the window wider; the whole text is in the tool tip.
class StatusTextLabel : public QLabel {
 public:
  using QLabel::QLabel;
  QSize minimumSizeHint() const override {
    return QSize(fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height());
  }
  QSize sizeHint() const override { return minimumSizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QString full = text();
    const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, contentsRect().width());
    if (shown == full) {
      QLabel::paintEvent(event);
      return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
  }
};

// A screen reader names the plot "Grafik" and describes it with the status text: the curve's
// title once one is drawn.
void UpdatePlotAccessibility(QWidget* plot, const QLabel* status) {
  const QString name = QStringLiteral("Grafik");
  if (plot->accessibleName() != name) plot->setAccessibleName(name);
  if (plot->accessibleDescription() != status->text())
    plot->setAccessibleDescription(status->text());
}

QLabel* MakePanel(QWidget* parent, const char* name, bool text = false) {
  QLabel* label = text ? new StatusTextLabel(parent) : new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  label->setTextFormat(Qt::PlainText);
  label->setContentsMargins(4, 0, 4, 0);
  return label;
}

}  // namespace

MainWindow::MainWindow(QtPlatform& platform, FrmMain& model)
    : platform_(platform), model_(model), necRunner_(std::make_shared<nec::Nec2cRunner>()) {
  setObjectName(QStringLiteral("frmMain"));
  // The bars are switched in the View menu only, through the model.
  setContextMenuPolicy(Qt::NoContextMenu);
  BuildMenu();
  BuildToolBar();
  plotArea_ = new QWidget(this);
  plotArea_->setObjectName(QStringLiteral("plotArea"));
  plotArea_->installEventFilter(this);
  plot_ = new PlotWidget(model_.picture(), plotArea_);
  plot_->setObjectName(QStringLiteral("Picture1"));
  BindPlotEvents();
  setCentralWidget(plotArea_);
  BuildStatusBar();
  necOverlay_ = new NecOverlay(platform_, model_.necPoints, model_.picture(), *plot_, *statusNec_,
                               *this, [this] { return necRunner_; });
  platform_.SetStatusLabel(statusText_);
  platform_.SetMainWidget(this);

  // Dialogs are created on first use.
  platform_.SetViewFactory([this](Form& form) { return CreateDialogFor(form); });
  platform_.AddView(this);
}

MainWindow::~MainWindow() {
  // Its searches end first: they report to the window.
  delete necOverlay_;
  // The plot loses its focus while the widgets go; by then there is no window to tell.
  plot_->SetEvents({});
  platform_.RemoveView(this);
  platform_.SetViewFactory(nullptr);
  platform_.SetStatusLabel(nullptr);
  platform_.SetMainWidget(nullptr);
  singleDialog_.reset();
  curveDialog_.reset();
  aboutDialog_.reset();
  necDialog_.reset();
  bandDialog_.reset();
}

ModalView* MainWindow::CreateDialogFor(Form& form) {
  if (&form == &model_.frmEinzelEingabe) {
    if (!singleDialog_)
      singleDialog_ = MakeSingleValueDialog(platform_, model_.frmEinzelEingabe, this);
    return singleDialog_.get();
  }
  if (&form == &model_.curveCommand.frmEingabe) {
    if (!curveDialog_)
      curveDialog_ = MakeCurveDialog(platform_, model_.curveCommand.frmEingabe, this);
    return curveDialog_.get();
  }
  if (&form == &model_.frmNecVergleich) {
    if (!necDialog_) {
      necDialog_ = MakeNecDialog(
          platform_, model_.frmNecVergleich, [this] { return necRunner_; }, this);
    }
    return necDialog_.get();
  }
  if (&form == &model_.frmBand) {
    if (!bandDialog_) {
      bandDialog_ = MakeBandDialog(
          platform_, model_.frmBand, [this] { return necRunner_; }, this);
    }
    return bandDialog_.get();
  }
  if (&form == &model_.frmAbout) {
    if (!aboutDialog_)
      aboutDialog_ = std::make_unique<AboutDialog>(platform_, model_.frmAbout, this);
    return aboutDialog_.get();
  }
  return nullptr;
}

double MainWindow::Dpi() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchX() : 96.0;
}

void MainWindow::BuildMenu() {
  QMenu* menu = nullptr;
  for (const FrmMain::MenuEntry& entry : model_.Menu()) {
    MenuItem* item = entry.item;
    if (entry.menu == nullptr) {
      menu = menuBar()->addMenu(ToQ(item->caption));
      menu->setObjectName(ToQ(item->name));
      actions_[item] = menu->menuAction();
      continue;
    }
    QAction* action = nullptr;
    if (item->caption == "-") {
      action = menu->addSeparator();
    } else {
      action = menu->addAction(ToQ(item->caption));
      if (!item->shortcut.empty()) {
        action->setShortcut(QKeySequence(ToQ(item->shortcut), QKeySequence::PortableText));
      }
      action->setCheckable(item->checkable);
      if (item == &model_.mnuFileExit) {
        // Exit stores the window's measures and closes the window once the model unloaded.
        connect(action, &QAction::triggered, this, [this, handler = entry.click] {
          MeasureInto();
          Route(handler);
          if (!model_.loaded) close();
        });
      } else if (entry.click) {
        connect(action, &QAction::triggered, this,
                [this, handler = entry.click] { Route(handler); });
      }
    }
    action->setObjectName(ToQ(item->name));
    actions_[item] = action;
  }
}

void MainWindow::BuildToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("tbToolBar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  toolBar_->toggleViewAction()->setVisible(false);
  if (QIcon::fromTheme(QStringLiteral("document-new")).isNull()) {
    // No desktop theme: the one this system installs still gives the familiar pictures.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  }
  for (const ToolbarButton& button : model_.tbButtons) {
    if (button.key.empty()) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = toolBar_->addAction(ToolbarIcon(button.image, style()), ToQ(button.toolTip));
    action->setToolTip(ToQ(button.toolTip));
    action->setObjectName(QStringLiteral("tb") + ToQ(button.key));
    const std::string key = button.key;
    connect(action, &QAction::triggered, this,
            [this, key] { Route([this, key] { model_.tbToolBar_ButtonClick(key); }); });
    toolActions_[ToQ(button.key)] = action;
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("sbStatusBar"));
  statusText_ = MakePanel(bar, "panel1", /*text=*/true);
  statusDate_ = MakePanel(bar, "panel2");
  statusTime_ = MakePanel(bar, "panel3");
  statusReadout_ = MakePanel(bar, "panel4");
  statusReadout_->hide();
  statusDate_->setAlignment(Qt::AlignCenter);
  statusTime_->setAlignment(Qt::AlignCenter);
  bar->addWidget(statusText_, 1);
  bar->addPermanentWidget(statusReadout_);
  statusNec_ = MakePanel(bar, "panelNec");
  statusNec_->setHidden(true);
  bar->addWidget(statusNec_);
  bar->addPermanentWidget(statusDate_);
  bar->addPermanentWidget(statusTime_);
  clock_ = new QTimer(this);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, &MainWindow::UpdateClock);
  clock_->start();
  UpdateClock();
}

void MainWindow::UpdateClock() {
  const QLocale locale;
  const QString date = locale.toString(QDate::currentDate(), FullYearDateFormat(locale));
  const QString time = locale.toString(QTime::currentTime(), QLocale::ShortFormat);
  if (statusDate_->text() != date) statusDate_->setText(date);
  if (statusTime_->text() != time) statusTime_->setText(time);
}

QLabel* MainWindow::StatusPanel(int panel) const {
  switch (panel) {
    case 1:
      return statusText_;
    case 2:
      return statusDate_;
    case 3:
      return statusTime_;
    case 4:
      return statusReadout_;
    default:
      return nullptr;
  }
}

QAction* MainWindow::ActionFor(const MenuItem& item) const {
  auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::ToolbarAction(const QString& key) const {
  auto it = toolActions_.find(key);
  return it == toolActions_.end() ? nullptr : it->second;
}

void MainWindow::Load() {
  loading_ = true;
  model_.Form_Load();
  const double dpi = Dpi();
  QRect wanted(TwipsToPixels(model_.left, dpi), TwipsToPixels(model_.top, dpi),
               TwipsToPixels(model_.width, dpi), TwipsToPixels(model_.height, dpi));
  // A stored size beyond the screen (a damaged setting, a smaller screen than before) would give
  // a window too big to be drawn: it gets the screen's room at most, and keeps that size.
  const QScreen* target = QGuiApplication::screenAt(wanted.topLeft());
  if (target == nullptr) target = QGuiApplication::primaryScreen();
  if (target != nullptr)
    wanted.setSize(wanted.size().boundedTo(target->availableGeometry().size()));
  // A stored place that no screen shows (a screen since removed, a damaged setting) would
  // leave the window out of reach: bring it onto the primary screen.
  const QRect titleBar(wanted.topLeft(), QSize(std::max(1, wanted.width()), 32));
  bool reachable = false;
  for (const QScreen* s : QGuiApplication::screens()) {
    const QRect seen = s->availableGeometry().intersected(titleBar);
    if (seen.width() >= 48 || seen.width() == titleBar.width()) reachable = true;
  }
  if (!reachable && QGuiApplication::primaryScreen()) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int offset = TwipsToPixels(kMainLeft.fallback, dpi);
    wanted.setSize(wanted.size().boundedTo(area.size()));
    wanted.moveTopLeft(area.topLeft() + QPoint(std::min(offset, area.width() - wanted.width()),
                                               std::min(offset, area.height() - wanted.height())));
  }
  move(wanted.topLeft());
  resize(wanted.size());
  loading_ = false;
  MeasureInto();
  model_.Form_Paint();
  platform_.ModelChanged();
}

void MainWindow::MeasureInto() {
  const double dpi = Dpi();
  if (!isMinimized()) {
    model_.left = PixelsToTwips(pos().x(), dpi);
    model_.top = PixelsToTwips(pos().y(), dpi);
    model_.width = PixelsToTwips(width(), dpi);
    model_.height = PixelsToTwips(height(), dpi);
  }
  model_.windowState = isMinimized()   ? WindowState::kMinimized
                       : isMaximized() ? WindowState::kMaximized
                                       : WindowState::kNormal;
  const QMenuBar* menu = menuBar();
  const int menuHeight = menu->isVisible() ? menu->height() : menu->sizeHint().height();
  model_.scaleWidth = PixelsToTwips(width(), dpi);
  model_.scaleHeight = PixelsToTwips(height() - menuHeight, dpi);
  // A hidden bar still counts with the height it has when shown.
  const int toolHeight = toolBar_->isVisible() ? toolBar_->height() : toolBar_->sizeHint().height();
  const QStatusBar* bar = statusBar();
  const int statusHeight = bar->isVisible() ? bar->height() : bar->sizeHint().height();
  model_.tbToolBar.height = PixelsToTwips(toolHeight, dpi);
  model_.sbStatusBar.height = PixelsToTwips(statusHeight, dpi);
}

void MainWindow::Route(const std::function<void()>& handler) {
  ClearUpperVectorState();
  handler();
  platform_.ModelChanged();
}

void MainWindow::Sync() {
  if (syncing_) return;
  syncing_ = true;
  // Title, menu, bars and the plot's place: re-checked only when one of them changed.
  StateStamp stamp;
  stamp.Add(std::string_view(model_.caption)).Add(Dpi());
  for (const FrmMain::MenuEntry& entry : model_.Menu()) {
    const MenuItem& item = *entry.item;
    stamp.Add(std::string_view(item.caption)).Add(item.enabled).Add(item.visible);
    stamp.Add(item.checked);
  }
  stamp.Add(model_.tbToolBar.visible).Add(model_.sbStatusBar.visible);
  stamp.Add(model_.Picture1.width).Add(model_.Picture1.height);
  if (stamp.Value() != frameStamp_ || !frameSynced_) {
    frameStamp_ = stamp.Value();
    frameSynced_ = true;
    SyncFrame();
  }
  plot_->SyncImage();
  UpdatePlotAccessibility(plot_, statusText_);
  SyncReadout();
  necOverlay_->Sync();
  syncing_ = false;
}

void MainWindow::SyncFrame() {
  const QString title = ToQ(model_.caption);
  if (windowTitle() != title) setWindowTitle(title);
  for (const FrmMain::MenuEntry& entry : model_.Menu()) {
    QAction* action = ActionFor(*entry.item);
    if (!action) continue;
    const MenuItem& item = *entry.item;
    if (!action->isSeparator() && action->text() != ToQ(item.caption)) {
      action->setText(ToQ(item.caption));
    }
    if (action->isEnabled() != item.enabled) action->setEnabled(item.enabled);
    if (action->isVisible() != item.visible) action->setVisible(item.visible);
    if (action->isCheckable() && action->isChecked() != item.checked) {
      action->setChecked(item.checked);
    }
  }
  if (toolBar_->isHidden() == model_.tbToolBar.visible)
    toolBar_->setHidden(!model_.tbToolBar.visible);
  if (statusBar()->isHidden() == model_.sbStatusBar.visible) {
    statusBar()->setHidden(!model_.sbStatusBar.visible);
  }
  const double dpi = Dpi();
  const QRect plotRect(0, 0, TwipsToPixels(model_.Picture1.width, dpi),
                       TwipsToPixels(model_.Picture1.height, dpi));
  if (plot_->geometry() != plotRect) plot_->setGeometry(plotRect);
}

void MainWindow::BindPlotEvents() {
  PlotWidget::Events events;
  events.pointerMoved = [this](double x) { Route([this, x] { model_.Picture1_MouseMove(x); }); };
  events.left = [this] { Route([this] { model_.Picture1_MouseLeave(); }); };
  events.key = [this](PlotKey key) { Route([this, key] { model_.Picture1_KeyDown(key); }); };
  events.copy = [this] { Route([this] { model_.Picture1_Copy(); }); };
  plot_->SetEvents(std::move(events));
}

void MainWindow::SyncReadout() {
  const QString text = ToQ(model_.ReadoutText());
  if (statusReadout_->text() != text) statusReadout_->setText(text);
  // The panel only grows while it is in use, so the bar does not jump with every point.
  if (!text.isEmpty() && statusReadout_->sizeHint().width() > statusReadout_->minimumWidth()) {
    statusReadout_->setMinimumWidth(statusReadout_->sizeHint().width());
  }
  if (statusReadout_->isHidden() != text.isEmpty()) statusReadout_->setHidden(text.isEmpty());
  plot_->SetMarker(model_.ReadoutMarker());
}

QWidget* MainWindow::WidgetFor(const Control& control) {
  if (&control == &model_.Picture1) return plot_;
  if (&control == &model_.tbToolBar) return toolBar_;
  if (&control == &model_.sbStatusBar) return statusBar();
  return nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!model_.loaded) {
    event->accept();
    return;
  }
  MeasureInto();
  if (model_.Form_QueryUnload()) {
    event->ignore();
    platform_.ModelChanged();
    return;
  }
  model_.Form_Unload();
  platform_.ModelChanged();
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (loading_ || !model_.loaded) return;
  if (syncing_ && !inResize_) {
    // The window grew while catching up with its model (a bar shown again): the model hears of
    // it once the sync is over, so a redraw, and any message it shows, never runs inside one.
    QueueResize();
    return;
  }
  HandleResize();
}

void MainWindow::QueueResize() {
  if (resizeQueued_) return;
  resizeQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        resizeQueued_ = false;
        if (model_.loaded) HandleResize();
      },
      Qt::QueuedConnection);
}

void MainWindow::HandleResize() {
  if (inResize_) {
    resizePending_ = true;
    return;
  }
  if (QApplication::activeModalWidget() != nullptr) {
    // A dialog is open (the window system still lets the window be resized): the redraw would
    // refill and unload the curve dialog under the user's hands, so it waits for the dialog.
    resizeWhenUnblocked_ = true;
    return;
  }
  inResize_ = true;
  do {
    resizePending_ = false;
    MeasureInto();
    Route([this] { model_.Form_Resize(); });
  } while (resizePending_);
  inResize_ = false;
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowUnblocked && resizeWhenUnblocked_) {
    resizeWhenUnblocked_ = false;
    QueueResize();
  }
  return QMainWindow::event(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!loading_ && model_.loaded) MeasureInto();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && model_.loaded) MeasureInto();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plotArea_ && event->type() == QEvent::Resize && !loading_ && model_.loaded) {
    PaintLayout();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PaintLayout() {
  MeasureInto();
  model_.Form_Paint();
  platform_.SyncViews();
}

}  // namespace velmora::qt
