#include "dialogs/BestLevelWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "measure/SweepChart.h"

namespace {
constexpr int kGapToParent = 8;
}  // namespace

BestLevelWindow::BestLevelWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("BestLevelForm");
    setWindowTitle(tr("Find Best Level"));
    resize(560, 460);
    auto* explanation = new QLabel(
        tr("Let your modem program send a steady PSK idle into the chosen sound output,\n"
           "then press Start. Quorvane steps the output's volume and measures each step."),
        this);
    explanation->setObjectName("explanation");
    explanation->setWordWrap(true);
    chart = new SweepChart(this);
    resultLabel = new QLabel(this);
    resultLabel->setObjectName("resultLabel");
    resultLabel->setWordWrap(true);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    startButton = new QPushButton(tr("Start"), this);
    startButton->setObjectName("startButton");
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName("cancelButton");
    useButton = new QPushButton(tr("Use this level"), this);
    useButton->setObjectName("useButton");
    keepButton = new QPushButton(tr("Keep the old level"), this);
    keepButton->setObjectName("keepButton");
    // Enter presses the button that has the keyboard, as Space does.
    for (QPushButton* button : {startButton, cancelButton, useButton, keepButton})
        button->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);
    buttons->addWidget(useButton);
    buttons->addWidget(keepButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(chart, 1);
    layout->addWidget(resultLabel);
    layout->addLayout(buttons);

    connect(startButton, &QPushButton::clicked, this, &BestLevelWindow::StartRequested);
    connect(cancelButton, &QPushButton::clicked, this, &BestLevelWindow::CancelRequested);
    connect(useButton, &QPushButton::clicked, this, [this] { Decide(true); });
    connect(keepButton, &QPushButton::clicked, this, [this] { Decide(false); });
    EnableButtons(false, false, false);
}

void BestLevelWindow::Open() {
    if (!placed_) {
        PlaceBesideParent();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void BestLevelWindow::ShowRunning(const std::vector<SweepStep>& steps, int currentLevel,
                                  int targetImd) {
    chart->SetSweep(steps, currentLevel, targetImd, std::nullopt);
    resultLabel->clear();
    EnableButtons(true, false, false);
}

void BestLevelWindow::ShowFinished(const std::vector<SweepStep>& steps, int targetImd,
                                   const SweepResult& result, const QString& resultText) {
    std::optional<int> best;
    if (result.best) best = result.best->level;
    chart->SetSweep(steps, std::nullopt, targetImd, best);
    resultLabel->setText(resultText);
    EnableButtons(false, best.has_value(), true);
}

void BestLevelWindow::ShowStopped(const QString& why) {
    // What was measured stays in view; no level is being measured any more.
    chart->SetSweep(chart->Steps(), std::nullopt, chart->TargetImd(), std::nullopt);
    resultLabel->setText(why);
    EnableButtons(false, false, false);
}

void BestLevelWindow::ShowStored(const QString& text) {
    resultLabel->setText(text);
    EnableButtons(false, false, false);
}

void BestLevelWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

void BestLevelWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void BestLevelWindow::EnableButtons(bool running, bool usable, bool keepable) {
    const bool onButton = !focusWidget() || qobject_cast<QPushButton*>(focusWidget());
    startButton->setEnabled(!running);
    cancelButton->setEnabled(running);
    useButton->setEnabled(usable);
    keepButton->setEnabled(keepable);
    // The keyboard moves on to the button this phase offers first, not lost with a button
    // that no longer works.
    if (!onButton) return;
    for (QPushButton* button : {useButton, keepButton, cancelButton, startButton}) {
        if (button->isEnabled()) {
            button->setFocus();
            return;
        }
    }
}

void BestLevelWindow::Decide(bool use) {
    // One answer per result: a second click must not set the level again.
    EnableButtons(false, false, false);
    if (use)
        emit UseRequested();
    else
        emit KeepRequested();
}

void BestLevelWindow::PlaceBesideParent() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) return;
    const QRect beside = owner->frameGeometry();
    const QRect room = owner->screen()->availableGeometry();
    // To the right of the parent, else to its left, and on the screen either way.
    int x = beside.right() + 1 + kGapToParent;
    if (x + width() > room.right()) x = beside.left() - kGapToParent - width();
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() - width()));
    const int y =
        std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() - height()));
    move(x, y);
}
