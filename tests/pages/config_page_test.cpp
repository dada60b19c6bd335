// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "strings/ids/internet_page_controls.h"
#include "strings/ids/template_ids.h"
#include "widgets/control_binding.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace corvane {
namespace {

// A window with a top-level sheet of two pages; the second hosts a nested sheet of two sub-pages and the
// connection-type list, as the Internet page does.
struct Host {
    Host() {
        new QVBoxLayout(&window);
        window.layout()->addWidget(&sheet);
        first->setWindowTitle(QStringLiteral("Corvane"));
        internet->setWindowTitle(QStringLiteral("Internet"));
        new QVBoxLayout(internet);
        connectionType = new QComboBox(internet);
        connectionType->setProperty(kControlIdProperty, internet_page::kConnectionType);
        connectionType->addItems({QStringLiteral("Ethernet"), QStringLiteral("Modem")});
        internet->layout()->addWidget(connectionType);
        nested = new PropertySheet(internet);
        internet->layout()->addWidget(nested);
        ethernet->setWindowTitle(QStringLiteral("Ethernet"));
        modem->setWindowTitle(QStringLiteral("Modem V.90"));
        sheet.AddPage(first);
        sheet.AddPage(internet);
        nested->AddPage(ethernet);
        nested->AddPage(modem);
        ethernet->SetParentPage(internet);
        modem->SetParentPage(internet);
    }

    QWidget window;
    PropertySheet sheet{&window};
    ConfigPage* first = new ConfigPage(kTemplateCorvanePage);
    ConfigPage* internet = new ConfigPage(kTemplateInternetPage);
    QComboBox* connectionType = nullptr;
    PropertySheet* nested = nullptr;
    ConfigPage* ethernet = new ConfigPage(kTemplateEthernetPage);
    ConfigPage* modem = new ConfigPage(kTemplateModemPage);
};

} // namespace

class ConfigPageTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsStoreTheirPointersAndAcceptEverything() {
        ConfigRecord record;
        const std::string before = record.syNm;
        ConfigPage page(kTemplateCorvanePage);
        page.SetConfig(&record);
        page.LoadSettings();
        QVERIFY(page.Validate());
        QVERIFY(page.SaveSettings());
        QCOMPARE(record.syNm, before);
        QCOMPARE(page.TemplateId(), unsigned(kTemplateCorvanePage));
    }

    void pagesTakeTheirTemplateCaptionAsTabText() {
        Host host;
        QCOMPARE(host.sheet.tabText(1), QStringLiteral("Internet"));
        QCOMPARE(host.nested->tabText(1), QStringLiteral("Modem V.90"));
    }

    void revealOfANestedPageShowsItsHostFirst() {
        Host host;
        QCOMPARE(host.sheet.currentWidget(), host.first);
        host.modem->Reveal();
        QCOMPARE(host.sheet.currentWidget(), host.internet);
        QCOMPARE(host.nested->currentWidget(), host.modem);
    }

    void activatingANestedPageSelectsItsConnectionTypeWithoutNotification() {
        Host host;
        QSignalSpy changed(host.connectionType, &QComboBox::currentIndexChanged);
        host.nested->setCurrentWidget(host.modem);
        QCOMPARE(host.connectionType->currentIndex(), 1);
        host.nested->setCurrentWidget(host.ethernet);
        QCOMPARE(host.connectionType->currentIndex(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void activatingATopLevelPageChangesNothing() {
        Host host;
        host.nested->setCurrentWidget(host.modem);
        host.sheet.setCurrentWidget(host.internet);
        host.sheet.setCurrentWidget(host.first);
        // The top-level window has no list of its own; the Internet page's list belongs to that page.
        QCOMPARE(host.connectionType->currentIndex(), 1);
    }

    void aPageKeepsItsControlsFromTheWindowAroundIt() {
        Host host;
        QVERIFY(FindControl(&host.window, internet_page::kConnectionType) == nullptr);
        QCOMPARE(FindControl(host.internet, internet_page::kConnectionType), host.connectionType);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ConfigPageTest)
#include "config_page_test.moc"
