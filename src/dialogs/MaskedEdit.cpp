#include "dialogs/MaskedEdit.h"

#include <QKeyEvent>
#include <QLocale>

namespace {

// Characters that QLineEdit's input masks treat as special and need escaping as literals.
const QString kQtMaskSpecials = QStringLiteral("AaNnXx90DdHhBb#><![]{}\\;");

// Input positions of an edit mask and the QLineEdit mask characters that mean the same:
// '9' an optional digit, '0' a required one, '#' digit or sign, 'L'/'l' letter,
// 'A'/'a' letter or digit, 'C'/'c' any character (upper case: required).
const QString kInputChars = QStringLiteral("90#LlAaCc");
const QString kQtInputChars = QStringLiteral("09#AaNnXx");

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

}  // namespace

InputMask TranslateEditMask(const QString& editMask, const QLocale& locale) {
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
    const QString current = Text();
    mask_ = TranslateEditMask(mask, QLocale());
    setInputMask(mask_.qtMask);
    SetText(current);
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
    if (event->key() == Qt::Key_Escape && editedSinceFocus_) {
        SetText(textAtFocus_);
        setModified(false);
        editedSinceFocus_ = false;
        event->accept();
        return;
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
    if (!IsWindowSwitch(event)) entered_ = false;
}

void MaskedEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    // A dialog shown again starts a new visit to the control.
    if (!event->spontaneous()) entered_ = false;
}
