#pragma once

#include "framework/Window.h"

#include <QImage>

#include <string>
#include <string_view>

namespace varnel {

// The about window, "about Varnel": the version text and the author's web address in a
// framed rectangle, a picture beside it. The address opens the author's web page, the picture
// a new mail message to the author.
class Window2 : public fw::Window {
public:
    static constexpr const char* className = "Window2.Window2";
    Window2();

    // The author's web page (the link label shows its host) and mail address.
    static constexpr const char* webHost = "vd.example.org";
    static constexpr const char* mailAddress = "author@example.org";

    // The controls, in creation order, each typed as its class.
    fw::Rectangle* Rectangle1() const { return Control<fw::Rectangle>("Rectangle1"); }
    fw::Label* StaticText1() const { return Control<fw::Label>("StaticText1"); }
    fw::Label* StaticText2() const { return Control<fw::Label>("StaticText2"); }
    fw::Canvas* Canvas1() const { return Control<fw::Canvas>("Canvas1"); }

    // The link label.
    void StaticText2_MouseEnter(QWidget* control);
    void StaticText2_MouseExit(QWidget* control);
    bool StaticText2_MouseDown(QWidget* control, int x, int y);
    void StaticText2_MouseUp(QWidget* control, int x, int y);
    // The picture.
    void Canvas1_MouseEnter(QWidget* control);
    bool Canvas1_MouseDown(QWidget* control, int x, int y);
    void Canvas1_MouseExit(QWidget* control);
    void Canvas1_MouseUp(QWidget* control, int x, int y);

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};

// The open about window; when none is open, a new one is built and opened.
Window2* Window2Instance();

// A date as the compiler writes it, with the day padded to two places by a blank ("Dec  9
// 2025"), as the about text shows it: one blank between its parts ("Dec 9 2025").
std::string ShownDate(std::string_view compilerDate);

// The about text: four lines separated by CR, the last without a line break.
const std::string& AboutText();

// The about picture, loaded from the program's resources on first use and kept for the rest
// of the process; a null image as long as loading has yielded nothing, and every call tries
// again until it has.
QImage AboutPicture();
// Empties the picture's slot, as at the start of the process; for tests that load it anew.
void ForgetAboutPicture();

} // namespace varnel
