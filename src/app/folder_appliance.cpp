#include "app/folder_appliance.h"

#include "app/Unit1.h"
#include "app/window_text.h"

#include <QCoreApplication>

namespace orvik {

Result<> FolderAppliance::load(const QString& folder)
{
    return emulator_.load(folder);
}

void FolderAppliance::serve(TForm1& form)
{
    form.setWindowTitle(
        QCoreApplication::translate("Window", "%1 (emulator)", "the window's caption")
            .arg(windowCaption()));
}

} // namespace orvik
