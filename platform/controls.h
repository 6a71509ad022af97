// The state of a form's controls, as plain data. Form models own these; the Qt binding mirrors
// them into widgets after every event and routes widget events back into the model's handlers.
#pragma once

#include <string>
#include <vector>

namespace velmora {

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

struct TextBox : Control {
  using Control::Control;
  std::string text;
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

struct MenuItem : Control {
  using Control::Control;
  std::string caption;   // with "&" before the access key; "-" for a separator line
  std::string shortcut;  // e.g. "Ctrl+N", "F1"; empty when none
  bool checked = false;
};

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
};

}  // namespace velmora
