#include "Services.h"

#include "Printing.h"

#include <QDesktopServices>
#include <QDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>
#include <QUrl>

namespace fw {

namespace {

SystemServices* installed = nullptr;

} // namespace

bool QtSystemServices::PageSetupDialog(PrinterSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSetup(printer, &setup);
    QPageSetupDialog dialog(&printer, nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setup.pageLayout = printer.pageLayout();
    return true;
}

std::unique_ptr<PrintedPage> QtSystemServices::PrintDialog(const PrinterSetup* setup) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ApplyPageSetup(*printer, setup);
    QPrintDialog dialog(printer.get(), nullptr);
    // One page is printed; there is nothing to choose among pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return BeginPrinting(std::move(printer));
}

void QtSystemServices::ShowURL(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

QImage QtSystemServices::OpenPictureFromApp(const std::string& name) {
    return QImage(QStringLiteral(":/") + QString::fromStdString(name));
}

SystemServices& Services() {
    static QtSystemServices toolkit;
    return installed ? *installed : toolkit;
}

SystemServices* SetSystemServices(SystemServices* services) {
    SystemServices* previous = installed;
    installed = services;
    return previous;
}

void ShowURL(const std::string& url) { Services().ShowURL(url); }

QImage OpenPictureFromApp(const std::string& name) { return Services().OpenPictureFromApp(name); }

} // namespace fw
