#pragma once
// The history window: IMD and peak power of the session's cycles against time, over a span
// the operator picks, kept current by a repaint once a second while it is shown (the
// cycles themselves only append records), and "Save as CSV..." for the records kept.

#include <QWidget>
#include <cstdint>
#include <functional>

class HistoryChart;
class HistoryStore;
class MessagePresenter;
class QComboBox;
class QPushButton;
class QTimer;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `targetImd` is asked at each repaint, so a new target shows without further wiring.
    HistoryWindow(const HistoryStore& store, std::function<int()> targetImd,
                  MessagePresenter& messages, QWidget* parent = nullptr);

    void Open();
    // Writes the records to `path`; a failure is told to the operator.
    bool SaveTo(const QString& path);

    QComboBox* spanList;
    QPushButton* saveButton;
    HistoryChart* chart;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Esc closes the window, as it would a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SpanChanged(int index);
    void SaveAsCsv();
    void Repaint();

    const HistoryStore& store_;
    std::function<int()> targetImd_;
    MessagePresenter& messages_;
    QTimer* repaintTimer_;
};
