#include "tools/render/ButtonLets.h"

#include "tools/render/PropertyArguments.h"

#include <array>
#include <optional>
#include <variant>

namespace tirnel::render {

namespace {

using IntegerLet = void (bt::*)(std::int32_t);
using BooleanLet = void (bt::*)(std::int16_t);
using ColorLet = void (bt::*)(Color);
using TextLet = void (bt::*)(const QString&);

struct ButtonLet {
    const char* name;
    std::variant<IntegerLet, BooleanLet, ColorLet, TextLet> let;
};

const std::array<ButtonLet, 15> kLets = {{
    {"BackColor", ColorLet{&bt::BackColor}},
    {"ButtonStyle", IntegerLet{&bt::ButtonStyle}},
    {"Caption", TextLet{&bt::Caption}},
    {"CaptionAlign", IntegerLet{&bt::CaptionAlign}},
    {"CheckBoxMode", BooleanLet{&bt::CheckBoxMode}},
    {"Enabled", BooleanLet{&bt::Enabled}},
    {"ForeColor", ColorLet{&bt::ForeColor}},
    {"HandPointer", BooleanLet{&bt::HandPointer}},
    {"MaskColor", ColorLet{&bt::MaskColor}},
    {"MousePointer", IntegerLet{&bt::MousePointer}},
    {"PictureAlign", IntegerLet{&bt::PictureAlign}},
    {"PictureSize", IntegerLet{&bt::PictureSize}},
    {"ShowFocusRect", BooleanLet{&bt::ShowFocusRect}},
    {"UseMaskColor", BooleanLet{&bt::UseMaskColor}},
    {"Value", BooleanLet{&bt::Value}},
}};

const ButtonLet* FindLet(const QString& property) {
    for (const ButtonLet& let : kLets)
        if (property.compare(QLatin1String(let.name), Qt::CaseInsensitive) == 0) return &let;
    return nullptr;
}

// Runs the let when button is given; says whether the value converts.
bool Apply(const ButtonLet& let, bt* button, const QString& text) {
    const PropertyValue value = ParseSettingValue(text);
    return std::visit(
        [&](auto member) -> bool {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, IntegerLet>) {
                const std::optional<std::int32_t> v = value.AsInteger();
                if (v && button) (button->*member)(*v);
                return v.has_value();
            } else if constexpr (std::is_same_v<Member, BooleanLet>) {
                const std::optional<std::int16_t> v = value.AsBoolean();
                if (v && button) (button->*member)(*v);
                return v.has_value();
            } else if constexpr (std::is_same_v<Member, ColorLet>) {
                const std::optional<std::uint32_t> v = value.AsColor();
                if (v && button) (button->*member)(*v);
                return v.has_value();
            } else {
                const std::optional<QString> v = value.AsString();
                if (v && button) (button->*member)(*v);
                return v.has_value();
            }
        },
        let.let);
}

}  // namespace

QStringList ButtonLetNames() {
    QStringList names;
    for (const ButtonLet& let : kLets) names << QLatin1String(let.name);
    return names;
}

bool CanLetButtonProperty(const QString& property, const QString& value) {
    const ButtonLet* let = FindLet(property);
    return let && Apply(*let, nullptr, value);
}

bool LetButtonProperty(bt& button, const QString& property, const QString& value) {
    const ButtonLet* let = FindLet(property);
    return let && Apply(*let, &button, value);
}

}  // namespace tirnel::render
