#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace orvik {

// Decodes one complete JPEG file held in memory into an RGB image. Returns
// nullopt for anything that is not a sound JPEG: a damaged or truncated file
// is refused rather than shown half grey.
[[nodiscard]] std::optional<QImage> decodeJpeg(const QByteArray& data);

} // namespace orvik
