#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <tuple>

#include "dialogs/MaskedEdit.h"

namespace {

TEST(MaskEditTest, MasksShapeWhatIsTypedAndRead) {
    // The mask, the text set with SetText, the keys typed at the start, Text() afterwards.
    const std::tuple<const char*, QString, const char*, QString> cases[] = {
        {"99.9;0; ", " 1.0", "", " 10"},   // literal not saved
        {"99.9;1; ", "", "", "  ."},       // blanks read as spaces, trailing ones dropped
        {"99.9;1;_", " 1.0", "", " 1.0"},  // so does a blank of its own
        {"99.9;1; ", "", "1234", "12.3"}, {">LL-00;1;_", "", "ab12", "AB-12"},
        {"", "abc", "X", "Xabc"}};
    for (const auto& [mask, start, keys, text] : cases) {
        MaskedEdit edit;
        edit.SetEditMask(mask);
        edit.SetText(start);
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, keys);
        EXPECT_EQ(edit.Text(), text) << mask;
    }
    // Date and time separators are the locale's own, whatever they are, never a letter of
    // its date or time format.
    MaskedEdit dated;
    dated.SetEditMask("99/99:99;1;_");
    dated.setCursorPosition(0);
    QTest::keyClicks(&dated, "123045");
    const QString text = dated.Text();
    EXPECT_TRUE(text.size() == 8 && !text[2].isLetterOrNumber() && !text[5].isLetterOrNumber())
        << text.toStdString();
}

// The mask's own blank is what the empty places show. Esc goes back to the text the field had
// when it got the focus, then is the dialog's.
TEST(MaskEditTest, BlankAndEscInADialog) {
    QDialog window;
    auto* edit = new MaskedEdit(&window);
    auto* other = new QLineEdit(&window);
    edit->SetEditMask("99.9;1;*");
    EXPECT_EQ(edit->displayText(), "**.*");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    other->setFocus();
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

    window.show();  // typed on one visit, nothing on the next: Esc is the dialog's again
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, '7');
    other->setFocus();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
