// A plugin the network test loads into the real program
// (QT_QPA_GENERIC_PLUGINS=zekboxesshown, QT_PLUGIN_PATH): each message box
// the program shows is written as one line to the file ZEK_BOXES_SHOWN names,
// "title | text | buttons", with its line breaks as \r and \n, so that the
// test reads on which computer which box said what. The program prints
// nothing and an X window carries no text but its title.
#include <QFile>
#include <QGenericPlugin>
#include <QGuiApplication>

namespace {

QByteArray escaped(QString text)
{
    return text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n")).toUtf8();
}

class BoxWatch : public QObject {
public:
    // the application deletes its generic plugins' objects itself
    explicit BoxWatch(QObject *application) { application->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("QMessageBox")) {
            QByteArray line =
                escaped(watched->property("windowTitle").toString()) + " | " + escaped(watched->property("text").toString()) + " |";
            for (const QObject *button : watched->findChildren<QObject *>())
                if (button->inherits("QPushButton") && button->property("visible").toBool())
                    line += " [" + escaped(button->property("text").toString()) + "]";
            QFile file(qEnvironmentVariable("ZEK_BOXES_SHOWN"));
            if (file.open(QIODevice::WriteOnly | QIODevice::Append))
                file.write(line + '\n');
        }
        return false;
    }
};

} // namespace

class BoxesShownPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "BoxesShown.json")
public:
    QObject *create(const QString &, const QString &) override { return new BoxWatch(QCoreApplication::instance()); }
};

#include "BoxesShown.moc"
