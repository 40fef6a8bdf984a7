#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>
#include <vector>

#include "dialogs/oxdialog.h"

namespace {

// Hands every dialog to onShow before it runs modally.
class ScopedHook {
public:
    explicit ScopedHook(MessageDialogHook onShow)
        : previous_(SetMessageDialogHook(std::move(onShow))) {}
    ~ScopedHook() { SetMessageDialogHook(std::move(previous_)); }

private:
    MessageDialogHook previous_;
};

// Runs keys on the dialog once it is on screen inside its modal loop.
MessageDialogHook PressKeys(std::function<void(TDialogForm&)> keys) {
    return [keys](TDialogForm& form) {
        QTimer::singleShot(0, &form, [&form, keys] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
            keys(form);
        });
    };
}

QRect ToQRect(const LayoutRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

TEST(MessageDialog, ShowsTheNoteLaidOutAndAnswersWithTheHotKey) {
    bool seen = false;
    ScopedHook hook([&](TDialogForm& form) {
        seen = true;
        EXPECT_EQ(form.windowTitle(), "Power specified exceeds range");
        EXPECT_EQ(form.MessageLabel()->objectName(), "Message");
        EXPECT_EQ(form.MessageLabel()->text(), "first line\n\nthird");
        EXPECT_TRUE(form.MessageLabel()->wordWrap());
        EXPECT_EQ(form.IconImage()->pixmap().size(), QSize(32, 32) * form.devicePixelRatio());
        EXPECT_EQ(form.Button(1)->objectName(), "button1");
        EXPECT_EQ(form.Button(1)->text(), "&OK");
        EXPECT_EQ(form.Button(2), nullptr);
        EXPECT_EQ(LastDialogSound(), MessageSound::Asterisk);

        const QFont font = form.font();
        EXPECT_EQ(font.pixelSize(), 11);
        EXPECT_TRUE(font.bold());
        const QFontMetrics metrics(font);
        EXPECT_EQ(metrics.horizontalAdvance("i"), metrics.horizontalAdvance("W"));
        EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_TRUE(form.windowFlags() & Qt::WindowTitleHint);
        EXPECT_FALSE(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::FramelessWindowHint));

        // Children sit where the layout put them, and the window is centred.
        const MessageLayout& l = form.Layout();
        EXPECT_EQ(form.MessageLabel()->geometry(), ToQRect(l.label));
        EXPECT_EQ(form.Button(1)->geometry(), ToQRect(l.buttons[0].rect));
        EXPECT_EQ(form.IconImage()->geometry().topLeft(), QPoint(10, l.label.top));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(form.pos(), screen.topLeft() + QPoint(l.windowPos.x, l.windowPos.y));
        form.AnswerWith(1);
    });
    EXPECT_EQ(MessageDialog("Power specified exceeds range", "i", "first line;;third"), 'O');
    EXPECT_TRUE(seen);
}

TEST(MessageDialog, EmptyCaptionHasNoTitleBarAndClosingAnswersBlank) {
    ScopedHook hook([](TDialogForm& form) {
        EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(form.IconImage(), nullptr);
        EXPECT_EQ(LastDialogSound(), MessageSound::SimpleBeep);
        // The thin border surrounds the client area.
        const LayoutSize client = form.Layout().client;
        EXPECT_EQ(form.size(), QSize(client.width + 2, client.height + 2));
        form.AnswerWith(0);
    });
    EXPECT_EQ(MessageDialog("  ", "", "no title"), ' ');
}

// Esc is ignored, Enter presses the focused button; Tab moves on and Space presses.
TEST(MessageDialog, KeysMoveAndPressButEscIsIgnored) {
    for (const bool tab : {false, true}) {
        bool openAfterEsc = false;
        ScopedHook hook(PressKeys([&](TDialogForm& form) {
            EXPECT_EQ(form.focusWidget(), form.Button(1));
            QTest::keyClick(&form, Qt::Key_Escape);
            openAfterEsc = form.isVisible();
            if (tab) QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(form.focusWidget(), form.Button(tab ? 2 : 1));
            QTest::keyClick(form.focusWidget(), tab ? Qt::Key_Space : Qt::Key_Return);
        }));
        EXPECT_EQ(MessageDialog("Question", "?", "Keep going?", "&Yes &No"), tab ? 'N' : 'Y');
        EXPECT_TRUE(openAfterEsc);
    }
}

TEST(QtMessagePresenter, WorkerThreadWaitsForTheGuiThread) {
    std::vector<QThread*> shownOn;
    ScopedHook hook([&](TDialogForm& form) {
        shownOn.push_back(QThread::currentThread());
        form.AnswerWith(1);
    });
    QtMessagePresenter presenter;
    std::atomic<bool> done = false;
    char result = '\0';
    std::thread worker([&] {
        result = presenter.MessageDialog("Error", "!", "from the exchange");
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 30000));
    worker.join();
    EXPECT_EQ(result, 'O');
    // From the GUI thread it shows the dialog in place.
    EXPECT_EQ(presenter.MessageDialog("Error", "!", "direct"), 'O');
    QThread* gui = QCoreApplication::instance()->thread();
    EXPECT_EQ(shownOn, (std::vector<QThread*>{gui, gui}));
}

}  // namespace
