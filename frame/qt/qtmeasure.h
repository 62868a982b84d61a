// Text measuring in the dialog fonts as Qt draws them.
#pragma once
#include <QFontMetrics>
#include <optional>

#include "frame/layout.h"

namespace corvane {

class QtMeasure final : public TextMeasure {
public:
    int width(FontRole font, std::string_view text) const override;
    int line_height(FontRole font) const override { return metrics(font).height(); }
    int line_spacing(FontRole font) const override { return metrics(font).lineSpacing(); }
    // The metrics of a font, made at its first use.
    const QFontMetrics& metrics(FontRole font) const;

private:
    mutable std::optional<QFontMetrics> dialog_, fixed_;
};

}  // namespace corvane
