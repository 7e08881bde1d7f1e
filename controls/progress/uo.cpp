#include "controls/progress/uo.h"

#include "platform/Boolean.h"

#include <utility>

namespace tirnel {

// The bar takes no input, so it never takes the focus either.
uo::uo(QWidget* parent) : Control(parent) { setFocusPolicy(Qt::NoFocus); }

void uo::Changed(const char* PropertyName) {
    PropertyChanged(QString::fromLatin1(PropertyName));
    PaintBar();
}

void uo::Value(std::int32_t New_Value) {
    std::int32_t v = New_Value;
    if (v > mMax) v = mMax;
    if (v < mMin) v = mMin;
    mValue = v;
    Changed("Value");
}

void uo::Max(std::int32_t New_Max) {
    std::int32_t m = New_Max;
    if (m < 1) m = 1;
    // Min stays below Max, so Min + 1 cannot overflow.
    if (m <= mMin) m = mMin + 1;
    mMax = m;
    if (mValue > m) Value(m);
    Changed("Max");
}

void uo::Min(std::int32_t New_Min) {
    std::int32_t n = New_Min;
    // Max is never below 0, so Max - 1 cannot overflow.
    if (n >= mMax) n = mMax - 1;
    if (n < 0) n = 0;
    mMin = n;
    if (mValue < n) Value(n);
    Changed("Min");
}

void uo::RoundedValue(std::int32_t New_RoundedValue) {
    mRoundedValue = New_RoundedValue;
    Changed("RoundedValue");
}

void uo::Enabled(std::int16_t New_Enabled) {
    mEnabled = ToBoolean(IsTrue(New_Enabled));
    Changed("Enabled");
}

void uo::Theme(std::int32_t New_Theme) {
    mTheme = New_Theme;
    Changed("Theme");
}

void uo::TextStyle(std::int32_t New_TextStyle) {
    mTextStyle = New_TextStyle;
    Changed("TextStyle");
}

void uo::Orientations(std::int32_t New_Orientations) {
    mOrientations = New_Orientations;
    Changed("Orientations");
}

void uo::TextAlignment(std::int32_t New_TextAlignment) {
    mTextAlignment = New_TextAlignment;
    Changed("TextAlignment");
}

void uo::Text(const QString& New_Text) {
    mText = New_Text;
    Changed("Text");
}

void uo::TextEffectColor(Color New_TextEffectColor) {
    mTextEffectColor = New_TextEffectColor;
    Changed("TextEffectColor");
}

void uo::TextEffect(std::int32_t New_TextEffect) {
    mTextEffect = New_TextEffect;
    Changed("TextEffect");
}

void uo::TextForeColor(Color New_TextForeColor) {
    mTextForeColor = New_TextForeColor;
    Changed("TextForeColor");
}

void uo::TextFont(FontRef New_TextFont) {
    mTextFont = std::move(New_TextFont);
    // Without a font object the surface keeps the font it has.
    if (mTextFont) DrawingSurface().SetFont(mTextFont->ToQFont());
    Changed("TextFont");
}

void uo::PBSCustomeColor1(Color New_PBSCustomeColor1) {
    mPBSCustomeColor1 = New_PBSCustomeColor1;
    Changed("PBSCustomeColor1");
}

void uo::PBSCustomeColor2(Color New_PBSCustomeColor2) {
    mPBSCustomeColor2 = New_PBSCustomeColor2;
    Changed("PBSCustomeColor2");
}

void uo::GradientTwoColour(Surface& hDc, std::int32_t Direction, Color StartColor, Color EndColor,
                           const std::int32_t& Left, const std::int32_t& Top, const std::int32_t& Width,
                           const std::int32_t& Height) {
    tirnel::GradientTwoColour(hDc, Direction, StartColor, EndColor, Left, Top, Width, Height);
}

GradientStatus uo::DrawGradientFourColour(Surface& ObjectHDC, const std::int32_t& Left, const std::int32_t& Top,
                                          const std::int32_t& Width, const std::int32_t& Height,
                                          Color TopLeftColour, Color TopRightColour, Color BottomLeftColour,
                                          Color BottomRightColour) {
    return tirnel::DrawGradientFourColour(ObjectHDC, Left, Top, Width, Height, TopLeftColour, TopRightColour,
                                          BottomLeftColour, BottomRightColour);
}

}  // namespace tirnel
