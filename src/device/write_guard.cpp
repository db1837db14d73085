#include "device/write_guard.h"

#include "device/protocol.h"
#include "files/atomic_write.h"
#include "files/descriptor.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <unistd.h>

namespace orvik {

namespace {

constexpr char kInterrupted[] = QT_TRANSLATE_NOOP(
    "Appliance", "interrupted before anything was sent; the appliance is unchanged");
constexpr char kFinishing[] = QT_TRANSLATE_NOOP(
    "Appliance",
    "finishing the write so that the appliance stays consistent; interrupt again to stop now");
// What a stop leaves, by what was being written.
constexpr const char* kStopped[] = {
    QT_TRANSLATE_NOOP("Appliance",
                      "stopped in the middle of the write; the appliance may hold part of the new "
                      "configuration and part of the old, so write the configuration again"),
    QT_TRANSLATE_NOOP("Appliance",
                      "stopped in the middle of the upload; the appliance may hold only part of "
                      "the new firmware, so upload the firmware again"),
};

// "program: text" and a line break, made before any signal can come.
QByteArray programLine(const char* program, const char* text)
{
    return QByteArray(program) + ": " +
           QCoreApplication::translate("Appliance", text).toLocal8Bit() + '\n';
}

void writeOut(const char* bytes, qsizetype size)
{
    // Nothing to do when standard error is gone.
    static_cast<void>(!::write(STDERR_FILENO, bytes, size));
}

} // namespace

QByteArray interruptedLine(const char* program)
{
    return programLine(program, kInterrupted);
}

void endWithLine(const QByteArray& line, int status)
{
    // Standard error turned away from the others before the line is said.
    // /dev/null by its name: the system's own node, which only root may
    // replace, and nothing but discarded output goes to it.
    const Descriptor own(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0));
    if (const Descriptor nowhere(::open("/dev/null", O_WRONLY | O_CLOEXEC)); nowhere.isOpen())
        ::dup2(nowhere.fd(), STDERR_FILENO);
    static_cast<void>(!::write(own.isOpen() ? own.fd() : STDERR_FILENO, line.constData(),
                               static_cast<std::size_t>(line.size())));
    exitBetweenFileWrites(status);
}

WriteGuard::WriteGuard(SignalWatcher* watcher, const char* program, Written written,
                       OpenLine* openLine)
    : watcher_(watcher), interruptedLine_(interruptedLine(program)),
      finishingLine_(programLine(program, kFinishing)),
      stopLine_(programLine(program, kStopped[static_cast<int>(written)])), openLine_(openLine)
{
    if (watcher_)
        watcher_->enter(*this);
}

WriteGuard::~WriteGuard()
{
    end();
}

int WriteGuard::end()
{
    if (!ended_) {
        ended_ = true;
        if (watcher_)
            watcher_->leave(*this);
    }
    return first_;
}

void WriteGuard::startPages()
{
    int stage = BeforePages;
    if (stage_.compare_exchange_strong(stage, Pages) || stage == Pages)
        return;
    // The watcher is ending the program; not one page may go meanwhile.
    for (;;)
        ::pause();
}

void WriteGuard::interrupted(int signal)
{
    if (first_ == 0) {
        first_ = signal;
        int stage = BeforePages;
        if (stage_.compare_exchange_strong(stage, Cancelled))
            say(interruptedLine_, 128 + signal);
        say(finishingLine_);
        return;
    }
    say(stopLine_, 128 + signal);
}

void WriteGuard::say(const QByteArray& line, int exitStatus)
{
    std::unique_lock<std::mutex> lock;
    if (openLine_) {
        lock = std::unique_lock(openLine_->mutex);
        if (std::exchange(openLine_->open, false))
            writeOut("\n", 1);
    }
    // Still holding the line: no line of the session's may follow this one.
    if (exitStatus != 0)
        endWithLine(line, exitStatus);
    writeOut(line.constData(), line.size());
}

int GuardedAppliance::write(const Report& request)
{
    const auto command = static_cast<Command>(request[kCommandOffset]);
    if (command == Command::WriteConfigPage || command == Command::WriteFirmwarePage)
        guard_.startPages();
    return ForwardingTransport::write(request);
}

} // namespace orvik
