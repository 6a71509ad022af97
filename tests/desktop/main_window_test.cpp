// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's binding: menu, toolbar and shortcuts reach their commands, the window shows
// its model (bars, status panels, plot size, stored place), and resizes reach the model at the
// right moment. What the commands do is the shell model's, tested in tests/shell.
#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "desktop/plot_widget.h"
#include "desktop/twips.h"
#include "tests/desktop/ui_driver.h"

using velmora::testing::DesktopFixture;
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

  // Each message shows its first line whole: the text's baseline leaves room for the dots of a
  // capital umlaut, which stand above the font's ascent.
  void toolbarButtonsReachTheirCommands() {
    fixture_->Start();
    QStringList shown;
    for (const char* key : {"Open", "Save", "Print"}) {
      WhileModal<QMessageBox>([&] { Window().ToolbarAction(QLatin1String(key))->trigger(); },
                              [&](QMessageBox* box) {
                                const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
                                const QFontMetrics m = label->fontMetrics();
                                const QRect r = label->contentsRect();
                                const bool cut =
                                    r.top() + (r.height() - m.height()) / 2 + m.ascent() <
                                    -m.boundingRect("Ö").top();
                                shown << box->text() + (cut ? " cut" : "");
                                box->escapeButton()->click();
                              });
    }
    QCOMPARE(shown, QStringList({"Öffnen noch nicht möglich", "Speichern noch nicht möglich",
                                 "Drucker bereit?"}));
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
};

QTEST_MAIN(TestMainWindow)
#include "main_window_test.moc"
