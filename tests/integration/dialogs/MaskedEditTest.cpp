#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTest>

#include "dialogs/MaskedEdit.h"

namespace {

struct MaskCase {
    const char* mask;
    QString start;     // set with SetText
    const char* keys;  // typed at the start
    QString text;      // Text() afterwards
    int maxLength = 10;
    bool overwrite = false;
    bool dBase = false;
};

const MaskCase kMaskCases[] = {
    {"99.9;0; ", " 1.0", "", " 10"},   // literal not saved
    {"99.9;1; ", "", "", "  ."},       // blanks read as spaces, trailing ones dropped
    {"99.9;1;_", " 1.0", "", " 1.0"},  // so does a blank of its own
    {"99.9;1; ", "", "1234", "12.3"},
    {">LL-00;1;_", "", "ab12", "AB-12"},
    {"@T", "", "123456", "12:34:56", 10, false, true},
    {"", "abc", "X", "Xabc"},
    {"", "abc", "YZW", "YZW", 10, true},
    {"", "", "abcd", "abc", 3},
    {"", "", "abcd", "abcd", 0},
};

TEST(MaskEditTest, MasksShapeWhatIsTypedAndRead) {
    for (const MaskCase& c : kMaskCases) {
        CaptionedMaskedEdit edit;
        edit.SetMaxLength(c.maxLength);
        edit.SetOverwrite(c.overwrite);
        if (c.dBase) edit.SetEditMaskStyle(MaskStyle::dBaseStyle);
        edit.SetEditMask(c.mask);
        edit.SetText(c.start);
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, c.keys);
        EXPECT_EQ(edit.Text(), c.text) << c.mask;
    }
}

// The mask's own blank is what the empty places show; the caption's label beside the field
// shows with it, and is disabled with it. Esc goes back to the text the field had when it got
// the focus, then is the dialog's; Enter moves on only when asked.
TEST(MaskEditTest, BlankCaptionEscAndEnterInADialog) {
    QDialog window;
    auto* edit = new CaptionedMaskedEdit(&window);
    auto* other = new QLineEdit(&window);
    edit->SetEditMask("99.9;1;*");
    EXPECT_EQ(edit->displayText(), "**.*");
    edit->setEnabled(false);
    edit->SetCaption("Gain:");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_NE(edit->CaptionLabel(), nullptr);
    EXPECT_TRUE(edit->CaptionLabel()->isVisible());
    EXPECT_FALSE(edit->CaptionLabel()->isEnabled());

    edit->setEnabled(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->hasFocus());
    edit->SetTabOnEnter(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(other->hasFocus());

    edit->SetText(" 3.0");
    edit->setFocus();  // a new visit: its text is what Esc goes back to
    edit->setCursorPosition(1);
    QTest::keyClick(edit, '5');
    EXPECT_EQ(edit->Text(), " 5.0");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), " 3.0");
    EXPECT_FALSE(edit->isModified());
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(edit, Qt::Key_Escape);  // nothing to undo: the dialog's Esc
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
