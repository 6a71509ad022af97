// Runs velmora-calc formula as a user would and checks its output and exit status. The test
// runs under a German locale, so numbers must not follow the C library's locale. The values
// themselves are the formulas' (tests/formulas); here: how they are read and written.
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
  void evaluates() {
    struct Row {
      QStringList args;
      const char* out;
      int status;
    };
    // Single results with 9 significant digits, double results with 17.
    const Row rows[] = {
        {{"RadiationResistance", "3.6", "12", "-1"}, "44.2406998\n", 0},
        {{"RadiationResistance", "3.6", "0", "-1"}, "73\n", 0},
        {{"Log10", "1000"}, "2.9999999999999996\n", 0},
        // s is a double: rounded to single, 0.49999999 would be 0.5 and the length 0.
        {{"ResonantDipoleLength", "1", "1", "0.49999999", "3.6"}, "8.32756825e-07\n", 0},
        {{"WireShorteningPercent", "+3.6", "+2.05"}, "2.5614996\n", 0},
        {{"GroundLossResistance", "3.6", "12", "40", "0"}, "failed\n", 3},
        {{"Log10", "0"}, "failed\n", 3},
    };
    for (const Row& row : rows) {
      const Result r = RunCalc(QStringList{"formula"} + row.args);
      QCOMPARE(r.out, QString::fromLatin1(row.out));
      QCOMPARE(r.err, QString());  // nothing of Qt's start either: formula needs no GUI
      QCOMPARE(r.status, row.status);
    }
  }

  void refusesBadInput() {
    const std::pair<QStringList, const char*> rows[] = {
        {{}, "missing function name.*RadiationResistance"},
        {{"Log2", "8"}, "unknown function 'Log2'.*Log10.*ResonantDipoleLength"},
        {{"log10", "8"}, "unknown function 'log10'"},  // names are case-sensitive
        {{"RadiationResistance", "3.6", "12"},
         "takes 3 arguments, got 2\nusage: .*RadiationResistance f h realGround"},
        {{"Log10", "1", "2"}, "takes 1 argument, got 2\nusage: .*Log10 x"},
        {{"WireShorteningPercent", "3,6", "2.05"},
         "argument 1 \\(f, frequency in MHz\\) '3,6'.*point"},
        {{"WireShorteningPercent", "3.6MHz", "2.05"}, "'3.6MHz' is not a number"},
        {{"Log10", "inf"}, "not a finite number"},
        {{"WireShorteningPercent", "3.6", "1e39"},
         "argument 2 \\(d, .*beyond the single-precision range"},
        {{"Log10", "1e400"}, "out of range"},
        {{"RadiationResistance", "3.6", "12", "true"},
         "argument 3 \\(realGround.*-1 for true, 0 for false"},
        {{"HeightShorteningPercent", "3.6", "12", "65535"}, "is not a flag"},
    };
    for (const auto& [args, pattern] : rows) {
      const Result r = RunCalc(QStringList{"formula"} + args);
      QCOMPARE(r.status, 2);
      QCOMPARE(r.out, QString());
      QVERIFY2(QRegularExpression(QString::fromUtf8(pattern)).match(r.err).hasMatch(),
               qPrintable(r.err));
    }
    const Result unknown = RunCalc({"formel"});
    QCOMPARE(unknown.status, 2);
    QVERIFY2(unknown.err.contains("unknown command 'formel'"), qPrintable(unknown.err));
  }

  void helpListsEveryFunction() {
    const Result r = RunCalc({"formula", "--help"});
    QCOMPARE(r.status, 0);
    for (const char* signature :
         {"Log10 x", "RadiationResistance f h realGround", "GroundLossResistance f h L d",
          "ConductorLossResistance L d f sigma", "WireShorteningPercent f d",
          "HeightShorteningPercent f h realGround", "InsulationShortening epsR D dc Vf",
          "ResonantDipoleLength k Vf s f", "wire diameter in m\n", "m/(ohm mm^2)"}) {
      QVERIFY2(r.out.contains(QString::fromLatin1(signature)), signature);
    }
  }
};

QTEST_GUILESS_MAIN(FormulaCommandTest)
#include "formula_command_test.moc"
