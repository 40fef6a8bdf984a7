#pragma once
// The grey status line along the bottom of the main window and its eight labels.

#include <QFrame>
#include <QLabel>

class StatusPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 37;

    explicit StatusPanel(QWidget* parent = nullptr);

    QLabel* statusWord;
    QLabel* alc;
    QLabel* mode;
    QLabel* rms;
    QLabel* imd;
    QLabel* level;
    QLabel* peakVolts;
    QLabel* power;

private:
    QLabel* MakeLabel(const char* name, int left, int top, int width);
};
