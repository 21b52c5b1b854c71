#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvizar {

// The Russian single-byte code page (Windows-1251), which the question base is written in.
QChar cp1251ToChar(int code);                // code 0..255; U+FFFD for the one unassigned code
std::optional<int> charToCp1251(QChar c);    // nullopt when the character has no code

}  // namespace kvizar
