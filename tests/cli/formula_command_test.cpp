// Runs velmora-calc formula as a user would and checks its output and exit status. The test
// runs under a German locale, so numbers must not follow the C library's locale.
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Result {
  int status = -1;
  QString out;
  QString err;
};

Result RunCalc(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(VELMORA_CALC), args);
  Result result;
  if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit) {
    return result;
  }
  result.status = process.exitCode();
  result.out = QString::fromUtf8(process.readAllStandardOutput());
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

}  // namespace

class FormulaCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void evaluates_data();
  void evaluates();
  void refusesBadInput_data();
  void refusesBadInput();
  void helpListsEveryFunction();
};

void FormulaCommandTest::evaluates_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<QString>("out");
  QTest::addColumn<int>("status");

  // Single results with 9 significant digits, double results with 17.
  QTest::newRow("radiation real ground")
      << QStringList{"RadiationResistance", "3.6", "12", "-1"} << "44.2406998\n"
      << 0;
  QTest::newRow("radiation free space")
      << QStringList{"RadiationResistance", "3.6", "12", "0"} << "37.5209198\n"
      << 0;
  QTest::newRow("radiation no height")
      << QStringList{"RadiationResistance", "3.6", "0", "-1"} << "73\n"
      << 0;
  QTest::newRow("height shortening compressed")
      << QStringList{"HeightShorteningPercent", "3.6", "1", "-1"} << "11.2078657\n"
      << 0;
  QTest::newRow("height shortening f 0")
      << QStringList{"HeightShorteningPercent", "0", "12", "0"} << "100\n"
      << 0;
  QTest::newRow("wire shortening")
      << QStringList{"WireShorteningPercent", "3.6", "2.05"} << "2.5614996\n"
      << 0;
  QTest::newRow("resonant half wave")
      << QStringList{"ResonantDipoleLength", "1", "1", "0", "3.6"} << "41.6378441\n"
      << 0;
  QTest::newRow("log10 double") << QStringList{"Log10", "1000"} << "2.9999999999999996\n" << 0;
  // s is a double: rounded to single, 0.49999999 would be 0.5 and the length 0.
  QTest::newRow("resonant double s")
      << QStringList{"ResonantDipoleLength", "1", "1", "0.49999999", "3.6"} << "8.32756825e-07\n"
      << 0;
  QTest::newRow("bare wire insulation")
      << QStringList{"InsulationShortening", "2.3", "1", "1", "0.95"} << "0\n"
      << 0;
  QTest::newRow("plus sign") << QStringList{"WireShorteningPercent", "+3.6", "+2.05"}
                             << "2.5614996\n"
                             << 0;
  QTest::newRow("ground loss d 0")
      << QStringList{"GroundLossResistance", "3.6", "12", "40", "0"} << "failed\n"
      << 3;
  QTest::newRow("conductor sigma 0")
      << QStringList{"ConductorLossResistance", "40", "0.002", "3.6", "0"} << "failed\n"
      << 3;
  QTest::newRow("wire d 0") << QStringList{"WireShorteningPercent", "3.6", "0"} << "failed\n" << 3;
  QTest::newRow("log10 0") << QStringList{"Log10", "0"} << "failed\n" << 3;
  QTest::newRow("resonant f 0") << QStringList{"ResonantDipoleLength", "1", "0.95", "0", "0"}
                                << "failed\n"
                                << 3;
}

void FormulaCommandTest::evaluates() {
  QFETCH(QStringList, args);
  QFETCH(QString, out);
  QFETCH(int, status);
  args.prepend("formula");
  const Result r = RunCalc(args);
  QCOMPARE(r.out, out);
  QCOMPARE(r.err, QString());  // nothing of Qt's start either: formula needs no GUI
  QCOMPARE(r.status, status);
}

void FormulaCommandTest::refusesBadInput_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<QString>("errPattern");

  QTest::newRow("no name") << QStringList{} << "missing function name.*RadiationResistance";
  QTest::newRow("unknown name") << QStringList{"Log2", "8"}
                                << "unknown function 'Log2'.*Log10.*ResonantDipoleLength";
  QTest::newRow("name is case-sensitive")
      << QStringList{"log10", "8"} << "unknown function 'log10'";
  QTest::newRow("too few") << QStringList{"RadiationResistance", "3.6", "12"}
                           << "takes 3 arguments, got 2\nusage: .*RadiationResistance f h "
                              "realGround";
  QTest::newRow("too many") << QStringList{"Log10", "1", "2"}
                            << "takes 1 argument, got 2\nusage: .*Log10 x";
  QTest::newRow("decimal comma") << QStringList{"WireShorteningPercent", "3,6", "2.05"}
                                 << "argument 1 \\(f, frequency in MHz\\) '3,6'.*point";
  QTest::newRow("trailing text") << QStringList{"WireShorteningPercent", "3.6MHz", "2.05"}
                                 << "'3.6MHz' is not a number";
  QTest::newRow("empty number") << QStringList{"WireShorteningPercent", "", "2.05"}
                                << "'' is not a number";
  QTest::newRow("infinity") << QStringList{"Log10", "inf"} << "not a finite number";
  QTest::newRow("nan") << QStringList{"WireShorteningPercent", "nan", "1"} << "not a finite number";
  QTest::newRow("beyond single") << QStringList{"WireShorteningPercent", "3.6", "1e39"}
                                 << "argument 2 \\(d, .*beyond the single-precision range";
  QTest::newRow("beyond double") << QStringList{"Log10", "1e400"} << "out of range";
  QTest::newRow("flag not a number") << QStringList{"RadiationResistance", "3.6", "12", "true"}
                                     << "argument 3 \\(realGround.*-1 for true, 0 for false";
  QTest::newRow("flag with fraction")
      << QStringList{"HeightShorteningPercent", "3.6", "12", "-1.5"} << "is not a flag";
  QTest::newRow("flag beyond 16 bits")
      << QStringList{"HeightShorteningPercent", "3.6", "12", "65535"} << "is not a flag";
}

void FormulaCommandTest::refusesBadInput() {
  QFETCH(QStringList, args);
  QFETCH(QString, errPattern);
  args.prepend("formula");
  const Result r = RunCalc(args);
  QCOMPARE(r.status, 2);
  QCOMPARE(r.out, QString());
  QVERIFY2(QRegularExpression(errPattern).match(r.err).hasMatch(), qPrintable(r.err));
}

void FormulaCommandTest::helpListsEveryFunction() {
  const Result r = RunCalc({"formula", "--help"});
  QCOMPARE(r.status, 0);
  const QStringList signatures = {
      "Log10 x",
      "RadiationResistance f h realGround",
      "GroundLossResistance f h L d",
      "ConductorLossResistance L d f sigma",
      "WireShorteningPercent f d",
      "HeightShorteningPercent f h realGround",
      "InsulationShortening epsR D dc Vf",
      "ResonantDipoleLength k Vf s f",
  };
  for (const QString& signature : signatures) {
    QVERIFY2(r.out.contains(signature), qPrintable(signature));
  }
  QVERIFY(r.out.contains("frequency in MHz"));
  QVERIFY(r.out.contains("wire diameter in mm"));
  QVERIFY(r.out.contains("wire diameter in m\n"));
  QVERIFY(r.out.contains("m/(ohm mm^2)"));
}

QTEST_GUILESS_MAIN(FormulaCommandTest)
#include "formula_command_test.moc"
