#pragma once
// A control that writes down every handler call as one line of text, for the host tests.

#include "platform/Control.h"
#include "tests/platform/QStringPrinter.h"

#include <QStringList>

namespace tirnel::test {

class RecordingControl : public Control {
public:
    using Control::Control;

    QStringList mCalls;

protected:
    void UserControl_Initialize() override { Note("Initialize"); }
    void UserControl_InitProperties() override { Note("InitProperties"); }
    void UserControl_ReadProperties(const PropertyBag& PropBag) override {
        Note(QStringLiteral("ReadProperties %1").arg(PropBag.ReadString("Caption", "none").value_or("?")));
    }
    void UserControl_WriteProperties(PropertyBag& PropBag) override {
        Note("WriteProperties");
        PropBag.WriteString("Caption", "saved", "");
    }
    void UserControl_Resize() override { Note(QStringLiteral("Resize %1x%2").arg(width()).arg(height())); }
    void UserControl_Terminate() override { Note("Terminate"); }
    void UserControl_AmbientChanged(const QString& PropertyName) override { Note("AmbientChanged " + PropertyName); }

    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override { Mouse("MouseDown", Button, Shift, X, Y); }
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override { Mouse("MouseMove", Button, Shift, X, Y); }
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override { Mouse("MouseUp", Button, Shift, X, Y); }
    void UserControl_Click() override { Note("Click"); }
    void UserControl_DblClick() override { Note("DblClick"); }
    void UserControl_KeyDown(int KeyCode, int Shift) override { Note(QStringLiteral("KeyDown %1 %2").arg(KeyCode).arg(Shift)); }
    void UserControl_KeyUp(int KeyCode, int Shift) override { Note(QStringLiteral("KeyUp %1 %2").arg(KeyCode).arg(Shift)); }
    void UserControl_KeyPress(int KeyAscii) override { Note(QStringLiteral("KeyPress %1").arg(KeyAscii)); }
    void UserControl_AccessKeyPress(int KeyAscii) override { Note(QStringLiteral("AccessKeyPress %1").arg(KeyAscii)); }
    void UserControl_EnterFocus() override { Note("EnterFocus"); }
    void UserControl_ExitFocus() override { Note("ExitFocus"); }
    void UserControl_GotFocus() override { Note("GotFocus"); }
    void UserControl_LostFocus() override { Note("LostFocus"); }

private:
    void Note(const QString& call) { mCalls << call; }
    void Mouse(const char* name, int Button, int Shift, float X, float Y) {
        Note(QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(name)).arg(Button).arg(Shift).arg(X).arg(Y));
    }
};

}  // namespace tirnel::test
