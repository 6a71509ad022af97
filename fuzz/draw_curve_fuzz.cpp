// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "headless/headless_platform.h"

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

// What the run finds besides the request: the dialog's boxes and the plot.
struct Setup {
  std::string choice;  // the engine takes the curve from the dialog; mostly the request's own
  std::string text7, text8, text9, freeSpaceCaption;
  int freeSpace = 0;
  double w = 0, h = 0, lineHeight = kDefaultLineHeightTwips;
  char separator = ',';
  std::int32_t savedHandle = 0;
};

// Mostly the sizes a window has, sometimes any size up to the 8K screen.
void PlotSize(Input& in, Setup& s) {
  const double sizes[][2] = {{0, 0},
                             {7752, 3135},
                             {3840 * kTwipsPerPixel, 2160 * kTwipsPerPixel},
                             {kMaxWidth, kMaxHeight}};
  const int pick = in.Byte() % 6;
  if (pick < 4) {
    s.w = sizes[pick][0], s.h = sizes[pick][1];
    return;
  }
  // Small plots run fast, so most sizes are small; in sixteenths of a twip, since a window's size
  // in device pixels need not be whole twips.
  const int shift = in.Byte() % 10;
  const auto maxW = static_cast<std::uint32_t>(kMaxWidth) * 16 >> shift;
  const auto maxH = static_cast<std::uint32_t>(kMaxHeight) * 16 >> shift;
  s.w = (in.Take<std::uint32_t>() % (maxW + 1)) / 16.0;
  s.h = (in.Take<std::uint32_t>() % (maxH + 1)) / 16.0;
}

struct Drawn {
  DisplayList image;
  std::string status;
};

Drawn Draw(CurveRequest& request, const Setup& s) {
  HeadlessPlatform platform;
  platform.decimalSeparator = s.separator;
  RetainedSurface surface(s.w, s.h, s.lineHeight);
  FrmEingabe dialog(platform);
  dialog.Load();
  dialog.Combo1.text = s.choice;
  dialog.Text7.text = s.text7;
  dialog.Text8.text = s.text8;
  dialog.Text9.text = s.text9;
  dialog.Check1.value = s.freeSpace;
  dialog.Check1.caption = s.freeSpaceCaption;
  MenuItem fileNew("mnuFileNew"), viewRefresh("mnuViewRefresh"), filePrint("mnuFilePrint");
  std::int16_t curveShown = 0;
  CurveTrace trace;
  CurveContext context{platform,  surface,    dialog,        fileNew, viewRefresh,
                       filePrint, curveShown, s.savedHandle, &trace};
  DrawCurve(request, context);
  const bool known = CurveTypeOf(s.choice) != CurveType::kUnknown;
  Require(platform.messages.size() == (known ? 0u : 1u), "not one warning for an unknown curve");
  CheckDrawing(surface.Image(), trace, s.separator);
  return {surface.Image(), platform.statusText};
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

  Setup s;
  s.choice = in.Byte() % 4 != 0 ? request.curveName : CurveName(in);
  s.text7 = request.value1Text;
  s.text8 = request.value2Text;
  s.text9 = request.value3Text;
  s.freeSpace = in.Byte() & 1;
  s.freeSpaceCaption = in.Byte() % 8 != 0 ? "Freiraum" : "";
  PlotSize(in, s);
  if (in.Byte() % 4 == 0) s.lineHeight = in.Byte() * 8.0;
  s.separator = in.Byte() & 1 ? '.' : ',';
  s.savedHandle = in.Byte() % 3;

  const Drawn first = Draw(request, s);
  // A second run changes the Y full scale again only where the factor 100 rule still applies.
  const std::int16_t y = request.yFullScale;
  if (!(y > 1 || y == 0 || static_cast<int>(y) * 100 < -32768)) return 0;
  const CurveRequest settled = request;
  const Drawn second = Draw(request, s);
  Require(request == settled, "a redraw changes the request again");
  Require(first.image.items == second.image.items && first.image.texts == second.image.texts &&
              first.status == second.status,
          "a redraw draws another picture");
  return 0;
}
