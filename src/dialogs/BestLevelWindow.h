#pragma once
// "Find Best Level": the window in which the operator starts a sweep of the sound output's
// volume, watches each level's IMD and power come in, and then takes the best level or keeps
// the old one. It holds no sweep of its own: the main window runs the sweep, tells it what
// to show, and acts on its requests.

#include <QString>
#include <QWidget>
#include <vector>

#include "measure/LevelSweep.h"

class QLabel;
class QPushButton;
class SweepChart;

class BestLevelWindow : public QWidget {
    Q_OBJECT
public:
    explicit BestLevelWindow(QWidget* parent = nullptr);

    // Shows the window, the first time beside its parent, and brings it to the front.
    void Open();

    // A sweep measuring `currentLevel` after `steps`: only Cancel works.
    void ShowRunning(const std::vector<SweepStep>& steps, int currentLevel, int targetImd);
    // The sweep's result, worded by the caller ("Best level 61 %: 24 W at -27 dB", a second
    // line for the linear range): the best level may be used or the old one kept.
    void ShowFinished(const std::vector<SweepStep>& steps, int targetImd, const SweepResult& result,
                      const QString& resultText);
    // The sweep ended without a result ("Stopped: the signal went away"); Start again.
    void ShowStopped(const QString& why);
    // A result kept from an earlier sweep, as the caller words it ("Last time: ...").
    void ShowStored(const QString& text);

    SweepChart* chart;
    QLabel* resultLabel;
    QPushButton* startButton;
    QPushButton* cancelButton;
    QPushButton* useButton;
    QPushButton* keepButton;

signals:
    void StartRequested();
    void CancelRequested();
    void UseRequested();
    void KeepRequested();
    // The operator closed the window.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc closes the window, which ends a sweep as the close box does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EnableButtons(bool running, bool usable, bool keepable);
    void Decide(bool use);
    void PlaceBesideParent();

    bool placed_ = false;
};
