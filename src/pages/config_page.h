// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "rules/rule_break.h"
#include "strings/ids/string_ids.h"

#include <QWidget>
#include <initializer_list>

namespace corvane {

class ConfigRecord;
class PropertySheet;

// The base of every settings page: the host loads the record into its pages, validates them and stores them
// back through these operations. A page touches the record only in LoadSettings and SaveSettings. The
// pointers are the host's; the page owns none of them.
class ConfigPage : public QWidget {
    Q_OBJECT

public:
    // The derived page sets up the template with this id; the template's caption becomes the tab text.
    explicit ConfigPage(unsigned templateId, QWidget* parent = nullptr);

    unsigned TemplateId() const { return templateId_; }

    // Brings the page to the front: for a page in a nested sheet, its hosting page first.
    virtual void Reveal();
    virtual bool Validate();
    virtual bool SaveSettings();
    virtual void LoadSettings();
    virtual void SetConfig(ConfigRecord* record);
    virtual void SetSheet(PropertySheet* sheet);
    virtual void SetParentPage(ConfigPage* page);

    // Called by the sheet when the page becomes active: a window that hosts the sheet and has a
    // connection-type list (control 1012) gets that list's selection moved to this page's index.
    virtual void OnSetActive();

protected:
    void showEvent(QShowEvent* event) override;

    // The answer to bad input: shows the message, brings this page to the front and focuses the control.
    // Returns false, for Validate to pass on.
    bool RejectInput(StringId messageId, int control);

    // A control of the page and the property it shows.
    struct PropertyControl {
        PropertyTag property;
        int control;
    };
    // The first of the rules broken by what the page's controls hold, rejected as RejectInput does on the
    // control that shows its property. True when none is broken.
    bool RejectFirstBreak(const RuleBreaks& broken, std::initializer_list<PropertyControl> controls);

    ConfigRecord* configuration = nullptr;
    PropertySheet* sheet = nullptr;
    ConfigPage* parentPage = nullptr;

private:
    unsigned templateId_;
};

} // namespace corvane
