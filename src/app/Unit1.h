#pragma once

#include "device/hid_transport.h"
#include "settings/clock.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace orvik {

class Announcer;
struct ApplianceChoice;
class ApplianceWork;
class DeviceOperation;
class Dialogs;
class FieldMarks;
class FirmwareSource;
class GuiReporter;
class HeldInput;
class SettingBindings;
struct SessionEnd;
class SignalWatcher;
class TabControl;

// What the main window works with. Each can be replaced, as tests do; device
// and firmware must be given, dialogs default to the real boxes.
struct Form1Services {
    Clock clock = systemNow;
    Dialogs* dialogs = nullptr;
    HidTransport* device = nullptr;
    FirmwareSource* firmware = nullptr;
    // The file dialogs start in its `config` folder.
    QString programFolder = QCoreApplication::applicationDirPath();
    // Uploaded by "Upload firmware" without asking (--firmware FILE).
    QString firmwareFile;
    // Hands a write's guard the signals; none: the window takes none.
    SignalWatcher* interrupts = nullptr;
};

} // namespace orvik

// The main window: every setting on nine tabs, the five operations, and the
// log and progress bar in which they report.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const orvik::Form1Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The store of the settings; the controls are bound to it.
    orvik::Settings& settings() { return settings_; }
    orvik::GuiReporter& reporter() { return *reporter_; }
    // How "Special strings" shows the special strings dialog (modally).
    void setSpecialStringsDialog(std::function<void()> showModal);
    // Reads the settings from `path` as "Read from file" does once the user
    // has chosen it.
    void importFile(const QString& path);

public slots:
    void Button1Click(); // Save to file
    void Button2Click(); // Read from file
    void Button3Click(); // Upload firmware
    void Button4Click(); // Read config
    void Button5Click(); // Write config
    void Button11Click();
    // The clock-field enable rule. The model runs it whenever Uploadpctime or
    // Ntp_enable changes; this shows its outcome on the five clock fields.
    void UploadpctimeClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    // What screen readers hear besides what has the focus: the controls'
    // names, a field's fault as it appears, a tab chosen from elsewhere.
    void reachScreenReaders(orvik::Announcer& announcer, const orvik::FieldMarks& marks);
    void setFocusChain(const std::vector<QWidget*>& pagesInFocusOrder);
    // What the handlers do.
    void saveToFile();
    void readFromFile();
    void uploadFirmware();
    void readConfig();
    void writeConfig();
    void openSpecialStrings();
    // Runs one operation the user started, unless another runs or the window
    // closes; the error box takes what escapes it. One that starts an
    // operation on the appliance ends when that one finishes.
    void runFromWindow(const std::function<void()>& operation);
    // The operation has ended: the window is free for the next, or closes.
    void endOperation();
    void setOperationButtonsEnabled(bool enabled);
    void readSettingsFile(const QString& path);
    // Starts an operation on the appliance chosen for this run, off the
    // window's thread, whose events go on meanwhile; asks which one first
    // when there is more than one and none is chosen, and does nothing when
    // the user cancels. `make` makes its work for the appliance chosen. A read or
    // write of the configuration holds what the user types and clicks
    // (`holdInput`); an upload disables the buttons once it has the appliance.
    using MakeWork =
        std::function<std::unique_ptr<orvik::ApplianceWork>(const orvik::ApplianceChoice& choice)>;
    void startOnAppliance(bool holdInput, const MakeWork& make);
    // Its end: the boxes it held are shown now that the appliance is free.
    void applianceOperationFinished(const orvik::SessionEnd& end);
    [[nodiscard]] bool chooseAppliance();
    // The firmware image to upload, or nothing (already said, or cancelled).
    [[nodiscard]] std::unique_ptr<orvik::FirmwareSource> firmwareFromFile();

    QPlainTextEdit* Memo1;
    QProgressBar* ProgressBar1;
    orvik::TabControl* pageControl_;
    orvik::Announcer* announcer_;
    // The five buttons of the two group boxes, each group's in focus order.
    std::vector<QPushButton*> operationButtons_;
    // The tab pages' buttons, which open dialogs.
    std::vector<QPushButton*> pageButtons_;
    orvik::Form1Services services_;
    orvik::Settings settings_;
    std::unique_ptr<orvik::Dialogs> realDialogs_;
    orvik::Dialogs& dialogs_;
    std::unique_ptr<orvik::GuiReporter> reporter_;
    orvik::SettingBindings* bindings_;
    std::function<void()> showSpecialStrings_;
    // The file dialogs propose the file chosen last time.
    QString lastSavedFile_;
    QString lastOpenedFile_;
    QString lastFirmwareFile_;
    // The appliance the user chose among several, and the caption before.
    std::optional<orvik::HidInterface> appliance_;
    QString plainCaption_;
    // The window's events go on during a device session and while a box is
    // open: a queued click, Space on a focused button or a close must not act
    // in the middle of an operation. Once closed, the window goes when no
    // operation runs, and starts none.
    enum class State { Idle, Running, Closing };
    State state_ = State::Idle;
    // The operation on the appliance, running or the last one.
    std::unique_ptr<orvik::DeviceOperation> applianceOperation_;
    // During a read or write of the configuration: what the user types and
    // clicks is held.
    std::unique_ptr<orvik::HeldInput> heldInput_;
};
