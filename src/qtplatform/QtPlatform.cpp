#include "qtplatform/QtPlatform.h"

#include "qtplatform/ImportDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QInputDialog>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <QTranslator>

namespace zek::ui {

QString screenText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

namespace {

// Runs a modal box; afterwards the keyboard focus is where it was, so a child
// who answers a question types on in the answer box.
int execKeepingFocus(QDialog &box)
{
    const QPointer<QWidget> before = QApplication::focusWidget();
    const int result = box.exec();
    if (before && before->isVisible()) {
        before->activateWindow();
        before->setFocus();
    }
    return result;
}

} // namespace

Answer QtPlatform::messageBox(const Message &message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(screenText(message.title));
    box.setText(screenText(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::None: break;
    }
    if (message.buttons == Buttons::Ok) {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        execKeepingFocus(box);
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(message.defaultButton == Answer::Yes ? yes : no);
    box.setEscapeButton(no);
    execKeepingFocus(box);
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

qsizetype QtPlatform::choiceBox(const Choice &choice)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(screenText(choice.title));
    box.setText(screenText(choice.text));
    box.setTextFormat(Qt::PlainText);
    if (choice.icon == Icon::Question)
        box.setIcon(QMessageBox::Question);
    else if (choice.icon == Icon::Critical)
        box.setIcon(QMessageBox::Critical);
    // ActionRole keeps the buttons in the order given on every desktop
    QList<QPushButton *> buttons;
    for (const QString &caption : choice.buttons)
        buttons << box.addButton(QString(caption).replace(u'&', QStringLiteral("&&")), QMessageBox::ActionRole);
    QPushButton *standard = buttons.value(choice.defaultButton);
    box.setDefaultButton(standard);
    box.setEscapeButton(standard);
    execKeepingFocus(box);
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? choice.defaultButton : chosen;
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(screenText(title));
    dialog.setLabelText(screenText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    return execKeepingFocus(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtPlatform::passwordBox(const QString &prompt, const QString &title)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(screenText(title));
    dialog.setLabelText(screenText(prompt));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    return execKeepingFocus(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

namespace {

QString chooseFile(const FileDialog &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(request.filter);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.setDirectory(QFileInfo(request.path).absolutePath());
        dialog.selectFile(QFileInfo(request.path).fileName());
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(request.path);
    }
    if (execKeepingFocus(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

QString QtPlatform::openFileName(const FileDialog &dialog) { return chooseFile(dialog, QFileDialog::AcceptOpen); }

QString QtPlatform::saveFileName(const FileDialog &dialog) { return chooseFile(dialog, QFileDialog::AcceptSave); }

bool QtPlatform::confirmImport(const ImportPreview &preview)
{
    ImportDialog dialog(preview, QApplication::activeWindow());
    return execKeepingFocus(dialog) == QDialog::Accepted;
}

int QtPlatform::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

QDateTime QtPlatform::localTime() const { return QDateTime::currentDateTime(); }

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

void installGermanTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

} // namespace zek::ui
