#pragma once

#include <QString>

namespace vellicor {

// The texts of the About window.
namespace AboutText {

inline const QString kTitle = QStringLiteral("Vellicor");
inline const QString kSoundFile = QStringLiteral("pelwick.wav");

QString caption(); // "About Vellicor"
// "Version 2.0.1"; a major number below 1 adds " (Beta)".
QString versionLine(int major, int minor, int revision);
// Lines separated by CR LF.
QString description();
QString disclaimer();

} // namespace AboutText
} // namespace vellicor
