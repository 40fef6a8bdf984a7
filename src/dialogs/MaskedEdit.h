#pragma once
// A single-line edit that only takes input fitting an edit mask. The mask format is
// "mask characters;save literals (1/0);blank".

#include <QLineEdit>
#include <QString>
#include <QVector>

class QLocale;

// An edit mask translated for QLineEdit::setInputMask.
struct InputMask {
    QString qtMask;         // empty when the text is free
    QVector<bool> literal;  // per shown position: a fixed character of the mask
    bool saveLiterals = true;
    QChar blank = QLatin1Char('_');
};

// '9' is a digit or blank; '.', '/' and ':' are the locale's decimal, date and time
// separators.
InputMask TranslateEditMask(const QString& editMask, const QLocale& locale);

class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    // Reformats the current text to the new mask.
    void SetEditMask(const QString& mask);

    // The shown text, literals included when the mask saves them, blank positions as
    // spaces and trailing blanks removed.
    QString Text() const;
    // Fills the mask positions from left to right.
    void SetText(const QString& text);

protected:
    // Esc takes back what was typed since the control got the focus; with nothing to take
    // back it is the dialog's.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    InputMask mask_;
    // Entered means the control is its window's focus; switching windows does not leave it.
    bool entered_ = false;
    QString textAtFocus_;
    bool editedSinceFocus_ = false;
};
