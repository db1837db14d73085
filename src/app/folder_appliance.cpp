#include "app/folder_appliance.h"

#include "app/Unit1.h"
#include "settings/catalogue.h"

namespace orvik {

bool FolderAppliance::load(const QString& folder, QString& error)
{
    return emulator_.load(folder, error);
}

void FolderAppliance::serve(TForm1& form)
{
    form.setWindowTitle(kCaption + QStringLiteral(" (emulator)"));
}

} // namespace orvik
