#include "ui/seg_char_editor.h"

#include "app/globals.h"
#include "app/main/main_form.h"
#include "app/text_util.h"
#include "overlay/gtex.h"
#include "ui/seg_paint_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace xtr::ui {
namespace {

constexpr int kPanelSize = 200;
constexpr int kBorder = 5;
constexpr int kButtonWidth = 84;
constexpr int kButtonGap = 4;

QString OverlayLine(const char* name, int line) { return QString::fromLocal8Bit(GTex().Text(name, line).c_str()); }

}  // namespace

cuiSegEdit::cuiSegEdit(const cmcCellCapsule& request, const Segchar& font, std::uint16_t mask, MainForm* mainForm,
                       QWidget* mainWidget)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      request_(request), font_(font), mainForm_(mainForm), mainWidget_(mainWidget)
{
    // A window of its own rather than a child of the main window, so that
    // disabling the main window leaves the editor usable.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(OverlayLine("GI_AppInd_CharacterEditorCaption", 0));
    font_.SetMask(mask);

    auto* drawing = new QFrame(this);
    drawing->setFixedSize(kPanelSize, kPanelSize);
    auto* drawingLayout = new QVBoxLayout(drawing);
    drawingLayout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    paintBox_ = new SegPaintBox(drawing);
    drawingLayout->addWidget(paintBox_);
    paintBox_->SetPaint([this](Canvas& canvas, const Rect&) { font_.DrawEditor(canvas); });
    paintBox_->SetLeftPress([this](int x, int y) {
        const SegPoint at = font_.EditorToFont(x, y);
        if (font_.ToggleAt(at.x, at.y) >= 0) {
            paintBox_->update();
        }
    });

    auto* buttons = new QFrame(this);
    auto* buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    buttonLayout->setSpacing(kButtonGap);
    buttonLayout->addStretch(1);
    ok_ = new QPushButton(OverlayLine("GI_AppInd_Button_OkCancel", 0), buttons);
    ok_->setDefault(true);
    ok_->setFixedWidth(kButtonWidth);
    cancel_ = new QPushButton(OverlayLine("GI_AppInd_Button_OkCancel", 1), buttons);
    cancel_->setFixedWidth(kButtonWidth);
    buttonLayout->addWidget(ok_);
    buttonLayout->addWidget(cancel_);
    connect(ok_, &QPushButton::clicked, this, [this] {
        Store();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(drawing);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (mainForm_ != nullptr) {
        mainForm_->SetEnabled(false);
    }
}

cuiSegEdit::~cuiSegEdit()
{
    if (mainForm_ != nullptr) {
        mainForm_->SetEnabled(true);
    }
    if (mainWidget_ != nullptr) {
        mainWidget_->activateWindow();
        mainWidget_->setFocus();
    }
}

void cuiSegEdit::Store() { request_.Store(Format("%u", static_cast<unsigned>(font_.Mask()))); }

}  // namespace xtr::ui
