// The progress window of clone reads and writes: a tool window captioned
// "Cloning" with a bar of 32 cells, centred over the main window while the
// transfer runs. It has no close button: a transfer ends by itself.
#pragma once

#include "clone/clone_progress.h"

#include <QWidget>

namespace xtr::ui {

class ProgressWindow : public QWidget, public CloneProgressView {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* owner);

    void CloneStarted(uint8_t kind) override;
    void CloneProgress(int k) override;
    void CloneEnded() override;

    // Cells filled, 0 to 32.
    int Filled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* owner_;
    int filled_ = 0;
};

}  // namespace xtr::ui
