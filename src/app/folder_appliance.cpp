#include "app/folder_appliance.h"

#include "app/Unit1.h"
#include "app/gui_reporter.h"
#include "device/emulator_store.h"
#include "settings/catalogue.h"
#include "settings/operation.h"

namespace orvik {

bool FolderAppliance::load(const QString& folder, QString& error)
{
    return loadAppliances(folder, emulator_, error);
}

void FolderAppliance::serve(TForm1& form)
{
    form.setWindowTitle(kCaption + QStringLiteral(" (emulator)"));
    QObject::connect(&form, &TForm1::operationEnded, &form, [this, &form] {
        QString error;
        if (!saveAppliances(emulator_, error))
            form.reporter().error(errorBoxText(error));
    });
}

} // namespace orvik
