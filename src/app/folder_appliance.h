#pragma once

#include "device/emulator_folder.h"

#include <QString>

class TForm1;

namespace orvik {

// The emulated appliances that `orvikctl --emulator DIR` keeps in DIR, for the
// window, which works on the first: the same files and fault plans, shared
// with orvikctl session by session (FolderEmulator), so that each sees what
// the other did.
class FolderAppliance {
public:
    // False with `error` when a file of the folder is unusable.
    Result<> load(const QString& folder);
    HidTransport& transport() { return emulator_; }
    [[nodiscard]] QStringList unlistedLines() const { return emulator_.unlistedLines(); }
    // Marks the window's caption.
    void serve(TForm1& form);

private:
    FolderEmulator emulator_;
};

} // namespace orvik
