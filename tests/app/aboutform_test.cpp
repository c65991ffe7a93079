#include "aboutform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Texts in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Takes the addresses QDesktopServices would hand to the mail program.
class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public Q_SLOTS:
    void Open(const QUrl& url) { Urls << url; }
};

// Restores the application's version when a test changed it.
class TAppVersion {
public:
    explicit TAppVersion(const QString& version) : fSaved(QCoreApplication::applicationVersion()) {
        QCoreApplication::setApplicationVersion(version);
    }
    ~TAppVersion() { QCoreApplication::setApplicationVersion(fSaved); }

private:
    QString fSaved;
};

int RunAbout(TAboutForm& about, const std::function<void()>& user) {
    QTimer::singleShot(0, &about, user);
    QTimer::singleShot(10000, &about, [&] { about.done(99); });
    return about.exec();
}

} // namespace

TEST(TAboutFormTest, ShowsNameAndVersion) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("2.3.4"), QStringLiteral("2.3.4")},
        {QString(), QStringLiteral(TARV_VERSION)},
    };
    for (const auto& [appVersion, shown] : cases) {
        SCOPED_TRACE(appVersion.toStdString());
        TAppVersion version(appVersion);
        TAboutForm about;
        EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
        EXPECT_EQ(about.windowType(), Qt::Tool);
        EXPECT_EQ(about.lbl_AppName->text(), QStringLiteral("tarv"));
        EXPECT_TRUE(about.lbl_AppName->font().bold());
        EXPECT_TRUE(about.lbl_AppVersion->text().contains(shown))
            << about.lbl_AppVersion->text().toStdString();
        EXPECT_EQ(about.lbl_AppDate->text(), QStringLiteral("2026"));
        EXPECT_EQ(about.lbl_Contact->text(), QString::fromLatin1(TAboutForm::kContactAddress));
    }
}

TEST(TAboutFormTest, ContactLineOpensMail) {
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "Open");
    {
        TAboutForm about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QLabel* contact = about.lbl_Contact;
        EXPECT_TRUE(contact->font().bold());
        EXPECT_EQ(contact->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(contact->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QTest::mouseMove(contact);
        QTest::mouseMove(about.btn_Ok);
        EXPECT_EQ(contact->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTest::mouseClick(contact, Qt::LeftButton);
        // A click elsewhere in the window writes no letter.
        QTest::mouseClick(about.lbl_AppDate, Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    ASSERT_EQ(catcher.Urls.size(), 1);
    EXPECT_EQ(catcher.Urls.first(), QUrl(QStringLiteral("mailto:tarv@example.org")));
}

TEST(TAboutFormTest, ClosesWithTheButtonOrEsc) {
    const std::vector<std::pair<const char*, std::function<void(TAboutForm&)>>> ways = {
        {"button",
         [](TAboutForm& a) {
             QTest::mouseClick(a.btn_Ok, Qt::LeftButton);
         }},
        {"Enter",
         [](TAboutForm& a) {
             QTest::keyClick(&a, Qt::Key_Return);
         }},
        {"Esc",
         [](TAboutForm& a) {
             QTest::keyClick(&a, Qt::Key_Escape);
         }},
    };
    for (const auto& [how, close] : ways) {
        SCOPED_TRACE(how);
        TAboutForm about;
        const int result = RunAbout(about, [&] { close(about); });
        EXPECT_NE(result, 99);
        EXPECT_FALSE(about.isVisible());
    }
}

TEST(TAboutFormTest, CentredOnItsParent) {
    QWidget parent;
    parent.setGeometry(30, 40, 700, 500);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    TAboutForm about(&parent);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QPoint offset = about.frameGeometry().center() - parent.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

#include "aboutform_test.moc"
