// SPDX-License-Identifier: GPL-3.0-or-later
// The state of a form's controls, as plain data. Form models own these; the Qt binding mirrors
// them into widgets after every event and routes widget events back into the model's handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class RetainedSurface;

// Positions and sizes are in twips (1/1440 inch), relative to the containing control.
struct Control {
  explicit Control(std::string controlName) : name(std::move(controlName)) {}
  std::string name;
  bool visible = true;
  bool enabled = true;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;
  std::string toolTip;
};

// Sets a control's design place (twips) and its place in the focus order (-1: none).
inline void Place(Control& control, int left, int top, int width, int height, int tabIndex = -1) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.tabIndex = tabIndex;
}

struct TextBox : Control {
  using Control::Control;
  std::string text;
  int maxLength = 0;  // characters a user can type or paste in; 0: no limit
};

struct Label : Control {
  using Control::Control;
  std::string caption;
};

// An editable drop-down box: the text may be an item of the list or anything typed.
struct ComboBox : Control {
  using Control::Control;
  std::string text;
  std::vector<std::string> items;
  bool listOnly = false;  // a drop-down list: only its items can be picked, nothing typed
  void AddItem(std::string item) { items.push_back(std::move(item)); }
};

struct CheckBox : Control {
  using Control::Control;
  std::string caption;
  int value = 0;  // 0 unticked, 1 ticked
};

struct Frame : Control {
  using Control::Control;
  std::string caption;
};

struct CommandButton : Control {
  using Control::Control;
  std::string caption;
  bool isDefault = false;  // pressed by Enter
  bool isCancel = false;   // pressed by Escape
};

// A timer: its event runs once, `interval` milliseconds after the last Arm(), unless it is
// disabled before.
struct Timer : Control {
  using Control::Control;
  int interval = 0;
  std::uint64_t armed = 0;  // counts the Arm() calls, so the binding sees each one
  void Arm() {
    enabled = true;
    ++armed;
  }
};

struct MenuItem : Control {
  using Control::Control;
  std::string caption;     // with "&" before the access key; "-" for a separator line
  std::string shortcut;    // e.g. "Ctrl+N", "F1"; empty when none
  bool checkable = false;  // a check item, with or without its mark
  bool checked = false;
};

// A plot: its surface's retained image, with the read-out's marker over it (twips from its left
// edge; none: no marker). Its row's pointer, plotKey and click (Ctrl+C) events read it out.
struct PictureBox : Control {
  PictureBox(std::string controlName, RetainedSurface& pictureSurface)
      : Control(std::move(controlName)), surface(&pictureSurface) {}
  RetainedSurface* surface;
  std::optional<double> marker;
};

// Keys that move the read-out's marker while a plot has the focus.
enum class PlotKey { kLeft, kRight, kPageLeft, kPageRight, kFirst, kLast };

// kBusy: a bar that runs to and fro while the control is visible (work with no end known).
enum class ControlKind {
  kFrame,
  kLabel,
  kTextBox,
  kComboBox,
  kCheckBox,
  kCommandButton,
  kBusy,
  kTimer,
  kPicture
};
enum class LabelLook {
  kPlain,    // not a label, or a label without a look of its own
  kCaption,  // row and caption labels: right-aligned
  kLeft,     // left-aligned caption
  kValue,    // result values: window background, single-line border, centred
  kNumber,   // numbers in a table: window background, border, right-aligned
  kHeading,  // a table's column heading: centred
  kNote,     // a warning beside the results: left-aligned, in a warning colour
};

// The handlers a control's events run; an empty one means the event raises nothing.
struct ControlEvents {
  std::function<void()> click;                      // item picked, box ticked, button pressed
  std::function<void(std::int16_t& key)> keyPress;  // set: the box filters typed characters
  std::function<void()> keyUp;                      // any key released in the box
  std::function<void()> lostFocus;
  std::function<void()> change = {};  // the user changed the text of a box or a choice box
  // A picture's read-out: the pointer at x twips (nothing: it left), a marker key.
  std::function<void(std::optional<double> x)> pointer = {};
  std::function<void(PlotKey key)> plotKey = {};
};

// One row of a form's control table: the control, how it is shown, where it sits and what its
// events run. Each form model publishes one table; the widgets, velmora-calc, the tests and the
// fuzzers all read it.
struct ControlEntry {
  ControlEntry(Control* entryControl, ControlKind entryKind, std::string entryContainer = {},
               LabelLook entryLook = LabelLook::kPlain, bool entryBoldCaption = false,
               ControlEvents entryEvents = {})
      : control(entryControl),
        kind(entryKind),
        container(std::move(entryContainer)),
        look(entryLook),
        boldCaption(entryBoldCaption),
        events(std::move(entryEvents)) {}
  Control* control;
  ControlKind kind;
  std::string container;  // the containing frame's name; empty for the form itself
  LabelLook look;
  bool boldCaption;  // frame captions in bold
  ControlEvents events;
};
// Containers come before what they contain.
using ControlTable = std::vector<ControlEntry>;

// The row of a control, or nullptr when the table does not hold it.
inline const ControlEntry* FindEntry(const ControlTable& table, const Control& control) {
  for (const ControlEntry& entry : table) {
    if (entry.control == &control) return &entry;
  }
  return nullptr;
}
// The events of a control; none for a control outside the table.
inline const ControlEvents& EventsOf(const ControlTable& table, const Control& control) {
  static const ControlEvents kNone;
  const ControlEntry* entry = FindEntry(table, control);
  return entry ? entry->events : kNone;
}

// The window-level state every form model shares. A form is "loaded" while its window exists;
// form-level values of the model object itself may outlive an unload.
class Form {
 public:
  explicit Form(std::string formName) : name(std::move(formName)) {}
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  std::string name;
  std::string caption;
  std::string Tag;  // the dialog's result text ("OK", "", "Neu")
  bool visible = false;
  bool loaded = false;
  int width = 0;   // twips
  int height = 0;  // twips

  // Closing a dialog hides it; the command that showed it modally then returns.
  void Hide() { visible = false; }
  // The window is shown modally, before the user sees it.
  virtual void Form_Activate() {}
  // The window's close box: the form decides what it means; it must hide the form.
  // (A window shown without a modal run closes the same way: hidden, it goes.)
  virtual void Form_CloseBox() { Hide(); }
  // A file dropped on the window; taken only where the form names the ending it reads.
  std::string dropSuffix;
  virtual void Form_FileDrop(const std::string& /*path*/) {}
};

}  // namespace velmora
