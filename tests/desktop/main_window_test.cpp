// The main window driven as a user would: menus, toolbar, modal dialogs, closing, settings.
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocumentFragment>
#include <QTime>
#include <QToolBar>

#include "desktop/about_dialog.h"
#include "desktop/form_dialog.h"
#include "desktop/plot_widget.h"
#include "desktop/twips.h"
#include "platform/version.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::AboutDialog;
using velmora::qt::FormDialog;
using velmora::qt::TwipsToPixels;
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::TypeOver;
using velmora::testing::WhileModal;

class TestMainWindow : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;

  velmora::qt::Desktop& Start() { return fixture_->Start(); }
  velmora::FrmMain& Model() { return fixture_->desktop().model; }
  velmora::qt::MainWindow& Window() { return fixture_->desktop().window; }
  QAction* Action(const velmora::MenuItem& item) { return Window().ActionFor(item); }
  int Points() { return fixture_->PlotPoints(); }
  // Draws a curve through the dialog: the user picks `choice` and presses Enter.
  void DrawCurve(const QString& choice) {
    const bool ran = WhileModal<FormDialog>(
        [&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
        [&](FormDialog* dialog) {
          Pick(dialog->findChild<QComboBox*>(QStringLiteral("Combo1")), choice);
          QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text6")), Qt::Key_Return);
        });
    QVERIFY(ran);
    QVERIFY(Points() > 0);
  }
  int Px(double twips) { return TwipsToPixels(twips, Window().Dpi()); }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() { fixture_ = std::make_unique<DesktopFixture>(); }
  void cleanup() { fixture_.reset(); }

  void startUpStates() {
    Start();
    QCOMPARE(Window().windowTitle(), QStringLiteral("Velmora"));
    struct Row {
      const velmora::MenuItem& item;
      bool enabled;
    };
    const Row rows[] = {{Model().mnuFileNew, false},         {Model().mnuFileOpen, false},
                        {Model().mnuFileSave, false},        {Model().mnuFileSaveAs, false},
                        {Model().mnuFilePrint, false},       {Model().mnuViewRefresh, false},
                        {Model().mnuEinzelBerechnung, true}, {Model().mnuKurveAnzeigen, true},
                        {Model().mnuHelpContents, true},     {Model().mnuHelpAbout, true}};
    for (const Row& row : rows) {
      QVERIFY2(Action(row.item)->isEnabled() == row.enabled, row.item.name.c_str());
    }
    QVERIFY(Action(Model().mnuViewToolbar)->isChecked());
    QVERIFY(Action(Model().mnuViewStatusBar)->isChecked());
    QCOMPARE(Action(Model().mnuFileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(Action(Model().mnuViewRefresh)->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    QCOMPARE(Action(Model().mnuHelpAbout)->shortcut(), QKeySequence(Qt::Key_F2));
    // Toolbar buttons work whatever the menu says.
    for (const char* key : {"New", "Open", "Save", "Print"}) {
      QAction* button = Window().ToolbarAction(QLatin1String(key));
      QVERIFY2(button && button->isEnabled() && !button->icon().isNull(), key);
    }
    QCOMPARE(Window().ToolbarAction(QStringLiteral("Open"))->toolTip(), QStringLiteral("Öffnen"));
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral("Im Menü Berechnung beginnen"));
    QVERIFY(Window().StatusPanel(2)->text().contains(QString::number(QDate::currentDate().year())));
    QVERIFY(Window().StatusPanel(3)->text().contains(QLatin1Char(':')));
    // First start: 1000, 1000, 9000 x 8500 twips.
    QCOMPARE(Window().pos(), QPoint(Px(1000), Px(1000)));
    QCOMPARE(Window().size(), QSize(Px(9000), Px(8500)));
    // The plot fills the room between the bars.
    QCOMPARE(Window().Plot()->width(), Window().centralWidget()->width());
    QCOMPARE(Window().Plot()->height(), Window().centralWidget()->height());
  }

  void clockPanelsStayCurrent() {
    Start();
    Window().StatusPanel(3)->setText(QStringLiteral("--:--"));
    QTRY_VERIFY_WITH_TIMEOUT(Window().StatusPanel(3)->text() != QStringLiteral("--:--"), 2500);
  }

  // The printed date and time of a single-value result: the full year and the seconds.
  void generalDateTimeHasTheFullYearAndSeconds() {
    Start();
    const QString text = QString::fromStdString(fixture_->desktop().platform.NowGeneralDateTime());
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}:\\d{2}$"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
  }

  void newCommands_data() {
    QTest::addColumn<bool>("fromToolbar");
    QTest::addColumn<bool>("newEnabledAfter");
    QTest::addColumn<bool>("refreshEnabledAfter");
    QTest::newRow("menu") << false << false << false;
    QTest::newRow("toolbar") << true << true << true;
  }
  void newCommands() {
    QFETCH(bool, fromToolbar);
    QFETCH(bool, newEnabledAfter);
    QFETCH(bool, refreshEnabledAfter);
    Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei d"));
    const QString title = Window().StatusPanel(1)->text();
    QVERIFY(title.startsWith(QStringLiteral(" Kurve:")));
    QVERIFY(Action(Model().mnuFileNew)->isEnabled());
    if (fromToolbar) {
      Window().ToolbarAction(QStringLiteral("New"))->trigger();
    } else {
      Action(Model().mnuFileNew)->trigger();
    }
    QCOMPARE(Points(), 0);
    QCOMPARE(Action(Model().mnuFileNew)->isEnabled(), newEnabledAfter);
    QCOMPARE(Action(Model().mnuViewRefresh)->isEnabled(), refreshEnabledAfter);
    QCOMPARE(Window().StatusPanel(1)->text(),
             fromToolbar ? title : QStringLiteral("Im Menü Berechnung beginnen"));
    // A resize brings nothing back.
    Window().resize(Window().size() + QSize(40, 30));
    QCOMPARE(Points(), 0);
  }

  void singleValueSession() {
    Start();
    QString statusWhileOpen;
    QString result;
    QString refused;
    int beepsForLetter = 0;
    const bool ran = WhileModal<FormDialog>(
        [&] { Action(Model().mnuEinzelBerechnung)->trigger(); },
        [&](FormDialog* dialog) {
          statusWhileOpen = Window().StatusPanel(1)->text();
          Pick(dialog->findChild<QComboBox*>(QStringLiteral("Combo1")),
               QStringLiteral("Verkürzungsfaktor Vf"));
          auto* frequency = dialog->findChild<QLineEdit*>(QStringLiteral("Text9"));
          const int beeps = fixture_->desktop().platform.Beeps();
          QTest::keyClick(frequency, Qt::Key_A);
          beepsForLetter = fixture_->desktop().platform.Beeps() - beeps;
          refused = frequency->text();
          QTest::keyClick(frequency, Qt::Key_Return);  // Enter: the default button, OK
          result = dialog->findChild<QLabel*>(QStringLiteral("Label3"))->text();
          QTest::keyClick(frequency, Qt::Key_Escape);
        });
    QVERIFY(ran);
    QCOMPARE(statusWhileOpen, QStringLiteral("Einzel-Wert-Berechnung"));
    QCOMPARE(beepsForLetter, 1);
    QCOMPARE(refused, QStringLiteral("3,6"));
    QCOMPARE(result, QStringLiteral("2,561"));
    QVERIFY(!Window().SingleValueDialog()->isVisible());
    QVERIFY(!Model().frmEinzelEingabe.loaded);
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral("Im Menü Berechnung beginnen"));
    QVERIFY(Action(Model().mnuFileNew)->isEnabled());
    QVERIFY(!Action(Model().mnuViewRefresh)->isEnabled());
  }

  void curveThenRefreshAndResize() {
    Start();
    DrawCurve(QStringLiteral("Strahlungswiderstand Rs"));
    QVERIFY(Window().StatusPanel(1)->text().startsWith(QStringLiteral(" Kurve: Rs (Dipol-Länge")));
    QVERIFY(Action(Model().mnuViewRefresh)->isEnabled());
    QVERIFY(Action(Model().mnuFileNew)->isEnabled());
    const auto& image = fixture_->desktop().surface.Image();
    const int drawnHandle = image.handle;

    Action(Model().mnuViewRefresh)->trigger();  // no dialog: a dialog would block here
    QVERIFY(image.handle != drawnHandle);
    QVERIFY(!QApplication::activeModalWidget());

    const int pointsBefore = Points();
    const int refreshed = image.handle;
    Window().resize(Window().width() + 150, Window().height() + 60);
    QVERIFY(image.handle != refreshed);
    QVERIFY(Points() > pointsBefore);  // one point per plot twip: wider plot, more points
    QCOMPARE(Window().Plot()->width(), Window().width());
    QCOMPARE(image.width,
             double(velmora::qt::PixelsToTwips(Window().Plot()->width(), Window().Dpi())));
  }

  void shrinkingToTheBarsAndBack() {
    Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei f"));
    const QSize size = Window().size();
    // The window keeps room for menu and bars; the plot shrinks to nothing, without an error.
    Window().resize(size.width(), 10);
    QVERIFY(Window().isVisible());
    QCOMPARE(Window().Plot()->height(), 0);
    Window().resize(size);
    QCOMPARE(Window().Plot()->height(), Window().centralWidget()->height());
    QVERIFY(Points() > 0);
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
    Start();
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
    const int handle = fixture_->desktop().surface.Image().handle;
    Action(toolbar ? Model().mnuViewToolbar : Model().mnuViewStatusBar)->trigger();
    QVERIFY(Window().size() != small);
    QTRY_VERIFY(fixture_->desktop().surface.Image().handle != handle);
    QVERIFY(Model().mnuViewRefresh.enabled);
    QVERIFY(Action(Model().mnuViewRefresh)->isEnabled());
    QCOMPARE(Window().Plot()->height(), Px(Model().Picture1.height));
  }

  // The same growth redrawing a curve whose type the engine does not know: its message must
  // not stop the window halfway through catching up with the model.
  void messageOfARedrawFindsTheWindowCaughtUp() {
    Start();
    // The empty choice is accepted; the engine answers it with a message.
    QCOMPARE(WhileModal<QMessageBox>(
                 [&] {
                   WhileModal<FormDialog>([&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
                                          [](FormDialog* d) {
                                            Pick(d->findChild<QComboBox*>(QStringLiteral("Combo1")),
                                                 QString());
                                            QTest::keyClick(d, Qt::Key_Return);
                                          });
                 },
                 [](QMessageBox* box) { box->defaultButton()->click(); }),
             1);
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral(" Falsche Formel !"));
    Action(Model().mnuViewStatusBar)->trigger();
    QCoreApplication::processEvents();
    // Every redraw of this curve asks again, also the one of shrinking the window.
    QCOMPARE(WhileModal<QMessageBox>([&] { Window().resize(0, 0); },
                                     [](QMessageBox* box) { box->defaultButton()->click(); }),
             1);
    QRect plotWhileAsked;
    QRect modelWhileAsked;
    const int asked = WhileModal<QMessageBox>(
        [&] {
          Action(Model().mnuViewStatusBar)->trigger();
          QTest::qWait(50);
        },
        [&](QMessageBox* box) {
          plotWhileAsked = Window().Plot()->geometry();
          modelWhileAsked = QRect(0, 0, Px(Model().Picture1.width), Px(Model().Picture1.height));
          box->defaultButton()->click();
        });
    QCOMPARE(asked, 1);
    QCOMPARE(plotWhileAsked, modelWhileAsked);
    QVERIFY(Window().statusBar()->isVisible());
  }

  // The window system may resize the main window while a dialog is open; the redraw waits
  // until the dialog is closed instead of refilling and unloading it under the user's hands.
  void resizeWhileTheCurveDialogIsOpenWaitsForIt() {
    Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei f"));
    const int handle = fixture_->desktop().surface.Image().handle;
    QString typed;
    bool stillOpen = false;
    int handleWhileOpen = 0;
    QVERIFY(WhileModal<FormDialog>(
        [&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
        [&](FormDialog* d) {
          TypeOver(d->findChild<QLineEdit*>(QStringLiteral("Text7")), QStringLiteral("15"));
          Window().resize(Window().size() + QSize(60, 40));
          QTest::qWait(20);
          handleWhileOpen = fixture_->desktop().surface.Image().handle;
          stillOpen = d->isVisible() && Model().curveCommand.frmEingabe.loaded;
          typed = d->findChild<QLineEdit*>(QStringLiteral("Text7"))->text();
          QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("Text7")), Qt::Key_Return);
        }));
    QVERIFY(stillOpen);
    QCOMPARE(handleWhileOpen, handle);
    QCOMPARE(typed, QStringLiteral("15"));
    QCOMPARE(QString::fromStdString(Model().curveCommand.request.value1Text), typed);
    QTRY_COMPARE(fixture_->desktop().surface.Image().width,
                 double(velmora::qt::PixelsToTwips(Window().Plot()->width(), Window().Dpi())));
    QCOMPARE(Window().Plot()->width(), Window().width());
  }

  void cancelLeavesEverything() {
    Start();
    DrawCurve(QStringLiteral("Verkürzung Vf bei h"));
    const velmora::CurveRequest request = Model().curveCommand.request;
    const int handle = fixture_->desktop().surface.Image().handle;
    const bool ran = WhileModal<FormDialog>(
        [&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
        [&](FormDialog* dialog) {
          Pick(dialog->findChild<QComboBox*>(QStringLiteral("Combo1")),
               QStringLiteral("Draht-Zw bei Länge"));
          TypeOver(dialog->findChild<QLineEdit*>(QStringLiteral("Text9")), QStringLiteral("7"));
          QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text9")), Qt::Key_Escape);
        });
    QVERIFY(ran);
    QVERIFY(Model().curveCommand.request == request);
    QCOMPARE(fixture_->desktop().surface.Image().handle, handle);
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral("Kurve berechnen und anzeigen"));
  }

  void closingQuestion_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel") << false;
    QTest::newRow("ok") << true;
  }
  void closingQuestion() {
    QFETCH(bool, confirm);
    Start();
    Window().move(Window().pos() + QPoint(30, 20));
    const QPoint place = Window().pos();
    QString text;
    QString title;
    const bool ran = WhileModal<QMessageBox>([&] { Window().close(); },
                                             [&](QMessageBox* box) {
                                               text = box->text();
                                               title = box->windowTitle();
                                               for (QAbstractButton* b : box->buttons()) {
                                                 if (b->text() == (confirm ? "OK" : "Abbrechen"))
                                                   b->click();
                                               }
                                             });
    QVERIFY(ran);
    QCOMPARE(title, QStringLiteral(" Programmende ? "));
    QVERIFY(text.startsWith(QStringLiteral("Wollen Sie das Programm \n\nVelmora        \n")));
    QVERIFY(text.endsWith(QStringLiteral("\n\nwirklich schon beenden ?")));
    QCOMPARE(Window().isVisible(), !confirm);
    QCOMPARE(Model().loaded, !confirm);
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    if (confirm) {
      const double dpi = Window().Dpi();
      QCOMPARE(settings.value("MainLeft").toString(),
               QString::number(velmora::qt::PixelsToTwips(place.x(), dpi)));
      QCOMPARE(settings.value("MainTop").toString(),
               QString::number(velmora::qt::PixelsToTwips(place.y(), dpi)));
      QCOMPARE(settings.value("MainWidth").toString(),
               QString::number(velmora::qt::PixelsToTwips(Window().width(), dpi)));
    } else {
      QVERIFY(!settings.contains("MainLeft"));
    }
  }

  void exitFromTheMenuUnloadsTheHiddenDialogs() {
    Start();
    // A cancelled curve dialog stays loaded but hidden.
    WhileModal<FormDialog>([&] { Action(Model().mnuKurveAnzeigen)->trigger(); },
                           [](FormDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QVERIFY(Model().curveCommand.frmEingabe.loaded);
    const bool ran =
        WhileModal<QMessageBox>([&] { Action(Model().mnuFileExit)->trigger(); },
                                [](QMessageBox* box) { box->defaultButton()->click(); });
    QVERIFY(ran);
    QVERIFY(!Window().isVisible());
    QVERIFY(!Model().curveCommand.frmEingabe.loaded);
  }

  void settingsRestored_data() {
    QTest::addColumn<QStringList>("stored");  // left, top, width, height; "" = absent
    QTest::addColumn<QRect>("expectedTwips");
    QTest::newRow("stored") << QStringList{"1500", "750", "7500", "6000"}
                            << QRect(1500, 750, 7500, 6000);
    QTest::newRow("not numbers") << QStringList{"links", "750", "breit", "6000"}
                                 << QRect(1000, 750, 9000, 6000);
    QTest::newRow("zero size") << QStringList{"1500", "750", "0", "-5"}
                               << QRect(1500, 750, 9000, 8500);
  }
  void settingsRestored() {
    QFETCH(QStringList, stored);
    QFETCH(QRect, expectedTwips);
    {
      QSettings settings = fixture_->Settings();
      settings.beginGroup(QStringLiteral("Settings"));
      const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
      for (int i = 0; i < 4; ++i) settings.setValue(keys[i], stored[i]);
    }
    Start();
    QCOMPARE(Window().pos(), QPoint(Px(expectedTwips.x()), Px(expectedTwips.y())));
    QCOMPARE(Window().size(), QSize(Px(expectedTwips.width()), Px(expectedTwips.height())));
  }

  void placeNoScreenShowsIsMovedOntoThePrimaryScreen() {
    {
      QSettings settings = fixture_->Settings();
      settings.beginGroup(QStringLiteral("Settings"));
      settings.setValue("MainLeft", "-900000");
      settings.setValue("MainTop", "400000");
      settings.setValue("MainWidth", "900000");
      settings.setValue("MainHeight", "8500");
    }
    Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(Window().frameGeometry().topLeft()));
    QVERIFY(Window().width() <= screen.width());
  }

  void sizeBeyondTheScreenIsClampedAndStoredSo() {
    {
      QSettings settings = fixture_->Settings();
      settings.beginGroup(QStringLiteral("Settings"));
      for (const char* key : {"MainLeft", "MainTop"}) settings.setValue(key, "0");
      for (const char* key : {"MainWidth", "MainHeight"}) settings.setValue(key, "600000");
    }
    Start();
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(Window().size(), screen);
    WhileModal<QMessageBox>([&] { Window().close(); },
                            [](QMessageBox* box) { box->defaultButton()->click(); });
    QSettings settings = fixture_->Settings();
    settings.beginGroup(QStringLiteral("Settings"));
    const double dpi = Window().Dpi();
    QCOMPARE(settings.value("MainWidth").toString(),
             QString::number(velmora::qt::PixelsToTwips(screen.width(), dpi)));
    QCOMPARE(settings.value("MainHeight").toString(),
             QString::number(velmora::qt::PixelsToTwips(screen.height(), dpi)));
  }

  void viewToggles() {
    Start();
    for (int click = 1; click <= 2; ++click) {
      const bool shown = click % 2 == 0;
      Action(Model().mnuViewToolbar)->trigger();
      Action(Model().mnuViewStatusBar)->trigger();
      QCOMPARE(Window().ToolBar()->isVisible(), shown);
      QCOMPARE(Action(Model().mnuViewToolbar)->isChecked(), shown);
      QCOMPARE(Window().statusBar()->isVisible(), shown);
      QCOMPARE(Action(Model().mnuViewStatusBar)->isChecked(), shown);
    }
  }

  void notYetPossibleMessages_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("open") << "Open"
                          << "Öffnen noch nicht möglich";
    QTest::newRow("save") << "Save"
                          << "Speichern noch nicht möglich";
  }
  void notYetPossibleMessages() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    Start();
    QString shown;
    QString title;
    QVERIFY(WhileModal<QMessageBox>([&] { Window().ToolbarAction(button)->trigger(); },
                                    [&](QMessageBox* box) {
                                      shown = box->text();
                                      title = box->windowTitle();
                                      box->buttons().first()->click();
                                    }));
    QCOMPARE(shown, text);
    QCOMPARE(title, QStringLiteral("Velmora"));
  }

  void shortcutsReachTheCommands() {
    Start();
    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    QString help;
    QVERIFY(WhileModal<QMessageBox>([&] { QTest::keyClick(&Window(), Qt::Key_F1); },
                                    [&](QMessageBox* box) {
                                      help = box->windowTitle() + "|" + box->text();
                                      QTest::keyClick(box, Qt::Key_Return);
                                    }));
    QVERIFY(help.startsWith(QStringLiteral("Kurzhilfe|Velmora\n")));
    QVERIFY(help.contains(QStringLiteral("\nVersion 1.0.2\n\n")));
    QVERIFY(help.endsWith(QStringLiteral("Standard-Drucker.    ")));

    Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    bool curveDialogOpened = false;
    WhileModal<FormDialog>([&] { QTest::keyClick(&Window(), Qt::Key_K, Qt::ControlModifier); },
                           [&](FormDialog* dialog) {
                             curveDialogOpened = dialog->windowTitle() ==
                                                 QStringLiteral("Eingabe für Kurvenberechnung");
                             QTest::keyClick(dialog, Qt::Key_Escape);
                           });
    QVERIFY(curveDialogOpened);
  }

  void infoBox() {
    Start();
    QString title, version, heading, description;
    bool modal = false;
    QVERIFY(WhileModal<AboutDialog>(
        [&] { Action(Model().mnuHelpAbout)->trigger(); },
        [&](AboutDialog* about) {
          modal = about->isModal() && QApplication::activeModalWidget() == about;
          title = about->windowTitle();
          version = about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
          heading = QTextDocumentFragment::fromHtml(
                        about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text())
                        .toPlainText();
          description = about->findChild<QLabel*>(QStringLiteral("lblDescription"))->text();
          about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        }));
    QVERIFY(modal);
    QCOMPARE(title, QStringLiteral("Info Velmora"));
    QCOMPARE(version, QStringLiteral("Version 1.0.2"));
    QCOMPARE(heading, QStringLiteral("Velmora\n") + QString::fromUtf8(velmora::kCopyrightLine));
    QVERIFY(description.contains(QStringLiteral("\n\nAnwendung: ")));
    QVERIFY(!Model().frmAbout.loaded);
  }

  void printFromTheToolbarAsksFirst() {
    Start();
    Action(Model().mnuViewToolbar)->trigger();  // switched off by the user
    QStringList boxes;
    WhileModal<QMessageBox>([&] { Window().ToolbarAction(QStringLiteral("Print"))->trigger(); },
                            [&](QMessageBox* box) {
                              boxes << box->windowTitle() + "|" + box->text();
                              box->escapeButton()->click();  // not ready
                            });
    QCOMPARE(boxes, QStringList{"Drucker |Drucker bereit?"});
    QVERIFY(!Window().ToolBar()->isVisible());
    QCOMPARE(Window().StatusPanel(1)->text(), QStringLiteral("Im Menü Berechnung beginnen"));
  }
};

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
