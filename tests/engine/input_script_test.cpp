#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input.h"
#include "input_script.h"

namespace {
std::vector<std::string> shots;
bool RecordShot(const std::string& path) {
    shots.push_back(path);
    return true;
}
}  // namespace

TEST(InputScriptTest, ParsesEveryCommand) {
    InputScript s;
    std::string error;
    ASSERT_TRUE(s.Parse("# a comment\n\nwait 3\nmove 10 20\ndown\nup\nclick 5 6\nwheel -2\n"
                        "key escape down\nkey escape up\ntype Ann\\n\nscreenshot out/a b.png\nquit\nstep 2.5\n",
                        &error))
        << error;
    const auto& c = s.Commands();
    ASSERT_EQ(c.size(), 17u);
    EXPECT_EQ(c[0].kind, ScriptCommand::Wait);
    EXPECT_EQ(c[0].a, 3);
    EXPECT_EQ(c[1].kind, ScriptCommand::Move);
    EXPECT_EQ(c[4].kind, ScriptCommand::Move);  // click: move, wait 1, down, wait 2, up, wait 2
    EXPECT_EQ(c[5].a, 1);
    EXPECT_EQ(c[6].kind, ScriptCommand::Down);
    EXPECT_EQ(c[7].a, 2);
    EXPECT_EQ(c[8].kind, ScriptCommand::Up);
    EXPECT_EQ(c[10].kind, ScriptCommand::Wheel);
    EXPECT_EQ(c[10].a, -2);
    EXPECT_EQ(c[13].text, "Ann\r");
    EXPECT_EQ(c[14].text, "out/a b.png");
    EXPECT_EQ(c[15].kind, ScriptCommand::Quit);
    EXPECT_EQ(c[16].kind, ScriptCommand::Step);
    EXPECT_FLOAT_EQ(c[16].step, 2.5f);
}

TEST(InputScriptTest, RejectsBadLinesWithTheLineNumber) {
    InputScript s;
    std::string error;
    EXPECT_FALSE(s.Parse("wait 1\njump 3\n", &error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(s.Parse("move 10\n", &error));
    EXPECT_FALSE(s.Parse("wait -4\n", &error));
    EXPECT_FALSE(s.Parse("key enter down\n", &error));
    EXPECT_FALSE(s.Parse("screenshot\n", &error));
    EXPECT_FALSE(s.Parse("step 21\n", &error));
    EXPECT_FALSE(s.Parse("step -1\n", &error));
    EXPECT_FALSE(s.Parse("step fast\n", &error));
}

TEST(InputScriptTest, WaitLetsExactlyNFramesPass) {
    InputScript s;
    std::string error;
    ASSERT_TRUE(s.Parse("move 1 1\nwait 3\nmove 2 2\nclick 7 8\nscreenshot x.png\n", &error));
    shots.clear();
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 1: move 1 1, then waiting
    EXPECT_EQ(s.MouseX(), 1);
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 2
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 3
    EXPECT_EQ(s.MouseX(), 1);
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 4: move 2 2, click's move; the pointer rests a frame
    EXPECT_EQ(s.MouseX(), 7);
    EXPECT_EQ(MouseDown(1), 0);
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 5: the press, then wait 2
    EXPECT_EQ(MouseDown(1), 1);
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 6: still pressed
    EXPECT_EQ(MouseDown(1), 1);
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 7: released, wait 2
    EXPECT_EQ(MouseDown(1), 0);
    EXPECT_TRUE(shots.empty());
    EXPECT_TRUE(s.Advance(RecordShot));  // frame 8
    EXPECT_FALSE(s.Advance(RecordShot));  // frame 9: screenshot, then the script ends
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0], "x.png");
    EXPECT_TRUE(s.Finished());
}

TEST(InputScriptTest, TypedTextAndEscapeReachTheInput) {
    InputScript s;
    std::string error;
    SetTextFocus(&s);  // typed characters reach only an open text field
    ASSERT_TRUE(s.Parse("type ab\\b\\n\nkey escape down\n", &error));
    s.Advance(nullptr);
    EXPECT_EQ(GetChar(), 'a');
    EXPECT_EQ(GetChar(), 'b');
    EXPECT_EQ(GetChar(), 8);
    EXPECT_EQ(GetChar(), 13);
    EXPECT_EQ(GetChar(), 0);
    ReleaseTextFocus(&s);
    EXPECT_EQ(KeyDown(27), 1);
    InjectEscape(false);
    EXPECT_EQ(KeyDown(27), 0);
}

TEST(InputScriptTest, StepSetsTheTimeStepUntilStepZero) {
    InputScript s;
    std::string error;
    ASSERT_TRUE(s.Parse("step 20\nwait 2\nstep 0\nwait 1\n", &error)) << error;
    EXPECT_FLOAT_EQ(s.TimeStep(), 0);
    s.Advance(nullptr);
    EXPECT_FLOAT_EQ(s.TimeStep(), 20);
    s.Advance(nullptr);
    EXPECT_FLOAT_EQ(s.TimeStep(), 20);
    s.Advance(nullptr);
    EXPECT_FLOAT_EQ(s.TimeStep(), 0);
}
