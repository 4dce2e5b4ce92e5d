#include "Printing.h"

#include "Services.h"

#include <QtGlobal>

namespace fw {

bool PrinterSetup::PageSetupDialog() { return Services().PageSetupDialog(*this); }

void ApplyPageSetup(QPrinter& printer, const PrinterSetup* setup) {
    if (setup && setup->pageLayout.isValid())
        printer.setPageLayout(setup->pageLayout);
}

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    if (!printer_ || !painter_.begin(printer_.get()))
        return;
    const double scale = printer_->resolution() / unitsPerInch;
    painter_.scale(scale, scale);
    graphics_.emplace(painter_);
}

// Ending the painter finishes the page and sends it to the printer.
PrinterPage::~PrinterPage() {
    graphics_.reset();
    if (painter_.isActive())
        painter_.end();
}

Graphics& PrinterPage::Surface() {
    if (!graphics_)
        qFatal("printing did not begin: the page has no surface to draw on");
    return *graphics_;
}

void PrinterPage::Clip(double x, double y, double width, double height) {
    if (painter_.isActive())
        painter_.setClipRect(QRectF(x, y, width, height));
}

std::unique_ptr<PrintedPage> BeginPrinting(std::unique_ptr<QPrinter> printer) {
    auto page = std::make_unique<PrinterPage>(std::move(printer));
    if (!page->IsActive())
        return nullptr;
    return page;
}

std::unique_ptr<PrintedPage> OpenPrinterDialog(const PrinterSetup* setup) {
    return Services().PrintDialog(setup);
}

} // namespace fw
