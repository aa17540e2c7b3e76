#include <QTemporaryDir>
#include <QTest>

#include "about/about_box.h"
#include "about/web_links.h"
#include "app/main_window.h"
#include "tests/support/scripted_prompts.h"

namespace qm {

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void linksOpenTheirAddresses() {
        QTemporaryDir folder;
        auto* prompts = new testing::ScriptedPrompts;
        TfFrame frame(std::filesystem::path(folder.path().toStdString()), std::unique_ptr<Prompts>(prompts));
        const QString support = QString::fromStdString(supportAddress());
        frame.Feedback1->trigger();
        frame.Webpage1->trigger();
        frame.aboutBox->Label2Click();
        frame.aboutBox->Label10Click();
        QCOMPARE(prompts->addresses,
                 QStringList({"mailto:" + support +
                                  "?subject=Feedback (Quillmount)&Body=What%20do%20you%20use%20the%20program%20for?"
                                  "%20How%20does%20it%20help%20you?%0D%0A%0D%0AWhat%20do%20you%20consider%20to%20be"
                                  "%20the%20most%20interesting%20feature?",
                              QString::fromStdString(homePage()), QString::fromStdString(homePage()),
                              "mailto:" + support + "?subject=Information request"}));
        QVERIFY(prompts->errors.isEmpty());
    }

    void aboutBoxShowsProductAndLinks() {
        QTemporaryDir folder;
        auto* prompts = new testing::ScriptedPrompts;
        TfFrame frame(std::filesystem::path(folder.path().toStdString()), std::unique_ptr<Prompts>(prompts));
        frame.About1->trigger();
        QCOMPARE(prompts->shownDialogs, QList<QDialog*>({frame.aboutBox}));
        AboutBox& box = *frame.aboutBox;
        QCOMPARE(box.windowTitle(), QString("About"));
        QCOMPARE(box.size(), QSize(481, 201));
        QCOMPARE(box.Label8->text(), QString::fromStdString(homePage()));
        QCOMPARE(box.Label8->toolTip(), QString::fromStdString(homePage()));
        QCOMPARE(box.Label10->toolTip(), "mailto: " + QString::fromStdString(supportAddress()));
        QStringList texts;
        for (QLabel* label : box.findChildren<QLabel*>()) texts << label->text();
        for (const char* expected : {"Product Name:", "Quillmount", "Version:", "1.1.1", "Home Page:", "Support:"})
            QVERIFY2(texts.contains(expected), expected);
    }
};

}  // namespace qm

QTEST_MAIN(qm::AboutTest)
#include "about_test.moc"
