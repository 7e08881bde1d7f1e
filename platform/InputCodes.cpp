#include "platform/InputCodes.h"

#include <array>
#include <utility>

namespace tirnel {

int MouseButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= kButtonLeft;
    if (buttons & Qt::RightButton) code |= kButtonRight;
    if (buttons & Qt::MiddleButton) code |= kButtonMiddle;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= kShiftMask;
    if (modifiers & Qt::ControlModifier) code |= kCtrlMask;
    if (modifiers & Qt::AltModifier) code |= kAltMask;
    return code;
}

int VirtualKeyCode(int qtKey) {
    // Letters, digits and the space bar carry the same numbers in both.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
        qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 0x70 + (qtKey - Qt::Key_F1);

    static constexpr std::array<std::pair<int, int>, 30> kKeys{{
        {Qt::Key_Backspace, kKeyBack},  {Qt::Key_Tab, 0x09},         {Qt::Key_Backtab, 0x09},     {Qt::Key_Clear, 0x0C},
        {Qt::Key_Return, kKeyEnter},    {Qt::Key_Enter, kKeyEnter},  {Qt::Key_Shift, 0x10},       {Qt::Key_Control, 0x11},
        {Qt::Key_Alt, 0x12},            {Qt::Key_Pause, 0x13},       {Qt::Key_CapsLock, 0x14},    {Qt::Key_Escape, kKeyEscape},
        {Qt::Key_PageUp, 0x21},         {Qt::Key_PageDown, 0x22},    {Qt::Key_End, 0x23},         {Qt::Key_Home, 0x24},
        {Qt::Key_Left, kKeyLeft},       {Qt::Key_Up, kKeyUp},        {Qt::Key_Right, kKeyRight},  {Qt::Key_Down, kKeyDown},
        {Qt::Key_Print, 0x2C},          {Qt::Key_Insert, 0x2D},      {Qt::Key_Delete, 0x2E},      {Qt::Key_Meta, 0x5B},
        {Qt::Key_Menu, 0x5D},           {Qt::Key_NumLock, 0x90},     {Qt::Key_ScrollLock, 0x91},  {Qt::Key_Comma, 0xBC},
        {Qt::Key_Minus, 0xBD},          {Qt::Key_Period, 0xBE},
    }};
    for (const auto& [qt, vk] : kKeys)
        if (qt == qtKey) return vk;
    return 0;
}

}  // namespace tirnel
