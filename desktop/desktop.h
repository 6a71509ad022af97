// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program put together: the Qt platform, the plot surface, the main-window model
// and its window with the dialogs. The program and the widget tests build it the same way.
#pragma once

#include <memory>

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "platform/retained_surface.h"
#include "shell/frm_main.h"

namespace velmora::qt {

class Desktop {
 public:
  // Needs the QApplication. Names the settings file's organisation and application.
  Desktop();
  ~Desktop();

  // Program start: the main window's load (stored place and size), then shows it.
  void Start();

  QtPlatform platform;
  RetainedSurface surface;
  FrmMain model;
  MainWindow window;
};

}  // namespace velmora::qt
