#include "ui/sheet_panel.h"

#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace xtr::ui {

SheetPanel::SheetPanel(QWidget* parent, bool listMode) : QFrame(parent), listMode_(listMode)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    body_ = new QFrame(this);
    // A list stands out raised from what it covers; a page is sunk into the
    // window.
    if (listMode) {
        body_->setFrameStyle(QFrame::Panel | QFrame::Raised);
        body_->setLineWidth(1);
        body_->setContentsMargins(2, 2, 2, 2);
    } else {
        body_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        body_->setLineWidth(2);
    }
    auto* bodyLayout = new QVBoxLayout(body_);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    cuiGrid::Panel parts;
    parts.createWidgets = [this](cuiSheet& sheet) { CreateTitle(sheet); };
    parts.showWidgets = [this](cuiSheet& sheet) { ShowParts(sheet); };
    grid_ = new cuiGrid(body_, std::move(parts));
    bodyLayout->addWidget(grid_);
    body_->hide();
    layout->addWidget(body_, 1);
}

SheetPanel::~SheetPanel()
{
    // The sheet tells its grid it is going; the grid must still be there.
    sheet_.reset();
}

bool SheetPanel::Build(const SheetMaker& make, const std::function<void(cuiSheet&)>& setUp)
{
    sheet_ = make(&grid_->Model());
    if (sheet_ == nullptr) {
        return false;
    }
    sheet_->SetListMode(listMode_);
    if (setUp) {
        setUp(*sheet_);
    }
    sheet_->Show();
    return true;
}

void SheetPanel::CreateTitle(cuiSheet& sheet)
{
    const SheetStyle& style = sheet.Style();
    if (!style.title) {
        return;
    }
    titleBar_ = new QFrame(this);
    titleBar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    titleBar_->setLineWidth(2);
    titleBar_->setAutoFillBackground(true);
    QPalette palette = titleBar_->palette();
    palette.setColor(QPalette::Window, ToQColor(style.titleColor));
    titleBar_->setPalette(palette);
    auto* layout = new QVBoxLayout(titleBar_);
    layout->setContentsMargins(2, 2, 2, 2);
    title_ = new QLabel(QString::fromLocal8Bit(style.title->c_str()), titleBar_);
    title_->setTextFormat(Qt::PlainText);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (style.titleFont) {
        title_->setFont(ToQFont(*style.titleFont));
    }
    layout->addWidget(title_);
    titleBar_->setFixedHeight(title_->sizeHint().height() + 2 + 8);
    titleBar_->hide();
    static_cast<QVBoxLayout*>(this->layout())->insertWidget(0, titleBar_);
}

void SheetPanel::ShowParts(cuiSheet& sheet)
{
    body_->setFont(ToQFont(sheet.BasicFont()));
    if (titleBar_ != nullptr) {
        titleBar_->show();
    }
    body_->show();
    // Lay the panel out now: the grid scrolls the cursor's cell into view
    // with its real size.
    layout()->activate();
    body_->layout()->activate();
}

SheetPosition SheetPanel::Position() const
{
    if (sheet_ == nullptr) {
        return {};
    }
    const SheetGrid& model = grid_->Model();
    return {model.CursorColumn(), model.CursorRow(), model.Geometry().LeftColumn(), model.Geometry().TopRow()};
}

QSize SheetPanel::NeededSize() const
{
    if (sheet_ == nullptr) {
        return {};
    }
    const QMargins frame = body_->contentsMargins();
    const int titleHeight = titleBar_ != nullptr ? titleBar_->height() : 0;
    return {sheet_->TotalWidth() + frame.left() + frame.right() + 2 * body_->frameWidth(),
            sheet_->TotalHeight() + frame.top() + frame.bottom() + 2 * body_->frameWidth() + titleHeight};
}

}  // namespace xtr::ui
