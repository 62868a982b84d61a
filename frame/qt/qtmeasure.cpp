#include "frame/qt/qtmeasure.h"

#include "frame/qt/qtplatform.h"

namespace corvane {

int QtMeasure::width(FontRole font, std::string_view text) const {
    return metrics(font).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

const QFontMetrics& QtMeasure::metrics(FontRole font) const {
    std::optional<QFontMetrics>& m = font == FontRole::FixedPitch ? fixed_ : dialog_;
    if (!m) m.emplace(font == FontRole::FixedPitch ? fixed_pitch_font() : dialog_font());
    return *m;
}

}  // namespace corvane
