// The curve engine on arbitrary requests and plot sizes from 0 x 0 up to an 8K screen in twips.
// Every run must end, draw within the bound its layout allows, never hand a non-finite
// coordinate or a non-numeric tick label to the surface, warn exactly once for an unknown curve
// name, and draw the same picture again when the request it left behind is redrawn.
#include <cstdint>
#include <string>
#include <string_view>

#include "curves/curve_types.h"
#include "curves/draw_curve.h"
#include "curves/frm_eingabe.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"
#include "headless/headless_platform.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"

namespace velmora::fuzz {
namespace {

constexpr double kMaxWidth = 7680 * kTwipsPerPixel;  // an 8K screen
constexpr double kMaxHeight = 4320 * kTwipsPerPixel;

constexpr std::string_view kNames[] = {kCurveVfF, kCurveVfD, kCurveVfH, kCurveRs,
                                       kCurveQaH, kCurveQaD, kCurveZ,   kCurveRve};

std::string CurveName(Input& in) {
  const std::uint8_t pick = in.Byte() % 11;
  if (pick < 8) return std::string(kNames[pick]);
  if (pick == 8) return "Combo1";
  if (pick == 9) return "";
  return in.Text(24);
}

// Mostly the sizes a window has, sometimes any size up to the 8K screen.
void PlotSize(Input& in, double& w, double& h) {
  switch (in.Byte() % 6) {
    case 0:
      w = h = 0;
      return;
    case 1:
      w = 7752, h = 3135;
      return;
    case 2:
      w = 3840 * kTwipsPerPixel, h = 2160 * kTwipsPerPixel;
      return;
    case 3:
      w = kMaxWidth, h = kMaxHeight;
      return;
    default: {
      // Small plots run fast, so most sizes are small; in sixteenths of a twip, since a window's
      // size in device pixels need not be whole twips.
      const int shift = in.Byte() % 10;
      const auto maxW = static_cast<std::uint32_t>(kMaxWidth) * 16 >> shift;
      const auto maxH = static_cast<std::uint32_t>(kMaxHeight) * 16 >> shift;
      w = (in.Take<std::uint32_t>() % (maxW + 1)) / 16.0;
      h = (in.Take<std::uint32_t>() % (maxH + 1)) / 16.0;
    }
  }
}

struct DialogState {
  std::string choice;
  std::string text7, text8, text9;
  int freeSpace = 0;
  std::string freeSpaceCaption;
};

struct RunResult {
  DisplayList image;
  CurveTrace trace;
  std::string status;
  std::size_t messages = 0;
};

RunResult RunOnce(CurveRequest& request, const DialogState& state, double w, double h,
                  double lineHeight, char separator, std::int32_t savedHandle) {
  HeadlessPlatform platform;
  platform.decimalSeparator = separator;
  RetainedSurface surface(w, h, lineHeight);
  FrmEingabe dialog(platform);
  dialog.Load();
  dialog.Combo1.text = state.choice;
  dialog.Text7.text = state.text7;
  dialog.Text8.text = state.text8;
  dialog.Text9.text = state.text9;
  dialog.Check1.value = state.freeSpace;
  dialog.Check1.caption = state.freeSpaceCaption;
  MenuItem fileNew("mnuFileNew"), viewRefresh("mnuViewRefresh"), filePrint("mnuFilePrint");
  std::int16_t curveShown = 0;
  RunResult result;
  CurveContext context{platform,  surface,    dialog,      fileNew,      viewRefresh,
                       filePrint, curveShown, savedHandle, &result.trace};
  DrawCurve(request, context);

  Require(!dialog.loaded, "the run leaves the dialog loaded");
  Require(curveShown == -1, "the run does not mark the curve shown");
  Require(request.curveName == state.choice, "the request does not take the dialog's choice");
  Require(request.xUnit.find('[') != std::string::npos, "x unit without bracket");
  Require(request.yUnit.empty() || request.yUnit.find('[') != std::string::npos,
          "y unit without bracket");
  const bool known = CurveTypeOf(state.choice) != CurveType::kUnknown;
  Require(platform.messages.size() == (known ? 0u : 1u), "wrong number of messages");
  if (!known) {
    Require(platform.messages[0].text == "Falscher Operator !", "message text");
    Require(platform.statusText == " Falsche Formel !", "status for an unknown curve");
    Require(result.trace.points.empty(), "points drawn for an unknown curve");
  }
  Require(platform.doEventsCalls == 1, "the run lets events in once");
  CheckDrawing(surface.Image(), result.trace, separator);
  result.image = surface.Image();
  result.status = platform.statusText;
  result.messages = platform.messages.size();
  return result;
}

// A second run changes the Y full scale again only where the factor 100 rule still applies.
bool FullScaleSettled(std::int16_t y) {
  return y > 1 || y == 0 || static_cast<int>(y) * 100 < -32768;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  Input in(data, size);

  CurveRequest request;
  request.curveName = CurveName(in);
  request.yFullScale = in.Take<std::int16_t>();
  request.xFullScale = in.Take<std::int16_t>();
  request.value1Text = ValueText(in);
  request.value2Text = ValueText(in);
  request.value3Text = ValueText(in);
  request.materialText = in.Byte() & 1 ? "56 Cu" : ValueText(in);
  request.yName = in.Text(12);
  request.xName = in.Text(12);
  request.yUnit = in.Text(8);
  request.xUnit = in.Text(8);

  DialogState state;
  // The engine takes the curve from the dialog; mostly it is the request's own.
  state.choice = in.Byte() % 4 != 0 ? request.curveName : CurveName(in);
  state.text7 = request.value1Text;
  state.text8 = request.value2Text;
  state.text9 = request.value3Text;
  state.freeSpace = in.Byte() & 1;
  state.freeSpaceCaption = in.Byte() % 8 != 0 ? "Freiraum" : "";

  double w = 0, h = 0;
  PlotSize(in, w, h);
  const double lineHeight = in.Byte() % 4 != 0 ? kDefaultLineHeightTwips : in.Byte() * 8.0;
  const char separator = in.Byte() & 1 ? '.' : ',';
  const std::int32_t savedHandle = in.Byte() % 3;

  const RunResult first = RunOnce(request, state, w, h, lineHeight, separator, savedHandle);
  if (!FullScaleSettled(request.yFullScale)) return 0;
  const CurveRequest settled = request;
  const RunResult second = RunOnce(request, state, w, h, lineHeight, separator, savedHandle);
  Require(request == settled, "a redraw changes the request again");
  Require(first.image.items == second.image.items && first.image.texts == second.image.texts,
          "a redraw draws another picture");
  Require(first.status == second.status, "a redraw shows another title");
  return 0;
}
