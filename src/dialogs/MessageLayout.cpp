#include "dialogs/MessageLayout.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

constexpr int kMargin = 10;

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (auto pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size())) {
        s.replace(pos, from.size(), to);
    }
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::vector<std::string> SplitLines(const std::string& message) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = message.find(';'); end != std::string::npos; end = message.find(';', start)) {
        lines.push_back(message.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(message.substr(start));
    return lines;
}

std::string Join(const std::vector<std::string>& items, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += separator;
        joined += items[i];
    }
    return joined;
}

}  // namespace

std::vector<std::string> SplitButtonList(const std::string& buttons) {
    std::vector<std::string> captions;
    std::string::size_type pos = 0;
    while (pos < buttons.size()) {
        const auto start = buttons.find_first_not_of(' ', pos);
        if (start == std::string::npos) break;
        auto end = buttons.find(' ', start);
        if (end == std::string::npos) end = buttons.size();
        std::string caption = buttons.substr(start, end - start);
        while (!caption.empty() && IsBlankOrControl(caption.back())) caption.pop_back();
        if (!caption.empty()) captions.push_back(caption);
        pos = end;
    }
    if (captions.empty()) captions.push_back("&OK");
    return captions;
}

std::string CleanDialogCaption(const std::string& caption) {
    return std::string(std::find_if_not(caption.begin(), caption.end(), IsBlankOrControl),
                       caption.end());
}

std::string CleanMessageText(const std::string& message) {
    static const std::string kCenterText = " CENTERTEXT";
    std::string s = message;
    if (const auto pos = Upper(s).find(kCenterText); pos != std::string::npos) {
        s.erase(pos, kCenterText.size());
    }
    ReplaceAll(s, "\r\n", ";");
    ReplaceAll(s, "\n\r", ";");
    std::replace(s.begin(), s.end(), '\n', ';');
    std::replace(s.begin(), s.end(), '\r', ';');
    return s;
}

MessageIcon IconForType(const std::string& type) {
    if (type.empty()) return MessageIcon::None;
    switch (std::toupper(static_cast<unsigned char>(type.front()))) {
        case '!':
            return MessageIcon::Exclamation;
        case '?':
            return MessageIcon::Question;
        case 'A':
            return MessageIcon::Application;
        case 'H':
            return MessageIcon::Hand;
        case 'I':
            return MessageIcon::Asterisk;
        default:
            return MessageIcon::None;
    }
}

MessageSound SoundForIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return MessageSound::Exclamation;
        case MessageIcon::Question:
            return MessageSound::Question;
        case MessageIcon::Hand:
            return MessageSound::Hand;
        case MessageIcon::Asterisk:
            return MessageSound::Asterisk;
        case MessageIcon::Application:
        case MessageIcon::None:
            break;
    }
    return MessageSound::SimpleBeep;
}

char ButtonResultChar(const std::string& caption) {
    if (caption.empty()) return ' ';
    const auto amp = caption.find('&');
    const char key =
        amp != std::string::npos && amp + 1 < caption.size() ? caption[amp + 1] : caption.front();
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

char MessageResultChar(const std::vector<MessageButtonLayout>& buttons, int modalResult) {
    for (const auto& button : buttons) {
        if (button.modalResult == modalResult) return ButtonResultChar(button.caption);
    }
    return ' ';
}

MessageLayout LayOutMessageDialog(const std::string& caption, const std::string& type,
                                  const std::string& message, const std::string& buttons,
                                  const TextMeasurer& measurer, LayoutSize screen,
                                  LayoutSize frame) {
    const std::vector<std::string> captions = SplitButtonList(buttons);
    if (captions.size() > static_cast<std::size_t>(kMaxMessageButtons)) {
        throw std::length_error("a message dialog has at most 8 buttons");
    }

    MessageLayout l;
    l.caption = CleanDialogCaption(caption);
    const std::string text = CleanMessageText(message);
    l.lines = SplitLines(text);
    l.labelText = Join(l.lines, "\r\n");
    l.icon = IconForType(type);
    if (l.icon != MessageIcon::None) {
        l.iconSize = 32;
        l.typeChar = static_cast<char>(std::toupper(static_cast<unsigned char>(type.front())));
    }
    l.sound = SoundForIcon(l.icon);
    const int I = l.iconSize;

    for (const auto& line : l.lines) {
        l.textWidth = std::max(l.textWidth, measurer.TextWidth("  " + line + "  "));
    }
    // Keep the text block on the screen; the label wraps what no longer fits.
    const int leftMargin = I > 0 ? I + 20 : kMargin;
    const int reserved = std::min(leftMargin + kMargin, screen.width);
    if (screen.width - reserved < l.textWidth) l.textWidth = screen.width - reserved;
    const int W = l.textWidth;

    l.textHeight = static_cast<int>(l.lines.size()) * measurer.TextHeight(text);
    l.captionWidth = measurer.TextWidth(l.caption);

    std::vector<int> ownWidths;
    for (const auto& c : captions) ownWidths.push_back(measurer.TextWidth("W" + c + "W"));
    l.buttonWidth = *std::max_element(ownWidths.begin(), ownWidths.end());
    const int count = static_cast<int>(captions.size());
    l.rowWidth = count * (l.buttonWidth + kMargin) - kMargin;
    // A wide row of equal buttons wastes space; then each button keeps its own width.
    const bool ownWidthsUsed = l.rowWidth > 200;
    if (ownWidthsUsed) {
        l.rowWidth = -kMargin;
        for (int w : ownWidths) l.rowWidth += w + kMargin;
    }
    l.buttonHeight = measurer.TextHeight(Join(captions, " ") + "Wg") + kMargin;

    int clientWidth = std::max(I > 0 ? I + kMargin + W : W, l.captionWidth);
    clientWidth = std::max(clientWidth + frame.width, l.rowWidth) + 20;
    l.outer.width = std::min(clientWidth + frame.width, screen.width);
    l.client.width = l.outer.width - frame.width;

    const int clientHeight = std::max(l.textHeight, I) + 3 * kMargin + l.buttonHeight;
    l.outer.height = std::min(clientHeight + frame.height, screen.height);
    l.client.height = l.outer.height - frame.height;

    l.label.left = std::max((l.client.width - W) / 2, I + 20);
    l.label.top = kMargin;
    l.label.right = l.label.left + W;
    l.label.bottom = kMargin + l.textHeight;
    if (l.icon != MessageIcon::None) l.iconPos = {kMargin, l.label.top};

    int left = (l.client.width - l.rowWidth) / 2;
    const int top = l.client.height - kMargin - l.buttonHeight;
    for (int n = 1; n <= count; ++n) {
        const int width = ownWidthsUsed ? ownWidths[n - 1] : l.buttonWidth;
        l.buttons.push_back({"button" + std::to_string(n),
                             captions[n - 1],
                             {left, top, left + width, top + l.buttonHeight},
                             n});
        left += width + kMargin;
    }

    l.windowPos = {(screen.width - l.outer.width) / 2, (screen.height - l.outer.height) / 2};
    return l;
}
