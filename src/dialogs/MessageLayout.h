#pragma once
// Layout arithmetic of the message dialog, kept free of widgets so that it can be
// checked with any text measurer: the dialog sizes itself to its text and buttons.

#include <cstdint>
#include <string>
#include <vector>

// Measures text in the dialog's font.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
};

// Stock icon shown at the left of the message.
enum class MessageIcon { None, Exclamation, Question, Application, Hand, Asterisk };

// The sound played for a type, as the Windows MessageBeep code it stands for.
enum class MessageSound : uint32_t {
    Hand = 0x10,
    Question = 0x20,
    Exclamation = 0x30,
    Asterisk = 0x40,
    SimpleBeep = 0xFFFF,
};

struct LayoutPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

struct LayoutSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct MessageButtonLayout {
    std::string name;     // "button" + number
    std::string caption;  // may hold a '&' before its hot-key letter
    LayoutRect rect;      // in client coordinates
    int modalResult = 0;  // the button's number, from 1
};

struct MessageLayout {
    std::string caption;             // title; empty means no title bar
    std::vector<std::string> lines;  // message lines, split at ';'
    std::string labelText;           // the lines joined by CR LF
    MessageIcon icon = MessageIcon::None;
    char typeChar = '\0';  // upper-cased type of the shown icon, '\0' without one
    MessageSound sound = MessageSound::SimpleBeep;

    int iconSize = 0;      // I
    int textWidth = 0;     // W
    int textHeight = 0;    // T
    int captionWidth = 0;  // C
    int buttonWidth = 0;   // B, the common button width
    int rowWidth = 0;      // R2
    int buttonHeight = 0;  // H

    LayoutSize client;
    LayoutSize outer;
    LayoutRect label;
    LayoutPoint iconPos;
    std::vector<MessageButtonLayout> buttons;
    LayoutPoint windowPos;  // outer top-left in the screen area
};

// The dialog's button table has room for this many buttons.
constexpr int kMaxMessageButtons = 8;

// Button captions separated by one or more blanks, each without trailing blanks and
// control characters; "&OK" when there are none.
std::vector<std::string> SplitButtonList(const std::string& buttons);

// Caption without leading blanks and control characters.
std::string CleanDialogCaption(const std::string& caption);

// Drops the first " CENTERTEXT" (any case) and turns CR LF, LF CR, LF and CR into ';'.
std::string CleanMessageText(const std::string& message);

// Icon and sound for the first character of the type, compared without case.
MessageIcon IconForType(const std::string& type);
MessageSound SoundForIcon(MessageIcon icon);

// Upper-cased hot-key letter of a caption: the character after its first '&', else
// its first character.
char ButtonResultChar(const std::string& caption);

// Result of a dialog that ended with modalResult: the pressed button's hot-key letter,
// or a blank when it was closed without a button.
char MessageResultChar(const std::vector<MessageButtonLayout>& buttons, int modalResult);

// Lays out the dialog. frame is the outer size minus the client size; screen the
// screen area. Throws std::length_error for more than kMaxMessageButtons buttons.
MessageLayout LayOutMessageDialog(const std::string& caption, const std::string& type,
                                  const std::string& message, const std::string& buttons,
                                  const TextMeasurer& measurer, LayoutSize screen,
                                  LayoutSize frame);
