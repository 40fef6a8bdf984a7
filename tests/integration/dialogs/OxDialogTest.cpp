#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "dialogs/oxdialog.h"

namespace {

struct MessageCase {
    std::string caption, type, buttons;
    std::vector<QKeyCombination> keys;  // pressed on the focused button
    char answer;
    QStringList buttonTexts;
    bool titleAndIcon;
};

TEST(MessageDialogTest, ButtonsFromTheLettersAnswerWithTheirHotKey) {
    const MessageCase cases[] = {
        {"Power limit", "i", "", {Qt::Key_Return}, 'O', {"&OK"}, true},
        {"Question", "?", "&Yes &No", {Qt::Key_Escape}, ' ', {"&Yes", "&No"}, true},  // ignored
        {"Error", "!", "&Abort &No", {Qt::Key_Tab, Qt::Key_Space}, 'N', {"&Abort", "&No"}, true},
        {"  ", "", "", {}, ' ', {"&OK"}, false},  // closed without a button
    };
    for (const MessageCase& c : cases) {
        QStringList texts;
        bool titled = false, icon = false, openAfterKeys = false, placed = false;
        QString title;
        const MessageDialogHook previous = SetMessageDialogHook([&](TDialogForm& form) {
            QTimer::singleShot(0, &form, [&] {
                ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
                for (int n = 1; form.Button(n); ++n) texts << form.Button(n)->text();
                titled = !(form.windowFlags() & Qt::FramelessWindowHint);
                icon = form.IconImage() != nullptr;
                title = form.windowTitle();
                // The client area fills the dialog inside its one-pixel border (none when the
                // window manager draws a title bar), and the dialog lies on the screen.
                const QWidget* client = form.findChild<QLabel*>("Message")->parentWidget();
                const int inset = titled ? 0 : 1;
                placed = client->geometry() == form.rect().adjusted(inset, inset, -inset, -inset) &&
                         form.screen()->geometry().contains(form.geometry());
                for (const QKeyCombination key : c.keys)
                    QTest::keyClick(form.focusWidget(), key.key(), key.keyboardModifiers());
                openAfterKeys = form.isVisible();
                form.AnswerWith(0);  // whatever the keys did, let the dialog return
            });
        });
        EXPECT_EQ(MessageDialog(c.caption, c.type, "text", c.buttons), c.answer);
        SetMessageDialogHook(previous);
        EXPECT_EQ(openAfterKeys, c.answer == ' ');
        EXPECT_EQ(texts, c.buttonTexts) << c.caption;
        EXPECT_EQ(titled, c.titleAndIcon);
        EXPECT_TRUE(placed) << c.caption;
        EXPECT_EQ(icon, c.titleAndIcon);
        EXPECT_EQ(title.toStdString(), c.titleAndIcon ? c.caption : "");
    }
}

}  // namespace
