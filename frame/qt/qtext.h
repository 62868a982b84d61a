// Text between the model (UTF-8 std::string) and Qt (QString).
#pragma once
#include <QString>
#include <string>

namespace corvane {

inline QString q(const std::string& s) { return QString::fromStdString(s); }
inline std::string s(const QString& q) { return q.toStdString(); }

}  // namespace corvane
