#pragma once

#include "PainterGraphics.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <optional>

namespace fw {

// The settings of a page setup: paper, orientation and margins, kept for the life of the
// object. Until a page-setup dialog has been confirmed on it, it holds no layout and the
// printer's own defaults apply.
class PrinterSetup {
public:
    // Runs the page-setup dialog on these settings, with no parent window. True when the user
    // confirmed; the settings then hold the choice. Cancelling leaves them as they were.
    bool PageSetupDialog();

    QPageLayout pageLayout; // invalid until a page setup has been confirmed
};

// Gives the printer the layout of the page setup, when there is one and it holds a layout;
// otherwise the printer keeps its defaults.
void ApplyPageSetup(QPrinter& printer, const PrinterSetup* setup);

// The surface of one page being printed. The page is printed when the object is destroyed.
class PrintedPage {
public:
    virtual ~PrintedPage() = default;
    virtual Graphics& Surface() = 0;
    // From now on nothing is drawn outside this rectangle of the surface.
    virtual void Clip(double x, double y, double width, double height) = 0;
};

// A page on a real printer (or its PDF output). The surface counts 96 units to the inch from
// the top-left corner of the printable area, so a drawing has on paper the size it has on a
// standard screen; nothing is scaled to the page.
class PrinterPage final : public PrintedPage {
public:
    // Begins painting on the printer; IsActive tells whether that worked.
    explicit PrinterPage(std::unique_ptr<QPrinter> printer);
    ~PrinterPage() override;
    PrinterPage(const PrinterPage&) = delete;
    PrinterPage& operator=(const PrinterPage&) = delete;

    bool IsActive() const { return graphics_.has_value(); }
    // Asking for the surface of a page whose painting did not begin is a fault in the
    // program (BeginPrinting gives no such page): it stops the program with a message (qFatal).
    Graphics& Surface() override;
    void Clip(double x, double y, double width, double height) override;

    static constexpr double unitsPerInch = 96.0;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<PainterGraphics> graphics_;
};

// Begins a page on the printer: the page, or null when the printer cannot be painted on.
std::unique_ptr<PrintedPage> BeginPrinting(std::unique_ptr<QPrinter> printer);

// Runs the print dialog with no parent window, with the page setup when one is given, else
// with default settings. The surface of the page to print when the user confirmed, else null.
std::unique_ptr<PrintedPage> OpenPrinterDialog(const PrinterSetup* setup);

} // namespace fw
