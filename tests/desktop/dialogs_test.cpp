// SPDX-License-Identifier: GPL-3.0-or-later
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
using velmora::testing::DesktopFixture;
using velmora::testing::Pick;
using velmora::testing::TypeOver;
using velmora::testing::WhileModal;

namespace {

template <class W>
W* Get(QWidget* dialog, const char* name) {
  return dialog->findChild<W*>(QLatin1String(name));
}

// Every visible caption of the dialog that its control cannot show in full, as "name: text".
// With `oneLine`, the single-value results' captions must take one line, all but the skin
// effect's, which has a place two lines high.
QStringList ClippedTexts(QWidget* dialog, bool oneLine) {
  QStringList clipped;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(dialog)) continue;
    QString text;
    int need = 0;
    int room = w->width();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      const QRect box = label->contentsRect();
      const int flags = int(label->alignment());
      text = label->text();
      const QRect wrapped = label->fontMetrics().boundingRect(box, flags | Qt::TextWordWrap, text);
      const bool result = oneLine &&
                          label->parentWidget()->objectName() == QLatin1String("Frame2") &&
                          label->frameShape() == QFrame::NoFrame &&
                          text != QStringLiteral("Rv [Ohm] mit Skineffekt:");
      const int lines =
          result ? label->fontMetrics().boundingRect(box, flags, text).height() : box.height();
      need = wrapped.width() > box.width() || wrapped.height() > std::min(box.height(), lines);
      room = 0;
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      text = check->text();
      need = check->sizeHint().width();
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      text = button->text();
      need = button->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + 8;
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
      text = frame->title();
      need = QFontMetrics(frame->font()).horizontalAdvance(text) + 16;
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      text = QStringLiteral("(too low)");
      need = edit->fontMetrics().height() + 2;
      room = edit->height();
    }
    if (!text.isEmpty() && need > room) clipped << w->objectName() + ": " + text;
  }
  return clipped;
}

}  // namespace

class TestDialogs : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesktopFixture> fixture_;

  velmora::FrmMain& Model() { return fixture_->model(); }
  int Px(double twips) {
    return velmora::qt::TwipsToPixels(twips, fixture_->window().SingleValueDialog()->Dpi());
  }
  void In(bool curve, const std::function<void(FormDialog*)>& user) {
    const velmora::MenuItem& item = curve ? Model().mnuKurveAnzeigen : Model().mnuEinzelBerechnung;
    QCOMPARE(WhileModal<FormDialog>([&] { fixture_->window().ActionFor(item)->trigger(); }, user),
             1);
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
    In(false, [&](FormDialog* d) {
      const auto top = [d](const char* name) {
        auto* box = Get<QGroupBox>(d, name);
        return QString::number(box->isVisible() ? box->geometry().top() : 0);
      };
      seen << d->windowTitle() << QString::number(d->height()) << top("Frame4");
      Get<QPushButton>(d, "OKButton")->click();
      Pick(Get<QComboBox>(d, "Combo3"), QStringLiteral("7,0   Glimmer"));
      seen << Get<QLabel>(d, "Label3")->text() + "|" + Get<QLabel>(d, "Label13")->text();
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      seen << top("Frame3") << top("Frame4");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(seen,
             (QStringList{"Eingabe für Berechnung", QString::number(Px(3024 + 375 + 60)),
                          QString::number(Px(1008)), "|0,927", QString::number(Px(1368)), "0"}));
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
    In(curve, [&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), choice);
      // The results, and the loss readout, show their longest captions after OK.
      if (!curve) Get<QPushButton>(d, "OKButton")->click();
      clipped = ClippedTexts(d, !curve);
      Get<QPushButton>(d, "CancelButton")->click();
    });
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
  }

  // The list opens as wide as its longest item; the closed box keeps its width and tells its
  // whole text in its tool tip, above its own tip.
  void choiceListsShowWholeItems() {
    QStringList cut;
    int boxWidth = 0;
    QString tip;
    In(false, [&](FormDialog* d) {
      auto* combo = Get<QComboBox>(d, "Combo1");
      combo->showPopup();
      QAbstractItemView* list = combo->view();
      for (int i = 0; i < combo->count(); ++i) {
        if (list->sizeHintForIndex(list->model()->index(i, 0)).width() > list->viewport()->width())
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
    QCOMPARE(boxWidth, Px(1956));
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
    const Row rows[] = {{"Text7", "1a2", "", "12", 1},
                        {"Text7", "123\b", "", "12", 0},
                        {"Text7", "", "4x,5", "4,5", 1},
                        {"Text7", "", longNumber, longNumber.substr(0, 64), 0},
                        {"Text1", "ab-1", "", "ab-1", 0}};
    QStringList wrong;
    In(false, [&](FormDialog* d) {
      const velmora::FrmEinzelEingabe& m = Model().frmEinzelEingabe;
      for (const Row& row : rows) {
        auto* edit = Get<QLineEdit>(d, row.box);
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
        const std::string& held = row.box == std::string("Text1") ? m.Text1.text : m.Text7.text;
        const int beeps = fixture_->desktop().platform.Beeps() - before;
        if (edit->text().toStdString() != row.text || held != row.text || beeps != row.beeps) {
          wrong << QStringLiteral("%1: \"%2\", %3 beeps")
                       .arg(row.box, edit->text().left(70))
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
    In(true, [&](FormDialog* d) {
      // Typed, not picked: Enter (OK) lays the typed choice out first, Escape leaves it alone.
      auto* combo = Get<QComboBox>(d, "Combo1");
      combo->setFocus();
      combo->lineEdit()->selectAll();
      velmora::testing::Type(combo->lineEdit(), typed);
      QTest::keyClick(combo->lineEdit(), Qt::Key(key));
      lastChoice = Model().curveCommand.frmEingabe.LastChoice;
    });
    QCOMPARE(lastChoice, drawn ? typed.toStdString() : std::string("Verkürzung Vf bei f"));
    QCOMPARE(Model().curveCommand.curveShown != 0, drawn);
    QCOMPARE(Model().curveCommand.request.curveName == typed.toStdString(), drawn);
  }

  void curveDialogFocusOrder() {
    QStringList order;
    In(true, [&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      Get<QComboBox>(d, "Combo1")->setFocus();
      for (int i = 0; i < 16; ++i) {
        QWidget* w = d->focusWidget();  // the combo box for its line edit
        while (w && w->objectName().isEmpty()) w = w->parentWidget();
        order << (w ? w->objectName() : QString());
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
      }
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(order.join(QLatin1Char(',')),
             QStringLiteral("Combo1,Text7,Text9,Text8,Combo2,Check1,Text1,Text2,Text3,Text4,"
                            "Text5,Text6,OKButton,CancelButton,Combo1,Text7"));
  }

  // Leaving a box refreshes the loss readout; Escape presses Cancel, whose handler runs (the
  // result text "Neu" goes).
  void lostFocusAndEscapeReachTheirHandlers() {
    Model().curveCommand.MarkNew();
    QString before, after;
    In(true, [&](FormDialog* d) {
      Pick(Get<QComboBox>(d, "Combo1"), QStringLiteral("Strahlungswiderstand Rs"));
      auto* frequency = Get<QLineEdit>(d, "Text9");
      before = Get<QLabel>(d, "Label13")->text();
      TypeOver(frequency, QStringLiteral("14"));
      QTest::keyClick(frequency, Qt::Key_Tab);
      after = Get<QLabel>(d, "Label13")->text();
      QTest::keyClick(d, Qt::Key_Escape);
    });
    QVERIFY2(after.endsWith(QStringLiteral(" Ohm")) && after != before,
             qPrintable(before + " -> " + after));
    QCOMPARE(Model().curveCommand.frmEingabe.Tag, std::string());
  }
};

QTEST_MAIN(TestDialogs)
#include "dialogs_test.moc"
