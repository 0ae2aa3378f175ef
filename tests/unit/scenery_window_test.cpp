// The scenery buttons of the main window run the register and delete flows between the two busy
// toggles.
#include "app/MainDesign.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "env/Language.h"
#include "framework/headless/HeadlessBackend.h"
#include "tests/unit/SceneryTestSupport.h"
#include "tests/unit/support/Fakes.h"

#include <gtest/gtest.h>

namespace {

using platform::RegRoot;

class SceneryWindowTest : public ::testing::TestWithParam<const MainWindowEdition*> {};

TEST_P(SceneryWindowTest, ButtonsRunTheFlowsWhileBusy) {
    const MainWindowEdition& edition = *GetParam();
    Flag_Busy = false;
    scenery_test::TempDir dir;
    const std::string config = dir.Path("FS9\\scenery.cfg");
    scenery_test::WriteBytes(config, "[General]\r\nTitle=T\r\n\r\n");
    for (const AREA_DEF& row : edition.scenery.AreaCatalogue)
        scenery_test::WriteBytes(dir.Path("Pkg\\") + row.Folder + "\\Scenery\\a.bgl", "");

    test::FakeRegistry registry;
    test::FakeSystem system;
    registry.SetText(RegRoot::LocalMachine, "Software\\Vellmora\\PRQ_DL\\Pellarin2", "Path", dir.Path("Pkg"));
    registry.SetText(RegRoot::LocalMachine,
                     std::string("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\") +
                         (edition.fsIndex == 0 ? "9.0" : "8.0"),
                     "EXE Path", dir.Path("FS9\\"));

    fw::HeadlessBackend backend;
    std::vector<bool> busyAtQuestion;
    const auto answerYes = [&](const fw::HeadlessBackend::Box&) {
        busyAtQuestion.push_back(Flag_Busy && !MainF->Button_End->Enabled() && !MainF->Button_ScnAdd->Enabled());
        return fw::MsgResult::Yes;
    };
    backend.Post([&] {
        backend.AnswerNextBox(answerYes);
        MainF->Button_ScnAdd->UserClick();
    });
    backend.Post([&] {
        EXPECT_FALSE(Flag_Busy);
        EXPECT_TRUE(MainF->Button_ScnDel->Enabled());
        EXPECT_NE(scenery_test::ReadBytes(config).find("Vellmora - ROKJ"), std::string::npos);
        backend.AnswerNextBox(answerYes);
        if (edition.scenery.AskKeepAfcad2)
            backend.AnswerNextBox(answerYes); // keep the AFCAD2 area
        MainF->Button_ScnDel->UserClick();
    });
    fw::TApplication app(backend);
    RunProgram(app, MainContext{edition, registry, system, {}}, {});

    const bool is2004 = edition.scenery.AskKeepAfcad2;
    std::vector<std::string> texts;
    for (const auto& box : backend.Boxes())
        texts.push_back(box.text);
    std::vector<std::string> expected{"May I register the scenery library?",
                                      "Registering the scerery library was completed.",
                                      "May I delete the scenery from your scenery library?"};
    if (is2004)
        expected.push_back("Do you save the scenery area \"Vellmora - AFCAD2\"?\n(If you keep using other "
                           "\"Ambrello\" series,you have to choose \"Yes\".)");
    expected.push_back("Deletion from the scenery library was completed.");
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(busyAtQuestion, std::vector<bool>(is2004 ? 3 : 2, true));
    EXPECT_FALSE(Flag_Busy);
    // What stays is the AFCAD2 area the user kept (FS2004), or nothing of the package.
    EXPECT_EQ(scenery_test::ReadBytes(config).find("Vellmora - ROKJ"), std::string::npos);
    EXPECT_EQ(scenery_test::ReadBytes(config).find("Vellmora - AFCAD2") != std::string::npos, is2004);
    EXPECT_EQ(scenery_test::Exists(dir.Path("FS9\\NewScenery.CFG")), is2004);
}

INSTANTIATE_TEST_SUITE_P(Editions, SceneryWindowTest, ::testing::Values(&kMainWindow2002, &kMainWindow2004),
                         [](const ::testing::TestParamInfo<const MainWindowEdition*>& info) {
                             return "FS" + std::to_string(info.param->year);
                         });

} // namespace
