// SPDX-License-Identifier: Apache-2.0
// Every window, dialog and settings page can be used from the keyboard and with a screen reader: each input
// has a label that names it (its buddy, so Alt and the label's letter reach it) and an accessible name, Tab
// walks the controls in reading order, and Alt opens each menu. Each tab and each stacked sub-page is checked
// as it shows.
#include "chooser_fixture.h"
#include "config/status_codes.h"
#include "configwindow/config_window.h"
#include "desktop/about_dialog.h"
#include "desktop/batch_progress_dialog.h"
#include "desktop/choose_other_dialog.h"
#include "desktop/enter_password_dialog.h"
#include "desktop/progress_dialog.h"
#include "pages/add_client_dialog.h"
#include "pages/change_password_dialog.h"
#include "pages/network_password_dialog.h"
#include "pages/port_map_entry_dialog.h"
#include "pages/port_mapping_dialog.h"
#include "widgets/error_dialog.h"
#include "widgets/ip_address_control.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

namespace corvane {

using namespace testing;

namespace {

// Controls that take text or a choice: these need a label of their own.
bool TakesText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const IpAddressControl*>(widget);
}

// Everything a person operates: these need an accessible name.
bool IsInput(const QWidget* widget) {
    return TakesText(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

// The inner parts of Qt's own compound controls (a combo box's edit, a list's scroll bars) are named by them.
bool IsInnerPart(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
            qobject_cast<const QAbstractScrollArea*>(up)) {
            return true;
        }
    }
    return false;
}

QString AccessibleName(QWidget* widget) {
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString Describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
}

bool HasMnemonic(const QString& text) {
    return QRegularExpression(QStringLiteral("(^|[^&])&[^&\\s]")).match(text).hasMatch();
}

// The child of `ancestor` that holds `widget` (or `widget` itself when it is a child).
const QWidget* ChildHolding(const QWidget* ancestor, const QWidget* widget) {
    while (widget->parentWidget() != ancestor) {
        widget = widget->parentWidget();
    }
    return widget;
}

// Whether Tab going from `from` to `to` runs against reading order: compared where their branches meet, `to`
// lies wholly above `from`, or beside it in the same row but wholly to its left.
bool GoesBackwards(const QWidget* from, const QWidget* to) {
    constexpr int kTolerance = 3;
    const QWidget* common = from->parentWidget();
    while (!common->isAncestorOf(to)) {
        common = common->parentWidget();
    }
    const QRect a = ChildHolding(common, from)->geometry();
    const QRect b = ChildHolding(common, to)->geometry();
    if (b.bottom() <= a.top() + kTolerance) {
        return true;
    }
    const bool sameRow = b.top() < a.bottom() - kTolerance && a.top() < b.bottom() - kTolerance;
    return sameRow && b.right() <= a.left() + kTolerance;
}

// The controls Tab visits, in its order (Qt's own rule: tab focus, shown, no focus proxy).
QList<QWidget*> TabChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() &&
            !widget->focusProxy()) {
            chain << widget;
        }
    }
    return chain;
}

// What is wrong with the window as it shows now.
QStringList Faults(QWidget* window) {
    QStringList faults;
    QSet<const QWidget*> labelled;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() && HasMnemonic(label->text())) {
            labelled << label->buddy();
        }
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !IsInput(widget) || IsInnerPart(widget, window)) {
            continue;
        }
        if (AccessibleName(widget).isEmpty()) {
            faults << Describe(widget) + QStringLiteral(" has no accessible name");
        }
        // A field is named by its label; a companion beside a labelled field (a unit, say) by a name of its
        // own.
        const bool fieldOfAddress = qobject_cast<IpAddressControl*>(widget->parentWidget()) != nullptr;
        if (TakesText(widget) && !fieldOfAddress && !labelled.contains(widget) &&
            widget->accessibleName().isEmpty()) {
            faults << Describe(widget) +
                          QStringLiteral(" has neither a label with a mnemonic nor a name of its own");
        }
    }
    for (const QMenuBar* menuBar : window->findChildren<QMenuBar*>()) {
        for (const QAction* popup : menuBar->actions()) {
            if (!HasMnemonic(popup->text())) {
                faults << QStringLiteral("menu \"%1\" cannot be opened with Alt").arg(popup->text());
            }
        }
    }
    const QList<QWidget*> chain = TabChain(window);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        if (GoesBackwards(chain[i - 1], chain[i])) {
            faults << QStringLiteral("Tab goes back from %1 to %2")
                          .arg(Describe(chain[i - 1]), Describe(chain[i]));
        }
    }
    return faults;
}

// Shows `widget`, which sits in stacks and tabs, by making each of them show the branch that holds it.
void Reveal(QWidget* widget, QWidget* window) {
    for (QWidget* branch = widget; branch != window; branch = branch->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(branch->parentWidget());
        if (!stack) {
            continue;
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
            tabs->setCurrentWidget(branch);
        } else {
            stack->setCurrentWidget(branch);
        }
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

using WindowCheck = QStringList (*)(QWidget* window);

// Checks the window as it first shows, then with each page of each tab widget and stack in front.
QStringList FaultsOfEveryState(QWidget* window, WindowCheck check) {
    QStringList faults = check(window);
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        for (int i = 0; i < stack->count(); ++i) {
            QWidget* page = stack->widget(i);
            Reveal(page, window);
            for (const QString& fault : check(window)) {
                faults << QStringLiteral("%1 in front: %2").arg(Describe(page), fault);
            }
        }
    }
    faults.removeDuplicates();
    return faults;
}

// The top widget's name of every dialog template, which setupUi gives the widget it builds.
QSet<QString> TemplateNames() {
    QSet<QString> names;
    const QDir resources(QStringLiteral(CORVANE_RESOURCES_DIR));
    const QRegularExpression topWidget(QStringLiteral("<widget class=\"[^\"]+\" name=\"([^\"]+)\""));
    for (const QString& name : resources.entryList({QStringLiteral("template_*.ui")})) {
        QFile file(resources.filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            names << topWidget.match(QString::fromUtf8(file.readAll())).captured(1);
        }
    }
    return names;
}

// The letter Alt and `text`'s underlined character reach ("&Channel:" gives C), or a null character.
QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') {
            continue;
        }
        if (text[i + 1] != '&') {
            return text[i + 1].toUpper();
        }
        ++i; // "&&" shows an ampersand
    }
    return {};
}

// Access keys that two things of the window take as it shows now: two controls, or a control and a menu of
// the menu bar (Alt and a control's letter goes to the control, so the menu could no longer be opened by it).
QStringList AccessKeyClashes(QWidget* window) {
    QMap<QChar, QStringList> owners;
    const auto take = [&owners](const QString& text, const QString& owner) {
        if (const QChar key = AccessKey(text); !key.isNull()) {
            owners[key] << owner;
        }
    };
    for (const QMenuBar* menuBar : window->findChildren<QMenuBar*>()) {
        for (const QAction* popup : menuBar->actions()) {
            take(popup->text(), QStringLiteral("menu \"%1\"").arg(popup->text()));
        }
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            take(label->text(), Describe(widget));
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            take(button->text(), Describe(widget));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            take(group->title(), Describe(widget));
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                take(tabs->tabText(i), QStringLiteral("tab \"%1\"").arg(tabs->tabText(i)));
            }
        }
    }
    QStringList clashes;
    for (auto key = owners.cbegin(); key != owners.cend(); ++key) {
        if (key->size() > 1) {
            clashes
                << QStringLiteral("Alt+%1 is taken by %2").arg(key.key(), key->join(QStringLiteral(", ")));
        }
    }
    return clashes;
}

std::unique_ptr<QWidget> Message() {
    auto dialog = std::make_unique<ErrorDialog>();
    dialog->message = "Message text.";
    dialog->errorCode = runner_status::kWaitFailed;
    dialog->showCancel = true;
    return dialog;
}

// Every window and dialog of the program, each made on its own, and the chooser of `host`, shown one after
// another and checked by `check` in every state; the faults found, and every template walked.
struct WindowWalk {
    QStringList faults;
    QSet<QString> walked;

    WindowWalk(ChooserHost& host, WindowCheck check) {
        ConfigRecord record;
        const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
            {"configuration window", [] { return std::make_unique<ConfigWindow>(); }},
            {"About", [] { return std::make_unique<AboutDialog>(); }},
            {"Error", Message},
            {"progress",
             [] {
                 return std::make_unique<ProgressDialog>(ProgressSpec{kStrProgressReading, false});
             }},
            {"Enter Password", [] { return std::make_unique<EnterPasswordDialog>(); }},
            {"batch progress",
             [] {
                 return std::make_unique<BatchProgressDialog>(
                     QStringLiteral("Restarting Base Stations"),
                     std::vector<BatchRow>{{"Front Office", "10.0.1.2"}, {"Warehouse", "10.0.1.3"}});
             }},
            {"Choose Other", [] { return std::make_unique<ChooseOtherDialog>(); }},
            {"Change Password", [] { return std::make_unique<ChangePasswordDialog>(); }},
            {"Network Password", [] { return std::make_unique<NetworkPasswordDialog>(); }},
            {"Add Client", [] { return std::make_unique<AddClientDialog>(); }},
            {"Port Mapping", [&record] { return std::make_unique<PortMappingDialog>(&record); }},
            {"Edit Port Mapping", [] { return std::make_unique<PortMapEntryDialog>(); }},
        };
        Walk("chooser", host.chooser(), check);
        for (const auto& [title, make] : windows) {
            const std::unique_ptr<QWidget> window = make();
            Walk(title, *window, check);
        }
    }

    void Walk(const char* title, QWidget& window, WindowCheck check) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& fault : FaultsOfEveryState(&window, check)) {
            faults << QStringLiteral("%1: %2").arg(QString::fromLatin1(title), fault);
        }
        walked << window.objectName();
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            walked << child->objectName();
        }
        window.hide();
    }
};

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowDialogAndPageIsLabelledAndTabsInReadingOrder() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        const WindowWalk walk(host, Faults);
        QVERIFY2(walk.faults.isEmpty(), qPrintable(walk.faults.join(QLatin1Char('\n'))));

        const QSet<QString> missed = TemplateNames() - walk.walked;
        QVERIFY2(missed.isEmpty(),
                 qPrintable(QStringLiteral("templates this test does not walk yet: ") +
                            QStringList(missed.begin(), missed.end()).join(QStringLiteral(", "))));
    }

    // In every window, dialog and page, each access key reaches one thing: no two controls share a letter,
    // and no control takes a letter of the menu bar.
    void noTwoThingsShareAnAccessKey() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        const WindowWalk walk(host, AccessKeyClashes);
        QVERIFY2(walk.faults.isEmpty(), qPrintable(walk.faults.join(QLatin1Char('\n'))));
    }

    // The four fields of an address are named after the control's label, for a screen reader to read out.
    void addressFieldsAreNamedAfterTheirLabel() {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("&Router address:"), &window);
        auto* address = new IpAddressControl(&window);
        label->setBuddy(address);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QLineEdit*> fields = address->findChildren<QLineEdit*>();
        QCOMPARE(fields.size(), 4);
        QCOMPARE(AccessibleName(fields[0]), QStringLiteral("Router address, number 1 of 4"));
        QCOMPARE(AccessibleName(fields[3]), QStringLiteral("Router address, number 4 of 4"));
        QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
        QVERIFY(fields[0]->hasFocus());
    }
};

} // namespace corvane

QTEST_MAIN(corvane::KeyboardAccessTest)
#include "keyboard_access_test.moc"
