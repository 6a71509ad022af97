// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every focusable control of every window has a name, boxes are
// named by the caption in their row, result labels read out their value.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "desktop/plot_widget.h"
#include "tests/desktop/ui_driver.h"

using velmora::testing::Pick;

namespace {

QString Read(QWidget* widget, QAccessible::Text text) {
  return QAccessible::queryAccessibleInterface(widget)->text(text).trimmed();
}

// What a reader says for a widget: its name, or (Qt on Linux names a choice box by its text)
// the caption label it is labelled by.
QString Heard(QWidget* widget) {
  const auto labels = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
  const QString name = Read(widget, QAccessible::Name);
  return name.isEmpty() && !labels.isEmpty() ? labels.first().first->text(QAccessible::Name) : name;
}

// Visible focusable widgets of the window itself (not of its popups) that a reader cannot name.
QStringList Unnamed(QWidget* window) {
  QStringList unnamed;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (w->window() == window && w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(window) &&
        Heard(w).isEmpty())
      unnamed << w->objectName() + "/" + w->metaObject()->className();
  return unnamed;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT
  velmora::testing::DesktopFixture fixture_;
  velmora::FrmMain& Model() { return fixture_.desktop().model; }
  static QComboBox* Choice(QWidget* d) { return d->findChild<QComboBox*>("Combo1"); }
  static void Press(QWidget* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }
  void InDialogOf(const velmora::MenuItem& item, const std::function<void(QDialog*)>& user) {
    QAction* action = fixture_.desktop().window.ActionFor(item);
    QCOMPARE(velmora::testing::WhileModal<QDialog>([action] { action->trigger(); }, user), 1);
  }

 private slots:
  void initTestCase() {
    velmora::testing::QuietOffscreenWarnings();
    fixture_.Start();
  }

  void everyFocusableControlIsNamed() {
    QStringList unnamed = Unnamed(&fixture_.desktop().window);
    QCOMPARE(Read(fixture_.desktop().window.Plot(), QAccessible::Name), QStringLiteral("Grafik"));
    QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());  // from the program's resources
    auto everyChoice = [&unnamed](QWidget* d) {
      for (int i = 0; i < Choice(d)->count(); ++i) {
        Pick(Choice(d), Choice(d)->itemText(i));
        for (const QString& w : Unnamed(d)) unnamed << Choice(d)->itemText(i) + ": " + w;
      }
      Press(d, "CancelButton");
    };
    InDialogOf(Model().mnuEinzelBerechnung, everyChoice);
    InDialogOf(Model().mnuKurveAnzeigen, everyChoice);
    InDialogOf(Model().mnuHelpAbout, [&unnamed](QWidget* d) { unnamed << Unnamed(d), d->close(); });
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
  }

  void namedByTheCaptionInTheirRow() {
    QStringList names;
    auto name = [&names](QWidget* d, const char* choice, const char* control) {
      Pick(Choice(d), QString::fromUtf8(choice));
      auto* w = d->findChild<QWidget*>(QLatin1String(control));
      // Typing into a choice box goes to its line edit: there the reader is.
      if (auto* box = qobject_cast<QComboBox*>(w)) w = box->lineEdit();
      names << Read(w, QAccessible::Name);
    };
    InDialogOf(Model().mnuEinzelBerechnung, [&name, &names](QWidget* d) {
      name(d, "Verkürzungsfaktor Vf", "Text6");
      name(d, "Verkürzungsfaktor Vf", "Label5");
      name(d, "resonante Dipollänge", "Combo3");
      Pick(Choice(d), QStringLiteral("Verkürzungsfaktor Vf"));
      Press(d, "OKButton");
      auto* result = d->findChild<QLabel*>(QStringLiteral("Label5"));
      const auto* text = QAccessible::queryAccessibleInterface(result)->textInterface();
      names << result->text() + " read as " + Read(result, QAccessible::Value) + "/" +
                   text->text(0, text->characterCount());
      Press(d, "CancelButton");
    });
    InDialogOf(Model().mnuKurveAnzeigen, [&name](QWidget* d) {
      name(d, "Strahlungswiderstand Rs", "Text3");
      Press(d, "CancelButton");
    });
    QCOMPARE(names, QStringList({"Ant.-Höhe [m]", "Ergebnis: Vf-Gesamt", "Isolierung",
                                 "0,926 read as 0,926/0,926", "Y-Meßlänge"}));
  }
};

QTEST_MAIN(TestAccessibility)
#include "accessibility_test.moc"
