#include "dialogs/HistoryWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardPaths>
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
    {{QT_TRANSLATE_NOOP("HistoryWindow", "10 min"), 10 * 60 * 1000},
     {QT_TRANSLATE_NOOP("HistoryWindow", "1 h"), 60 * 60 * 1000},
     {QT_TRANSLATE_NOOP("HistoryWindow", "Session"), 0}}};
constexpr int kRepaintMs = 1000;
}  // namespace

HistoryWindow::HistoryWindow(const HistoryStore& store, std::function<int()> targetImd,
                             MessagePresenter& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      targetImd_(std::move(targetImd)),
      messages_(messages) {
    setObjectName("HistoryForm");
    setWindowTitle(tr("History"));
    resize(560, 420);
    spanList = new QComboBox(this);
    spanList->setObjectName("spanList");
    for (const SpanEntry& span : kSpans) spanList->addItem(tr(span.text));
    saveButton = new QPushButton(tr("Save as CSV..."), this);
    saveButton->setObjectName("saveButton");
    chart = new HistoryChart(store_, this);
    spanList->setAccessibleName(tr("Time span"));
    chart->setAccessibleName(tr("IMD and peak power over time"));
    // Enter presses the button when it has the keyboard, as Space does.
    saveButton->setAutoDefault(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(spanList);
    controls->addStretch(1);
    controls->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(chart, 1);

    repaintTimer_ = new QTimer(this);
    repaintTimer_->setInterval(kRepaintMs);
    connect(repaintTimer_, &QTimer::timeout, this, &HistoryWindow::Repaint);
    connect(spanList, &QComboBox::currentIndexChanged, this, &HistoryWindow::SpanChanged);
    connect(saveButton, &QPushButton::clicked, this, &HistoryWindow::SaveAsCsv);
    SpanChanged(0);
}

void HistoryWindow::Open() {
    Repaint();
    show();
    raise();
    activateWindow();
}

bool HistoryWindow::SaveTo(const QString& path) {
    if (SaveHistoryCsv(store_, path.toStdString())) return true;
    messages_.ShowMessage(tr("Error").toStdString(), MessageKind::Error,
                          tr("Could not write %1").arg(path).toStdString());
    return false;
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    repaintTimer_->start();
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    // Hidden, it costs the cycles nothing.
    repaintTimer_->stop();
    QWidget::hideEvent(event);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HistoryWindow::SpanChanged(int index) {
    if (index >= 0 && index < int(kSpans.size())) chart->SetSpanMillis(kSpans[index].millis);
}

void HistoryWindow::SaveAsCsv() {
    // The working folder may be the program's own, read-only one: offer the documents.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as CSV"),
                                                      QDir(folder).filePath("quorvane-history.csv"),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) SaveTo(path);
}

void HistoryWindow::Repaint() {
    chart->SetTargetImd(targetImd_());
}
