// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc curve: draws one curve the way a user would. First use of the curve dialog (load,
// activation), pick the type, type the values into their boxes, press OK; the curve command
// takes them over and runs the curve engine on a plot of the given size.
#include "curves/curve_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "curves/curve_output.h"
#include "desktop/qt_surface.h"
#include "headless/headless_platform.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"
#include "single/typing.h"

namespace velmora::cli {
namespace {

constexpr const char* kName = "curve";

// Where the command line meets the curve dialog: the box each option fills; what typing into it
// runs comes from the dialog's table of controls. Free space and the material are the other two.
struct BoxOption {
  const char* option;
  TextBox FrmEingabe::*box;
};
const BoxOption kBoxOptions[] = {
    {"value1", &FrmEingabe::Text7},       {"value2", &FrmEingabe::Text8},
    {"value3", &FrmEingabe::Text9},       {"y-name", &FrmEingabe::Text1},
    {"y-unit", &FrmEingabe::Text2},       {"y-full-scale", &FrmEingabe::Text3},
    {"x-name", &FrmEingabe::Text4},       {"x-unit", &FrmEingabe::Text5},
    {"x-full-scale", &FrmEingabe::Text6},
};
constexpr const char* kFreeSpace = "free-space";  // ticks Check1
constexpr const char* kMaterial = "material";     // Combo2: a list entry counts as picked

enum class Format { kPng, kSvg, kPdf, kCsv, kJson };

// One box the user fills, in the order given on the command line.
struct Entry {
  std::string option;  // without the leading dashes
  std::string value;
};

struct Options {
  std::optional<std::string> type;
  std::vector<Entry> entries;
  double width = 7752;
  double height = 3135;
  double dpi = 96;
  Format format = Format::kJson;
  std::string output;  // empty: standard output
  bool decimalPoint = false;
};

std::string Help() {
  return Tr(
      "curve",
      "velmora-calc curve [OPTIONS]\n"
      "  Draws one curve as the curve dialog and the curve engine do: the dialog opens with\n"
      "  its defaults, the type is picked, the values are typed (in the order given) and OK\n"
      "  is pressed. An empty value clears its box.\n"
      "  --type TEXT            curve type, e.g. \"Verkürzung Vf bei d\" (default: the\n"
      "                         dialog's first choice)\n"
      "  --value1 V, --value2 V, --value3 V   the boxes Wert 1 to Wert 3\n"
      "  --material TEXT        conductor, e.g. \"35 Al\"\n"
      "  --free-space           tick \"Freiraum\"\n"
      "  --y-name, --y-unit, --y-full-scale, --x-name, --x-unit, --x-full-scale TEXT\n"
      "                         the graph labelling\n"
      "  --plot-size WxH        plot area in twips (default 7752x3135)\n"
      "  --format F             png, svg, pdf (plot with the title under it), csv (x and y of\n"
      "                         every sampled point in axis units), json (default: layout,\n"
      "                         ticks, points set, title, messages, request)\n"
      "  --dpi N                resolution of png and svg (default 96, the screen's)\n"
      "  -o FILE                write to FILE instead of standard output\n"
      "  --decimal-point        numbers with a decimal point instead of a comma\n"
      "  Status 2 for a refused character, a value longer than the 64 characters a numeric\n"
      "  box takes, a value for a box the type hides, a full scale beyond 16 bits, or a png\n"
      "  beyond 16384 pixels a side or 512 MB; 3 when the engine does not know the curve\n"
      "  type.\n");
}

// A whole number from `low` to `high`, nothing else.
std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  int value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

bool ParsePlotSize(const std::string& text, Options& options) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const auto w = WholeNumber(text.substr(0, x), 1, 1000000);
  const auto h = WholeNumber(text.substr(x + 1), 1, 1000000);
  if (!w || !h) return false;
  options.width = *w;
  options.height = *h;
  return true;
}

// Reads the arguments; on a usage error writes it and returns nullopt.
std::optional<Options> Parse(const QStringList& args) {
  QCommandLineParser parser;
  for (const char* name : {"type", kMaterial, "plot-size", "format", "dpi", "o"}) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), "value"));
  }
  for (const BoxOption& box : kBoxOptions) {
    parser.addOption(QCommandLineOption(QString::fromLatin1(box.option), QString(), "value"));
  }
  parser.addOption(QCommandLineOption(kFreeSpace));
  parser.addOption(QCommandLineOption("decimal-point"));
  if (!ParseArguments(parser, kName, args, false)) return std::nullopt;

  Options options;
  if (parser.isSet("type")) options.type = parser.value("type").toStdString();
  options.decimalPoint = parser.isSet("decimal-point");
  options.output = parser.value("o").toStdString();
  if (parser.isSet("plot-size") &&
      !ParsePlotSize(parser.value("plot-size").toStdString(), options)) {
    UsageError(kName, Tr("curve", "--plot-size wants WIDTHxHEIGHT in twips, e.g. 7752x3135"));
    return std::nullopt;
  }
  if (parser.isSet("format")) {
    const std::map<QString, Format> formats = {{"png", Format::kPng},
                                               {"svg", Format::kSvg},
                                               {"pdf", Format::kPdf},
                                               {"csv", Format::kCsv},
                                               {"json", Format::kJson}};
    const auto it = formats.find(parser.value("format"));
    if (it == formats.end()) {
      UsageError(kName, Fill(Tr("curve", "unknown format '%1' (png, svg, pdf, csv, json)"),
                             parser.value("format").toStdString()));
      return std::nullopt;
    }
    options.format = it->second;
  }
  if (parser.isSet("dpi")) {
    const auto dpi = WholeNumber(parser.value("dpi").toStdString(), 24, 1200);
    if (!dpi) {
      UsageError(kName, Tr("curve", "--dpi wants a whole number from 24 to 1200"));
      return std::nullopt;
    }
    options.dpi = *dpi;
  }
  // The boxes in the order the user fills them; an option given twice is typed twice.
  std::map<QString, int> seen;
  for (const QString& name : parser.optionNames()) {
    if (name == kFreeSpace) {
      options.entries.push_back({kFreeSpace, ""});
    } else if (name == kMaterial ||
               std::any_of(std::begin(kBoxOptions), std::end(kBoxOptions),
                           [&name](const BoxOption& box) { return name == box.option; })) {
      options.entries.push_back(
          {name.toStdString(), parser.values(name).at(seen[name]++).toStdString()});
    }
  }
  return options;
}

// What the user does in the dialog; the first problem stops the session (and cancels).
class User {
 public:
  User(const Options& options) : options_(options) {}

  void operator()(FrmEingabe& dlg) {
    dlg.Form_Activate();
    if (options_.type) {
      dlg.Combo1.text = *options_.type;
      dlg.Combo1_Click();
    }
    for (const Entry& entry : options_.entries) {
      if (!Enter(dlg, entry)) {
        dlg.CancelButton_Click();
        return;
      }
    }
    dlg.OKButton_Click();
  }
  const std::string& error() const { return error_; }

 private:
  bool Fail(const std::string& message) {
    error_ = message;
    return false;
  }

  bool Type(FrmEingabe& dlg, const BoxOption& target, const std::string& value) {
    TextBox& box = dlg.*target.box;
    if (!box.visible) {
      return Fail(Fill(Tr("curve", "--%1: the box %2 is hidden for \"%3\""),
                       std::string(target.option), box.name, dlg.Combo1.text));
    }
    const ControlEvents& events = EventsOf(dlg.Controls(), box);
    if (value.empty()) {
      box.text.clear();
    } else {
      const TypingResult typed = TypeKeys(box, value, events, TypingMode::kReplace);
      if (!typed.AllAccepted()) {
        return Fail(
            Fill(Tr("curve", "--%1: the box %2 refuses '%3' (it takes digits, ',' and '.')"),
                 std::string(target.option), box.name, typed.refusedChar));
      }
      if (typed.cutOffCount > 0) {
        return Fail(Fill(Tr("curve", "--%1: the box %2 takes at most %3 characters"),
                         std::string(target.option), box.name, std::to_string(box.maxLength)));
      }
    }
    if (events.lostFocus) events.lostFocus();
    return true;
  }

  bool Enter(FrmEingabe& dlg, const Entry& entry) {
    for (const BoxOption& target : kBoxOptions) {
      if (entry.option == target.option) return Type(dlg, target, entry.value);
    }
    if (entry.option == kFreeSpace) {
      if (!dlg.Check1.visible) {
        return Fail(Fill(Tr("curve", "--%1: the box %2 is hidden for \"%3\""),
                         std::string(kFreeSpace), dlg.Check1.name, dlg.Combo1.text));
      }
      dlg.Check1.value = 1;
      return true;
    }
    dlg.Combo2.text = entry.value;
    for (const std::string& item : dlg.Combo2.items) {
      if (item == entry.value) {
        dlg.Combo2_Click();
        break;
      }
    }
    return true;
  }

  const Options& options_;
  std::string error_;
};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A single-precision coordinate as the shortest text that reads back as the same float.
QJsonValue Number(float value) {
  if (!std::isfinite(value)) return QJsonValue();
  char buffer[32];
  const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value);
  double shortest = 0;
  std::from_chars(buffer, printed.ptr, shortest);
  return shortest;
}

QByteArray Json(const CurveCommand& command, const CurveTrace& trace,
                const HeadlessPlatform& platform) {
  const CurveLayout& l = trace.layout;
  const QJsonObject layout{
      {"m", l.m}, {"uy", l.uy}, {"ux", l.ux}, {"y0", l.y0}, {"k0", l.k0},          {"kx", l.kx},
      {"N", l.N}, {"T", l.T},   {"Y", l.Y},   {"X", l.X},   {"percent", l.percent}};
  auto ticks = [](const std::vector<CurveTrace::Tick>& list) {
    QJsonArray array;
    for (const CurveTrace::Tick& tick : list) {
      array.append(QJsonObject{{"k", tick.k},
                               {"label", tick.label ? QJsonValue(Q(*tick.label)) : QJsonValue()}});
    }
    return array;
  };
  QJsonArray points;
  for (const CurveTrace::SetPoint& p : trace.points) {
    points.append(QJsonArray{p.p, Number(p.x), Number(p.y)});
  }
  QJsonArray messages;
  for (const RecordedMessage& m : platform.messages) {
    messages.append(QJsonObject{{"text", Q(m.text)}, {"title", Q(m.title)}, {"style", m.style}});
  }
  const CurveRequest& r = command.request;
  const QJsonObject request{{"value1Caption", Q(r.value1Caption)},
                            {"value2Caption", Q(r.value2Caption)},
                            {"value3Caption", Q(r.value3Caption)},
                            {"yName", Q(r.yName)},
                            {"xName", Q(r.xName)},
                            {"yUnit", Q(r.yUnit)},
                            {"xUnit", Q(r.xUnit)},
                            {"yFullScale", r.yFullScale},
                            {"xFullScale", r.xFullScale},
                            {"curveName", Q(r.curveName)},
                            {"value1Text", Q(r.value1Text)},
                            {"value2Text", Q(r.value2Text)},
                            {"value3Text", Q(r.value3Text)},
                            {"materialText", Q(r.materialText)}};
  const QJsonObject object{
      {"layout", layout},  {"yTicks", ticks(trace.yTicks)},   {"xTicks", ticks(trace.xTicks)},
      {"points", points},  {"title", Q(platform.statusText)}, {"messages", messages},
      {"request", request}};
  return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

int Run(const QStringList& args) {
  const std::optional<Options> parsed = Parse(args);
  if (!parsed) return kExitUsage;
  const Options& options = *parsed;
  if (options.format == Format::kPng) {
    if (const auto tooLarge =
            qt::PictureTooLarge(qt::PlotPictureSize(options.width, options.height, options.dpi))) {
      return UsageError(kName, Fill(Tr("curve", "--plot-size and --dpi: %1"), *tooLarge));
    }
  }

  HeadlessPlatform platform;
  platform.decimalSeparator = options.decimalPoint ? '.' : ',';
  RetainedSurface surface(options.width, options.height, qt::PlotLineHeightTwips());
  MenuItem fileNew("mnuFileNew"), viewRefresh("mnuViewRefresh"), filePrint("mnuFilePrint");
  CurveCommand command(platform, surface, fileNew, viewRefresh, filePrint);
  CurveTrace trace;
  command.trace = &trace;
  User user(options);
  platform.modalScripts["frmEingabe"] = [&user](Form& form) {
    user(static_cast<FrmEingabe&>(form));
  };
  command.Run();

  if (!user.error().empty()) return UsageError(kName, user.error());
  if (command.curveShown == 0) {  // the take-over refused the input: nothing was drawn
    for (const RecordedMessage& m : platform.messages) UsageError(kName, m.text);
    return kExitUsage;
  }

  QByteArray bytes;
  switch (options.format) {
    case Format::kJson:
      bytes = Json(command, trace, platform);
      break;
    case Format::kCsv:
      bytes =
          QByteArray::fromStdString(CurveCsv(command.request, trace, platform.decimalSeparator));
      break;
    case Format::kPng:
    case Format::kSvg:
    case Format::kPdf: {
      const qt::PlotFormat format = options.format == Format::kPng   ? qt::PlotFormat::kPng
                                    : options.format == Format::kSvg ? qt::PlotFormat::kSvg
                                                                     : qt::PlotFormat::kPdf;
      bytes = qt::ExportPlot(surface.Image(), platform.statusText, format, options.dpi);
      if (bytes.isEmpty()) {
        Err(Tr("curve", "velmora-calc curve: the picture could not be produced"));
        return kExitFailure;
      }
      break;
    }
  }
  if (options.output.empty()) {
    OutBytes(bytes);  // main() checks that it arrived
  } else if (const std::string failure = WriteFile(Q(options.output), bytes); !failure.empty()) {
    Err(Fill(Tr("curve", "velmora-calc curve: cannot write %1: %2"), options.output, failure));
    return kExitFailure;
  }
  for (const RecordedMessage& m : platform.messages) Err("velmora-calc curve: " + m.text);
  return platform.messages.empty() ? kExitOk : kExitFormulaFailed;
}

const bool registered = Register(
    {"curve", QT_TRANSLATE_NOOP("velmora-calc", "draw one curve (png, svg, pdf, csv, json)"), Help,
     Run, true});

}  // namespace
}  // namespace velmora::cli
