// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/template_dialog.h"

#include <QFont>
#include <memory>

namespace Ui {
class AboutTemplate;
}

namespace corvane {

// "About Corvane Admin Utility" (template 144): the program's icon, its name in a larger serif font (typeface
// and size from strings 115 and 116), its version and the maker's notice.
class AboutDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

protected:
    void OnInitDialog() override;

private:
    std::unique_ptr<Ui::AboutTemplate> ui_;
    QFont titleFont_;
};

} // namespace corvane
