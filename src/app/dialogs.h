#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace orvik {

// Every modal box and file dialog of the main window, behind one seam so that
// tests answer them without anything blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const QString& text) = 0;
    virtual void notice(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // The chosen file, or empty when the user cancels. `proposed` may be a
    // bare name or the full path chosen last time.
    virtual QString getSaveFileName(const QString& startFolder, const QString& proposed,
                                    const QString& filter) = 0;
    virtual QString getOpenFileName(const QString& startFolder, const QString& proposed,
                                    const QString& filter) = 0;
    // "Open firmware image": the image to upload, or empty when cancelled.
    virtual QString getFirmwareFileName(const QString& startFolder, const QString& proposed) = 0;
    // Which of the attached appliances to work on, each described by one
    // line; its index, or -1 when the user cancels.
    virtual int chooseAppliance(const QStringList& appliances) = 0;
};

// The file dialogs' filters, in the user's language.
QString configFileFilter();
QString firmwareFileFilter();
inline const QString kProposedConfigFile = QStringLiteral("orvik.cfg");

// Where both file dialogs start: the `config` folder beside the program, or
// where that is no folder, the user's documents folder, or else the home
// folder; always a folder that exists.
QString configStartFolder(const QString& programFolder);

enum class BoxKind { Information, Notice, Error };
// The box as it is shown: its title, icon, text and one "OK".
std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const QString& text);
// The question which of the attached `appliances` to use, as it is shown.
std::unique_ptr<QInputDialog> makeApplianceChooser(QWidget* parent, const QStringList& appliances);

// The real boxes and dialogs. The boxes have no parent, so they stand in the
// centre of the screen; the file dialogs sit over `parent`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void information(const QString& text) override;
    void notice(const QString& text) override;
    void error(const QString& text) override;
    QString getSaveFileName(const QString& startFolder, const QString& proposed,
                            const QString& filter) override;
    QString getOpenFileName(const QString& startFolder, const QString& proposed,
                            const QString& filter) override;
    QString getFirmwareFileName(const QString& startFolder, const QString& proposed) override;
    int chooseAppliance(const QStringList& appliances) override;

private:
    QWidget* parent_;
};

} // namespace orvik
