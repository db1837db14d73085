#include "frontend/device_operation.h"

namespace orvik {

void BoxHolder::showHeldBoxes()
{
    for (const auto& [box, text] : std::exchange(held_, {}))
        (target_.*box)(text);
}

DeviceOperation::DeviceOperation(std::unique_ptr<OperationWork> work, Reporter& reporter,
                                 QObject* parent)
    : QObject(parent), boxes_(reporter), relay_(boxes_, [this] { end(); }), work_(std::move(work))
{}

DeviceOperation::~DeviceOperation()
{
    if (!worker_.joinable())
        return;
    // The window goes with it: nothing the session asks of it will be done.
    relay_.abandon();
    worker_.join();
}

void DeviceOperation::start()
{
    worker_ = std::thread([this] {
        try {
            end_ = work_->run(relay_);
        } catch (...) {
            escaped_ = std::current_exception();
        }
        relay_.end();
    });
}

void DeviceOperation::end()
{
    // The end is the last the thread sends: it is leaving.
    worker_.join();
    if (escaped_)
        runOperation(boxes_, [this] { std::rethrow_exception(escaped_); });
    emit finished(end_);
}

} // namespace orvik
