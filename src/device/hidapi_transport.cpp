#include "device/hidapi_transport.h"

#include "device/hid_log.h"
#include "files/file_failures.h"

#include <hidapi.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace orvik {

namespace {

QString hidText(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

HidapiTransport::HidapiTransport()
{
    hid_init();
}

HidapiTransport::~HidapiTransport()
{
    close();
    hid_exit();
}

std::vector<HidInterface> HidapiTransport::enumerate()
{
    std::vector<HidInterface> found;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d; d = d->next) {
        // hidraw lists a device once per top-level usage, all on one path.
        const std::string path = d->path ? d->path : "";
        if (std::any_of(found.begin(), found.end(),
                        [&](const HidInterface& i) { return i.path == path; }))
            continue;
        found.push_back({d->vendor_id, d->product_id, path, hidText(d->serial_number)});
    }
    hid_free_enumeration(list);
    return found;
}

Result<> HidapiTransport::open(const std::string& path)
{
    close();
    errno = 0;
    device_ = hid_open_path(path.c_str());
    if (device_) {
        path_ = QString::fromStdString(path);
        return {};
    }
    // errno names the system's reason plainly ("Permission denied"); hidapi's
    // own text is the fallback.
    const int error = errno;
    const QString hidReason = hidText(hid_error(nullptr));
    const QString reason = error != 0 ? systemReason(error)
                           : hidReason.isEmpty()
                               ? QCoreApplication::translate("Appliance", "unknown error")
                               : hidReason;
    qCDebug(lcHid).noquote() << "hid_open_path" << QString::fromStdString(path)
                             << "failed:" << reason << '/' << hidReason;
    return OperationError(Cause::CannotOpen, reason, {}, error);
}

int HidapiTransport::write(const Report& request)
{
    if (!device_)
        return 0;
    const int written = hid_write(device_, request.data(), request.size());
    if (written < 0) {
        qCDebug(lcHid).noquote() << "hid_write on" << path_
                                 << "failed:" << hidText(hid_error(device_));
        return 0;
    }
    return written;
}

int HidapiTransport::read(Report& reply, int timeoutMs)
{
    if (!device_)
        return 0;
    // hidapi hands over the report without the report ID; putting the 0 in
    // front keeps the reply offsets the same on every platform.
    const int received = hid_read_timeout(device_, reply.data() + 1, reply.size() - 1, timeoutMs);
    if (received < 0)
        qCDebug(lcHid).noquote() << "hid_read_timeout on" << path_
                                 << "failed:" << hidText(hid_error(device_));
    if (received <= 0)
        return 0;
    reply[0] = 0;
    return received + 1;
}

bool HidapiTransport::gone()
{
    // Only hidraw's paths are nodes in the file system. Asked by name on
    // purpose: whether the name still stands is the question, nothing is used.
    struct stat node {};
    return device_ && path_.startsWith(QLatin1Char('/')) &&
           ::stat(QFile::encodeName(path_).constData(), &node) != 0 && errno == ENOENT;
}

void HidapiTransport::close()
{
    if (device_) {
        hid_close(device_);
        device_ = nullptr;
    }
}

Result<Claim> HidapiTransport::claim(const std::string& path)
{
    return lock_.acquire(path);
}

Result<> HidapiTransport::endSession()
{
    lock_.release();
    return {};
}

} // namespace orvik
