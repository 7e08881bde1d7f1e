#include "controls/option/CaptionLabel.h"

#include "platform/PrefixText.h"

#include <QStringList>

#include <algorithm>

namespace tirnel {

namespace {

QStringList Lines(const QString& caption) {
    QString unified = caption;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return unified.split(u'\n');
}

void UseFont(Surface& surface, const FontRef& font) {
    surface.SetFont(font ? font->ToQFont() : FontObject().ToQFont());
}

}  // namespace

QSize CaptionLabel::AutoSize(Surface& surface) const {
    UseFont(surface, Font);
    const QStringList lines = Lines(Caption);
    int width = 0;
    for (const QString& line : lines) width = std::max(width, surface.TextWidth(StripPrefixes(line).text));
    return {width, surface.TextHeight(QString()) * static_cast<int>(lines.size())};
}

void CaptionLabel::Paint(Surface& surface) const {
    if (!Visible) return;
    UseFont(surface, Font);
    const Color oldColor = surface.SetForeColor(ForeColor);
    const BkMode oldMode = surface.SetBkMode(BkMode::Transparent);
    const int lineHeight = surface.TextHeight(QString());
    int top = Bounds.top;
    for (const QString& line : Lines(Caption)) {
        surface.DrawText(line, {Bounds.left, top, Bounds.right, top + lineHeight}, kDtLeft | kDtSingleLine);
        top += lineHeight;
    }
    surface.SetBkMode(oldMode);
    surface.SetForeColor(oldColor);
}

}  // namespace tirnel
