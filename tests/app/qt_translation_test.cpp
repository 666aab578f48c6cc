#include "app/qt_translation.h"
#include "ui/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

using namespace orvika;

namespace {

struct LanguageCase
{
    const char *locale;
    bool russian;
};

void PrintTo(const LanguageCase &value, std::ostream *out)
{
    *out << value.locale;
}

class QtLanguage : public ::testing::TestWithParam<LanguageCase>
{
};

TEST_P(QtLanguage, QtSpeaksRussianOnlyToARussianLocale)
{
    const std::unique_ptr<QTranslator> translator(
        installQtTranslation(QLocale(QLatin1String(GetParam().locale))));
    EXPECT_EQ(translator != nullptr, GetParam().russian);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              GetParam().russian ? QStringLiteral("Отмена") : QStringLiteral("Cancel"));
}

INSTANTIATE_TEST_SUITE_P(Locales, QtLanguage,
                         ::testing::Values(LanguageCase{"ru_RU", true}, LanguageCase{"ru", true},
                                           LanguageCase{"ru_UA", true}, LanguageCase{"C", false},
                                           LanguageCase{"en_US", false}, LanguageCase{"uk_UA", false},
                                           LanguageCase{"be_BY", false}),
                         [](const ::testing::TestParamInfo<LanguageCase> &info) {
                             return std::string(info.param.locale);
                         });

// The texts of the buttons and labels of the modal window that the call opens, which is then closed.
template <typename Call> QStringList textsOfBoxOpenedBy(Call call)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget *box = QApplication::activeModalWidget();
        if (box == nullptr)
            return;
        for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
            if (button->isVisible() && !button->text().isEmpty())
                texts.append(button->text());
        for (const QLabel *label : box->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().isEmpty())
                texts.append(label->text());
        box->close();
    });
    call();
    return texts;
}

// Under a Russian locale the boxes of the window keep the words they have always had, while Qt's own
// dialogs speak Russian.
class RussianDialogs : public ::testing::Test
{
protected:
    const std::unique_ptr<QTranslator> translator{
        installQtTranslation(QLocale(QLocale::Russian, QLocale::Russia))};
    WidgetDialogs dialogs;
};

TEST_F(RussianDialogs, MessageBoxKeepsItsOk)
{
    ASSERT_NE(translator, nullptr);
    const QStringList texts =
        textsOfBoxOpenedBy([&] { dialogs.message(nullptr, QStringLiteral("Сообщение")); });
    EXPECT_EQ(texts, QStringList({QStringLiteral("OK"), QStringLiteral("Сообщение")}));
}

TEST_F(RussianDialogs, InputBoxKeepsItsOkAndCancel)
{
    ASSERT_NE(translator, nullptr);
    const QStringList texts = textsOfBoxOpenedBy([&] {
        dialogs.input(nullptr, QStringLiteral("Раскладка по мощности"),
                      QStringLiteral("Введите мощность зоны 1"), QString(), QPoint());
    });
    EXPECT_TRUE(texts.contains(QStringLiteral("OK"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Cancel"))) << texts.join(u'|').toStdString();
}

TEST_F(RussianDialogs, FileDialogSpeaksRussian)
{
    ASSERT_NE(translator, nullptr);
    const QStringList texts = textsOfBoxOpenedBy([&] {
        dialogs.openFileName(nullptr, QStringLiteral("Загрузить"), QDir::tempPath(), QStringLiteral("*.dat"));
    });
    EXPECT_TRUE(texts.contains(QStringLiteral("Отмена"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("&Имя файла:"))) << texts.join(u'|').toStdString();
}

} // namespace
