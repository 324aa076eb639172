#include "ui/print_target.h"

#include "overlay/gtex.h"
#include "ui/model/cell_painter.h"
#include "ui/model/page_frame.h"
#include "ui/model/sheet.h"
#include "ui/qt_fonts.h"
#include "ui/qt_grid_canvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace xtr::ui {

namespace {

QString Local(std::string_view text) { return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())); }

// On paper a font's height is in the device's pixels: the sheet was built
// with the printer's font height.
QFont DeviceFont(const FontDesc& desc)
{
    QFont font = ToQFont(desc);
    if (desc.height != 0) {
        font.setPixelSize(std::abs(desc.height));
    }
    return font;
}

double ReadPoints(std::string text, double fallback)
{
    while (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    return error == std::errc() && value > 0 && std::isfinite(value) ? value : fallback;
}

// The cell canvas for paper: fonts sized in device pixels.
class DeviceGridCanvas : public QtGridCanvas {
public:
    explicit DeviceGridCanvas(QPainter& painter) : QtGridCanvas(painter), painter_(painter) {}
    void SetFont(const FontDesc& font) override { painter_.setFont(DeviceFont(font)); }

private:
    QPainter& painter_;
};

}  // namespace

int DeviceTextMeasurer::LineWidth(std::string_view line, const FontDesc& font)
{
    return QFontMetrics(DeviceFont(font), &device_).horizontalAdvance(Local(line));
}

int DeviceTextMeasurer::LineHeight(std::string_view, const FontDesc& font)
{
    return QFontMetrics(DeviceFont(font), &device_).height();
}

QtPrintTarget::QtPrintTarget(QPagedPaintDevice& device, cmcGTex& texts, SheetFactory factory, MarkerImages* markers)
    : device_(device), texts_(texts), factory_(std::move(factory)), markers_(markers), measurer_(device)
{
}

QtPrintTarget::~QtPrintTarget()
{
    sheet_.reset();
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

int QtPrintTarget::DotsPerInchY() const { return device_.logicalDpiY(); }

int QtPrintTarget::FontHeightForPoints(double points) const
{
    return std::max(1, static_cast<int>(std::lround(points * DotsPerInchY() / 72.0)));
}

int QtPrintTarget::DefaultFontHeight() const
{
    return FontHeightForPoints(ReadPoints(texts_.Text("GI_Sys_Printer_FontPoints", 0), 8));
}

Rect QtPrintTarget::PrintableArea() const
{
    return PrintableRect(ParsePrintMargins(texts_.Text("GI_Sys_Printer_Margins", 0)), DotsPerInchY(), device_.width(),
                         device_.height());
}

void QtPrintTarget::BeginDocument()
{
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device_)) {
        failed_ = true;
        painter_.reset();
    }
}

void QtPrintTarget::EndDocument()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QtPrintTarget::NewPage()
{
    if (painter_ && !device_.newPage()) {
        failed_ = true;
    }
}

bool QtPrintTarget::BuildSheet(const std::string& reference, int fontHeight)
{
    sheet_.reset();
    sheet_ = factory_(reference);
    if (!sheet_) {
        return false;
    }
    sheet_->SetPrinter(this);
    sheet_->SetFontHeight(fontHeight);
    sheet_->Show();
    return true;
}

void QtPrintTarget::DiscardSheet() { sheet_.reset(); }

PrintGrid QtPrintTarget::Grid() { return sheet_ ? PrintGridOf(*sheet_) : PrintGrid(); }

bool QtPrintTarget::SheetPrintable() { return sheet_ && sheet_->IsPrintable(); }

QFont QtPrintTarget::FrameFont() const
{
    FontDesc desc = sheet_ ? sheet_->BasicFont() : FontDesc();
    desc.style = 0;
    desc.height = 0;
    desc.size = 0;
    QFont font = ToQFont(desc);
    font.setPixelSize(FontHeightForPoints(ReadPoints(texts_.Text("GI_Sys_Printer_FrameFont", 0), 8)));
    return font;
}

Rect QtPrintTarget::MeasureFrame(const Rect& area)
{
    const QFont font = FrameFont();
    return LayoutPageFrame(area, font.pixelSize(), 0, 0).inner;
}

void QtPrintTarget::DrawPage(const Rect& area, const Rect& inner, const PageBlock& block)
{
    if (!painter_ || !sheet_) {
        return;
    }
    QPainter& painter = *painter_;
    const QFont font = FrameFont();
    const QFontMetrics metrics(font, &device_);
    const QString appTitle = Local(texts_.Text("GI_Sys_AppTitleRev", 0));
    const QString maker = Local(texts_.Text("GI_Sys_Maker", 0));
    const PageFrameLayout frame =
        LayoutPageFrame(area, font.pixelSize(), metrics.horizontalAdvance(appTitle), metrics.horizontalAdvance(maker));

    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int ascent = QFontMetrics(painter.font()).ascent();
    painter.drawText(frame.title.x, frame.title.y + ascent, Local(sheet_->GetTitle()));
    painter.drawText(frame.appTitle.x, frame.appTitle.y + ascent, appTitle);
    painter.drawText(frame.maker.x, frame.maker.y + ascent, maker);
    for (const Rect& rule : {frame.headerRule, frame.footerRule}) {
        painter.fillRect(QRect(rule.left, rule.top, rule.Width(), rule.Height()), Qt::black);
    }
    painter.restore();

    DeviceGridCanvas canvas(painter);
    CellPainter cells(*sheet_, canvas);
    const CellPaintState state;
    const PrintGrid grid = PrintGridOf(*sheet_);
    ForEachBlockCell(grid, inner, block,
                     [&](int column, int row, const Rect& rect) { cells.Paint(column, row, rect, state); });
}

}  // namespace xtr::ui
