// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/template_dialog.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class NetworkPasswordTemplate;
}

namespace corvane {

// "Change Network Password" (template 150): a network password typed twice and the key size, turned into a
// WEP key. "Change" passes only when both texts are equal and the password converts to a key of the size.
class NetworkPasswordDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit NetworkPasswordDialog(QWidget* parent = nullptr);
    ~NetworkPasswordDialog() override;

    // Runs modally, offering the key size of `wepMode`. On a confirmed valid password returns true with the
    // key (wire order) and its mode; when cancelled returns false and leaves both as they were.
    bool Run(std::uint32_t& wepMode, std::vector<std::uint8_t>& key);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    std::unique_ptr<Ui::NetworkPasswordTemplate> ui_;
    std::uint32_t wepMode_ = 0;
    std::vector<std::uint8_t> key_;
};

} // namespace corvane
