#pragma once
// A single-line edit that only takes input fitting an edit mask and can carry its own
// caption label. The mask format is "mask characters;save literals (1/0);blank".

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>

class QLocale;

enum class MaskStyle { StandardStyle, dBaseStyle };

enum class CaptionPosition {
    cpLeft,
    cpRight,
    cpTopLeft,
    cpTopRight,
    cpBottomLeft,
    cpBottomRight,
    cpDetached,
    cpTopCenter,
    cpBottomCenter,
};

class MaskedEdit;

// Called when focus leaves the control: the handler may change the text and may keep
// the focus in the control by setting okToExit to false.
using ValidateBeforeExit =
    std::function<void(MaskedEdit& sender, QString& editText, bool& okToExit)>;

// An edit mask translated for QLineEdit::setInputMask.
struct InputMask {
    QString qtMask;         // empty when the text is free
    QVector<bool> literal;  // per shown position: a fixed character of the mask
    bool saveLiterals = true;
    QChar blank = QLatin1Char('_');
};

// '9' is a digit or blank; '.', '/' and ':' are the locale's decimal, date and time
// separators. In dBaseStyle "@D" and "@T" give the locale's date and a time mask.
InputMask TranslateEditMask(const QString& editMask, MaskStyle style, const QLocale& locale);

class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget* parent = nullptr);

    QString EditMask() const { return editMask_; }
    // Reformats the current text to the new mask.
    void SetEditMask(const QString& mask);
    MaskStyle EditMaskStyle() const { return style_; }
    // A new style clears the mask.
    void SetEditMaskStyle(MaskStyle style);

    // With a mask the length is the number of mask positions, whatever was set.
    int MaxLength() const;
    void SetMaxLength(int length);

    // Typed characters replace the one at the caret; matters only without a mask.
    bool Overwrite() const { return overwrite_; }
    void SetOverwrite(bool on) { overwrite_ = on; }

    // Enter moves on to the next control like Tab.
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool on) { tabOnEnter_ = on; }

    // The shown text, literals included when the mask saves them, blank positions as
    // spaces and trailing blanks removed.
    QString Text() const;
    // Fills the mask positions from left to right.
    void SetText(const QString& text);

    ValidateBeforeExit OnValidateBeforeExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ApplyMask(const InputMask& mask);

    QString editMask_;
    MaskStyle style_ = MaskStyle::StandardStyle;
    InputMask mask_;
    int requestedMaxLength_ = 0;  // 0: no limit
    bool overwrite_ = false;
    bool tabOnEnter_ = false;
    // Entered means the control is its window's focus; switching windows does not leave it.
    bool entered_ = false;
    QString textAtFocus_;
    bool editedSinceFocus_ = false;
};

class CaptionedMaskedEdit : public MaskedEdit {
    Q_OBJECT
public:
    explicit CaptionedMaskedEdit(QWidget* parent = nullptr);
    ~CaptionedMaskedEdit() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    CaptionPosition CaptionPos() const { return captionPos_; }
    void SetCaptionPos(CaptionPosition pos);
    // The label beside the edit; nullptr until a caption is set on an edit with a parent.
    QLabel* CaptionLabel() const { return label_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateCaptionLabel();
    void PlaceCaption();

    QString caption_;
    QPointer<QLabel> label_;
    CaptionPosition captionPos_ = CaptionPosition::cpLeft;
};
