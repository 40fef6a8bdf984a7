#pragma once
// How core code reaches the program's message dialog without knowing about widgets.

#include <string>

// What a note tells the operator; it chooses the note's icon and sound.
enum class MessageKind { Error, Information };

// How a note ended: with its OK button, or closed without one (also the answer for a
// note that nobody waited for).
enum class MessageAnswer { Closed, Ok };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows a modal note with an OK button; ';' in the message starts a new line.
    virtual MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                                      const std::string& message) = 0;
};
