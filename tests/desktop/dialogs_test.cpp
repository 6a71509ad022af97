// Both calculation dialogs on screen: placement, texts that fit, the key filter, Enter and
// Escape, focus order and the close box.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolTip>

#include "curves/frm_eingabe.h"
#include "desktop/form_dialog.h"
#include "desktop/twips.h"
#include "single/frm_einzel_eingabe.h"
#include "tests/desktop/ui_driver.h"

using velmora::qt::FormDialog;
using velmora::qt::TwipsToPixels;
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::TypeOver;
using velmora::testing::WhileModal;

namespace {

QString WithoutAccessKey(QString text) {
  return text.remove(QLatin1Char('&'));
}

// Every visible caption of the dialog that its control cannot show in full, as "name: text".
QStringList ClippedTexts(QWidget* dialog) {
  QStringList clipped;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(dialog) || label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    const QRect need = label->fontMetrics().boundingRect(
        room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    if (need.height() > room.height() || need.width() > room.width()) {
      clipped << QStringLiteral("%1: %2 (%3x%4 in %5x%6)")
                     .arg(label->objectName(), label->text())
                     .arg(need.width())
                     .arg(need.height())
                     .arg(room.width())
                     .arg(room.height());
    }
  }
  for (QCheckBox* check : dialog->findChildren<QCheckBox*>()) {
    if (check->isVisibleTo(dialog) && check->sizeHint().width() > check->width()) {
      clipped << check->objectName() + ": " + check->text();
    }
  }
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    const int need = button->fontMetrics().horizontalAdvance(WithoutAccessKey(button->text()));
    if (button->isVisibleTo(dialog) && need + 8 > button->width()) {
      clipped << button->objectName() + ": " + button->text();
    }
  }
  for (QGroupBox* frame : dialog->findChildren<QGroupBox*>()) {
    QFontMetrics metrics(frame->font());
    if (frame->isVisibleTo(dialog) &&
        metrics.horizontalAdvance(frame->title()) + 16 > frame->width()) {
      clipped << frame->objectName() + ": " + frame->title();
    }
  }
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
    if (edit->isVisibleTo(dialog) && edit->height() < edit->fontMetrics().height() + 2) {
      clipped << edit->parentWidget()->objectName() + "/" + edit->objectName() + " (too low)";
    }
  }
  return clipped;
}

// The control's name for the widget with the focus (the combo box for its line edit).
QString FocusName(QWidget* dialog) {
  QWidget* w = dialog->focusWidget();
  while (w && w->objectName().isEmpty()) w = w->parentWidget();
  return w ? w->objectName() : QString();
}

}  // namespace

class TestDialogs : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;

  velmora::FrmMain& Model() { return fixture_->desktop().model; }
  QAction* Action(const velmora::MenuItem& item) {
    return fixture_->desktop().window.ActionFor(item);
  }
  int Px(double twips, const FormDialog* dialog) { return TwipsToPixels(twips, dialog->Dpi()); }
  void InSingleValueDialog(const std::function<void(FormDialog*)>& user) {
    QCOMPARE(WhileModal<FormDialog>([&] { Action(Model().mnuEinzelBerechnung)->trigger(); }, user),
             1);
  }
  void InCurveDialog(const std::function<void(FormDialog*)>& user) {
    QCOMPARE(WhileModal<FormDialog>([&] { Action(Model().mnuKurveAnzeigen)->trigger(); }, user), 1);
  }
  template <class W>
  static W* Get(QWidget* dialog, const char* name) {
    return dialog->findChild<W*>(QLatin1String(name));
  }

 private slots:
  void initTestCase() { velmora::testing::QuietOffscreenWarnings(); }
  void init() {
    fixture_ = std::make_unique<DesktopFixture>();
    fixture_->Start();
  }
  void cleanup() { fixture_.reset(); }

  void singleValueDialogPlacesFrame4OverFrame3() {
    QRect frame4, frame3;
    bool frame4Shown = false, frame3Shown = true;
    QString caption, length;
    QRect afterPickFrame3;
    bool afterPickFrame4Shown = true;
    QSize client;
    InSingleValueDialog([&](FormDialog* d) {
      caption = d->windowTitle();
      client = d->size();
      frame4 = Get<QGroupBox>(d, "Frame4")->geometry();
      frame4Shown = Get<QGroupBox>(d, "Frame4")->isVisible();
      frame3Shown = Get<QGroupBox>(d, "Frame3")->isVisible();
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      afterPickFrame3 = Get<QGroupBox>(d, "Frame3")->geometry();
      afterPickFrame4Shown = Get<QGroupBox>(d, "Frame4")->isVisible();
      length = Get<QLineEdit>(d, "Text7")->text();
      QTest::keyClick(d, Qt::Key_Escape);
    });
    const FormDialog* d = fixture_->desktop().window.SingleValueDialog();
    QCOMPARE(caption, QStringLiteral("Eingabe für Berechnung"));
    QCOMPARE(client, QSize(Px(6048, d), Px(3024 + 375 + 60, d)));  // OK's bottom edge
    QVERIFY(frame4Shown);
    QVERIFY(!frame3Shown);
    QCOMPARE(frame4, QRect(Px(108, d), Px(1008, d), Px(2784, d), Px(1416, d)));
    QVERIFY(!afterPickFrame4Shown);
    QCOMPARE(afterPickFrame3, QRect(Px(72, d), Px(1368, d), Px(2784, d), Px(984, d)));
    QCOMPARE(length, QStringLiteral("39,583"));
  }

  void textsFit_data() {
    QTest::addColumn<bool>("curve");
    QTest::addColumn<QString>("choice");
    for (const char* choice :
         {"resonante Dipollänge", "Verkürzungsfaktor Vf", "Strahlungswiderstand Rs",
          "Ant. - Güte Qa bei h", "Ant. - Güte Qa bei d"}) {
      QTest::newRow((std::string("single: ") + choice).c_str()) << false << choice;
    }
    for (const char* choice : {"Verkürzung Vf bei f", "Verkürzung Vf bei d", "Verkürzung Vf bei h",
                               "Strahlungswiderstand Rs", "Ant. - Güte Qa bei h",
                               "Ant. - Güte Qa bei d", "Draht-Zw bei Länge"}) {
      QTest::newRow((std::string("curve: ") + choice).c_str()) << true << choice;
    }
  }
  void textsFit() {
    QFETCH(bool, curve);
    QFETCH(QString, choice);
    QStringList clipped;
    auto user = [&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), choice);
      // The results, and the loss readout, show their longest captions after OK.
      if (!curve) Get<QPushButton>(d, "OKButton")->click();
      clipped = ClippedTexts(d);
      // Result captions take one line; only the skin-effect one has a place two lines high.
      for (QLabel* label : curve ? QList<QLabel*>() : d->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const QFontMetrics m = label->fontMetrics();
        const int flags = int(label->alignment());
        if (label->parentWidget()->objectName() == QLatin1String("Frame2") &&
            label->frameShape() == QFrame::NoFrame && label->isVisibleTo(d) &&
            label->text() != QStringLiteral("Rv [Ohm] mit Skineffekt:") &&
            m.boundingRect(room, flags | Qt::TextWordWrap, label->text()).height() >
                m.boundingRect(room, flags, label->text()).height()) {
          clipped << label->objectName() + ": " + label->text() + " (two lines)";
        }
      }
      Get<QPushButton>(d, "CancelButton")->click();
    };
    curve ? InCurveDialog(user) : InSingleValueDialog(user);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
  }

  // The list opens as wide as its longest item; the closed box keeps its width and tells its
  // whole text in its tool tip, above its own tip.
  void choiceListsShowWholeItems() {
    QStringList cut;
    int boxWidth = 0;
    QString tip;
    InSingleValueDialog([&](FormDialog* d) {
      auto* combo = Get<QComboBox>(d, "Combo1");
      combo->showPopup();
      QAbstractItemView* list = combo->view();
      for (int i = 0; i < combo->count(); ++i) {
        const QModelIndex item = list->model()->index(i, 0);
        if (list->sizeHintForIndex(item).width() > list->viewport()->width())
          cut << combo->itemText(i);
      }
      combo->hidePopup();
      boxWidth = combo->width();
      auto* insulation = Get<QComboBox>(d, "Combo3");
      QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), insulation->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(insulation, &help);
      tip = QToolTip::text();
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
    QCOMPARE(boxWidth, Px(1956, fixture_->desktop().window.SingleValueDialog()));
    QCOMPARE(tip, QStringLiteral("2,3   PE Polyethylen\nIsolier-Material"));
  }

  void keyFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");  // "\b" is Backspace, "^V" pastes the clipboard
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digits and comma") << "Text7"
                                      << "12,5"
                                      << ""
                                      << "12,5" << 0;
    QTest::newRow("point") << "Text7"
                           << "0.5"
                           << ""
                           << "0.5" << 0;
    QTest::newRow("letter") << "Text7"
                            << "1a2"
                            << ""
                            << "12" << 1;
    QTest::newRow("minus") << "Text9"
                           << "-3"
                           << ""
                           << "3" << 1;
    QTest::newRow("blank") << "Text6"
                           << "1 0"
                           << ""
                           << "10" << 1;
    QTest::newRow("umlaut") << "Text6"
                            << "ä"
                            << ""
                            << "" << 1;
    QTest::newRow("backspace") << "Text7"
                               << "123\b"
                               << ""
                               << "12" << 0;
    QTest::newRow("paste filtered") << "Text7"
                                    << "^V"
                                    << "4x,5"
                                    << "4,5" << 1;
    const QString longNumber(100000, u'1');  // a paste that would freeze a slow box
    QTest::newRow("paste beyond the maximum length")
        << "Text7"
        << "^V" << longNumber << longNumber.left(64) << 0;
    QTest::newRow("free text box") << "Text1"
                                   << "ab-1"
                                   << ""
                                   << "ab-1" << 0;
  }
  void keyFilter() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    QString result;
    QString model;
    int beeped = 0;
    InSingleValueDialog([&](FormDialog* d) {
      auto* edit = d->findChild<QLineEdit*>(box);
      TypeOver(edit, QString());
      const int before = fixture_->desktop().platform.Beeps();
      if (typed == QLatin1String("^V")) {
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      } else {
        for (const QChar ch : typed) {
          if (ch == QLatin1Char('\b')) {
            QTest::keyClick(edit, Qt::Key_Backspace);
          } else {
            velmora::testing::Type(edit, QString(ch));
          }
        }
      }
      beeped = fixture_->desktop().platform.Beeps() - before;
      result = edit->text();
      const auto& m = Model().frmEinzelEingabe;
      for (const velmora::TextBox* t : {&m.Text1, &m.Text6, &m.Text7, &m.Text9}) {
        if (QString::fromStdString(t->name) == box) model = QString::fromStdString(t->text);
      }
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(result, text);
    QCOMPARE(model, text);
    QCOMPARE(beeped, beeps);
  }

  void enterAndEscapeInTheCurveDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("enter, not a list item") << "Bodendämpfung Rve" << int(Qt::Key_Return) << true;
    QTest::newRow("enter, a list item") << "Verkürzung Vf bei h" << int(Qt::Key_Return) << true;
    QTest::newRow("escape") << "Verkürzung Vf bei h" << int(Qt::Key_Escape) << false;
  }
  void enterAndEscapeInTheCurveDialog() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, drawn);
    std::string lastChoice;
    InCurveDialog([&](FormDialog* d) {
      // Typed, not picked: the choice counts only when the command reads it.
      auto* combo = Get<QComboBox>(d, "Combo1");
      combo->setFocus();
      combo->lineEdit()->selectAll();
      velmora::testing::Type(combo->lineEdit(), typed);
      QTest::keyClick(combo->lineEdit(), Qt::Key(key));
      lastChoice = Model().curveCommand.frmEingabe.LastChoice;
    });
    QCOMPARE(lastChoice, std::string("Verkürzung Vf bei f"));  // no settings step for the typing
    QCOMPARE(Model().curveCommand.curveShown != 0, drawn);
    QCOMPARE(Model().curveCommand.request.curveName == typed.toStdString(), drawn);
  }

  void curveDialogFocusOrder() {
    QStringList order;
    InCurveDialog([&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      Get<QComboBox>(d, "Combo1")->setFocus();
      for (int i = 0; i < 16; ++i) {
        order << FocusName(d);
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
      }
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(order.join(QLatin1Char(',')),
             QStringLiteral("Combo1,Text7,Text9,Text8,Combo2,Check1,Text1,Text2,Text3,Text4,"
                            "Text5,Text6,OKButton,CancelButton,Combo1,Text7"));
  }

  void lostFocusRefreshesTheLossReadout() {
    QString before, after;
    InCurveDialog([&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      auto* frequency = Get<QLineEdit>(d, "Text9");
      before = Get<QLabel>(d, "Label13")->text();
      TypeOver(frequency, QStringLiteral("14"));
      QTest::keyClick(frequency, Qt::Key_Tab);
      after = Get<QLabel>(d, "Label13")->text();
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QVERIFY(after.endsWith(QStringLiteral(" Ohm")));
    QVERIFY2(after != before, qPrintable(before + " -> " + after));
  }

  void closeBoxes_data() {
    QTest::addColumn<bool>("curve");
    QTest::newRow("single") << false;
    QTest::newRow("curve") << true;
  }
  void closeBoxes() {
    QFETCH(bool, curve);
    auto user = [](FormDialog* d) {
      Pick(d->findChild<QComboBox*>(QStringLiteral("Combo1")),
           d->findChild<QComboBox*>(QStringLiteral("Combo1"))->itemText(2));
      d->close();
    };
    curve ? InCurveDialog(user) : InSingleValueDialog(user);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(Model().curveCommand.curveShown, std::int16_t{0});
    QVERIFY(!Model().curveCommand.frmEingabe.loaded);
    QVERIFY(!Model().frmEinzelEingabe.loaded);
    QCOMPARE(fixture_->desktop().window.StatusPanel(1)->text(),
             curve ? QStringLiteral("Kurve berechnen und anzeigen")
                   : QStringLiteral("Im Menü Berechnung beginnen"));
  }
};

QTEST_MAIN(TestDialogs)
#include "dialogs_test.moc"
