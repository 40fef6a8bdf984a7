#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "dialogs/MessageDialog.h"

namespace {

// Each kind of note has its own icon and sound; only the OK button answers, and Esc does not
// close the note.
TEST(MessageDialogTest, NotesOfEachKindAnswerOnlyWithTheirOkButton) {
    using Answer = MessageAnswer;
    // The caption, the kind, the keys pressed on the focused button, the answer, the buttons'
    // texts then the title and whether there is an icon, the sound.
    // clang-format off
    const std::tuple<std::string, MessageKind, std::vector<QKeyCombination>, Answer, QString,
                     MessageSound> cases[] = {
        {"Power limit", MessageKind::Information, {Qt::Key_Return}, Answer::Ok,
         "&OK title 'Power limit' icon", MessageSound::Asterisk},
        {"Error", MessageKind::Error, {Qt::Key_Escape}, Answer::Closed, "&OK title 'Error' icon",
         MessageSound::Exclamation},
        {"  ", MessageKind::Information, {}, Answer::Closed, "&OK frameless '' icon",
         MessageSound::Asterisk},  // closed without a button
    };
    // clang-format on
    for (const auto& [caption, kind, keys, answer, expected, sound] : cases) {
        QStringList shown;
        bool openAfterKeys = false, placed = false;
        const MessageDialogHook previous = SetMessageDialogHook([&](MessageDialog& form) {
            QTimer::singleShot(0, &form, [&] {
                ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
                for (int n = 1; form.Button(n); ++n) shown << form.Button(n)->text();
                const bool titled = !(form.windowFlags() & Qt::FramelessWindowHint);
                shown << (titled ? "title" : "frameless") << "'" + form.windowTitle() + "'";
                if (form.IconImage()) shown << "icon";
                // The client area fills the dialog inside its one-pixel border (none when the
                // window manager draws a title bar), and the dialog lies on the screen.
                const QWidget* client = form.findChild<QLabel*>("Message")->parentWidget();
                const int inset = titled ? 0 : 1;
                placed = client->geometry() == form.rect().adjusted(inset, inset, -inset, -inset) &&
                         form.screen()->geometry().contains(form.geometry());
                for (const QKeyCombination key : keys)
                    QTest::keyClick(form.focusWidget(), key.key(), key.keyboardModifiers());
                openAfterKeys = form.isVisible();
                form.AnswerWith(0);  // whatever the keys did, let the dialog return
            });
        });
        EXPECT_EQ(ShowMessage(caption, kind, "text"), answer);
        SetMessageDialogHook(previous);
        EXPECT_EQ(LastDialogSound(), sound) << caption;
        EXPECT_EQ(openAfterKeys, answer == Answer::Closed);
        EXPECT_EQ(shown.join(' '), expected);
        EXPECT_TRUE(placed) << caption;
    }
}

}  // namespace
