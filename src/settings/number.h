#pragma once

#include "files/result.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace orvik {

// A text that is not a number where one is needed; the error box shows it.
OperationError notANumber(const QString& text);

// The one strict integer reading used for every numeric setting: optional
// leading spaces, then a decimal number with one optional sign that fits 32
// bits signed, or up to eight hexadecimal digits behind "$", "x", "X", "0x" or
// "0X" giving the signed number with the same bits. Nothing may follow.
std::optional<std::int32_t> tryReadNumber(const QString& text);
// The same over bytes as Latin-1: a number is ASCII alone, so that it reads
// the same from the bytes of any encoding that keeps ASCII as it is, without
// making text of them.
std::optional<std::int32_t> tryReadNumber(QLatin1StringView text);

// As tryReadNumber, but a text that is not a number fails with notANumber.
Result<std::int32_t> readNumber(const QString& text);

} // namespace orvik
