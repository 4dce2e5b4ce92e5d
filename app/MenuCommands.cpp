#include "app/Window1.h"

namespace varnel {

void Window1::AddMenuHandlers(fw::Window* window) {
    auto* self = dynamic_cast<Window1*>(window);
    self->AddMenuHandler("aboutItem", [self] { return self->_aboutItem_Action(); });
    self->AddMenuHandler("FilePageSetup", [self] { return self->_FilePageSetup_Action(); });
    self->AddMenuHandler("FilePrint", [self] { return self->_FilePrint_Action(); });
}

bool Window1::_aboutItem_Action() { return false; }

bool Window1::_FilePageSetup_Action() { return false; }

bool Window1::_FilePrint_Action() { return false; }

} // namespace varnel
