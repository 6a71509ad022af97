// A long random user session on the real windows: menu commands, shortcuts, toolbar buttons,
// keys, picks, ticks, dialog buttons, close boxes and resizes chosen by a seeded generator, every
// window that opens answered by the session itself, and after every step a look at whether the
// program still agrees with itself. VELMORA_SESSION_SEED and VELMORA_SESSION_STEPS change the
// seed and the number of steps for longer runs; a failure names the seed and the step.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "desktop/about_dialog.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/qt_printing.h"
#include "desktop/text.h"
#include "desktop/twips.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::AboutDialog;
using velmora::qt::FormDialog;
using velmora::qt::ToDisplay;
using velmora::qt::ToQ;
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::TypeOver;
using velmora::testing::WhileModal;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr quint32 kDefaultSeed = 0x5e55104;
// A few seconds offscreen; the sanitizers make every step several times slower.
constexpr int kDefaultSteps = kSanitized ? 2500 : 5000;
// A step that cannot act for this long means a window nobody answers or a stuck command.
constexpr int kStallMs = kSanitized ? 60000 : 20000;
// Without any progress for this long the process is stuck outside the event loop: abort.
constexpr int kHangMs = 3 * kStallMs;

// Letters a user types into free-text boxes; none of them can spell a number word or an
// exponent, so such a text on screen can only come from the program.
const QString kLetters = QStringLiteral("abcdghklmoprstuvwxyzäöüABCDGHKLMOPRSTUVWXYZ");

// Number texts that must never stand in a field: "inf", "nan" or a number in exponent form.
bool LooksLikeBrokenNumber(const QString& text) {
  static const QRegularExpression word(QStringLiteral("(?<!\\p{L})(inf|nan)(?!\\p{L})"),
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression exponent(QStringLiteral("\\d[eE][+-]?\\d|[eE]\\+"));
  return text.contains(word) || text.contains(exponent);
}

int VisibleModals() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += w->isVisible() && w->isModal();
  return n;
}

quint32 SeedFromEnvironment() {
  bool ok = false;
  const quint32 seed = qEnvironmentVariable("VELMORA_SESSION_SEED").toUInt(&ok, 0);
  return ok ? seed : kDefaultSeed;
}

int StepsFromEnvironment() {
  bool ok = false;
  const int steps = qEnvironmentVariableIntValue("VELMORA_SESSION_STEPS", &ok);
  return ok && steps >= 0 ? steps : kDefaultSteps;
}

// Aborts the process when the session makes no progress at all, naming where it stood: a
// command stuck in a loop never returns to the event loop, so no timer could report it.
class HangGuard {
 public:
  HangGuard(quint32 seed, const std::atomic<int>& step) : seed_(seed), step_(step) {
    thread_ = std::thread([this] { Watch(); });
  }
  ~HangGuard() {
    done_ = true;
    thread_.join();
  }
  // Counts any sign of life, also while a step waits for the program.
  void Beat() { ++beats_; }

 private:
  void Watch() {
    using Clock = std::chrono::steady_clock;
    int seen = beats_;
    auto since = Clock::now();
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (beats_ != seen) {
        seen = beats_;
        since = Clock::now();
      } else if (Clock::now() - since > std::chrono::milliseconds(kHangMs)) {
        std::fprintf(stderr, "random session hangs: seed %u, step %d\n", seed_, step_.load());
        std::fflush(stderr);
        std::abort();
      }
    }
  }

  quint32 seed_;
  const std::atomic<int>& step_;
  std::atomic<int> beats_{0};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// What the menu's New, Refresh and Print items must show, from the commands seen so far.
struct MenuOracle {
  bool newEnabled = false;
  bool refreshEnabled = false;
  bool printEnabled = false;
};

// Commands whose effect on the menu and status bar the session predicts; kCurve: the curve
// command, Refresh and resizes, which end with a run of the engine when they make one.
enum class Command { kOther, kMenuNew, kSingleValue, kCurve };

// The session: one step per turn of the event loop. A step that opens a modal window does not
// return until the window closes; the following steps run inside it and answer the window.
class Session {
 public:
  Session(DesktopFixture& fixture, quint32 seed, int steps)
      : fixture_(fixture), random_(seed), seed_(seed), steps_(steps), guard_(seed, acted_) {}

  // Runs until every step is done and every window is closed again; returns the first fault.
  QString Run() {
    MarkRuns();
    lastProgress_.start();
    QTimer stall;
    stall.setInterval(250);
    QObject::connect(&stall, &QTimer::timeout, [this] { CheckStall(); });
    stall.start();
    Schedule();
    loop_.exec();
    return failure_;
  }
  int Acted() const { return acted_; }
  // What the session got to see, for the log.
  QString Summary() const {
    QStringList boxes;
    for (auto it = boxesSeen_.begin(); it != boxesSeen_.end(); ++it) {
      boxes << QStringLiteral("%1x \"%2\"").arg(it.value()).arg(it.key());
    }
    return QStringLiteral("%1 steps: %2 curve runs, %3 printed into a file; boxes: %4")
        .arg(acted_.load())
        .arg(curveRuns_)
        .arg(prints_)
        .arg(boxes.join(QStringLiteral(", ")));
  }

 private:
  velmora::qt::Desktop& D() { return fixture_.desktop(); }
  velmora::FrmMain& Model() { return D().model; }
  velmora::qt::MainWindow& Window() { return D().window; }
  QAction* Action(const velmora::MenuItem& item) { return Window().ActionFor(item); }
  int Px(double twips) { return velmora::qt::TwipsToPixels(twips, Window().Dpi()); }

  int Below(int n) { return int(random_.bounded(quint32(n))); }
  bool Chance(int percent) { return Below(100) < percent; }
  // An index drawn with the given weights.
  int Weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = Below(total);
    int i = 0;
    for (int w : weights) {
      if (r < w) return i;
      r -= w;
      ++i;
    }
    return i - 1;
  }

  void Schedule() {
    QTimer::singleShot(0, &context_, [this] { Step(); });
  }

  void Note(const QString& what) {
    log_ << QStringLiteral("step %1: %2").arg(acted_.load()).arg(what);
    if (trace_) std::fprintf(stderr, "%s\n", qPrintable(log_.last()));
    if (log_.size() > 40) log_.removeFirst();
  }

  void Fail(const QString& why) {
    if (!failure_.isEmpty()) return;
    failure_ = QStringLiteral("seed %1, step %2: %3\nlast steps:\n  %4")
                   .arg(seed_)
                   .arg(acted_.load())
                   .arg(why, log_.join(QStringLiteral("\n  ")));
  }

  // Runs one user action; the steps that follow it while it waits in a window see it as open.
  void Do(const QString& what, const std::function<void()>& action) {
    Note(what);
    ++depth_;
    action();
    --depth_;
  }

  // A command of the main window; afterwards the menu states must follow from what it did.
  void Top(const QString& what, Command command, const std::function<void()>& action) {
    MarkRuns();
    dialogSeen_ = false;
    Do(what, action);
    // The single-value command came back from its dialog (not a shortcut that went nowhere).
    const bool singleValueDone = command == Command::kSingleValue && dialogSeen_;
    dialogSeen_ = false;
    if (keyDropped_) command = Command::kOther;
    keyDropped_ = false;
    const bool newWasEnabled = oracle_.newEnabled;
    const bool ran = FoldRuns(false);
    const QString status = QString::fromStdString(D().platform.StatusText());
    if (command == Command::kMenuNew && newWasEnabled) {
      oracle_.newEnabled = false;
      oracle_.refreshEnabled = false;
      if (status != QString::fromUtf8(velmora::kIdleStatus)) Fail("status after New: " + status);
    } else if (singleValueDone) {
      oracle_.newEnabled = true;
      oracle_.refreshEnabled = false;
      if (status != QString::fromUtf8(velmora::kIdleStatus)) {
        Fail("status after a single value: " + status);
      }
    } else if (command == Command::kCurve && ran && !status.startsWith(QLatin1String(" Kurve: ")) &&
               !status.startsWith(QLatin1String(" Falsche Formel !"))) {
      Fail("status after a curve: " + status);
    }
  }

  // The curve engine leaves its layout behind after every run: a mark there tells whether one ran.
  void MarkRuns() { Model().curveCommand.lastLayout.m = kNoRun; }
  // Print follows whether the run made a new image since the curve dialog was last shown. That
  // is known for a run of the user's own command; a redraw set off by a late window event may
  // have let a curve command of the user run inside it, which moved the mark: Print is then
  // taken as the program set it.
  bool FoldRuns(bool late) {
    if (Model().curveCommand.lastLayout.m == kNoRun) return false;
    oracle_.newEnabled = true;
    oracle_.refreshEnabled = true;
    oracle_.printEnabled =
        late ? Model().mnuFilePrint.enabled
             : D().surface.Image().handle != Model().curveCommand.savedImageHandle;
    ++curveRuns_;
    MarkRuns();
    return true;
  }

  void CheckStall() {
    if (lastProgress_.elapsed() < kStallMs) return;
    Fail(QStringLiteral("no step for %1 ms (commands open: %2, windows open: %3, active: %4)")
             .arg(lastProgress_.elapsed())
             .arg(depth_)
             .arg(VisibleModals())
             .arg(QApplication::activeModalWidget()
                      ? QApplication::activeModalWidget()->windowTitle()
                      : QStringLiteral("-")));
    lastProgress_.restart();
    // Closing what is open lets the stuck commands return, so the test ends with its report.
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible() || !w->isModal()) continue;
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        box->done(0);
      } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->close();
        dialog->done(0);
      }
    }
  }

  void Step() {
    guard_.Beat();
    if (finished_) return;
    const int modals = VisibleModals();
    // A command is still on its way (between two windows, or letting events run): wait for it.
    // A key typed ahead acts inside the key before it, so that one does not count as waiting.
    if (depth_ - typingAhead_ > modals) {
      if (!TypeAhead(modals)) Schedule();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && QApplication::activeWindow() != modal) {
      // Focus moves only in the active window; give the window manager a moment.
      if (!activating_.isValid()) {
        activating_.start();
        modal->activateWindow();
      }
      if (activating_.elapsed() < 2000) {
        Schedule();
        return;
      }
    }
    activating_.invalidate();
    lastProgress_.restart();
    if (modal && modal == Window().SingleValueDialog()) dialogSeen_ = true;

    if (depth_ == 0 && !modal) FoldRuns(true);  // a redraw from a late window event
    if (failure_.isEmpty()) CheckConsistency(modal);
    if (!failure_.isEmpty() || acted_ >= steps_) {
      // The end, once nothing is open and a few turns of the event loop bring nothing new (a
      // redraw that waited for a dialog may still show a message).
      if (!modal && depth_ == 0) {
        if (++quietTurns_ < 5) {
          Schedule();
          return;
        }
        finished_ = true;
        loop_.quit();
        return;
      }
      quietTurns_ = 0;
      Schedule();
      CloseWindow(modal);
      return;
    }
    ++acted_;
    Schedule();
    Act(modal);
  }

  // ------------------------------------------------------------------ what a user does

  void Act(QWidget* modal) {
    if (!modal) return ActOnMainWindow();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return AnswerBox(box);
    if (modal == Window().SingleValueDialog())
      return ActInSingleValueDialog(Window().SingleValueDialog());
    if (modal == Window().CurveDialog()) return ActInCurveDialog(Window().CurveDialog());
    if (auto* about = qobject_cast<AboutDialog*>(modal)) return ActInInfoBox(about);
    Fail(QStringLiteral("a window nobody expects: %1").arg(modal->windowTitle()));
  }

  // After the last step, or after a fault: leave every window the quickest way.
  void CloseWindow(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      // Cancel keeps the program open at the closing question and ends a print.
      Do(QStringLiteral("close box \"%1\"").arg(box->windowTitle()),
         [box] { box->escapeButton()->click(); });
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      Do(QStringLiteral("Escape in \"%1\"").arg(dialog->windowTitle()),
         [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
    }
  }

  void ActOnMainWindow() {
    velmora::FrmMain& m = Model();
    if (Window().isMinimized()) {
      // Only the task bar reaches a minimised window.
      switch (Weighted({5, 3, 1})) {
        case 0:
          return Resize(QStringLiteral("show normal"), [this] { Window().showNormal(); });
        case 1:
          return Resize(QStringLiteral("maximise"), [this] { Window().showMaximized(); });
        default:
          return Top(QStringLiteral("close from the task bar"), Command::kOther,
                     [this] { Window().close(); });
      }
    }
    struct Item {
      const velmora::MenuItem& item;
      Command command;
      int weight;
    };
    const Item items[] = {
        {m.mnuFileNew, Command::kMenuNew, 4},
        {m.mnuFileOpen, Command::kOther, 1},
        {m.mnuFileSave, Command::kOther, 1},
        {m.mnuFileSaveAs, Command::kOther, 1},
        {m.mnuFilePrint, Command::kOther, 2},
        {m.mnuFileExit, Command::kOther, 2},
        {m.mnuEinzelBerechnung, Command::kSingleValue, 10},
        {m.mnuKurveAnzeigen, Command::kCurve, 12},
        {m.mnuViewRefresh, Command::kCurve, 4},
        {m.mnuViewToolbar, Command::kOther, 2},
        {m.mnuViewStatusBar, Command::kOther, 2},
        {m.mnuHelpContents, Command::kOther, 1},
        {m.mnuHelpAbout, Command::kOther, 1},
    };
    switch (Weighted({40, 14, 8, 14, 3, 3})) {
      case 0: {  // a menu item, greyed or not: a greyed one does nothing
        int total = 0;
        for (const Item& i : items) total += i.weight;
        int r = Below(total);
        for (const Item& i : items) {
          if (r < i.weight) {
            QAction* action = Action(i.item);
            return Top(QStringLiteral("menu %1").arg(action->objectName()), i.command,
                       [action] { action->trigger(); });
          }
          r -= i.weight;
        }
        return;
      }
      case 1: {  // a shortcut
        struct Key {
          Qt::Key key;
          Qt::KeyboardModifiers modifiers;
          const char* name;
          Command command;
        };
        static const Key keys[] = {
            {Qt::Key_N, Qt::ControlModifier, "Ctrl+N", Command::kMenuNew},
            {Qt::Key_W, Qt::ControlModifier, "Ctrl+W", Command::kSingleValue},
            {Qt::Key_K, Qt::ControlModifier, "Ctrl+K", Command::kCurve},
            {Qt::Key_A, Qt::ControlModifier, "Ctrl+A", Command::kCurve},
            {Qt::Key_F1, Qt::NoModifier, "F1", Command::kOther},
            {Qt::Key_F2, Qt::NoModifier, "F2", Command::kOther},
        };
        const Key& key = keys[Below(std::size(keys))];
        return Top(QStringLiteral("shortcut %1").arg(QLatin1String(key.name)), key.command,
                   [this, &key] {
                     // Shortcuts reach only the active window; a window without any area
                     // cannot become active here, and the key goes nowhere.
                     if (QApplication::activeWindow() != &Window()) {
                       Window().activateWindow();
                       if (!QTest::qWaitForWindowActive(&Window(), 500)) {
                         keyDropped_ = true;
                         return;
                       }
                       // A redraw that waited for the window ran before the key was pressed.
                       FoldRuns(/*late=*/true);
                     }
                     QTest::keyClick(&Window(), key.key, key.modifiers);
                   });
      }
      case 2: {  // a toolbar button, when the toolbar is there to be clicked
        if (Window().ToolBar()->isHidden()) return ActOnMainWindow();
        static const char* const keys[] = {"New", "Open", "Save", "Print"};
        QAction* button = Window().ToolbarAction(QLatin1String(keys[Below(4)]));
        return Top(QStringLiteral("toolbar %1").arg(button->objectName()), Command::kOther,
                   [button] { button->trigger(); });
      }
      case 3:
        return ResizeRandomly();
      case 4:
        return Top(QStringLiteral("close box"), Command::kOther, [this] { Window().close(); });
      default: {  // keys that mean nothing to the main window
        const QString text(kLetters.at(Below(kLetters.size())));
        return Top(QStringLiteral("key %1 in the main window").arg(text), Command::kOther,
                   [this, text] { velmora::testing::Type(&Window(), text); });
      }
    }
  }

  void ResizeRandomly() {
    switch (Weighted({10, 2, 2, 3, 3, 2})) {
      case 0: {
        const QSize size(Below(1400), Below(1100));
        return Resize(QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()),
                      [this, size] { Window().resize(size); });
      }
      case 1:
        return Resize(QStringLiteral("resize to 0x0"), [this] { Window().resize(0, 0); });
      case 2:
        return Resize(QStringLiteral("resize to 1x1"), [this] { Window().resize(1, 1); });
      case 3:
        return Resize(QStringLiteral("maximise"), [this] { Window().showMaximized(); });
      case 4:
        return Resize(QStringLiteral("show normal"), [this] { Window().showNormal(); });
      default:
        return Resize(QStringLiteral("minimise"), [this] { Window().showMinimized(); });
    }
  }

  // A change of the window's size or state, with the window system's answers to it.
  void Resize(const QString& what, const std::function<void()>& change) {
    Top(what, Command::kCurve, [&] {
      change();
      // The window system reports a new state and geometry a moment later.
      for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    });
  }

  void AnswerBox(QMessageBox* box) {
    const QString title = box->windowTitle();
    ++boxesSeen_[box->text().section(QLatin1Char('\n'), 0, 0).left(40)];
    const QString what = QStringLiteral("box \"%1\": ").arg(title);
    QAbstractButton* ok = box->defaultButton();
    QAbstractButton* cancel = box->escapeButton();
    if (title == QLatin1String(" Programmende ? ")) {
      // The session goes on: the program must stay open.
      switch (Below(3)) {
        case 0:
          return Do(what + "Cancel", [cancel] { cancel->click(); });
        case 1:
          return Do(what + "Escape", [box] { QTest::keyClick(box, Qt::Key_Escape); });
        default:
          return Do(what + "close box", [box] { box->close(); });
      }
    }
    if (box->text() == QLatin1String("Drucker bereit?") && Chance(20)) {
      ++prints_;
      return Do(what + "OK, printing into a file", [ok] { ok->click(); });
    }
    switch (Below(3)) {
      case 0:
        return Do(what + "Enter", [box] { QTest::keyClick(box, Qt::Key_Return); });
      case 1:
        return Do(what + "Escape", [box] { QTest::keyClick(box, Qt::Key_Escape); });
      default:
        return Do(what + "OK", [ok] { ok->click(); });
    }
  }

  void ActInInfoBox(AboutDialog* about) {
    switch (Below(3)) {
      case 0:
        return Do(QStringLiteral("info box: OK"),
                  [about] { about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); });
      case 1:
        return Do(QStringLiteral("info box: Escape"),
                  [about] { QTest::keyClick(about, Qt::Key_Escape); });
      default:
        return Do(QStringLiteral("info box: close box"), [about] { about->close(); });
    }
  }

  // A key a user might press in a dialog's box, with its text ("" for keys that type nothing).
  struct Key {
    Qt::Key key;
    QString text;
  };
  Key RandomKey() {
    switch (Weighted({40, 5, 4, 6, 3, 10, 4, 2, 1})) {
      case 0: {
        const int digit = Below(10);
        return {Qt::Key(Qt::Key_0 + digit), QString::number(digit)};
      }
      case 1:
        return {Qt::Key_Comma, QStringLiteral(",")};
      case 2:
        return {Qt::Key_Period, QStringLiteral(".")};
      case 3: {
        const QChar letter = kLetters.at(Below(kLetters.size()));
        return {Qt::Key_unknown, QString(letter)};
      }
      case 4:
        return {Qt::Key_Minus, QStringLiteral("-")};
      case 5:
        return {Qt::Key_Backspace, QString()};
      case 6:
        return {Qt::Key_Tab, QString()};
      case 7:
        return {Qt::Key_Return, QString()};
      default:
        return {Qt::Key_Escape, QString()};
    }
  }

  // A number as a user might type it: short or long, with or without decimals, now and then
  // far beyond what a single-precision value holds.
  QString RandomNumber() {
    QString digits;
    const int length = Chance(15) ? 5 + Below(40) : 1 + Below(5);
    for (int i = 0; i < length; ++i) digits += QChar(u'0' + Below(10));
    if (Chance(40)) digits.insert(Below(digits.size() + 1), Chance(80) ? u',' : u'.');
    return digits;
  }

  // The dialog's boxes a user can click into: visible and enabled.
  static QList<QLineEdit*> Boxes(QWidget* dialog) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
      if (edit->isVisible() && edit->isEnabled()) boxes << edit;
    }
    return boxes;
  }
  // A box to click into: mostly a text box; the choice boxes are picked from more than typed in.
  QLineEdit* RandomBox(QWidget* dialog) {
    QList<QLineEdit*> texts, combos;
    for (QLineEdit* edit : Boxes(dialog)) {
      (qobject_cast<QComboBox*>(edit->parentWidget()) ? combos : texts) << edit;
    }
    const QList<QLineEdit*>& from =
        texts.isEmpty() || (!combos.isEmpty() && Chance(15)) ? combos : texts;
    return from.isEmpty() ? nullptr : from.at(Below(from.size()));
  }
  // The name of the control a widget belongs to (a combo box for its line edit).
  static QString NameOf(QWidget* w) {
    while (w && w->objectName().isEmpty()) w = w->parentWidget();
    return w ? w->objectName() : QString();
  }

  // One key into the box with the focus; now and then the user first clicks into another box.
  // Typing ahead, the key goes where the focus is while the program still handles the last one.
  void TypeKey(QWidget* dialog, const std::function<void(const QString& box, bool changed)>& after,
               bool ahead = false) {
    QWidget* target = QApplication::focusWidget();
    if (!ahead && (!target || target->window() != dialog || Chance(40))) {
      if (QLineEdit* box = RandomBox(dialog)) target = box;
    }
    if (!target || target->window() != dialog) target = dialog;
    const Key key = RandomKey();
    const QString box = NameOf(target);
    const QString shown = key.text.isEmpty() ? QKeySequence(key.key).toString() : key.text;
    auto* edit = qobject_cast<QLineEdit*>(target);
    const QString before = edit ? edit->text() : QString();
    const int aheadBefore = typedAhead_;
    QPointer<QWidget> typingIn = keyDialog_;
    keyDialog_ = dialog;
    Do(QStringLiteral("%1: %2key %3 into %4")
           .arg(dialog->windowTitle(), ahead ? QStringLiteral("typed ahead: ") : QString(), shown,
                box),
       [&, target, key] {
         if (QApplication::focusWidget() != target) target->setFocus(Qt::MouseFocusReason);
         QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, Qt::NoModifier);
       });
    keyDialog_ = typingIn;
    // Enter runs the calculation, which may correct a box itself; a key typed ahead inside this
    // one is the one that edited.
    const bool types =
        key.key != Qt::Key_Tab && key.key != Qt::Key_Return && key.key != Qt::Key_Escape;
    if (after) after(box, types && edit && edit->text() != before && typedAhead_ == aheadBefore);
  }

  // While a key lets the program run waiting events (a refused key's beep, the calculation of
  // Enter), a quick typist's next key arrives.
  bool TypeAhead(int modals) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!keyDialog_ || modal != keyDialog_ || depth_ - typingAhead_ != modals + 1) return false;
    if (typingAhead_ > 0 || acted_ >= steps_ || !failure_.isEmpty() || !Chance(25)) return false;
    ++acted_;
    lastProgress_.restart();
    Schedule();
    ++typingAhead_;
    ++typedAhead_;
    TypeKey(modal, nullptr, /*ahead=*/true);
    --typingAhead_;
    return true;
  }

  // A whole number typed over a box's text.
  void TypeNumber(QWidget* dialog, const char* name = nullptr,
                  const std::function<void(const QString& box, bool changed)>& after = nullptr) {
    QLineEdit* box = name ? dialog->findChild<QLineEdit*>(QLatin1String(name)) : RandomBox(dialog);
    if (!box || !box->isVisible()) return;
    const QString number = RandomNumber();
    const QString before = box->text();
    Do(QStringLiteral("%1: type %2 over %3").arg(dialog->windowTitle(), number, NameOf(box)),
       [box, number] { TypeOver(box, number); });
    if (after) after(NameOf(box), box->text() != before);
  }

  void PickItem(QWidget* dialog, const char* comboName) {
    auto* combo = dialog->findChild<QComboBox*>(QLatin1String(comboName));
    if (!combo || !combo->isVisible() || combo->count() == 0) return;
    const QString item = combo->itemText(Below(combo->count()));
    Do(QStringLiteral("%1: pick \"%2\" in %3")
           .arg(dialog->windowTitle(), item, QLatin1String(comboName)),
       [combo, item] { Pick(combo, item); });
  }

  void Click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button || !button->isVisible() || !button->isEnabled()) return;
    Do(QStringLiteral("%1: click %2").arg(dialog->windowTitle(), QLatin1String(name)),
       [button] { button->click(); });
  }

  void ActInSingleValueDialog(FormDialog* dialog) {
    const velmora::FrmEinzelEingabe& f = Model().frmEinzelEingabe;
    // Results never stand beside an input they were not computed from; Text8 brings its own
    // conductor loss back into result 2.
    const auto results = [&f, dialog, this](const QString& box, bool changed) {
      if (!changed || !dialog->isVisible()) return;
      const bool valueBox = box == QLatin1String("Text6") || box == QLatin1String("Text7") ||
                            box == QLatin1String("Text9");
      if (!valueBox && box != QLatin1String("Text8")) return;
      if (!f.Label3.caption.empty() || !f.Label5.caption.empty() ||
          (valueBox && !f.Label13.caption.empty())) {
        Fail(QStringLiteral("results after an edit of %1: \"%2\" \"%3\" \"%4\"")
                 .arg(box, ToQ(f.Label3.caption), ToQ(f.Label13.caption), ToQ(f.Label5.caption)));
      }
    };
    switch (Weighted({50, 8, 10, 4, 3, 4, 6, 3, 2, 2, 2, 1})) {
      case 0:
        return TypeKey(dialog, results);
      case 1:
        return TypeNumber(dialog, nullptr, results);
      case 2:
        return PickItem(dialog, "Combo1");
      case 3:
        return PickItem(dialog, "Combo2");
      case 4:
        return PickItem(dialog, "Combo3");
      case 5:
        return Click(dialog, "Check1");
      case 6:
        return Click(dialog, "OKButton");
      case 7:
        return Click(dialog, "PrintButton");
      case 8:
        return Click(dialog, "CancelButton");
      case 9:
        return Do(QStringLiteral("single-value dialog: close box"), [dialog] { dialog->close(); });
      case 10:
        return ResizeUnderDialog(dialog);
      default: {
        // The calculation that is not in the list, typed in.
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        return Do(QStringLiteral("single-value dialog: type Bodendämpfung Rve"),
                  [combo] { TypeOver(combo->lineEdit(), QStringLiteral("Bodendämpfung Rve")); });
      }
    }
  }

  // The window system resizes the main window while a dialog is open (nothing in Qt stops it).
  void ResizeUnderDialog(QWidget* dialog) {
    const QSize size(Below(1400), Below(1100));
    Do(QStringLiteral("%1: main window resized to %2x%3 under it")
           .arg(dialog->windowTitle())
           .arg(size.width())
           .arg(size.height()),
       [this, size] {
         Window().resize(size);
         for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
       });
  }

  void ActInCurveDialog(FormDialog* dialog) {
    switch (Weighted({50, 10, 10, 4, 4, 3, 2, 2, 1, 3})) {
      case 0:
        return TypeKey(dialog, nullptr);
      case 1:
        return TypeNumber(dialog);
      case 2:
        return PickItem(dialog, "Combo1");
      case 3:
        return PickItem(dialog, "Combo2");
      case 4:
        return Click(dialog, "Check1");
      case 5:
        return Click(dialog, "OKButton");
      case 6:
        return Click(dialog, "CancelButton");
      case 7:
        return Do(QStringLiteral("curve dialog: close box"), [dialog] { dialog->close(); });
      case 8:
        return ResizeUnderDialog(dialog);
      default:  // a full scale, now and then beyond what the plot can take
        return TypeNumber(dialog, Chance(50) ? "Text3" : "Text6");
    }
  }

  // ------------------------------------------------------------------ what must hold

  void CheckConsistency(QWidget* modal) {
    CheckTexts();
    CheckMainWindow();
    if (depth_ == 0 && !modal) CheckIdle();
    if (modal && modal == Window().SingleValueDialog()) CheckSingleValueDialog();
    if (modal && modal == Window().CurveDialog()) CheckCurveDialog();
  }

  void CheckText(const QString& where, const QString& text) {
    if (LooksLikeBrokenNumber(text)) Fail(QStringLiteral("%1 shows \"%2\"").arg(where, text));
  }

  void CheckTexts() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible()) continue;
      for (QLabel* label : top->findChildren<QLabel*>()) {
        if (label->isVisible()) CheckText(NameOf(label), label->text());
      }
      for (QLineEdit* edit : top->findChildren<QLineEdit*>()) {
        if (edit->isVisible()) CheckText(NameOf(edit), edit->text());
      }
    }
    const velmora::DisplayList& image = D().surface.Image();
    for (const std::string& text : image.texts) CheckText(QStringLiteral("the plot"), ToQ(text));
  }

  void CheckMainWindow() {
    velmora::FrmMain& m = Model();
    if (!m.loaded || !Window().isVisible()) {
      return Fail(QStringLiteral("the main window has gone"));
    }
    for (const velmora::FrmMain::MenuEntry& entry : m.Menu()) {
      const velmora::MenuItem& item = *entry.item;
      QAction* action = Action(item);
      if (action->isEnabled() != item.enabled || action->isChecked() != item.checked) {
        return Fail(QStringLiteral("menu %1: window says enabled %2 checked %3, model %4 %5")
                        .arg(ToQ(item.name))
                        .arg(action->isEnabled())
                        .arg(action->isChecked())
                        .arg(item.enabled)
                        .arg(item.checked));
      }
    }
    if (Window().ToolBar()->isHidden() == m.tbToolBar.visible ||
        Window().statusBar()->isHidden() == m.sbStatusBar.visible) {
      return Fail(QStringLiteral("bars: toolbar %1/%2, status bar %3/%4 (window/model)")
                      .arg(!Window().ToolBar()->isHidden())
                      .arg(m.tbToolBar.visible)
                      .arg(!Window().statusBar()->isHidden())
                      .arg(m.sbStatusBar.visible));
    }
    const QString status = ToDisplay(D().platform.StatusText());
    if (Window().StatusPanel(1)->text() != status) {
      return Fail(QStringLiteral("status panel \"%1\", program \"%2\"")
                      .arg(Window().StatusPanel(1)->text(), status));
    }
    const QRect plot(0, 0, Px(m.Picture1.width), Px(m.Picture1.height));
    if (Window().Plot()->geometry() != plot) {
      return Fail(QStringLiteral("plot widget %1x%2, model %3x%4 twips")
                      .arg(Window().Plot()->width())
                      .arg(Window().Plot()->height())
                      .arg(m.Picture1.width)
                      .arg(m.Picture1.height));
    }
    const velmora::DisplayList& image = D().surface.Image();
    if (image.width != m.Picture1.width || image.height != m.Picture1.height) {
      return Fail(QStringLiteral("drawing %1x%2 twips on a plot of %3x%4")
                      .arg(image.width)
                      .arg(image.height)
                      .arg(m.Picture1.width)
                      .arg(m.Picture1.height));
    }
    // A curve sets at most one point per twip along x, and draws a tick (with its label) per
    // unit of either axis, on a plot lower than its margins also one per twip of the margin:
    // anything beyond that piles up drawings that should have been cleared.
    int points = 0;
    double left = 0;
    double right = 0;
    double extent = image.width;  // a drawing waiting for its redraw may be wider than the plot
    for (const velmora::DrawnItem& item : image.items) {
      extent = std::max({extent, item.x1, item.x2});
      if (item.kind != velmora::DrawnItem::Kind::kPoint) continue;
      left = points == 0 ? item.x1 : std::min(left, item.x1);
      right = points == 0 ? item.x1 : std::max(right, item.x1);
      ++points;
    }
    if (points > 0 && points > right - left + 2) {
      return Fail(
          QStringLiteral("the plot holds %1 points on %2 twips").arg(points).arg(right - left));
    }
    const velmora::CurveRequest& request = m.curveCommand.request;
    const velmora::CurveLayout& last = m.curveCommand.lastLayout;
    const int scales = std::max(std::abs(request.xFullScale), std::abs(int(last.X))) +
                       std::max(std::abs(request.yFullScale), std::abs(int(last.Y)));
    const double margin = extent / 20;
    const qsizetype others = qsizetype(image.items.size()) - points;
    if (double(others) > 4.0 * (scales + 4) + 2.0 * margin + 64) {
      return Fail(QStringLiteral("the plot holds %1 lines and texts for full scales %2/%3")
                      .arg(others)
                      .arg(request.xFullScale)
                      .arg(request.yFullScale));
    }
  }

  // Between two commands: nothing open, nothing waiting, and the menu as the commands left it.
  void CheckIdle() {
    velmora::FrmMain& m = Model();
    const MenuOracle& o = oracle_;
    if (m.mnuFileNew.enabled != o.newEnabled || m.mnuViewRefresh.enabled != o.refreshEnabled ||
        m.mnuFilePrint.enabled != o.printEnabled) {
      return Fail(QStringLiteral("New/Refresh/Print enabled %1/%2/%3, expected %4/%5/%6")
                      .arg(m.mnuFileNew.enabled)
                      .arg(m.mnuViewRefresh.enabled)
                      .arg(m.mnuFilePrint.enabled)
                      .arg(o.newEnabled)
                      .arg(o.refreshEnabled)
                      .arg(o.printEnabled));
    }
    if (m.frmEinzelEingabe.loaded || m.frmAbout.loaded) {
      return Fail(QStringLiteral("a dialog stayed loaded after its command"));
    }
    if (m.curveCommand.frmEingabe.visible || m.frmEinzelEingabe.visible) {
      return Fail(QStringLiteral("a dialog's form is visible with no window open"));
    }
    if (QApplication::overrideCursor() != nullptr) {
      return Fail(QStringLiteral("the pointer stayed changed (%1)")
                      .arg(QApplication::overrideCursor()->shape()));
    }
    // The three dialogs are kept once created; a message box lives only while it asks.
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMessageBox*>(w))
        return Fail(QStringLiteral("a message box outlived its question"));
      dialogs += qobject_cast<QDialog*>(w) != nullptr;
    }
    if (dialogs > 3) return Fail(QStringLiteral("%1 dialog windows exist").arg(dialogs));
  }

  // Each value box shows what its model holds, and the other way round.
  template <class Box>
  void Agree(FormDialog* dialog, const Box& box) {
    QWidget* w = dialog->WidgetFor(box);
    QString shown, held;
    if constexpr (std::is_same_v<Box, velmora::TextBox>) {
      shown = static_cast<QLineEdit*>(w)->text();
      held = ToQ(box.text);
    } else if constexpr (std::is_same_v<Box, velmora::Label>) {
      shown = static_cast<QLabel*>(w)->text();
      held = ToDisplay(box.caption);
    } else if constexpr (std::is_same_v<Box, velmora::ComboBox>) {
      shown = static_cast<QComboBox*>(w)->currentText();
      held = ToQ(box.text);
    } else {
      shown = QString::number(static_cast<QCheckBox*>(w)->isChecked());
      held = QString::number(box.value != 0);
    }
    if (shown != held || w->isHidden() == box.visible) {
      Fail(QStringLiteral("%1 in %2 shows \"%3\" (%4), the model holds \"%5\" (%6)")
               .arg(ToQ(box.name), dialog->windowTitle(), shown,
                    w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"), held,
                    box.visible ? QStringLiteral("shown") : QStringLiteral("hidden")));
    }
  }

  void CheckSingleValueDialog() {
    FormDialog* d = Window().SingleValueDialog();
    const velmora::FrmEinzelEingabe& f = Model().frmEinzelEingabe;
    if (!f.loaded || !f.visible) return Fail(QStringLiteral("single-value dialog open unloaded"));
    for (const velmora::TextBox* box : {&f.Text1, &f.Text2, &f.Text6, &f.Text7, &f.Text8, &f.Text9})
      Agree(d, *box);
    for (const velmora::Label* label : {&f.Label2, &f.Label3, &f.Label12, &f.Label13, &f.Label4,
                                        &f.Label5, &f.Label7, &f.Label8, &f.Label9})
      Agree(d, *label);
    for (const velmora::ComboBox* combo : {&f.Combo1, &f.Combo2, &f.Combo3}) Agree(d, *combo);
    Agree(d, f.Check1);
  }

  void CheckCurveDialog() {
    FormDialog* d = Window().CurveDialog();
    const velmora::FrmEingabe& f = Model().curveCommand.frmEingabe;
    if (!f.loaded || !f.visible) return Fail(QStringLiteral("curve dialog open unloaded"));
    for (const velmora::TextBox* box :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8, &f.Text9})
      Agree(d, *box);
    for (const velmora::Label* label : {&f.Label7, &f.Label8, &f.Label9, &f.Label12, &f.Label13})
      Agree(d, *label);
    for (const velmora::ComboBox* combo : {&f.Combo1, &f.Combo2}) Agree(d, *combo);
    Agree(d, f.Check1);
  }

  static constexpr std::int32_t kNoRun = INT32_MIN;

  DesktopFixture& fixture_;
  QRandomGenerator random_;
  quint32 seed_;
  int steps_;
  std::atomic<int> acted_{0};
  HangGuard guard_;
  QObject context_;
  QEventLoop loop_;
  int depth_ = 0;
  bool finished_ = false;
  int quietTurns_ = 0;
  bool dialogSeen_ = false;
  bool keyDropped_ = false;
  // The dialog a key is being typed into, until the program has handled it.
  QPointer<QWidget> keyDialog_;
  int typingAhead_ = 0;
  int typedAhead_ = 0;
  QElapsedTimer activating_;
  QElapsedTimer lastProgress_;
  MenuOracle oracle_;
  QStringList log_;
  QMap<QString, int> boxesSeen_;
  int curveRuns_ = 0;
  int prints_ = 0;
  // VELMORA_SESSION_TRACE=1 prints every step as it happens.
  const bool trace_ = qEnvironmentVariableIsSet("VELMORA_SESSION_TRACE");
  QString failure_;
};

}  // namespace

class TestRandomSession : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;
  std::unique_ptr<QTemporaryDir> out_;

  velmora::FrmMain& Model() { return fixture_->desktop().model; }
  velmora::qt::MainWindow& Window() { return fixture_->desktop().window; }
  QAction* Action(const velmora::MenuItem& item) { return Window().ActionFor(item); }
  int Points() { return fixture_->PlotPoints(); }
  // After a long session the shortcuts need the main window active again, and a window the
  // user can see: offscreen, one without any area never becomes active.
  void Activate() {
    // The curve left on the plot may be one the engine answers with a message at each redraw.
    WhileModal<QMessageBox>(
        [&] {
          Window().showNormal();
          if (Window().width() < 200 || Window().height() < 150) Window().resize(600, 450);
          QTest::qWait(20);
        },
        [](QMessageBox* box) { box->defaultButton()->click(); });
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
  }

 private slots:
  void initTestCase() {
    velmora::testing::QuietOffscreenWarnings();
    // No print server for this process: printing goes into a file or fails, never to paper.
    qputenv("CUPS_SERVER", QByteArrayLiteral("/nonexistent/velmora-test-cups.sock"));
    out_ = std::make_unique<QTemporaryDir>();
    velmora::qt::SetPrintFile(out_->filePath(QStringLiteral("session.pdf")));
  }
  void cleanupTestCase() { velmora::qt::SetPrintFile({}); }
  void init() { fixture_ = std::make_unique<DesktopFixture>(); }
  void cleanup() { fixture_.reset(); }

  void randomSessionKeepsTheProgramWhole() {
    const quint32 seed = SeedFromEnvironment();
    const int steps = StepsFromEnvironment();
    qInfo("random session: seed %u, %d steps (VELMORA_SESSION_SEED, VELMORA_SESSION_STEPS)", seed,
          steps);
    fixture_->Start();
    QVERIFY(fixture_->exposed());
    Session session(*fixture_, seed, steps);
    QElapsedTimer clock;
    clock.start();
    const QString failure = session.Run();
    qInfo("%lld ms for %s", clock.elapsed(), qPrintable(session.Summary()));
    // The test log cuts long messages short: the steps leading to a fault go out whole.
    if (!failure.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(failure));
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
    QCOMPARE(session.Acted(), steps);
    {
      // Only a confirmed end stores the window's place.
      QSettings settings = fixture_->Settings();
      QVERIFY(!settings.contains(QStringLiteral("Settings/MainLeft")));
    }

    // Still responsive: a curve through the dialog with sensible values draws its points.
    Activate();
    const bool drawn = WhileModal<FormDialog>(
        [&] { QTest::keyClick(&Window(), Qt::Key_K, Qt::ControlModifier); },
        [&](FormDialog* d) {
          Pick(d->findChild<QComboBox*>(QStringLiteral("Combo1")),
               QStringLiteral("Verkürzung Vf bei f"));
          Pick(d->findChild<QComboBox*>(QStringLiteral("Combo2")), QStringLiteral("56 Cu"));
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text7")), QStringLiteral("10"));
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text8")), QStringLiteral("2,05"));
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text6")), QStringLiteral("31"));
          QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("Text6")), Qt::Key_Return);
        });
    QVERIFY(drawn);
    QVERIFY(Points() > 0);
    QVERIFY2(Window().StatusPanel(1)->text().startsWith(
                 QStringLiteral(" Kurve: Verkürzungs-Faktor Vf bei f (Draht-d: 2,05 mm")),
             qPrintable(Window().StatusPanel(1)->text()));
    QVERIFY(Action(Model().mnuViewRefresh)->isEnabled());

    // And a single value: Vf at 3,6 MHz, 12 m high, 2,05 mm wire, over real ground.
    Activate();
    QString total;
    const bool computed = WhileModal<FormDialog>(
        [&] { QTest::keyClick(&Window(), Qt::Key_W, Qt::ControlModifier); },
        [&](FormDialog* d) {
          Pick(d->findChild<QComboBox*>(QStringLiteral("Combo1")),
               QStringLiteral("Verkürzungsfaktor Vf"));
          if (d->findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked())
            d->findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text9")), QStringLiteral("3,6"));
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text6")), QStringLiteral("12"));
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text8")), QStringLiteral("2,05"));
          d->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
          total = d->findChild<QLabel*>(QStringLiteral("Label5"))->text();
          QTest::keyClick(d, Qt::Key_Escape);
        });
    QVERIFY(computed);
    QCOMPARE(total, QStringLiteral("0,926"));

    // The end, confirmed this time: the window's place is stored.
    Activate();
    const QPoint place = Window().pos();
    const QSize size = Window().size();
    const bool asked =
        WhileModal<QMessageBox>([&] { Action(Model().mnuFileExit)->trigger(); },
                                [](QMessageBox* box) { box->defaultButton()->click(); });
    QVERIFY(asked);
    QVERIFY(!Window().isVisible());
    QVERIFY(!Model().loaded);
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    const double dpi = Window().Dpi();
    QCOMPARE(settings.value("MainLeft").toString(),
             QString::number(velmora::qt::PixelsToTwips(place.x(), dpi)));
    QCOMPARE(settings.value("MainTop").toString(),
             QString::number(velmora::qt::PixelsToTwips(place.y(), dpi)));
    QCOMPARE(settings.value("MainWidth").toString(),
             QString::number(velmora::qt::PixelsToTwips(size.width(), dpi)));
    QCOMPARE(settings.value("MainHeight").toString(),
             QString::number(velmora::qt::PixelsToTwips(size.height(), dpi)));
  }
};

QTEST_MAIN(TestRandomSession)
#include "random_session_test.moc"
