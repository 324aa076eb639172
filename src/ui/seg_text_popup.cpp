#include "ui/seg_text_popup.h"

#include "app/events.h"
#include "app/globals.h"
#include "overlay/gtex.h"
#include "segedit/segment_text.h"
#include "ui/seg_paint_box.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace xtr::ui {
namespace {

constexpr int kBorder = 5;
constexpr int kBevel = 2;
constexpr int kMemoLimit = 1024;
constexpr int kButtonGap = 8;
// Characters the preview shows in one row.
constexpr int kPreviewColumns = 10;

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;

QString OverlayLine(const char* name, int line) { return QString::fromLocal8Bit(GTex().Text(name, line).c_str()); }

QFrame* BorderPanel(QWidget* parent, QLayout*& layout, bool horizontal = false)
{
    auto* panel = new QFrame(parent);
    if (horizontal) {
        layout = new QHBoxLayout(panel);
    } else {
        layout = new QVBoxLayout(panel);
    }
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    return panel;
}

}  // namespace

cuiFSegText::cuiFSegText(const cmcCellCapsule& request, Segchar& font, Setup setup)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint), request_(request), font_(font), setup_(std::move(setup))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBevel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBevel, kBevel, kBevel, kBevel);
    layout->setSpacing(0);

    QLayout* editLayout = nullptr;
    QFrame* editPanel = BorderPanel(this, editLayout);
    memo_ = new QPlainTextEdit(editPanel);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setTabChangesFocus(true);
    if (setup_.font) {
        memo_->setFont(*setup_.font);
    }
    const int memoHeight =
        static_cast<int>(std::lround(1.5 * QFontMetrics(memo_->font()).height())) + 2 * memo_->frameWidth();
    memo_->setFixedHeight(memoHeight);
    editLayout->addWidget(memo_);
    const int editHeight = memoHeight + 2 * kBorder;
    editPanel->setFixedHeight(editHeight);
    layout->addWidget(editPanel);

    QLayout* previewLayout = nullptr;
    QFrame* previewPanel = BorderPanel(this, previewLayout);
    preview_ = new SegPaintBox(previewPanel);
    preview_->SetPaint([this](Canvas& canvas, const Rect& area) {
        canvas.FillRect(Rect{area.left, area.top, area.right, area.top + 1}, kClBlack);
        canvas.FillRect(Rect{area.left, area.bottom - 1, area.right, area.bottom}, kClBlack);
        canvas.FillRect(Rect{area.left, area.top, area.left + 1, area.bottom}, kClBlack);
        canvas.FillRect(Rect{area.right - 1, area.top, area.right, area.bottom}, kClBlack);
        font_.DrawText(canvas, area, working_, setup_.length, kPreviewColumns, 1, setup_.userMasks);
    });
    previewLayout->addWidget(preview_);
    previewPanel->setFixedHeight(editHeight + 2);
    layout->addWidget(previewPanel);

    QLayout* pickerLayout = nullptr;
    pickerPanel_ = BorderPanel(this, pickerLayout);
    pickerLayout_ = static_cast<QVBoxLayout*>(pickerLayout);
    pickerPanel_->setFixedHeight(0);
    layout->addWidget(pickerPanel_);

    QLayout* buttonLayout = nullptr;
    QFrame* buttonPanel = BorderPanel(this, buttonLayout, true);
    auto* buttons = static_cast<QHBoxLayout*>(buttonLayout);
    buttons->setSpacing(kButtonGap);
    buttons->addStretch(1);
    ok_ = new QPushButton(OverlayLine("GI_AppInd_Button_OkCancel", 0), buttonPanel);
    ok_->setDefault(true);
    cancel_ = new QPushButton(OverlayLine("GI_AppInd_Button_OkCancel", 1), buttonPanel);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addWidget(buttonPanel);
    connect(ok_, &QPushButton::clicked, this, &cuiFSegText::Commit);
    connect(cancel_, &QPushButton::clicked, this, &cuiFSegText::Cancel);

    memo_->installEventFilter(this);
    memo_->setPlainText(QString::fromLatin1(setup_.text.c_str()));
    if (setup_.selectAll) {
        memo_->selectAll();
    } else {
        memo_->moveCursor(QTextCursor::End);
    }
    connect(memo_, &QPlainTextEdit::textChanged, this, &cuiFSegText::MemoChanged);
    MemoChanged();
    setMinimumWidth(QFontMetrics(memo_->font()).horizontalAdvance(QLatin1Char('W')) * 16);
    adjustSize();
    memo_->setFocus();

    if (HasEvMan()) {
        EvMan().Register(Listener, this);
        registered_ = true;
    }
}

cuiFSegText::~cuiFSegText()
{
    if (registered_ && HasEvMan()) {
        EvMan().Unregister(Listener, this);
    }
}

void cuiFSegText::SetPicker(QWidget* picker, int fullWidth, int fullHeight)
{
    if (picker_ != nullptr) {
        pickerLayout_->removeWidget(picker_);
        picker_->deleteLater();
    }
    picker_ = picker;
    if (picker_ == nullptr) {
        pickerPanel_->setFixedHeight(0);
        return;
    }
    picker_->setParent(pickerPanel_);
    // The sizes are those of the picker's client area: a scrolling picker
    // gets its frame and its vertical scroll bar on top.
    QSize size(fullWidth, fullHeight * 5 / 8);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(picker_)) {
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int frame = 2 * area->frameWidth();
        size += QSize(frame + area->verticalScrollBar()->sizeHint().width(), frame);
    }
    picker_->setFixedSize(size);
    pickerLayout_->addWidget(picker_);
    pickerPanel_->setFixedHeight(picker_->height() + 2 * kBorder);
    picker_->show();
    adjustSize();
}

std::string cuiFSegText::MemoText() const
{
    // The escape text is plain ASCII; any other character the user manages
    // to enter cannot be shown by the radio and is stored as a space.
    std::string text;
    for (const QChar c : memo_->toPlainText()) {
        text.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : ' ');
    }
    return text;
}

void cuiFSegText::MemoChanged()
{
    if (memo_->toPlainText().size() > kMemoLimit) {
        QTextCursor cursor = memo_->textCursor();
        const int position = cursor.position();
        memo_->blockSignals(true);
        memo_->setPlainText(memo_->toPlainText().left(kMemoLimit));
        cursor = memo_->textCursor();
        cursor.setPosition(std::min(position, kMemoLimit));
        memo_->setTextCursor(cursor);
        memo_->blockSignals(false);
    }
    working_ = SegUnescape(MemoText());
    preview_->update();
}

void cuiFSegText::Insert(unsigned code)
{
    const char byte = static_cast<char>(code);
    QTextCursor cursor = memo_->textCursor();
    cursor.insertText(QString::fromLatin1(SegEscape(std::string_view(&byte, 1)).c_str()));
    memo_->setTextCursor(cursor);
}

void cuiFSegText::PickerClick(unsigned code)
{
    Insert(code);
    memo_->setFocus();
}

bool cuiFSegText::PickerKey(int key, unsigned code)
{
    if (key == kKeySpace) {
        Insert(code);
        return true;
    }
    if (key == kKeyEnter) {
        Commit();
        return true;
    }
    if (key == kKeyBackspace || key == kKeyEscape) {
        memo_->setFocus();
        return true;
    }
    if (key > kKeySpace && key <= 127) {
        Insert(static_cast<unsigned>(key));
        memo_->setFocus();
        return true;
    }
    return false;
}

void cuiFSegText::Commit()
{
    if (released_ || committed_ || cancelled_) {
        return;
    }
    committed_ = true;
    request_.Store(MemoText());
    Release();
}

void cuiFSegText::Cancel()
{
    if (released_) {
        return;
    }
    cancelled_ = true;
    Release();
}

void cuiFSegText::Release()
{
    if (released_) {
        return;
    }
    released_ = true;
    close();
}

bool cuiFSegText::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && !released_) {
        if (cancelled_) {
            Release();
        } else {
            Commit();
        }
    }
    return QFrame::event(event);
}

bool cuiFSegText::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Commit();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Cancel();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void cuiFSegText::Listener(void* context, const cmcEvent& event) { static_cast<cuiFSegText*>(context)->OnEvent(event); }

void cuiFSegText::OnEvent(const cmcEvent& event)
{
    if (released_) {
        return;
    }
    if (event.type == kEvCommitEdit) {
        if (cancelled_) {
            Release();
        } else {
            Commit();
        }
    } else if (event.type == kEvReleaseWindow && setup_.ownerId >= 0 && event.value == setup_.ownerId) {
        Cancel();
    }
}

}  // namespace xtr::ui
