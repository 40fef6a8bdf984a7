#pragma once
// How core code reaches the program's message dialog without knowing about widgets.

#include <string>

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows a modal note; ';' in the message starts a new line. Returns the hot-key
    // letter of the pressed button, upper-cased, or ' ' when closed without one.
    virtual char ShowMessage(const std::string& caption, const std::string& type,
                             const std::string& message, const std::string& buttons = "") = 0;
};
