#pragma once
// uo, the progress bar: a custom-drawn control that shows Value inside Min..Max as a filled
// band over a two-band gradient track, with rounded corners, an outline, one of ten colour
// themes, an optional text (the value, a percentage or free text) drawn with one of five
// effects, and a greyed look when disabled. It has no input handling and raises no events.
//
// Every setter stores its value (Value, Max and Min after their range rules), then announces
// the change with the property's name, then repaints the whole bar at once, even when the
// value did not change. Min <= Value <= Max and 0 <= Min < Max hold after any setter.

#include "controls/progress/GradientPainters.h"
#include "controls/progress/ProgressEnums.h"
#include "controls/progress/ProgressThemes.h"
#include "platform/Control.h"
#include "platform/FontObject.h"
#include "platform/Region.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tirnel {

class BarTextCanvas;

class uo : public Control {
    Q_OBJECT
public:
    explicit uo(QWidget* parent = nullptr);

    // "Progressbar Value." Clamped to Max first, then to Min.
    std::int32_t Value() const { return mValue; }
    void Value(std::int32_t New_Value);
    // "Progressbar Max Value." Below 1 becomes 1, not above Min becomes Min + 1; a Value above
    // the new Max is pulled down through the Value setter ("Value" is announced before "Max").
    std::int32_t Max() const { return mMax; }
    void Max(std::int32_t New_Max);
    // "Progressbar Min Value." Not below Max becomes Max - 1, negative becomes 0; a Value below
    // the new Min is pushed up through the Value setter ("Value" is announced before "Min").
    std::int32_t Min() const { return mMin; }
    void Min(std::int32_t New_Min);
    // "Progressbar Rounded Corner Value." Corner ellipse width and height in pixels.
    std::int32_t RoundedValue() const { return mRoundedValue; }
    void RoundedValue(std::int32_t New_RoundedValue);
    // "Progressbar Enabled/Disabled." Changes the look only (greyed colours), not the widget's
    // input state.
    std::int16_t Enabled() const override { return mEnabled; }
    void Enabled(std::int16_t New_Enabled) override;
    // "Progressbar Styles." Themes.
    std::int32_t Theme() const { return mTheme; }
    void Theme(std::int32_t New_Theme);
    // "Progressbar Text Style." TextStyles.
    std::int32_t TextStyle() const { return mTextStyle; }
    void TextStyle(std::int32_t New_TextStyle);
    // OrientationValues.
    std::int32_t Orientations() const { return mOrientations; }
    void Orientations(std::int32_t New_Orientations);
    // "Progressbar Text Alignment." TextAlignments.
    std::int32_t TextAlignment() const { return mTextAlignment; }
    void TextAlignment(std::int32_t New_TextAlignment);
    // "Progressbar Text."
    QString Text() const { return mText; }
    void Text(const QString& New_Text);
    // "Progressbar Text Effect Color."
    Color TextEffectColor() const { return mTextEffectColor; }
    void TextEffectColor(Color New_TextEffectColor);
    // "Progressbar Text Effect." TextEffects.
    std::int32_t TextEffect() const { return mTextEffect; }
    void TextEffect(std::int32_t New_TextEffect);
    // "Progressbar Text Color."
    Color TextForeColor() const { return mTextForeColor; }
    void TextForeColor(Color New_TextForeColor);
    // "Progressbar Text Font." Kept by reference (shared with the caller) and drawn with; later
    // changes to the object show from the next repaint on.
    FontRef TextFont() const { return mTextFont; }
    void TextFont(FontRef New_TextFont);
    // "Progressbar Style Custome Color 1." Bar and outline colour of ThemeCustom.
    Color PBSCustomeColor1() const { return mPBSCustomeColor1; }
    void PBSCustomeColor1(Color New_PBSCustomeColor1);
    // "Progressbar Style Custome Color 2." Track colour of ThemeCustom.
    Color PBSCustomeColor2() const { return mPBSCustomeColor2; }
    void PBSCustomeColor2(Color New_PBSCustomeColor2);

    // The gradient painters, offered to clients (GradientPainters.h). The bar paints its track
    // and bar with GradientTwoColour.
    void GradientTwoColour(Surface& hDc, std::int32_t Direction, Color StartColor, Color EndColor,
                           const std::int32_t& Left, const std::int32_t& Top, const std::int32_t& Width,
                           const std::int32_t& Height);
    GradientStatus DrawGradientFourColour(Surface& ObjectHDC, const std::int32_t& Left, const std::int32_t& Top,
                                          const std::int32_t& Width, const std::int32_t& Height,
                                          Color TopLeftColour, Color TopRightColour, Color BottomLeftColour,
                                          Color BottomRightColour);

    // The colours of the last repaint (greyed when disabled).
    const ThemePalette& Palette() const { return mPalette; }
    // The window shape the last repaint set.
    const Region& WindowRegion() const { return mWindowRegion; }

    // What assistive technology is told besides: the text (as the name), whether the bar
    // looks disabled (its widget stays enabled), and Value (uoAccessible.cpp).
    AccessibleFacts Accessible() const override;

    // Redraws the whole bar from its state: window shape, palette, track and bar, outline,
    // text. No step has a way to fail.
    void PaintBar();

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_Resize() override;

private:
    // Announce, then repaint: the common end of every setter.
    void Changed(const char* PropertyName);

    // Steps of PaintBar (ProgressPaint.cpp).
    void ApplyWindowRegion(float SW, float SH);
    // 100 x Value / Max, or nothing while Max is still 0.
    std::optional<double> Percentage() const;
    void LoadThemePalette();
    void DrawTrackAndBar(Surface& surface, float SW, float SH, std::int32_t F);
    void DrawOutline(Surface& surface, float SW, float SH);
    void DrawCaption(Surface& surface, float SW, float SH, std::optional<double> percent);
    void DrawBarText(BarTextCanvas& canvas, const QString& text, std::int32_t anchor);

    std::int32_t mTextStyle = 0;
    std::int32_t mTheme = 0;
    std::int32_t mOrientations = 0;
    QString mText;
    Color mTextForeColor = 0;
    std::int32_t mTextAlignment = 0;
    FontRef mTextFont;
    Color mTextEffectColor = 0;
    std::int32_t mTextEffect = 0;
    std::int32_t mRoundedValue = 0;
    std::int32_t mMin = 0;
    std::int32_t mValue = 0;
    std::int32_t mMax = 0;
    std::int16_t mEnabled = 0;
    ThemePalette mPalette;
    Color mPBSCustomeColor1 = 0;
    Color mPBSCustomeColor2 = 0;

    Region mWindowRegion;
};

}  // namespace tirnel
