// Printing on a Qt paged device (a printer, or a PDF file): the sheet is
// built for the device's resolution and font, the page frame and the cells
// are drawn through the grid's cell painter on the device's painter.
#pragma once

#include "ui/model/sheet_print.h"
#include "ui/model/sheet_view.h"
#include "ui/model/text_measurer.h"

#include <functional>
#include <memory>
#include <string>

#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace xtr {
class cmcGTex;
class cuiSheet;
class MarkerImages;
}  // namespace xtr

namespace xtr::ui {

// Measures with fonts sized in the device's pixels.
class DeviceTextMeasurer : public TextMeasurer {
public:
    explicit DeviceTextMeasurer(QPagedPaintDevice& device) : device_(device) {}
    int LineWidth(std::string_view line, const FontDesc& font) override;
    int LineHeight(std::string_view line, const FontDesc& font) override;

private:
    QPagedPaintDevice& device_;
};

class QtPrintTarget : public PrintTarget, private SheetPrinter {
public:
    // Creates the (not yet shown) sheet of a reference.
    using SheetFactory = std::function<std::unique_ptr<cuiSheet>(const std::string& reference)>;

    QtPrintTarget(QPagedPaintDevice& device, cmcGTex& texts, SheetFactory factory, MarkerImages* markers);
    ~QtPrintTarget() override;

    // The cells' font height in device pixels for a size in points.
    int FontHeightForPoints(double points) const;
    // The printable rectangle of the device's page with the margins of the
    // overlay.
    Rect PrintableArea() const;
    // The cells' font height from the overlay's print font size.
    int DefaultFontHeight() const;

    // The device could not be opened or refused a page.
    bool Failed() const { return failed_; }

    void BeginDocument() override;
    void EndDocument() override;
    void NewPage() override;
    bool BuildSheet(const std::string& reference, int fontHeight) override;
    void DiscardSheet() override;
    PrintGrid Grid() override;
    bool SheetPrintable() override;
    Rect MeasureFrame(const Rect& area) override;
    void DrawPage(const Rect& area, const Rect& inner, const PageBlock& block) override;

private:
    int DotsPerInchY() const override;
    TextMeasurer& Measurer() override { return measurer_; }
    QFont FrameFont() const;

    QPagedPaintDevice& device_;
    cmcGTex& texts_;
    SheetFactory factory_;
    MarkerImages* markers_;
    DeviceTextMeasurer measurer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<cuiSheet> sheet_;
    bool failed_ = false;
};

}  // namespace xtr::ui
