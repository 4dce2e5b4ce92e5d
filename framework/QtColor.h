#pragma once

#include "Color.h"

#include <QColor>

namespace fw {

inline QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }

} // namespace fw
