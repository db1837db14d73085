#include "app/Unit1.h"

#include "app/accessible_names.h"
#include "app/announcer.h"
#include "app/appliance_work.h"
#include "app/design_font.h"
#include "app/dialogs.h"
#include "app/field_marks.h"
#include "app/group_box.h"
#include "app/gui_reporter.h"
#include "app/held_input.h"
#include "app/setting_bindings.h"
#include "app/settings_pages.h"
#include "app/station_map.h"
#include "app/tab_control.h"
#include "app/text_fit.h"
#include "app/window_text.h"
#include "configfile/config_file.h"
#include "device/device_choice.h"
#include "device/device_link.h"
#include "device/firmware_upload.h"
#include "frontend/reporter.h"
#include "settings/catalogue.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

using namespace orvik;

namespace {

constexpr QSize kClientSize(529, 436);

struct GroupPlace {
    const char* name;
    const char* caption;
    QRect rect;
};
const GroupPlace kGroups[] = {
    {"GroupBox3", QT_TRANSLATE_NOOP("Window", "Connection:"), {8, 8, 305, 49}},
    {"GroupBox1", QT_TRANSLATE_NOOP("Window", "Configuration import/export:"), {320, 8, 201, 49}},
};

struct ButtonPlace {
    const char* name;
    const char* caption;
    const char* group;
    QRect rect; // within the group box
    void (TForm1::*handler)();
};
// Each group's buttons in focus order.
const ButtonPlace kButtons[] = {
    {"Button4",
     QT_TRANSLATE_NOOP("Window", "Read config"),
     "GroupBox3",
     {16, 14, 89, 25},
     &TForm1::Button4Click},
    {"Button5",
     QT_TRANSLATE_NOOP("Window", "Write config"),
     "GroupBox3",
     {112, 14, 89, 25},
     &TForm1::Button5Click},
    {"Button3",
     QT_TRANSLATE_NOOP("Window", "Upload firmware"),
     "GroupBox3",
     {208, 14, 89, 25},
     &TForm1::Button3Click},
    {"Button1",
     QT_TRANSLATE_NOOP("Window", "Save to file"),
     "GroupBox1",
     {8, 16, 89, 25},
     &TForm1::Button1Click},
    {"Button2",
     QT_TRANSLATE_NOOP("Window", "Read from file"),
     "GroupBox1",
     {104, 16, 89, 25},
     &TForm1::Button2Click},
};

const QRect kPageControlPlace(8, 64, 521, 265);
const QRect kMemoPlace(8, 336, 513, 73);
const QRect kProgressPlace(0, 416, 529, 20);

} // namespace

TForm1::TForm1(const Form1Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services), settings_(services.clock),
      realDialogs_(services.dialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      dialogs_(services.dialogs ? *services.dialogs : *realDialogs_),
      bindings_(new SettingBindings(settings_, this))
{
    Q_ASSERT(services.device && services.firmware);
    setObjectName(QStringLiteral("Form1"));
    setFont(designFont(font()));
    setFixedSize(kClientSize);
    buildLayout();
    announcer_ = new Announcer(this);
    reachScreenReaders(*announcer_, *new FieldMarks(settings_, *bindings_, this));
    // The labels and tabs place themselves anew with each font tried.
    setFont(fittedFont(font(), [this](const QFont& candidate) {
        setFont(candidate);
        return textsFit(*this);
    }));
    // The boxes, tooltips and file dialogs speak in the window's font.
    QApplication::setFont(font());
    QToolTip::setFont(font());
    reporter_ =
        std::make_unique<GuiReporter>(*Memo1, *ProgressBar1, dialogs_,
                                      [this](const QString& text) { announcer_->announce(text); });
    connect(&settings_, &Settings::enabledChanged, this, &TForm1::UploadpctimeClick);
    setWindowTitle(windowCaption());
    move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry())
            .topLeft());
    Memo1->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::buildLayout()
{
    QHash<QString, QGroupBox*> groups;
    for (const GroupPlace& g : kGroups) {
        QGroupBox* group = makeGroupBox(windowText(g.caption), this);
        group->setObjectName(g.name);
        group->setGeometry(g.rect);
        groups.insert(g.name, group);
    }
    for (const ButtonPlace& b : kButtons) {
        auto* button = new QPushButton(windowText(b.caption), groups.value(b.group));
        button->setObjectName(b.name);
        button->setGeometry(b.rect);
        connect(button, &QPushButton::clicked, this, b.handler);
        operationButtons_.push_back(button);
    }

    pageControl_ = new TabControl(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(kPageControlPlace);
    SettingsPages pages = buildSettingsPages(*bindings_, pageControl_);
    const int device = static_cast<int>(Tab::Device);
    pages.focusOrder[device].push_back(addStationView(settings_, pages.pages[device]));
    for (int i = 0; i < kTabCount; ++i)
        pageControl_->addTab(pages.pages[i], tabCaption(static_cast<Tab>(i)));
    connect(pages.buttons.value(QStringLiteral("Button11")), &QPushButton::clicked, this,
            &TForm1::Button11Click);
    for (QPushButton* button : pages.buttons)
        pageButtons_.push_back(button);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kMemoPlace);
    // Read-only, yet the user can still scroll, select and copy.
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);
    Memo1->setUndoRedoEnabled(false); // the log only grows; no history to keep

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(kProgressPlace);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    std::vector<QWidget*> pageFocus;
    for (const std::vector<QWidget*>& page : pages.focusOrder)
        pageFocus.insert(pageFocus.end(), page.begin(), page.end());
    setFocusChain(pageFocus);
}

void TForm1::reachScreenReaders(Announcer& announcer, const FieldMarks& marks)
{
    nameControls(*this, *bindings_);
    // A field's fault is heard as it appears, not only when the focus returns.
    connect(&marks, &FieldMarks::descriptionChanged, &announcer, [&announcer](QWidget* field) {
        if (field->hasFocus() && !field->accessibleDescription().isEmpty())
            announcer.announce(field->accessibleDescription());
    });
    // Ctrl+Tab from outside the tabs leaves the focus where it was.
    connect(pageControl_, &TabControl::currentChanged, &announcer, [this, &announcer](int index) {
        if (!pageControl_->hasFocus())
            announcer.announce(pageControl_->tabText(index));
    });
}

void TForm1::setFocusChain(const std::vector<QWidget*>& pagesInFocusOrder)
{
    // Hidden pages drop out of the chain by themselves, so one chain serves
    // every tab.
    std::vector<QWidget*> chain = {Memo1};
    const auto addButtonsOf = [&](const char* group) {
        for (QPushButton* button : operationButtons_) {
            if (button->parentWidget()->objectName() == QLatin1String(group))
                chain.push_back(button);
        }
    };
    addButtonsOf("GroupBox3");
    chain.push_back(pageControl_);
    chain.insert(chain.end(), pagesInFocusOrder.begin(), pagesInFocusOrder.end());
    addButtonsOf("GroupBox1");
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::setSpecialStringsDialog(std::function<void()> showModal)
{
    showSpecialStrings_ = std::move(showModal);
}

void TForm1::runFromWindow(const std::function<void()>& operation)
{
    if (state_ != State::Idle)
        return;
    state_ = State::Running;
    orvik::runOperation(*reporter_, operation);
    if (!applianceOperation_ || !applianceOperation_->running())
        endOperation();
}

void TForm1::endOperation()
{
    reporter_->finish();
    if (state_ == State::Closing)
        close();
    else
        state_ = State::Idle;
}

void TForm1::setOperationButtonsEnabled(bool enabled)
{
    for (QPushButton* button : operationButtons_)
        button->setEnabled(enabled);
    // Their dialogs would hold the operation up while open.
    for (QPushButton* button : pageButtons_)
        button->setEnabled(enabled);
}

void TForm1::Button1Click()
{
    saveToFile();
}

void TForm1::saveToFile()
{
    runFromWindow([this] {
        const QString path = dialogs_.getSaveFileName(
            configStartFolder(services_.programFolder),
            lastSavedFile_.isEmpty() ? kProposedConfigFile : lastSavedFile_, configFileFilter());
        if (path.isEmpty())
            return;
        lastSavedFile_ = path;
        orvik::tell(*reporter_, ExportConfigFile(settings_, path));
    });
}

void TForm1::Button2Click()
{
    readFromFile();
}

void TForm1::readFromFile()
{
    runFromWindow([this] {
        const QString path = dialogs_.getOpenFileName(configStartFolder(services_.programFolder),
                                                      lastOpenedFile_, configFileFilter());
        if (!path.isEmpty())
            readSettingsFile(path);
    });
}

void TForm1::importFile(const QString& path)
{
    runFromWindow([this, path] { readSettingsFile(path); });
}

void TForm1::readSettingsFile(const QString& path)
{
    lastOpenedFile_ = path;
    const Result<QStringList> read = ImportConfigFile(settings_, path);
    if (orvik::tell(*reporter_, read)) {
        for (const QString& warning : *read)
            reporter_->log(warning);
    }
}

void TForm1::Button3Click()
{
    uploadFirmware();
}

void TForm1::uploadFirmware()
{
    runFromWindow([this] {
        std::unique_ptr<FirmwareSource> file;
        // A build that carries no image uploads one from a file.
        if (!services_.firmwareFile.isEmpty() || !services_.firmware->find(kFirmwareResourceId)) {
            file = firmwareFromFile();
            if (!file)
                return;
        }
        startOnAppliance(false, [this, &file](const ApplianceChoice& choice) {
            // The settings stay the user's; no second operation starts.
            return std::make_unique<UploadFirmwareWork>(
                choice, std::move(file), *services_.firmware,
                [this](bool enabled) { setOperationButtonsEnabled(enabled); });
        });
    });
}

std::unique_ptr<FirmwareSource> TForm1::firmwareFromFile()
{
    QString path = services_.firmwareFile;
    if (path.isEmpty()) {
        path = dialogs_.getFirmwareFileName(configStartFolder(services_.programFolder),
                                            lastFirmwareFile_);
        if (path.isEmpty())
            return nullptr;
        lastFirmwareFile_ = path;
    }
    // Checked before the appliance is looked for, as orvikctl checks --image.
    Result<QByteArray> image = ReadFirmwareFile(path);
    if (!orvik::tell(*reporter_, image))
        return nullptr;
    return std::make_unique<FirmwareBytes>(*std::move(image));
}

void TForm1::Button4Click()
{
    readConfig();
}

void TForm1::readConfig()
{
    runFromWindow([this] {
        startOnAppliance(true, [this](const ApplianceChoice& choice) {
            return std::make_unique<ReadConfigWork>(choice, settings_);
        });
    });
}

void TForm1::Button5Click()
{
    writeConfig();
}

void TForm1::writeConfig()
{
    runFromWindow([this] {
        startOnAppliance(true, [this](const ApplianceChoice& choice) {
            return std::make_unique<WriteConfigWork>(choice, settings_);
        });
    });
}

void TForm1::startOnAppliance(bool holdInput, const MakeWork& make)
{
    if (!chooseAppliance())
        return;
    applianceOperation_.reset();
    const QString path = appliance_ ? QString::fromStdString(appliance_->path) : QString();
    // One of the window's parts, found among them.
    auto operation = std::make_unique<DeviceOperation>(
        make({*services_.device, path, services_.interrupts}), *reporter_, this);
    connect(operation.get(), &DeviceOperation::finished, this, &TForm1::applianceOperationFinished);
    operation->start();
    // The input is held from here: the window's thread handles no event
    // before its slots return. The log may still be scrolled and read, and
    // the tabs chosen.
    if (holdInput) {
        heldInput_ = std::make_unique<HeldInput>(*this, [this](const QWidget& w) {
            return &w == Memo1 || Memo1->isAncestorOf(&w) || &w == pageControl_ ||
                   pageControl_->indexOfTab(&w) >= 0;
        });
    }
    applianceOperation_ = std::move(operation);
}

void TForm1::applianceOperationFinished(const SessionEnd& end)
{
    heldInput_.reset();
    // After a signal the program ends, with nobody left to read a box.
    if (end.signal == 0)
        applianceOperation_->showHeldBoxes();
    else
        QCoreApplication::exit(128 + end.signal);
    endOperation();
}

bool TForm1::chooseAppliance()
{
    const std::vector<HidInterface> attached = ListAppliances(*services_.device);
    const auto chosen = [this](const HidInterface& i) {
        return i.path == appliance_->path && i.serialNumber == appliance_->serialNumber;
    };
    if (appliance_ && std::any_of(attached.begin(), attached.end(), chosen))
        return true;
    if (appliance_) { // gone: the choice goes with it
        appliance_.reset();
        setWindowTitle(plainCaption_);
    }
    if (attached.size() < 2)
        return true;
    QStringList lines;
    for (const HidInterface& i : attached) {
        const QString path = QString::fromStdString(i.path);
        lines << (i.serialNumber.isEmpty() ? path
                                           : QStringLiteral("%1 (%2)").arg(i.serialNumber, path));
    }
    const int index = dialogs_.chooseAppliance(lines);
    if (index < 0 || index >= static_cast<int>(attached.size()))
        return false;
    appliance_ = attached[static_cast<std::size_t>(index)];
    plainCaption_ = windowTitle();
    setWindowTitle(plainCaption_ + QStringLiteral(" \u2014 ") + applianceName(*appliance_));
    return true;
}

void TForm1::Button11Click()
{
    openSpecialStrings();
}

void TForm1::openSpecialStrings()
{
    // A modal dialog in the middle of an operation would stall it.
    if (state_ != State::Idle)
        return;
    if (showSpecialStrings_)
        showSpecialStrings_();
}

void TForm1::UploadpctimeClick()
{
    for (const Setting field : kClockFields)
        bindings_->control(field)->setEnabled(settings_.isEnabled(field));
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button, as Space does and as it does on the
    // desktop the configurator was first made for.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing in the middle of an upload would leave the appliance with half
    // a firmware: the close waits for the operation's end. From the close on,
    // no click still queued starts an operation or opens a dialog.
    const bool running = state_ == State::Running;
    state_ = State::Closing;
    if (running) {
        event->ignore();
        return;
    }
    event->accept();
}
