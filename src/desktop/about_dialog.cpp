// SPDX-License-Identifier: Apache-2.0
#include "desktop/about_dialog.h"

#include "config/program_version.h"
#include "resources/icons.h"
#include "strings/ids/about_controls.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "ui_template_144_about.h"
#include "widgets/control_binding.h"

#include <QLabel>
#include <charconv>
#include <string>

namespace corvane {
namespace {

constexpr char kNoticeText[] = "Copyright \xA9 2026 Tessel. All rights reserved.";

// A plain decimal conversion: the leading digits, 0 without any.
int DecimalPrefix(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::AboutTemplate>()) {
    ui_->setupUi(this);
    auto* icon = qobject_cast<QLabel*>(GetControl(this, about::kProgramIcon));
    icon->setPixmap(ResourceIcon(kIconProgram).pixmap(48, 48));
    SetControlText(this, about::kNotice, kNoticeText);
    SetControlText(this, about::kVersion,
                   "Version " + std::to_string(kProgramVersionMajor) + '.' +
                       std::to_string(kProgramVersionMinor));
    BindStandardButtons();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::OnInitDialog() {
    // The size is in tenths of a point. The typeface may be missing here; the closest serif face then stands
    // in.
    const std::string_view face = ResourceString(kStrAboutFontFace);
    titleFont_ = QFont(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
    titleFont_.setStyleHint(QFont::Serif);
    if (const int tenths = DecimalPrefix(ResourceString(kStrAboutFontSize)); tenths > 0) {
        titleFont_.setPointSizeF(tenths / 10.0);
    }
    SetControlFont(this, about::kTitle, &titleFont_, true);
}

} // namespace corvane
