// A paint box for segment drawings: it paints through the core's canvas and
// forwards left-button presses; what is drawn and what a press does belong
// to the window that owns it.
#pragma once

#include "app/canvas.h"

#include <QWidget>

#include <functional>

namespace xtr::ui {

class SegPaintBox : public QWidget {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(Canvas& canvas, const Rect& area)>;
    using PressFunction = std::function<void(int x, int y)>;

    explicit SegPaintBox(QWidget* parent = nullptr);

    void SetPaint(PaintFunction paint) { paint_ = std::move(paint); }
    void SetLeftPress(PressFunction press) { press_ = std::move(press); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PaintFunction paint_;
    PressFunction press_;
};

}  // namespace xtr::ui
