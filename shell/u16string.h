#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

// The core's UTF-16 text as a QString, every code unit as it stands.
// QString::fromStdU16String would take a leading U+FEFF for a byte-order mark and
// drop it, and a leading U+FFFE for a byte-swapped one and swap the whole text.
inline QString toQString(std::u16string_view text)
{
    return QStringView(text).toString();
}
