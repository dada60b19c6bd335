// SPDX-License-Identifier: Apache-2.0
#include "configwindow/config_window.h"

#include "config/config_record.h"
#include "desktop/about_dialog.h"
#include "desktop/program_runner.h"
#include "files/station_text.h"
#include "pages/config_page.h"
#include "pages/corvane_page.h"
#include "pages/property_sheet.h"
#include "resources/window_menu.h"
#include "strings/ids/config_window_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"
#include "ui_template_134_config_window.h"
#include "widgets/control_binding.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace corvane {

ConfigWindow::ConfigWindow(const ConfigRecord* source, SettingsPageFactory makePages, StationLink link)
    : ui_(std::make_unique<Ui::ConfigWindowTemplate>()),
      record_(source != nullptr ? std::make_unique<ConfigRecord>(*source) : std::make_unique<ConfigRecord>()),
      original_(std::make_unique<const ConfigRecord>(*record_)), link_(std::move(link)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    menuBar_ = InstallMainMenu(
        this, [this](int command) { OnCommand(command); },
        [this](QMenu* menu, int position) { UpdateMenuStates(menu, position); });
    if (auto* cancel = qobject_cast<QAbstractButton*>(GetControl(this, kCancel))) {
        connect(cancel, &QAbstractButton::clicked, this, &ConfigWindow::Destroy);
    }
    if (auto* update = qobject_cast<QAbstractButton*>(GetControl(this, kOk))) {
        connect(update, &QAbstractButton::clicked, this, &ConfigWindow::accept);
    }

    // The sheet fills the place the template keeps for it.
    QWidget* place = GetControl(this, config_window::kSheetPlace);
    auto* placeLayout = new QVBoxLayout(place);
    placeLayout->setContentsMargins(0, 0, 0, 0);
    sheet_ = new PropertySheet(place);
    placeLayout->addWidget(sheet_);

    pages_ = makePages(this);
    for (ConfigPage* page : pages_) {
        page->SetConfig(record_.get());
    }
}

ConfigWindow::~ConfigWindow() = default;

ConfigWindow* ConfigWindow::Open(const ConfigRecord* source, StationLink link,
                                 SettingsPageFactory makePages) {
    // Set up before it shows, so that a failure reaches the caller with nothing left behind, never Qt's event
    // loop.
    auto window = std::make_unique<ConfigWindow>(source, std::move(makePages), std::move(link));
    window->initialised_ = true;
    window->OnInitDialog();
    window->show();
    return window.release();
}

void ConfigWindow::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void ConfigWindow::OnInitDialog() {
    for (ConfigPage* page : pages_) {
        sheet_->AddPage(page);
    }
    // Tab moves into and through the pages, then to the buttons below them: the pages joined the window last,
    // so the buttons move behind them (the sheet stands for all of its controls).
    sheet_->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(sheet_, GetControl(this, kOk));
    QWidget::setTabOrder(sheet_, GetControl(this, kCancel));
    if (record_->stationAddress == 0) {
        EnableControl(this, kOk, false);
    }
    // Every page is made active once, so that all of them are set up before the user acts; Update validates
    // and stores every page, also those never opened.
    const int active = sheet_->currentIndex();
    for (int index = 0; index < sheet_->count(); ++index) {
        sheet_->setCurrentIndex(index);
    }
    sheet_->setCurrentIndex(active);
    Refresh();
    FocusFirstField();
}

void ConfigWindow::FocusFirstField() {
    QWidget* page = sheet_->currentWidget();
    if (page == nullptr) {
        return;
    }
    // The focus chain runs through the whole window in tab order and comes back round.
    for (QWidget* widget = page->nextInFocusChain(); widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            widget->isEnabled() && widget->isVisibleTo(page)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

ConfigPage* ConfigWindow::PageOf(TemplateId templateId) const {
    for (ConfigPage* page : pages_) {
        if (page->TemplateId() == templateId) {
            return page;
        }
    }
    return nullptr;
}

OperationRunner& ConfigWindow::Runner() const {
    return link_.runner != nullptr ? *link_.runner : ProgramOperationRunner();
}

void ConfigWindow::Refresh() {
    if (record_->syNm.empty()) {
        setWindowTitle(QString::fromUtf8(ResourceString(kStrConfigureTitle)));
    } else {
        setWindowTitle(
            FromStationText(FormatResourceText(ResourceString(kStrConfigureNamedTitle), record_->syNm)));
    }
    for (ConfigPage* page : pages_) {
        page->LoadSettings();
    }
}

void ConfigWindow::Destroy() {
    hide();
    deleteLater();
}

void ConfigWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Destroy();
}

void ConfigWindow::reject() {
    Destroy();
}

void ConfigWindow::accept() {
    OnUpdate();
}

void ConfigWindow::OnCommand(int command) {
    switch (command) {
    case kMenuCloseWindow:
        Destroy();
        break;
    case kMenuSaveAs:
        OnSaveAs();
        break;
    case kMenuImportSettings:
        OnImportSettings();
        break;
    case kMenuShowChanges:
        OnShowChanges();
        break;
    case kMenuRestart:
        OnRestart();
        break;
    case kMenuUploadSoftware:
        OnUploadSoftware();
        break;
    case kMenuUploadDefaultSoftware:
        OnUploadDefaultSoftware();
        break;
    case kMenuEquivalentNetworkPassword:
        OnEquivalentPassword();
        break;

    case kMenuAbout: {
        AboutDialog about;
        about.exec();
        break;
    }
    default: // the chooser's commands (New, Open, Re-scan, ...) do nothing here
        break;
    }
}

void ConfigWindow::UpdateMenuStates(QMenu* menu, int position) {
    const bool station = record_->stationAddress != 0;
    if (position == 0) {
        EnableCommand(menu, kMenuNewConfiguration, false);
        EnableCommand(menu, kMenuOpenConfigurationFile, false);
        EnableCommand(menu, kMenuSaveAs, true);
        EnableCommand(menu, kMenuImportSettings, true);
        EnableCommand(menu, kMenuShowChanges, true);
        EnableCommand(menu, kMenuExit, false);
    } else if (position == 1) {
        EnableCommand(menu, kMenuChooseOther, false);
        EnableCommand(menu, kMenuRescan, false);
        EnableCommand(menu, kMenuRestart, station);
        EnableCommand(menu, kMenuUploadSoftware, station);
        EnableCommand(menu, kMenuUploadDefaultSoftware, station);
        EnableCommand(menu, kMenuBackUpConfigurations, false); // the chooser's, for its selected stations
        EnableCommand(menu, kMenuEquivalentNetworkPassword, EncryptionOn());
    }
}

bool ConfigWindow::EncryptionOn() const {
    // Without the wireless page there is no key to show.
    const CorvanePage* wireless = WirelessPage();
    return wireless != nullptr && wireless->WepMode() != kWepOff;
}

const CorvanePage* ConfigWindow::WirelessPage() const {
    for (ConfigPage* page : pages_) {
        if (const auto* wireless = qobject_cast<const CorvanePage*>(page)) {
            return wireless;
        }
    }
    return nullptr;
}

} // namespace corvane
