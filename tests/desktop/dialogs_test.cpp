// Both calculation dialogs on screen: placement, texts that fit, keys and pastes reaching the
// model's filter, Enter and Escape, focus order, lost focus and the close box. The rules behind
// them are the form models', tested in tests/single and tests/curves.
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

  // Frames at their twips in pixels, Frame4 over Frame3 until another choice is picked; a pick
  // in the insulation box reaches its handler (the length and the total go).
  void singleValueDialogPlacesFrame4OverFrame3() {
    QStringList seen;
    InSingleValueDialog([&](FormDialog* d) {
      const auto frame = [d](const char* name) {
        auto* box = Get<QGroupBox>(d, name);
        return box->isVisible() ? box->geometry() : QRect();
      };
      seen << d->windowTitle() << QString::number(d->height())
           << QString::number(frame("Frame4").top());
      Get<QPushButton>(d, "OKButton")->click();
      Pick(Get<QComboBox>(d, "Combo3"), QStringLiteral("7,0   Glimmer"));
      seen << Get<QLabel>(d, "Label3")->text() + "|" + Get<QLabel>(d, "Label13")->text();
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      seen << QString::number(frame("Frame3").top()) << QString::number(frame("Frame4").top());
      QTest::keyClick(d, Qt::Key_Escape);
    });
    const FormDialog* d = fixture_->desktop().window.SingleValueDialog();
    QCOMPARE(seen, (QStringList{"Eingabe für Berechnung", QString::number(Px(3024 + 375 + 60, d)),
                                QString::number(Px(1008, d)), "|0,927",
                                QString::number(Px(1368, d)), "0"}));
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

  // Keys and pastes reach the model's filter; the box and the model agree on what stands.
  void keysAndPastesGoThroughTheFilter() {
    const std::string longNumber(100000, '1');  // a paste that would freeze a slow box
    struct Row {
      const char* box;
      std::string typed;      // "\b" is Backspace
      std::string clipboard;  // pasted with Ctrl+V first, when set
      std::string text;
      int beeps;
    };
    const Row rows[] = {{"Text7", "12,5", "", "12,5", 0},
                        {"Text7", "1a2", "", "12", 1},
                        {"Text7", "123\b", "", "12", 0},
                        {"Text7", "", "4x,5", "4,5", 1},
                        {"Text7", "", longNumber, longNumber.substr(0, 64), 0},
                        {"Text1", "ab-1", "", "ab-1", 0}};
    QStringList wrong;
    InSingleValueDialog([&](FormDialog* d) {
      const velmora::FrmEinzelEingabe& m = Model().frmEinzelEingabe;
      for (const Row& row : rows) {
        auto* edit = d->findChild<QLineEdit*>(QLatin1String(row.box));
        TypeOver(edit, QString());
        const int before = fixture_->desktop().platform.Beeps();
        if (!row.clipboard.empty()) {
          QGuiApplication::clipboard()->setText(QString::fromStdString(row.clipboard));
          QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        for (const QChar ch : QString::fromStdString(row.typed)) {
          ch == u'\b' ? QTest::keyClick(edit, Qt::Key_Backspace)
                      : velmora::testing::Type(edit, QString(ch));
        }
        const std::string& held = edit->objectName() == "Text1" ? m.Text1.text : m.Text7.text;
        const int beeps = fixture_->desktop().platform.Beeps() - before;
        const QString text = QString::fromStdString(row.text);
        if (edit->text() != text || held != row.text || beeps != row.beeps) {
          wrong << QStringLiteral("%1: \"%2\" (model \"%3\", %4 beeps)")
                       .arg(text.left(70), edit->text().left(70),
                            QString::fromStdString(held).left(70))
                       .arg(beeps);
        }
      }
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(" | "))));
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

  // Escape presses Cancel, whose handler runs: the curve dialog's result text "Neu" goes.
  void escapePressesCancel() {
    Model().curveCommand.MarkNew();
    InCurveDialog([](FormDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QCOMPARE(Model().curveCommand.frmEingabe.Tag, std::string());
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
