#pragma once

#include <QImage>

#include <memory>
#include <string>

namespace fw {

class PrinterSetup;
class PrintedPage;

// What the program asks of the system: the page-setup and print dialogs, opening a web or
// mail address, and loading a picture from the program's resources. Everything that waits on
// the user or on another program goes through here, so tests can put a stand-in in its place.
class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Runs the page-setup dialog on the settings; true when confirmed, and then the settings
    // hold the choice.
    virtual bool PageSetupDialog(PrinterSetup& setup) = 0;
    // Runs the print dialog, with the page setup when one is given, else with default
    // settings; the page to draw on when confirmed, else null.
    virtual std::unique_ptr<PrintedPage> PrintDialog(const PrinterSetup* setup) = 0;
    // Hands a web or mailto address to the system; whether that worked is not known.
    virtual void ShowURL(const std::string& url) = 0;
    // The picture of that file name among the program's resources; a null image when it is
    // missing or cannot be read.
    virtual QImage OpenPictureFromApp(const std::string& name) = 0;
};

// The services over the toolkit: modal dialogs, the desktop's URL handler, the program's
// compiled-in resources (the file name at the root of the resource tree).
class QtSystemServices final : public SystemServices {
public:
    bool PageSetupDialog(PrinterSetup& setup) override;
    std::unique_ptr<PrintedPage> PrintDialog(const PrinterSetup* setup) override;
    void ShowURL(const std::string& url) override;
    QImage OpenPictureFromApp(const std::string& name) override;
};

// The services in use: the installed ones, else the toolkit's.
SystemServices& Services();
// Installs services (null: the toolkit's again) and returns the ones installed before, null
// when those were the toolkit's. The caller keeps what it installs alive while installed.
SystemServices* SetSystemServices(SystemServices* services);

// Opens a web or mail address through the services in use.
void ShowURL(const std::string& url);
// Loads a picture from the program's resources through the services in use.
QImage OpenPictureFromApp(const std::string& name);

} // namespace fw
