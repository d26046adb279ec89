#include "platform/FileVersion.h"

#include <QFile>

#include <cstdint>
#include <cstring>

namespace kwintor {

namespace {

// A version resource starts with wLength, wValueLength and wType (16 bits each), the
// key L"VS_VERSION_INFO" with its terminator (32 bytes) and two bytes of padding; the
// 52-byte fixed file information follows at offset 40.
constexpr qsizetype KeyOffset = 6;
constexpr qsizetype FixedOffset = 40;
constexpr qsizetype FixedSize = 52;
constexpr std::uint32_t Signature = 0xFEEF04BDu;
constexpr std::uint32_t StrucVersion = 0x00010000u;
constexpr char16_t Key[] = u"VS_VERSION_INFO";

std::uint16_t u16(const uchar* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const uchar* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool keyAt(const uchar* p) {
    for (std::size_t i = 0; i < std::size(Key); ++i)
        if (u16(p + 2 * i) != static_cast<std::uint16_t>(Key[i]))
            return false;
    return true;
}

// Looks for a version resource header whose fixed block is whole and well-formed. Resources
// sit on 4-byte boundaries in every executable format we meet, so only those are tried;
// demanding the key, the value length and the structure version keeps the signature's
// bytes in machine code or in other data from counting.
QString versionIn(const uchar* data, qsizetype size) {
    for (qsizetype start = 0; start + FixedOffset + FixedSize <= size; start += 4) {
        const uchar* block = data + start;
        const uchar* fixed = block + FixedOffset;
        if (u32(fixed) != Signature || u32(fixed + 4) != StrucVersion)
            continue;
        if (u16(block + 2) != FixedSize || !keyAt(block + KeyOffset))
            continue;
        const std::uint32_t ms = u32(fixed + 8);
        const std::uint32_t ls = u32(fixed + 12);
        return QStringLiteral("%1.%2.%3.%4").arg(ms >> 16).arg(ms & 0xFFFF).arg(ls >> 16).arg(ls & 0xFFFF);
    }
    return QStringLiteral("Error");
}

} // namespace

QString GetFileVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Error");
    const qint64 size = file.size();
    if (size <= 0)
        return QStringLiteral("Error");
    if (const uchar* mapped = file.map(0, size))
        return versionIn(mapped, size);
    const QByteArray bytes = file.readAll(); // files that cannot be mapped (pipes, some mounts)
    return versionIn(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

} // namespace kwintor
