#include "dialogs/FixedDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>

#include "dialogs/MaskedEdit.h"

namespace {
// Room kept between the outermost controls and the dialog's edge when the dialog has to grow.
constexpr int kEdgeMargin = 8;

bool IsWordWrapped(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->wordWrap();
}

Qt::Alignment HorizontalAlignment(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label ? (label->alignment() & Qt::AlignHorizontal_Mask) : Qt::AlignLeft;
}

bool OverlapsVertically(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}
bool OverlapsHorizontally(const QRect& a, const QRect& b) {
    return a.left() <= b.right() && b.left() <= a.right();
}
}  // namespace

FixedDialog::FixedDialog(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent), drawnSize_(clientWidth, clientHeight) {
    setWindowTitle(caption);
    // Closing the box is the only way out; there is no OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(drawnSize_);
}

char FixedDialog::DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.isEmpty() ? '\0' : point.at(0).toLatin1();
    return c == '\0' ? '.' : c;
}

QLabel* FixedDialog::AddLabel(const QString& name, const QString& text, const QRect& rect,
                              bool wordWrap) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

QLabel* FixedDialog::AddMemo(const QString& name, const QStringList& lines, const QRect& rect) {
    // The lines are kept as written; the memo widens rather than breaking them again.
    return AddLabel(name, lines.join(QLatin1Char('\n')), rect, false);
}

QComboBox* FixedDialog::AddComboBox(const QString& name, std::span<const std::string_view> entries,
                                    int left, int top, int width) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(true);
    // Typing must not add entries: the commands look the text up among the fixed ones.
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view entry : entries) combo->addItem(TranslatedEntry(entry));
    combo->setGeometry(left, top, width, 21);
    return combo;
}

QString FixedDialog::TranslatedEntry(std::string_view entry) const {
    return QCoreApplication::translate(metaObject()->className(), std::string(entry).c_str());
}

std::string FixedDialog::EntryText(const QComboBox* combo,
                                   std::span<const std::string_view> entries) const {
    const QString text = combo->currentText();
    for (std::string_view entry : entries)
        if (text.compare(TranslatedEntry(entry), Qt::CaseInsensitive) == 0)
            return std::string(entry);
    return text.toStdString();
}

void FixedDialog::ShowInList(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    combo->setEditText(text);
}

namespace {
template <typename Button>
Button* AddButton(QWidget* parent, const QString& name, const QString& text, const QRect& rect) {
    auto* button = new Button(text, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    return button;
}
}  // namespace

QCheckBox* FixedDialog::AddCheckBox(const QString& name, const QString& text, const QRect& rect) {
    return AddButton<QCheckBox>(this, name, text, rect);
}

QRadioButton* FixedDialog::AddRadioButton(const QString& name, const QString& text,
                                          const QRect& rect) {
    return AddButton<QRadioButton>(this, name, text, rect);
}

void FixedDialog::ShiftSiblings(QWidget* grown, const QRect& before, int dx, int dy) {
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == grown) continue;
        const QRect r = w->geometry();
        const bool beside = OverlapsVertically(r, before) && !OverlapsHorizontally(r, before);
        if (dx > 0 && beside && r.left() > before.right()) w->move(r.x() + dx, r.y());
        if (dy > 0 && !beside && r.top() > before.top()) w->move(r.x(), r.y() + dy);
    }
}

void FixedDialog::FitToFont() {
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Start again from the drawn layout, so that new texts fit afresh.
    for (QWidget* w : children) {
        if (!drawn_.contains(w)) drawn_.insert(w, w->geometry());
        w->setGeometry(drawn_.value(w));
    }

    for (QWidget* w : children) {
        if (IsWordWrapped(w)) continue;
        const QSize hint = w->sizeHint();
        const QRect before = w->geometry();
        QRect r = before;
        const bool textual = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
        const int extra = textual ? hint.width() - r.width() : 0;
        const Qt::Alignment align = HorizontalAlignment(w);
        if (extra > 0) {
            if (align & Qt::AlignRight) {
                r.setLeft(r.left() - extra);
            } else if (align & Qt::AlignHCenter) {
                r.adjust(-extra / 2, 0, extra - extra / 2, 0);
            } else {
                r.setRight(r.right() + extra);
            }
        }
        const int taller = hint.height() - r.height();
        if (taller > 0) r.setHeight(hint.height());
        w->setGeometry(r);
        if (extra > 0 && (align & Qt::AlignLeft)) ShiftSiblings(w, before, extra, 0);
        // Lines of a memo push down what lies below; other controls only fill their row.
        if (taller > 0 && qobject_cast<QLabel*>(w)) ShiftSiblings(w, before, 0, taller);
    }

    QList<QLabel*> wrapped;
    for (QWidget* w : children) {
        if (IsWordWrapped(w)) wrapped.append(static_cast<QLabel*>(w));
    }
    std::sort(wrapped.begin(), wrapped.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    for (QLabel* label : wrapped) {
        const QRect before = label->geometry();
        const int needed = label->heightForWidth(before.width());
        if (needed > before.height()) {
            label->resize(before.width(), needed);
            ShiftSiblings(label, before, 0, needed - before.height());
        }
    }

    // Controls that grew to the left or both ways may have crossed the left edge.
    int left = kEdgeMargin;
    for (QWidget* w : children) left = std::min(left, w->x());
    if (left < kEdgeMargin) {
        for (QWidget* w : children) w->move(w->x() + kEdgeMargin - left, w->y());
    }

    FitSizeToChildren();
}

void FixedDialog::FitSizeToChildren() {
    QSize size = drawnSize_;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
        size = size.expandedTo(QSize(w->geometry().right() + 1 + kEdgeMargin,
                                     w->geometry().bottom() + 1 + kEdgeMargin));
    }
    setFixedSize(size);
}

void FixedDialog::ExecBeside(QWidget* mainWindow) {
    if (mainWindow) move(mainWindow->pos() + QPoint(10, 10));
    exec();
}

void FixedDialog::LabelField(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(caption->text().trimmed());
}

void FixedDialog::NameField(QWidget* field, const QString& name) {
    field->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        cancelled_ = true;
        for (const auto& restore : restore_) restore();
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    cancelled_ = false;
    RememberFields();
}

void FixedDialog::RememberFields() {
    restore_.clear();
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int index = combo->currentIndex();
            const QString text = combo->currentText();
            restore_.push_back([combo, index, text] {
                combo->setCurrentIndex(index);
                if (combo->isEditable()) combo->setEditText(text);
            });
        } else if (auto* masked = qobject_cast<MaskedEdit*>(w)) {
            restore_.push_back([masked, text = masked->Text()] { masked->SetText(text); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            restore_.push_back([edit, text = edit->text()] { edit->setText(text); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button && button->isCheckable()) {
            restore_.push_back([button, on = button->isChecked()] { button->setChecked(on); });
        } else if (auto* slider = qobject_cast<QSlider*>(w)) {
            // Moving it back moves what it controls back too.
            restore_.push_back([slider, value = slider->value()] { slider->setValue(value); });
        }
    }
}
