// The robot's own checks, against ShowBox.exe: the message boxes the programs show are read and
// told apart as they appear on screen.
#include "Scenario.h"

namespace {

using namespace robot;

struct BoxCase {
    const char* argument;
    BoxKind kind;
    int answer;
};

class RobotBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(RobotBoxTest, ReadsKindTextCaptionAndAnswers) {
    const BoxCase& c = GetParam();
    Process process = Process::Start(e2e::StubPath("ShowBox"), e2e::BinFolder(), c.argument);
    const MsgBox box = WaitForMessageBox(process.Id());
    EXPECT_EQ(box.Caption(), "Box caption");
    EXPECT_EQ(box.Text(), "Box text\nsecond line 日本");
    EXPECT_EQ(box.Kind(), c.kind);
    box.Answer(c.answer);
    EXPECT_EQ(process.WaitForExit(), static_cast<DWORD>(c.answer));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RobotBoxTest,
                         ::testing::Values(BoxCase{"error", BoxKind::Error, IDOK},
                                           BoxCase{"warning", BoxKind::Warning, IDOK},
                                           BoxCase{"question", BoxKind::Question, IDNO},
                                           BoxCase{"information", BoxKind::Information, IDOK}),
                         [](const auto& info) { return std::string(info.param.argument); });

} // namespace
