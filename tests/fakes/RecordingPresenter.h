#pragma once
// Keeps every message dialog the code under test shows, instead of showing it.

#include <string>
#include <vector>

#include "base/MessagePresenter.h"

struct ShownMessage {
    std::string caption;
    MessageKind kind;
    std::string message;
};

class RecordingPresenter final : public MessagePresenter {
public:
    MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                              const std::string& message) override {
        shown.push_back({caption, kind, message});
        return MessageAnswer::Ok;
    }

    // The messages alone, which is what most checks compare.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const ShownMessage& m : shown) texts.push_back(m.message);
        return texts;
    }

    std::vector<ShownMessage> shown;
};

// What the sound-card error dialog says for a given code's text.
inline std::string SoundCardError(const std::string& text) {
    return "A problem was encountered with the sound card:;;" + text;
}
