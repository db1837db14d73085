#include "app/folder_appliance.h"

#include "app/Unit1.h"
#include "settings/catalogue.h"

namespace orvik {

Result<> FolderAppliance::load(const QString& folder)
{
    return emulator_.load(folder);
}

void FolderAppliance::serve(TForm1& form)
{
    form.setWindowTitle(kCaption + QStringLiteral(" (emulator)"));
}

} // namespace orvik
