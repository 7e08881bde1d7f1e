#include "platform/FontObject.h"

#include "platform/Boolean.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace tirnel {

namespace {

const QString kDefaultName = QStringLiteral("宋体");

double KeepFourDecimals(double size) { return std::nearbyint(size * 10000.0) / 10000.0; }

}  // namespace

namespace {
constexpr int kLargestBitmapSize = 16;
bool IsSongFace(const QString& name) {
    return name.compare(QStringLiteral("宋体")) == 0 || name.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0;
}
}  // namespace

void InstallFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList songFaces{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                                    QStringLiteral("Noto Sans CJK SC")};
        QFont::insertSubstitutions(QStringLiteral("宋体"), songFaces);
        QFont::insertSubstitutions(QStringLiteral("SimSun"), songFaces);
    });
}

FontObject::FontObject() : mName(kDefaultName) {}

FontObject::FontObject(const QString& name, double size, std::int16_t charset)
    : mName(name), mSize(KeepFourDecimals(size)), mCharset(charset) {}

FontRef FontObject::Create() { return std::make_shared<FontObject>(); }

FontRef FontObject::Create(const QString& name, double size, std::int16_t charset) {
    return std::make_shared<FontObject>(name, size, charset);
}

FontRef FontObject::Clone() const {
    auto copy = Create(mName, mSize, mCharset);
    copy->mWeight = mWeight;
    copy->mItalic = mItalic;
    copy->mUnderline = mUnderline;
    copy->mStrikethrough = mStrikethrough;
    return copy;
}

template <typename T>
void FontObject::Change(T& member, const T& value, const char* propertyName) {
    if (member == value) return;
    member = value;
    emit FontChanged(QString::fromLatin1(propertyName));
}

void FontObject::Name(const QString& vNewValue) { Change(mName, vNewValue, "Name"); }
void FontObject::Size(double vNewValue) { Change(mSize, KeepFourDecimals(vNewValue), "Size"); }
void FontObject::Weight(std::int16_t vNewValue) { Change(mWeight, vNewValue, "Weight"); }

std::int16_t FontObject::Bold() const { return ToBoolean(mWeight > 550); }
void FontObject::Bold(std::int16_t vNewValue) {
    Change(mWeight, IsTrue(vNewValue) ? kWeightBold : kWeightNormal, "Bold");
}

void FontObject::Italic(std::int16_t vNewValue) { Change(mItalic, ToBoolean(IsTrue(vNewValue)), "Italic"); }
void FontObject::Underline(std::int16_t vNewValue) {
    Change(mUnderline, ToBoolean(IsTrue(vNewValue)), "Underline");
}
void FontObject::Strikethrough(std::int16_t vNewValue) {
    Change(mStrikethrough, ToBoolean(IsTrue(vNewValue)), "Strikethrough");
}
void FontObject::Charset(std::int16_t vNewValue) { Change(mCharset, vNewValue, "Charset"); }

bool FontObject::SameAs(const FontObject& other) const {
    return mName.compare(other.mName, Qt::CaseInsensitive) == 0 && mSize == other.mSize &&
           mWeight == other.mWeight && mItalic == other.mItalic && mUnderline == other.mUnderline &&
           mStrikethrough == other.mStrikethrough && mCharset == other.mCharset;
}

int FontObject::PixelSize() const {
    // The platform scales points to pixels rounding halves away from zero; never below 1.
    return std::max(1, static_cast<int>(std::lround(mSize * 96.0 / 72.0)));
}

QFont FontObject::ToQFont() const {
    InstallFontSubstitutions();
    QFont font(mName);
    font.setPixelSize(PixelSize());
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(mWeight == 0 ? kWeightNormal : mWeight, 1, 1000)));
    font.setItalic(IsTrue(mItalic));
    font.setUnderline(IsTrue(mUnderline));
    font.setStrikeOut(IsTrue(mStrikethrough));
    // The Song faces carry hand-made bitmaps for small sizes and are shown with them, crisp
    // and black, rather than smoothed into grey.
    if (IsSongFace(mName) && font.pixelSize() <= kLargestBitmapSize) font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace tirnel
