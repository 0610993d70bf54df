#include "ui/QtPlatform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace zek;

namespace {

// Runs check on the modal box as soon as it is open.
void whenOpen(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        check(box);
    });
}

QPushButton *button(QWidget *box, const QString &text)
{
    for (QPushButton *b : box->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

} // namespace

TEST(QtPlatform, QuestionWithJaAndNein)
{
    ui::QtPlatform platform;
    QString shownText, title;
    bool noIsDefault = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenOpen([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        title = box->windowTitle();
        icon = box->icon();
        noIsDefault = box->defaultButton() == button(box, QStringLiteral("Nein"));
        button(box, QStringLiteral("Ja"))->click();
    });
    const Answer answer = platform.messageBox({QStringLiteral("Titel"), QStringLiteral("Zeile 1\rZeile 2\r\nZeile 3\r"),
                                               Buttons::YesNo, Icon::Critical, Answer::No});
    EXPECT_EQ(answer, Answer::Yes);
    EXPECT_EQ(shownText, QStringLiteral("Zeile 1\nZeile 2\nZeile 3\n"));
    EXPECT_EQ(title, QStringLiteral("Titel"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(noIsDefault);

    whenOpen([](QWidget *w) { button(w, QStringLiteral("Nein"))->click(); });
    EXPECT_EQ(platform.messageBox({QStringLiteral("T"), QStringLiteral("?"), Buttons::YesNo}), Answer::No);
}

TEST(QtPlatform, MessageWithOk)
{
    ui::QtPlatform platform;
    int buttons = 0;
    whenOpen([&](QWidget *w) {
        buttons = int(w->findChildren<QPushButton *>().size());
        button(w, QStringLiteral("OK"))->click();
    });
    EXPECT_EQ(platform.messageBox({QStringLiteral("Fach 4"), QStringLiteral("leer")}), Answer::Ok);
    EXPECT_EQ(buttons, 1);
}

TEST(QtPlatform, InputBoxGivesTheTextOrNothingOnAbbrechen)
{
    ui::QtPlatform platform;
    whenOpen([](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->labelText(), QStringLiteral("Neuer Name:"));
        EXPECT_EQ(dialog->textValue(), QStringLiteral("Freund"));
        dialog->setTextValue(QStringLiteral("Lena"));
        button(w, QStringLiteral("OK"))->click();
    });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Neuer Name:"), QStringLiteral("Benutzername"),
                                QStringLiteral("Freund")),
              QStringLiteral("Lena"));

    whenOpen([](QWidget *w) { button(w, QStringLiteral("Abbrechen"))->click(); });
    EXPECT_TRUE(platform.inputBox(QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("x")).isEmpty());
}

TEST(QtPlatform, LookAlikeFontsAndGermanQtTexts)
{
    ui::installFontSubstitutes();
    struct Case {
        const char *named, *shown;
    };
    for (const Case &c : {Case{"Comic Sans MS", "Comic Neue"}, Case{"Arial", "Liberation Sans"},
                          Case{"MS Sans Serif", "DejaVu Sans"}, Case{"Verdana", "DejaVu Sans"}}) {
        const QFontInfo info(QFont(QString::fromLatin1(c.named), 24));
        EXPECT_EQ(info.family(), QString::fromLatin1(c.shown)) << c.named;
    }

    ui::installGermanTranslation(*qApp);
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
}
