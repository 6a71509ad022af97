// The main window's binding: menu, toolbar and shortcuts reach their commands, the window shows
// its model (bars, status panels, plot size, stored place), and resizes reach the model at the
// right moment. What the commands do is the shell model's, tested in tests/shell.
#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocumentFragment>
#include <QToolBar>

#include "desktop/about_dialog.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/twips.h"
#include "platform/version.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::AboutDialog;
using velmora::qt::FormDialog;
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::TypeOver;
using velmora::testing::WhileModal;

class TestMainWindow : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;

  velmora::FrmMain& Model() { return fixture_->desktop().model; }
  velmora::qt::MainWindow& Window() { return fixture_->desktop().window; }
  QAction* Action(const velmora::MenuItem& item) { return Window().ActionFor(item); }
  int Handle() { return fixture_->desktop().surface.Image().handle; }
  int Px(double twips) { return velmora::qt::TwipsToPixels(twips, Window().Dpi()); }
  int Twips(int pixels) { return velmora::qt::PixelsToTwips(pixels, Window().Dpi()); }
  void DrawCurve(const QString& choice) {
    QVERIFY(fixture_->DrawCurve(choice));
    QCOMPARE(QString::fromStdString(Model().curveCommand.request.curveName), choice);
    QVERIFY(fixture_->PlotPoints() > 0);
  }
  void StoreSettings(const QStringList& values) {  // left, top, width, height
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < 4; ++i) settings.setValue(keys[i], values[i]);
  }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() { fixture_ = std::make_unique<DesktopFixture>(); }
  void cleanup() { fixture_.reset(); }

  void startUpShowsTheModel() {
    StoreSettings({"1500", "750", "7500", "6000"});
    fixture_->Start();
    QCOMPARE(Window().windowTitle(), QStringLiteral("Velmora"));
    // Enabled and ticked items are the random session's invariant; shortcuts are set once.
    for (const velmora::FrmMain::MenuEntry& entry : Model().Menu()) {
      QCOMPARE(Action(*entry.item)->shortcut().toString(QKeySequence::PortableText),
               QString::fromStdString(entry.item->shortcut));
    }
    for (const char* key : {"New", "Open", "Save", "Print"}) {
      QAction* button = Window().ToolbarAction(QLatin1String(key));
      QVERIFY2(button && button->isEnabled() && !button->icon().isNull(), key);
    }
    QCOMPARE(Window().ToolbarAction(QStringLiteral("Open"))->toolTip(), QStringLiteral("Öffnen"));
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral("Im Menü Berechnung beginnen"));
    QVERIFY(Window().StatusPanel(2)->text().contains(QString::number(QDate::currentDate().year())));
    // The model's twips in pixels; the plot fills the room between the bars.
    QCOMPARE(Window().pos(), QPoint(Px(1500), Px(750)));
    QCOMPARE(Window().size(), QSize(Px(7500), Px(6000)));
    QCOMPARE(Window().Plot()->size(), Window().centralWidget()->size());
    const QString now = QString::fromStdString(fixture_->desktop().platform.NowGeneralDateTime());
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}:\\d{2}$"))
                 .match(now)
                 .hasMatch(),
             qPrintable(now));
  }

  void clockPanelsStayCurrent() {
    fixture_->Start();
    Window().StatusPanel(3)->setText(QStringLiteral("--:--"));
    QTRY_VERIFY_WITH_TIMEOUT(Window().StatusPanel(3)->text() != QStringLiteral("--:--"), 2500);
  }

  // A place no screen shows is moved onto the primary screen, a size beyond it is clamped.
  void placeAndSizeBeyondTheScreen() {
    StoreSettings({"-900000", "400000", "600000", "600000"});
    fixture_->Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(Window().frameGeometry().topLeft()));
    QCOMPARE(Window().size(), screen.size());
    WhileModal<QMessageBox>([&] { Window().close(); },
                            [](QMessageBox* box) { box->defaultButton()->click(); });
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(settings.value("MainWidth").toString(), QString::number(Twips(screen.width())));
    QCOMPARE(settings.value("MainHeight").toString(), QString::number(Twips(screen.height())));
  }

  void toolbarButtonsReachTheirCommands() {
    fixture_->Start();
    QStringList shown;
    for (const char* key : {"Open", "Save", "Print"}) {
      WhileModal<QMessageBox>([&] { Window().ToolbarAction(QLatin1String(key))->trigger(); },
                              [&](QMessageBox* box) {
                                shown << box->text();
                                box->escapeButton()->click();
                              });
    }
    QCOMPARE(shown, QStringList({"Öffnen noch nicht möglich", "Speichern noch nicht möglich",
                                 "Drucker bereit?"}));
  }

  void shortcutsReachTheCommands() {
    fixture_->Start();
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QString title;
    WhileModal<FormDialog>([&] { QTest::keyClick(&Window(), Qt::Key_K, Qt::ControlModifier); },
                           [&](FormDialog* d) {
                             title = d->windowTitle();
                             QTest::keyClick(d, Qt::Key_Escape);
                           });
    QCOMPARE(title, QStringLiteral("Eingabe für Kurvenberechnung"));
  }

  void refreshAndResizeRedrawForTheNewSize() {
    fixture_->Start();
    DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
    const int drawn = Handle();
    Action(Model().mnuViewRefresh)->trigger();  // no dialog: a dialog would block here
    QVERIFY(Handle() != drawn);
    const int refreshed = Handle();
    Window().resize(Window().width() + 150, Window().height() + 60);
    QVERIFY(Handle() != refreshed);
    QCOMPARE(Window().Plot()->width(), Window().width());
    QCOMPARE(fixture_->desktop().surface.Image().width, double(Twips(Window().Plot()->width())));
  }

  // Showing a bar again in a window too small for it makes the window grow, and that resize
  // redraws the curve while the window is still catching up with the menu command.
  void barShownAgainGrowsTheWindowAndTheMenuFollows_data() {
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("toolbar") << true;
    QTest::newRow("status bar") << false;
  }
  void barShownAgainGrowsTheWindowAndTheMenuFollows() {
    QFETCH(bool, toolbar);
    fixture_->Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei f"));
    Action(Model().mnuViewToolbar)->trigger();
    Action(Model().mnuViewStatusBar)->trigger();
    QCoreApplication::processEvents();  // the layout catches up with the hidden bars
    Window().resize(0, 0);
    // A single value greys Refresh; the curve stays, so the next resize redraws it.
    WhileModal<FormDialog>([&] { Action(Model().mnuEinzelBerechnung)->trigger(); },
                           [](FormDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QVERIFY(!Action(Model().mnuViewRefresh)->isEnabled());
    const QSize small = Window().size();
    const int handle = Handle();
    Action(toolbar ? Model().mnuViewToolbar : Model().mnuViewStatusBar)->trigger();
    QVERIFY(Window().size() != small);
    QTRY_VERIFY(Handle() != handle);
    QVERIFY(Action(Model().mnuViewRefresh)->isEnabled());
    QCOMPARE(Window().Plot()->height(), Px(Model().Picture1.height));
  }

  // The same growth redrawing a curve whose type the engine does not know: its message must
  // not stop the window halfway through catching up with the model.
  void messageOfARedrawFindsTheWindowCaughtUp() {
    fixture_->Start();
    const auto ok = [](QMessageBox* box) { box->defaultButton()->click(); };
    QCOMPARE(WhileModal<QMessageBox>(  // the empty choice is accepted; the engine warns
                 [&] {
                   WhileModal<FormDialog>([&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
                                          [](FormDialog* d) {
                                            Pick(d->findChild<QComboBox*>(QStringLiteral("Combo1")),
                                                 QString());
                                            QTest::keyClick(d, Qt::Key_Return);
                                          });
                 },
                 ok),
             1);
    Action(Model().mnuViewStatusBar)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(WhileModal<QMessageBox>([&] { Window().resize(0, 0); }, ok), 1);
    QRect plotWhileAsked, modelWhileAsked;
    QCOMPARE(WhileModal<QMessageBox>(
                 [&] {
                   Action(Model().mnuViewStatusBar)->trigger();
                   QTest::qWait(50);
                 },
                 [&](QMessageBox* box) {
                   plotWhileAsked = Window().Plot()->geometry();
                   modelWhileAsked =
                       QRect(0, 0, Px(Model().Picture1.width), Px(Model().Picture1.height));
                   box->defaultButton()->click();
                 }),
             1);
    QCOMPARE(plotWhileAsked, modelWhileAsked);
    QVERIFY(Window().statusBar()->isVisible());
  }

  // The window system may resize the main window while a dialog is open; the redraw waits
  // until the dialog is closed instead of refilling and unloading it under the user's hands.
  void resizeWhileTheCurveDialogIsOpenWaitsForIt() {
    fixture_->Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei f"));
    const int handle = Handle();
    QString typed;
    bool stillOpen = false;
    int handleWhileOpen = 0;
    QVERIFY(WhileModal<FormDialog>([&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
                                   [&](FormDialog* d) {
                                     auto* length =
                                         d->findChild<QLineEdit*>(QStringLiteral("Text7"));
                                     TypeOver(length, QStringLiteral("15"));
                                     Window().resize(Window().size() + QSize(60, 40));
                                     QTest::qWait(20);
                                     handleWhileOpen = Handle();
                                     stillOpen =
                                         d->isVisible() && Model().curveCommand.frmEingabe.loaded;
                                     typed = length->text();
                                     QTest::keyClick(length, Qt::Key_Return);
                                   }));
    QVERIFY(stillOpen);
    QCOMPARE(handleWhileOpen, handle);
    QCOMPARE(typed, QStringLiteral("15"));
    QCOMPARE(QString::fromStdString(Model().curveCommand.request.value1Text), typed);
    QTRY_COMPARE(fixture_->desktop().surface.Image().width,
                 double(Twips(Window().Plot()->width())));
  }

  // The close box and the menu's exit ask first; a confirmed end stores the place in twips.
  void closing_data() {
    QTest::addColumn<bool>("menu");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("close box, cancel") << false << false;
    QTest::newRow("close box, ok") << false << true;
    QTest::newRow("menu, ok") << true << true;
  }
  void closing() {
    QFETCH(bool, menu);
    QFETCH(bool, confirm);
    fixture_->Start();
    Window().move(Window().pos() + QPoint(30, 20));
    const QPoint place = Window().pos();
    QString title;
    QVERIFY(WhileModal<QMessageBox>(
        [&] { menu ? Action(Model().mnuFileExit)->trigger() : void(Window().close()); },
        [&](QMessageBox* box) {
          title = box->windowTitle();
          (confirm ? box->defaultButton() : box->escapeButton())->click();
        }));
    QCOMPARE(title, QStringLiteral(" Programmende ? "));
    QCOMPARE(Window().isVisible(), !confirm);
    QCOMPARE(Model().loaded, !confirm);
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(settings.value("MainLeft").toString(),
             confirm ? QString::number(Twips(place.x())) : QString());
    if (confirm) QCOMPARE(settings.value("MainTop").toString(), QString::number(Twips(place.y())));
  }

  void infoBoxShowsItsModel() {
    fixture_->Start();
    QString shown;
    QVERIFY(WhileModal<AboutDialog>(
        [&] { Action(Model().mnuHelpAbout)->trigger(); },
        [&](AboutDialog* about) {
          shown = QString::number(QApplication::activeModalWidget() == about) + "|" +
                  about->windowTitle() + "|" +
                  QTextDocumentFragment::fromHtml(about->findChild<QLabel*>("lblTitle")->text())
                      .toPlainText();
          about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        }));
    QCOMPARE(shown, "1|Info Velmora|Velmora\n" + QString::fromUtf8(velmora::kCopyrightLine));
    QVERIFY(!Model().frmAbout.loaded);
  }
};

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
