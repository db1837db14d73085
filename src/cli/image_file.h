#pragma once

#include "settings/config_image.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik::cli {

// The whole of `path`, an image or a configuration file; fails naming the
// file and the reason when it is no regular file, too large, or cannot be
// read.
Result<QByteArray> readImageBytes(const QString& path);
// The image in `path` when it is exactly one image long, nullopt for another
// length; a longer file is not read. Fails as readImageBytes.
Result<std::optional<ConfigImage>> readIfImage(const QString& path);
// `bytes` as an image when they are exactly one image long.
[[nodiscard]] std::optional<ConfigImage> asImage(const QByteArray& bytes);
// The image kept in `path`, when it is one and passes its check.
Result<ConfigImage> loadImageFile(const QString& path);
// Replaces `path` with `image` as a whole (writeFileAtomically: a failed write
// leaves the old file).
Result<> writeImageFile(const QString& path, const ConfigImage& image);

} // namespace orvik::cli
