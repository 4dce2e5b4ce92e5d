// The main window's menu commands: the about window, the page setup and printing.
#include "app/Window1.h"
#include "app/Window2.h"

#include "diagram/Diagram.h"
#include "diagram/State.h"
#include "framework/Printing.h"

namespace varnel {

void Window1::AddMenuHandlers(fw::Window* window) {
    auto* self = dynamic_cast<Window1*>(window);
    self->AddMenuHandler("aboutItem", [self] { return self->_aboutItem_Action(); });
    self->AddMenuHandler("FilePageSetup", [self] { return self->_FilePageSetup_Action(); });
    self->AddMenuHandler("FilePrint", [self] { return self->_FilePrint_Action(); });
}

// The open about window is shown again; a closed one is replaced by a new one.
bool Window1::_aboutItem_Action() {
    Window2Instance()->Show();
    return false;
}

// A cancelled page setup changes nothing; an earlier confirmation still counts.
bool Window1::_FilePageSetup_Action() {
    if (printerSetup->PageSetupDialog())
        hasPageSetup = true;
    return false;
}

// One page: the diagram as on the canvas, at canvas coordinates and within the canvas's
// bounds, without the white fill and without the read-outs of a marked event. The page
// prints when it is let go of here.
bool Window1::_FilePrint_Action() {
    std::unique_ptr<fw::PrintedPage> page =
        fw::OpenPrinterDialog(hasPageSetup ? printerSetup.get() : nullptr);
    if (page) {
        page->Clip(0, 0, canvasWidth, canvasHeight);
        DrawDiagram(page->Surface());
    }
    return false;
}

} // namespace varnel
