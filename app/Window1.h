#pragma once

#include "framework/Window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace varnel {

// The main window, "Varnel Diagram": the diagram canvas and every control that drives it.
class Window1 : public fw::Window {
public:
    static constexpr const char* className = "Window1.Window1";
    Window1();

    // The controls, in creation order, each typed as its class.
    fw::Rectangle* Rectangle1() const { return Control<fw::Rectangle>("Rectangle1"); }
    fw::Canvas* Canvas1() const { return Control<fw::Canvas>("Canvas1"); }
    QGroupBox* GroupBox1() const { return Control<QGroupBox>("GroupBox1"); }
    QRadioButton* RadioButton1() const { return Control<QRadioButton>("RadioButton1"); }
    QRadioButton* RadioButton2() const { return Control<QRadioButton>("RadioButton2"); }
    QGroupBox* GroupBox2() const { return Control<QGroupBox>("GroupBox2"); }
    QLineEdit* EditField2() const { return Control<QLineEdit>("EditField2"); }
    fw::Label* StaticText1() const { return Control<fw::Label>("StaticText1"); }
    QSlider* SpeedSlider() const { return Control<QSlider>("SpeedSlider"); }
    QGroupBox* GroupBox3() const { return Control<QGroupBox>("GroupBox3"); }
    QSlider* UnitSlider() const { return Control<QSlider>("UnitSlider"); }
    QGroupBox* GroupBox4() const { return Control<QGroupBox>("GroupBox4"); }
    fw::Label* StaticText2() const { return Control<fw::Label>("StaticText2"); }
    QSlider* BlackPosSlider() const { return Control<QSlider>("BlackPosSlider"); }
    fw::Label* StaticText4() const { return Control<fw::Label>("StaticText4"); }
    QSlider* BlackLengthSlider() const { return Control<QSlider>("BlackLengthSlider"); }
    QCheckBox* CheckBox1() const { return Control<QCheckBox>("CheckBox1"); }
    QCheckBox* CheckBox2() const { return Control<QCheckBox>("CheckBox2"); }
    QCheckBox* CheckBox3() const { return Control<QCheckBox>("CheckBox3"); }
    QGroupBox* GroupBox5() const { return Control<QGroupBox>("GroupBox5"); }
    fw::Label* StaticText3() const { return Control<fw::Label>("StaticText3"); }
    QSlider* RedPosSlider() const { return Control<QSlider>("RedPosSlider"); }
    fw::Label* StaticText5() const { return Control<fw::Label>("StaticText5"); }
    QSlider* RedLengthSlider() const { return Control<QSlider>("RedLengthSlider"); }
    QCheckBox* CheckBox4() const { return Control<QCheckBox>("CheckBox4"); }
    QCheckBox* CheckBox5() const { return Control<QCheckBox>("CheckBox5"); }
    QCheckBox* CheckBox6() const { return Control<QCheckBox>("CheckBox6"); }
    QGroupBox* GroupBox6() const { return Control<QGroupBox>("GroupBox6"); }
    QSlider* TimeSlider() const { return Control<QSlider>("TimeSlider"); }
    QPushButton* PushButton1() const { return Control<QPushButton>("PushButton1"); }
    QPushButton* PushButton2() const { return Control<QPushButton>("PushButton2"); }
    QLineEdit* EditField14() const { return Control<QLineEdit>("EditField14"); }
    QGroupBox* GroupBox7() const { return Control<QGroupBox>("GroupBox7"); }
    fw::Label* StaticText7() const { return Control<fw::Label>("StaticText7"); }
    fw::Label* StaticText8() const { return Control<fw::Label>("StaticText8"); }
    fw::Label* StaticText9() const { return Control<fw::Label>("StaticText9"); }
    fw::Label* StaticText10() const { return Control<fw::Label>("StaticText10"); }
    QLineEdit* EditField10() const { return Control<QLineEdit>("EditField10"); }
    QLineEdit* EditField11() const { return Control<QLineEdit>("EditField11"); }
    QLineEdit* EditField12() const { return Control<QLineEdit>("EditField12"); }
    QLineEdit* EditField13() const { return Control<QLineEdit>("EditField13"); }
    QGroupBox* GroupBox8() const { return Control<QGroupBox>("GroupBox8"); }
    fw::Label* StaticText11() const { return Control<fw::Label>("StaticText11"); }
    QLineEdit* EditField6() const { return Control<QLineEdit>("EditField6"); }
    fw::Label* StaticText12() const { return Control<fw::Label>("StaticText12"); }
    fw::Label* StaticText13() const { return Control<fw::Label>("StaticText13"); }
    fw::Label* StaticText14() const { return Control<fw::Label>("StaticText14"); }
    QLineEdit* EditField7() const { return Control<QLineEdit>("EditField7"); }
    QLineEdit* EditField8() const { return Control<QLineEdit>("EditField8"); }
    QLineEdit* EditField9() const { return Control<QLineEdit>("EditField9"); }
    QPushButton* PushButton3() const { return Control<QPushButton>("PushButton3"); }
    QCheckBox* CheckBox7() const { return Control<QCheckBox>("CheckBox7"); }

    // The canvas: paint with the read-outs of a marked event, and the mouse.
    void Canvas1_MouseUp(QWidget* canvas, int x, int y);
    bool Canvas1_MouseDown(QWidget* canvas, int x, int y);
    void Canvas1_MouseDrag(QWidget* canvas, int x, int y);
    void Canvas1_MouseMove(QWidget* canvas, int x, int y);
    void Canvas1_Paint(QWidget* canvas, fw::Graphics& g);

    // The controls.
    void RadioButton1_Action(QWidget* control);
    void RadioButton2_Action(QWidget* control);
    void EditField2_TextChange(QWidget* control);
    void SpeedSlider_ValueChanged(QWidget* control);
    void UnitSlider_ValueChanged(QWidget* control);
    void BlackPosSlider_ValueChanged(QWidget* control);
    void BlackLengthSlider_ValueChanged(QWidget* control);
    void CheckBox1_Action(QWidget* control);
    void CheckBox2_Action(QWidget* control);
    void CheckBox3_Action(QWidget* control);
    void RedPosSlider_ValueChanged(QWidget* control);
    void RedLengthSlider_ValueChanged(QWidget* control);
    void CheckBox4_Action(QWidget* control);
    void CheckBox5_Action(QWidget* control);
    void CheckBox6_Action(QWidget* control);
    void TimeSlider_ValueChanged(QWidget* control);
    void PushButton1_Action(QWidget* control);
    void PushButton2_Action(QWidget* control);
    void PushButton3_Action(QWidget* control);
    void CheckBox7_Action(QWidget* control);

    // The menu commands; each returns false.
    bool _aboutItem_Action();
    bool _FilePageSetup_Action();
    bool _FilePrint_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window* window) override;
    void Open() override { Event_Open(); }

private:
    void _CreateControls0();
    void _CreateControls1();
    void CreateControlRange(std::size_t first, std::size_t last);
    void Event_Open();
    void WriteTimeDisplay();
};

// The open main window; when none is open, a new one is built and opened.
Window1* Window1Instance();

} // namespace varnel
