// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config_windows.h"

#include <QPointer>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
class ChooserWindow;
}

namespace corvane::e2e {

class RunningProgram;

// A test of the desktop utility against one simulated fleet for all of its cases: outside the private test
// network every case is skipped; inside it corvane-sim runs from the first case to the last with `stations`
// stations (state kept in stateDir_) and the simulator's `options`. A class with more to prepare once, after
// the fleet serves, overrides SetUpOnce.
class FleetTestCase : public testing::ConfigWindowTestCase {
    Q_OBJECT

protected:
    explicit FleetTestCase(int stations, std::vector<std::string> options = {});
    ~FleetTestCase() override;

    virtual void SetUpOnce() {}
    // Runs before the simulator starts, to put state files of its own into stateDir_.
    virtual void PrepareState() {}

    QTemporaryDir stateDir_;

private slots:
    void initTestCase();
    void cleanupTestCase();

private:
    int stations_;
    std::vector<std::string> options_;
    std::unique_ptr<RunningProgram> simulator_;
};

// A fleet test whose cases each start with a chooser of their own and end without it.
class ChooserTestCase : public FleetTestCase {
    Q_OBJECT

protected:
    using FleetTestCase::FleetTestCase;

    void EndCase() override;

    QPointer<ChooserWindow> chooser_;

private slots:
    void init();
};

} // namespace corvane::e2e
