#include "configfile/ini_file.h"

#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/update_lock.h"
#include "settings/number.h"

#include <QCoreApplication>
#include <cerrno>

namespace orvik {

namespace {

bool startsUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// A NUL byte makes a file binary: an image, a firmware, or UTF-16 text
// without a mark, none of which the import reads. So does a run of erased
// bytes (0xFF), which an image read from an erased appliance is made of and
// no text holds.
bool binary(QByteArrayView bytes)
{
    return bytes.contains('\0') ||
           bytes.indexOf(QByteArrayView("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF")) >= 0;
}

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

bool continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first place at or after `at` where UTF-8 decoding starts afresh,
// whatever came before: a byte that continues no character, or one after
// three that do (no character is longer than four). Text made of the bytes
// on either side is the text of the whole, but for a mark the decoding drops
// at the start of the second.
qsizetype freshStart(QByteArrayView bytes, qsizetype at)
{
    for (; at < bytes.size(); ++at) {
        if (!continuation(bytes[at]) ||
            (at >= 3 && continuation(bytes[at - 1]) && continuation(bytes[at - 2]) &&
             continuation(bytes[at - 3])))
            return at;
    }
    return bytes.size();
}

// `bytes` as UTF-8 text, the mark kept where it starts them.
QString fromUtf8Piece(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (bytes.startsWith(kUtf8Mark))
        text.prepend(QChar(0xFEFF));
    return text;
}

// The length of `bytes` as UTF-16 text, made a piece at a time.
qsizetype utf8Length(QByteArrayView bytes)
{
    constexpr qsizetype kPiece = 1 << 16;
    qsizetype length = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype end = freshStart(bytes, qMin(at + kPiece, bytes.size()));
        length += fromUtf8Piece(bytes.sliced(at, end - at)).size();
        at = end;
    }
    return length;
}

} // namespace

IniReader::IniReader(const QString& path, std::span<const IniName> names)
    : names_(names), values_(names.size())
{
    const Result<QByteArray> file = readRegularFile(path, kMaxIniFileSize);
    if (!file.ok())
        return;
    utf16_ = startsUtf16(*file);
    if (utf16_ || binary(*file))
        return;
    document_ = IniDocument(*file);
    utf8_ = document_.hasUtf8Mark();
    values_ = document_.values(names);
}

std::optional<QByteArrayView> IniReader::find(QByteArrayView section, QByteArrayView key) const
{
    // The keys are mostly read in the order named, some twice: the search
    // starts at the last one found.
    for (std::size_t n = 0; n < names_.size(); ++n) {
        const std::size_t i = (next_ + n) % names_.size();
        if (sameIniName(names_[i].key, key) && sameIniName(names_[i].section, section)) {
            next_ = i;
            if (!values_[i])
                return std::nullopt;
            // Decoding drops a mark that starts the text.
            const QByteArrayView value = *values_[i];
            return utf8_ && value.startsWith(kUtf8Mark) ? value.sliced(kUtf8Mark.size()) : value;
        }
    }
    return std::nullopt;
}

std::optional<QString> IniReader::findText(QByteArrayView section, QByteArrayView key) const
{
    const std::optional<QByteArrayView> value = find(section, key);
    if (!value)
        return std::nullopt;
    if (!utf8_)
        return QString::fromLatin1(value->first(qMin(value->size(), kLongestIniText)));
    // No character takes more than four bytes.
    const qsizetype enough = freshStart(*value, qMin(value->size(), 4 * kLongestIniText + 4));
    QString text = fromUtf8Piece(value->first(enough));
    if (text.size() > kLongestIniText)
        text.truncate(kLongestIniText - text[kLongestIniText - 1].isHighSurrogate());
    return text;
}

QString IniReader::readText(QByteArrayView section, QByteArrayView key,
                            const QString& defaultText) const
{
    return findText(section, key).value_or(defaultText);
}

qsizetype IniReader::textLength(QByteArrayView section, QByteArrayView key) const
{
    const std::optional<QByteArrayView> value = find(section, key);
    if (!value)
        return 0;
    return utf8_ ? utf8Length(*value) : value->size();
}

std::int32_t IniReader::readInteger(QByteArrayView section, QByteArrayView key,
                                    std::int32_t defaultValue) const
{
    const std::optional<QByteArrayView> value = find(section, key);
    if (!value)
        return defaultValue;
    return tryReadNumber(QLatin1StringView(*value)).value_or(defaultValue);
}

bool IniReader::readFlag(QByteArrayView section, QByteArrayView key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<QString> IniReader::notANumber(QByteArrayView section, QByteArrayView key) const
{
    const std::optional<QByteArrayView> value = find(section, key);
    if (!value || tryReadNumber(QLatin1StringView(*value)))
        return std::nullopt;
    return findText(section, key);
}

QString notIniText()
{
    return QCoreApplication::translate("ConfigFile",
                                       "it is not a configuration file; nothing was changed.");
}

Result<QByteArray> updatableText(const QString& path)
{
    Result<QByteArray> file = readRegularFile(path, kMaxIniFileSize);
    // A file not there yet is made; anything else that stops the read stops
    // the update, as its content would be lost.
    if (!file.ok() && file.error().systemError() == ENOENT)
        return QByteArray();
    if (!file.ok())
        return file.error();
    if (startsUtf16(*file))
        return OperationError(
            Cause::Failed,
            QCoreApplication::translate("ConfigFile", "Holds UTF-16 text, which would be lost"));
    if (binary(*file))
        return OperationError(Cause::NotConfigFile, notIniText());
    return file;
}

Result<> updateIniFile(const QString& path, std::span<const IniEntry> entries)
{
    const FileUpdateLock lock(path);
    if (Result<> taken = lock.taken(); !taken.ok())
        return taken;
    Result<QByteArray> text = updatableText(path);
    if (!text.ok())
        return text.error();
    const IniDocument document(*std::move(text));
    std::vector<IniEntry> utf8;
    if (document.hasUtf8Mark()) {
        utf8.assign(entries.begin(), entries.end());
        for (IniEntry& e : utf8)
            e.value = QString::fromLatin1(e.value).toUtf8();
        entries = utf8;
    }
    return writeFileAtomically(path, document.updated(entries).pieces());
}

} // namespace orvik
