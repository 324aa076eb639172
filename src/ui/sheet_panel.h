// SheetPanel: one shown sheet with its widgets: the title bar (when the
// sheet has a title), the body panel and the grid inside it. The panel owns
// the sheet; the sheet goes before the grid it is shown in.
#pragma once

#include "ui/cui_grid.h"
#include "ui/model/sheet.h"

#include <QFrame>

#include <functional>
#include <memory>

class QLabel;

namespace xtr::ui {

class SheetPanel : public QFrame {
    Q_OBJECT
public:
    using SheetMaker = std::function<std::unique_ptr<cuiSheet>(SheetView* view)>;

    explicit SheetPanel(QWidget* parent, bool listMode = false);
    ~SheetPanel() override;

    // Creates the sheet with make, configures it with setUp (saved
    // position, list mode...) and shows it. False when make built nothing.
    bool Build(const SheetMaker& make, const std::function<void(cuiSheet&)>& setUp = {});

    cuiSheet* Sheet() const { return sheet_.get(); }
    cuiGrid* Grid() const { return grid_; }
    QLabel* Title() const { return title_; }
    // Cursor and scroll position, to show the sheet there again later.
    SheetPosition Position() const;
    // The size at which the whole grid shows without scrolling.
    QSize NeededSize() const;

private:
    void CreateTitle(cuiSheet& sheet);
    void ShowParts(cuiSheet& sheet);

    bool listMode_;
    QFrame* titleBar_ = nullptr;
    QLabel* title_ = nullptr;
    QFrame* body_ = nullptr;
    cuiGrid* grid_ = nullptr;
    std::unique_ptr<cuiSheet> sheet_;
};

}  // namespace xtr::ui
