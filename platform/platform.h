// SPDX-License-Identifier: GPL-3.0-or-later
// The outside world as the form models see it: the window system's services. Bound to Qt for
// the program (desktop/) and to a headless double for velmora-calc and the tests (headless/).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formulas/parse.h"

namespace velmora {

class Form;
struct Control;
struct DisplayList;

// Message box styles and answers, combined like the classic style numbers (OK/Cancel + icon).
enum MessageBoxStyle : int {
  kMbOkOnly = 0,
  kMbOkCancel = 1,
  kMbCritical = 16,
  kMbQuestion = 32,
  kMbExclamation = 48,
  kMbInformation = 64,
};
enum MessageBoxAnswer : int { kIdOk = 1, kIdCancel = 2 };

enum class MousePointer { kDefault, kHourglass };

struct PrintOutcome {
  bool ok = true;
  std::string error;  // German description of what failed, when !ok
  // What a failure box says: the printer's own words, or a plain sentence when it gave none.
  std::string Description() const {
    return error.empty() ? "Der Ausdruck ist fehlgeschlagen." : error;
  }
};

// NEC-2's points over a curve as the plot shows them: twips from the image's top-left corner.
struct NecMarks {
  struct Point {
    double x;
    double y;

    bool operator==(const Point&) const = default;
  };
  std::vector<Point> points;
  bool legend = false;  // "Formel" and "NEC-2" top right

  bool operator==(const NecMarks&) const = default;
};

// A curve to export or copy: the plot's retained image with its title, and its points.
struct CurveOutput {
  const DisplayList* image = nullptr;
  NecMarks nec;          // drawn over the image in every picture
  std::string title;     // the curve title, set in a status line under the plot
  std::string csv;       // the points as velmora-calc writes them (--format csv)
  std::string fileName;  // proposed name, without extension: "Vf-bei-Draht-d"
};

// A text file to save where the user says: the dialog's title, the proposed name with its
// suffix, the type's filter ("Touchstone-Datei (*.s1p)") and the content.
struct FileOutput {
  std::string title;
  std::string fileName;
  std::string filter;
  std::string content;
};

struct ExportOutcome {
  enum class Result { kWritten, kCancelled, kFailed };
  Result result = Result::kWritten;
  std::string path;   // the file chosen
  std::string error;  // German reason, when kFailed
};

class Platform : public KeyRefusal {
 public:
  virtual ~Platform() = default;

  // Beep(): the standard system beep. DoEvents(): lets queued window events run before
  // returning (a re-entrancy point).
  // A modal message box; returns kIdOk or kIdCancel.
  virtual int MessageBox(const std::string& text, const std::string& title, int style) = 0;

  // Panel 1 of the main window's status bar.
  virtual std::string StatusText() = 0;
  virtual void SetStatusText(const std::string& text) = 0;

  // The user's locale: decimal separator for number texts, and "now" in the general date-time
  // format (date and time as the locale writes them without an explicit pattern).
  virtual char DecimalSeparator() = 0;
  virtual std::string NowGeneralDateTime() = 0;

  virtual void SetMousePointer(MousePointer pointer) = 0;
  // Gives a control the input focus (the control belongs to a form the binding knows).
  virtual void SetFocus(const Control& control) = 0;

  // Shows a form modally and returns once it is hidden again.
  virtual void ShowModal(Form& form) = 0;
  // Shows a form beside the others and returns at once; it stays until it is hidden.
  virtual void Show(Form& form) = 0;

  // Prints the image of a form (for the main window: its client area) on the default printer.
  virtual PrintOutcome PrintForm(Form& form) = 0;
  // An identification of the default printer, for failure titles; may be empty.
  virtual std::string PrinterName() = 0;

  // Asks for a file (picture or CSV) and writes the curve into it; an existing file is replaced
  // only by a complete new one.
  virtual ExportOutcome ExportCurve(const CurveOutput& curve) = 0;
  // Asks for a file of the output's type and writes it whole, as ExportCurve does.
  virtual ExportOutcome SaveFile(const FileOutput& file) = 0;
  // Asks for a file to read (`filter` as "Touchstone-Datei (*.s1p)"); nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const std::string& title,
                                              const std::string& filter) = 0;
  // Puts the curve on the clipboard: the picture as an image, the CSV as text.
  virtual void CopyCurve(const CurveOutput& curve) = 0;

  // The per-user settings store (application, section, key).
  virtual std::string GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& fallback) = 0;
  virtual void SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace velmora
