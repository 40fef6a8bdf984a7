#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

constexpr int kMargin = 10;
const LayoutSize kScreen{1024, 768};
MessageLayout Lay(const std::string& caption, const std::string& type, const std::string& message,
                  const std::string& buttons = "", LayoutSize screen = kScreen) {
    return LayOutMessageDialog(caption, type, message, buttons, FixedPitchMeasurer(), screen,
                               {8, 27});
}

// What would look broken in a message that fits the screen: the window not centred, the
// title or the text cut off or under the icon, a button too small for its caption, over
// the text, over its neighbour or outside the window.
void ExpectReadable(const MessageLayout& l) {
    EXPECT_LE(std::abs(kScreen.width - l.outer.width - 2 * l.windowPos.x), 1);
    EXPECT_LE(std::abs(kScreen.height - l.outer.height - 2 * l.windowPos.y), 1);
    EXPECT_GE(l.outer.width, Width(l.caption.size()));
    const LayoutRect& text = l.label;
    std::size_t longest = 0;
    for (const std::string& line : l.lines) longest = std::max(longest, line.size());
    EXPECT_GE(text.Width(), Width(longest));
    EXPECT_GE(text.Height(), static_cast<int>(l.lines.size()) * kLineHeight);
    EXPECT_GE(text.left, l.iconPos.x + l.iconSize + kMargin);
    EXPECT_LE(text.right + kMargin, l.client.width);
    int left = kMargin;
    for (const MessageButtonLayout& b : l.buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_GE(b.rect.left, left);
        EXPECT_GE(b.rect.Width(), Width(b.caption.size() + 1));
        EXPECT_GE(b.rect.Height(), kLineHeight);
        EXPECT_GE(b.rect.top, std::max(text.bottom, l.iconPos.y + l.iconSize) + kMargin);
        EXPECT_LE(b.rect.bottom + kMargin, l.client.height);
        left = b.rect.right + kMargin;
    }
    EXPECT_LE(left, l.client.width);
}

TEST(MessageLayout, MessagesThatFitTheScreenAreReadable) {
    const std::tuple<std::string, const char*, const char*, const char*> cases[] = {
        {"Error", "!", "Could not open COM3", ""},
        {"Q", "?", "Sure?", "&Yes   &No"},
        {"Q", "?", "Sure?", "&Yes &No &Cancel Abort Retry"},
        {"", "", "Done", "1 2 3 4 5 6 7 8"},
        {"Note", "i", "One;;and a much longer third line;", "&OK  "},  // blanks after the last
        {std::string(60, 'C'), "", "Hi", ""}};
    for (const auto& [caption, type, message, buttons] : cases) {
        SCOPED_TRACE(message);
        ExpectReadable(Lay(caption, type, message, buttons));
    }
    EXPECT_THROW(Lay("", "", "x", "1 2 3 4 5 6 7 8 9"), std::length_error);
    EXPECT_EQ(Lay("", "", "x", " ").buttons.at(0).caption, "&OK");  // no button named: OK
}

TEST(MessageLayout, SemicolonsAndLineBreaksMakeLines) {
    EXPECT_EQ(Lay("Sound Card error", "!", "A problem:;;x").labelText, "A problem:\r\n\r\nx");
    for (const char* message : {"first\n\rsecond\nthird", "first\rsecond\r\nthird"})
        EXPECT_EQ(Lay("Note", "i", message).lines, (Lines{"first", "second", "third"}));
    // CR LF is one break; a lone CR after it is another.
    EXPECT_EQ(CleanMessageText("a\r\n\rb"), "a;;b");
}

// A message too long or too tall for the screen fills it, the text wrapping inside the
// window and the button staying at its bottom.
TEST(MessageLayout, LongAndTallMessagesAreLimitedToTheScreen) {
    std::string message(200, 'x');
    for (int i = 0; i < 99; ++i) message += ";x";
    const LayoutSize screen{800, 480};
    const MessageLayout l = Lay("Error", "!", message, "", screen);
    EXPECT_EQ(l.outer, screen);
    EXPECT_EQ(l.windowPos, (LayoutPoint{0, 0}));
    EXPECT_LE(l.label.right, l.client.width);
    EXPECT_EQ(l.buttons[0].rect.bottom, l.client.height - kMargin);
}

TEST(MessageLayout, TypeChoosesIconAndSound) {
    using Icon = MessageIcon;
    using Sound = MessageSound;
    // clang-format off
    const std::tuple<const char*, Icon, Sound, char> cases[] = {
        {"!", Icon::Exclamation, Sound::Exclamation, '!'}, {"H", Icon::Hand, Sound::Hand, 'H'},
        {"?", Icon::Question, Sound::Question, '?'}, {"i", Icon::Asterisk, Sound::Asterisk, 'I'},
        {"a", Icon::Application, Sound::SimpleBeep, 'A'}, {"", Icon::None, Sound::SimpleBeep, 0},
        {"x", Icon::None, Sound::SimpleBeep, 0}};
    // clang-format on
    for (const auto& [type, icon, sound, typeChar] : cases) {
        const MessageLayout l = Lay("Note", type, "text");
        EXPECT_EQ(std::tuple(l.icon, l.sound, l.typeChar), std::tuple(icon, sound, typeChar))
            << type;
        EXPECT_EQ(l.iconSize, icon != Icon::None ? 32 : 0) << type;
    }
}

}  // namespace
