#include "dialogs/uhistory.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "base/MessagePresenter.h"
#include "measure/HistoryChart.h"
#include "measure/HistoryCsv.h"

namespace {
struct SpanEntry {
    const char* text;
    std::int64_t millis;  // 0: the whole session
};
constexpr std::array<SpanEntry, 3> kSpans = {
    {{"10 min", 10 * 60 * 1000}, {"1 h", 60 * 60 * 1000}, {"Session", 0}}};
constexpr int kRepaintMs = 1000;
}  // namespace

THistoryForm::THistoryForm(const HistoryStore& store, std::function<int()> targetImd,
                           MessagePresenter& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      targetImd_(std::move(targetImd)),
      messages_(messages) {
    setObjectName("HistoryForm");
    setWindowTitle("History");
    resize(560, 420);
    SpanComboBox = new QComboBox(this);
    SpanComboBox->setObjectName("SpanComboBox");
    for (const SpanEntry& span : kSpans) SpanComboBox->addItem(span.text);
    SaveButton = new QPushButton("Save as CSV...", this);
    SaveButton->setObjectName("SaveButton");
    Chart = new HistoryChart(store_, this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(SpanComboBox);
    controls->addStretch(1);
    controls->addWidget(SaveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(Chart, 1);

    repaintTimer_ = new QTimer(this);
    repaintTimer_->setInterval(kRepaintMs);
    connect(repaintTimer_, &QTimer::timeout, this, &THistoryForm::Repaint);
    connect(SpanComboBox, &QComboBox::currentIndexChanged, this, &THistoryForm::SpanChanged);
    connect(SaveButton, &QPushButton::clicked, this, &THistoryForm::SaveClick);
    SpanChanged(0);
}

void THistoryForm::Open() {
    Repaint();
    show();
    raise();
    activateWindow();
}

bool THistoryForm::SaveTo(const QString& path) {
    if (SaveHistoryCsv(store_, path.toStdString())) return true;
    messages_.MessageDialog("Error", "!", "Could not write " + path.toStdString());
    return false;
}

void THistoryForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    repaintTimer_->start();
}

void THistoryForm::hideEvent(QHideEvent* event) {
    // Hidden, it costs the cycles nothing.
    repaintTimer_->stop();
    QWidget::hideEvent(event);
}

void THistoryForm::SpanChanged(int index) {
    if (index >= 0 && index < int(kSpans.size())) Chart->SetSpanMillis(kSpans[index].millis);
}

void THistoryForm::SaveClick() {
    const QString path = QFileDialog::getSaveFileName(this, "Save as CSV", "quorvane-history.csv",
                                                      "CSV files (*.csv);;All files (*)");
    if (!path.isEmpty()) SaveTo(path);
}

void THistoryForm::Repaint() {
    Chart->SetTargetImd(targetImd_());
}
