#pragma once

#include <QPageLayout>

namespace fw {

// The settings of a page setup: paper, orientation and margins, kept for the life of the
// object.
class PrinterSetup {
public:
    QPageLayout pageLayout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
};

} // namespace fw
