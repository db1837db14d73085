#pragma once

#include "settings/config_image.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik::cli {

struct Context;

// The whole of `path`, an image or a configuration file; nullopt, with the
// reason printed, when it is no regular file, too large, or cannot be read.
[[nodiscard]] std::optional<QByteArray> readImageBytes(Context& ctx, const QString& path);
// `bytes` as an image when they are exactly one image long.
[[nodiscard]] std::optional<ConfigImage> asImage(const QByteArray& bytes);
// The image kept in `path`, when it is one and passes its check; nullopt, with
// the reason printed, otherwise.
[[nodiscard]] std::optional<ConfigImage> loadImageFile(Context& ctx, const QString& path);
// Replaces `path` with `image` as a whole (writeFileAtomically: a failed write
// leaves the old file); false, with the reason printed, when that fails.
[[nodiscard]] bool writeImageFile(Context& ctx, const QString& path, const ConfigImage& image);

} // namespace orvik::cli
