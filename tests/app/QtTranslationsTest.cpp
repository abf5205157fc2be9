#include "app/QtTranslations.h"

#include "app/platform/DesktopPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

// The buttons of the message box that opens next, as shown; then answers it with `answer`.
void readButtonsThenAnswer(QStringList& shown, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, qApp, [&shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            shown.append(button->text());
        }
        box->button(answer)->click();
    });
}

TEST(QtTranslationsTest, ThePlatformsMessageBoxesAnswerInChinese) {
    QTranslator* translator = installQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "Qt's own translations are not installed";
    const auto uninstall = qScopeGuard([translator] {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    });
    DesktopPlatform platform;

    QStringList question;
    readButtonsThenAnswer(question, QMessageBox::No);
    EXPECT_FALSE(platform.askToConfirm(u"Pennoc便笺", u"仍要退出吗？"));
    question.sort();
    EXPECT_EQ(question, (QStringList{"否(&N)", "是(&Y)"}));

    QStringList error;
    readButtonsThenAnswer(error, QMessageBox::Ok);
    platform.showErrorMessage(u"Pennoc便笺", u"无法保存便笺。");
    EXPECT_EQ(error, QStringList{"确定"});
}

} // namespace
} // namespace pennoc
