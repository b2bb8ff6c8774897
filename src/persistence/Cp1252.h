#pragma once

#include <QString>

#include <string>

// Windows-1252, byte for character, as files and devices set up from Windows hold their texts.
namespace Cp1252 {

QString ToUnicode(const std::string& bytes);
// Characters without a place in the code page become "?".
std::string FromUnicode(const QString& text);
// Whether every character has a place in the code page.
bool CanEncode(const QString& text);

} // namespace Cp1252
