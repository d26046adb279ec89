#pragma once

#include <QString>

namespace kwintor {

// The file version stored in the named file's fixed file information block (the
// Windows layout, signature 0xFEEF04BD), as "major.minor.build.revision"; "Error"
// when the file cannot be read or carries no such block. Works on Windows
// executables and on this program's own executable on every platform.
QString GetFileVersion(const QString& path);

} // namespace kwintor
