#include "app/dialogs.h"

#include "app/window_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace orvik {

namespace {

QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& caption,
                   const QString& startFolder, const QString& proposed, const QString& filter)
{
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setAcceptMode(mode);
    // The open dialog does not insist on an existing file either: the import
    // itself says when a file cannot be read.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The name is used as typed: no extension is added, no overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The desktop's own dialog would speak in the desktop's font, not the window's.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void showBox(BoxKind kind, const QString& text)
{
    makeMessageBox(kind, text)->exec();
}

} // namespace

QString configFileFilter()
{
    return QCoreApplication::translate("Window", "Orvik config files (*.cfg)");
}

QString firmwareFileFilter()
{
    return QCoreApplication::translate("Window", "Firmware images (*.bin);;All files (*)");
}

QString configStartFolder(const QString& programFolder)
{
    // A folder that does not exist would be taken by the dialog as a file
    // name to propose. Asked by name, as the dialog opens it: the folder is
    // only where the dialog starts, nothing is read from it here.
    const QString candidates[] = {
        programFolder + QStringLiteral("/config"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QDir::homePath(),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir())
            return QFileInfo(folder).absoluteFilePath();
    }
    return QDir::rootPath();
}

std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const QString& text)
{
    struct Look {
        QMessageBox::Icon icon;
        QString title;
    };
    const Look look =
        kind == BoxKind::Information
            ? Look{QMessageBox::Information, QCoreApplication::translate("Window", "Information")}
        : kind == BoxKind::Notice ? Look{QMessageBox::NoIcon, windowAppTitle()}
                                  : Look{QMessageBox::Critical, windowAppTitle()};
    auto box = std::make_unique<QMessageBox>(look.icon, look.title, text, QMessageBox::NoButton);
    box->addButton(QCoreApplication::translate("Window", "OK"), QMessageBox::AcceptRole);
    // Texts such as "Uncompatible firmware version:\n..." are shown as written.
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtDialogs::information(const QString& text)
{
    showBox(BoxKind::Information, text);
}

void QtDialogs::notice(const QString& text)
{
    showBox(BoxKind::Notice, text);
}

void QtDialogs::error(const QString& text)
{
    showBox(BoxKind::Error, text);
}

QString QtDialogs::getSaveFileName(const QString& startFolder, const QString& proposed,
                                   const QString& filter)
{
    return chooseFile(parent_, QFileDialog::AcceptSave,
                      QCoreApplication::translate("Window", "Save As"), startFolder, proposed,
                      filter);
}

QString QtDialogs::getOpenFileName(const QString& startFolder, const QString& proposed,
                                   const QString& filter)
{
    return chooseFile(parent_, QFileDialog::AcceptOpen,
                      QCoreApplication::translate("Window", "Open"), startFolder, proposed, filter);
}

QString QtDialogs::getFirmwareFileName(const QString& startFolder, const QString& proposed)
{
    return chooseFile(parent_, QFileDialog::AcceptOpen,
                      QCoreApplication::translate("Window", "Open firmware image"), startFolder,
                      proposed, firmwareFileFilter());
}

std::unique_ptr<QInputDialog> makeApplianceChooser(QWidget* parent, const QStringList& appliances)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(windowAppTitle());
    dialog->setLabelText(QCoreApplication::translate(
        "Window", "More than one Orvik 2.0 is attached. Which one shall be used until the program "
                  "ends?"));
    dialog->setComboBoxItems(appliances);
    dialog->setComboBoxEditable(false);
    return dialog;
}

int QtDialogs::chooseAppliance(const QStringList& appliances)
{
    const std::unique_ptr<QInputDialog> dialog = makeApplianceChooser(parent_, appliances);
    if (dialog->exec() != QDialog::Accepted)
        return -1;
    return static_cast<int>(appliances.indexOf(dialog->textValue()));
}

} // namespace orvik
