#pragma once

#include "device/hid_transport.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvik {

// An appliance attached or detached.
struct PresenceChange {
    enum class Kind { Attached, Detached };
    Kind kind;
    HidInterface appliance;
    // Attached only: why this user cannot open it (the system's words);
    // empty when it can.
    QString openError;
    int openErrno = 0; // the system's errno with openError, 0 for none
};

// Tells the appliances (vendor 0x0483, product 0xA04F) attached and detached
// after it was made, each change once, as the system reports them: what it
// watches is a descriptor of the event loop's, never a timer. Lives on the
// thread whose event loop runs.
class PresenceMonitor {
public:
    virtual ~PresenceMonitor() = default;
    PresenceMonitor() = default;
    PresenceMonitor(const PresenceMonitor&) = delete;
    PresenceMonitor& operator=(const PresenceMonitor&) = delete;

    // The appliances attached now, in the order they came.
    [[nodiscard]] const std::vector<HidInterface>& present() const { return present_; }
    // Why it cannot hear the changes (the system's words), or empty: one that
    // cannot would leave a waiting program waiting for ever.
    [[nodiscard]] const QString& deafReason() const { return deafReason_; }
    // Called with each change, after present() has taken it in.
    std::function<void(const PresenceChange&)> onChange;
    // Called when it stops hearing the changes after it was made;
    // deafReason() says why.
    std::function<void()> onDeaf;

protected:
    // An appliance is there; told when it was not before.
    void attached(const HidInterface& appliance, const QString& openError = {}, int openErrno = 0);
    // The appliance at `path` is gone; told when it was there.
    void detached(const std::string& path);
    // What is there now, as a whole listing: the differences are told.
    void listed(const std::vector<PresenceChange>& now);
    // The first reason is kept: what follows it is its consequence.
    void setDeaf(const QString& reason);

private:
    std::vector<HidInterface> present_;
    QString deafReason_;
};

using PresenceFactory = std::function<std::unique_ptr<PresenceMonitor>()>;

} // namespace orvik
