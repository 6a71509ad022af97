#include "shell/frm_about.h"

#include <gtest/gtest.h>

#include "platform/version.h"

namespace velmora {
namespace {

TEST(FrmAbout, LoadFillsTitleVersionAndDescription) {
  FrmAbout about;
  about.Form_Load();
  EXPECT_TRUE(about.loaded);
  EXPECT_EQ(about.caption, "Info Velmora");
  EXPECT_EQ(about.lblVersion.caption, "Version 1.0.2");
  EXPECT_EQ(about.lblTitle.caption, std::string("Velmora\r\n") + kCopyrightLine);
  EXPECT_EQ(about.lblDescription.caption, std::string(FrmAbout::kFreewareLine) +
                                              "\r\n\r\nAnwendung: " + FrmAbout::kDescriptionDesign);
  EXPECT_EQ(about.Label1.caption, "Achtung:");
  EXPECT_FALSE(about.lblDisclaimer.caption.empty());
}

TEST(FrmAbout, EveryOpeningStartsFromTheDesignTexts) {
  FrmAbout about;
  for (int opening = 1; opening <= 3; ++opening) {
    SCOPED_TRACE(opening);
    about.Form_Load();
    about.visible = true;
    // "Anwendung: " must appear once, not once more per opening.
    const std::string& text = about.lblDescription.caption;
    EXPECT_EQ(text.find("Anwendung: "), text.rfind("Anwendung: "));
    about.cmdOK_Click();
    EXPECT_FALSE(about.loaded);
    EXPECT_FALSE(about.visible);
  }
}

}  // namespace
}  // namespace velmora
