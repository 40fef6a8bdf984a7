#include "dialogs/MessageDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QThread>

namespace {

// A dialog without caption draws its own thin border instead of a title bar.
constexpr int kBorder = 1;

MessageSound lastSound = MessageSound::SimpleBeep;
MessageDialogHook dialogHook;

class FontMeasurer final : public TextMeasurer {
public:
    explicit FontMeasurer(const QFont& font) : metrics_(font) {}
    int TextWidth(const std::string& text) const override {
        return metrics_.horizontalAdvance(QString::fromStdString(text));
    }
    int TextHeight(const std::string&) const override { return metrics_.height(); }

private:
    QFontMetrics metrics_;
};

QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

QIcon StockIcon(MessageIcon icon, const QStyle* style) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        case MessageIcon::Question:
            return style->standardIcon(QStyle::SP_MessageBoxQuestion);
        case MessageIcon::Hand:
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        case MessageIcon::Asterisk:
            return style->standardIcon(QStyle::SP_MessageBoxInformation);
        case MessageIcon::Application:
            if (!QApplication::windowIcon().isNull()) return QApplication::windowIcon();
            return style->standardIcon(QStyle::SP_ComputerIcon);
        case MessageIcon::None:
            break;
    }
    return {};
}

// The layout's type code for a kind of note: its first character picks icon and sound.
const char* TypeCode(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return "!";
        case MessageKind::Information:
            return "i";
    }
    return "";
}

QRect ToQRect(const LayoutRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

MessageDialog::MessageDialog(const MessageRequest& request, QWidget* parent)
    : QDialog(parent), request_(request) {
    const bool titled = !CleanDialogCaption(request.caption).empty();
    setWindowFlags(titled ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          : Qt::Dialog | Qt::FramelessWindowHint);
    setFont(DialogFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    // The window manager's decoration is only known once the window is mapped, so a
    // titled dialog usually sees no frame here.
    const QSize frame = titled ? frameGeometry().size() - size() : QSize(2 * kBorder, 2 * kBorder);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The dialog has its one OK button (one word: the list is split at blanks).
    layout_ = LayOutMessageDialog(
        request.caption, TypeCode(request.kind), request.message, tr("&OK").toStdString(),
        FontMeasurer(font()), {screen.width(), screen.height()}, {frame.width(), frame.height()});
    setWindowTitle(QString::fromStdString(layout_.caption));

    auto* client = new QWidget(this);
    const int inset = titled ? 0 : kBorder;
    client->setGeometry(inset, inset, layout_.client.width, layout_.client.height);
    setFixedSize(layout_.client.width + 2 * inset, layout_.client.height + 2 * inset);

    message_ = new QLabel(client);
    message_->setObjectName("Message");
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setText(QString::fromStdString(layout_.labelText).replace("\r\n", "\n"));
    message_->setGeometry(ToQRect(layout_.label));

    if (layout_.icon != MessageIcon::None) {
        icon_ = new QLabel(client);
        icon_->setObjectName("Image");
        icon_->setPixmap(StockIcon(layout_.icon, style()).pixmap(layout_.iconSize));
        icon_->setGeometry(layout_.iconPos.x, layout_.iconPos.y, layout_.iconSize,
                           layout_.iconSize);
    }

    for (const auto& b : layout_.buttons) {
        auto* button = new QPushButton(QString::fromStdString(b.caption), client);
        button->setObjectName(QString::fromStdString(b.name));
        button->setGeometry(ToQRect(b.rect));
        const int result = b.modalResult;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons_.push_back(button);
    }
    buttons_.front()->setFocus();

    move(screen.topLeft() + QPoint(layout_.windowPos.x, layout_.windowPos.y));
}

QPushButton* MessageDialog::Button(int n) const {
    return n >= 1 && n <= static_cast<int>(buttons_.size()) ? buttons_[n - 1] : nullptr;
}

void MessageDialog::AnswerWith(int n) {
    // Queued, so that it happens inside the modal loop rather than before it starts.
    if (QPushButton* button = Button(n)) {
        QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(this, &QDialog::close, Qt::QueuedConnection);
    }
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // No button is a cancel button, so Esc must not close the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (windowFlags() & Qt::FramelessWindowHint) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

MessageSound DialogBeep(char typeChar) {
    lastSound = SoundForIcon(IconForType(std::string(1, typeChar)));
    // Linux has no sound per message type; the plain bell stands in for all of them.
    QApplication::beep();
    return lastSound;
}

MessageSound LastDialogSound() {
    return lastSound;
}

MessageDialogHook SetMessageDialogHook(MessageDialogHook hook) {
    return std::exchange(dialogHook, std::move(hook));
}

MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                          const std::string& message) {
    MessageDialog form({caption, kind, message});
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    DialogBeep(form.Layout().typeChar);
    if (dialogHook) dialogHook(form);
    const int result = form.exec();
    QGuiApplication::restoreOverrideCursor();
    return MessageResultChar(form.Layout().buttons, result) == ' ' ? MessageAnswer::Closed
                                                                   : MessageAnswer::Ok;
}

MessageDialogRecorder::MessageDialogRecorder() {
    previous_ = SetMessageDialogHook([this](MessageDialog& form) {
        shown_.push_back(form.Request());
        form.AnswerWith(1);
    });
}

MessageDialogRecorder::~MessageDialogRecorder() {
    SetMessageDialogHook(std::move(previous_));
}

MessageAnswer QtMessagePresenter::ShowMessage(const std::string& caption, MessageKind kind,
                                              const std::string& message) {
    QCoreApplication* app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread()) {
        return ::ShowMessage(caption, kind, message);
    }
    MessageAnswer result = MessageAnswer::Closed;
    QMetaObject::invokeMethod(
        app, [&] { return ::ShowMessage(caption, kind, message); }, Qt::BlockingQueuedConnection,
        &result);
    return result;
}
