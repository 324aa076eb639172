// The tool-bar view on Qt: the buttons as QActions on QToolBars in the
// main window's top area, one QToolBar per row; a row break starts the
// next one below (Qt's tool bars do not wrap by themselves).
#pragma once

#include "ui/model/tool_bar_view.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QToolBar>
#include <QMainWindow>
#include <QAction>

#include <vector>

class QAction;
class QMainWindow;
class QToolBar;

namespace xtr::ui {

class QtToolBarView : public QObject, public ToolBarView {
    Q_OBJECT
public:
    QtToolBarView(QMainWindow* window, QList<QPixmap> images);
    ~QtToolBarView() override;

    void SetClicks(Clicks* clicks) override { clicks_ = clicks; }
    void Clear() override;
    void InsertFirst(int button, const ToolButtonLook& look) override;
    void SetDown(int button, bool down) override;
    void SetEnabled(int button, bool enabled) override;
    void SetImage(int button, int imageIndex) override;
    void SetBarVisible(bool visible) override;
    bool BarVisible() const override { return visible_; }

    // The rows, top to bottom (for tests).
    QList<QToolBar*> Rows() const;
    QAction* Action(int button) const;

private:
    struct Entry {
        int id = 0;
        ToolButtonLook look;
        QPointer<QAction> action;  // buttons only
    };
    void Arrange();
    void RemoveRows();

    QPointer<QMainWindow> window_;
    QList<QPixmap> images_;
    Clicks* clicks_ = nullptr;
    std::vector<Entry> entries_;
    QList<QPointer<QToolBar>> rows_;
    bool visible_ = false;
};

}  // namespace xtr::ui
