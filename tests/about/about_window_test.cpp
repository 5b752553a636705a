#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "about/frm_about.h"
#include "fakes.h"
#include "support/scripted_messages.h"

namespace kivra {
namespace {

using test::FakeLauncher;
using test::FakeRegistry;

template <typename T>
T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget* window, const char* name) {
    const QLabel* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

// Runs `whileOpen` on the modal window once the event loop shows it, then makes sure it is
// gone so a test that fails never blocks.
void withModal(const std::function<void(QDialog*)>& whileOpen) {
    QTimer::singleShot(0, [whileOpen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal window";
            return;
        }
        whileOpen(dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the window is still open";
            dialog->done(QDialog::Rejected);
        }
    });
}

class AboutWindow : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeLauncher launcher;
    SysInfoServices services{registry, launcher, [](const QString&) { return false; }};
    QWidget owner;
};

TEST_F(AboutWindow, LoadSetsCaptionVersionAndTitle) {
    frmAbout about(&owner, services);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kivra32"));
    EXPECT_EQ(text(&about, "lblTitle"), QStringLiteral("Kivra32"));
    EXPECT_EQ(text(&about, "lblVersion"), QStringLiteral("Version 1.1.0"));
    EXPECT_EQ(text(&about, "lblDescription"),
              QStringLiteral("Kivra allows you to describe paths and/ or files and save that info "
                             "to a textfile. Can come in handy when you d/l a load of files and "
                             "want to keep track of their meaning, purpose etc..."));
    EXPECT_TRUE(text(&about, "Label1").startsWith(
        QStringLiteral("Check for possible updates/info etc. at the following url: http")));
    EXPECT_FALSE(text(&about, "lblDisclaimer").isEmpty());
    EXPECT_EQ(child<QPushButton>(&about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    EXPECT_TRUE(child<QPushButton>(&about, "cmdOK")->isDefault());
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

TEST_F(AboutWindow, EveryTextIsWholeAndInsideTheWindow) {
    frmAbout about(&owner, services);
    const QRect client = about.rect();
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "Label1", "lblDisclaimer"}) {
        SCOPED_TRACE(name);
        const QLabel* label = child<QLabel>(&about, name);
        EXPECT_TRUE(client.contains(label->geometry()));
        const QFontMetrics metrics = label->fontMetrics();
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        else
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
    }
    for (const char* name : {"cmdOK", "cmdSysInfo"}) {
        SCOPED_TRACE(name);
        const QPushButton* button = child<QPushButton>(&about, name);
        EXPECT_TRUE(client.contains(button->geometry()));
        EXPECT_LE(button->sizeHint().width(), button->width());
    }
    // The upper block ends above the disclaimer, the buttons sit to its right.
    EXPECT_LT(child<QLabel>(&about, "Label1")->geometry().bottom(),
              child<QLabel>(&about, "lblDisclaimer")->geometry().top());
    EXPECT_LT(child<QLabel>(&about, "lblDisclaimer")->geometry().right(),
              child<QPushButton>(&about, "cmdOK")->geometry().left());
}

TEST_F(AboutWindow, FocusStartsOnOkAndTabsToSystemInfo) {
    QWidget* ok = nullptr;
    QWidget* next = nullptr;
    withModal([&](QDialog* dialog) {
        ok = dialog->focusWidget();
        next = ok ? ok->nextInFocusChain() : nullptr;
        while (next && next != ok && next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        dialog->done(QDialog::Accepted);
    });
    frmAbout about(&owner, services);
    about.exec();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->objectName(), QStringLiteral("cmdOK"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->objectName(), QStringLiteral("cmdSysInfo"));
}

TEST(AboutWindowShow, EnterEscAndTheCloseBoxCloseIt) {
    struct Way {
        const char* name;
        std::function<void(QDialog*)> close;
    };
    const Way ways[] = {
        {"Enter", [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Return); }},
        {"keypad Enter", [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Enter); }},
        {"Esc", [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); }},
        {"OK", [](QDialog* d) { child<QPushButton>(d, "cmdOK")->click(); }},
        {"close box", [](QDialog* d) { d->close(); }},
    };
    QWidget owner;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        bool wasModal = false;
        withModal([&](QDialog* dialog) {
            wasModal = dialog->isModal() && dialog->parentWidget() == &owner;
            way.close(dialog);
        });
        ShowAbout(&owner);
        EXPECT_TRUE(wasModal);
        EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty()) << "the window outlived its showing";
    }
}

TEST(AboutWindowShow, EachOpeningLoadsAfresh) {
    QWidget owner;
    withModal([](QDialog* dialog) {
        dialog->setWindowTitle(QStringLiteral("changed"));
        child<QLabel>(dialog, "lblTitle")->setText(QStringLiteral("changed"));
        child<QLabel>(dialog, "lblVersion")->setText(QStringLiteral("changed"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    ShowAbout(&owner);

    QString caption, title, version;
    withModal([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        title = text(dialog, "lblTitle");
        version = text(dialog, "lblVersion");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    ShowAbout(&owner);
    EXPECT_EQ(caption, QStringLiteral("About Kivra32"));
    EXPECT_EQ(title, QStringLiteral("Kivra32"));
    EXPECT_EQ(version, QStringLiteral("Version 1.1.0"));
}

TEST_F(AboutWindow, SystemInfoFailureShowsTheMessageAndLeavesTheWindowOpen) {
    test::ScriptedMessages messages;
    bool openAfter = false;
    withModal([&](QDialog* dialog) {
        child<QPushButton>(dialog, "cmdSysInfo")->click();
        openAfter = dialog->isVisible();
        child<QPushButton>(dialog, "cmdOK")->click();
    });
    frmAbout about(&owner, services);
    about.exec();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(messages.shown()[0].parent, &about);
    EXPECT_TRUE(openAfter);
}

TEST_F(AboutWindow, SystemInfoStartsTheToolThatTheRegistryNames) {
    test::ScriptedMessages messages;
    registry.setString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/opt/tool");
    frmAbout about(&owner, services);
    QTest::mouseClick(child<QPushButton>(&about, "cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("/opt/tool")});
    EXPECT_TRUE(messages.shown().isEmpty());
}

}  // namespace
}  // namespace kivra
