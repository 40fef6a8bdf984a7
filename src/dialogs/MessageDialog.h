#pragma once
// The program's message dialog: a modal window sized to its text, with an optional
// stock icon, the message lines and a centred row of buttons.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "base/MessagePresenter.h"
#include "dialogs/MessageLayout.h"

class QLabel;
class QPushButton;

// What a caller asked the dialog to show, exactly as passed.
struct MessageRequest {
    std::string caption;
    MessageKind kind = MessageKind::Information;
    std::string message;
};

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(const MessageRequest& request, QWidget* parent = nullptr);

    const MessageRequest& Request() const { return request_; }
    const MessageLayout& Layout() const { return layout_; }
    QLabel* MessageLabel() const { return message_; }
    QLabel* IconImage() const { return icon_; }
    // Button n, counted from 1; nullptr when there is no such button.
    QPushButton* Button(int n) const;

    // Answers the dialog once it runs modally: presses button n, or closes the
    // dialog without a button when n is not a button's number.
    void AnswerWith(int n);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    MessageRequest request_;
    MessageLayout layout_;
    QLabel* message_ = nullptr;
    QLabel* icon_ = nullptr;
    std::vector<QPushButton*> buttons_;
};

// Shows a modal note with an OK button on the GUI thread.
MessageAnswer ShowMessage(const std::string& caption, MessageKind kind, const std::string& message);

// Plays the sound for the type of the shown icon ('\0' for none) and remembers it.
MessageSound DialogBeep(char typeChar);
// The sound that the last dialog played, for checks where no sound can be heard.
MessageSound LastDialogSound();

// Called with every built dialog just before it runs modally, so tests can read what
// it shows and answer it (MessageDialog::AnswerWith). Returns the previous hook.
using MessageDialogHook = std::function<void(MessageDialog&)>;
MessageDialogHook SetMessageDialogHook(MessageDialogHook hook);

// Records every message dialog shown while it lives and answers each with its first
// button; restores the previous hook when it goes.
class MessageDialogRecorder {
public:
    MessageDialogRecorder();
    ~MessageDialogRecorder();
    MessageDialogRecorder(const MessageDialogRecorder&) = delete;
    MessageDialogRecorder& operator=(const MessageDialogRecorder&) = delete;

    const std::vector<MessageRequest>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }

private:
    std::vector<MessageRequest> shown_;
    MessageDialogHook previous_;
};

// MessagePresenter for core code; safe to call from worker threads, which wait while
// the GUI thread shows the dialog.
class QtMessagePresenter : public MessagePresenter {
public:
    MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                              const std::string& message) override;
};
