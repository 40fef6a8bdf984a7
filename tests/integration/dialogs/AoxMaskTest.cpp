#include <gtest/gtest.h>

#include <QDialog>
#include <QLocale>
#include <QTest>

#include "dialogs/aoxmask.h"

namespace {

// The gain field as the feedback-gain dialog sets it up, with a second control to
// move the focus to.
class GainFieldTest : public testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        edit = new TOxMaskEdit(&window);
        other = new QLineEdit(&window);
        edit->setGeometry(136, 232, 43, 21);
        other->setGeometry(10, 10, 43, 21);
        edit->SetEditMaskStyle(TOxMaskStyle::dBaseStyle);
        edit->SetEditMask("99.9;1; ");
        edit->SetText(" 1.0");
        window.resize(300, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    void TypeAt(int position, const char* keys) {
        edit->setCursorPosition(position);
        QTest::keyClicks(edit, keys);
    }

    QDialog window;
    TOxMaskEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(GainFieldTest, TextKeepsTheLiteralAndTypingOnlyFillsTheDigits) {
    EXPECT_EQ(edit->displayText(), " 1.0");
    EXPECT_EQ(edit->Text(), " 1.0");
    edit->SetText("10.0");
    EXPECT_EQ(edit->displayText(), "10.0");
    EXPECT_EQ(edit->Text(), "10.0");
    edit->SetMaxLength(10);
    EXPECT_EQ(edit->MaxLength(), 4);

    edit->SetText(" 1.0");
    edit->SetEditMask("99.9;0; ");
    EXPECT_EQ(edit->displayText(), " 1.0");  // the new mask keeps what was shown
    EXPECT_EQ(edit->Text(), " 10");
    edit->SetEditMask("99.9;1; ");
    for (int position = 0; position < 4; ++position) TypeAt(position, "aZ!");
    EXPECT_EQ(edit->Text(), " 1.0");
    EXPECT_FALSE(edit->isModified());
    TypeAt(0, "2");
    EXPECT_EQ(edit->Text(), "21.0");

    edit->SetText("");
    EXPECT_EQ(edit->Text(), "  .");  // blank positions read as spaces, trailing ones dropped
    TypeAt(0, "1234");
    EXPECT_EQ(edit->Text(), "12.3");
    TypeAt(2, "5");
    EXPECT_EQ(edit->displayText().at(2), QLatin1Char('.'));
    EXPECT_EQ(edit->Text().size(), 4);
}

TEST_F(GainFieldTest, SeparatorFollowsTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German));
    edit->SetEditMask("99.9;1; ");
    edit->SetText(" 2,5");
    EXPECT_EQ(edit->displayText(), " 2,5");
    EXPECT_EQ(edit->Text(), " 2,5");
    TypeAt(0, "1.");
    EXPECT_EQ(edit->Text(), "12,5");
}

TEST_F(GainFieldTest, EscRestoresTheTextFromWhenFocusCameAndEnterMovesOnlyWithTabOnEnter) {
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->hasFocus());
    edit->SetTabOnEnter(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(other->hasFocus());
    edit->SetTabOnEnter(false);
    edit->setFocus();

    TypeAt(1, "5");
    other->setFocus();
    edit->setFocus();
    TypeAt(3, "7");
    EXPECT_EQ(edit->Text(), " 5.7");
    EXPECT_TRUE(edit->isModified());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), " 5.0");
    EXPECT_FALSE(edit->isModified());
    EXPECT_TRUE(window.isVisible());
    // With nothing to undo, Esc goes on to the dialog as usual.
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// Not used by the gain dialog, but part of the control: without a mask Overwrite decides
// whether typing replaces, and a validation handler may rewrite the text and keep focus.
TEST_F(GainFieldTest, NewStyleClearsTheMaskAndOverwriteActsWithout) {
    edit->SetEditMaskStyle(TOxMaskStyle::StandardStyle);
    EXPECT_TRUE(edit->EditMask().isEmpty());
    edit->SetText("abc");
    TypeAt(1, "X");
    EXPECT_EQ(edit->Text(), "aXbc");
    edit->SetOverwrite(true);
    TypeAt(1, "YZW");
    EXPECT_EQ(edit->Text(), "aYZW");
}

TEST_F(GainFieldTest, ValidationCanRewriteTheTextAndKeepTheFocus) {
    int calls = 0;
    edit->OnValidateBeforeExit = [&](TOxCustomMaskEdit& sender, QString& text, bool& okToExit) {
        ++calls;
        EXPECT_EQ(&sender, edit);
        EXPECT_EQ(text, " 7.0");
        text = "10.0";
        okToExit = false;
    };
    TypeAt(1, "7");
    other->setFocus();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(edit->Text(), "10.0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    edit->OnValidateBeforeExit = nullptr;
}

}  // namespace
