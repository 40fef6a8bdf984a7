#pragma once
// Common ground of the settings dialogs: a modal box with only a close button, laid out in
// pixels, that grows where the platform's font needs more room than the layout gives.

#include <QDialog>
#include <QHash>
#include <QRect>
#include <QStringList>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const QString& caption, int clientWidth, int clientHeight,
                QWidget* parent = nullptr);

    // The character the locale puts between whole and fractional digits.
    static char DecimalSeparator();

protected:
    QLabel* AddLabel(const QString& name, const QString& text, const QRect& rect,
                     bool wordWrap = false);
    // A borderless read-only text in the dialog's colour; each entry is one line.
    QLabel* AddMemo(const QString& name, const QStringList& lines, const QRect& rect);
    // An editable drop-down list, as the operator may type as well as pick. The entries show
    // translated in the dialog's class context (where they are marked TRANSLATABLE).
    QComboBox* AddComboBox(const QString& name, std::span<const std::string_view> entries, int left,
                           int top, int width);
    QString TranslatedEntry(std::string_view entry) const;
    // The list's text read back as the English entry it shows, so that the commands find it
    // among theirs; text that is no entry comes as it is.
    std::string EntryText(const QComboBox* combo, std::span<const std::string_view> entries) const;

    // Shows `text` in an editable list; when it is an entry, the arrow keys go on from there.
    static void ShowInList(QComboBox* combo, const QString& text);

    QCheckBox* AddCheckBox(const QString& name, const QString& text, const QRect& rect);
    QRadioButton* AddRadioButton(const QString& name, const QString& text, const QRect& rect);

    // Grows controls whose text does not fit, moves what lies below or beside them out of the
    // way, and fixes the dialog's size around the result.
    void FitToFont();
    // The drawn size, or larger when a control reaches past it.
    void FitSizeToChildren();

    // Opens modally 10 pixels right of and below the main window's top-left corner.
    void ExecBeside(QWidget* mainWindow);

    // What a screen reader says for a field: the caption beside it (its buddy), or a name
    // where the dialog shows none. An editable list's text field gets it too.
    static void LabelField(QLabel* caption, QWidget* field);
    static void NameField(QWidget* field, const QString& name);

    // Enter closes the dialog, applying what it shows (OK); Esc first puts back every field
    // as it was when the dialog opened, so closing applies nothing new (Cancel).
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Whether the dialog was last closed with Esc.
    bool Cancelled() const { return cancelled_; }

private:
    void RememberFields();
    void ShiftSiblings(QWidget* grown, const QRect& before, int dx, int dy);

    QSize drawnSize_;
    QHash<QWidget*, QRect> drawn_;
    // Puts the fields back as they opened.
    std::vector<std::function<void()>> restore_;
    bool cancelled_ = false;
};
