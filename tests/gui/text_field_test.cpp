// The name field: suggestion, accepted characters, length, Backspace and Enter.
#include "text_field_control.h"

#include "gui_fixture.h"

namespace {

class TextFieldTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        field_ = TextFieldControl::Create(512, 300, 320, "Broderick");
        field_->Activate(0);
        ok_ = Button::Create(512, 400, 0, "", 0, [this](Button* b) {
            ++confirms_;
            confirm_button_ = b;
        });
        field_->b = ok_;
    }
    // Types the text, one character per frame, as the game reads it.
    void Type(const std::string& text) {
        InjectChars(text);
        for (size_t i = 0; i < text.size(); ++i) field_->Update(1);
    }

    std::shared_ptr<TextFieldControl> field_;
    std::shared_ptr<Button> ok_;
    int confirms_ = 0;
    Button* confirm_button_ = reinterpret_cast<Button*>(1);
};

TEST_F(TextFieldTest, StartsWithTheSuggestionUntouched) {
    EXPECT_EQ(field_->h, 24);
    EXPECT_EQ(field_->length, 16);
    field_->Update(1);
    EXPECT_EQ(field_->text, "Broderick");
    EXPECT_EQ(field_->touched, 0);
    EXPECT_EQ(ok_->active, 1);  // a suggestion is a usable name
}

TEST_F(TextFieldTest, FirstKeyReplacesTheSuggestion) {
    Type("M");
    EXPECT_EQ(field_->text, "M");
    EXPECT_EQ(field_->touched, 1);
}

TEST_F(TextFieldTest, FirstKeyClearsTheSuggestionEvenWhenItIsBackspace) {
    Type("\b");
    EXPECT_EQ(field_->text, "");
    field_->Update(1);
    EXPECT_EQ(ok_->active, 0);  // nothing to confirm
    Type("Ada\b\b");
    EXPECT_EQ(field_->text, "A");
    Type("\b\b\b");
    EXPECT_EQ(field_->text, "");
}

TEST_F(TextFieldTest, OnlyNameCharactersAreAccepted) {
    Type(" Jo-e_!9 x.,/\xE9?");
    EXPECT_EQ(field_->text, "Jo-e_!9 x");  // leading space, punctuation and accents refused
}

TEST_F(TextFieldTest, LeadingSpaceIsRefusedButInnerSpacesStay) {
    Type("  Mary Ann");
    EXPECT_EQ(field_->text, "Mary Ann");
}

TEST_F(TextFieldTest, InputStopsAtTheLength) {
    Type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(field_->text, "abcdefghijklmnop");
    field_->length = 4;
    Type(std::string(16, '\b') + "wxyz12");
    EXPECT_EQ(field_->text, "wxyz");
}

TEST_F(TextFieldTest, EnterWithTextConfirmsWithoutAButton) {
    Type("Tess\n");
    EXPECT_EQ(confirms_, 1);
    EXPECT_EQ(confirm_button_, nullptr);
    Type("\r");
    EXPECT_EQ(confirms_, 2);
    EXPECT_EQ(field_->text, "Tess");
}

TEST_F(TextFieldTest, EnterWithEmptyTextDoesNothing) {
    Type("\b\n");
    EXPECT_EQ(confirms_, 0);
    field_->b = nullptr;
    Type("Bo\n");  // no confirm button: Enter is ignored
    EXPECT_EQ(field_->text, "Bo");
}

TEST_F(TextFieldTest, ConfirmButtonIsActiveExactlyWhileThereIsText) {
    Type("\b");
    field_->Update(1);
    EXPECT_EQ(ok_->active, 0);
    Type("Z");
    field_->Update(1);
    EXPECT_EQ(ok_->active, 1);
}

TEST_F(TextFieldTest, OneCharacterIsTakenPerFrame) {
    InjectChars("abc");
    field_->Update(1);
    EXPECT_EQ(field_->text, "a");
    field_->Update(1);
    field_->Update(1);
    EXPECT_EQ(field_->text, "abc");
}

}  // namespace

// "Bob" and Enter typed while no field is open (during the splash, say) must not fill the next
// field and confirm it; nor does a field that has been closed keep taking keys.
TEST(TextFieldFocus, KeysTypedWhileNoFieldIsOpenAreDropped) {
    FlushChars();
    int confirms = 0;
    auto ok = Button::Create(512, 400, 0, "", 0, [&](Button*) { ++confirms; });
    auto first = TextFieldControl::Create(512, 300, 320, "Elden");
    first->Activate(0);
    first->Deactivate(0);
    InjectChars("Bob\n");
    auto next = TextFieldControl::Create(512, 300, 320, "Jere");
    next->Activate(0);
    next->b = ok;
    for (int i = 0; i < 5; ++i) next->Update(1);
    EXPECT_EQ(next->text, "Jere");
    EXPECT_EQ(next->touched, 0);
    EXPECT_EQ(confirms, 0);
    // Once open, the field takes what is typed.
    InjectChars("Al");
    next->Update(1);
    next->Update(1);
    EXPECT_EQ(next->text, "Al");
    next.reset();  // a field that is gone gives the keyboard back
    InjectChars("x");
    EXPECT_EQ(GetChar(), 0);
}
