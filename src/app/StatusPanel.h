#pragma once
// The grey status line along the bottom of the main window and its eight labels, with a
// third row for the rig's meters while the program follows the rig.

#include <QFrame>
#include <QLabel>
#include <QString>

class QTimer;

class StatusPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 37;

    static constexpr int kRigRowHeight = 15;

    explicit StatusPanel(QWidget* parent = nullptr);
    void ShowRigRow(bool shown);
    // The status word on the line. Screen readers learn it once the event loop is idle again,
    // so a word replaced within the same cycle is announced once, and only when it differs
    // from the last one announced.
    void ShowStatusWord(const QString& word);
    const QString& AnnouncedStatus() const { return announced_; }

    QLabel* statusWord;
    QLabel* alc;
    QLabel* mode;
    QLabel* rms;
    QLabel* imd;
    QLabel* level;
    QLabel* peakVolts;
    QLabel* power;
    QLabel* rigMeters;

private:
    QLabel* MakeLabel(const char* name, int left, int top, int width);
    void DescribeLabels();
    void AnnounceStatus();

    QTimer* announceTimer_;
    QString announced_;
};
