// velmora-calc curve: draws one curve the way a user would. First use of the curve dialog (load,
// activation), pick the type, type the values into their boxes, press OK; the curve command
// takes them over and runs the curve engine on a plot of the given size.
#include "curves/curve_command.h"

#include <QFile>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "formulas/numtext.h"
#include "platform/controls.h"
#include "desktop/qt_surface.h"
#include "headless/headless_platform.h"
#include "platform/retained_surface.h"
#include "single/typing.h"

namespace velmora::cli {
namespace {

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

const char* const kBoxOptions[] = {"value1", "value2",       "value3", "material", "y-name",
                                   "y-unit", "y-full-scale", "x-name", "x-unit",   "x-full-scale"};

std::string Help() {
  return "velmora-calc curve [OPTIONS]\n"
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
         "  Status 2 for a refused character, a value for a box the type hides, or a full\n"
         "  scale beyond 16 bits; 3 when the engine does not know the curve type.\n";
}

bool ParsePlotSize(const std::string& text, Options& options) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  int w = 0;
  int h = 0;
  const char* begin = text.data();
  const auto r1 = std::from_chars(begin, begin + x, w);
  const auto r2 = std::from_chars(begin + x + 1, begin + text.size(), h);
  if (r1.ec != std::errc() || r1.ptr != begin + x || r2.ec != std::errc() ||
      r2.ptr != begin + text.size() || w < 1 || h < 1 || w > 1000000 || h > 1000000) {
    return false;
  }
  options.width = w;
  options.height = h;
  return true;
}

// Reads the arguments; on a usage error writes it and returns nullopt.
std::optional<Options> Parse(const QStringList& args) {
  Options options;
  for (int i = 0; i < args.size(); ++i) {
    std::string arg = args[i].toStdString();
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      arg.resize(eq);
    }
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 >= args.size()) {
        Err("velmora-calc curve: " + arg + " needs a value");
        return std::nullopt;
      }
      return args[++i].toStdString();
    };
    if (arg == "--free-space" || arg == "--decimal-point") {
      if (inlineValue) {
        Err("velmora-calc curve: " + arg + " takes no value");
        return std::nullopt;
      }
      if (arg == "--free-space") {
        options.entries.push_back({"free-space", ""});
      } else {
        options.decimalPoint = true;
      }
      continue;
    }
    const auto v = value();
    if (!v) return std::nullopt;
    if (arg == "--type") {
      options.type = *v;
    } else if (arg == "--plot-size") {
      if (!ParsePlotSize(*v, options)) {
        Err("velmora-calc curve: --plot-size wants WIDTHxHEIGHT in twips, e.g. 7752x3135");
        return std::nullopt;
      }
    } else if (arg == "--format") {
      if (*v == "png") {
        options.format = Format::kPng;
      } else if (*v == "svg") {
        options.format = Format::kSvg;
      } else if (*v == "pdf") {
        options.format = Format::kPdf;
      } else if (*v == "csv") {
        options.format = Format::kCsv;
      } else if (*v == "json") {
        options.format = Format::kJson;
      } else {
        Err("velmora-calc curve: unknown format '" + *v + "' (png, svg, pdf, csv, json)");
        return std::nullopt;
      }
    } else if (arg == "--dpi") {
      int dpi = 0;
      const auto r = std::from_chars(v->data(), v->data() + v->size(), dpi);
      if (r.ec != std::errc() || r.ptr != v->data() + v->size() || dpi < 24 || dpi > 1200) {
        Err("velmora-calc curve: --dpi wants a whole number from 24 to 1200");
        return std::nullopt;
      }
      options.dpi = dpi;
    } else if (arg == "-o") {
      options.output = *v;
    } else {
      bool known = false;
      for (const char* name : kBoxOptions) {
        if (arg == std::string("--") + name) {
          options.entries.push_back({name, *v});
          known = true;
        }
      }
      if (!known) {
        Err("velmora-calc curve: unknown option '" + arg + "' (try velmora-calc curve --help)");
        return std::nullopt;
      }
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
    error_ = "velmora-calc curve: " + message;
    return false;
  }

  bool Type(FrmEingabe& dlg, TextBox& box, const Entry& entry) {
    if (!box.visible) {
      return Fail("--" + entry.option + ": the box " + box.name + " is hidden for \"" +
                  dlg.Combo1.text + "\"");
    }
    const ControlEvents& events = EventsOf(dlg.Controls(), box);
    if (entry.value.empty()) {
      box.text.clear();
    } else {
      const TypingResult typed = TypeKeys(box, entry.value, events, TypingMode::kReplace);
      if (!typed.AllAccepted()) {
        return Fail("--" + entry.option + ": the box " + box.name + " refuses '" +
                    typed.refusedChar + "' (it takes digits, ',' and '.')");
      }
    }
    if (events.lostFocus) events.lostFocus();
    return true;
  }

  bool Enter(FrmEingabe& dlg, const Entry& entry) {
    const std::string& o = entry.option;
    if (o == "value1") return Type(dlg, dlg.Text7, entry);
    if (o == "value2") return Type(dlg, dlg.Text8, entry);
    if (o == "value3") return Type(dlg, dlg.Text9, entry);
    if (o == "y-name") return Type(dlg, dlg.Text1, entry);
    if (o == "y-unit") return Type(dlg, dlg.Text2, entry);
    if (o == "y-full-scale") return Type(dlg, dlg.Text3, entry);
    if (o == "x-name") return Type(dlg, dlg.Text4, entry);
    if (o == "x-unit") return Type(dlg, dlg.Text5, entry);
    if (o == "x-full-scale") return Type(dlg, dlg.Text6, entry);
    if (o == "free-space") {
      if (!dlg.Check1.visible) {
        return Fail("--free-space: the box Check1 is hidden for \"" + dlg.Combo1.text + "\"");
      }
      dlg.Check1.value = 1;
      return true;
    }
    // The material box: a list entry counts as picked, anything else as typed.
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

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

template <typename T>
std::string JsonNumber(T value) {
  if (!std::isfinite(value)) return "null";
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string Json(const CurveCommand& command, const CurveTrace& trace,
                 const HeadlessPlatform& platform) {
  const CurveLayout& l = trace.layout;
  std::string j = "{\n\"layout\":{";
  j += "\"m\":" + std::to_string(l.m) + ",\"uy\":" + std::to_string(l.uy) +
       ",\"ux\":" + std::to_string(l.ux) + ",\"y0\":" + std::to_string(l.y0) +
       ",\"k0\":" + std::to_string(l.k0) + ",\"kx\":" + std::to_string(l.kx) +
       ",\"N\":" + std::to_string(l.N) + ",\"T\":" + std::to_string(l.T) +
       ",\"Y\":" + std::to_string(l.Y) + ",\"X\":" + std::to_string(l.X) +
       ",\"percent\":" + (l.percent ? "true" : "false") + "},\n";
  auto ticks = [&j](const char* name, const std::vector<CurveTrace::Tick>& list) {
    j += std::string("\"") + name + "\":[";
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i > 0) j += ",";
      j += "{\"k\":" + std::to_string(list[i].k) +
           ",\"label\":" + (list[i].label ? JsonString(*list[i].label) : "null") + "}";
    }
    j += "],\n";
  };
  ticks("yTicks", trace.yTicks);
  ticks("xTicks", trace.xTicks);
  j += "\"points\":[";
  for (std::size_t i = 0; i < trace.points.size(); ++i) {
    const auto& p = trace.points[i];
    if (i > 0) j += ",";
    j += "[" + std::to_string(p.p) + "," + JsonNumber(p.x) + "," + JsonNumber(p.y) + "]";
  }
  j += "],\n\"title\":" + JsonString(platform.statusText) + ",\n\"messages\":[";
  for (std::size_t i = 0; i < platform.messages.size(); ++i) {
    const RecordedMessage& m = platform.messages[i];
    if (i > 0) j += ",";
    j += "{\"text\":" + JsonString(m.text) + ",\"title\":" + JsonString(m.title) +
         ",\"style\":" + std::to_string(m.style) + "}";
  }
  const CurveRequest& r = command.request;
  j += "],\n\"request\":{\"value1Caption\":" + JsonString(r.value1Caption) +
       ",\"value2Caption\":" + JsonString(r.value2Caption) +
       ",\"value3Caption\":" + JsonString(r.value3Caption) + ",\"yName\":" + JsonString(r.yName) +
       ",\"xName\":" + JsonString(r.xName) + ",\"yUnit\":" + JsonString(r.yUnit) +
       ",\"xUnit\":" + JsonString(r.xUnit) + ",\"yFullScale\":" + std::to_string(r.yFullScale) +
       ",\"xFullScale\":" + std::to_string(r.xFullScale) +
       ",\"curveName\":" + JsonString(r.curveName) + ",\"value1Text\":" + JsonString(r.value1Text) +
       ",\"value2Text\":" + JsonString(r.value2Text) +
       ",\"value3Text\":" + JsonString(r.value3Text) +
       ",\"materialText\":" + JsonString(r.materialText) + "}\n}\n";
  return j;
}

std::string Csv(const CurveRequest& request, const CurveTrace& trace, char decimalSeparator) {
  // With a decimal comma the fields are separated by semicolons, as spreadsheets here expect.
  const char fieldSeparator = decimalSeparator == ',' ? ';' : ',';
  auto axis = [](const std::string& name, const std::string& unit) {
    return unit.empty() ? name : name + " " + unit;
  };
  auto field = [fieldSeparator](const std::string& text) {
    if (text.find_first_of("\";,\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
  };
  std::string out = field(axis(request.xName, request.xUnit)) + fieldSeparator +
                    field(axis(request.yName, request.yUnit)) + "\n";
  for (const auto& s : trace.samples) {
    out += FormatGeneral(s.x, decimalSeparator);
    out += fieldSeparator;
    if (std::isfinite(s.y)) out += FormatGeneral(s.y, decimalSeparator);
    out += '\n';
  }
  return out;
}

int Write(const QByteArray& bytes, const std::string& path) {
  if (path.empty()) {
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
      Err("velmora-calc curve: standard output could not be written");
      return kExitFailure;
    }
    return kExitOk;
  }
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    Err("velmora-calc curve: cannot write " + path + ": " + file.errorString().toStdString());
    return kExitFailure;
  }
  return kExitOk;
}

int Run(const QStringList& args) {
  const std::optional<Options> parsed = Parse(args);
  if (!parsed) return kExitUsage;
  const Options& options = *parsed;

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

  if (!user.error().empty()) {
    Err(user.error());
    return kExitUsage;
  }
  if (command.curveShown == 0) {  // the take-over refused the input: nothing was drawn
    for (const RecordedMessage& m : platform.messages) Err("velmora-calc curve: " + m.text);
    return kExitUsage;
  }

  QByteArray bytes;
  switch (options.format) {
    case Format::kJson:
      bytes = QByteArray::fromStdString(Json(command, trace, platform));
      break;
    case Format::kCsv:
      bytes = QByteArray::fromStdString(Csv(command.request, trace, platform.decimalSeparator));
      break;
    case Format::kPng:
    case Format::kSvg:
    case Format::kPdf: {
      const qt::PlotFormat format = options.format == Format::kPng   ? qt::PlotFormat::kPng
                                    : options.format == Format::kSvg ? qt::PlotFormat::kSvg
                                                                     : qt::PlotFormat::kPdf;
      bytes = qt::ExportPlot(surface.Image(), platform.statusText, format, options.dpi);
      if (bytes.isEmpty()) {
        Err("velmora-calc curve: the picture could not be produced");
        return kExitFailure;
      }
      break;
    }
  }
  const int written = Write(bytes, options.output);
  if (written != kExitOk) return written;
  for (const RecordedMessage& m : platform.messages) Err("velmora-calc curve: " + m.text);
  return platform.messages.empty() ? kExitOk : kExitFormulaFailed;
}

const bool registered = Register({"curve", "draw one curve (png, svg, pdf, csv, json)", Help, Run});

}  // namespace
}  // namespace velmora::cli
