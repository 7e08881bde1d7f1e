#pragma once
// The font object controls share by reference: name, size in points, weight, italic,
// underline, strikethrough and character set. Every change is announced through
// FontChanged with the name of the attribute that changed, so a control can repaint
// (its mFont_FontChanged handler).

#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

namespace tirnel {

class FontObject;
using FontRef = std::shared_ptr<FontObject>;

class FontObject : public QObject {
    Q_OBJECT
public:
    static constexpr std::int16_t kCharsetAnsi = 0;
    static constexpr std::int16_t kCharsetGB2312 = 134;
    static constexpr std::int16_t kWeightNormal = 400;
    static constexpr std::int16_t kWeightBold = 700;

    // The system font of a simplified-Chinese desktop: "宋体", 9 points, GB2312.
    FontObject();
    FontObject(const QString& name, double size, std::int16_t charset = kCharsetGB2312);

    static FontRef Create();
    static FontRef Create(const QString& name, double size, std::int16_t charset = kCharsetGB2312);
    // A new object with the same attributes and no listeners.
    FontRef Clone() const;

    QString Name() const { return mName; }
    void Name(const QString& vNewValue);
    // Points; kept to four decimals as the platform's font object does.
    double Size() const { return mSize; }
    void Size(double vNewValue);
    std::int16_t Weight() const { return mWeight; }
    void Weight(std::int16_t vNewValue);
    // Bold is the weight seen as a flag: above 550 reads True; setting it picks 700 or 400.
    std::int16_t Bold() const;
    void Bold(std::int16_t vNewValue);
    std::int16_t Italic() const { return mItalic; }
    void Italic(std::int16_t vNewValue);
    std::int16_t Underline() const { return mUnderline; }
    void Underline(std::int16_t vNewValue);
    std::int16_t Strikethrough() const { return mStrikethrough; }
    void Strikethrough(std::int16_t vNewValue);
    std::int16_t Charset() const { return mCharset; }
    void Charset(std::int16_t vNewValue);

    // Same attributes; names compare without regard to letter case.
    bool SameAs(const FontObject& other) const;

    // Character height in pixels at 96 dots per inch, as the platform realises the size.
    int PixelSize() const;
    // The Qt font for drawing, with the Song-style substitutions installed.
    QFont ToQFont() const;

signals:
    void FontChanged(const QString& PropertyName);

private:
    template <typename T>
    void Change(T& member, const T& value, const char* propertyName);

    QString mName;
    double mSize = 9.0;
    std::int16_t mWeight = kWeightNormal;
    std::int16_t mItalic = 0;
    std::int16_t mUnderline = 0;
    std::int16_t mStrikethrough = 0;
    std::int16_t mCharset = kCharsetGB2312;
};

// Maps "宋体" and "SimSun" to an installed Song-style CJK face ("AR PL UMing CN", then
// "Noto Serif CJK SC", then "Noto Sans CJK SC"). Safe to call more than once; the
// application calls it at start-up and ToQFont calls it too.
void InstallFontSubstitutions();

}  // namespace tirnel
