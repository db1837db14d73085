#pragma once

#include "device/emulator.h"

#include <QString>

class TForm1;

namespace orvik {

// The emulated appliances that `orvikctl --emulator DIR` keeps in DIR, for the
// window, which works on the first: the same files and fault plans, loaded
// once and written back after every operation, so that orvikctl and later
// runs see what the window did.
class FolderAppliance {
public:
    // False with `error` when a file of the folder is unusable.
    [[nodiscard]] bool load(const QString& folder, QString& error);
    HidTransport& transport() { return emulator_; }
    // Marks the window's caption and writes the folder back when each of its
    // operations ends; a failed write shows in the error box.
    void serve(TForm1& form);

private:
    ApplianceEmulator emulator_;
};

} // namespace orvik
