#include "dialogs/MaskedEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace {

// Characters that QLineEdit's input masks treat as special and need escaping as literals.
const QString kQtMaskSpecials = QStringLiteral("AaNnXx90DdHhBb#><![]{}\\;");

// Input positions of an edit mask and the QLineEdit mask characters that mean the same:
// '9' an optional digit, '0' a required one, '#' digit or sign, 'L'/'l' letter,
// 'A'/'a' letter or digit, 'C'/'c' any character (upper case: required).
const QString kInputChars = QStringLiteral("90#LlAaCc");
const QString kQtInputChars = QStringLiteral("09#AaNnXx");

// Gap between the edit and its caption label.
constexpr int kCaptionGap = 3;

// The longest text handed to OnValidateBeforeExit.
constexpr int kMaxEditText = 255;

QChar FirstSeparator(const QString& format, QChar fallback) {
    for (QChar c : format) {
        if (!c.isLetter()) return c;
    }
    return fallback;
}

QChar DecimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

// Only the date and time pictures have a mask; the other dBase pictures take free text.
QString PictureMask(QChar function, const QLocale& locale) {
    if (function == QLatin1Char('T')) return QStringLiteral("99:99:99");
    if (function != QLatin1Char('D')) return {};
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString mask;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == format[i]) ++run;
        if (format[i].isLetter()) {
            mask += format[i] == QLatin1Char('y') && run >= 4 ? QStringLiteral("9999")
                                                              : QStringLiteral("99");
        } else if (!mask.endsWith(QLatin1Char('/'))) {
            mask += QLatin1Char('/');
        }
        i += run;
    }
    return mask;
}

}  // namespace

InputMask TranslateEditMask(const QString& editMask, MaskStyle style, const QLocale& locale) {
    InputMask out;
    QString chars;
    qsizetype i = 0;
    for (; i < editMask.size() && editMask[i] != QLatin1Char(';'); ++i) {
        if (editMask[i] == QLatin1Char('\\') && i + 1 < editMask.size()) chars += editMask[i++];
        chars += editMask[i];
    }
    if (i < editMask.size()) {
        const qsizetype blankSep = editMask.indexOf(QLatin1Char(';'), i + 1);
        const QString save = editMask.mid(i + 1, blankSep < 0 ? -1 : blankSep - i - 1);
        if (!save.isEmpty()) out.saveLiterals = save != QLatin1String("0");
        if (blankSep >= 0 && blankSep + 1 < editMask.size()) out.blank = editMask[blankSep + 1];
    }

    if (style == MaskStyle::dBaseStyle && chars.size() >= 2 && chars[0] == QLatin1Char('@') &&
        QStringLiteral("!ACDEHKMRTZac").contains(chars[1])) {
        chars = PictureMask(chars[1], locale);
    }
    if (chars.isEmpty()) return out;

    QString qt;
    auto addLiteral = [&](QChar c) {
        if (kQtMaskSpecials.contains(c)) qt += QLatin1Char('\\');
        qt += c;
        out.literal.push_back(true);
    };
    for (qsizetype j = 0; j < chars.size(); ++j) {
        const QChar c = chars[j];
        const qsizetype input = kInputChars.indexOf(c);
        if (input >= 0) {
            qt += kQtInputChars[input];
            out.literal.push_back(false);
        } else if (c == QLatin1Char('\\')) {
            if (j + 1 < chars.size()) addLiteral(chars[++j]);
        } else if (c == QLatin1Char('<') && j + 1 < chars.size() &&
                   chars[j + 1] == QLatin1Char('>')) {
            qt += QLatin1Char('!');  // "<>" switches case conversion off again
            ++j;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            qt += c;
        } else if (c == QLatin1Char('!')) {
            // Leading-blank display has no counterpart in QLineEdit; the mask works without.
        } else if (c == QLatin1Char('.')) {
            addLiteral(DecimalSeparator(locale));
        } else if (c == QLatin1Char('/')) {
            addLiteral(FirstSeparator(locale.dateFormat(QLocale::ShortFormat), c));
        } else if (c == QLatin1Char(':')) {
            addLiteral(FirstSeparator(locale.timeFormat(QLocale::ShortFormat), c));
        } else {
            addLiteral(c == QLatin1Char('_') ? QLatin1Char(' ') : c);
        }
    }
    out.qtMask = qt + QLatin1Char(';') + out.blank;
    return out;
}

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { editedSinceFocus_ = true; });
}

void MaskedEdit::SetEditMask(const QString& mask) {
    editMask_ = mask;
    ApplyMask(TranslateEditMask(mask, style_, QLocale()));
}

void MaskedEdit::SetEditMaskStyle(MaskStyle style) {
    if (style == style_) return;
    style_ = style;
    SetEditMask(QString());
}

void MaskedEdit::ApplyMask(const InputMask& mask) {
    const QString current = Text();
    mask_ = mask;
    setInputMask(mask.qtMask);
    if (mask.qtMask.isEmpty()) SetMaxLength(requestedMaxLength_);
    SetText(current);
}

int MaskedEdit::MaxLength() const {
    return mask_.qtMask.isEmpty() ? requestedMaxLength_ : static_cast<int>(mask_.literal.size());
}

void MaskedEdit::SetMaxLength(int length) {
    requestedMaxLength_ = std::max(length, 0);
    // A mask fixes the length itself.
    if (mask_.qtMask.isEmpty()) setMaxLength(requestedMaxLength_ > 0 ? requestedMaxLength_ : 32767);
}

QString MaskedEdit::Text() const {
    if (mask_.qtMask.isEmpty()) return text();
    // text() drops blank positions altogether, so read what is shown instead.
    const QString shown = displayText();
    QString out;
    for (qsizetype i = 0; i < shown.size() && i < mask_.literal.size(); ++i) {
        if (mask_.literal[i]) {
            if (mask_.saveLiterals) out += shown[i];
        } else {
            out += shown[i] == mask_.blank ? QLatin1Char(' ') : shown[i];
        }
    }
    while (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out;
}

void MaskedEdit::SetText(const QString& text) {
    QString filled = text;
    if (!mask_.qtMask.isEmpty() && mask_.blank != QLatin1Char(' ')) {
        filled.replace(QLatin1Char(' '), mask_.blank);
    }
    setText(filled);
}

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            if (editedSinceFocus_) {
                SetText(textAtFocus_);
                setModified(false);
                editedSinceFocus_ = false;
                event->accept();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (tabOnEnter_) {
                event->accept();
                focusNextChild();
                return;
            }
            break;
        default:
            if (overwrite_ && mask_.qtMask.isEmpty() && !hasSelectedText() &&
                !event->text().isEmpty() && event->text().front().isPrint() &&
                cursorPosition() < text().size()) {
                setSelection(cursorPosition(), 1);
            }
            break;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {
bool IsWindowSwitch(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}
}  // namespace

void MaskedEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (entered_) return;
    entered_ = true;
    textAtFocus_ = Text();
    editedSinceFocus_ = false;
}

void MaskedEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsWindowSwitch(event)) return;
    entered_ = false;
    if (!OnValidateBeforeExit) return;
    QString editText = Text().left(kMaxEditText);
    bool okToExit = true;
    OnValidateBeforeExit(*this, editText, okToExit);
    editText.truncate(kMaxEditText);
    if (editText != Text()) SetText(editText);
    // Focus cannot be taken back while it is still moving away.
    if (!okToExit) QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void MaskedEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    // A dialog shown again starts a new visit to the control.
    if (!event->spontaneous()) entered_ = false;
}

CaptionedMaskedEdit::CaptionedMaskedEdit(QWidget* parent) : MaskedEdit(parent) {}

CaptionedMaskedEdit::~CaptionedMaskedEdit() {
    delete label_.data();
}

void CaptionedMaskedEdit::SetCaption(const QString& caption) {
    caption_ = caption;
    UpdateCaptionLabel();
}

void CaptionedMaskedEdit::SetCaptionPos(CaptionPosition pos) {
    captionPos_ = pos;
    PlaceCaption();
}

void CaptionedMaskedEdit::UpdateCaptionLabel() {
    // The label is a sibling of the edit, so it needs the edit's parent.
    QWidget* parent = parentWidget();
    if (caption_.isEmpty() || parent == nullptr) {
        if (label_) label_->hide();
        return;
    }
    if (!label_) {
        label_ = new QLabel(parent);
        label_->setBuddy(this);
    } else if (label_->parentWidget() != parent) {
        label_->setParent(parent);
    }
    label_->setText(caption_);
    label_->setEnabled(isEnabled());
    label_->adjustSize();
    PlaceCaption();
    label_->setVisible(!isHidden());
}

void CaptionedMaskedEdit::PlaceCaption() {
    if (!label_ || captionPos_ == CaptionPosition::cpDetached) return;
    const QRect edit = geometry();
    const QSize size = label_->size();
    const int besideY = edit.top() + (edit.height() - size.height()) / 2;
    const int aboveY = edit.top() - kCaptionGap - size.height();
    const int belowY = edit.bottom() + 1 + kCaptionGap;
    const int leftX = edit.left();
    const int rightX = edit.right() + 1 - size.width();
    const int centreX = edit.left() + (edit.width() - size.width()) / 2;
    QPoint at;
    switch (captionPos_) {
        case CaptionPosition::cpLeft:
            at = {edit.left() - kCaptionGap - size.width(), besideY};
            break;
        case CaptionPosition::cpRight:
            at = {edit.right() + 1 + kCaptionGap, besideY};
            break;
        case CaptionPosition::cpTopLeft:
            at = {leftX, aboveY};
            break;
        case CaptionPosition::cpTopRight:
            at = {rightX, aboveY};
            break;
        case CaptionPosition::cpTopCenter:
            at = {centreX, aboveY};
            break;
        case CaptionPosition::cpBottomLeft:
            at = {leftX, belowY};
            break;
        case CaptionPosition::cpBottomRight:
            at = {rightX, belowY};
            break;
        case CaptionPosition::cpBottomCenter:
            at = {centreX, belowY};
            break;
        case CaptionPosition::cpDetached:
            return;
    }
    label_->move(at);
}

void CaptionedMaskedEdit::moveEvent(QMoveEvent* event) {
    MaskedEdit::moveEvent(event);
    PlaceCaption();
}

void CaptionedMaskedEdit::resizeEvent(QResizeEvent* event) {
    MaskedEdit::resizeEvent(event);
    PlaceCaption();
}

void CaptionedMaskedEdit::showEvent(QShowEvent* event) {
    MaskedEdit::showEvent(event);
    if (label_ && !event->spontaneous()) label_->setVisible(!caption_.isEmpty());
}

void CaptionedMaskedEdit::hideEvent(QHideEvent* event) {
    MaskedEdit::hideEvent(event);
    if (label_ && !event->spontaneous()) label_->hide();
}

void CaptionedMaskedEdit::changeEvent(QEvent* event) {
    MaskedEdit::changeEvent(event);
    if (event->type() == QEvent::ParentChange) UpdateCaptionLabel();
    if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
}
