#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "dialogs/MessageLayout.h"

namespace {

using Lines = std::vector<std::string>;

// A fixed-pitch font: every character 7 pixels wide, every line 13 pixels high.
constexpr int kLineHeight = 13;
constexpr int Width(std::size_t chars) {
    return 7 * static_cast<int>(chars);
}
class FixedPitchMeasurer final : public TextMeasurer {
public:
    int TextWidth(const std::string& text) const override { return Width(text.size()); }
    int TextHeight(const std::string&) const override { return kLineHeight; }
};

const LayoutSize kFrame{8, 27};
MessageLayout Lay(const std::string& caption, const std::string& type, const std::string& message,
                  const std::string& buttons = "", LayoutSize screen = {1024, 768},
                  LayoutSize frame = kFrame) {
    return LayOutMessageDialog(caption, type, message, buttons, FixedPitchMeasurer(), screen,
                               frame);
}

TEST(MessageLayout, ErrorNoteWithIconIsLaidOutStepByStep) {
    const MessageLayout l = Lay("Error", "!", "Could not open COM3");
    // The text is the line with two blanks either side, Width(23) = 161; the button is
    // "W&OKW", Width(5) = 35, and a line plus 10 high.
    EXPECT_EQ(l.rowWidth, Width(5));
    // Client width: icon + 10 + text = 203; outer 211 wins over the row; plus 20.
    EXPECT_EQ(l.client, (LayoutSize{231, 32 + 30 + 23}));
    EXPECT_EQ(l.outer, (LayoutSize{231 + 8, 85 + 27}));
    // Centring would put the text at 35, but it must clear the icon.
    EXPECT_EQ(l.label, (LayoutRect{52, 10, 52 + 161, 10 + kLineHeight}));
    EXPECT_EQ(l.iconPos, (LayoutPoint{10, 10}));
    ASSERT_EQ(l.buttons.size(), 1u);
    EXPECT_EQ(l.buttons[0].name + " " + l.buttons[0].caption, "button1 &OK");
    EXPECT_EQ(l.buttons[0].rect, (LayoutRect{98, 52, 98 + 35, 52 + 23}));
    EXPECT_EQ(l.windowPos, (LayoutPoint{(1024 - 239) / 2, (768 - 112) / 2}));
}

TEST(MessageLayout, SemicolonsAndLineBreaksMakeLinesAndMarkersAreCleanedUp) {
    const MessageLayout sound =
        Lay("Sound Card error", "!", "A problem was encountered with the sound card:;;x");
    EXPECT_EQ(sound.lines, (Lines{"A problem was encountered with the sound card:", "", "x"}));
    EXPECT_EQ(sound.labelText, "A problem was encountered with the sound card:\r\n\r\nx");
    EXPECT_EQ(sound.textHeight, 3 * kLineHeight);
    EXPECT_EQ(sound.textWidth, Width(4 + 46));
    EXPECT_EQ(Lay("", "", "one;").lines, (Lines{"one", ""}));
    for (const char* message :
         {"first\r\nsecond\r\nthird", "first\n\rsecond\nthird", "first\rsecond\r\nthird"})
        EXPECT_EQ(Lay("Note", "i", message).lines, (Lines{"first", "second", "third"}));
    // CR LF is one break; a lone CR after it is another.
    EXPECT_EQ(CleanMessageText("a\r\n\rb"), "a;;b");
    // Only the first marker goes, and only with its leading blank.
    EXPECT_EQ(CleanMessageText("a CenterText b CENTERTEXT"), "a b CENTERTEXT");
    EXPECT_EQ(CleanMessageText("CENTERTEXT"), "CENTERTEXT");
    EXPECT_EQ(Lay(std::string(" \t\x01") + "Error ", "", "x").caption, "Error ");
    EXPECT_EQ(Lay("  ", "", "x").caption, "");
}

TEST(MessageLayout, LongAndTallMessagesAreLimitedToTheScreen) {
    std::string message(200, 'x');
    for (int i = 0; i < 99; ++i) message += ";x";
    const LayoutSize screen{800, 480};
    const MessageLayout plain = Lay("Error", "", message, "", screen);
    EXPECT_EQ(plain.textWidth, 800 - 20);
    EXPECT_EQ(plain.textHeight, 100 * kLineHeight);  // wrapping does not add lines
    EXPECT_EQ(plain.outer, screen);
    EXPECT_EQ(plain.client, (LayoutSize{800 - kFrame.width, 480 - kFrame.height}));
    EXPECT_EQ(plain.windowPos, (LayoutPoint{0, 0}));
    EXPECT_EQ(plain.label.left, 20);
    // Buttons stay at the bottom of the clamped window.
    EXPECT_EQ(plain.buttons[0].rect.bottom, plain.client.height - 10);
    // The icon's margin is reserved as well.
    EXPECT_EQ(Lay("Error", "!", message, "", screen).textWidth, 800 - (32 + 20 + 10));

    // A wide caption widens the window; the text stays centred.
    const MessageLayout l = Lay(std::string(60, 'C'), "", "Hi", "", screen, {0, 0});
    EXPECT_EQ(l.captionWidth, Width(60));
    EXPECT_EQ(l.client.width, Width(60) + 20);
    EXPECT_EQ(l.label.left, (l.client.width - Width(6)) / 2);
    EXPECT_EQ(l.label.Width(), Width(6));
}

TEST(MessageLayout, ButtonRowsShareTheWidestWidthOnlyWhileNarrowAndAnswerWithTheirLetter) {
    const MessageLayout narrow = Lay("Q", "?", "Sure?", "&Yes   &No");
    ASSERT_EQ(narrow.buttons.size(), 2u);
    EXPECT_EQ(narrow.buttons[1].rect.Width(), Width(6));  // "W&NoW" is widened to "W&YesW"
    EXPECT_EQ(narrow.buttons[1].rect.left, narrow.buttons[0].rect.right + 10);
    EXPECT_EQ(narrow.buttons[1].name, "button2");
    EXPECT_EQ(MessageResultChar(narrow.buttons, 2), 'N');

    const MessageLayout l = Lay("Q", "?", "Sure?", "&Yes &No &Cancel Abort Retry");
    const int own[] = {Width(6), Width(5), Width(9), Width(7), Width(7)};
    ASSERT_EQ(l.buttons.size(), 5u);
    EXPECT_EQ(l.buttonWidth, Width(9));
    EXPECT_EQ(l.rowWidth, own[0] + own[1] + own[2] + own[3] + own[4] + 4 * 10);
    // The row is wider than the text, so it sets the window width.
    EXPECT_EQ(l.client.width, l.rowWidth + 20);
    int left = 10;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(std::pair(l.buttons[i].rect.left, l.buttons[i].rect.Width()),
                  std::pair(left, own[i]))
            << "button " << i + 1;
        left += own[i] + 10;
    }

    EXPECT_EQ(SplitButtonList("   "), Lines{"&OK"});
    EXPECT_EQ(SplitButtonList("  &Yes   &No\x01 "), (Lines{"&Yes", "&No"}));
    for (const auto& [caption, result] :
         {std::pair{"&yes", 'Y'}, {"retry", 'R'}, {"Save &as", 'A'}, {"x&", 'X'}})
        EXPECT_EQ(ButtonResultChar(caption), result) << caption;
    const auto ok = Lay("", "", "Done").buttons;  // 0: closed without a button
    for (const auto& [n, answer] : {std::pair{0, ' '}, {1, 'O'}, {2, ' '}})
        EXPECT_EQ(MessageResultChar(ok, n), answer) << n;
    EXPECT_NO_THROW(Lay("", "", "x", "1 2 3 4 5 6 7 8"));
    EXPECT_THROW(Lay("", "", "x", "1 2 3 4 5 6 7 8 9"), std::length_error);
}

TEST(MessageLayout, TypeChoosesIconAndSound) {
    // clang-format off
    const std::tuple<const char*, MessageIcon, MessageSound, char> cases[] = {
        {"!", MessageIcon::Exclamation, MessageSound::Exclamation, '!'},
        {"?", MessageIcon::Question, MessageSound::Question, '?'},
        {"a", MessageIcon::Application, MessageSound::SimpleBeep, 'A'},
        {"H", MessageIcon::Hand, MessageSound::Hand, 'H'},
        {"i", MessageIcon::Asterisk, MessageSound::Asterisk, 'I'},
        {"x", MessageIcon::None, MessageSound::SimpleBeep, '\0'},
        {"", MessageIcon::None, MessageSound::SimpleBeep, '\0'}};
    // clang-format on
    for (const auto& [type, icon, sound, typeChar] : cases) {
        SCOPED_TRACE(type);
        const MessageLayout l = Lay("Note", type, "text");
        EXPECT_EQ(std::tuple(l.icon, l.sound, l.typeChar), std::tuple(icon, sound, typeChar));
        const bool hasIcon = icon != MessageIcon::None;
        EXPECT_EQ(l.iconSize, hasIcon ? 32 : 0);
        EXPECT_EQ(l.client.height, (hasIcon ? 32 : kLineHeight) + 30 + l.buttonHeight);
    }
}

}  // namespace
