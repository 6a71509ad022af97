// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user session on the real windows, a model-based fuzzer of the binding: after
// every step the widgets show what the models hold, and texts and plot pass the fuzz targets'
// checks. VELMORA_SESSION_SEED and VELMORA_SESSION_STEPS change seed and length; a failure names
// the seed, the step and the steps before it.
#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QToolBar>

#include "desktop/about_dialog.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_printing.h"
#include "desktop/text.h"
#include "desktop/twips.h"
#include "fuzz/fuzz_checks.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::FormDialog;
using velmora::qt::ToDisplay;
using velmora::qt::ToQ;
using velmora::testing::DesktopFixture;

namespace {

int VisibleModals() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += w->isVisible() && w->isModal();
  return n;
}

QString NameOf(QWidget* w) {  // the control a widget belongs to (a combo box for its line edit)
  while (w && w->objectName().isEmpty()) w = w->parentWidget();
  return w ? w->objectName() : QString();
}

// One step per turn of the event loop. A step that opens a modal window returns when it closes;
// the steps in between run inside it and answer it.
class Session {
 public:
  Session(DesktopFixture& fixture, quint32 seed, int steps)
      : fixture_(fixture), random_(seed), seed_(seed), steps_(steps) {
    Model().curveCommand.trace = &trace_;
  }
  ~Session() { Model().curveCommand.trace = nullptr; }

  QString Run() {
    Step();
    loop_.exec();
    return failure_;
  }
  int Acted() const { return acted_; }

 private:
  velmora::qt::Desktop& D() { return fixture_.desktop(); }
  velmora::FrmMain& Model() { return D().model; }
  velmora::qt::MainWindow& Window() { return D().window; }
  int Below(int n) { return int(random_.bounded(quint32(n))); }
  bool Chance(int percent) { return Below(100) < percent; }

  void Fail(const QString& why) {
    if (failure_.isEmpty()) {
      failure_ = QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                     .arg(seed_)
                     .arg(acted_)
                     .arg(why, log_.join(QStringLiteral("\n  ")));
    }
  }
  void Do(const QString& what, const std::function<void()>& action) {
    log_ << QStringLiteral("%1: %2").arg(acted_).arg(what);
    if (log_.size() > 30) log_.removeFirst();
    ++depth_;
    action();
    --depth_;
  }

  void Step() {
    if (finished_) return;
    // Scheduled before acting: an action that opens a window returns only when it closes, and Qt
    // never delivers a timer again while its own handler runs.
    QTimer::singleShot(0, &context_, [this] { Step(); });
    QWidget* modal = QApplication::activeModalWidget();
    // Inside a handler letting events run only a quick typist's next key comes in; a window
    // opened by a key typed ahead is answered like any other.
    const bool inHandler = depth_ - (typingAhead_ ? 1 : 0) > VisibleModals();
    if (modal && QApplication::activeWindow() != modal && ++activating_ < 50) {
      modal->activateWindow();  // focus moves only in the active window
      return;
    }
    activating_ = 0;
    if (failure_.isEmpty() && !inHandler) Check(modal);
    if (!failure_.isEmpty() || acted_ >= steps_) return Finish(modal, inHandler);
    if (inHandler) {
      if (!modal || typingAhead_ || !Chance(25)) return;
      typingAhead_ = true;
      ++acted_;
      TypeKey(modal);
      typingAhead_ = false;
      return;
    }
    ++acted_;
    if (!modal) return ActOnMainWindow();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return AnswerBox(box);
    if (modal == Window().SingleValueDialog() || modal == Window().CurveDialog()) {
      return ActInDialog(static_cast<FormDialog*>(modal));
    }
    if (auto* about = qobject_cast<velmora::qt::AboutDialog*>(modal)) {
      return Do(QStringLiteral("info box: Escape"),
                [about] { QTest::keyClick(about, Qt::Key_Escape); });
    }
    Fail(QStringLiteral("a window nobody expects: %1").arg(modal->windowTitle()));
  }

  // After the last step or a fault: every window closed the quickest way, then a few quiet turns
  // (a redraw that waited for a dialog may still ask something).
  void Finish(QWidget* modal, bool inHandler) {
    if (inHandler) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      return Do(QStringLiteral("close box"), [box] { box->escapeButton()->click(); });
    }
    if (modal)
      return Do(QStringLiteral("Escape"), [modal] { QTest::keyClick(modal, Qt::Key_Escape); });
    if (depth_ == 0 && ++quietTurns_ >= 5) {
      finished_ = true;
      loop_.quit();
    }
  }

  // ------------------------------------------------------------------ what a user does

  struct Option {
    int weight;
    QString what;
    std::function<void()> act;
  };
  // Runs one of the options, drawn by weight.
  void OneOf(const std::vector<Option>& options) {
    int total = 0;
    for (const Option& o : options) total += o.weight;
    int r = Below(total);
    for (const Option& o : options) {
      if ((r -= o.weight) < 0) return Do(o.what, o.act);
    }
  }
  // The window system reports a new state and geometry a moment later.
  std::function<void()> Resize(std::function<void()> change) {
    return [change] {
      change();
      for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    };
  }

  void ActOnMainWindow() {
    velmora::qt::MainWindow& w = Window();
    if (w.isMinimized()) return Do(QStringLiteral("show normal"), Resize([&w] { w.showNormal(); }));
    velmora::FrmMain& m = Model();
    std::vector<Option> options;
    const std::pair<velmora::MenuItem*, int> items[] = {
        {&m.mnuFileNew, 4},           {&m.mnuFileOpen, 1},       {&m.mnuFileSave, 1},
        {&m.mnuFileSaveAs, 1},        {&m.mnuFilePrint, 2},      {&m.mnuFileExit, 2},
        {&m.mnuEinzelBerechnung, 10}, {&m.mnuKurveAnzeigen, 12}, {&m.mnuViewRefresh, 4},
        {&m.mnuViewToolbar, 2},       {&m.mnuViewStatusBar, 2},  {&m.mnuHelpContents, 1},
        {&m.mnuHelpAbout, 1}};
    for (const auto& [item, weight] : items) {  // a greyed item does nothing
      QAction* action = w.ActionFor(*item);
      options.push_back({weight, "menu " + ToQ(item->name), [action] { action->trigger(); }});
    }
    for (const char* key : {"New", "Open", "Save", "Print"}) {
      QAction* button = w.ToolbarAction(QLatin1String(key));
      if (!w.ToolBar()->isHidden())
        options.push_back({2, "toolbar " + button->objectName(), [button] { button->trigger(); }});
    }
    const QSize size(Below(1400), Below(1100));
    options.insert(options.end(),
                   {{10, QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()),
                     Resize([&w, size] { w.resize(size); })},
                    {2, QStringLiteral("resize to 1x1"), Resize([&w] { w.resize(1, 1); })},
                    {3, QStringLiteral("maximise"), Resize([&w] { w.showMaximized(); })},
                    {3, QStringLiteral("show normal"), Resize([&w] { w.showNormal(); })},
                    {2, QStringLiteral("minimise"), Resize([&w] { w.showMinimized(); })},
                    {3, QStringLiteral("close box"), [&w] { w.close(); }}});
    OneOf(options);
  }

  void AnswerBox(QMessageBox* box) {
    const QString what = QStringLiteral("box \"%1\": ").arg(box->windowTitle());
    if (box->windowTitle() == QLatin1String(" Programmende ? ")) {  // the session goes on
      return Do(what + "Cancel", [box] { box->escapeButton()->click(); });
    }
    const bool print = box->text() == QLatin1String("Drucker bereit?");
    OneOf({{print ? 8 : 0, what + "OK, printing into a file",
            [box] { box->defaultButton()->click(); }},
           {10, what + "Enter", [box] { QTest::keyClick(box, Qt::Key_Return); }},
           {10, what + "Escape", [box] { QTest::keyClick(box, Qt::Key_Escape); }},
           {10, what + "close box", [box] { box->close(); }}});
  }

  QLineEdit* RandomBox(QWidget* dialog) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
      const bool combo = qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr;
      if (edit->isVisible() && edit->isEnabled() && (!combo || Chance(15))) boxes << edit;
    }
    return boxes.isEmpty() ? nullptr : boxes.at(Below(boxes.size()));
  }

  // One key where the focus is; now and then the user first clicks into another box.
  void TypeKey(QWidget* dialog) {
    QWidget* target = QApplication::focusWidget();
    if (!typingAhead_ && (!target || target->window() != dialog || Chance(40))) {
      if (QLineEdit* box = RandomBox(dialog)) target = box;
    }
    if (!target || target->window() != dialog) target = dialog;
    static const QString keys =
        QStringLiteral("0123456789012345678901234567890123456789,,,,..abcä-");
    const int pick = Below(keys.size() + 12);
    const Qt::Key special[] = {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape};
    const Qt::Key key = pick < keys.size() ? Qt::Key_unknown : special[(pick - keys.size()) % 4];
    const QString text = pick < keys.size() ? QString(keys.at(pick)) : QString();
    Do(QStringLiteral("key %1 into %2")
           .arg(text.isEmpty() ? QKeySequence(key).toString() : text, NameOf(target)),
       [target, key, text] {
         if (QApplication::focusWidget() != target) target->setFocus(Qt::MouseFocusReason);
         QTest::sendKeyEvent(QTest::Click, target, key, text, Qt::NoModifier);
       });
  }

  void ActInDialog(FormDialog* d) {
    if (Chance(50)) return TypeKey(d);
    std::vector<Option> options;
    if (QLineEdit* box = RandomBox(d)) {  // a number, now and then far beyond a single's range
      QString number;
      for (int i = Chance(15) ? 5 + Below(40) : 1 + Below(5); i > 0; --i)
        number += QChar(u'0' + Below(10));
      if (Chance(40)) number.insert(Below(number.size() + 1), Chance(80) ? u',' : u'.');
      options.push_back({10, "type " + number + " over " + NameOf(box),
                         [box, number] { velmora::testing::TypeOver(box, number); }});
    }
    for (auto [name, weight] : {std::pair{"Combo1", 10}, {"Combo2", 4}, {"Combo3", 3}}) {
      auto* combo = d->findChild<QComboBox*>(QLatin1String(name));
      if (!combo || !combo->isVisible()) continue;
      const QString item = combo->itemText(Below(combo->count()));
      options.push_back({weight, "pick \"" + item + "\" in " + name,
                         [combo, item] { velmora::testing::Pick(combo, item); }});
    }
    for (auto [name, weight] :
         {std::pair{"Check1", 4}, {"OKButton", 6}, {"PrintButton", 3}, {"CancelButton", 2}}) {
      auto* button = d->findChild<QAbstractButton*>(QLatin1String(name));
      if (button && button->isVisible())
        options.push_back({weight, QStringLiteral("click ") + name, [button] { button->click(); }});
    }
    options.push_back({2, QStringLiteral("dialog close box"), [d] { d->close(); }});
    // The window system resizes the main window under the dialog.
    const QSize size(Below(1400), Below(1100));
    options.push_back({2, QStringLiteral("main window resized under the dialog"),
                       Resize([this, size] { Window().resize(size); })});
    OneOf(options);
  }

  // ------------------------------------------------------------------ what must hold

  void Check(QWidget* modal) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      for (QWidget* w : top->findChildren<QWidget*>()) {
        const QString text = Shown(w);
        if (w->isVisible() && velmora::fuzz::HasBrokenNumber(text.toStdString())) {
          return Fail(NameOf(w) + " shows " + text);
        }
      }
    }
    const velmora::DisplayList& image = D().surface.Image();
    const std::string drawing =
        velmora::fuzz::DrawingFault(image, trace_, D().platform.DecimalSeparator());
    if (!drawing.empty()) return Fail(QString::fromStdString(drawing));
    CheckMainWindow();
    if (!modal && depth_ == 0) CheckIdle();
    if (auto* dialog = qobject_cast<FormDialog*>(modal)) CheckDialog(dialog);
  }

  void CheckMainWindow() {
    velmora::FrmMain& m = Model();
    if (!m.loaded || !Window().isVisible()) return Fail(QStringLiteral("the main window has gone"));
    for (const velmora::FrmMain::MenuEntry& entry : m.Menu()) {
      QAction* action = Window().ActionFor(*entry.item);
      if (action->isEnabled() != entry.item->enabled ||
          action->isChecked() != entry.item->checked) {
        return Fail(QStringLiteral("menu %1 does not show its model").arg(ToQ(entry.item->name)));
      }
    }
    if (Window().ToolBar()->isHidden() == m.tbToolBar.visible ||
        Window().statusBar()->isHidden() == m.sbStatusBar.visible) {
      return Fail(QStringLiteral("a bar does not show its model"));
    }
    if (Window().StatusPanel(1)->text() != ToDisplay(D().platform.StatusText())) {
      return Fail(QStringLiteral("status panel \"%1\"").arg(Window().StatusPanel(1)->text()));
    }
    const double dpi = Window().Dpi();
    const QRect plot(0, 0, velmora::qt::TwipsToPixels(m.Picture1.width, dpi),
                     velmora::qt::TwipsToPixels(m.Picture1.height, dpi));
    const velmora::DisplayList& image = D().surface.Image();
    if (Window().Plot()->geometry() != plot || image.width != m.Picture1.width ||
        image.height != m.Picture1.height) {
      return Fail(QStringLiteral("plot widget or drawing of another size than %1x%2 twips")
                      .arg(m.Picture1.width)
                      .arg(m.Picture1.height));
    }
  }

  // Between two commands: nothing open, nothing waiting, the pointer back to normal.
  void CheckIdle() {
    velmora::FrmMain& m = Model();
    if (m.frmEinzelEingabe.loaded || m.frmAbout.loaded) {
      return Fail(QStringLiteral("a dialog stayed loaded after its command"));
    }
    if (m.curveCommand.frmEingabe.visible || m.frmEinzelEingabe.visible) {
      return Fail(QStringLiteral("a dialog's form is visible with no window open"));
    }
    if (QApplication::overrideCursor() != nullptr)
      return Fail(QStringLiteral("the pointer stayed changed"));
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMessageBox*>(w))
        return Fail(QStringLiteral("a message box outlived its question"));
      dialogs += qobject_cast<QDialog*>(w) != nullptr;
    }
    if (dialogs > 3) Fail(QStringLiteral("%1 dialog windows exist").arg(dialogs));
  }

  // What a label, box or check box shows.
  static QString Shown(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* check = qobject_cast<QCheckBox*>(w)) return QString::number(check->isChecked());
    return {};
  }

  // Every control of an open dialog shows what its model holds, read through the form's table.
  void CheckDialog(FormDialog* d) {
    const velmora::ControlTable& table = d == Window().SingleValueDialog()
                                             ? Model().frmEinzelEingabe.Controls()
                                             : Model().curveCommand.frmEingabe.Controls();
    using Kind = velmora::ControlKind;
    for (const velmora::ControlEntry& entry : table) {
      const velmora::Control& c = *entry.control;
      QString held;
      if (entry.kind == Kind::kTextBox) {
        held = ToQ(static_cast<const velmora::TextBox&>(c).text);
      } else if (entry.kind == Kind::kComboBox) {
        held = ToQ(static_cast<const velmora::ComboBox&>(c).text);
      } else if (entry.kind == Kind::kLabel) {
        held = ToDisplay(static_cast<const velmora::Label&>(c).caption);
      } else if (entry.kind == Kind::kCheckBox) {
        held = QString::number(static_cast<const velmora::CheckBox&>(c).value != 0);
      } else {
        continue;
      }
      QWidget* w = d->WidgetFor(c);
      if (Shown(w) != held || w->isHidden() == c.visible) {
        return Fail(QStringLiteral("%1 shows \"%2\", the model holds \"%3\"")
                        .arg(ToQ(c.name), Shown(w), held));
      }
    }
  }

  DesktopFixture& fixture_;
  QRandomGenerator random_;
  quint32 seed_;
  int steps_;
  int acted_ = 0;
  int depth_ = 0;
  int activating_ = 0;
  int quietTurns_ = 0;
  bool typingAhead_ = false;
  bool finished_ = false;
  QObject context_;
  QEventLoop loop_;
  velmora::CurveTrace trace_;
  QStringList log_;
  QString failure_;
};

}  // namespace

class TestRandomSession : public QObject {
  Q_OBJECT

 private:
  DesktopFixture fixture_;
  QTemporaryDir out_;

 private slots:
  void randomSessionKeepsTheProgramWhole() {
    velmora::testing::QuietOffscreenWarnings();
    // No print server for this process: printing goes into a file or fails, never to paper.
    qputenv("CUPS_SERVER", QByteArrayLiteral("/nonexistent/velmora-test-cups.sock"));
    velmora::qt::SetPrintFile(out_.filePath(QStringLiteral("session.pdf")));
    bool ok = false;
    quint32 seed = qEnvironmentVariable("VELMORA_SESSION_SEED").toUInt(&ok, 0);
    if (!ok) seed = 0x5e55104;
    int steps = qEnvironmentVariableIntValue("VELMORA_SESSION_STEPS", &ok);
    if (!ok || steps < 0) steps = 5000;
    qInfo("random session: seed %u, %d steps", seed, steps);
    fixture_.Start();
    QVERIFY(fixture_.exposed());
    Session session(fixture_, seed, steps);
    const QString failure = session.Run();
    // The test log cuts long messages short: the steps leading to a fault go out whole.
    if (!failure.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(failure));
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
    QCOMPARE(session.Acted(), steps);
    velmora::qt::SetPrintFile({});
  }
};

QTEST_MAIN(TestRandomSession)
#include "random_session_test.moc"
