// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_about.h"

#include <gtest/gtest.h>

#include "platform/version.h"

namespace velmora {
namespace {

TEST(FrmAbout, EveryOpeningStartsFromTheDesignTexts) {
  FrmAbout about;
  for (int opening = 1; opening <= 3; ++opening) {
    SCOPED_TRACE(opening);
    about.Form_Load();
    about.visible = true;
    EXPECT_EQ(about.lblVersion.caption, "Version 1.0.2");
    EXPECT_EQ(about.lblTitle.caption, std::string("Velmora\r\n") + kCopyrightLine);
    // "Anwendung: " must appear once, not once more per opening.
    const std::string& text = about.lblDescription.caption;
    EXPECT_EQ(text.find("Anwendung: "), text.rfind("Anwendung: "));
    about.cmdOK_Click();
    EXPECT_FALSE(about.loaded || about.visible);
  }
}

}  // namespace
}  // namespace velmora
